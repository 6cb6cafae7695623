#pragma once

#include "ClassResultsPlot.h"

#include <QWidget>

class QLabel;

// The plots for a projector: full screen, large fonts (at least 24 pixels, more on a large
// screen), a line saying which classes are shown and the rule in force. Esc closes it. The
// teacher's window redraws it whenever its results change.
class ProjectorView : public QWidget {
    Q_OBJECT
public:
    explicit ProjectorView(QWidget* parent = nullptr);

    void draw(const classroom::LessonDay& day, int trend, const ClassResultsTexts& texts,
              const LessonDayTexts& lesson);
    ClassResultsPlot* plot() const { return plot_; }
    // The font size for a screen of that height: 1/40 of it, at least 24 pixels.
    static int fontPixelsFor(int screenHeight);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QLabel* header_;
    ClassResultsPlot* plot_;
};
