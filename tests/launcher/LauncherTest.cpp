#include "launcher.h"
#include "DataFiles.h"
#include "Frame.h"
#include "GuiTestSupport.h"
#include "Languages.h"
#include "LauncherStudent.h"
#include "LauncherTexts.h"
#include "TabLineEdit.h"
#include "Vexel_D0_Exercise.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Pixels the rows of buttons of the languages beyond the five add to the launcher.
int addedRows() {
    int further = 0;
    for (const vexel::Language& language : vexel::Languages::installed().all())
        further += language.number() > 5;
    return 32 * ((further + 4) / 5);
}

// A working directory laid out as the program expects, with or without its data.
class RunDirectory {
public:
    explicit RunDirectory(bool withData) : previous_(QDir::currentPath()) {
        QDir root(dir_.path());
        root.mkpath("Icons");
        root.mkpath("share/VexelLumora");
        if (withData) {
            // The build's own pictures where they have been made, else plain ones.
            const QDir built(VEXEL_RUN_DIR);
            for (const std::string& relative :
                 {DataFiles::picture("l1.png"), DataFiles::picture("l2.png")}) {
                const QString name = QString::fromStdString(relative);
                if (QFile::copy(built.filePath(name), root.filePath(name)))
                    continue;
                QImage picture(114, 82, QImage::Format_RGB32);
                picture.fill(Qt::darkCyan);
                picture.save(root.filePath(name));
            }
            touch(QString::fromStdString(DataFiles::detector()));
            touch(QString::fromStdString(DataFiles::eventFile(1)));
        }
        // The languages are the build's: read before the working directory changes.
        vexel::Languages::installed();
        QDir::setCurrent(dir_.path());
    }
    ~RunDirectory() { QDir::setCurrent(previous_); }
    void remove(const QString& relative) { QFile::remove(QDir(dir_.path()).filePath(relative)); }
    void touch(const QString& relative) {
        QFile f(QDir(dir_.path()).filePath(relative));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("x");
    }
    QString path() const { return dir_.path(); }

private:
    QTemporaryDir dir_;
    QString previous_;
};

QPushButton* languageButton(launcher& l, const char* code) {
    return l.fGroupFrame745->findChild<QPushButton*>(code);
}

using vexel::test::messageTexts;

struct LauncherFixture : ::testing::Test {
    void SetUp() override {
        vexel::test::clearMessages();
        vexel::test::clearWarnings();
    }
};

using LauncherTest = LauncherFixture;

} // namespace

