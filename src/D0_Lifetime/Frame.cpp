#include "Frame.h"

#include "Browser.h"
#include "Canvas.h"
#include "DataFiles.h"
#include "DetectorGeometry.h"
#include "EventDisplay.h"
#include "FrameEventFile.h"
#include "FrameInvariantMass.h"
#include "FrameMassHistogram.h"
#include "PickKey.h"
#include "FrameSelection.h"
#include "FrameTexts.h"
#include "FrameTrackColours.h"
#include "HighDensityDisplay.h"
#include "Messages.h"
#include "StudentFilesFolder.h"
#include "analysis/Hist1D.h"
#include "launcher.h"
#include "rootio/Error.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QEvent>
#include <QFile>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QListWidgetItem>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <cstdio>
#include <iostream>

QString pathSave;

namespace {

const char* const hiddenVolume = "EcalModulesFiberPb";
constexpr unsigned transparentLook = 80;

const std::string& particleName(const VxLumoTrack& record) {
    static const std::string none;
    return record.particleId ? *record.particleId : none;
}

const VxTrackPoints& trackPoints(const VxLumoTrack& record) {
    static const VxTrackPoints none;
    return record.track ? *record.track : none;
}

QGroupBox* group(const QString& title, QWidget* parent, int x, int y, int w, int h,
                 const char* name) {
    auto* box = new QGroupBox(title, parent);
    box->setObjectName(name);
    box->setGeometry(x, y, w, h);
    return box;
}

QLabel* label(const QString& text, QWidget* parent, int x, int y, int w, int h,
              const char* name = nullptr) {
    auto* l = new QLabel(text, parent);
    if (name)
        l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(x, y, w, h);
    return l;
}

QPushButton* textButton(const QString& text, QWidget* parent, int x, int y, int w,
                        const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(x, y, w, 24);
    return b;
}

QLineEdit* entry(QWidget* parent, int x, int y, int w, const char* name) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setMaxLength(4096);
    e->setAlignment(Qt::AlignLeft);
    QFont font("Helvetica");
    font.setPixelSize(12);
    e->setFont(font);
    e->setGeometry(x, y, w, 22);
    return e;
}

} // namespace

Frame::Frame(const int lang, const char* user, QString pathSave2, int h, launcher* lstart)
    : counter(0), nb(0), eventsDone{}, center{0, 0, 0}, linexx(nullptr), r(65539), lang1(lang),
      l_start(nullptr), PI(3.141592653589793), particleCount(0), flag(0), res(0), checked(0),
      checked_trans(0), zoomBool(1), mainFrameWidth(0), mainFrameHeight(0), exiting_(false) {
    // The event-display window: the 3D view in the right tab "Viewer 1".
    browser_ = new vexel::Browser;
    browser_->setObjectName("EventDisplayBrowser");
    browser_->setWindowTitle("Vexel Lumora : event display");
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
    counter = 0;
    checked = 0;
    particleCount = 0;
    flag = 0;
    zoomBool = 1;
    checked_trans = 0;
    std::fill(std::begin(eventsDone), std::end(eventsDone), false);
    a = std::make_unique<analysis::Hist1D>(makeMassHistogram());
    applyMessageTexts(1);
}

void Frame::Validate(int h) {
    if (h <= 0)
        h = 1;
    fileName = QString::fromStdString(DataFiles::locate(DataFiles::eventFile(h)));
    histName = QString("%1_%2.root").arg(h).arg(QString::fromStdString(user1));
    enableAll();
    tree.reset();
    nb = 0;
    try {
        tree = std::make_unique<EventFile>(fileName.toStdString());
        nb = tree->events();
    } catch (const rootio::Error& e) {
        std::cerr << "Cannot open the data set: " << e.what() << std::endl;
        vexel::showMessage("Error", QString("The particle tracks of data set %1 cannot be read "
                                            "(%2). The detector is shown without tracks.")
                                        .arg(h)
                                        .arg(QString::fromLocal8Bit(e.what())));
    }
    if (tree && nb == 0)
        vexel::showMessage("Error", QString("The data set %1 holds no events.").arg(h));
    readTracks();
    DefaultCam();
}

