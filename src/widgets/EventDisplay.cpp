#include "EventDisplay.h"

#include "DetectorGeometry.h"
#include "EventDisplayInteractorStyle.h"
#include "EventDisplayLowResolutionPass.h"
#include "TrackLineBatch.h"

#include <QVBoxLayout>
#include <QVTKOpenGLNativeWidget.h>
#include <algorithm>
#include <cmath>
#include <vtkActor.h>
#include <vtkCamera.h>
#include <vtkCellArray.h>
#include <vtkCommand.h>
#include <vtkCoordinate.h>
#include <vtkGenericOpenGLRenderWindow.h>
#include <vtkIdList.h>
#include <vtkPoints.h>
#include <vtkPolyData.h>
#include <vtkPolyDataMapper.h>
#include <vtkPolyDataNormals.h>
#include <vtkProp.h>
#include <vtkPropCollection.h>
#include <vtkProperty.h>
#include <vtkRenderStepsPass.h>
#include <vtkRenderWindowInteractor.h>
#include <vtkRenderer.h>

namespace vexel {

namespace {

using Vec3 = EventDisplay::Vec3;

// Picking: lines within this fraction of the window's diagonal can be picked; lines
// closer together than samePlace pixels count as equally near the pointer.
constexpr double pickTolerance = 0.003;
constexpr double samePlace = 0.5;

// Highlight rings: each ring this many pixels wider than the one inside it.
constexpr float ringWidth = 6.0f;

Vec3 cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

double dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

Vec3 normalised(const Vec3& v) {
    const double n = std::sqrt(dot(v, v));
    return n > 0 ? Vec3{v[0] / n, v[1] / n, v[2] / n} : v;
}

// Rodrigues' rotation of v about the unit axis k by angle (radians).
Vec3 rotated(const Vec3& v, const Vec3& k, double angle) {
    const double c = std::cos(angle), s = std::sin(angle);
    const Vec3 kxv = cross(k, v);
    const double kv = dot(k, v) * (1 - c);
    return {v[0] * c + kxv[0] * s + k[0] * kv, v[1] * c + kxv[1] * s + k[1] * kv,
            v[2] * c + kxv[2] * s + k[2] * kv};
}

} // namespace

EventDisplay::EventDisplay(QWidget* parent) : QWidget(parent) {
    qRegisterMetaType<const vexel::TrackLine*>();
    widget_ = new QVTKOpenGLNativeWidget(this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(widget_);

    window_ = vtkSmartPointer<vtkGenericOpenGLRenderWindow>::New();
    // Multisampling costs more than the rest of a frame on software renderers.
    window_->SetMultiSamples(0);
    widget_->setRenderWindow(window_);
    // Every paint copies the whole rendered frame: the widget's buffer need not be cleared.
    widget_->setUpdateBehavior(QOpenGLWidget::PartialUpdate);
    // The first frame can only be rendered once the view has its OpenGL surface.
    connect(widget_, &QOpenGLWidget::resized, this, [this] { renderNow(); });
    renderer_ = vtkSmartPointer<vtkRenderer>::New();
    renderer_->SetBackground(1, 1, 1);
    // Plain alpha blending: depth peeling costs too much on software renderers.
    renderer_->SetUseDepthPeeling(false);
    renderer_->SetNearClippingPlaneTolerance(1e-4);
    window_->AddRenderer(renderer_);

    // Highlighted lines over everything else, seen by the same camera.
    window_->SetNumberOfLayers(static_cast<int>(highlightLayers_.size()) + 1);
    for (std::size_t i = 0; i < highlightLayers_.size(); ++i) {
        auto& layer = highlightLayers_[i];
        layer = vtkSmartPointer<vtkRenderer>::New();
        layer->SetLayer(static_cast<int>(i) + 1);
        layer->SetActiveCamera(renderer_->GetActiveCamera());
        layer->InteractiveOff();
        layer->DrawOff();
        window_->AddRenderer(layer);
        for (auto& copy : highlightCopies_[i]) {
            copy = std::make_unique<TrackLineBatch>();
            copy->actor()->PickableOff();
            layer->AddActor(copy->actor());
        }
    }

    interactionPass_ = vtkSmartPointer<EventDisplayLowResolutionPass>::New();
    interactionPass_->setDelegatePass(vtkSmartPointer<vtkRenderStepsPass>::New());
    renderer_->AddObserver(vtkCommand::StartEvent, this,
                           &EventDisplay::cullBackFacesSeenFromOutside);

    style_ = vtkSmartPointer<EventDisplayInteractorStyle>::New();
    style_->SetDefaultRenderer(renderer_);
    style_->setClickHandler([this](int x, int y) { handleClick(x, y); });
    style_->AddObserver(vtkCommand::StartInteractionEvent, this, &EventDisplay::beginInteraction);
    style_->AddObserver(vtkCommand::EndInteractionEvent, this, &EventDisplay::endInteraction);
    window_->GetInteractor()->SetInteractorStyle(style_);
    resetCameras();
}

EventDisplay::~EventDisplay() {
    style_->RemoveObservers(vtkCommand::StartInteractionEvent);
    style_->RemoveObservers(vtkCommand::EndInteractionEvent);
    renderer_->RemoveObservers(vtkCommand::StartEvent);
}

vtkRenderer* EventDisplay::renderer() const {
    return renderer_;
}
vtkCamera* EventDisplay::camera() const {
    return renderer_->GetActiveCamera();
}

void EventDisplay::setBackground(const QColor& colour) {
    renderer_->SetBackground(colour.redF(), colour.greenF(), colour.blueF());
}

QColor EventDisplay::background() const {
    double rgb[3];
    renderer_->GetBackground(rgb);
    return QColor::fromRgbF(rgb[0], rgb[1], rgb[2]);
}

void EventDisplay::loadDetector(const geometry::DetectorGeometry& detector) {
    for (const auto& volume : volumes_)
        if (volume.actor)
            renderer_->RemoveActor(volume.actor);
    volumes_.clear();
    materials_.clear();
    for (const auto& material : detector.materials()) {
        const auto& c = material.look.colour;
        materials_.push_back({material.name, QColor(c.r, c.g, c.b), material.look.transparency});
    }
    for (const auto& volume : detector.volumes())
        volumes_.push_back({volume.name, volume.material, true, nullptr});
    walk_ = detector.walk();

    // All placements of a logical volume in one actor.
    std::vector<vtkSmartPointer<vtkPoints>> points(volumes_.size());
    std::vector<vtkSmartPointer<vtkCellArray>> polygons(volumes_.size());
    for (const auto& placement : detector.placements()) {
        const auto v = static_cast<std::size_t>(placement.volume);
        if (!points[v]) {
            points[v] = vtkSmartPointer<vtkPoints>::New();
            polygons[v] = vtkSmartPointer<vtkCellArray>::New();
        }
        const vtkIdType offset = points[v]->GetNumberOfPoints();
        for (const auto& p : placement.vertices)
            points[v]->InsertNextPoint(p[0], p[1], p[2]);
        std::size_t next = 0;
        for (const std::uint32_t size : placement.polygonSizes) {
            polygons[v]->InsertNextCell(static_cast<vtkIdType>(size));
            for (std::uint32_t i = 0; i < size; ++i)
                polygons[v]->InsertCellPoint(offset + placement.polygonIndices[next++]);
        }
    }
    for (std::size_t v = 0; v < volumes_.size(); ++v) {
        if (!points[v])
            continue;
        auto data = vtkSmartPointer<vtkPolyData>::New();
        data->SetPoints(points[v]);
        data->SetPolys(polygons[v]);
        // Outward normals, sharp edges kept: faces are lit whatever their winding.
        auto normals = vtkSmartPointer<vtkPolyDataNormals>::New();
        normals->SetInputData(data);
        normals->ConsistencyOn();
        normals->AutoOrientNormalsOn();
        normals->SplittingOn();
        normals->SetFeatureAngle(40);
        normals->Update();
        auto mapper = vtkSmartPointer<vtkPolyDataMapper>::New();
        mapper->SetInputData(normals->GetOutput());
        mapper->ScalarVisibilityOff();
        auto actor = vtkSmartPointer<vtkActor>::New();
        actor->SetMapper(mapper);
        actor->PickableOff();
        actor->GetProperty()->SetAmbient(0.25);
        actor->GetProperty()->SetDiffuse(0.75);
        volumes_[v].actor = actor;
        renderer_->AddActor(actor);
        updateVolumeActor(static_cast<int>(v));
    }
}

void EventDisplay::updateVolumeActor(int volume) {
    auto& v = volumes_[volume];
    if (!v.actor)
        return;
    double opacity = 1.0;
    QColor colour(160, 160, 160);
    if (v.material >= 0) {
        colour = materials_[v.material].colour;
        opacity = 1.0 - materials_[v.material].transparency / 100.0;
    }
    v.actor->GetProperty()->SetColor(colour.redF(), colour.greenF(), colour.blueF());
    v.actor->GetProperty()->SetOpacity(opacity);
    v.actor->SetVisibility(detectorVisible_ && v.visible && opacity > 0);
}

void EventDisplay::setDetectorVisible(bool visible) {
    detectorVisible_ = visible;
    for (int v = 0; v < volumeCount(); ++v)
        updateVolumeActor(v);
}

int EventDisplay::findVolume(const std::string& name) const {
    for (std::size_t i = 0; i < volumes_.size(); ++i)
        if (volumes_[i].name == name)
            return static_cast<int>(i);
    return -1;
}

void EventDisplay::setVolumeVisible(int volume, bool visible) {
    volumes_[volume].visible = visible;
    updateVolumeActor(volume);
}

void EventDisplay::setMaterialTransparency(int material, unsigned transparency) {
    materials_[material].transparency = std::min(transparency, 100u);
    for (int v = 0; v < volumeCount(); ++v)
        if (volumes_[v].material == material)
            updateVolumeActor(v);
}

TrackLineBatch& EventDisplay::eventBatch(float width) {
    const auto found = std::find_if(batches_.begin(), batches_.end(),
                                    [width](const WidthBatch& b) { return b.width == width; });
    if (found != batches_.end())
        return *found->batch;
    batches_.push_back({width, std::make_unique<TrackLineBatch>()});
    renderer_->AddActor(batches_.back().batch->actor());
    return *batches_.back().batch;
}

const TrackLine* EventDisplay::addLine(std::vector<TrackLine::Point> points, const QColor& colour,
                                       float width) {
    SceneLine entry;
    entry.line = std::make_unique<TrackLine>(std::move(points), colour, width);
    entry.drawn = entry.line->points().size() >= 2;
    if (entry.drawn) {
        TrackLineBatch& batch = eventBatch(width);
        // VTK draws widths in device pixels: as thick on a high-density screen as elsewhere.
        batch.setWidth(width * static_cast<float>(widget_->devicePixelRatioF()));
        batch.add(entry.line->points(), colour);
    }
    lines_.push_back(std::move(entry));
    return lines_.back().line.get();
}

void EventDisplay::clearEvent() {
    highlights_ = {};
    updateHighlights();
    for (const auto& entry : batches_)
        entry.batch->clear();
    lines_.clear();
}

QColor EventDisplay::highlightColour(Highlight highlight) {
    switch (highlight) {
    case Highlight::Picked:
        return QColor(255, 200, 0);
    case Highlight::FirstChosen:
        return QColor(0, 200, 255);
    case Highlight::SecondChosen:
        return QColor(150, 230, 0);
    }
    return QColor();
}

void EventDisplay::setHighlight(Highlight highlight, const TrackLine* line) {
    const bool ours = std::any_of(lines_.begin(), lines_.end(), [line](const SceneLine& entry) {
        return entry.line.get() == line;
    });
    highlights_[static_cast<std::size_t>(highlight)] = ours ? line : nullptr;
    updateHighlights();
    draw();
}

const TrackLine* EventDisplay::highlighted(Highlight highlight) const {
    return highlights_[static_cast<std::size_t>(highlight)];
}

void EventDisplay::clearHighlights() {
    highlights_ = {};
    updateHighlights();
    draw();
}

void EventDisplay::updateHighlights() {
    for (const auto& layer : highlightCopies_)
        for (const auto& copy : layer)
            copy->clear();
    const auto ratio = static_cast<float>(widget_->devicePixelRatioF());
    const std::size_t lineLayer = highlightLayers_.size() - 1;
    std::size_t slot = 0;
    std::vector<const TrackLine*> drawn;
    for (const TrackLine* line : highlights_) {
        if (!line || std::find(drawn.begin(), drawn.end(), line) != drawn.end())
            continue;
        drawn.push_back(line);
        const auto entry = std::find_if(lines_.begin(), lines_.end(), [line](const SceneLine& e) {
            return e.line.get() == line;
        });
        if (entry == lines_.end() || !entry->drawn)
            continue;
        const auto addCopy = [&](std::size_t layer, const QColor& colour, float width) {
            TrackLineBatch& copy = *highlightCopies_[layer][slot];
            copy.setWidth(width * ratio);
            copy.add(line->points(), colour);
        };
        // The picked ring outermost; the line itself on top, wider than drawn in the scene.
        std::vector<Highlight> rings;
        for (const Highlight h :
             {Highlight::Picked, Highlight::FirstChosen, Highlight::SecondChosen})
            if (highlighted(h) == line)
                rings.push_back(h);
        const float core = std::max(3.0f, line->width() + 2.0f);
        for (std::size_t k = 0; k < rings.size(); ++k) {
            const std::size_t fromLine = rings.size() - k; // 1 for the innermost ring
            addCopy(lineLayer - fromLine, highlightColour(rings[k]),
                    core + ringWidth * static_cast<float>(fromLine));
        }
        addCopy(lineLayer, line->colour(), core);
        ++slot;
    }
    for (std::size_t i = 0; i < highlightLayers_.size(); ++i)
        highlightLayers_[i]->SetDraw(std::any_of(
            highlightCopies_[i].begin(), highlightCopies_[i].end(),
            [](const std::unique_ptr<TrackLineBatch>& copy) { return copy->lineCount() > 0; }));
}

void EventDisplay::setLighterWhileInteracting(bool lighter) {
    if (interacting_)
        endInteraction();
    lighterWhileInteracting_ = lighter;
}

void EventDisplay::beginInteraction() {
    interacting_ = true;
    if (lighterWhileInteracting_)
        renderer_->SetPass(interactionPass_);
}

void EventDisplay::endInteraction() {
    interacting_ = false;
    if (renderer_->GetPass()) {
        renderer_->SetPass(nullptr);
        // The pass's buffers belong to this context; the next drag may find another one.
        window_->MakeCurrent();
        interactionPass_->ReleaseGraphicsResources(window_);
    }
    for (const auto& volume : volumes_)
        if (volume.actor)
            volume.actor->GetProperty()->BackfaceCullingOff();
}

void EventDisplay::cullBackFacesSeenFromOutside() {
    if (!interacting_ || !lighterWhileInteracting_)
        return;
    // A closed solid seen from outside hides its own back faces, unless the near plane
    // cuts it: solids nearer to the eye than the near plane's corners keep them.
    const Vec3 eye = cameraPosition();
    const double reach = 1.5 * camera()->GetClippingRange()[0];
    for (const auto& volume : volumes_) {
        if (!volume.actor || !volume.actor->GetVisibility())
            continue;
        const double* b = volume.actor->GetBounds();
        double d2 = 0;
        for (int i = 0; i < 3; ++i) {
            const double outside = std::max({b[2 * i] - eye[i], eye[i] - b[2 * i + 1], 0.0});
            d2 += outside * outside;
        }
        volume.actor->GetProperty()->SetBackfaceCulling(d2 > reach * reach);
    }
}

void EventDisplay::resetCameras() {
    vtkCamera* cam = camera();
    cam->SetFocalPoint(0, 0, 0);
    cam->SetPosition(-1, 0, 0);
    cam->SetViewUp(0, 1, 0);
    cam->SetViewAngle(30);
    renderer_->ResetCamera();
    renderer_->ResetCameraClippingRange();
}

void EventDisplay::rotateCamera(double hor, double ver) {
    vtkCamera* cam = camera();
    const Vec3 focal = cameraFocalPoint();
    const Vec3 position = cameraPosition();
    Vec3 toCamera{position[0] - focal[0], position[1] - focal[1], position[2] - focal[2]};
    Vec3 up = normalised(cameraViewUp());
    // Turn about the screen's vertical axis, then tilt about its horizontal axis.
    toCamera = rotated(toCamera, up, ver);
    const Vec3 horizontal = normalised(cross(toCamera, up));
    toCamera = rotated(toCamera, horizontal, -hor);
    up = rotated(up, horizontal, -hor);
    cam->SetPosition(focal[0] + toCamera[0], focal[1] + toCamera[1], focal[2] + toCamera[2]);
    cam->SetViewUp(up[0], up[1], up[2]);
    cam->OrthogonalizeViewUp();
    renderer_->ResetCameraClippingRange();
}

void EventDisplay::setupCamera(const Box& box) {
    double bounds[6];
    std::copy(box.begin(), box.end(), bounds);
    renderer_->ResetCamera(bounds);
    renderer_->ResetCameraClippingRange();
}

void EventDisplay::configureCamera(const Vec3& centre, double hor, double ver) {
    const Vec3 focal = cameraFocalPoint();
    const Vec3 position = cameraPosition();
    camera()->SetFocalPoint(centre[0], centre[1], centre[2]);
    camera()->SetPosition(centre[0] + position[0] - focal[0], centre[1] + position[1] - focal[1],
                          centre[2] + position[2] - focal[2]);
    rotateCamera(hor, ver);
}

EventDisplay::Vec3 EventDisplay::cameraFocalPoint() const {
    Vec3 v;
    camera()->GetFocalPoint(v.data());
    return v;
}

EventDisplay::Vec3 EventDisplay::cameraPosition() const {
    Vec3 v;
    camera()->GetPosition(v.data());
    return v;
}

EventDisplay::Vec3 EventDisplay::cameraViewUp() const {
    Vec3 v;
    camera()->GetViewUp(v.data());
    return v;
}

double EventDisplay::cameraViewAngle() const {
    return camera()->GetViewAngle();
}

void EventDisplay::draw() {
    // A paint only shows the frame rendered last: the scene must be rendered itself.
    if (renderPending_)
        return;
    renderPending_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            renderPending_ = false;
            renderNow();
        },
        Qt::QueuedConnection);
}

