#include "Frame.h"

#include "Browser.h"
#include "Canvas.h"
#include "DataFiles.h"
#include "DetectorGeometry.h"
#include "EventDisplay.h"
#include "FrameTrackColours.h"
#include "HighDensityDisplay.h"
#include "InvariantMass.h"
#include "Messages.h"
#include "QuitWhenNoWindowVisible.h"
#include "StudentFilesFolder.h"
#include "launcher.h"

#include <QEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QListWidgetItem>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QTabWidget>
#include <iostream>

namespace {

const char* const hiddenVolume = "EcalModulesFiberPb";
constexpr unsigned transparentLook = 80;

// The highlight of the chosen particle of list id 0 (first slot) or 1 (second slot).
vexel::EventDisplay::Highlight chosenHighlight(int id) {
    return id == 0 ? vexel::EventDisplay::Highlight::FirstChosen
                   : vexel::EventDisplay::Highlight::SecondChosen;
}

const std::string& particleName(const VxLumoTrack& record) {
    static const std::string none;
    return record.particleId ? *record.particleId : none;
}

const VxTrackPoints& trackPoints(const VxLumoTrack& record) {
    static const VxTrackPoints none;
    return record.track ? *record.track : none;
}

} // namespace

Frame::Frame(const int lang, const char* user, QString pathSave2, int h, launcher* lstart)
    : QObject(lstart), exercise_(user ? user : ""), linexx(nullptr), r(65539), lang1(lang),
      l_start(nullptr), PI(3.141592653589793), checked(0), checked_trans(0), zoomBool(1),
      notices_(frameNoticeTexts(lang)), mainFrameWidth(0), mainFrameHeight(0), exiting_(false) {
    // The event-display window: the 3D view in the right tab "Viewer 1".
    browser_ = std::make_unique<vexel::Browser>();
    browser_->setObjectName("EventDisplayBrowser");
    browser_->installEventFilter(this);
    display_ = new vexel::EventDisplay;
    display_->setObjectName("Viewer 1");
    const int viewerTab = browser_->addTab(vexel::Browser::Right, display_, "Viewer 1");
    // The view is the window's heart: it cannot be closed.
    browser_->tabs(vexel::Browser::Right)
        ->tabBar()
        ->setTabButton(viewerTab, QTabBar::RightSide, nullptr);
    connect(display_, SIGNAL(clicked(const vexel::TrackLine*)), this,
            SLOT(OnClicked(const vexel::TrackLine*)));

    user1 = user ? user : "";
    applyNoticeTexts(lang);
    makeGui();
    init();
    pathSave = pathSave2;
    display_->setBackground(Qt::white);
    ShowGeometry();
    ShowTransparency();
    l_start = lstart;
    DefaultCam();
    disableAll();
    switch (lang) {
    case 2:
        FR();
        break;
    case 3:
        DE();
        break;
    case 4:
        IT();
        break;
    case 5:
        RO();
        break;
    default:
        break;
    }
    Validate(h);
}

Frame::~Frame() = default;

void Frame::init() {
    checked = 0;
    zoomBool = 1;
    checked_trans = 0;
    exercise_.restart();
    applyMessageTexts(1);
}

void Frame::Validate(int h) {
    enableAll();
    switch (exercise_.openDataSet(h)) {
    case EventExercise::DataSet::Opened:
        break;
    case EventExercise::DataSet::Unreadable:
        vexel::showMessage("Error", notices_.dataSetUnreadable.arg(exercise_.combination())
                                        .arg(QString::fromLocal8Bit(exercise_.problem().c_str())));
        break;
    case EventExercise::DataSet::NoEvents:
        vexel::showMessage("Error", notices_.noEvents.arg(exercise_.combination()));
        break;
    }
    readTracks();
    DefaultCam();
}

void Frame::readTracks() {
    if (!exercise_.readEvent())
        vexel::showMessage("Error", notices_.eventUnreadable.arg(exercise_.currentEvent() + 1)
                                        .arg(QString::fromLocal8Bit(exercise_.problem().c_str())));
    const std::vector<VxLumoTrack>& records = exercise_.records();
    for (const VxLumoTrack& record : records) {
        const std::string& name = particleName(record);
        const QColor colour = trackColour(name, r, trackPaletteSize);
        linexx = display_->addLine(name == "D0" ? VxTrackPoints() : trackPoints(record), colour);
    }
    display_->draw();
}

void Frame::Next() {
    switch (exercise_.next()) {
    case EventExercise::Move::Moved:
        Clear();
        readTracks();
        Reset();
        fLabel1351->setText(QString::number(exercise_.currentEvent() + 1));
        break;
    case EventExercise::Move::LastEventShown:
        vexel::showMessage(h3_a, h3_b);
        break;
    default:
        break;
    }
}