TEST_F(LauncherTest, StartsWithEverythingDisabledWhenAllDataIsPresent) {
    RunDirectory run(true);
    launcher l;
    EXPECT_TRUE(vexel::test::messages().empty()) << messageTexts().join("\n").toStdString();
    EXPECT_EQ(l.start, 0);
    EXPECT_EQ(l.lang, 0);
    EXPECT_EQ(l.pathSave1, "");
    EXPECT_FALSE(l.fTextButton758->isEnabled());
    EXPECT_FALSE(l.fPictureButton779->isEnabled());
    EXPECT_FALSE(l.fPictureButton785->isEnabled());
    EXPECT_TRUE(l.fTextEntry752->text().isEmpty());
    EXPECT_EQ(l.fComboBox759->currentIndex(), -1);
    ASSERT_EQ(l.fComboBox759->count(), 175);
    EXPECT_EQ(l.fComboBox759->itemText(0), "Combination 1");
    EXPECT_EQ(l.fComboBox759->itemData(174).toInt(), 175);
    EXPECT_TRUE(l.fMainFrame990->isVisible());
    EXPECT_EQ(l.fMainFrame990->size(), QSize(304, 552 + addedRows()));
    EXPECT_TRUE(vexel::test::connectionWarnings().isEmpty())
        << vexel::test::connectionWarnings().join("\n").toStdString();
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, LayoutFollowsTheTable) {
    RunDirectory run(true);
    launcher l;
    // Languages beyond the five add rows of buttons; the groups below move down with them.
    const int down = addedRows();
    EXPECT_EQ(l.fGroupFrame745->geometry(), QRect(8, 8, 288, 72 + down));
    EXPECT_EQ(l.fGroupFrame751->geometry(), QRect(8, 80 + down, 288, 168));
    EXPECT_EQ(l.fGroupFrame781->geometry(), QRect(8, 480 + down, 288, 70));
    EXPECT_EQ(languageButton(l, "ES")->geometry(), QRect(8, 56, 40, 24));
    EXPECT_EQ(languageButton(l, "EN")->geometry(), QRect(8, 24, 40, 24));
    EXPECT_EQ(languageButton(l, "RO")->geometry(), QRect(176, 24, 40, 24));
    EXPECT_EQ(languageButton(l, "IT")->geometry(), QRect(232, 24, 40, 24));
    EXPECT_EQ(l.fTextEntry752->geometry(), QRect(104, 24, 168, 22));
    EXPECT_EQ(l.fComboBox759->geometry(), QRect(104, 96, 168, 22));
    EXPECT_EQ(l.fTextButton758->geometry(), QRect(104, 120, 168, 24));
    EXPECT_EQ(l.fPictureButton779->geometry(), QRect(8, 24, 120, 88));
    EXPECT_EQ(l.fPictureButton779->parentWidget()->geometry(), QRect(8, 248 + down, 136, 160));
    EXPECT_EQ(l.fPictureButton785->parentWidget()->geometry(), QRect(160, 248 + down, 136, 160));
    EXPECT_EQ(l.fTextEntry1141->geometry(), QRect(16, 25, 192, 22));
    EXPECT_EQ(l.fTextEntry1141->parentWidget()->geometry(), QRect(8, 408 + down, 288, 72));
    EXPECT_EQ(l.fTextButton783->geometry(), QRect(152, 24, 120, 24));
    EXPECT_FALSE(l.fPictureButton779->icon().isNull());
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, EachMissingFileHasItsOwnErrorAndSaveNeverBecomesAvailable) {
    RunDirectory run(false);
    launcher l;
    const QStringList expected = {
        "Error: Icons are missing!",
        "Error: The Vexel geometry is missing! You cannot continue with the exercise.",
        "Error: Particle tracks are missing! You cannot continue with the exercise."};
    EXPECT_EQ(messageTexts(), expected);
    EXPECT_EQ(l.start, 1);
    // Without the launcher picture both start buttons fall back to a stock picture.
    EXPECT_FALSE(l.fPictureButton779->icon().isNull());
    QTest::mouseClick(languageButton(l, "DE"), Qt::LeftButton);
    EXPECT_EQ(l.fLabel755->text(), "Vorname");
    EXPECT_EQ(l.lang, 3);
    EXPECT_FALSE(l.fTextButton758->isEnabled());
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, OnlyTheGeometryMissingGivesOneBox) {
    RunDirectory run(true);
    run.remove("share/VexelLumora/vexelfull.gdml");
    launcher l;
    EXPECT_EQ(messageTexts(), QStringList{"Error: The Vexel geometry is missing! You cannot "
                                          "continue with the exercise."});
    QTest::mouseClick(languageButton(l, "EN"), Qt::LeftButton);
    EXPECT_FALSE(l.fTextButton758->isEnabled());
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, LanguageButtonsSetTextsAndTheLastOneWins) {
    RunDirectory run(true);
    launcher l;
    QTest::mouseClick(languageButton(l, "FR"), Qt::LeftButton);
    EXPECT_EQ(l.lang, 2);
    EXPECT_TRUE(l.fTextButton758->isEnabled());
    EXPECT_EQ(l.fTextButton758->text(), "Enregistrer l'exercice");
    EXPECT_EQ(l.fGroupFrame751->title(), "Entrez vos coordonnees");
    QTest::mouseClick(languageButton(l, "FR"), Qt::LeftButton);
    QTest::mouseClick(languageButton(l, "RO"), Qt::LeftButton);
    EXPECT_EQ(l.lang, 5);
    EXPECT_EQ(l.fLabel755->text(), "Prenume");
    EXPECT_EQ(l.fLabel756->text(), "Nume");
    EXPECT_EQ(l.fLabel757->text(), "Clasa");
    EXPECT_EQ(l.fTextButton782->text(), "Info");
    EXPECT_EQ(l.fTextButton783->text(), "Iesire");
    EXPECT_EQ(l.fGroupFrame745->title(), "Limbi");
    EXPECT_TRUE(l.fTextButton758->isEnabled());
    // Texts that stay as built in every language.
    EXPECT_EQ(l.fGroupFrame781->title(), "Exit");
    EXPECT_EQ(languageButton(l, "RO")->text(), "RO");
    QTest::mouseClick(languageButton(l, "EN"), Qt::LeftButton);
    EXPECT_EQ(l.fTextButton758->text(), "Save");
    EXPECT_EQ(l.lang, 1);
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, SaveStoresTheIdentityOnceAndRefusesIncompleteDetails) {
    RunDirectory run(true);
    launcher l;
    QTest::mouseClick(languageButton(l, "EN"), Qt::LeftButton);
    QTest::keyClicks(l.fTextEntry752, "Ann");
    QTest::keyClicks(l.fTextEntry753, "Lee");
    QTest::mouseClick(l.fTextButton758, Qt::LeftButton);
    EXPECT_EQ(messageTexts(), QStringList{"Error: Some fields are empty."});
    EXPECT_TRUE(l.user.empty());
    QTest::keyClicks(l.fTextEntry754, "3b");
    QTest::mouseClick(l.fTextButton758, Qt::LeftButton); // no combination yet
    EXPECT_EQ(vexel::test::messages().size(), 2u);
    EXPECT_TRUE(l.fTextButton758->isEnabled());
    EXPECT_FALSE(l.fPictureButton779->isEnabled());

    l.fComboBox759->setCurrentIndex(11);
    QTest::mouseClick(l.fTextButton758, Qt::LeftButton);
    EXPECT_EQ(vexel::test::messages().size(), 2u);
    EXPECT_EQ(l.user, "Ann_Lee_3b");
    EXPECT_EQ(l.h, 12);
    EXPECT_FALSE(l.fTextButton758->isEnabled());
    EXPECT_TRUE(l.fPictureButton779->isEnabled());
    EXPECT_FALSE(l.fPictureButton785->isEnabled());
    // A later language choice does not offer Save again.
    QTest::mouseClick(languageButton(l, "IT"), Qt::LeftButton);
    EXPECT_FALSE(l.fTextButton758->isEnabled());
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, OutputDirectoryIsValidatedAndKeptWhenRefused) {
    RunDirectory run(true);
    launcher l;
    auto* ok = l.fTextEntry1141->parentWidget()->findChildren<QPushButton*>().value(0);
    ASSERT_NE(ok, nullptr);
    ASSERT_EQ(ok->text(), "OK");
    auto set = [&](const QString& text) {
        l.fTextEntry1141->setText(text);
        QTest::mouseClick(ok, Qt::LeftButton);
    };
    QDir(run.path()).mkpath("results");
    QDir(run.path()).mkpath("other");
    set("results");
    EXPECT_EQ(l.pathSave1, "results/");
    set("other/");
    EXPECT_EQ(l.pathSave1, "other/");
    set("x");
    EXPECT_EQ(l.pathSave1, "other/");
    set("");
    set("/");
    EXPECT_EQ(l.pathSave1, "other/");
    ASSERT_EQ(vexel::test::messages().size(), 3u);
    EXPECT_EQ(vexel::test::messages()[0].text, "The path isn't valid. Please try again.");
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, OutputDirectoryIsExpandedAndMustBeAWritableFolder) {
    RunDirectory run(true);
    const QByteArray home = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(run.path()));
    QDir(run.path()).mkpath("results");
    launcher l;
    auto* ok = l.fTextEntry1141->parentWidget()->findChildren<QPushButton*>().value(0);
    auto set = [&](const QString& text) {
        l.fTextEntry1141->setText(text);
        QTest::mouseClick(ok, Qt::LeftButton);
    };
    set("~/results");
    EXPECT_EQ(l.pathSave1, run.path() + "/results/");
    EXPECT_TRUE(vexel::test::messages().empty());

    // Refused at OK, in the student's language; the folder in force stays.
    QTest::mouseClick(languageButton(l, "DE"), Qt::LeftButton);
    set("~/missing/deeper");
    set("/proc/self/");
    EXPECT_EQ(l.pathSave1, run.path() + "/results/");
    ASSERT_EQ(vexel::test::messages().size(), 2u);
    EXPECT_EQ(vexel::test::messages()[0].text,
              LauncherTexts::forLanguage(3).folderMissing.arg(run.path() + "/missing/deeper/"));
    EXPECT_EQ(vexel::test::messages()[1].text,
              LauncherTexts::forLanguage(3).folderNotWritable.arg("/proc/self/"));
    EXPECT_TRUE(vexel::test::messages()[0].text.startsWith("Der Ordner"));
    qputenv("HOME", home);
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, TabMovesTheFocusDownTheDetails) {
    RunDirectory run(true);
    launcher l;
    l.fMainFrame990->activateWindow();
    QApplication::setActiveWindow(l.fMainFrame990);
    l.fTextEntry752->setFocus();
    QTest::keyClick(l.fTextEntry752, Qt::Key_Tab);
    EXPECT_TRUE(l.fTextEntry753->hasFocus());
    QTest::keyClick(l.fTextEntry753, Qt::Key_Tab);
    EXPECT_TRUE(l.fTextEntry754->hasFocus());
    QTest::keyClick(l.fTextEntry754, Qt::Key_Tab);
    EXPECT_TRUE(l.fTextEntry1141->hasFocus());
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, AboutAndExit) {
    RunDirectory run(true);
    launcher l;
    QTest::mouseClick(l.fTextButton782, Qt::LeftButton);
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "About");
    EXPECT_FALSE(vexel::test::messages()[0].text.isEmpty());
    QTest::mouseClick(languageButton(l, "IT"), Qt::LeftButton);
    QTest::mouseClick(l.fTextButton782, Qt::LeftButton);
    ASSERT_EQ(vexel::test::messages().size(), 2u);
    EXPECT_EQ(vexel::test::messages()[1].title, "About");
    EXPECT_TRUE(
        vexel::test::messages()[1].text.startsWith(LauncherTexts::forLanguage(4).aboutText));
    EXPECT_NE(vexel::test::messages()[1].text, vexel::test::messages()[0].text);
    QTest::mouseClick(l.fTextButton783, Qt::LeftButton);
    EXPECT_FALSE(l.fMainFrame990->isVisible());
}

