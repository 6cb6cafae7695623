#include "ClassResultsWindow.h"
#include "ClassFolderMaker.h"
#include "GuiTestSupport.h"
#include "TemporaryFolder.h"

#include "rootio/FileReader.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <numeric>

namespace fs = std::filesystem;

namespace {

// The window updates within about a second (see the benchmark); a busy machine gets longer.
constexpr int kPatience = 10000;

// Processes events until `done` holds or `ms` have passed.
bool waitUntil(const std::function<bool()>& done, int ms) {
    QElapsedTimer t;
    t.start();
    while (!done() && t.elapsed() < ms)
        QTest::qWait(20);
    return done();
}

double shownEntries(ClassResultsPlot* plot) {
    const auto bins = plot->shownTotal();
    return std::accumulate(bins.begin(), bins.end(), 0.0);
}

} // namespace

TEST(ClassResultsWindow, FollowsTheFolderWhileStudentsSave) {
    const vexel::test::TemporaryFolder rootFolder("vexel-class-window");
    const std::filesystem::path root = rootFolder.path();
    auto students = classtest::testClass();
    for (int i = 10; i < 13; ++i)
        classtest::writeStudentWork(root, students[i]);

    ClassResultsWindow w;
    w.setFolder(QString::fromStdString(root.string()));
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    EXPECT_EQ(w.studentsTable()->rowCount(), 3);
    EXPECT_EQ(w.unusedTable()->rowCount(), 0);
    const double before = shownEntries(w.plot());
    EXPECT_EQ(before, w.summary().totalEntries());
    EXPECT_EQ(w.plot()->shownLifetimePoints(), 0u);

    // Students save: a new student with lifetimes (in a new subfolder), and a bad file.
    students[0].subfolder = "late/arrivals";
    classtest::writeStudentWork(root, students[0]);
    std::ofstream(root / "MassHistogram_99_Not_Root_9.root") << "text\n";
    EXPECT_TRUE(waitUntil([&] { return w.studentsTable()->rowCount() == 4; }, kPatience));
    EXPECT_TRUE(waitUntil([&] { return w.unusedTable()->rowCount() == 1; }, kPatience));
    EXPECT_EQ(shownEntries(w.plot()), before + students[0].masses.size());
    EXPECT_EQ(w.plot()->shownLifetimePoints(), 3u); // the class at three IP cuts
    EXPECT_EQ(w.lifetimesTable()->rowCount(), 4);   // three IP cuts, one PT cut
    EXPECT_EQ(w.combinationsLabel()->text(), "Combinations used: 1, 71, 78, 85");
    vexel::test::saveScreenshot(&w, "class_results_growing");

    // A student in the new subfolder saves again; then a file is removed.
    students[0].masses.resize(5);
    classtest::writeStudentWork(root, students[0]);
    EXPECT_TRUE(waitUntil([&] { return shownEntries(w.plot()) == before + 5; }, kPatience));
    fs::remove(root / "MassHistogram_99_Not_Root_9.root");
    fs::remove(root / "MassHistogram_71_Ana_Student10_11.root");
    EXPECT_TRUE(waitUntil([&] { return w.studentsTable()->rowCount() == 3; }, kPatience));
    EXPECT_EQ(w.unusedTable()->rowCount(), 0);
    EXPECT_EQ(shownEntries(w.plot()), before + 5 - students[10].masses.size());

    // Exports: plots as PNG and PDF, the class as ROOT, the table as CSV.
    const vexel::test::TemporaryFolder outFolder("vexel-class-window-export");
    const std::filesystem::path out = outFolder.path();
    for (const char* name : {"plots.png", "plots.pdf", "plots.root", "table.csv"}) {
        const QString path = QString::fromStdString((out / name).string());
        QString error;
        const bool ok = QString(name).endsWith(".csv") ? w.exportTable(path, &error)
                                                       : w.exportPlots(path, &error);
        EXPECT_TRUE(ok) << name << ": " << error.toStdString();
        EXPECT_GT(fs::file_size(out / name), 100u) << name;
    }
    EXPECT_EQ(rootio::FileReader((out / "plots.root").string()).readHistogram("classMass").entries,
              w.summary().totalEntries());
    QString error;
    EXPECT_FALSE(w.exportTable(QString::fromStdString((out / "missing/t.csv").string()), &error));
    EXPECT_FALSE(error.isEmpty());

    // Every language, switched like the launcher; Spanish from its catalogue.
    const std::pair<const char*, const char*> languages[] = {{"FR", "Élèves"},  {"DE", "Schüler"},
                                                             {"RO", "Elevi"},   {"IT", "Studenti"},
                                                             {"ES", "Alumnos"}, {"EN", "Students"}};
    for (const auto& [code, studentsTab] : languages) {
        auto* button = w.findChild<QPushButton*>(code);
        ASSERT_TRUE(button) << code;
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(w.findChild<QTabWidget*>()->tabText(1), QString::fromUtf8(studentsTab));
        EXPECT_EQ(w.studentsTable()->rowCount(), 3);
        QTest::qWait(50); // let the layout follow the new texts
        vexel::test::saveScreenshot(&w, QString("class_results_") + code);
    }
    fs::remove_all(out);
    fs::remove_all(root);
}
