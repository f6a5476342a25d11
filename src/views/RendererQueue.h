// Owns the bound on the work a view has sent to the GL renderer and not yet
// seen done.
#pragma once

#include <qopengl.h>

class QOpenGLContext;

// Keeps the renderer at most one slice behind the view: each slice of a
// frame is marked when sent, and the view then waits only until the slice
// before has been done, so that the renderer works on one slice while the
// view sends the next and the window answers, yet no backlog builds up.
// Where the context has no fences, each slice is waited for whole.
class RendererQueue
{
public:
    RendererQueue() = default;
    RendererQueue(const RendererQueue&) = delete;
    RendererQueue& operator=(const RendererQueue&) = delete;

    // Marks what has been sent so far and waits until what was marked the
    // time before is done. The context must be current.
    void sliceSent();
    // Waits until all that was sent is done. The context must be current.
    void finish();
    // Whether the renderer has done all that was marked, asked without
    // waiting: then the next slice waits for nothing. Without fences each
    // slice was waited for whole. The context must be current.
    bool caughtUp();
    // The context is going away with its fence; the handle is no longer
    // anyone's to delete.
    void forget();

private:
    bool resolve();

    QOpenGLContext* resolvedFor = nullptr;
    GLsync (*fenceSync)(GLenum, GLbitfield) = nullptr;
    GLenum (*clientWaitSync)(GLsync, GLbitfield, GLuint64) = nullptr;
    void (*deleteSync)(GLsync) = nullptr;
    GLsync pending = nullptr;
};
