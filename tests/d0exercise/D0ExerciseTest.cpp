#include "Browser.h"
#include "Canvas.h"
#include "D0ExerciseDrawing.h"
#include "D0ExerciseFixture.h"
#include "D0ExerciseMessages.h"
#include "D0ExerciseTexts.h"
#include "D0ExerciseTrendPads.h"
#include "DataFiles.h"
#include "FileSizeLimit.h"
#include "GuiTestSupport.h"
#include "HelpTextDialog.h"
#include "RangeSlider.h"
#include "Vexel_D0_Exercise.h"
#include "analysis/AnalysisMessages.h"
#include "analysis/LifetimeResultsFile.h"
#include "launcher.h"
#include "rootio/FileReader.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace {

vexel::Browser* window() {
    return vexel::test::d0ExerciseWindow();
}

QPushButton* button(const QString& text) {
    return vexel::test::buttonWithText(text, window(), false);
}

// Clicks the window's button showing text; false when there is none.
bool click(const QString& text) {
    return vexel::test::click(button(text));
}

QStringList tabTitles(vexel::Browser::Area area) {
    QStringList titles;
    for (int i = 0; i < window()->tabs(area)->count(); ++i)
        titles << window()->tabs(area)->tabText(i);
    return titles;
}

using vexel::test::closeDialogs;

// The help dialogs opened since the last closeDialogs().
QList<vexel::HelpTextDialog*> dialogs() {
    return vexel::HelpTextDialog::openDialogs();
}

void closeRightTab(const QString& title) {
    const int index = window()->findTab(vexel::Browser::Right, title);
    ASSERT_GE(index, 0) << title.toStdString();
    window()->closeRightTab(index);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void screenshot(const QString& name) {
    QApplication::processEvents();
    const QString path = vexel::test::saveScreenshot(window(), name);
    EXPECT_FALSE(QImage(path).isNull()) << path.toStdString();
}

// Asks for the window's close as a window manager does (WM_DELETE_WINDOW).
void windowManagerClose(QWidget* widget) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    auto atom = [c](const char* name) {
        xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
            c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
        const xcb_atom_t a = reply ? reply->atom : XCB_ATOM_NONE;
        std::free(reply);
        return a;
    };
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(widget->winId());
    event.type = atom("WM_PROTOCOLS");
    event.data.data32[0] = atom("WM_DELETE_WINDOW");
    event.data.data32[1] = XCB_CURRENT_TIME;
    xcb_send_event(c, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(c);
    xcb_disconnect(c);
}

// Counts the close events a widget receives.
struct CloseCounter : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Close && e->spontaneous())
            ++count;
        return false;
    }
};

using D0ExerciseTest = D0ExerciseFixture;

} // namespace

