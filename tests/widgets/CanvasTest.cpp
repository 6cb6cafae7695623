#include "Canvas.h"
#include "Browser.h"
#include "CanvasPad.h"
#include "FileSizeLimit.h"
#include "GuiTestSupport.h"
#include "LatexText.h"
#include "analysis/Hist1D.h"
#include "rootio/FileReader.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTemporaryDir>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <qcustomplot.h>

namespace {

analysis::Hist1D peakHistogram() {
    analysis::Hist1D h("D0Mass", "D0Mass", 200, 1815, 1915);
    h.setAxisTitles("D^{0} Invariant Mass (MeV/c^{2})", "D^{0} Candidates/(0.5 MeV)");
    for (int i = 0; i < 4000; ++i)
        h.fill(1865 + 8 * std::sin(i * 0.37) * std::cos(i * 0.11));
    return h;
}

QByteArray head(const QString& path, int n) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.read(n);
}

} // namespace

TEST(LatexText, TranslatesTheLabelsOfThePlots) {
    using vexel::LatexText::toPlainText;
    using vexel::LatexText::toRichText;
    EXPECT_EQ(toRichText("D^{0} lifetime"), "D<sup>0</sup> lifetime");
    EXPECT_EQ(toRichText("#sigma: 1.2#pm0.1"), QString::fromUtf8("σ: 1.2±0.1"));
    EXPECT_EQ(toRichText("log_{10}(D^{0} IP)"), "log<sub>10</sub>(D<sup>0</sup> IP)");
    EXPECT_EQ(toRichText("P_{T} <c^{2}>"), "P<sub>T</sub> &lt;c<sup>2</sup>&gt;");
    EXPECT_EQ(toPlainText("D^{0} P_{T} (GeV/c^{2})"), QString::fromUtf8("D⁰ PT (GeV/c²)"));
    EXPECT_EQ(toPlainText("log_{10}( D^{0} IP [mm] )"), QString::fromUtf8("log₁₀( D⁰ IP [mm] )"));
    // A '#' that names no symbol and a lone '^' stay as they are.
    EXPECT_EQ(toPlainText("#nothing x^2"), "#nothing x^2");
}

TEST(CanvasPad, AxisRangesFollowWhatIsDrawn) {
    vexel::CanvasPad pad;
    EXPECT_FALSE(pad.xRange());
    EXPECT_FALSE(pad.yRange());

    // Points with errors: x with 5 % to spare, y from zero to 5 % above the highest error bar.
    rootio::Graph points;
    points.x = {1, 2, 3};
    points.y = {4, 10, 6};
    pad.addGraph(points, {1, 2, 1}, {});
    EXPECT_DOUBLE_EQ(pad.xRange()->min, 0.9);
    EXPECT_DOUBLE_EQ(pad.xRange()->max, 3.1);
    EXPECT_DOUBLE_EQ(pad.yRange()->min, 0.0);
    EXPECT_DOUBLE_EQ(pad.yRange()->max, 12.6);
    // A curve follows the ranges, it does not make them.
    rootio::Graph curve;
    curve.x = {-100, 100};
    curve.y = {-50, 500};
    pad.addCurve(curve, {});
    EXPECT_DOUBLE_EQ(pad.xRange()->min, 0.9);
    EXPECT_DOUBLE_EQ(pad.yRange()->max, 12.6);

    // The first histogram fixes x to its edges and the axis titles; y reaches below zero.
    pad.clear();
    rootio::Histogram1D h;
    h.nbins = 4;
    h.xmin = 0;
    h.xmax = 8;
    h.xTitle = "t";
    h.contents = {0, -2, 0, 8, 4, 0};
    pad.addHistogram(h, {});
    EXPECT_EQ(pad.xTitle(), "t");
    EXPECT_DOUBLE_EQ(pad.xRange()->max, 8.0);
    EXPECT_DOUBLE_EQ(pad.yRange()->min, -2.0);
    EXPECT_DOUBLE_EQ(pad.yRange()->max, 8.5);
    // As steps: the left edges and the right edge again.
    EXPECT_EQ(pad.points(0).x, (std::vector<double>{0, 2, 4, 6, 8}));
    pad.setYRange(1, 2);
    EXPECT_DOUBLE_EQ(pad.yRange()->max, 2.0);
}

