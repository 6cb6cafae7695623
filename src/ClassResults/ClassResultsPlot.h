#pragma once

#include "ClassResultsTexts.h"
#include "classroom/ClassSummary.h"

#include <vector>

class QCPAbstractItem;
class QCPAbstractPlottable;

namespace vexel {
class Canvas;
}

// Draws the class's results on a canvas of two pads: the class mass peak with its fit next to
// the true mass, and the lifetime trend of one trend id (every student's points, the class
// means with their standard errors, the true lifetime).
class ClassResultsPlot {
public:
    explicit ClassResultsPlot(vexel::Canvas& canvas);

    void draw(const classroom::ClassSummary& summary, int trend, const ClassResultsTexts& texts);

    // The trend shown by default: the upper IP cut when saved, else the first one saved, else 0.
    static int defaultTrend(const classroom::ClassSummary& summary);

private:
    vexel::Canvas& canvas_;
    // Drawn over the canvas's own items: the class means, the line at the true mass.
    std::vector<QCPAbstractPlottable*> classMeans_;
    QCPAbstractItem* trueMassLine_ = nullptr;
};
