#include "D0ExerciseTexts.h"
#include "DataFiles.h"
#include "GuiTestSupport.h"
#include "LauncherStudent.h"
#include "RangeSlider.h"
#include "Vexel_D0_Exercise.h"
#include "launcher.h"

#include "TabLineEdit.h"
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

bool isChild() {
    return qEnvironmentVariableIsSet("VEXEL_INSTALLED_CHILD");
}

QWidget* visibleWindow(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == name && w->isVisible())
            return w;
    return nullptr;
}

QString messageTexts() {
    return vexel::test::messageTexts().join("\n");
}

bool run(const QString& program, const QStringList& arguments, const QString& folder,
         const QProcessEnvironment& env, QString* output, int timeoutMs = 300000) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.setWorkingDirectory(folder);
    p.setProcessEnvironment(env);
    p.start(program, arguments);
    const bool finished = p.waitForFinished(timeoutMs);
    *output = QString::fromLocal8Bit(p.readAll());
    return finished && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

// Runs as a copy of this test placed beside the installed program (started by the test below):
// it finds the data exactly as the installed program does.
TEST(InstalledChild, BothExercisesOnTheInstalledData) {
    if (!isChild())
        GTEST_SKIP() << "started by InstalledProgram from an installed copy";
    const QString prefix = QDir(QCoreApplication::applicationDirPath() + "/..").canonicalPath();
    ASSERT_FALSE(QFile::exists(QString::fromStdString(DataFiles::detector())));
    ASSERT_EQ(QString::fromStdString(DataFiles::locate(DataFiles::detector())),
              prefix + "/share/VexelLumora/vexelfull.gdml");

    vexel::test::clearMessages();
    launcher l;
    EXPECT_TRUE(vexel::test::messages().empty()) << messageTexts().toStdString();
    vexel::test::enterStudent(l, "EN", 0);
    QTest::mouseClick(l.fPictureButton779, Qt::LeftButton);
    QWidget* events = visibleWindow("EventDisplayBrowser");
    ASSERT_NE(events, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(events));
    QTest::qWait(200);
    vexel::test::saveScreenshot(events, "installed_event_display");
    EXPECT_TRUE(vexel::test::messages().empty()) << messageTexts().toStdString();

    l.enableII();
    QTest::mouseClick(l.fPictureButton785, Qt::LeftButton);
    ASSERT_NE(gVSDReader, nullptr) << messageTexts().toStdString();
    QWidget* analysis = visibleWindow("D0ExerciseBrowser");
    ASSERT_NE(analysis, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(analysis));
    vexel::test::saveScreenshot(analysis, "installed_d0_exercise");
    EXPECT_TRUE(vexel::test::messages().empty()) << messageTexts().toStdString();

    // No output directory and a working directory that takes no files: the documents folder,
    // named once to the student.
    ASSERT_TRUE(QDir::setCurrent("/proc"));
    // Save Histogram is offered once a mass was added; an empty histogram saves the same way.
    auto* saveHistogram = events->findChild<QPushButton*>("fTextButton758");
    ASSERT_NE(saveHistogram, nullptr);
    saveHistogram->setEnabled(true);
    QTest::mouseClick(saveHistogram, Qt::LeftButton);
    const D0ExerciseTexts t = D0ExerciseTexts::forLanguage(1);
    ASSERT_TRUE(vexel::test::click(vexel::test::buttonWithText(t.sv_canv, analysis, false)));
    for (const QString& step :
         {t.plt_mass, t.fit_mass_dis, t.plt_distr, t.fit_sign, t.sv_res_fit}) {
        if (step == t.plt_distr) {
            vexel::RangeSlider* signalRange = vexel::test::rangeSlider(analysis, "Sig range:");
            ASSERT_NE(signalRange, nullptr);
            signalRange->setValues(1840, 1890);
        }
        QPushButton* button = vexel::test::buttonWithText(step, analysis, false);
        ASSERT_NE(button, nullptr) << qPrintable(step);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    const QString documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + "/VexelLumora/";
    EXPECT_TRUE(QFile::exists(documents + "MassHistogram_1_Ann_Lee_3b.root"));
    EXPECT_FALSE(QDir(documents).entryList({"*.png"}, QDir::Files | QDir::Hidden).isEmpty());
    EXPECT_TRUE(QFile::exists(documents + "D0Lifetime_1_Ann_Lee_3b.root"))
        << qPrintable(QDir(documents).entryList().join(" "));
    int told = 0;
    for (const auto& m : vexel::test::messages())
        told += m.text.contains(documents);
    EXPECT_EQ(told, 1) << messageTexts().toStdString();
}

// Installs into a temporary root (or takes the root the package check extracted), then runs
// the test above from an unrelated folder, and starts the installed program itself.
TEST(InstalledProgram, StartsFromAnyFolderOnTheInstalledData) {
    if (isChild())
        GTEST_SKIP();
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const QProcessEnvironment system = QProcessEnvironment::systemEnvironment();
    QString root = system.value("VEXEL_INSTALLED_ROOT");
    QString output;
    if (root.isEmpty()) {
        root = scratch.filePath("root");
        QProcessEnvironment env = system;
        env.insert("DESTDIR", root);
        ASSERT_TRUE(run("cmake", {"--install", VEXEL_BINARY_DIR, "--prefix", "/usr"},
                        scratch.path(), env, &output))
            << output.toStdString();
    }
    const QString bin = root + "/usr/bin/";
    ASSERT_TRUE(QFile::exists(bin + "Vexel_launcher"));
    const QString copy = bin + "install_gui_tests";
    QFile::remove(copy);
    ASSERT_TRUE(QFile::copy(QCoreApplication::applicationFilePath(), copy));
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const QString elsewhere = scratch.filePath("elsewhere");
    const QString home = scratch.filePath("home");
    QDir().mkpath(elsewhere);
    QDir().mkpath(home);
    QProcessEnvironment env = system;
    env.insert("HOME", home);
    env.remove("XDG_CONFIG_HOME");
    env.insert("VEXEL_INSTALLED_CHILD", "1");
    const bool passed = run(copy, {"--gtest_filter=InstalledChild.*"}, elsewhere, env, &output);
    QFile::remove(copy);
    EXPECT_TRUE(passed) << output.toStdString();
    EXPECT_TRUE(QFile::exists(home + "/Documents/VexelLumora/MassHistogram_1_Ann_Lee_3b.root"));
    EXPECT_TRUE(QDir(elsewhere).isEmpty());

    // The installed program itself comes up with its window and no error box.
    if (QStandardPaths::findExecutable("xdotool").isEmpty())
        GTEST_SKIP() << "xdotool is not installed";
    QProcess program;
    program.setWorkingDirectory(elsewhere);
    env.remove("VEXEL_INSTALLED_CHILD");
    program.setProcessEnvironment(env);
    program.start(bin + "Vexel_launcher", QStringList());
    ASSERT_TRUE(program.waitForStarted());
    const QString pid = QString::number(program.processId());
    auto windows = [&](const QString& name) {
        QString found;
        run("xdotool", {"search", "--all", "--pid", pid, "--name", name}, elsewhere, system, &found,
            10000);
        return found.trimmed();
    };
    QString launcherWindow;
    for (int i = 0; i < 100 && launcherWindow.isEmpty(); ++i) {
        QTest::qWait(100);
        launcherWindow = windows("^Vexel Lumora$");
    }
    EXPECT_FALSE(launcherWindow.isEmpty());
    EXPECT_TRUE(windows("^Error$").isEmpty());
    program.kill();
    program.waitForFinished();
}
