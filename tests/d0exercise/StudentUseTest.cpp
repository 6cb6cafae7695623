// The analysis window used the way a student does: numbers typed into the slider fields,
// handles dragged with the mouse, buttons clicked, the upper log10(IP) cut stepped down as
// the instructions ask, and the canvas saved; checked against the physics of the data.
#include "Browser.h"
#include "Canvas.h"
#include "D0ExerciseFixture.h"
#include "DataFiles.h"
#include "GuiTestSupport.h"
#include "HelpTextDialog.h"
#include "RangeSlider.h"
#include "Vexel_D0_Exercise.h"
#include "launcher.h"
#include "rootio/FileReader.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QScrollArea>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <gtest/gtest.h>

namespace {

vexel::Browser* window() {
    return vexel::test::d0ExerciseWindow();
}

// Clicks the visible button of the window showing text; false when there is none.
bool click(const QString& text) {
    return vexel::test::click(vexel::test::buttonWithText(text, window()));
}

// Clicks into the field, selects what it shows, types the text and presses Enter.
void typeInto(QLineEdit* field, const QString& text) {
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);
    QApplication::processEvents();
}

using vexel::test::closeDialogs;
using vexel::test::dialogTexts;

// What the X server shows of the analysis window.
QImage screenOfWindow(const QString& name) {
    QApplication::processEvents();
    QTest::qWait(50);
    const QRect frame = window()->frameGeometry();
    const QImage image = QGuiApplication::primaryScreen()
                             ->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height())
                             .toImage();
    image.save(QString(VEXEL_BINARY_DIR) + "/screenshots/" + name + ".png");
    return image;
}

class StudentUseTest : public D0ExerciseFixture {
protected:
    void SetUp() override {
        D0ExerciseFixture::SetUp();
        QDir().mkpath(QString(VEXEL_BINARY_DIR) + "/screenshots");
    }
    TVSDReader& start(int lang) {
        D0ExerciseFixture::start(lang);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window()));
        return *gVSDReader;
    }
};

} // namespace