TEST_F(D0ExerciseTest, LanguageZeroBuildsTheEnglishWindow) {
    TVSDReader& r = start(0);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_EQ(window()->windowTitle(), "Vexel Lumora : D0 lifetime analysis");
    EXPECT_EQ(tabTitles(vexel::Browser::Left), QStringList{"Tools"});
    EXPECT_EQ(tabTitles(vexel::Browser::Bottom), QStringList{" "});
    EXPECT_EQ(tabTitles(vexel::Browser::Right), QStringList{"Invariant Mass Distribution"});
    QStringList groups;
    for (auto* g : r.frmMain->findChildren<QGroupBox*>())
        groups << g->title();
    EXPECT_EQ(groups, (QStringList{"Variable ranges", "Analysis tools", "Background subtraction",
                                   "Time fit", "Save results"}));
    for (const char* label :
         {"Plot D0 mass", "Fit mass distribution", "Plot distributions", "Fit signal decay time",
          "Save result and fit", "Plot trend", "Clear Trend", "Save Canvas", "Read Instructions",
          "Reset Exercise", "Exit"})
        EXPECT_NE(button(label), nullptr) << label;
    EXPECT_EQ(r.fName1->text(), "Filename");
    EXPECT_TRUE(r.filetosave.isEmpty());
    EXPECT_EQ(r.fVarToTrend->count(), 1);
    EXPECT_EQ(r.fVarToTrend->currentText(), "Trend vs. max IP");
    EXPECT_EQ(r.fVarToTrend->currentData().toInt(), 2);
    // The sliders start at their full ranges, read back as shown.
    EXPECT_FLOAT_EQ(r.fD0TAUCut->GetMin(), 0.15f);
    EXPECT_FLOAT_EQ(r.fD0TAUCut->GetMax(), 10.15f);
    EXPECT_EQ(r.fD0TAUCut->minField()->text(), "0.15");
    EXPECT_EQ(r.fD0PTCut->maxField()->text(), "20.0");
    EXPECT_TRUE(r.fFitRangeGaus->isVisible());
    EXPECT_FALSE(r.fFitRangePoly->isVisible());
    EXPECT_EQ(r.fFitResult->text(), "0.0000");
    EXPECT_EQ(window()->pos(), QPoint(5, 30));
    EXPECT_TRUE(vexel::test::connectionWarnings().isEmpty())
        << vexel::test::connectionWarnings().join("\n").toStdString();

    ASSERT_TRUE(click("Read Instructions"));
    ASSERT_TRUE(click("Read Instructions"));
    ASSERT_EQ(dialogs().size(), 2);
    EXPECT_EQ(dialogs()[0]->windowTitle(), "INSTRUCTIONS");
    EXPECT_TRUE(dialogs()[0]->text().startsWith(
        "Welcome to the Vexel lumora exercise on measuring the lifetime of the D0 meson. \n"));
    EXPECT_EQ(dialogs()[0]->text().count('\n'), 26);
    EXPECT_EQ(dialogs()[0]->size(), QSize(700, 600));
    closeDialogs();
    QTest::mouseClick(r.frmMain->findChild<QPushButton*>("VexelLogo"), Qt::LeftButton);
    ASSERT_EQ(dialogs().size(), 1);
    EXPECT_EQ(dialogs()[0]->windowTitle(), "Vexel Experiment");
    EXPECT_TRUE(dialogs()[0]->text().startsWith("For more details on the Vexel experiment, \n"));
    EXPECT_TRUE(dialogs()[0]->text().contains(D0ExerciseAddresses::kCollaborationPages));
    screenshot("d0_start_EN");
}

TEST_F(D0ExerciseTest, ResetAndDeleteRightAfterTheStart) {
    TVSDReader& r = start(1);
    EXPECT_EQ(r.trendPadNumber(), 0u);
    r.fD0PTCut->setValues(3.0f, 12.0f);
    r.fFitRangeGaus->setValues(1850.0f, 1880.0f);
    ASSERT_TRUE(click("Reset Exercise"));
    EXPECT_EQ(r.trendPadNumber(), 1u);
    EXPECT_FLOAT_EQ(r.fD0PTCut->GetMin(), 2.5f);
    EXPECT_FLOAT_EQ(r.fFitRangeGaus->GetMax(), 1915.0f);
    EXPECT_EQ(r.fFitErr->text(), "0.0000");
    EXPECT_FALSE(r.fittedMass());
    EXPECT_EQ(tabTitles(vexel::Browser::Right), QStringList{"Invariant Mass Distribution"});
    r.DeleteHistograms();
    r.DeleteHistograms();
    EXPECT_FALSE(r.fAnalysis->histograms().mass);
    EXPECT_TRUE(vexel::test::messages().empty());
    EXPECT_TRUE(dialogs().isEmpty());
}

TEST_F(D0ExerciseTest, StepsOutOfOrderShowTheirMessagesInEveryLanguage) {
    for (int lang = 1; lang <= 5; ++lang) {
        TVSDReader& r = start(lang);
        const D0ExerciseTexts texts = D0ExerciseTexts::forLanguage(lang);
        r.FitInvariantMass();
        ASSERT_EQ(dialogs().size(), 1) << lang;
        EXPECT_EQ(dialogs()[0]->windowTitle(), "Plot");
        EXPECT_EQ(dialogs()[0]->closeText(), D0ExerciseMessages::forLanguage(lang).close);
        if (lang == 3)
            vexel::test::saveScreenshot(dialogs()[0], "d0_message_DE");
        EXPECT_EQ(dialogs()[0]->text(), analysis::AnalysisMessages::kPlotMassFirst);
        EXPECT_EQ(dialogs()[0]->width(), 350);
        closeDialogs();
        r.FitDecayTime();
        ASSERT_EQ(dialogs().size(), 1);
        EXPECT_EQ(dialogs()[0]->text(), analysis::AnalysisMessages::kPlotDistributionsFirst);
        closeDialogs();
        r.PlotVarDists();
        ASSERT_EQ(dialogs().size(), 1);
        EXPECT_EQ(dialogs()[0]->text(), texts.i5);
        EXPECT_EQ(dialogs()[0]->width(), 350);
        closeDialogs();
        r.SaveFitResult();
        ASSERT_EQ(dialogs().size(), 1);
        EXPECT_EQ(dialogs()[0]->text(), texts.i3);
        closeDialogs();
        r.PlotFitResultsVsVar();
        ASSERT_EQ(dialogs().size(), 1);
        EXPECT_EQ(dialogs()[0]->text(), texts.i2);
        closeDialogs();
        EXPECT_FALSE(r.fittedMass());
    }
}

