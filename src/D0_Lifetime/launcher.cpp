#include "launcher.h"

#include "DataFiles.h"
#include "Frame.h"
#include "HighDensityDisplay.h"
#include "Languages.h"
#include "LauncherTexts.h"
#include "Messages.h"
#include "StudentDetails.h"
#include "TabLineEdit.h"
#include "Vexel_D0_Exercise.h"
#include "studentfiles/Combinations.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QUrl>
#include <QWidget>
#include <iostream>
#include <vector>

namespace {

QString dataFile(const std::string& relative) {
    return QString::fromStdString(DataFiles::locate(relative));
}

QPushButton* textButton(const QString& text, QWidget* parent, int x, int y, int w, int hgt) {
    auto* b = new QPushButton(text, parent);
    b->setGeometry(x, y, w, hgt);
    return b;
}

QLabel* label(const QString& text, QWidget* parent, int x, int y, int w, int hgt) {
    auto* l = new QLabel(text, parent);
    l->setAlignment(Qt::AlignCenter);
    l->setGeometry(x, y, w, hgt);
    return l;
}

QGroupBox* group(const QString& title, QWidget* parent, int x, int y, int w, int hgt) {
    auto* g = new QGroupBox(title, parent);
    g->setGeometry(x, y, w, hgt);
    return g;
}

QPushButton* pictureButton(const QPixmap& picture, QWidget* parent, int x, int y, int w, int hgt) {
    auto* b = new QPushButton(parent);
    b->setGeometry(x, y, w, hgt);
    if (!picture.isNull()) {
        b->setIcon(QIcon(picture));
        b->setIconSize(QSize(w - 6, hgt - 6));
    }
    return b;
}

} // namespace

launcher::launcher()
    : lang(0), start(0), h(0), fMainFrame990(nullptr), fTextEntry754(nullptr),
      fTextEntry752(nullptr), fTextEntry753(nullptr), fComboBox759(nullptr),
      fPictureButton779(nullptr), fPictureButton785(nullptr), fTextButton758(nullptr),
      fGroupFrame781(nullptr), fGroupFrame745(nullptr), fGroupFrame751(nullptr),
      fTextButton782(nullptr), fTextButton783(nullptr), fLabel755(nullptr), fLabel756(nullptr),
      fLabel757(nullptr), fTextEntry1141(nullptr) {
    pathSave1 = "";
    initialCheck();
    gui();
    disableAll();
}

launcher::~launcher() {
    // The exercise windows are the launcher's children and go with it.
    delete fMainFrame990;
}

void launcher::initialCheck() {
    const LauncherTexts texts = LauncherTexts::forLanguage(vexel::Language());
    // A language file that cannot be used: that language is in English, the rest works on.
    const QStringList problems = vexel::Languages::installed().problems();
    if (!problems.isEmpty())
        vexel::showMessage(texts.errorTitle, problems.join("\n"), texts.dismiss);
    if (QPixmap(dataFile(DataFiles::picture("l2.png"))).isNull()) {
        vexel::showMessage(texts.errorTitle, texts.iconsMissing, texts.dismiss);
        start = 1;
    }
    if (!QFileInfo(dataFile(DataFiles::detector())).isFile()) {
        vexel::showMessage(texts.errorTitle, texts.geometryMissing, texts.dismiss);
        start = 1;
    }
    if (!QFileInfo(dataFile(DataFiles::eventFile(1))).isFile()) {
        vexel::showMessage(texts.errorTitle, texts.tracksMissing, texts.dismiss);
        start = 1;
    }
}

