#include "Browser.h"
#include "Canvas.h"
#include "D0ExerciseDrawing.h"
#include "Vexel_D0_Exercise.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTabWidget>

// The exercise's window, which a later start takes over, and the canvases of its right-hand
// tabs.

vexel::Browser* TVSDReader::browser() {
    if (!window_) {
        window_ = new vexel::Browser;
        window_->setObjectName("D0ExerciseBrowser");
        // Freed when the program's event loop ends.
        if (QCoreApplication* app = QCoreApplication::instance())
            QObject::connect(app, &QCoreApplication::aboutToQuit, window_.data(),
                             &QObject::deleteLater);
    }
    return window_;
}

void TVSDReader::takeWindowOf(TVSDReader& previous) {
    if (previous.window_)
        previous.window_->removeEventFilter(&previous);
    window_ = previous.window_;
    previous.window_ = nullptr;
}

void TVSDReader::CloseWin() {
    browser()->hide();
}

bool TVSDReader::eventFilter(QObject* watched, QEvent* event) {
    // The event's type first: events sent while the window is being destroyed (it is then no
    // Browser any more) must not reach the comparison, which casts.
    if (event->type() == QEvent::Close && event->spontaneous() && watched == window_) {
        event->ignore();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void TVSDReader::Exit() {
    CloseWin();
}

bool TVSDReader::OpenTab(QTabWidget* tabs, const QString& title) {
    if (!tabs)
        return false;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->tabText(i) == title)
            return true;
    return false;
}

vexel::Canvas* TVSDReader::ensureCanvas(QPointer<vexel::Canvas>& member, const char* name,
                                        const QString& title, bool* created) {
    member = browser()->canvasTab(title, name, 2, 2, created);
    return member;
}

void TVSDReader::VarPad() {
    ensureCanvas(fPad, "fPad", messages_.massTab, nullptr);
}

vexel::Canvas* TVSDReader::massCanvas() {
    bool created = false;
    ensureCanvas(fPad, "fPad", messages_.massTab, &created);
    if (created) {
        // The tab had been closed: show again what the analysis holds.
        const auto& h = fAnalysis->histograms();
        if (h.mass) {
            D0ExerciseDrawing::drawMassHistogram(*fPad, *h.mass, plotWords());
            if (fAnalysis->fittedMass() && fAnalysis->lastMassFit())
                D0ExerciseDrawing::drawMassFit(*fPad, fAnalysis->massFitter(),
                                               *fAnalysis->lastMassFit(), plotWords());
        }
        D0ExerciseDrawing::drawDistributions(*fPad, h, plotWords());
        fPad->update();
        fPad->cd(1);
    }
    return fPad;
}

void TVSDReader::TrendPad() {
    bool created = false;
    ensureCanvas(fTrendPad, "fTrendPad", messages_.trendTab, &created);
    if (created)
        trendPads_.restart();
}

void TVSDReader::FitPad() {
    ensureCanvas(fFitPad, "fFitPad", messages_.fitTab, nullptr);
}
