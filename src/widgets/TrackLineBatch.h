#pragma once

#include "TrackLine.h"

#include <QColor>
#include <vector>
#include <vtkSmartPointer.h>

class vtkActor;
class vtkCellArray;
class vtkPoints;
class vtkPolyData;
class vtkUnsignedCharArray;

namespace vexel {

// Polylines of one width drawn by one actor, each in its own colour. The pipeline is built
// once: clearing and adding lines replaces the points, cells and colours in the same arrays,
// so the graphics buffers are refilled rather than made anew.
class TrackLineBatch {
public:
    TrackLineBatch();
    ~TrackLineBatch();
    TrackLineBatch(const TrackLineBatch&) = delete;
    TrackLineBatch& operator=(const TrackLineBatch&) = delete;

    vtkActor* actor() const { return actor_; }
    // Width in device pixels.
    void setWidth(float pixels);
    float width() const;

    // Removes every line; the actor is hidden until a line is added.
    void clear();
    // Adds a line of at least two points; shorter ones draw nothing and are ignored.
    void add(const std::vector<TrackLine::Point>& points, const QColor& colour);
    int lineCount() const;

private:
    vtkSmartPointer<vtkPoints> points_;
    vtkSmartPointer<vtkCellArray> cells_;
    vtkSmartPointer<vtkUnsignedCharArray> colours_;
    vtkSmartPointer<vtkPolyData> data_;
    vtkSmartPointer<vtkActor> actor_;
};

} // namespace vexel
