#pragma once

#include <vtkOpenGLRenderPass.h>

class vtkOpenGLFramebufferObject;

namespace vexel {

// Renders the delegate pass at a fraction of the viewport's resolution and scales
// the picture up into the viewport: a quarter of the pixels to shade at factor 2.
// The viewport's depth buffer is left as it was.
class EventDisplayLowResolutionPass : public vtkOpenGLRenderPass {
public:
    static EventDisplayLowResolutionPass* New();
    vtkTypeMacro(EventDisplayLowResolutionPass, vtkOpenGLRenderPass);

    void setDelegatePass(vtkRenderPass* pass);
    // Each side of the picture is divided by this factor (at least 1).
    void setFactor(int factor) { factor_ = factor < 1 ? 1 : factor; }
    int factor() const { return factor_; }

    void Render(const vtkRenderState* s) override;
    void ReleaseGraphicsResources(vtkWindow* w) override;

private:
    EventDisplayLowResolutionPass() = default;
    ~EventDisplayLowResolutionPass() override;
    EventDisplayLowResolutionPass(const EventDisplayLowResolutionPass&) = delete;
    void operator=(const EventDisplayLowResolutionPass&) = delete;

    vtkRenderPass* delegate_ = nullptr;
    vtkOpenGLFramebufferObject* framebuffer_ = nullptr;
    int factor_ = 2;
};

} // namespace vexel