TEST_F(StudentUseTest, TypedCutsGiveThePhysicsAndTheIPScanGivesATrend) {
    TVSDReader& r = start(1);

    // Typed values are taken, shown with the slider's decimals, and kept inside the limits.
    typeInto(r.fD0PTCut->minField(), "3");
    EXPECT_FLOAT_EQ(r.fD0PTCut->GetMin(), 3.0f);
    EXPECT_EQ(r.fD0PTCut->minField()->text(), "3.0");
    typeInto(r.fD0PTCut->maxField(), "25");
    EXPECT_FLOAT_EQ(r.fD0PTCut->GetMax(), 20.0f);
    EXPECT_EQ(r.fD0PTCut->maxField()->text(), "20.0");
    typeInto(r.fD0PTCut->minField(), "2.5");

    // A handle dragged with the mouse moves the lower edge of the cut.
    // Through the window, as the X server delivers it, so the move carries the held button.
    vexel::RangeBar* bar = r.fD0TAUCut->bar();
    QWindow* handle = window()->windowHandle();
    const int y = bar->height() / 2;
    const QPoint from = bar->mapTo(window(), QPoint(5, y));
    const QPoint to = bar->mapTo(window(), QPoint(bar->width() / 2, y));
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(handle, (from + to) / 2);
    QTest::mouseMove(handle, to);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, to);
    EXPECT_GT(r.fD0TAUCut->GetMin(), 4.0f);
    EXPECT_LT(r.fD0TAUCut->GetMin(), 6.5f);
    EXPECT_EQ(r.fD0TAUCut->minField()->text(),
              QString::number(double(r.fD0TAUCut->GetMin()), 'f', 2));
    typeInto(r.fD0TAUCut->minField(), "0.15");
    EXPECT_FLOAT_EQ(r.fD0TAUCut->GetMin(), 0.15f);

    ASSERT_TRUE(click("Plot D0 mass"));
    ASSERT_TRUE(click("Fit mass distribution"));
    ASSERT_TRUE(r.fittedMass());
    const auto& massFit = *r.fAnalysis->lastMassFit();
    const double mean = massFit.fit.parameters[1], sigma = massFit.fit.parameters[2];
    EXPECT_NEAR(mean, 1864.8, 1.0);
    EXPECT_NEAR(sigma, 7.5, 1.0);
    const QStringList lines = r.fPad->padTexts(1);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[3],
              QString("Mean: %1#pm%2").arg(mean, 0, 'f', 1).arg(massFit.fit.errors[1], 0, 'f', 1));

    // The signal window typed as mean +- 3 sigma, as the instructions say.
    const QString low = QString::number(mean - 3 * sigma, 'f', 1);
    const QString high = QString::number(mean + 3 * sigma, 'f', 1);
    typeInto(r.fFitRangeGaus->minField(), low);
    typeInto(r.fFitRangeGaus->maxField(), high);
    EXPECT_FLOAT_EQ(r.fFitRangeGaus->GetMin(), low.toFloat());
    EXPECT_FLOAT_EQ(r.fFitRangeGaus->GetMax(), high.toFloat());
    ASSERT_TRUE(click("Plot distributions"));
    ASSERT_TRUE(click("Fit signal decay time"));
    ASSERT_TRUE(dialogTexts().isEmpty()) << dialogTexts().join("\n").toStdString();
    ASSERT_TRUE(r.fittedTime());
    const double tau = TVSDReader::fieldValue(r.fFitResult);
    EXPECT_GT(tau, 0.40);
    EXPECT_LT(tau, 0.45);
    EXPECT_GT(TVSDReader::fieldValue(r.fFitErr), 0.0);
    EXPECT_LT(TVSDReader::fieldValue(r.fFitErr), 0.02);
    ASSERT_TRUE(click("Save result and fit"));

    // Step the upper log10(IP) edge from 1.5 down to -2, refitting and saving each time.
    std::vector<double> edges{1.5};
    for (int step = 1; step <= 18; ++step) {
        const double edge = std::max(-2.0, 1.5 - 0.2 * step);
        typeInto(r.fD0IPCut->maxField(), QString::number(edge, 'f', 1));
        ASSERT_FLOAT_EQ(r.fD0IPCut->GetMax(), float(edge));
        ASSERT_TRUE(click("Plot distributions"));
        ASSERT_TRUE(click("Fit signal decay time"));
        ASSERT_TRUE(click("Save result and fit"));
        ASSERT_TRUE(dialogTexts().isEmpty())
            << edge << ": " << dialogTexts().join("\n").toStdString();
        const double value = TVSDReader::fieldValue(r.fFitResult);
        EXPECT_TRUE(std::isfinite(value) && value > 0.2 && value < 0.7) << edge << " " << value;
        edges.push_back(double(r.fD0IPCut->GetMax()));
    }
    EXPECT_FLOAT_EQ(float(edges.back()), -2.0f);
    ASSERT_TRUE(click("Plot trend"));
    EXPECT_TRUE(dialogTexts().isEmpty()) << dialogTexts().join("\n").toStdString();
    ASSERT_TRUE(r.fTrendPad);
    const auto curves = r.fTrendPad->padCurves(1);
    ASSERT_EQ(curves.size(), 1u);
    ASSERT_EQ(curves[0].x.size(), edges.size());
    for (std::size_t k = 0; k < edges.size(); ++k)
        EXPECT_NEAR(curves[0].x[k], edges[k], 1e-6) << k;
    // Tighter impact-parameter cuts keep the prompt D0s: the lifetime does not shrink away.
    EXPECT_GT(curves[0].y.front(), 0.35);
    EXPECT_LT(curves[0].y.front(), 0.55);
    const QImage trend = screenOfWindow("student_trend_screen");
    EXPECT_FALSE(trend.isNull());
    EXPECT_TRUE(vexel::test::messages().empty());

    ASSERT_TRUE(click("Clear Trend"));
    EXPECT_TRUE(r.fTrendPad->padCurves(1).empty());
    ASSERT_TRUE(click("Reset Exercise"));
    EXPECT_FLOAT_EQ(r.fD0IPCut->GetMax(), 1.5f);
    EXPECT_EQ(r.fD0IPCut->maxField()->text(), "1.5");
    EXPECT_EQ(r.fFitRangeGaus->minField()->text(), "1815.0");
    EXPECT_EQ(r.fFitResult->text(), "0.0000");
}

namespace {

// Share of pixels of an image that are not near-white.
double inkFraction(const QImage& image) {
    if (image.isNull())
        return 0.0;
    long ink = 0, all = 0;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2, ++all)
            ink += qGray(image.pixel(x, y)) < 200;
    return all ? double(ink) / double(all) : 0.0;
}

// Runs a program; its standard output, or an empty string when it failed.
QString run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput()) + " ";
}

void keepScreenshot(const QString& path, const QString& name) {
    const QString target = QString(VEXEL_BINARY_DIR) + "/screenshots/" + name + ".png";
    QFile::remove(target);
    QFile::copy(path, target);
}