TEST_F(D0ExerciseTest, TheWholeStudentPath) {
    TVSDReader& r = start(1);
    ASSERT_TRUE(click("Plot D0 mass"));
    ASSERT_TRUE(r.fAnalysis->histograms().mass);
    ASSERT_EQ(r.fPad->padHistograms(1).size(), 1u);
    EXPECT_EQ(r.fPad->padHistograms(1)[0].name, "D0Mass");
    screenshot("d0_step1_mass");

    ASSERT_TRUE(click("Fit mass distribution"));
    ASSERT_TRUE(r.fittedMass());
    const auto& massFit = *r.fAnalysis->lastMassFit();
    const QStringList lines = r.fPad->padTexts(1);
    ASSERT_EQ(lines.size(), 5);
    EXPECT_EQ(lines[0], QString("Total: %1").arg(massFit.total));
    EXPECT_EQ(lines[2], QString("Signal: %1").arg(massFit.total - massFit.background));
    EXPECT_TRUE(lines[4].startsWith("#sigma: "));
    EXPECT_EQ(r.fPad->padCurves(1).size(), 2u);
    const double mean = massFit.fit.parameters[1], sigma = massFit.fit.parameters[2];
    EXPECT_NEAR(mean, 1865, 5);
    screenshot("d0_step2_fit");

    // At the full mass range the signal window touches the background range: i1.
    ASSERT_TRUE(click("Plot distributions"));
    ASSERT_EQ(dialogs().size(), 1);
    EXPECT_EQ(dialogs()[0]->text(), D0ExerciseTexts::forLanguage(1).i1);
    closeDialogs();

    r.fFitRangeGaus->setValues(float(mean - 3 * sigma), float(mean + 3 * sigma));
    ASSERT_TRUE(click("Plot distributions"));
    EXPECT_TRUE(dialogs().isEmpty());
    for (int pad = 2; pad <= 4; ++pad) {
        EXPECT_EQ(r.fPad->padHistograms(pad).size(), 2u) << pad;
        EXPECT_EQ(r.fPad->padLegendCount(pad), 1) << pad;
        r.fPad->cd(pad);
        EXPECT_TRUE(r.fPad->logY());
    }
    // The drawn copies are normalised.
    double sum = 0;
    const auto drawn = r.fPad->padHistograms(3)[1];
    for (int b = 1; b <= drawn.nbins; ++b)
        sum += drawn.contents[static_cast<std::size_t>(b)];
    EXPECT_NEAR(sum, 1.0, 1e-9);
    screenshot("d0_step3_distributions");

    ASSERT_TRUE(click("Fit signal decay time"));
    ASSERT_TRUE(r.fittedTime());
    EXPECT_EQ(tabTitles(vexel::Browser::Right),
              (QStringList{"Invariant Mass Distribution", "Lifetime fit"}));
    const double tau = TVSDReader::fieldValue(r.fFitResult);
    EXPECT_GT(tau, 0.3);
    EXPECT_LT(tau, 0.6);
    EXPECT_EQ(r.fFitResult->text(), QString::number(r.fAnalysis->lastLifetimeFit()->tau, 'f', 4));
    EXPECT_GT(TVSDReader::fieldValue(r.fFitErr), 0.0);
    ASSERT_EQ(r.fFitPad->padTexts(1).size(), 1);
    EXPECT_EQ(r.fFitPad->padTexts(1)[0],
              D0ExerciseDrawing::lifetimeText(
                  r.fAnalysis->lastLifetimeFit()->tau, r.fAnalysis->lastLifetimeFit()->tauError,
                  {"", "", "", "", D0ExerciseMessages::forLanguage(1).plotLifetime, "", ""}));
    screenshot("d0_step4_lifetime");

    // Two saves with the upper IP edge moved, then the trend.
    ASSERT_TRUE(click("Save result and fit"));
    r.fD0IPCut->setValues(-4.0f, 0.5f);
    ASSERT_TRUE(click("Plot distributions"));
    ASSERT_TRUE(click("Save result and fit")); // the fit is stale after re-plotting: i3
    ASSERT_EQ(dialogs().size(), 1);
    EXPECT_EQ(dialogs()[0]->text(), D0ExerciseTexts::forLanguage(1).i3);
    closeDialogs();
    ASSERT_TRUE(click("Fit signal decay time"));
    ASSERT_TRUE(click("Save result and fit"));
    const auto& points = r.fAnalysis->trends().points(2);
    ASSERT_EQ(points.size(), 2u);
    EXPECT_FLOAT_EQ(float(points[1].cutMax), 0.5f);
    EXPECT_DOUBLE_EQ(points[1].value, TVSDReader::fieldValue(r.fFitResult));
    ASSERT_TRUE(click("Plot trend"));
    EXPECT_TRUE(dialogs().isEmpty());
    ASSERT_TRUE(r.fTrendPad);
    const auto curves = r.fTrendPad->padCurves(1);
    ASSERT_EQ(curves.size(), 1u);
    EXPECT_EQ(curves[0].x, (std::vector<double>{1.5, 0.5}));
    r.fTrendPad->cd(1);
    EXPECT_EQ(r.fTrendPad->xTitle(), "log_{10}( D^{0} IP [mm] )");
    screenshot("d0_step5_trend");

    // Both edges moved between saves: warning i4, and the plot is still made.
    r.fD0IPCut->setValues(-3.0f, 0.5f);
    ASSERT_TRUE(click("Plot distributions"));
    ASSERT_TRUE(click("Fit signal decay time"));
    ASSERT_TRUE(click("Save result and fit"));
    ASSERT_TRUE(click("Plot trend"));
    ASSERT_EQ(dialogs().size(), 1);
    EXPECT_EQ(dialogs()[0]->text(), D0ExerciseTexts::forLanguage(1).i4);
    closeDialogs();
    EXPECT_EQ(r.fTrendPad->padCurves(1)[0].x.size(), 3u);

    ASSERT_TRUE(click("Clear Trend"));
    EXPECT_TRUE(r.fTrendPad->padCurves(1).empty());
    ASSERT_TRUE(click("Plot trend"));
    ASSERT_EQ(dialogs().size(), 1);
    EXPECT_EQ(dialogs()[0]->text(), D0ExerciseTexts::forLanguage(1).i2);
    closeDialogs();

    ASSERT_TRUE(click("Reset Exercise"));
    EXPECT_TRUE(r.fPad->padHistograms(1).empty());
    EXPECT_TRUE(r.fFitPad->padHistograms(1).empty());
    EXPECT_FALSE(r.fittedTime());
    EXPECT_EQ(r.fFitResult->text(), "0.0000");
    EXPECT_TRUE(vexel::test::connectionWarnings().isEmpty());
}

