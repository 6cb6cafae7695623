// A lesson day: three classes in three folders, students saving from their own processes
// while the teacher's window watches, one pair on the same combination, a damaged export.
// The class exports and the window's total are left in $VEXEL_LESSON_DAY_OUT for the JSROOT
// check (check_lesson_day.mjs), which sums the students' histograms itself.
#include "ClassResultsWindow.h"
#include "GuiTestSupport.h"
#include "HandoutDialog.h"
#include "TemporaryFolder.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <numeric>

namespace fs = std::filesystem;

namespace {

bool waitUntil(const std::function<bool()>& done, int ms = 15000) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QTest::qWait(20);
    return done();
}

void saveFromProcess(const fs::path& folder, const std::string& identity, int combination,
                     int seed) {
    QProcess p;
    p.start(VEXEL_STUDENT_WRITER,
            {QString::fromStdString(folder.string()), QString::fromStdString(identity),
             QString::number(combination), QString::number(seed)});
    ASSERT_TRUE(p.waitForFinished(20000));
    ASSERT_EQ(p.exitCode(), 0);
}

// The layout faults of the plots at one window size, with a screenshot to look at.
void lookAt(QWidget* w, ClassResultsPlot* plot, QSize size, const QString& name) {
    w->resize(size);
    QTest::qWait(100);
    EXPECT_EQ(plot->layoutProblems().join("; ").toStdString(), "") << name.toStdString();
    vexel::test::saveScreenshot(w, name);
}

} // namespace