void Frame::Back() {
    if (exercise_.back() == EventExercise::Move::Moved) {
        Clear();
        readTracks();
    }
    Reset();
    fLabel1351->setText(QString::number(exercise_.currentEvent() + 1));
}

void Frame::Clear() {
    display_->clearEvent();
    linexx = nullptr;
    selectedLine_ = nullptr;
}

void Frame::Reset() {
    exercise_.resetChoice();
    fListBox1321->clear();
    for (QLineEdit* field : {fTextEntry1305, fTextEntry1306, fTextEntry1307, fTextEntry1308,
                             fTextEntry1309, fTextEntry1311, fTextEntry1312, fTextEntry799})
        field->setText("");
    fTextButton1319->setEnabled(false);
    fTextButton1335->setEnabled(false);
    fTextButton753->setEnabled(false);
    fTextButton753a->setEnabled(false);
    fTextEntry1337->setText("");
    setLegend("Icons/leg1.png");
    display_->clearHighlights();
    selectedLine_ = nullptr;
}

void Frame::ShowGeometry() {
    if (checked == 0) {
        try {
            const auto detector =
                vexel::geometry::DetectorGeometry::load(DataFiles::locate(DataFiles::detector()));
            display_->loadDetector(detector);
            if (detector.skippedPlacements() > 0)
                std::cerr << "Drawing the first 10000 placements; " << detector.skippedPlacements()
                          << " more are not drawn" << std::endl;
        } catch (const vexel::geometry::GeometryError& e) {
            vexel::showMessage("Error",
                               notices_.geometryUnreadable.arg(QString::fromLocal8Bit(e.what())));
            return;
        }
        const int volume = display_->findVolume(hiddenVolume);
        if (volume >= 0) {
            display_->setVolumeVisible(volume, false);
            std::cerr << "Hiding volume " << hiddenVolume << std::endl;
        } else {
            std::cerr << "Failed locating " << hiddenVolume << std::endl;
        }
        checked = 1;
    } else {
        display_->setDetectorVisible(true);
        display_->draw();
    }
}

void Frame::ShowTransparency() {
    std::cout << "ShowTransparency:" << checked_trans << std::endl;
    if (checked_trans == 0) {
        std::cout << "ShowTransparency - Initial Setup" << std::endl;
        for (const int volume : display_->volumeWalk()) {
            const int material = display_->volumeMaterial(volume);
            fVolumeTrans.emplace_back(volume,
                                      material >= 0 ? display_->materialTransparency(material) : 0);
        }
        checked_trans = -1;
        return;
    }
    for (const auto& [volume, transparency] : fVolumeTrans) {
        const int material = display_->volumeMaterial(volume);
        if (checked_trans == 1) {
            display_->setVolumeVisible(volume, true);
            if (material >= 0)
                display_->setMaterialTransparency(material, transparentLook);
        } else if (material >= 0) {
            display_->setMaterialTransparency(material, transparency);
        }
    }
    display_->draw();
}

void Frame::DefaultCam() {
    display_->resetCameras();
    display_->rotateCamera(-1.2, 0.5);
    display_->draw();
}

void Frame::GeometrySwitch() {
    if (checked == 1) {
        checked = -1;
        HideGeometry();
    } else if (checked == -1) {
        checked = 1;
        ShowGeometry();
    }
}

void Frame::HideGeometry() {
    display_->setDetectorVisible(false);
    display_->draw();
}

void Frame::TransparencySwitch() {
    std::cout << "TransparencySwitch " << checked_trans << std::endl;
    checked_trans = checked_trans == 1 ? -1 : 1;
    ShowTransparency();
}

void Frame::Zoom() {
    if (zoomBool == 1) {
        vexel::showMessage("Hint", h2);
        zoomBool = 0;
    }
    display_->resetCameras();
    const std::array<double, 3>& center = exercise_.viewCentre();
    const double d = 5, h = 3, y0 = -3;
    display_->setupCamera(
        {center[0] - d, center[0] + d, y0, center[1] + h, center[2] - d, center[2] + d});
    display_->configureCamera(center, 1.57, -1.57);
    display_->draw();
}

void Frame::rotate(double hor, double ver) {
    display_->resetCameras();
    const std::array<double, 3>& center = exercise_.viewCentre();
    const double d = 1515, h = 1513, y0 = -1513;
    display_->setupCamera(
        {center[0] - d, center[0] + d, y0, center[1] + h, center[2] - d, center[2] + d});
    display_->configureCamera(center, 0, 0);
    display_->rotateCamera(hor, ver);
    display_->draw();
}

