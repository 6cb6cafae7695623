#include "Browser.h"
#include "DataFiles.h"
#include "Frame.h"
#include "HighDensityDisplay.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QTabWidget>

// The window's layout: absolute positions, as the panel was designed.

namespace {

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

QPushButton* pictureButton(const QString& picture, QWidget* parent, int x, int y, int w, int h,
                           const char* name) {
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

} // namespace

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
    label(notices_.massUnit, fGroupFrame717, 160, 48, 47, 18);
    label("E", fGroupFrame717, 8, 72, 48, 18);
    fTextEntry1312 = entry(fGroupFrame717, 72, 72, 80, "fTextEntry1312");
    label(notices_.energyUnit, fGroupFrame717, 160, 72, 40, 18);
    label("q", fGroupFrame717, 8, 96, 48, 18);
    fTextEntry1306 = entry(fGroupFrame717, 72, 96, 80, "fTextEntry1306");
    label("chi2", fGroupFrame717, 8, 120, 48, 18);
    fTextEntry1307 = entry(fGroupFrame717, 72, 120, 80, "fTextEntry1307");
    label("px", fGroupFrame717, 8, 144, 48, 18);
    fTextEntry1308 = entry(fGroupFrame717, 72, 144, 80, "fTextEntry1308");
    label(notices_.momentumUnit, fGroupFrame717, 160, 144, 48, 18);
    label("py", fGroupFrame717, 8, 168, 48, 18);
    fTextEntry799 = entry(fGroupFrame717, 72, 168, 80, "fTextEntry799");
    label(notices_.momentumUnit, fGroupFrame717, 160, 168, 48, 18);
    label("pz", fGroupFrame717, 8, 192, 48, 18);
    fTextEntry1309 = entry(fGroupFrame717, 72, 192, 80, "fTextEntry1309");
    label(notices_.momentumUnit, fGroupFrame717, 160, 192, 48, 18);
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
    browser_->addTab(vexel::Browser::Left, fMainFrame1460, notices_.eventControl);
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

void Frame::applyWidgetTexts(int lang) {
    const FrameWidgetTexts t = frameWidgetTexts(language(lang));
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