void Frame::readTracks() {
    if (!tree || counter < 0 || counter >= nb)
        return;
    const int paletteSize = trackPaletteSize;
    array.clear();
    try {
        for (const rootio::TrackRecord& record : tree->readEvent(counter))
            array.push_back(VxLumoTrack::fromRecord(record));
    } catch (const rootio::Error& e) {
        array.clear();
        std::cerr << "Cannot read event " << counter + 1 << ": " << e.what() << std::endl;
        vexel::showMessage("Error", QString("Event %1 cannot be read (%2).")
                                        .arg(counter + 1)
                                        .arg(QString::fromLocal8Bit(e.what())));
    }
    for (std::size_t k = 0; k < array.size(); ++k) {
        const Record& record = array[k];
        const std::string& name = particleName(record);
        const VxTrackPoints& points = trackPoints(record);
        const QColor colour = trackColour(name, r, paletteSize);
        if (k == 2 && !points.empty())
            center = {points[0][0], points[0][1], points[0][2]};
        linexx = display_->addLine(name == "D0" ? VxTrackPoints() : points, colour);
        // A record without points has no line to pick it by.
        if (!points.empty())
            particles[pickKey(points.front(), points.back())] = record;
    }
    display_->draw();
}

void Frame::Next() {
    if (nb == 0)
        return;
    if (counter + 1 < nb) {
        counter += 1;
        particles.clear();
        Clear();
        readTracks();
        Reset();
        fLabel1351->setText(QString::number(counter + 1));
    } else {
        vexel::showMessage(h3_a, h3_b);
    }
}

void Frame::Back() {
    if (counter - 1 >= 0) {
        counter -= 1;
        particles.clear();
        Clear();
        readTracks();
    }
    Reset();
    fLabel1351->setText(QString::number(counter + 1));
}

void Frame::Clear() {
    display_->clearEvent();
    linexx = nullptr;
}

void Frame::Reset() {
    flag = 0;
    particleCount = 0;
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
            std::cerr << "Cannot load the geometry: " << e.what() << std::endl;
            vexel::showMessage("Error", QString("The Vexel geometry cannot be read (%1).")
                                            .arg(QString::fromLocal8Bit(e.what())));
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
    const double d = 5, h = 3, y0 = -3;
    display_->setupCamera(
        {center[0] - d, center[0] + d, y0, center[1] + h, center[2] - d, center[2] + d});
    display_->configureCamera(center, 1.57, -1.57);
    display_->draw();
}

void Frame::rotate(double hor, double ver) {
    display_->resetCameras();
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
    for (std::size_t k = 0; k < 3 && k < array.size(); ++k)
        linexx = display_->addLine(trackPoints(array[k]), hintColour(particleName(array[k])), 4.0f);
    display_->draw();
}

void Frame::OnClicked(const vexel::TrackLine* line) {
    if (!line || line->isEmpty())
        return;
    const auto found = particles.find(pickKey(line->lineStart(), line->lineEnd()));
    if (found == particles.end())
        return;
    selected = found->second;
    fTextEntry1311->setText(QString::fromStdString(particleName(selected)));
    fTextEntry1305->setText(QString::fromStdString(formatValue(selected.mass)));
    fTextEntry1312->setText(QString::fromStdString(formatValue(selected.E)));
    fTextEntry1306->setText(QString::fromStdString(formatValue(selected.q)));
    fTextEntry1307->setText(QString::fromStdString(formatValue(selected.chi2)));
    fTextEntry1308->setText(QString::fromStdString(formatValue(selected.px)));
    fTextEntry799->setText(QString::fromStdString(formatValue(selected.py)));
    fTextEntry1309->setText(QString::fromStdString(formatValue(selected.pz)));
    fTextButton1319->setEnabled(true);
}

void Frame::addChosenParticle(const Record& record, int id) {
    auto* item =
        new QListWidgetItem("My particle: " + QString::fromStdString(particleName(record)));
    item->setData(Qt::UserRole, id);
    fListBox1321->addItem(item);
}

void Frame::SaveParticle() {
    switch (chooseSlot(particleCount, flag, selected, myParticle1, myParticle2)) {
    case SlotChoice::TooMany:
        vexel::showMessage("Error", e1);
        break;
    case SlotChoice::AlreadyChosen:
        vexel::showMessage("Error", e2);
        break;
    case SlotChoice::FirstSlot:
        addChosenParticle(selected, 0);
        myParticle1 = selected;
        particleCount += 1;
        if (particleCount == 2)
            fTextButton1335->setEnabled(true);
        flag = 0;
        break;
    case SlotChoice::SecondSlot:
        addChosenParticle(selected, 1);
        myParticle2 = selected;
        fTextButton1335->setEnabled(true);
        particleCount += 1;
        break;
    }
    fListBox1321->setGeometry(8, 24, 208, 36);
    fTextButton753->setEnabled(true);
}