TEST(CanvasPad, LogScaleLeavesOutWhatIsNotPositive) {
    vexel::CanvasPad pad;
    pad.setLogY(true);
    EXPECT_DOUBLE_EQ(pad.yRange()->min, 1e-3); // nothing drawn yet
    rootio::Histogram1D h;
    h.nbins = 4;
    h.xmin = 0;
    h.xmax = 4;
    h.contents = {0, 0, 0.5, -1, 40, 0};
    h.sumw2 = {0, 0, 0.01, 1, 4, 0};
    vexel::DrawStyle markers;
    markers.look = vexel::DrawStyle::Look::Markers;
    pad.addHistogram(h, markers);
    // Markers: the empty and the negative bin are not drawn.
    const auto points = pad.points(0);
    EXPECT_EQ(points.x, (std::vector<double>{1.5, 3.5}));
    EXPECT_EQ(points.yErrors, (std::vector<double>{0.1, 2}));
    // From half the lowest positive point (less its error) to twice the highest (plus its).
    EXPECT_DOUBLE_EQ(pad.yRange()->min, 0.2);
    EXPECT_DOUBLE_EQ(pad.yRange()->max, 84.0);

    // Steps leave a gap where the content is not positive.
    pad.clear();
    pad.addHistogram(h, {});
    const auto steps = pad.points(0);
    ASSERT_EQ(steps.y.size(), 5u);
    EXPECT_TRUE(std::isnan(steps.y[0]) && std::isnan(steps.y[2]));
    EXPECT_DOUBLE_EQ(steps.y[3], 40.0);
    EXPECT_TRUE(pad.logY()); // clearing keeps the scale
    EXPECT_DOUBLE_EQ(pad.yRange()->min, 0.25);
    EXPECT_DOUBLE_EQ(pad.yRange()->max, 80.0);
}

TEST(Canvas, PadsKeepWhatIsDrawnOnThem) {
    vexel::Canvas canvas("c");
    canvas.resize(800, 600);
    canvas.divide(2, 2);
    EXPECT_EQ(canvas.padCount(), 4);
    EXPECT_EQ(canvas.currentPad(), 1);
    EXPECT_FALSE(canvas.cd(5));
    EXPECT_FALSE(canvas.cd(0));
    EXPECT_EQ(canvas.currentPad(), 1);

    const auto h = peakHistogram();
    canvas.drawHistogram(h);
    EXPECT_EQ(canvas.xTitle(), "D^{0} Invariant Mass (MeV/c^{2})");
    canvas.drawFunction(
        "fitPoly", [](double x) { return 0.1 * x - 150; }, 1815, 1915, Qt::red);
    canvas.drawText(0.15, 0.825, "Total: 10");
    ASSERT_TRUE(canvas.cd(3));
    canvas.setLogY(true);
    vexel::DrawStyle markers;
    markers.look = vexel::DrawStyle::Look::Markers;
    canvas.drawHistogram(*h.normalised(), markers);
    canvas.drawHistogram(*h.normalised(), markers, true);
    canvas.addLegend(0.575, 0.725, 0.875, 0.875, {{0, "Background"}, {1, "Signal"}});
    EXPECT_TRUE(canvas.logY());
    canvas.update();

    EXPECT_EQ(canvas.padHistograms(1).size(), 1u);
    EXPECT_EQ(canvas.padCurves(1).size(), 1u);
    EXPECT_EQ(canvas.padTexts(1), QStringList{"Total: 10"});
    EXPECT_EQ(canvas.padHistograms(3).size(), 2u);
    EXPECT_EQ(canvas.padLegendCount(3), 1);
    EXPECT_TRUE(canvas.padHistograms(2).empty());

    // Drawing without "same" replaces what the pad showed; the log scale stays.
    canvas.drawHistogram(h, markers);
    EXPECT_EQ(canvas.padHistograms(3).size(), 1u);
    EXPECT_EQ(canvas.padLegendCount(3), 0);
    EXPECT_TRUE(canvas.logY());

    canvas.clearPad(1);
    EXPECT_TRUE(canvas.padHistograms(1).empty());
    EXPECT_TRUE(canvas.padCurves(1).empty());
    EXPECT_TRUE(canvas.padTexts(1).isEmpty());
}