void Frame::YZ() {
    rotate(0, 0);
}

void Frame::YX() {
    rotate(0, -PI / 2);
}

void Frame::ZX() {
    rotate(PI / 2, -PI / 2);
}

void Frame::Hint() {
    setLegend("Icons/leg2.png");
    const std::vector<VxLumoTrack>& records = exercise_.records();
    for (std::size_t k = 0; k < 3 && k < records.size(); ++k)
        linexx =
            display_->addLine(trackPoints(records[k]), hintColour(particleName(records[k])), 4.0f);
    display_->draw();
}

void Frame::OnClicked(const vexel::TrackLine* line) {
    if (!line || line->isEmpty())
        return;
    const VxLumoTrack* selected = exercise_.pick(line->lineStart(), line->lineEnd());
    if (!selected)
        return;
    selectedLine_ = line;
    display_->setHighlight(vexel::EventDisplay::Highlight::Picked, line);
    fTextEntry1311->setText(QString::fromStdString(particleName(*selected)));
    fTextEntry1305->setText(QString::fromStdString(formatValue(selected->mass)));
    fTextEntry1312->setText(QString::fromStdString(formatValue(selected->E)));
    fTextEntry1306->setText(QString::fromStdString(formatValue(selected->q)));
    fTextEntry1307->setText(QString::fromStdString(formatValue(selected->chi2)));
    fTextEntry1308->setText(QString::fromStdString(formatValue(selected->px)));
    fTextEntry799->setText(QString::fromStdString(formatValue(selected->py)));
    fTextEntry1309->setText(QString::fromStdString(formatValue(selected->pz)));
    fTextButton1319->setEnabled(true);
}

void Frame::addChosenParticle(const VxLumoTrack& record, int id) {
    auto* item =
        new QListWidgetItem("My particle: " + QString::fromStdString(particleName(record)));
    item->setData(Qt::UserRole, id);
    // The entry wears the colour of its track's highlight.
    const auto highlight = chosenHighlight(id);
    item->setBackground(vexel::EventDisplay::highlightColour(highlight));
    fListBox1321->addItem(item);
    display_->setHighlight(highlight, selectedLine_);
}

void Frame::SaveParticle() {
    const EventExercise::Choice choice = exercise_.saveParticle();
    switch (choice.slot) {
    case SlotChoice::TooMany:
        vexel::showMessage("Error", e1);
        break;
    case SlotChoice::AlreadyChosen:
        vexel::showMessage("Error", e2);
        break;
    case SlotChoice::FirstSlot:
    case SlotChoice::SecondSlot:
        addChosenParticle(exercise_.selected(), choice.id);
        if (choice.pairComplete)
            fTextButton1335->setEnabled(true);
        break;
    }
    fListBox1321->setGeometry(8, 24, 208, 36);
    fTextButton753->setEnabled(true);
}

void Frame::DeleteParticle() {
    const QList<QListWidgetItem*> chosen = fListBox1321->selectedItems();
    if (chosen.isEmpty() || exercise_.particleCount() < 1)
        return;
    QListWidgetItem* item = chosen.front();
    const int id = item->data(Qt::UserRole).toInt();
    if (!exercise_.deleteParticle(id))
        return;
    display_->setHighlight(chosenHighlight(id), nullptr);
    delete item;
    // The list would select the entry that takes the deleted one's place; the student has
    // not chosen it, so a second Delete must not remove it.
    fListBox1321->setCurrentRow(-1);
    fListBox1321->clearSelection();
    fTextEntry1337->setText("");
    fTextButton1335->setEnabled(false);
}

void Frame::Calculate() {
    const float res = exercise_.calculate();
    fTextEntry1337->setText(QString::fromStdString(formatValue(static_cast<double>(res))));
    fTextButton753a->setEnabled(true);
}

void Frame::Continue() {
    switch (exercise_.add()) {
    case EventExercise::Added::Added:
        fTextButton1442->setEnabled(true);
        break;
    case EventExercise::Added::AlreadyAdded:
        vexel::showMessage("Error", e4);
        break;
    case EventExercise::Added::OutOfRange:
        vexel::showMessage("Error", e3);
        break;
    case EventExercise::Added::NoEvent:
        break;
    }
}

void Frame::Draw() {
    fTextButton1442->setEnabled(true);
    fTextButton758->setEnabled(true);
    // A new tab with a new canvas when the student has closed it.
    fHistCanvas = browser_->canvasTab("My histogram", "HistCanvas");
    fHistCanvas->setEditable(true);
    drawMassHistogram();
    fHistCanvas->setEditable(false);
}