void launcher::gui() {
    const LauncherTexts texts = LauncherTexts::forLanguage(vexel::Language());
    // Languages beyond the five get further rows of buttons; the rest of the window moves
    // down by the rows added.
    std::vector<const vexel::Language*> further;
    for (const vexel::Language& language : vexel::Languages::installed().all())
        if (language.number() > 5)
            further.push_back(&language);
    const int rows = (static_cast<int>(further.size()) + 4) / 5;
    const int shift = 32 * rows;
    const int height = 552 + shift;

    fMainFrame990 = new QWidget;
    fMainFrame990->setObjectName("launcher");
    fMainFrame990->setWindowTitle(texts.windowTitle);
    auto* outer = new QWidget(fMainFrame990);
    auto* inner = new QWidget(outer);
    outer->setGeometry(0, 0, 304, height);
    inner->setGeometry(0, 0, 304, height);

    fGroupFrame745 = group(texts.languagesTitle, inner, 8, 8, 288, 72 + shift);
    auto* en = textButton("EN", fGroupFrame745, 8, 24, 40, 24);
    auto* fr = textButton("FR", fGroupFrame745, 64, 24, 40, 24);
    auto* de = textButton("DE", fGroupFrame745, 120, 24, 40, 24);
    auto* it = textButton("IT", fGroupFrame745, 232, 24, 40, 24);
    auto* ro = textButton("RO", fGroupFrame745, 176, 24, 40, 24);
    en->setObjectName("EN");
    fr->setObjectName("FR");
    de->setObjectName("DE");
    it->setObjectName("IT");
    ro->setObjectName("RO");
    for (size_t i = 0; i < further.size(); ++i) {
        const int column = static_cast<int>(i % 5), row = static_cast<int>(i / 5) + 1;
        auto* button = textButton(further[i]->buttonText(), fGroupFrame745, 8 + 56 * column,
                                  24 + 32 * row, 40, 24);
        button->setObjectName(further[i]->buttonText());
        button->setToolTip(further[i]->name());
        button->setProperty("languageNumber", further[i]->number());
        connect(button, SIGNAL(clicked()), this, SLOT(chooseLanguage()));
    }

    fGroupFrame751 = group(texts.detailsTitle, inner, 8, 80 + shift, 288, 168);
    fLabel755 = label("Name", fGroupFrame751, 8, 24, 72, 18);
    fTextEntry752 = new vexel::TabLineEdit(fGroupFrame751);
    fTextEntry752->setGeometry(104, 24, 168, 22);
    fLabel756 = label("Surname", fGroupFrame751, 8, 48, 72, 18);
    fTextEntry753 = new vexel::TabLineEdit(fGroupFrame751);
    fTextEntry753->setGeometry(104, 48, 168, 22);
    fLabel757 = label("Grade", fGroupFrame751, 8, 72, 72, 18);
    fTextEntry754 = new vexel::TabLineEdit(fGroupFrame751);
    fTextEntry754->setGeometry(104, 72, 168, 22);
    numberLabel_ = label(texts.number, fGroupFrame751, 8, 96, 72, 18);
    fComboBox759 = new QComboBox(fGroupFrame751);
    for (int i = 1; i <= kCombinations; ++i)
        fComboBox759->addItem(texts.combination.arg(i), i);
    fComboBox759->setMaxVisibleItems(20);
    fComboBox759->setGeometry(104, 96, 168, 22);
    fComboBox759->setCurrentIndex(-1);
    fTextButton758 = textButton("Save", fGroupFrame751, 104, 120, 168, 24);

    // When the launcher's picture is missing both start buttons show a question mark.
    QPixmap picture1 = vexel::loadSharpPicture(dataFile(DataFiles::picture("l2.png")));
    QPixmap picture2 = vexel::loadSharpPicture(dataFile(DataFiles::picture("l1.png")));
    if (picture1.isNull()) {
        picture1 = QApplication::style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32);
        picture2 = picture1;
    }
    groupI_ = group(texts.groupI, inner, 8, 248 + shift, 136, 160);
    fPictureButton779 = pictureButton(picture1, groupI_, 8, 24, 120, 88);
    eventDisplayLabel_ = label(texts.eventDisplay, groupI_, 24, 120, 88, 18);

    outputGroup_ = group(texts.outputTitle, inner, 8, 408 + shift, 288, 72);
    okButton_ = textButton(texts.ok, outputGroup_, 216, 24, 56, 24);
    fTextEntry1141 = new QLineEdit(outputGroup_);
    fTextEntry1141->setMaxLength(4096);
    QFont entryFont("Helvetica");
    entryFont.setPixelSize(12);
    fTextEntry1141->setFont(entryFont);
    fTextEntry1141->setGeometry(16, 25, 192, 22);

    fGroupFrame781 = group(texts.exitTitle, inner, 8, 480 + shift, 288, 70);
    fTextButton782 = textButton("About", fGroupFrame781, 16, 24, 120, 24);
    fTextButton783 = textButton("Exit", fGroupFrame781, 152, 24, 120, 24);

    groupII_ = group(texts.groupII, inner, 160, 248 + shift, 136, 160);
    fPictureButton785 = pictureButton(picture2, groupII_, 8, 24, 120, 88);
    d0ExerciseLabel_ = label(texts.d0Exercise, groupII_, 24, 120, 80, 18);

    connect(en, SIGNAL(clicked()), this, SLOT(EN()));
    connect(fr, SIGNAL(clicked()), this, SLOT(FR()));
    connect(de, SIGNAL(clicked()), this, SLOT(DE()));
    connect(it, SIGNAL(clicked()), this, SLOT(IT()));
    connect(ro, SIGNAL(clicked()), this, SLOT(RO()));
    connect(fTextEntry752, SIGNAL(tabPressed()), this, SLOT(ChangeFocus()));
    connect(fTextEntry753, SIGNAL(tabPressed()), this, SLOT(ChangeFocus()));
    connect(fTextEntry754, SIGNAL(tabPressed()), this, SLOT(ChangeFocus()));
    connect(fTextButton758, SIGNAL(clicked()), this, SLOT(save()));
    connect(fPictureButton779, SIGNAL(clicked()), this, SLOT(start1()));
    connect(okButton_, SIGNAL(clicked()), this, SLOT(setOutputDir()));
    connect(fTextButton782, SIGNAL(clicked()), this, SLOT(about()));
    connect(fTextButton783, SIGNAL(clicked()), this, SLOT(Exit()));
    connect(fPictureButton785, SIGNAL(clicked()), this, SLOT(start2()));

    // On a display lower than the window (a small screen scaled up by the desktop) the
    // window keeps to the screen and its content scrolls.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const int room = screen ? screen->availableGeometry().height() - 40 : height;
    if (room < height) {
        auto* scroll = new QScrollArea(fMainFrame990);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        scroll->setWidget(outer);
        const int width = 304 + scroll->verticalScrollBar()->sizeHint().width();
        scroll->setGeometry(0, 0, width, room);
        fMainFrame990->setFixedSize(width, room);
    } else {
        fMainFrame990->setFixedSize(304, height);
    }
    fMainFrame990->show();
}