TEST_F(D0ExerciseTest, ClosedCanvasTabsAreMadeAgain) {
    TVSDReader& r = start(1);
    ASSERT_TRUE(click("Plot D0 mass"));
    ASSERT_TRUE(click("Fit mass distribution"));
    const double mean = r.fAnalysis->lastMassFit()->fit.parameters[1];
    r.fFitRangeGaus->setValues(float(mean - 15), float(mean + 15));
    ASSERT_TRUE(click("Plot distributions"));
    ASSERT_TRUE(click("Fit signal decay time"));
    ASSERT_TRUE(click("Save result and fit"));
    ASSERT_TRUE(click("Plot trend"));

    closeRightTab("Lifetime fit");
    EXPECT_FALSE(r.fFitPad);
    ASSERT_TRUE(click("Fit signal decay time"));
    ASSERT_TRUE(r.fFitPad);
    EXPECT_EQ(window()
                  ->tabs(vexel::Browser::Right)
                  ->tabText(window()->tabs(vexel::Browser::Right)->currentIndex()),
              "Lifetime fit");
    EXPECT_EQ(r.fFitPad->padHistograms(1).size(), 1u);

    closeRightTab("Lifetime trend");
    ASSERT_TRUE(click("Clear Trend")); // the closed canvas is left alone
    ASSERT_TRUE(click("Plot trend"));
    ASSERT_EQ(dialogs().size(), 1); // the trend was cleared: i2
    closeDialogs();
    EXPECT_TRUE(r.fTrendPad);
    EXPECT_EQ(r.trendPadNumber(), 1u);

    closeRightTab("Invariant Mass Distribution");
    ASSERT_TRUE(click("Fit mass distribution")); // re-made with the histogram and the fit
    ASSERT_TRUE(r.fPad);
    EXPECT_EQ(r.fPad->padHistograms(1).size(), 1u);
    EXPECT_EQ(r.fPad->padTexts(1).size(), 5);

    closeRightTab("Invariant Mass Distribution");
    ASSERT_TRUE(click("Plot distributions")); // pad 1 comes back with the mass and its fit
    EXPECT_EQ(r.fPad->padHistograms(1).size(), 1u);
    EXPECT_EQ(r.fPad->padHistograms(2).size(), 2u);

    closeRightTab("Invariant Mass Distribution");
    ASSERT_TRUE(click("Reset Exercise"));
    EXPECT_TRUE(dialogs().isEmpty());
}

