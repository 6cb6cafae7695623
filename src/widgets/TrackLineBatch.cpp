#include "TrackLineBatch.h"

#include <vtkActor.h>
#include <vtkCellArray.h>
#include <vtkPointData.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkProperty.h>
#include <vtkUnsignedCharArray.h>

namespace vexel {

TrackLineBatch::TrackLineBatch()
    : points_(vtkSmartPointer<vtkPoints>::New()), cells_(vtkSmartPointer<vtkCellArray>::New()),
      colours_(vtkSmartPointer<vtkUnsignedCharArray>::New()),
      data_(vtkSmartPointer<vtkPolyData>::New()), actor_(vtkSmartPointer<vtkActor>::New()) {
    points_->SetDataTypeToFloat();
    // Opaque RGBA: the mapper draws these colours as they are, without a converted copy.
    colours_->SetNumberOfComponents(4);
    colours_->SetName("colours");
    data_->SetPoints(points_);
    data_->SetLines(cells_);
    data_->GetPointData()->SetScalars(colours_);
    auto mapper = vtkSmartPointer<vtkPolyDataMapper>::New();
    mapper->SetInputData(data_);
    mapper->ScalarVisibilityOn();
    mapper->SetColorModeToDirectScalars();
    mapper->SetScalarModeToUsePointData();
    actor_->SetMapper(mapper);
    actor_->GetProperty()->LightingOff();
    actor_->VisibilityOff();
}

TrackLineBatch::~TrackLineBatch() = default;

void TrackLineBatch::setWidth(float pixels) {
    actor_->GetProperty()->SetLineWidth(pixels);
}

float TrackLineBatch::width() const {
    return actor_->GetProperty()->GetLineWidth();
}

void TrackLineBatch::clear() {
    // Reset keeps the arrays' storage for the next lines.
    points_->Reset();
    cells_->Reset();
    colours_->Reset();
    points_->Modified();
    colours_->Modified();
    data_->Modified();
    actor_->VisibilityOff();
}

void TrackLineBatch::add(const std::vector<TrackLine::Point>& points, const QColor& colour) {
    if (points.size() < 2)
        return;
    const vtkIdType first = points_->GetNumberOfPoints();
    cells_->InsertNextCell(static_cast<vtkIdType>(points.size()));
    const unsigned char rgba[4] = {static_cast<unsigned char>(colour.red()),
                                   static_cast<unsigned char>(colour.green()),
                                   static_cast<unsigned char>(colour.blue()), 255};
    for (std::size_t i = 0; i < points.size(); ++i) {
        points_->InsertNextPoint(points[i][0], points[i][1], points[i][2]);
        cells_->InsertCellPoint(first + static_cast<vtkIdType>(i));
        colours_->InsertNextTypedTuple(rgba);
    }
    points_->Modified();
    colours_->Modified();
    data_->Modified();
    actor_->VisibilityOn();
}

int TrackLineBatch::lineCount() const {
    return static_cast<int>(cells_->GetNumberOfCells());
}

} // namespace vexel