void expectFourGoodFiles(const QDir& dir, const QString& stem, bool withDistributions) {
    const QString root = dir.filePath(stem + ".root");
    const QString listing = run(QString(VEXEL_BINARY_DIR) + "/bin/vexel-rootls", {root});
    EXPECT_TRUE(listing.contains("D0Mass")) << listing.toStdString();
    rootio::FileReader file(root.toStdString());
    EXPECT_EQ(file.readHistogram("D0Mass").nbins, 200);
    EXPECT_TRUE(file.has("fitGaus"));

    // The EPS fits on a Letter and on an A4 page: shown as a page, nothing is cut off.
    const QString eps = dir.filePath(stem + ".eps");
    QFile epsFile(eps);
    ASSERT_TRUE(epsFile.open(QIODevice::ReadOnly));
    const QString header = QString::fromLatin1(epsFile.read(2000));
    const QRegularExpressionMatch box =
        QRegularExpression(R"(%%BoundingBox: (\d+) (\d+) (\d+) (\d+))").match(header);
    ASSERT_TRUE(box.hasMatch()) << header.toStdString();
    EXPECT_LE(box.captured(3).toInt(), 595);
    EXPECT_LE(box.captured(4).toInt(), 792);
    if (!QStandardPaths::findExecutable("gs").isEmpty()) {
        const QString png = dir.filePath(stem + "_eps.png");
        run("gs", {"-q", "-dNOPAUSE", "-dBATCH", "-sDEVICE=png16m", "-sOutputFile=" + png, eps});
        const QImage page(png);
        EXPECT_GT(inkFraction(page), 0.005) << eps.toStdString();
        if (withDistributions) { // the right-hand pads are on the page too
            const int right = box.captured(3).toInt();
            ASSERT_LE(right, page.width());
            EXPECT_GT(inkFraction(page.copy(right * 3 / 4, 0, right / 4, page.height())), 0.005);
        }
        keepScreenshot(png, "student_saved_" + stem + "_eps");
    } else {
        EXPECT_GT(QFileInfo(eps).size(), 1000);
    }
    const QString pdf = dir.filePath(stem + ".pdf");
    if (!QStandardPaths::findExecutable("pdftoppm").isEmpty()) {
        const QString prefix = dir.filePath(stem + "_pdf");
        run("pdftoppm", {"-png", "-singlefile", pdf, prefix});
        EXPECT_GT(inkFraction(QImage(prefix + ".png")), 0.005) << pdf.toStdString();
        keepScreenshot(prefix + ".png", "student_saved_" + stem + "_pdf");
    } else if (!QStandardPaths::findExecutable("gs").isEmpty()) {
        const QString png = dir.filePath(stem + "_pdf.png");
        run("gs", {"-q", "-dNOPAUSE", "-dBATCH", "-sDEVICE=png16m", "-sOutputFile=" + png, pdf});
        EXPECT_GT(inkFraction(QImage(png)), 0.005) << pdf.toStdString();
        keepScreenshot(png, "student_saved_" + stem + "_pdf");
    } else {
        QFile file(pdf);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.read(5), "%PDF-");
    }
    EXPECT_GT(inkFraction(QImage(dir.filePath(stem + ".png"))), 0.005);
}

} // namespace

TEST_F(StudentUseTest, SaveCanvasIntoTheLauncherOutputDirectory) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    launcher l;
    QTest::keyClicks(l.fTextEntry1141, out.path());
    QTest::mouseClick(l.fTextEntry1141->parentWidget()->findChildren<QPushButton*>().value(0),
                      Qt::LeftButton);
    ASSERT_EQ(l.pathSave1, out.path() + "/");
    l.enableII();
    QTest::mouseClick(l.fPictureButton785, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
    TVSDReader& r = *gVSDReader;
    ASSERT_TRUE(click("Plot D0 mass"));
    ASSERT_TRUE(click("Fit mass distribution"));

    // Nothing typed yet: the files get the default name.
    ASSERT_TRUE(click("Save Canvas"));
    const QDir dir(out.path());
    for (const char* name : {"D0Canvas.root", "D0Canvas.eps", "D0Canvas.pdf", "D0Canvas.png"})
        EXPECT_TRUE(QFile::exists(dir.filePath(name))) << name;
    expectFourGoodFiles(dir, "D0Canvas", false);

    // The whole analysis canvas, distributions included.
    const double mean = r.fAnalysis->lastMassFit()->fit.parameters[1];
    const double sigma = r.fAnalysis->lastMassFit()->fit.parameters[2];
    typeInto(r.fFitRangeGaus->minField(), QString::number(mean - 3 * sigma, 'f', 1));
    typeInto(r.fFitRangeGaus->maxField(), QString::number(mean + 3 * sigma, 'f', 1));
    ASSERT_TRUE(click("Plot distributions"));
    typeInto(r.fName1, "my_mass");
    EXPECT_EQ(r.filetosave, "my_mass");
    ASSERT_TRUE(click("Save Canvas"));
    expectFourGoodFiles(dir, "my_mass", true);
    EXPECT_TRUE(vexel::test::messages().empty());
    QFile::remove(QString(VEXEL_BINARY_DIR) + "/screenshots/student_saved_canvas.png");
    QFile::copy(dir.filePath("my_mass.png"),
                QString(VEXEL_BINARY_DIR) + "/screenshots/student_saved_canvas.png");
    l.fMainFrame990->hide();
}