TEST_F(LauncherTest, AboutOpensTheTeachersGuideOrSaysWhereItBelongs) {
    RunDirectory run(true);
    launcher l;
    for (const char* code : {"EN", "IT"}) {
        QTest::mouseClick(languageButton(l, code), Qt::LeftButton);
        const LauncherTexts texts = LauncherTexts::forLanguage(QString(code) == "EN" ? 1 : 4);
        auto missing = l.makeAboutBox(std::nullopt);
        EXPECT_EQ(missing->findChild<QPushButton*>("openGuide"), nullptr);
        EXPECT_EQ(missing->text(),
                  texts.aboutText + "\n\n" +
                      texts.guideMissing.arg(QString::fromStdString(DataFiles::guideFolder())));
        EXPECT_TRUE(missing->text().contains("/share/doc/vexel-lumora/guide/"));
        missing->show();
        vexel::test::saveScreenshot(missing.get(), QString("about_no_guide_") + code);

        auto found = l.makeAboutBox(std::string("guide-en.html"));
        QPushButton* open = found->findChild<QPushButton*>("openGuide");
        ASSERT_NE(open, nullptr);
        EXPECT_EQ(open->text(), texts.openGuide);
        EXPECT_EQ(found->text(), texts.aboutText);
        found->show();
        vexel::test::saveScreenshot(found.get(), QString("about_guide_") + code);
    }
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, ButtonAvailabilityOperations) {
    RunDirectory run(true);
    launcher l;
    l.enable2();
    EXPECT_TRUE(l.fPictureButton779->isEnabled());
    l.enableII();
    EXPECT_TRUE(l.fPictureButton785->isEnabled());
    EXPECT_FALSE(l.fPictureButton779->isEnabled());
    l.disableAll();
    EXPECT_FALSE(l.fTextButton758->isEnabled());
    EXPECT_FALSE(l.fPictureButton785->isEnabled());
    l.start = 1;
    l.enable1();
    EXPECT_FALSE(l.fTextButton758->isEnabled());
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, MissingCandidateFileIsReportedAndTheD0ButtonStaysUsable) {
    RunDirectory run(true);
    if (QFile::exists("/usr/local/share/VexelLumora/LumoraData_2012.root"))
        GTEST_SKIP() << "a system-wide candidate file is installed";
    launcher l;
    l.enableII();
    TVSDReader* before = gVSDReader;
    QTest::mouseClick(l.fPictureButton785, Qt::LeftButton);
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "Error");
    EXPECT_EQ(vexel::test::messages()[0].text,
              "Cannot open file /usr/local/share/VexelLumora/LumoraData_2012.root\n"
              "The file does not exist.");
    EXPECT_EQ(gVSDReader, before);
    EXPECT_TRUE(l.fPictureButton785->isEnabled());
    l.fMainFrame990->hide();
}

