// The picture tour: drives both exercises as a student would, in every language of the program,
// and saves what the student sees at each step as <tour folder>/<language>/NN-step.png; last,
// the teacher's window with a class's results.
// The tour folder is VEXEL_TOUR_DIR, else <build>/tour.
#include "Browser.h"
#include "ClassFolderMaker.h"
#include "ClassResultsWindow.h"
#include "D0ExerciseTexts.h"
#include "DataFiles.h"
#include "EventDisplay.h"
#include "EventFile.h"
#include "GuiTestSupport.h"
#include "HelpTextDialog.h"
#include "Languages.h"
#include "LauncherStudent.h"
#include "RangeSlider.h"
#include "TabLineEdit.h"
#include "TemporaryFolder.h"
#include "TrackLine.h"
#include "Vexel_D0_Exercise.h"
#include "launcher.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QVTKOpenGLNativeWidget.h>
#include <cmath>
#include <gtest/gtest.h>

namespace {

QString tourFolder() {
    const QString chosen = qEnvironmentVariable("VEXEL_TOUR_DIR");
    return chosen.isEmpty() ? QString(VEXEL_RUN_DIR) + "/../tour" : chosen;
}

// What the screen shows of a window (the 3D view included), at most 960 pixels wide.
void shoot(QWidget* window, const QString& language, const QString& name) {
    QApplication::processEvents();
    QTest::qWait(150);
    const QRect r = window->frameGeometry();
    QImage image = QGuiApplication::primaryScreen()
                       ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
                       .toImage();
    if (image.width() > 960)
        image = image.scaledToWidth(960, Qt::SmoothTransformation);
    const QString folder = tourFolder() + "/" + language;
    QDir().mkpath(folder);
    const QString path = folder + "/" + name + ".png";
    ASSERT_TRUE(image.convertToFormat(QImage::Format_RGB888).save(path, "PNG", 9))
        << qPrintable(path);
    // A picture worth keeping shows more than one colour.
    int differing = 0;
    for (int y = 0; y < image.height(); y += 8)
        for (int x = 0; x < image.width(); x += 8)
            differing += image.pixel(x, y) != image.pixel(0, 0);
    EXPECT_GT(differing, 50) << qPrintable(path);
}

QPushButton* visibleButton(const QString& text) {
    return vexel::test::buttonWithText(text);
}

using vexel::test::click;

// The two records whose momenta add up to the D0's.
std::pair<int, int> decayProducts(const std::vector<rootio::TrackRecord>& records) {
    for (const auto& mother : records) {
        if (mother.particleId != "D0")
            continue;
        for (std::size_t i = 0; i < records.size(); ++i)
            for (std::size_t j = i + 1; j < records.size(); ++j)
                if (&records[i] != &mother && &records[j] != &mother &&
                    std::abs(records[i].px + records[j].px - mother.px) < 0.5 &&
                    std::abs(records[i].py + records[j].py - mother.py) < 0.5 &&
                    std::abs(records[i].pz + records[j].pz - mother.pz) < 0.5)
                    return {static_cast<int>(i), static_cast<int>(j)};
    }
    return {-1, -1};
}

class Tour {
public:
    Tour(const char* code, int lang) : code_(code), lang_(lang) {}

    void run() {
        QDir::setCurrent(VEXEL_RUN_DIR);
        launcher l;
        vexel::test::enterStudent(l, code_, 1);
        l.fMainFrame990->move(40, 40);
        shoot(l.fMainFrame990, language(), "01-launcher");

        QTest::mouseClick(l.fPictureButton779, Qt::LeftButton);
        window_ = nullptr;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == "EventDisplayBrowser" && w->isVisible())
                window_ = qobject_cast<vexel::Browser*>(w);
        ASSERT_NE(window_, nullptr);
        display_ = window_->findChild<vexel::EventDisplay*>();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_));
        window_->raise();
        shoot(window_, language(), "02-event-display");
        eventExercise();
        if (::testing::Test::HasFatalFailure())
            return;
        ASSERT_TRUE(click(button("fTextButton834"))); // Move on to D0 Exercise
        QTest::mouseClick(l.fPictureButton785, Qt::LeftButton);
        analysisExercise();
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        classResults();
    }