TEST(LessonDay, ThreeClassesWatchedExportedAndShownOnTheProjector) {
    const char* out = std::getenv("VEXEL_LESSON_DAY_OUT");
    const vexel::test::TemporaryFolder scratch("vexel-lesson-day-window");
    const fs::path dir = scratch.path(), exports = out ? fs::path(out) : dir / "exports";
    fs::remove_all(exports);
    fs::create_directories(exports);
    const char* classes[] = {"A", "B", "C"};
    ClassResultsWindow w;
    for (int c = 0; c < 3; ++c) {
        fs::create_directories(dir / classes[c]);
        w.addFolder(QString::fromStdString((dir / classes[c]).string()));
        w.setLabel(c, {"School", std::string("9") + classes[c], "2026-03-12"});
    }
    // A damaged export given by a colleague.
    std::ofstream(dir / "colleague.root") << "root" << std::string(300, '\0');
    w.addExport(QString::fromStdString((dir / "colleague.root").string()));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));

    // Students save while the window watches; the last of class B took class A's first
    // combination.
    const int combinations[3][3] = {{5, 40, 75}, {110, 145, 5}, {20, 60, 100}};
    int seed = 1;
    for (int c = 0; c < 3; ++c)
        for (int s = 0; s < 3; ++s)
            saveFromProcess(dir / classes[c],
                            "Student" + std::to_string(seed) + "_" + classes[c] + "_9",
                            combinations[c][s], seed),
                ++seed;
    ASSERT_TRUE(waitUntil([&] { return w.studentsTable()->rowCount() == 9; }));
    ASSERT_EQ(w.day().classes.size(), 3u);
    EXPECT_EQ(w.day().total.combinationsTwice, std::set<int>{5});
    EXPECT_NE(w.combinationsLabel()->text().indexOf("5"), -1);
    EXPECT_EQ(w.unusedTable()->rowCount(), 1);
    EXPECT_EQ(w.unusedTable()->item(0, 1)->text(), "truncated or damaged");
    const double once = w.summary().totalEntries();
    const double classB = w.day().classes[1].summary.totalEntries();
    EXPECT_LT(once, w.day().classes[0].summary.totalEntries() + classB +
                        w.day().classes[2].summary.totalEntries());
    EXPECT_NE(w.ruleLabel()->text().indexOf("counts once"), -1);
    w.findChild<QCheckBox*>("countEveryFile")->click();
    EXPECT_NE(w.ruleLabel()->text().indexOf("every file counts"), -1);
    EXPECT_GT(w.summary().totalEntries(), once);
    w.findChild<QCheckBox*>("countEveryFile")->click();
    const auto bins = w.plot()->shownTotal();
    EXPECT_EQ(std::accumulate(bins.begin(), bins.end(), 0.0), once);
    EXPECT_EQ(w.plot()->shownClassCurves(), 3);

    // Each class exported under its label; the total left for JSROOT.
    for (int c = 0; c < 3; ++c) {
        QString error;
        EXPECT_TRUE(
            w.exportClass(c, w.exportPathFor(c, QString::fromStdString(exports.string())), &error))
            << error.toStdString();
    }
    EXPECT_TRUE(fs::exists(exports / "School_9B_2026-03-12.root"));
    {
        std::ofstream json(exports / "total.json");
        json << "{\"entries\":" << once << ",\"contents\":[";
        for (std::size_t i = 0; i < bins.size(); ++i)
            json << (i ? "," : "") << bins[i];
        json << "]}\n";
    }

    {
        ClassResultsWindow later; // a class's label is remembered
        later.addFolder(QString::fromStdString((dir / "A").string()));
        EXPECT_EQ(later.day().classes.at(0).name, "School, 9A, 2026-03-12");
    }
    // The exports alone give the same total as the folders.
    ClassResultsWindow fromExports;
    for (int c = 0; c < 3; ++c)
        fromExports.addExport(w.exportPathFor(c, QString::fromStdString(exports.string())));
    EXPECT_EQ(fromExports.summary().totalEntries(), once);
    EXPECT_EQ(fromExports.plot()->shownTotal(), bins);

    // Data sets handed out: none of those analysed today; the sheet's text read back.
    HandoutDialog* handout = w.openHandout();
    handout->assignNames("Ana\nIon\nMara\n");
    ASSERT_EQ(handout->handout().lines.size(), 3u);
    for (const auto& l : handout->handout().lines)
        EXPECT_FALSE(w.day().total.combinationsUsed.count(l.combination));
    handout->show();
    vexel::test::saveScreenshot(handout, "lesson_day_handout");
    const QString pdf = QString::fromStdString((exports / "sheet.pdf").string());
    ASSERT_TRUE(handout->saveSheet(pdf));
    QProcess gs;
    gs.start("gs", {"-q", "-dNOPAUSE", "-dBATCH", "-sDEVICE=txtwrite", "-sOutputFile=-", pdf});
    ASSERT_TRUE(gs.waitForFinished(30000));
    const QString text = QString::fromUtf8(gs.readAllStandardOutput()).simplified();
    EXPECT_NE(text.indexOf("Data sets: School, 9A, 2026-03-12"), -1) << text.toStdString();
    EXPECT_NE(text.indexOf(QString("Ion %1").arg(handout->handout().lines[1].combination)), -1)
        << text.toStdString();
    for (const auto& entry : std::filesystem::directory_iterator(exports))
        EXPECT_NE(entry.path().filename().string().rfind(".vx", 0), 0u) << entry.path();
    handout->assignNames("Ana\nAna\n");
    EXPECT_NE(handout->message().indexOf("more than once: Ana"), -1);
    delete handout;

    // The window and the projector, at a laptop's and a full HD projector's size, in two
    // languages and Spanish: no text over the data, tick labels apart, the plots using their area.
    for (const char* language : {"EN", "FR", "ES"}) {
        QTest::mouseClick(w.findChild<QPushButton*>(language), Qt::LeftButton);
        for (QSize size : {QSize(1366, 768), QSize(1920, 1080)}) {
            const QString tag =
                QString("%1_%2x%3").arg(language).arg(size.width()).arg(size.height());
            lookAt(&w, w.plot(), size, "lesson_day_window_" + tag);
            w.openProjector();
            ASSERT_TRUE(w.projector());
            w.projector()->showNormal();
            lookAt(w.projector(), w.projector()->plot(), size, "lesson_day_projector_" + tag);
            EXPECT_GE(w.projector()->plot()->fontPixels(), size.height() >= 1080 ? 27 : 24);
            w.projector()->close();
            QTest::qWait(50);
        }
    }
}