TEST_F(StudentUseTest, NumbersTypedOnAGermanDesktopAreTaken) {
    // Classrooms run with their own system language; the fields show a decimal point.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TVSDReader& r = start(3);
    typeInto(r.fD0IPCut->maxField(), "-1.3");
    EXPECT_FLOAT_EQ(r.fD0IPCut->GetMax(), -1.3f);
    EXPECT_EQ(r.fD0IPCut->maxField()->text(), "-1.3");
    typeInto(r.fD0TAUCut->minField(), "0,45");
    EXPECT_FLOAT_EQ(r.fD0TAUCut->GetMin(), 0.45f);
    EXPECT_EQ(r.fD0TAUCut->minField()->text(), "0.45");
    typeInto(r.fFitRangeGaus->minField(), "1842.3");
    EXPECT_FLOAT_EQ(r.fFitRangeGaus->GetMin(), 1842.3f);
    // Text that is no number leaves the value as it was.
    typeInto(r.fFitRangeGaus->maxField(), "-");
    EXPECT_FLOAT_EQ(r.fFitRangeGaus->GetMax(), 1915.0f);
    EXPECT_EQ(r.fFitRangeGaus->maxField()->text(), "1915.0");
    QLocale::setDefault(QLocale::c());
}

TEST_F(StudentUseTest, ANumberTypedWithoutEnterCountsWhenAButtonIsClicked) {
    TVSDReader& r = start(1);
    QApplication::setActiveWindow(window());
    ASSERT_TRUE(click("Plot D0 mass"));
    const double allEntries = r.fAnalysis->histograms().mass->entries();
    QLineEdit* field = r.fD0IPCut->maxField();
    QTest::mouseClick(field, Qt::LeftButton);
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, "-1.5");
    ASSERT_TRUE(click("Plot D0 mass"));
    EXPECT_FLOAT_EQ(r.fD0IPCut->GetMax(), -1.5f);
    EXPECT_EQ(field->text(), "-1.5");
    EXPECT_LT(r.fAnalysis->histograms().mass->entries(), 0.9 * allEntries);
}

TEST_F(StudentUseTest, TheWholeWindowFitsADisplay768PixelsHigh) {
    TVSDReader& r = start(1);
    // What the exercise gets on a 1024 x 768 display: the button bar stays inside the window.
    window()->setGeometry(5, 30, 1000, 768 - 30);
    QApplication::processEvents();
    EXPECT_LE(window()->height(), 768 - 30);
    for (const char* text : {"Read Instructions", "Reset Exercise", "Exit", "Save Canvas"}) {
        QPushButton* found = vexel::test::buttonWithText(text, window(), false);
        ASSERT_NE(found, nullptr) << text;
        EXPECT_LE(found->mapTo(window(), QPoint(0, found->height())).y(), window()->height())
            << text;
    }
    // The panel scrolls to its last control.
    QPushButton* logo = r.frmMain->findChild<QPushButton*>("VexelLogo");
    auto* scroll = qobject_cast<QScrollArea*>(window()->tabs(vexel::Browser::Left)->widget(0));
    ASSERT_NE(scroll, nullptr);
    scroll->ensureWidgetVisible(logo);
    QApplication::processEvents();
    EXPECT_LE(logo->mapTo(scroll->viewport(), QPoint(0, logo->height())).y(),
              scroll->viewport()->height());
    QTest::mouseClick(logo, Qt::LeftButton);
    EXPECT_EQ(vexel::HelpTextDialog::openDialogs().size(), 1);
    // As placed by the exercise: inside the screen's free area.
    start(1);
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    if (free.height() >= 768)
        EXPECT_LE(window()->frameGeometry().bottom(), free.bottom());
}
