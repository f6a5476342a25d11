// Owns the bound on the work a view has sent to the GL renderer and not yet
// seen done.
#pragma once

#include <qopengl.h>

class QOpenGLContext;

// Keeps the renderer at most one slice behind the view: each slice of a
// frame is marked when sent, and the next slice is sent once the one
// before the last has been done, so that the renderer works on one slice
// while the view sends the next and the window answers, yet no backlog
// builds up. Whether it has been done can be asked without waiting; a
// slice sent without asking waits for it. Where the context has no fences,
// each slice is waited for whole.
class RendererQueue
{
public:
    RendererQueue() = default;
    RendererQueue(const RendererQueue&) = delete;
    RendererQueue& operator=(const RendererQueue&) = delete;

    // Marks what has been sent so far and waits until what was marked two
    // slices back is done. The context must be current.
    void sliceSent();
    // Waits until all that was sent is done. The context must be current.
    void finish();
    // Whether the renderer has done what the next slice would wait for
    // (with all, everything marked), asked without waiting. Without fences
    // each slice was waited for whole. The context must be current.
    bool caughtUp(bool all);
    // The context is going away with its fences; the handles are no longer
    // anyone's to delete.
    void forget();

private:
    bool resolve();

    QOpenGLContext* resolvedFor = nullptr;
    GLsync (*fenceSync)(GLenum, GLbitfield) = nullptr;
    GLenum (*clientWaitSync)(GLsync, GLbitfield, GLuint64) = nullptr;
    void (*deleteSync)(GLsync) = nullptr;
    // The marks of the slice before the last and of the last.
    GLsync older = nullptr;
    GLsync latest = nullptr;
};