TEST(MissingDataFile, NamesThePath) {
    MissingDataFile e("some/where.root");
    EXPECT_STREQ(e.what(), "Cannot open file some/where.root");
    EXPECT_EQ(e.path(), "some/where.root");
}

TEST_F(LauncherTest, ScreenshotsInEveryLanguage) {
    RunDirectory run(true);
    launcher l;
    const char* codes[] = {"EN", "FR", "DE", "IT", "RO"};
    for (const char* code : codes) {
        QTest::mouseClick(languageButton(l, code), Qt::LeftButton);
        QApplication::processEvents();
        const QString path =
            vexel::test::saveScreenshot(l.fMainFrame990, QString("launcher_") + code);
        EXPECT_FALSE(QImage(path).isNull()) << path.toStdString();
    }
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, EventDisplayHandsBackToTheLauncherWhenLeft) {
    RunDirectory run(true);
    launcher l;
    vexel::test::enterStudent(l, "EN", 0);
    QTest::mouseClick(l.fPictureButton779, Qt::LeftButton);
    EXPECT_FALSE(l.fPictureButton779->isEnabled());
    EXPECT_FALSE(l.fPictureButton785->isEnabled());

    QPushButton* moveOn = vexel::test::buttonWithText("Move on to D0 Exercise", nullptr, false);
    ASSERT_NE(moveOn, nullptr);
    QWidget* window = moveOn->window();
    QTest::mouseClick(moveOn, Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(l.fPictureButton785->isEnabled());
    EXPECT_FALSE(l.fPictureButton779->isEnabled());
    EXPECT_TRUE(vexel::test::connectionWarnings().isEmpty())
        << vexel::test::connectionWarnings().join("\n").toStdString();
    l.fMainFrame990->hide();
}

TEST_F(LauncherTest, ACandidateFileThatIsNotARootFileIsReportedAsUnusable) {
    RunDirectory run(true);
    run.touch("share/VexelLumora/LumoraData_2012.root");
    launcher l;
    l.enableII();
    QTest::mouseClick(l.fPictureButton785, Qt::LeftButton);
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].text,
              "Cannot open file share/VexelLumora/LumoraData_2012.root\n"
              "The file is not a ROOT file, or it is damaged.");
    EXPECT_TRUE(l.fPictureButton785->isEnabled());
    // In the student's language, with the reason.
    vexel::test::clearMessages();
    l.lang = 2;
    QTest::mouseClick(l.fPictureButton785, Qt::LeftButton);
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_EQ(vexel::test::messages()[0].title, "Erreur");
    EXPECT_EQ(vexel::test::messages()[0].text,
              QString::fromUtf8("Impossible d'ouvrir le fichier "
                                "share/VexelLumora/LumoraData_2012.root\n"
                                "Ce n'est pas un fichier ROOT, ou il est endommagé."));
    l.fMainFrame990->hide();
}
