#pragma once

#include "TrackLine.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <array>
#include <memory>
#include <string>
#include <vector>
#include <vtkSmartPointer.h>

class QVTKOpenGLNativeWidget;
class vtkActor;
class vtkCamera;
class vtkGenericOpenGLRenderWindow;
class vtkRenderer;
class vtkRenderStepsPass;

namespace vexel {

namespace geometry {
class DetectorGeometry;
}
class EventDisplayInteractorStyle;
class EventDisplayLowResolutionPass;
class TrackLineBatch;

// The 3D view: a geometry scene (the detector, one actor per logical volume) and
// an event scene (track lines), each shown or hidden as a whole, with camera
// operations and picking of track lines.
//
// Cameras: after resetCameras() the view looks along +x with y up (z to the
// right) and the whole scene in view. rotateCamera(hor, ver) first turns the
// view by ver about the screen's vertical axis, then tilts it by hor about the
// screen's horizontal axis (negative: the camera rises): (0, -pi/2) looks along
// z, (pi/2, -pi/2) along y, (-1.2, 0.5) obliquely from above.
//
// While the mouse turns, moves or zooms the view, frames are drawn lighter (at half
// resolution, detector solids seen from outside without their back faces); the frame
// after the mouse is released is the full one.
class EventDisplay : public QWidget {
    Q_OBJECT
public:
    using Box = std::array<double, 6>; // xmin, xmax, ymin, ymax, zmin, zmax
    using Vec3 = std::array<double, 3>;
    // Highlights of the event scene: the track picked last and the two chosen ones.
    enum class Highlight { Picked, FirstChosen, SecondChosen };

    explicit EventDisplay(QWidget* parent = nullptr);
    ~EventDisplay() override;

    void setBackground(const QColor& colour);
    QColor background() const;

    // Geometry scene.
    void loadDetector(const geometry::DetectorGeometry& detector);
    bool hasDetector() const { return !volumes_.empty(); }
    void setDetectorVisible(bool visible);
    bool detectorVisible() const { return detectorVisible_; }
    int volumeCount() const { return static_cast<int>(volumes_.size()); }
    int findVolume(const std::string& name) const;
    const std::string& volumeName(int volume) const { return volumes_[volume].name; }
    int volumeMaterial(int volume) const { return volumes_[volume].material; }
    bool volumeVisible(int volume) const { return volumes_[volume].visible; }
    void setVolumeVisible(int volume, bool visible);
    int materialCount() const { return static_cast<int>(materials_.size()); }
    const std::string& materialName(int material) const { return materials_[material].name; }
    QColor materialColour(int material) const { return materials_[material].colour; }
    // Per cent, 0 opaque to 100 invisible; shared by every volume of the material.
    unsigned materialTransparency(int material) const { return materials_[material].transparency; }
    void setMaterialTransparency(int material, unsigned transparency);
    // The volume of every placement below the world, depth first.
    const std::vector<int>& volumeWalk() const { return walk_; }

    // Event scene.
    const TrackLine* addLine(std::vector<TrackLine::Point> points, const QColor& colour,
                             float width = 1.0f);
    // Removes the lines and their highlights.
    void clearEvent();
    int lineCount() const { return static_cast<int>(lines_.size()); }
    const TrackLine* line(int index) const { return lines_[index].line.get(); }

    // Draws line (a line of this scene, or none to remove the highlight) wider, in its own
    // colour, with a ring of the highlight's colour, over the detector. A line may carry
    // several highlights; the picked one is the outer ring.
    void setHighlight(Highlight highlight, const TrackLine* line);
    const TrackLine* highlighted(Highlight highlight) const;
    void clearHighlights();
    static QColor highlightColour(Highlight highlight);

    // Lighter frames while the mouse moves the view (on by default); off, every frame is a
    // full one, as for comparisons.
    void setLighterWhileInteracting(bool lighter);
    bool lighterWhileInteracting() const { return lighterWhileInteracting_; }
    bool interacting() const { return interacting_; }

    // Cameras.
    void resetCameras();
    void rotateCamera(double hor, double ver);
    // Frames box keeping the viewing direction.
    void setupCamera(const Box& box);
    // Moves the view centre to centre, keeping direction and distance, then rotates.
    void configureCamera(const Vec3& centre, double hor, double ver);
    Vec3 cameraFocalPoint() const;
    Vec3 cameraPosition() const;
    Vec3 cameraViewUp() const;
    double cameraViewAngle() const;
    // Asks for the view to be rendered once control is back in the event loop; several
    // requests in one operation give one frame.
    void draw();
    // Renders the view at once.
    void renderNow();

    // The track line under a point of this widget (Qt coordinates), or none.
    const TrackLine* pickLine(const QPoint& position);
    // A world point in this widget's coordinates (Qt, origin top left).
    QPoint toWidget(const Vec3& world) const;
    // The rendered view.
    QImage renderImage();

    QVTKOpenGLNativeWidget* vtkWidget() const { return widget_; }
    vtkRenderer* renderer() const;
    vtkCamera* camera() const;

signals:
    // A click without drag on a track line.
    void clicked(const vexel::TrackLine* line);

private:
    struct VolumeActor {
        std::string name;
        int material = -1;
        bool visible = true;
        vtkSmartPointer<vtkActor> actor; // null when the volume has no placement drawn
    };
    struct MaterialState {
        std::string name;
        QColor colour;
        unsigned transparency = 0;
    };
    struct SceneLine {
        std::unique_ptr<TrackLine> line;
        bool drawn = false; // false for a line of fewer than two points
    };
    // The lines of one width, drawn by one actor kept from event to event.
    struct WidthBatch {
        float width;
        std::unique_ptr<TrackLineBatch> batch;
    };

    void updateVolumeActor(int volume);
    TrackLineBatch& eventBatch(float width);
    void updateHighlights();
    void beginInteraction();
    void endInteraction();
    void cullBackFacesSeenFromOutside();
    void handleClick(int x, int y);
    const TrackLine* pickAtDisplay(int x, int y);

    QVTKOpenGLNativeWidget* widget_;
    vtkSmartPointer<vtkGenericOpenGLRenderWindow> window_;
    vtkSmartPointer<vtkRenderer> renderer_;
    vtkSmartPointer<EventDisplayInteractorStyle> style_;
    // Layers over the scene for highlighted lines: the rings from the outside in, then the
    // lines themselves, each layer over the one before.
    std::array<vtkSmartPointer<vtkRenderer>, 4> highlightLayers_;
    std::array<const TrackLine*, 3> highlights_{};
    // Per layer, one copy for each highlighted line; kept and refilled as highlights change.
    std::array<std::array<std::unique_ptr<TrackLineBatch>, 3>, 4> highlightCopies_;
    vtkSmartPointer<EventDisplayLowResolutionPass> interactionPass_;
    std::vector<VolumeActor> volumes_;
    std::vector<MaterialState> materials_;
    std::vector<int> walk_;
    std::vector<SceneLine> lines_;
    std::vector<WidthBatch> batches_;
    bool detectorVisible_ = true;
    bool renderPending_ = false;
    bool lighterWhileInteracting_ = true;
    bool interacting_ = false;
};

} // namespace vexel