TEST(Canvas, SavesPicturesAndRootFiles) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    vexel::Canvas canvas("c");
    canvas.resize(700, 500);
    canvas.divide(2, 2);
    const auto h = peakHistogram();
    canvas.drawHistogram(h);
    canvas.drawFunction(
        "fitGaus", [](double x) { return std::exp(-(x - 1865) * (x - 1865) / 50); }, 1815, 1915,
        Qt::blue);
    canvas.cd(2);
    canvas.drawHistogram(h); // same name twice: stored under two keys
    canvas.update();

    QString error;
    ASSERT_TRUE(canvas.saveAs(dir.filePath("c.png"), &error)) << error.toStdString();
    EXPECT_FALSE(QImage(dir.filePath("c.png")).isNull());
    ASSERT_TRUE(canvas.saveAs(dir.filePath("c.pdf"), &error)) << error.toStdString();
    EXPECT_EQ(head(dir.filePath("c.pdf"), 5), "%PDF-");
    ASSERT_TRUE(canvas.saveAs(dir.filePath("c.eps"), &error)) << error.toStdString();
    EXPECT_TRUE(head(dir.filePath("c.eps"), 20).startsWith("%!PS-Adobe"));
    // Ghostscript renders the EPS without complaint.
    if (!QStandardPaths::findExecutable("gs").isEmpty()) {
        QProcess gs;
        gs.start("gs", {"-q", "-dSAFER", "-dNOPAUSE", "-dBATCH", "-sDEVICE=nullpage",
                        dir.filePath("c.eps")});
        ASSERT_TRUE(gs.waitForFinished(60000));
        EXPECT_EQ(gs.exitCode(), 0) << gs.readAllStandardError().toStdString();
    }
    ASSERT_TRUE(canvas.saveAs(dir.filePath("c.root"), &error)) << error.toStdString();

    rootio::FileReader file(dir.filePath("c.root").toStdString());
    const auto stored = file.readHistogram("D0Mass");
    EXPECT_EQ(stored.nbins, 200);
    EXPECT_DOUBLE_EQ(stored.entries, h.entries());
    for (int b = 0; b <= 201; ++b)
        EXPECT_DOUBLE_EQ(stored.contents[static_cast<std::size_t>(b)], h.binContent(b));
    EXPECT_EQ(file.className("D0Mass_pad2"), "TH1D");
    const auto curve = file.readGraph("fitGaus");
    ASSERT_EQ(curve.x.size(), 400u);
    EXPECT_NEAR(curve.y[200], std::exp(-std::pow(curve.x[200] - 1865, 2) / 50), 1e-12);

    // Failures are reported, never thrown.
    EXPECT_FALSE(canvas.saveAs(dir.filePath("missing/c.png"), &error));
    EXPECT_TRUE(error.contains("does not exist")) << error.toStdString();
    EXPECT_FALSE(canvas.saveAs(dir.filePath("missing/c.eps"), &error));
    EXPECT_FALSE(canvas.saveAs(dir.filePath("missing/c.root"), &error));
    EXPECT_FALSE(canvas.saveAs(dir.filePath("c.gif"), &error));
}

TEST(Canvas, AFailedSaveKeepsTheEarlierFileAndLongNamesSave) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    vexel::Canvas canvas("c");
    canvas.resize(700, 500);
    canvas.divide(2, 2);
    canvas.drawHistogram(peakHistogram());
    canvas.update();
    const QStringList extensions{".png", ".pdf", ".eps", ".root"};
    QString error;
    std::map<QString, QByteArray> before;
    for (const QString& extension : extensions) {
        const QString path = dir.filePath("c" + extension);
        ASSERT_TRUE(canvas.saveAs(path, &error)) << error.toStdString();
        before[extension] = head(path, 1 << 24);
    }
    // A full disk part-way through every file: each save fails, the earlier file stays whole.
    canvas.cd(2);
    canvas.drawHistogram(peakHistogram());
    canvas.update();
    {
        vexel::test::FileSizeLimit fullDisk(400);
        for (const QString& extension : extensions)
            EXPECT_FALSE(canvas.saveAs(dir.filePath("c" + extension), &error))
                << extension.toStdString();
    }
    for (const QString& extension : extensions)
        EXPECT_EQ(head(dir.filePath("c" + extension), 1 << 24), before[extension])
            << extension.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 4);

    // Names up to the 255 bytes a file name may have.
    const QString stem(250, QChar(0x61));
    for (const QString& extension : extensions)
        EXPECT_TRUE(canvas.saveAs(dir.filePath(stem + extension), &error)) << error.toStdString();
}

TEST(Canvas, EmptyPadsAreBlank) {
    vexel::Canvas canvas("c");
    canvas.divide(2, 1);
    for (QCPAxisRect* rect : canvas.plot()->axisRects())
        EXPECT_FALSE(rect->axis(QCPAxis::atBottom)->visible());
    canvas.cd(2);
    canvas.drawHistogram(peakHistogram());
    EXPECT_FALSE(canvas.plot()->axisRect(0)->axis(QCPAxis::atBottom)->visible());
    EXPECT_TRUE(canvas.plot()->axisRect(1)->axis(QCPAxis::atBottom)->visible());
    canvas.clearPad(2);
    EXPECT_FALSE(canvas.plot()->axisRect(1)->axis(QCPAxis::atBottom)->visible());
}

TEST(CanvasPad, StatisticsBoxCountsEveryFillButAveragesTheBinsInRange) {
    rootio::Histogram1D h;
    h.name = "hist";
    h.nbins = 4;
    h.xmin = 0;
    h.xmax = 4;
    h.contents = {5, 1, 0, 3, 0, 2}; // under- and overflow at the ends
    h.entries = 11;
    const auto rows = vexel::statisticsOf(h).rows();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], std::make_pair(QString("Entries"), QString("11")));
    EXPECT_EQ(rows[1], std::make_pair(QString("Mean"), QString("2")));
    EXPECT_EQ(rows[2], std::make_pair(QString("RMS"), QString("0.866")));
}