void launcher::useLanguage(int number) {
    const vexel::Language& language = vexel::Languages::installed().byNumber(number);
    const LauncherTexts t = LauncherTexts::forLanguage(language);
    fLabel755->setText(t.name);
    fLabel756->setText(t.surname);
    fLabel757->setText(t.grade);
    fTextButton758->setText(t.save);
    fTextButton782->setText(t.about);
    fTextButton783->setText(t.exit);
    fGroupFrame751->setTitle(t.detailsTitle);
    fGroupFrame745->setTitle(t.languagesTitle);
    // Texts the five languages keep as built (their catalogues give the English ones).
    fMainFrame990->setWindowTitle(t.windowTitle);
    numberLabel_->setText(t.number);
    eventDisplayLabel_->setText(t.eventDisplay);
    d0ExerciseLabel_->setText(t.d0Exercise);
    groupI_->setTitle(t.groupI);
    groupII_->setTitle(t.groupII);
    outputGroup_->setTitle(t.outputTitle);
    okButton_->setText(t.ok);
    fGroupFrame781->setTitle(t.exitTitle);
    for (int i = 0; i < fComboBox759->count(); ++i)
        fComboBox759->setItemText(i, t.combination.arg(fComboBox759->itemData(i).toInt()));
    lang = number;
    enable1();
}

void launcher::EN() {
    useLanguage(1);
}

void launcher::FR() {
    useLanguage(2);
}

void launcher::DE() {
    useLanguage(3);
}

void launcher::IT() {
    useLanguage(4);
}

void launcher::RO() {
    useLanguage(5);
}

const vexel::Language& launcher::language() const {
    return vexel::Languages::installed().byNumber(lang);
}

void launcher::chooseLanguage() {
    if (const QObject* button = sender())
        useLanguage(button->property("languageNumber").toInt());
}

void launcher::ChangeFocus() {
    QObject* from = sender();
    if (from == fTextEntry752)
        fTextEntry753->setFocus(Qt::TabFocusReason);
    if (from == fTextEntry753)
        fTextEntry754->setFocus(Qt::TabFocusReason);
    if (from == fTextEntry754)
        fTextEntry1141->setFocus(Qt::TabFocusReason);
}