void Frame::drawMassHistogram() {
    const analysis::Hist1D& a = exercise_.histogram();
    fHistCanvas->cd(1);
    // The title above the frame and the statistics box in its corner.
    vexel::DrawStyle style;
    style.statistics = true;
    fHistCanvas->drawHistogram(a, style);
    fHistCanvas->drawText(0.12, 0.95, QString::fromStdString(a.title()), 0.04);
    fHistCanvas->update();
}

void Frame::SaveHist() {
    const std::string outputDirectory =
        QFile::encodeName(StudentFilesFolder::forSaving(pathSave, lang1)).toStdString();
    switch (exercise_.saveHistogram(outputDirectory)) {
    case EventExercise::Saved::Saved:
        vexel::showMessage("Info", h1);
        break;
    case EventExercise::Saved::NameTooLong:
        vexel::showMessage(
            "Error", notices_.nameTooLong.arg(exercise_.histogramPath(outputDirectory).size() -
                                              outputDirectory.size()));
        break;
    case EventExercise::Saved::Failed:
        std::cerr << "Cannot save the histogram: " << exercise_.problem() << std::endl;
        vexel::showMessage("Error", "Access denied.");
        break;
    }
}

void Frame::setLegend(const QString& picture) {
    const QPixmap pixmap =
        vexel::loadSharpPicture(QString::fromStdString(DataFiles::locate(picture.toStdString())));
    if (pixmap.isNull())
        leg->clear();
    else
        leg->setPixmap(vexel::fitPicture(pixmap, leg->size()));
}

void Frame::Exit() {
    exiting_ = true;
    browser_->hide();
    exiting_ = false;
    if (l_start)
        l_start->enableII();
}

bool Frame::eventFilter(QObject* watched, QEvent* event) {
    if (watched != browser_.get())
        return QObject::eventFilter(watched, event);
    // The window offers no close control; a close request from elsewhere is ignored.
    if (event->type() == QEvent::Close && !exiting_) {
        event->ignore();
        return true;
    }
    if (event->type() == vexel::EndRequestEvent::eventType()) {
        event->setAccepted(endRequested());
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool Frame::endRequested() {
    if (!exercise_.histogramUnsaved() ||
        vexel::askQuestion("Vexel Lumora", notices_.unsavedHistogram, notices_.yes, notices_.no))
        return true;
    // The student keeps the program to save the histogram: the window comes back.
    browser_->show();
    browser_->raise();
    return false;
}

void Frame::applyNoticeTexts(int lang) {
    notices_ = frameNoticeTexts(lang);
    browser_->setWindowTitle(notices_.windowTitle);
}

void Frame::applyMessageTexts(int lang) {
    const FrameMessageTexts t = frameMessageTexts(lang);
    e1 = t.e1;
    e2 = t.e2;
    h1 = t.h1;
    e3 = t.e3;
    e4 = t.e4;
    h2 = t.h2;
    h3_a = t.h3_a;
    h3_b = t.h3_b;
}

void Frame::EN() {
    applyWidgetTexts(1);
    applyNoticeTexts(1);
}

void Frame::FR() {
    applyWidgetTexts(2);
    applyNoticeTexts(2);
    applyMessageTexts(2);
}

void Frame::DE() {
    applyWidgetTexts(3);
    applyNoticeTexts(3);
    applyMessageTexts(3);
}

void Frame::IT() {
    applyWidgetTexts(4);
    applyNoticeTexts(4);
    applyMessageTexts(4);
}

void Frame::RO() {
    applyWidgetTexts(5);
    applyNoticeTexts(5);
    applyMessageTexts(5);
}

void Frame::Help() {
    if (browser_->hasTab(vexel::Browser::Right, "Help"))
        return;
    const QString path = helpPicturePath(lang1);
    const QPixmap pixmap = vexel::loadSharpPicture(path);
    if (pixmap.isNull()) {
        vexel::showMessage("Error", notices_.helpPictureMissing.arg(path));
        return;
    }
    const HelpPictureSize size = helpPictureSize(mainFrameHeight);
    auto* page = new QScrollArea;
    page->setObjectName("HelpPage");
    auto* picture = new QLabel;
    picture->setObjectName("HelpPicture");
    picture->setPixmap(
        vexel::fitPicture(pixmap, QSize(size.width, size.height), Qt::IgnoreAspectRatio));
    picture->setGeometry(0, 0, size.width, size.height);
    picture->setFixedSize(size.width, size.height);
    page->setWidget(picture);
    page->resize(1096, 772);
    browser_->addTab(vexel::Browser::Right, page, "Help");
}
