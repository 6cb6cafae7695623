#include "EventDisplayInteractorStyle.h"

#include <cstdlib>
#include <vtkCallbackCommand.h>
#include <vtkObjectFactory.h>
#include <vtkRenderWindowInteractor.h>

namespace vexel {

vtkStandardNewMacro(EventDisplayInteractorStyle);

namespace {
constexpr int clickTolerance = 3; // pixels the mouse may move during a click
}

double EventDisplayInteractorStyle::rotationScale(bool control, bool shift) {
    if (control && shift)
        return 0.01;
    if (control)
        return 0.1;
    return 1.0;
}

void EventDisplayInteractorStyle::OnLeftButtonDown() {
    const int* position = Interactor->GetEventPosition();
    pressPosition_[0] = position[0];
    pressPosition_[1] = position[1];
    leftPressed_ = true;
    dragged_ = false;
    // The modifier keys change the speed of the rotation, never the mode.
    FindPokedRenderer(position[0], position[1]);
    if (!CurrentRenderer)
        return;
    GrabFocus(EventCallbackCommand);
    StartRotate();
}

void EventDisplayInteractorStyle::OnMouseMove() {
    if (leftPressed_) {
        const int* position = Interactor->GetEventPosition();
        if (std::abs(position[0] - pressPosition_[0]) > clickTolerance ||
            std::abs(position[1] - pressPosition_[1]) > clickTolerance)
            dragged_ = true;
    }
    Superclass::OnMouseMove();
}

void EventDisplayInteractorStyle::OnLeftButtonUp() {
    const bool click = leftPressed_ && !dragged_;
    leftPressed_ = false;
    if (State == VTKIS_ROTATE)
        EndRotate();
    if (Interactor)
        ReleaseFocus();
    if (click && clickHandler_)
        clickHandler_(pressPosition_[0], pressPosition_[1]);
}

void EventDisplayInteractorStyle::Rotate() {
    if (!dragged_)
        return; // small jitter of a click does not turn the view
    const double saved = MotionFactor;
    MotionFactor *= rotationScale(Interactor->GetControlKey() != 0, Interactor->GetShiftKey() != 0);
    Superclass::Rotate();
    MotionFactor = saved;
}

} // namespace vexel
