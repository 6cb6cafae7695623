#pragma once

#include "ClassResultsTexts.h"
#include "LessonDayTexts.h"
#include "classroom/LessonDay.h"

#include <QStringList>
#include <QWidget>

class QCustomPlot;
class QCPAxisRect;
class QCPLegend;
class QCPTextElement;
class QCPGraph;

// The lesson day's plots: the mass peak of all classes (points with the fit, each class as a
// line in its own colour, the true mass) and the lifetime against one cut (each class's mean
// with the spread of its students' values, the true lifetime). Texts and legends lie in bands
// of their own beside the data; the fonts follow setFontPixels (large for the projector).
class ClassResultsPlot : public QWidget {
    Q_OBJECT
public:
    explicit ClassResultsPlot(QWidget* parent = nullptr);

    void draw(const classroom::LessonDay& day, int trend, const ClassResultsTexts& texts,
              const LessonDayTexts& lesson);
    // Font size of every text in pixels (0: the application's font).
    void setFontPixels(int pixels);
    int fontPixels() const;

    // The trend shown by default: the upper IP cut when saved, else the first one saved, else 0.
    static int defaultTrend(const classroom::ClassSummary& summary);
    // A class's colour (the total is black).
    static QColor classColour(int index);

    QCustomPlot* plot() const { return plot_; }
    // What is shown, for saving and for tests.
    std::vector<double> shownTotal() const;  // the total histogram's bin contents
    int shownClassCurves() const;            // one line per class (none for a single class)
    std::size_t shownLifetimePoints() const; // class means drawn on the lifetime plot
    QStringList legendTexts() const;
    // Faults of the drawn layout: tick labels touching, a text or legend over the data or
    // larger than its place, the mass peak low in its plot, the plots using under 40 % of the
    // widget. Empty when there are none.
    QStringList layoutProblems() const;

    // .png or .pdf by the extension; false with the reason in *error.
    bool saveAs(const QString& path, QString* error = nullptr);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrange();
    // Text broken at blanks into lines at most `pixels` wide.
    static QString wrapped(const QString& text, const QFont& font, int pixels);
    void applyFonts();
    void chooseTicks();
    void drawMass(const classroom::LessonDay& day, const ClassResultsTexts& texts,
                  const LessonDayTexts& lesson);
    void drawLifetimes(const classroom::LessonDay& day, int trend, const ClassResultsTexts& texts,
                       const LessonDayTexts& lesson);

    QCustomPlot* plot_;
    QCPAxisRect* massRect_;
    QCPAxisRect* lifetimeRect_;
    QCPLegend* legend_;
    QString massTitle_, lifetimeTitle_;
    QCPTextElement* massText_;
    QCPTextElement* lifetimeText_;
    QCPGraph* total_ = nullptr;
    int classCurves_ = 0;
    std::size_t lifetimePoints_ = 0;
    int fontPixels_ = 0;
    bool sideBySide_ = true;
};