void Frame::DeleteParticle() {
    if (particleCount < 1)
        return;
    const QList<QListWidgetItem*> chosen = fListBox1321->selectedItems();
    if (chosen.isEmpty())
        return;
    QListWidgetItem* item = chosen.front();
    if (item->data(Qt::UserRole).toInt() == 0)
        flag = 1;
    delete item;
    // The list would select the entry that takes the deleted one's place; the student has
    // not chosen it, so a second Delete must not remove it.
    fListBox1321->setCurrentRow(-1);
    fListBox1321->clearSelection();
    particleCount -= 1;
    fTextEntry1337->setText("");
    fTextButton1335->setEnabled(false);
}

void Frame::Calculate() {
    res = static_cast<float>(invariantMass(myParticle1, myParticle2));
    fTextEntry1337->setText(QString::fromStdString(formatValue(static_cast<double>(res))));
    fTextButton753a->setEnabled(true);
}

void Frame::Continue() {
    // Without a data set there is no event to add a mass for.
    if (counter < 0 || counter >= nb || counter >= static_cast<int>(std::size(eventsDone)))
        return;
    if (eventsDone[counter]) {
        vexel::showMessage("Error", e4);
    } else if (massAccepted(res)) {
        a->fill(static_cast<double>(res));
        eventsDone[counter] = true;
        fTextButton1442->setEnabled(true);
    } else {
        vexel::showMessage("Error", e3);
    }
}

void Frame::Draw() {
    fTextButton1442->setEnabled(true);
    fTextButton758->setEnabled(true);
    // Closing the tab deletes the canvas: then a new tab with a new canvas.
    if (!browser_->hasTab(vexel::Browser::Right, "My histogram") || !fHistCanvas) {
        fHistCanvas = new vexel::Canvas("HistCanvas");
        drawMassHistogram();
        browser_->addTab(vexel::Browser::Right, fHistCanvas, "My histogram");
    } else {
        fHistCanvas->setEditable(true);
        browser_->raiseTab(vexel::Browser::Right, "My histogram");
        drawMassHistogram();
    }
    fHistCanvas->setEditable(false);
}

void Frame::drawMassHistogram() {
    fHistCanvas->cd(1);
    fHistCanvas->drawHistogram(*a);
    // The title above the frame and the number of entries in its corner.
    fHistCanvas->drawText(0.12, 0.95, QString::fromStdString(a->title()), 0.04);
    fHistCanvas->drawText(0.74, 0.88, QString("Entries  %1").arg(a->entries()), 0.035);
    fHistCanvas->update();
}

void Frame::SaveHist() {
    const QString folder = StudentFilesFolder::forSaving(pathSave, lang1);
    const std::string path = massHistogramPath(QFile::encodeName(folder).toStdString(),
                                               QFile::encodeName(histName).toStdString());
    try {
        saveMassHistogram(path, *a);
    } catch (const rootio::Error& e) {
        std::cerr << "Cannot save the histogram: " << e.what() << std::endl;
        vexel::showMessage("Error", "Access denied.");
        return;
    }
    vexel::showMessage("Info", h1);
}

void Frame::setLegend(const QString& picture) {
    const QPixmap pixmap =
        vexel::loadSharpPicture(QString::fromStdString(DataFiles::locate(picture.toStdString())));
    if (pixmap.isNull())
        leg->clear();
    else
        leg->setPixmap(vexel::fitPicture(pixmap, leg->size()));
}

QPushButton* Frame::pictureButton(const QString& picture, QWidget* parent, int x, int y, int w,
                                  int h, const char* name) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setGeometry(x, y, w, h);
    const QPixmap pixmap =
        vexel::loadSharpPicture(QString::fromStdString(DataFiles::locate(picture.toStdString())));
    if (!pixmap.isNull()) {
        button->setIcon(QIcon(pixmap));
        button->setIconSize(QSize(w - 6, h - 6));
    }
    return button;
}