void EventDisplay::renderNow() {
    renderer_->ResetCameraClippingRange();
    window_->Render();
}

void EventDisplay::handleClick(int x, int y) {
    const TrackLine* line = pickAtDisplay(x, y);
    if (line)
        emit clicked(line);
}

const TrackLine* EventDisplay::pickAtDisplay(int x, int y) {
    // The line drawn nearest to the pointer, within a fraction of the window's diagonal;
    // of lines about as near, the one in front (the one seen there).
    const int* size = window_->GetSize();
    const double tolerance = pickTolerance * std::hypot(size[0], size[1]);
    const Vec3 eye = cameraPosition();
    const Vec3 focal = cameraFocalPoint();
    const Vec3 forward = normalised({focal[0] - eye[0], focal[1] - eye[1], focal[2] - eye[2]});
    // Only what lies beyond the near plane is drawn.
    const double nearPlane = camera()->GetClippingRange()[0];
    const auto inFront = [&](const Vec3& p) {
        return dot({p[0] - eye[0], p[1] - eye[1], p[2] - eye[2]}, forward) - nearPlane;
    };
    const auto toDisplay = [&](const Vec3& p) {
        renderer_->SetWorldPoint(p[0], p[1], p[2], 1.0);
        renderer_->WorldToDisplay();
        Vec3 d{};
        renderer_->GetDisplayPoint(d.data());
        return d;
    };
    const TrackLine* best = nullptr;
    double bestDistance = tolerance;
    double bestDepth = 0;
    for (const auto& entry : lines_) {
        if (!entry.drawn)
            continue;
        const auto& points = entry.line->points();
        for (std::size_t i = 1; i < points.size(); ++i) {
            Vec3 a{points[i - 1][0], points[i - 1][1], points[i - 1][2]};
            Vec3 b{points[i][0], points[i][1], points[i][2]};
            const double da = inFront(a), db = inFront(b);
            if (da < 0 && db < 0)
                continue;
            // A segment through the near plane is cut there.
            if (da < 0 || db < 0) {
                const double t = da / (da - db);
                const Vec3 cut{a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1]),
                               a[2] + t * (b[2] - a[2])};
                (da < 0 ? a : b) = cut;
            }
            const Vec3 from = toDisplay(a), to = toDisplay(b);
            // Distance from the pointer to the segment on the screen.
            const double dx = to[0] - from[0], dy = to[1] - from[1];
            const double length2 = dx * dx + dy * dy;
            const double t = std::clamp(
                length2 > 0 ? ((x - from[0]) * dx + (y - from[1]) * dy) / length2 : 0.0, 0.0, 1.0);
            const double distance = std::hypot(from[0] + t * dx - x, from[1] + t * dy - y);
            const double depth = from[2] + t * (to[2] - from[2]);
            const bool nearer = distance < bestDistance - samePlace;
            const bool asNearAndInFront =
                best && std::abs(distance - bestDistance) <= samePlace && depth < bestDepth;
            if (distance <= tolerance && (!best || nearer || asNearAndInFront)) {
                best = entry.line.get();
                bestDistance = distance;
                bestDepth = depth;
            }
        }
    }
    return best;
}

const TrackLine* EventDisplay::pickLine(const QPoint& position) {
    const double ratio = widget_->devicePixelRatioF();
    const QPoint local = widget_->mapFrom(this, position);
    const int x = static_cast<int>(local.x() * ratio);
    const int y = static_cast<int>((widget_->height() - local.y() - 1) * ratio);
    return pickAtDisplay(x, y);
}

QPoint EventDisplay::toWidget(const Vec3& world) const {
    auto coordinate = vtkSmartPointer<vtkCoordinate>::New();
    coordinate->SetCoordinateSystemToWorld();
    coordinate->SetValue(world[0], world[1], world[2]);
    const double* display = coordinate->GetComputedDoubleDisplayValue(renderer_);
    const double ratio = widget_->devicePixelRatioF();
    const QPoint local(static_cast<int>(std::lround(display[0] / ratio)),
                       widget_->height() - 1 - static_cast<int>(std::lround(display[1] / ratio)));
    return widget_->mapTo(const_cast<EventDisplay*>(this), local);
}

QImage EventDisplay::renderImage() {
    renderNow();
    return widget_->grabFramebuffer();
}

} // namespace vexel