void launcher::save() {
    const int selected =
        fComboBox759->currentIndex() < 0 ? -1 : fComboBox759->currentData().toInt();
    const QString name = fTextEntry752->text();
    const QString surname = fTextEntry753->text();
    const QString grade = fTextEntry754->text();
    if (!StudentDetails::complete(name, surname, grade, selected)) {
        const LauncherTexts texts = LauncherTexts::forLanguage(language());
        vexel::showMessage(texts.errorTitle, texts.fieldsEmpty, texts.dismiss);
        return;
    }
    user = StudentDetails::identity(name, surname, grade);
    enable2();
    h = selected;
    fTextButton758->setEnabled(false);
}

void launcher::start1() {
    fPictureButton779->setEnabled(false);
    new Frame(lang, user.c_str(), pathSave1, h, this); // owned by the launcher
}

void launcher::start2() {
    fPictureButton785->setEnabled(false);
    try {
        Vexel_D0_Exercise(lang, pathSave1, 2, 2, h, QString::fromStdString(user), "");
    } catch (const MissingDataFile& missing) {
        std::cerr << missing.what() << std::endl;
        // The file and why it cannot be used, in the student's language.
        vexel::showMessage(D0ExerciseMessages::forLanguage(language()).errorTitle,
                           missing.studentMessage(language()),
                           LauncherTexts::forLanguage(language()).dismiss);
        // The student may put the file in place and try again.
        fPictureButton785->setEnabled(true);
    }
}

void launcher::setOutputDir() {
    const auto check =
        StudentDetails::checkOutputDirectory(fTextEntry1141->text(), QDir::homePath());
    const LauncherTexts texts = LauncherTexts::forLanguage(language());
    switch (check.outcome) {
    case StudentDetails::OutputDirectoryCheck::TooShort:
        vexel::showMessage(texts.errorTitle, texts.pathInvalid, texts.dismiss);
        return;
    case StudentDetails::OutputDirectoryCheck::Missing:
        vexel::showMessage(texts.errorTitle, texts.folderMissing.arg(check.directory),
                           texts.dismiss);
        return;
    case StudentDetails::OutputDirectoryCheck::NotWritable:
        vexel::showMessage(texts.errorTitle, texts.folderNotWritable.arg(check.directory),
                           texts.dismiss);
        return;
    case StudentDetails::OutputDirectoryCheck::Accepted:
        pathSave1 = check.directory;
        return;
    case StudentDetails::OutputDirectoryCheck::Created:
        pathSave1 = check.directory;
        vexel::showMessage(texts.infoTitle,
                           texts.folderCreated.arg(QDir(check.directory).absolutePath() + '/'),
                           texts.dismiss);
        return;
    }
}

std::unique_ptr<QMessageBox> launcher::makeAboutBox(const std::optional<std::string>& guide) {
    const LauncherTexts texts = LauncherTexts::forLanguage(language());
    QString text = texts.aboutText;
    if (!guide)
        text += "\n\n" + texts.guideMissing.arg(QString::fromStdString(DataFiles::guideFolder()));
    auto box = vexel::makeMessageBox(texts.aboutTitle, text, texts.dismiss);
    if (guide) {
        QPushButton* open = box->addButton(texts.openGuide, QMessageBox::ActionRole);
        open->setObjectName("openGuide");
        const QString file = QFileInfo(QString::fromStdString(*guide)).absoluteFilePath();
        connect(open, &QPushButton::clicked, [file, texts] {
            if (!QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
                vexel::showMessage(texts.aboutTitle, texts.guideNotOpened.arg(file), texts.dismiss);
        });
    }
    return box;
}

void launcher::about() {
    auto box = makeAboutBox(DataFiles::findGuide(language().code().toStdString()));
    vexel::showMessageBox(*box);
}

void launcher::Exit() {
    fMainFrame990->hide();
}

void launcher::disableAll() {
    fTextButton758->setEnabled(false);
    fPictureButton785->setEnabled(false);
    fPictureButton779->setEnabled(false);
}

void launcher::enable1() {
    if (start == 0) {
        fTextButton758->setEnabled(true);
        start = 1;
    }
}

void launcher::enable2() {
    fPictureButton779->setEnabled(true);
}

void launcher::enableII() {
    fPictureButton785->setEnabled(true);
    fPictureButton779->setEnabled(false);
    // The student goes on from here to the D0 exercise, also after the launcher's Exit.
    fMainFrame990->show();
    fMainFrame990->raise();
}
