#include "EventDisplayLowResolutionPass.h"

#include <vtkObjectFactory.h>
#include <vtkOpenGLFramebufferObject.h>
#include <vtkOpenGLRenderWindow.h>
#include <vtkOpenGLState.h>
#include <vtkRenderState.h>
#include <vtkRenderer.h>
#include <vtk_glew.h>

namespace vexel {

vtkStandardNewMacro(EventDisplayLowResolutionPass);

EventDisplayLowResolutionPass::~EventDisplayLowResolutionPass() {
    if (delegate_)
        delegate_->Delete();
    if (framebuffer_)
        framebuffer_->Delete();
}

void EventDisplayLowResolutionPass::setDelegatePass(vtkRenderPass* pass) {
    if (pass)
        pass->Register(this);
    if (delegate_)
        delegate_->UnRegister(this);
    delegate_ = pass;
}

void EventDisplayLowResolutionPass::Render(const vtkRenderState* s) {
    NumberOfRenderedProps = 0;
    if (!delegate_)
        return;
    vtkRenderer* renderer = s->GetRenderer();
    auto* window = vtkOpenGLRenderWindow::SafeDownCast(renderer->GetRenderWindow());
    if (!window)
        return;
    vtkOpenGLState* state = window->GetState();
    int width = 0, height = 0, x = 0, y = 0;
    renderer->GetTiledSizeAndOrigin(&width, &height, &x, &y);
    const int smallWidth = std::max(1, width / factor_);
    const int smallHeight = std::max(1, height / factor_);

    if (!framebuffer_) {
        framebuffer_ = vtkOpenGLFramebufferObject::New();
        framebuffer_->SetContext(window);
    }
    state->PushFramebufferBindings();
    framebuffer_->Bind();
    const int* size = framebuffer_->GetLastSize();
    if (framebuffer_->GetNumberOfColorAttachments() == 0)
        framebuffer_->PopulateFramebuffer(smallWidth, smallHeight);
    else if (size[0] != smallWidth || size[1] != smallHeight)
        framebuffer_->Resize(smallWidth, smallHeight);
    framebuffer_->ActivateDrawBuffer(0);
    framebuffer_->StartNonOrtho(smallWidth, smallHeight);

    vtkRenderState small(renderer);
    small.SetPropArrayAndCount(s->GetPropArray(), s->GetPropArrayCount());
    small.SetFrameBuffer(framebuffer_);
    delegate_->Render(&small);
    NumberOfRenderedProps = delegate_->GetNumberOfRenderedProps();
    state->PopFramebufferBindings();

    // Scale up into the viewport of the frame being drawn.
    state->PushReadFramebufferBinding();
    framebuffer_->Bind(GL_READ_FRAMEBUFFER);
    framebuffer_->ActivateReadBuffer(0);
    state->vtkglViewport(x, y, width, height);
    state->vtkglScissor(x, y, width, height);
    state->vtkglBlitFramebuffer(0, 0, smallWidth, smallHeight, x, y, x + width, y + height,
                                GL_COLOR_BUFFER_BIT, GL_LINEAR);
    state->PopReadFramebufferBinding();
}

void EventDisplayLowResolutionPass::ReleaseGraphicsResources(vtkWindow* w) {
    if (delegate_)
        delegate_->ReleaseGraphicsResources(w);
    if (framebuffer_) {
        framebuffer_->Delete();
        framebuffer_ = nullptr;
    }
}

} // namespace vexel