void Frame::makeGui() {
    // The window: 90 % of the display at (5, 30), border and title only.
    const QScreen* display = QGuiApplication::primaryScreen();
    const QRect screen = display ? display->geometry() : QRect(0, 0, 1280, 1024);
    mainFrameWidth = static_cast<unsigned>(screen.width() * 0.9);
    mainFrameHeight = static_cast<unsigned>(screen.height() * 0.9);
    browser_->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    browser_->setGeometry(5, 30, static_cast<int>(mainFrameWidth),
                          static_cast<int>(mainFrameHeight));

    // The control panel, laid out with absolute positions.
    fMainFrame1460 = new QWidget;
    fMainFrame1460->setObjectName("fMainFrame1460");
    // The panel's sizes are made for a 12-pixel font.
    QFont panelFont = fMainFrame1460->font();
    panelFont.setPixelSize(12);
    fMainFrame1460->setFont(panelFont);
    auto* frameA = new QWidget(fMainFrame1460);
    frameA->setGeometry(0, 0, 490, 1050);
    auto* frameB = new QWidget(frameA);
    frameB->setGeometry(0, 8, 490, 1050);
    auto* canvas = new QScrollArea(frameB);
    canvas->setObjectName("EventControlCanvas");
    canvas->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    canvas->setGeometry(0, 0, 280, static_cast<int>(mainFrameHeight) - 100);
    auto* container = new QWidget;
    container->resize(260, 1018);
    auto* panel = new QWidget(container);
    panel->setGeometry(8, 8, 240, 1010);
    canvas->setWidget(container);

    fGroupFrame714 = group("Event manager", panel, 8, 0, 224, 104, "fGroupFrame714");
    fLabel842 = label("Event number:", fGroupFrame714, 8, 24, 112, 18, "fLabel842");
    QFont smaller = panelFont;
    smaller.setPixelSize(11); // the French text fits
    fLabel842->setFont(smaller);
    fLabel1351 = label("1", fGroupFrame714, 128, 24, 64, 18, "fLabel1351");
    QFont bold = fLabel1351->font();
    bold.setBold(true);
    bold.setPixelSize(12);
    fLabel1351->setFont(bold);
    fPictureButton716 =
        pictureButton("Icons/GoBack.png", fGroupFrame714, 8, 48, 96, 40, "fPictureButton716");
    fPictureButton715 =
        pictureButton("Icons/GoForward.png", fGroupFrame714, 120, 48, 96, 40, "fPictureButton715");

    fGroupFrame709 = group("View", panel, 8, 104, 224, 152, "fGroupFrame709");
    fPictureButton710 =
        pictureButton("Icons/Zoom.png", fGroupFrame709, 8, 24, 96, 40, "fPictureButton710");
    fPictureButton711 =
        pictureButton("Icons/fullscreen.png", fGroupFrame709, 120, 24, 96, 40, "fPictureButton711");
    fPictureButton1723 =
        pictureButton("Icons/hint.png", fGroupFrame709, 168, 96, 48, 40, "fPictureButton1723");
    fCheckButton712 = new QCheckBox("Hide Geometry", fGroupFrame709);
    fCheckButton712->setObjectName("fCheckButton712");
    fCheckButton712->setGeometry(16, 72, 144, 19);
    fCheckButton713 = new QCheckBox("Transparency", fGroupFrame709);
    fCheckButton713->setObjectName("fCheckButton713");
    fCheckButton713->setGeometry(16, 88, 144, 19);
    QFont checkFont = panelFont;
    checkFont.setPixelSize(11); // the longest translations fit beside the hint button
    fCheckButton712->setFont(checkFont);
    fCheckButton713->setFont(checkFont);
    fTextButton759 = textButton("Help", fGroupFrame709, 16, 112, 144, "fTextButton759");

    fGroupFrame860 = group("Zoom", panel, 8, 256, 224, 80, "fGroupFrame860");
    fPictureButton861 =
        pictureButton("Icons/a.png", fGroupFrame860, 8, 24, 64, 40, "fPictureButton861");
    fPictureButton862 =
        pictureButton("Icons/b.png", fGroupFrame860, 80, 24, 64, 40, "fPictureButton862");
    fPictureButton863 =
        pictureButton("Icons/c.png", fGroupFrame860, 152, 24, 64, 40, "fPictureButton863");

    fGroupFrame717 = group("Particle Info", panel, 8, 336, 224, 264, "fGroupFrame717");
    fLabel733 = label("Name", fGroupFrame717, 8, 24, 48, 18, "fLabel733");
    fTextEntry1311 = entry(fGroupFrame717, 72, 24, 80, "fTextEntry1311");
    fLabel726 = label("Mass", fGroupFrame717, 8, 48, 48, 18, "fLabel726");
    fTextEntry1305 = entry(fGroupFrame717, 72, 48, 80, "fTextEntry1305");
    label("MeV/c2", fGroupFrame717, 160, 48, 47, 18);
    label("E", fGroupFrame717, 8, 72, 48, 18);
    fTextEntry1312 = entry(fGroupFrame717, 72, 72, 80, "fTextEntry1312");
    label("MeV", fGroupFrame717, 160, 72, 40, 18);
    label("q", fGroupFrame717, 8, 96, 48, 18);
    fTextEntry1306 = entry(fGroupFrame717, 72, 96, 80, "fTextEntry1306");
    label("chi2", fGroupFrame717, 8, 120, 48, 18);
    fTextEntry1307 = entry(fGroupFrame717, 72, 120, 80, "fTextEntry1307");
    label("px", fGroupFrame717, 8, 144, 48, 18);
    fTextEntry1308 = entry(fGroupFrame717, 72, 144, 80, "fTextEntry1308");
    label("MeV/c", fGroupFrame717, 160, 144, 48, 18);
    label("py", fGroupFrame717, 8, 168, 48, 18);
    fTextEntry799 = entry(fGroupFrame717, 72, 168, 80, "fTextEntry799");
    label("MeV/c", fGroupFrame717, 160, 168, 48, 18);
    label("pz", fGroupFrame717, 8, 192, 48, 18);
    fTextEntry1309 = entry(fGroupFrame717, 72, 192, 80, "fTextEntry1309");
    label("MeV/c", fGroupFrame717, 160, 192, 48, 18);
    fTextButton1319 = textButton("Save Particle", fGroupFrame717, 8, 224, 208, "fTextButton1319");
    fTextButton1319->setEnabled(false);

    fGroupFrame735 = group("My Particles", panel, 8, 600, 224, 136, "fGroupFrame735");
    fListBox1321 = new QListWidget(fGroupFrame735);
    fListBox1321->setObjectName("fListBox1321");
    fListBox1321->setGeometry(8, 24, 208, 36);
    fTextButton1335 = textButton("Calculate", fGroupFrame735, 8, 64, 104, "fTextButton1335");
    fTextButton1335->setEnabled(false);
    fTextButton753 = textButton("Delete", fGroupFrame735, 120, 64, 96, "fTextButton753");
    fTextButton753->setEnabled(false);
    fLabel743 = label("Mass", fGroupFrame735, 8, 96, 48, 18, "fLabel743");
    fTextEntry1337 = entry(fGroupFrame735, 56, 96, 160, "fTextEntry1337");

    fGroupFrame1395 = group("Histogram", panel, 8, 736, 224, 128, "fGroupFrame1395");
    fTextButton1442 = textButton("Draw", fGroupFrame1395, 120, 24, 96, "fTextButton1442");
    fTextButton1442->setEnabled(false);
    fTextButton753a = textButton("Add", fGroupFrame1395, 8, 24, 104, "fTextButton753a");
    fTextButton753a->setEnabled(false);
    fTextButton758 = textButton("Save Histogram", fGroupFrame1395, 8, 56, 208, "fTextButton758");
    fTextButton758->setEnabled(false);
    fTextButton834 =
        textButton("Move on to D0 Exercise", fGroupFrame1395, 8, 88, 208, "fTextButton834");

    fGroupFrame748 = group("Legend", panel, 8, 864, 224, 128, "fGroupFrame748");
    leg = new QLabel(fGroupFrame748);
    leg->setObjectName("leg");
    leg->setAlignment(Qt::AlignCenter);
    leg->setGeometry(40, 20, 141, 100);
    setLegend("Icons/leg1.png");

    connect(fPictureButton716, SIGNAL(clicked()), this, SLOT(Back()));
    connect(fPictureButton715, SIGNAL(pressed()), this, SLOT(Next()));
    connect(fPictureButton710, SIGNAL(clicked()), this, SLOT(Zoom()));
    connect(fPictureButton711, SIGNAL(clicked()), this, SLOT(DefaultCam()));
    connect(fPictureButton1723, SIGNAL(clicked()), this, SLOT(Hint()));
    connect(fCheckButton712, SIGNAL(clicked()), this, SLOT(GeometrySwitch()));
    connect(fCheckButton713, SIGNAL(clicked()), this, SLOT(TransparencySwitch()));
    connect(fTextButton759, SIGNAL(clicked()), this, SLOT(Help()));
    connect(fPictureButton861, SIGNAL(pressed()), this, SLOT(YZ()));
    connect(fPictureButton862, SIGNAL(pressed()), this, SLOT(YX()));
    connect(fPictureButton863, SIGNAL(pressed()), this, SLOT(ZX()));
    connect(fTextButton1319, SIGNAL(clicked()), this, SLOT(SaveParticle()));
    connect(fTextButton1335, SIGNAL(clicked()), this, SLOT(Calculate()));
    connect(fTextButton753, SIGNAL(pressed()), this, SLOT(DeleteParticle()));
    connect(fTextButton1442, SIGNAL(clicked()), this, SLOT(Draw()));
    connect(fTextButton753a, SIGNAL(pressed()), this, SLOT(Continue()));
    connect(fTextButton758, SIGNAL(clicked()), this, SLOT(SaveHist()));
    connect(fTextButton834, SIGNAL(clicked()), this, SLOT(Exit()));

    fMainFrame1460->resize(490, 1055);
    browser_->addTab(vexel::Browser::Left, fMainFrame1460, "Event Control");
    browser_->tabs(vexel::Browser::Left)->setMinimumWidth(300);
    if (auto* splitter =
            qobject_cast<QSplitter*>(browser_->tabs(vexel::Browser::Left)->parentWidget()))
        splitter->setSizes({300, static_cast<int>(mainFrameWidth) - 300});
    browser_->show();
}