private:
    QString language() const { return QString(code_).toLower(); }
    QString translated(const char* source) const {
        return vexel::Languages::installed().byNumber(lang_).translated("D0Exercise", source);
    }
    QPushButton* button(const char* name) { return window_->findChild<QPushButton*>(name); }

    // Clicks record k where no other line covers it, turning the view when it must.
    bool pick(int k) {
        const vexel::TrackLine* target = display_->line(k);
        for (const char* view : {"", "fPictureButton861", "fPictureButton862", "fPictureButton863",
                                 "fPictureButton710"}) {
            if (*view && !click(button(view)))
                return false;
            display_->renderNow();
            const auto& points = target->points();
            for (auto p = points.rbegin(); p != points.rend(); ++p) {
                const QPoint at = display_->toWidget({(*p)[0], (*p)[1], (*p)[2]});
                if (!display_->rect().contains(at) || display_->pickLine(at) != target)
                    continue;
                QTest::mouseClick(display_->vtkWidget(), Qt::LeftButton, Qt::NoModifier,
                                  display_->vtkWidget()->mapFrom(display_, at));
                return true;
            }
        }
        return false;
    }

    void eventExercise() {
        ASSERT_TRUE(click(button("fPictureButton710")));  // close-up
        ASSERT_TRUE(click(button("fPictureButton1723"))); // hint
        shoot(window_, language(), "03-close-up-hint");
        ASSERT_TRUE(click(button("fPictureButton1723")));

        const EventFile file(DataFiles::locate(DataFiles::eventFile(2)));
        for (int event = 0; event < 3; ++event) {
            const auto records = file.readEvent(event);
            const auto [first, second] = decayProducts(records);
            ASSERT_GE(first, 0);
            ASSERT_TRUE(pick(first));
            if (event == 0)
                shoot(window_, language(), "04-picked-track");
            ASSERT_TRUE(click(button("fTextButton1319")));
            ASSERT_TRUE(pick(second));
            ASSERT_TRUE(click(button("fTextButton1319")));
            ASSERT_TRUE(click(button("fTextButton1335")));
            ASSERT_TRUE(click(button("fTextButton753a")));
            ASSERT_TRUE(click(button("fPictureButton715")));
        }
        ASSERT_TRUE(click(button("fTextButton1442")));
        shoot(window_, language(), "05-my-histogram");
    }

    void analysisExercise() {
        const D0ExerciseTexts t = D0ExerciseTexts::forLanguage(lang_);
        QPushButton* plot = visibleButton(t.plt_mass);
        ASSERT_NE(plot, nullptr) << "the D0 exercise did not open";
        QWidget* analysis = plot->window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(analysis));
        analysis->raise();
        ASSERT_TRUE(click(plot));
        ASSERT_TRUE(click(visibleButton(t.fit_mass_dis)));
        shoot(analysis, language(), "06-mass-fit");
        expectNoDialog();
        // The signal window around the peak, as the instructions ask.
        vexel::RangeSlider* signalRange =
            vexel::test::rangeSlider(analysis, translated("Sig range:"));
        ASSERT_NE(signalRange, nullptr);
        signalRange->setValues(1840, 1890);
        ASSERT_TRUE(click(visibleButton(t.plt_distr)));
        shoot(analysis, language(), "07-distributions");
        expectNoDialog();
        ASSERT_TRUE(click(visibleButton(t.fit_sign)));
        shoot(analysis, language(), "08-lifetime-fit");
        expectNoDialog();
        ASSERT_TRUE(click(visibleButton(t.sv_res_fit)));
        // Two more lifetimes with a tighter impact-parameter cut make the trend.
        for (float ipMax : {0.5f, -0.5f}) {
            vexel::RangeSlider* ipCut = vexel::test::rangeSlider(analysis, translated("D0 IP :"));
            ASSERT_NE(ipCut, nullptr);
            ipCut->setValues(-4.0f, ipMax);
            for (const QString& step :
                 {t.plt_mass, t.fit_mass_dis, t.plt_distr, t.fit_sign, t.sv_res_fit})
                ASSERT_TRUE(click(visibleButton(step)));
            expectNoDialog();
        }
        ASSERT_TRUE(click(visibleButton(t.pl_trend)));
        shoot(analysis, language(), "09-trend");
        expectNoDialog();
        ASSERT_TRUE(click(visibleButton(t.read_inst)));
        ASSERT_EQ(vexel::HelpTextDialog::openDialogs().size(), 1);
        QWidget* help = vexel::HelpTextDialog::openDialogs().front();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
        help->raise();
        shoot(help, language(), "10-instructions");
        help->close();
        for (auto* d : vexel::HelpTextDialog::openDialogs())
            d->accept();
    }

    // The teacher's window reading a class folder of files written by the program's writers.
    void classResults() {
        vexel::test::TemporaryFolder folder;
        const std::filesystem::path classFolder = folder.path() / "class-3b";
        for (const classtest::StudentWork& work : classtest::testClass())
            classtest::writeStudentWork(classFolder, work);
        ClassResultsWindow window;
        window.setFolder(QString::fromStdString(classFolder.string()));
        window.resize(1280, 700);
        window.move(40, 20);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        if (lang_ != 1) {
            QPushButton* choose = nullptr;
            for (auto* b : window.findChildren<QPushButton*>())
                if (b->text() == code_)
                    choose = b;
            ASSERT_TRUE(click(choose));
        }
        shoot(&window, language(), "11-class-results");
    }

    // A step that went wrong shows its reason in a help window.
    static void expectNoDialog() {
        for (auto* d : vexel::HelpTextDialog::openDialogs())
            ADD_FAILURE() << qPrintable(d->windowTitle() + ": " + d->text());
    }

    const char* code_;
    int lang_;
    vexel::Browser* window_ = nullptr;
    vexel::EventDisplay* display_ = nullptr;
};

} // namespace

TEST(PictureTour, English) {
    Tour("EN", 1).run();
}

TEST(PictureTour, French) {
    Tour("FR", 2).run();
}

TEST(PictureTour, German) {
    Tour("DE", 3).run();
}

TEST(PictureTour, Italian) {
    Tour("IT", 4).run();
}

TEST(PictureTour, Romanian) {
    Tour("RO", 5).run();
}

TEST(PictureTour, Spanish) {
    Tour("ES", 6).run();
}