TEST_F(D0ExerciseTest, SaveCanvasWritesTheFourPictures) {
    QTemporaryDir out;
    ASSERT_TRUE(out.isValid());
    TVSDReader& r = start(1);
    r.pathSaveD0 = out.path() + "/";
    ASSERT_TRUE(click("Plot D0 mass"));
    ASSERT_TRUE(click("Fit mass distribution"));
    r.fName1->setText("mass_canvas");
    EXPECT_EQ(r.filetosave, "mass_canvas");
    closeRightTab("Invariant Mass Distribution");
    ASSERT_TRUE(click("Save Canvas"));
    EXPECT_TRUE(vexel::test::messages().empty());
    const QDir dir(out.path());
    rootio::FileReader file(dir.filePath("mass_canvas.root").toStdString());
    const auto mass = file.readHistogram("D0Mass");
    EXPECT_EQ(mass.nbins, 200);
    EXPECT_DOUBLE_EQ(mass.entries, r.fAnalysis->histograms().mass->entries());
    EXPECT_TRUE(file.has("fitGaus"));
    EXPECT_TRUE(file.has("fitPoly"));
    QFile eps(dir.filePath("mass_canvas.eps"));
    ASSERT_TRUE(eps.open(QIODevice::ReadOnly));
    EXPECT_TRUE(eps.read(10).startsWith("%!PS-Adobe"));
    QFile pdf(dir.filePath("mass_canvas.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), "%PDF-");
    EXPECT_FALSE(QImage(dir.filePath("mass_canvas.png")).isNull());
    QFile::remove(QString(VEXEL_BINARY_DIR) + "/screenshots/d0_saved_canvas.png");
    QFile::copy(dir.filePath("mass_canvas.png"),
                QString(VEXEL_BINARY_DIR) + "/screenshots/d0_saved_canvas.png");

    // A disk too full for the EPS picture only: the student is told which files were saved,
    // the earlier EPS file stays whole.
    qint64 largestOther = 0;
    for (const char* extension : {".root", ".pdf", ".png"})
        largestOther = std::max(largestOther,
                                QFileInfo(dir.filePath(QString("mass_canvas") + extension)).size());
    QFile epsBefore(dir.filePath("mass_canvas.eps"));
    ASSERT_TRUE(epsBefore.open(QIODevice::ReadOnly));
    const QByteArray epsBytes = epsBefore.readAll();
    ASSERT_GT(epsBytes.size(), largestOther + 4096);
    {
        vexel::test::FileSizeLimit fullDisk(static_cast<rlim_t>(largestOther + 2048));
        ASSERT_TRUE(click("Save Canvas"));
    }
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    const QString report = vexel::test::messages()[0].text;
    EXPECT_TRUE(report.contains("Saved:\n  mass_canvas.root\n  mass_canvas.pdf\n  mass_canvas.png"))
        << report.toStdString();
    EXPECT_TRUE(report.contains("Not saved")) << report.toStdString();
    EXPECT_TRUE(report.contains("mass_canvas.eps:")) << report.toStdString();
    QFile epsAfter(dir.filePath("mass_canvas.eps"));
    ASSERT_TRUE(epsAfter.open(QIODevice::ReadOnly));
    EXPECT_EQ(epsAfter.readAll(), epsBytes);
    vexel::test::clearMessages();

    // Nothing typed: the default name with the combination, no hidden files.
    r.fName1->clear();
    ASSERT_TRUE(click("Save Canvas"));
    EXPECT_TRUE(QFile::exists(dir.filePath("D0Canvas_1.png")));
    EXPECT_TRUE(QFile::exists(dir.filePath("D0Canvas_1.root")));
    EXPECT_FALSE(QFile::exists(dir.filePath(".png")));

    // The field names a file inside the output directory, never a path.
    QTemporaryDir outer;
    r.pathSaveD0 = outer.path() + "/inner/";
    ASSERT_TRUE(QDir(outer.path()).mkdir("inner"));
    r.fName1->setText("../escape");
    ASSERT_TRUE(click("Save Canvas"));
    r.fName1->setText(outer.path() + "/absolute");
    ASSERT_TRUE(click("Save Canvas"));
    EXPECT_EQ(QDir(outer.path()).entryList(QDir::Files | QDir::Hidden), QStringList());
    EXPECT_TRUE(QFile::exists(outer.path() + "/inner/__escape.png"));
    EXPECT_EQ(QDir(outer.path() + "/inner").entryList(QDir::Files | QDir::Hidden).size(), 8);
    EXPECT_EQ(r.fName1->text(), outer.path() + "/absolute"); // the field keeps what was typed
    // A name too long for the file system is refused with a message; 250 bytes still save.
    r.fName1->setText(QString(251, 'n'));
    ASSERT_TRUE(click("Save Canvas"));
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_TRUE(vexel::test::messages()[0].text.contains("too long"));
    vexel::test::clearMessages();
    r.fName1->setText(QString(250, 'n'));
    ASSERT_TRUE(click("Save Canvas"));
    EXPECT_TRUE(vexel::test::messages().empty());
    EXPECT_EQ(QDir(outer.path() + "/inner").entryList(QDir::Files | QDir::Hidden).size(), 12);

    // A directory that does not exist is reported, not a crash.
    r.pathSaveD0 = out.path() + "/missing/";
    ASSERT_TRUE(click("Save Canvas"));
    ASSERT_EQ(vexel::test::messages().size(), 1u);
    EXPECT_TRUE(vexel::test::messages()[0].text.contains("does not exist"));
}

TEST_F(D0ExerciseTest, AFrenchDesktopSavesCommaResultsIntoTheResultsFile) {
    const QLocale desktop;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    TVSDReader& r = start(2);
    r.combination = 42;
    r.identity = QString::fromUtf8("Zoé_Dupont_1S");
    const D0ExerciseMessages fr = D0ExerciseMessages::forLanguage(2);
    const D0ExerciseTexts texts = D0ExerciseTexts::forLanguage(2);
    auto onlyDialog = [](const QString& text) {
        ASSERT_EQ(dialogs().size(), 1);
        EXPECT_EQ(dialogs()[0]->text(), text);
        EXPECT_EQ(dialogs()[0]->closeText(), "Fermer");
        closeDialogs();
    };
    ASSERT_TRUE(click(texts.plt_mass));
    r.fFitRangeGaus->setValues(1850.0f, 1850.0f);
    ASSERT_TRUE(click(texts.fit_mass_dis));
    onlyDialog(fr.emptySignalRange);
    r.fFitRangeGaus->setValues(1815.0f, 1915.0f);
    ASSERT_TRUE(click(texts.fit_mass_dis));
    const auto& p = r.fAnalysis->lastMassFit()->fit.parameters;
    r.fFitRangeGaus->setValues(float(p[1] - 3 * p[2]), float(p[1] + 3 * p[2]));
    ASSERT_TRUE(click(texts.plt_distr));
    ASSERT_TRUE(click(texts.fit_sign));
    ASSERT_TRUE(r.fittedTime());
    ASSERT_TRUE(dialogs().isEmpty());

    // Typed as a French student types it.
    r.fFitResult->clear();
    QTest::keyClicks(r.fFitResult, "0,41");
    r.fFitErr->clear();
    QTest::keyClicks(r.fFitErr, "0,02");
    EXPECT_EQ(r.fFitResult->text(), "0,41");
    ASSERT_TRUE(click(texts.sv_res_fit));
    EXPECT_TRUE(dialogs().isEmpty());
    const auto& saved = r.fAnalysis->trends().points(2);
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_DOUBLE_EQ(saved[0].value, 0.41);
    EXPECT_DOUBLE_EQ(saved[0].error, 0.02);
    const QString path = output_.path() + QString::fromUtf8("/D0Lifetime_42_Zoé_Dupont_1S.root");
    EXPECT_EQ(r.lifetimeResultsPath(), path);
    analysis::LifetimeResults file = analysis::readLifetimeResults(path.toStdString());
    ASSERT_EQ(file.lifetimes.size(), 1u);
    EXPECT_EQ(file.lifetimes[0].trend, 2);
    EXPECT_DOUBLE_EQ(file.lifetimes[0].lifetime, 0.41);
    EXPECT_DOUBLE_EQ(file.lifetimes[0].cutMax, 1.5);
    ASSERT_TRUE(file.massFit);
    EXPECT_DOUBLE_EQ(file.massFit->mean, p[1]);

    // A field without a number is refused, not saved as 0.
    r.fFitResult->clear();
    ASSERT_TRUE(click(texts.sv_res_fit));
    vexel::test::saveScreenshot(dialogs().value(0), "d0_message_not_a_number_FR");
    onlyDialog(fr.fieldNotANumber);
    EXPECT_EQ(saved.size(), 1u);

    // A failed write tells the student and keeps the results; the next save writes them all.
    QTest::keyClicks(r.fFitResult, "0.43");
    r.pathSaveD0 = output_.path() + "/missing/";
    ASSERT_TRUE(click(texts.sv_res_fit));
    onlyDialog(fr.resultsNotSaved.arg(r.lifetimeResultsPath()));
    EXPECT_EQ(saved.size(), 2u);
    r.pathSaveD0 = output_.path() + "/";
    ASSERT_TRUE(click(texts.sv_res_fit));
    EXPECT_TRUE(dialogs().isEmpty());
    file = analysis::readLifetimeResults(path.toStdString());
    ASSERT_EQ(file.lifetimes.size(), 3u);
    EXPECT_DOUBLE_EQ(file.lifetimes[1].lifetime, 0.43);
    screenshot("d0_french_saved_result");
    QLocale::setDefault(desktop);
}

TEST_F(D0ExerciseTest, TextsOfEveryLanguage) {
    struct Expected {
        int lang;
        const char* code;
        const char* tools;
        const char* fitSign;
        const char* exit;
        const char* firstLine;
        int lines;
    };
    const Expected expected[] = {
        {2, "FR", "Outils", "Ajust. le tps de desint. du sig.", "Quitter",
         "Bienvenue dans l'exercice de lumora Vexel sur la mesure du temps de vie ", 41},
        {3, "DE", "Werkzeuge", " Signal Zerfallszeit fitten ", "Beenden",
         "Herzlich Willkommen bei den Vexel-Lumoraes Uebungen zur Messung", 41},
        {4, "IT", "Strumenti", "Fit tempo decadimento", "Esci",
         "Benvenuto nell'esercizio di Vexel per le lumora: la misura della vita media della", 30},
        {5, "RO", "Instrumente", "Fit timp viata semnal", "Iesire",
         "Bine ati venit la exercitiul de masurare a timpului de viata a mezonului ", 43},
        {1, "EN", "Tools", "Fit signal decay time", "Exit",
         "Welcome to the Vexel lumora exercise on measuring the lifetime of the D0 meson. ", 26},
    };
    for (const Expected& e : expected) {
        start(e.lang);
        EXPECT_EQ(tabTitles(vexel::Browser::Left), QStringList{e.tools}) << e.code;
        EXPECT_NE(button(e.fitSign), nullptr) << e.code;
        EXPECT_NE(button(e.exit), nullptr) << e.code;
        ASSERT_TRUE(click(D0ExerciseTexts::forLanguage(e.lang).read_inst));
        ASSERT_EQ(dialogs().size(), 1);
        const QString text = dialogs()[0]->text();
        EXPECT_TRUE(text.startsWith(QString(e.firstLine) + "\n")) << e.code;
        EXPECT_EQ(text.count('\n'), e.lines) << e.code;
        EXPECT_TRUE(text.contains(D0ExerciseAddresses::kParticleData)) << e.code;
        EXPECT_TRUE(text.endsWith("\n"));
        closeDialogs();
        screenshot(QString("d0_start_") + e.code);
    }
    EXPECT_EQ(D0ExerciseTexts::forLanguage(3).i4,
              "WARNUNG: Der Maximum-  und Minimum-Schnitt sind beide veraenderlich.");
    EXPECT_EQ(D0ExerciseTexts::forLanguage(3).sv_res_fit, " Fit-Ergebnis speichern");
    EXPECT_TRUE(vexel::test::connectionWarnings().isEmpty());
}

TEST_F(D0ExerciseTest, ExitLeavesTheLauncherUsable) {
    launcher l;
    l.h = 17;
    l.user = "Ana_Pop_9";
    l.enableII();
    QTest::mouseClick(l.fPictureButton785, Qt::LeftButton);
    QApplication::processEvents();
    ASSERT_TRUE(window()->isVisible());
    EXPECT_FALSE(l.fPictureButton785->isEnabled());
    TVSDReader* reader = gVSDReader;
    QPointer<TVSDReader> earlier(reader);
    EXPECT_EQ(reader->combination, l.h);
    EXPECT_EQ(reader->identity.toStdString(), l.user);
    // The title bar's close (a real window-manager request) leaves the window up.
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window()));
    CloseCounter counter;
    window()->installEventFilter(&counter); // runs before the exercise's own filter
    // Asked again until the window system has delivered it.
    for (int sent = 0; sent < 50 && counter.count == 0; ++sent) {
        windowManagerClose(window());
        QTest::qWait(100);
    }

    EXPECT_EQ(counter.count, 1);
    EXPECT_TRUE(window()->isVisible());
    window()->removeEventFilter(&counter);
    ASSERT_TRUE(click("Exit"));
    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(l.fMainFrame990->isVisible());
    EXPECT_TRUE(l.fMainFrame990->isEnabled());
    reader->Exit();
    EXPECT_EQ(gVSDReader, reader);
    // A second start reuses the window with fresh tabs.
    l.enableII();
    QTest::mouseClick(l.fPictureButton785, Qt::LeftButton);
    EXPECT_NE(gVSDReader, reader);
    EXPECT_TRUE(earlier.isNull()); // the earlier exercise object is freed
    EXPECT_EQ(tabTitles(vexel::Browser::Right), QStringList{"Invariant Mass Distribution"});
    EXPECT_EQ(tabTitles(vexel::Browser::Left).size(), 1);
    EXPECT_TRUE(vexel::test::messages().empty());
    l.fMainFrame990->hide();
}

TEST(D0ExerciseTrendPads, PadsAreHandedOutOneToFourThenAgainFromOne) {
    D0ExerciseTrendPads t;
    EXPECT_EQ(t.nextPad(), 0u);
    t.restart(); // the trend canvas is made
    EXPECT_EQ(t.nextPad(), 1u);
    EXPECT_EQ(t.padFor(2), 1u);
    EXPECT_EQ(t.padFor(1), 2u);
    EXPECT_EQ(t.padFor(2), 1u);
    EXPECT_EQ(t.padFor(3), 3u);
    EXPECT_EQ(t.padFor(4), 4u);
    EXPECT_EQ(t.padFor(7), 1u); // wraps
    EXPECT_EQ(t.assignedPad(3), std::optional<unsigned>(3u));
    EXPECT_FALSE(t.assignedPad(5));

    // A new trend canvas (or a reset) forgets the pads.
    t.restart();
    EXPECT_FALSE(t.assignedPad(2));
    EXPECT_EQ(t.padFor(4), 1u);
    EXPECT_EQ(t.nextPad(), 2u);
}
