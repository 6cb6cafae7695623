#pragma once

#include <functional>
#include <vtkInteractorStyleTrackballCamera.h>

namespace vexel {

// Mouse handling of the event display: left drag rotates (CTRL: ten times finer,
// CTRL+SHIFT: a hundred times finer), right drag and the wheel zoom, middle drag
// pans. A left click without drag reports the display position for picking.
class EventDisplayInteractorStyle : public vtkInteractorStyleTrackballCamera {
public:
    static EventDisplayInteractorStyle* New();
    vtkTypeMacro(EventDisplayInteractorStyle, vtkInteractorStyleTrackballCamera);

    using ClickHandler = std::function<void(int x, int y)>;
    void setClickHandler(ClickHandler handler) { clickHandler_ = std::move(handler); }

    // Rotation factor for the modifier keys: 1, 0.1 with CTRL, 0.01 with CTRL+SHIFT.
    static double rotationScale(bool control, bool shift);

    void OnLeftButtonDown() override;
    void OnLeftButtonUp() override;
    void OnMouseMove() override;
    void Rotate() override;
    // Keys do nothing: the style's letter commands (wireframe, stereo, ...) are not offered.
    void OnChar() override {}

private:
    EventDisplayInteractorStyle() = default;

    ClickHandler clickHandler_;
    int pressPosition_[2] = {0, 0};
    bool leftPressed_ = false;
    bool dragged_ = false;
};

} // namespace vexel