void Frame::disableAll() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             fPictureButton710, fPictureButton711, fPictureButton1723, fCheckButton712,
             fCheckButton713, fPictureButton716, fPictureButton715, fPictureButton861,
             fPictureButton862, fPictureButton863})
        w->setEnabled(false);
}

void Frame::enableAll() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             fPictureButton710, fPictureButton711, fPictureButton1723, fCheckButton712,
             fCheckButton713, fPictureButton716, fPictureButton715, fPictureButton861,
             fPictureButton862, fPictureButton863})
        w->setEnabled(true);
}

void Frame::Exit() {
    exiting_ = true;
    browser_->hide();
    exiting_ = false;
    if (l_start)
        l_start->enableII();
}

bool Frame::eventFilter(QObject* watched, QEvent* event) {
    // The window offers no close control; a close request from elsewhere is ignored.
    if (watched == browser_ && event->type() == QEvent::Close && !exiting_) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void Frame::applyWidgetTexts(int lang) {
    const FrameWidgetTexts t = frameWidgetTexts(lang);
    fTextButton759->setText(t.help);
    fTextButton834->setText(t.exit);
    fTextButton1319->setText(t.saveParticle);
    fTextButton1335->setText(t.calculate);
    fTextButton753->setText(t.deleteParticle);
    fTextButton753a->setText(t.add);
    fTextButton1442->setText(t.draw);
    fTextButton758->setText(t.saveHistogram);
    fLabel726->setText(t.mass);
    fLabel743->setText(t.mass);
    fLabel733->setText(t.name);
    fLabel842->setText(t.eventNumber);
    fGroupFrame735->setTitle(t.myParticles);
    fGroupFrame717->setTitle(t.particleInfo);
    fGroupFrame860->setTitle(t.zoom);
    fGroupFrame714->setTitle(t.eventManager);
    fGroupFrame709->setTitle(t.view);
    fGroupFrame748->setTitle(t.legend);
    fGroupFrame1395->setTitle(t.histogram);
    fCheckButton712->setText(t.hideGeometry);
    fCheckButton713->setText(t.transparency);
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
}

void Frame::FR() {
    applyWidgetTexts(2);
    applyMessageTexts(2);
}

void Frame::DE() {
    applyWidgetTexts(3);
    applyMessageTexts(3);
}

void Frame::IT() {
    applyWidgetTexts(4);
    applyMessageTexts(4);
}

void Frame::RO() {
    applyWidgetTexts(5);
    applyMessageTexts(5);
}

void Frame::Help() {
    if (browser_->hasTab(vexel::Browser::Right, "Help"))
        return;
    const HelpPictureSize size = helpPictureSize(mainFrameHeight);
    auto* page = new QScrollArea;
    page->setObjectName("HelpPage");
    auto* picture = new QLabel;
    picture->setObjectName("HelpPicture");
    const QPixmap pixmap = vexel::loadSharpPicture(helpPicturePath(lang1));
    if (!pixmap.isNull())
        picture->setPixmap(
            vexel::fitPicture(pixmap, QSize(size.width, size.height), Qt::IgnoreAspectRatio));
    picture->setGeometry(0, 0, size.width, size.height);
    picture->setFixedSize(size.width, size.height);
    page->setWidget(picture);
    page->resize(1096, 772);
    browser_->addTab(vexel::Browser::Right, page, "Help");
}
