// No text of any window is cut, in any language, at the desktop scale the suite runs at
// (ctest runs it at QT_SCALE_FACTOR 1, 1.5 and 2).
#include "Browser.h"
#include "ClippedText.h"
#include "D0ExerciseTexts.h"
#include "DataFiles.h"
#include "Frame.h"
#include "FrameTexts.h"
#include "GuiTestSupport.h"
#include "HelpTextDialog.h"
#include "Languages.h"
#include "Messages.h"
#include "Vexel_D0_Exercise.h"
#include "launcher.h"

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

const char* const kSlots[] = {"EN", "FR", "DE", "IT", "RO"};

// The numbers of every installed language: the five and those beyond.
std::vector<int> installedNumbers() {
    std::vector<int> numbers;
    for (const vexel::Language& language : vexel::Languages::installed().all())
        numbers.push_back(language.number());
    return numbers;
}

void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

QString scaleName() {
    return QString::number(qApp->devicePixelRatio()).replace('.', '_');
}

// Each language of a window, the five through their slots called by name, the others by
// `further`, then what it shows checked.
void expectFitsInEveryLanguage(QObject* owner, QWidget* window, const QString& what,
                               const std::function<void(int)>& further) {
    for (const int number : installedNumbers()) {
        const std::string language =
            number <= 5 ? kSlots[number - 1]
                        : vexel::Languages::installed().byNumber(number).buttonText().toStdString();
        if (number <= 5)
            ASSERT_TRUE(QMetaObject::invokeMethod(owner, kSlots[number - 1])) << language;
        else
            further(number);
        settle();
        const QStringList faults = vexel::test::clippedTexts(window);
        EXPECT_TRUE(faults.isEmpty())
            << what.toStdString() << " in " << language << " at " << qApp->devicePixelRatio()
            << "x:\n  " << faults.join("\n  ").toStdString();
    }
}

// The window lies within the screen's free area (no window manager: its frame is itself).
void expectOnScreen(const QWidget* window) {
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(window->frameGeometry()))
        << window->windowTitle().toStdString() << " at " << qApp->devicePixelRatio()
        << "x: " << window->frameGeometry().width() << "x" << window->frameGeometry().height()
        << "+" << window->x() << "+" << window->y() << " on " << screen.width() << "x"
        << screen.height();
}

void closeHelpDialogs() {
    vexel::test::closeDialogs();
    settle();
}

} // namespace

// The check itself finds a cut text, a cut title and a widget outside its group.
TEST(LayoutFitTest, CheckFindsCutTexts) {
    QWidget window;
    auto* group = new QGroupBox("A title much longer than its group", &window);
    group->setGeometry(0, 0, 60, 60);
    auto* button = new QPushButton("Enregistrer l'exercice", group);
    button->setGeometry(4, 20, 50, 24);
    auto* outside = new QPushButton("OK", group);
    outside->setGeometry(40, 20, 50, 24);
    window.show();
    settle();
    const QStringList faults = vexel::test::clippedTexts(&window);
    EXPECT_EQ(faults.size(), 3) << faults.join("\n").toStdString();
    group->setTitle("A");
    group->setGeometry(0, 0, 300, 60);
    button->setGeometry(4, 20, 200, 24);
    outside->setGeometry(210, 20, 50, 24);
    EXPECT_TRUE(vexel::test::clippedTexts(&window).isEmpty())
        << vexel::test::clippedTexts(&window).join("\n").toStdString();
}

TEST(LayoutFitTest, LauncherFitsInEveryLanguage) {
    launcher l;
    settle();
    expectFitsInEveryLanguage(&l, l.fMainFrame990, "launcher",
                              [&l](int number) { l.useLanguage(number); });
    expectOnScreen(l.fMainFrame990);
    vexel::test::saveScreenshot(l.fMainFrame990, "layout-launcher-" + scaleName());
    l.fMainFrame990->hide();
}

TEST(LayoutFitTest, EventDisplayPanelAndHelpFitInEveryLanguage) {
    if (!QFile::exists(QString::fromStdString(DataFiles::eventFile(1))))
        GTEST_SKIP() << "no generated event files in the run directory";
    Frame frame(1, "Ann_Lee_3b", "", 1, nullptr);
    settle();
    frame.Help();
    settle();
    // A language beyond the five is the window's from the start.
    std::unique_ptr<Frame> other;
    expectFitsInEveryLanguage(&frame, frame.browser(), "event display", [&](int number) {
        frame.browser()->hide();
        other = std::make_unique<Frame>(number, "Ann_Lee_3b", "", 1, nullptr);
        settle();
        other->Help();
        settle();
        const QStringList faults = vexel::test::clippedTexts(other->browser());
        EXPECT_TRUE(faults.isEmpty())
            << "event display in " << number << " at " << qApp->devicePixelRatio() << "x:\n  "
            << faults.join("\n  ").toStdString();
        vexel::test::saveScreenshot(
            other->browser(), QString("layout-eventdisplay-%1-%2").arg(number).arg(scaleName()));
        other->browser()->hide();
    });
    expectOnScreen(frame.browser());
    vexel::test::saveScreenshot(frame.browser(), "layout-eventdisplay-" + scaleName());
    frame.browser()->hide();
}

TEST(LayoutFitTest, D0WindowAndHelpTextsFitInEveryLanguage) {
    if (!QFile::exists(QString::fromStdString(DataFiles::candidates())))
        GTEST_SKIP() << "no generated candidate file in the run directory";
    for (const int lang : installedNumbers()) {
        Vexel_D0_Exercise(lang, "", 2, 2, 1, "", "");
        settle();
        QWidget* window = vexel::test::d0ExerciseWindow();
        ASSERT_NE(window, nullptr);
        ASSERT_TRUE(vexel::test::click(
            vexel::test::buttonWithText(D0ExerciseTexts::forLanguage(lang).read_inst, window)));
        ASSERT_TRUE(vexel::test::click(window->findChild<QPushButton*>("VexelLogo")));
        settle();
        QList<QWidget*> windows{vexel::test::d0ExerciseWindow()};
        for (auto* d : vexel::HelpTextDialog::openDialogs())
            windows << d;
        for (QWidget* w : windows) {
            expectOnScreen(w);
            const QStringList faults = vexel::test::clippedTexts(w);
            EXPECT_TRUE(faults.isEmpty())
                << w->windowTitle().toStdString() << " in language " << lang << " at "
                << qApp->devicePixelRatio() << "x:\n  " << faults.join("\n  ").toStdString();
        }
        if (lang == 3 || lang == 6)
            vexel::test::saveScreenshot(vexel::test::d0ExerciseWindow(),
                                        QString("layout-d0-%1-").arg(lang) + scaleName());
        closeHelpDialogs();
    }
    vexel::test::d0ExerciseWindow()->hide();
}

TEST(LayoutFitTest, MessageBoxesFitInEveryLanguage) {
    for (const int lang : installedNumbers()) {
        const FrameMessageTexts f = frameMessageTexts(lang);
        const D0ExerciseTexts d = D0ExerciseTexts::forLanguage(lang);
        for (const QString& text :
             {f.e1, f.e2, f.h1, f.e3, f.e4, f.h2, f.h3_b, d.i1, d.i2, d.i3, d.i4, d.i5, d.i6}) {
            auto box = vexel::makeMessageBox(f.h3_a, text);
            box->show();
            settle();
            const QStringList faults = vexel::test::clippedTexts(box.get());
            EXPECT_TRUE(faults.isEmpty())
                << "message in language " << lang << " at " << qApp->devicePixelRatio() << "x:\n  "
                << faults.join("\n  ").toStdString();
        }
    }
}
