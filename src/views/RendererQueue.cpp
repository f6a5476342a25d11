// Owns the bound on the work a view has sent to the GL renderer: one fence
// at a time, behind the slice last sent.
#include "views/RendererQueue.h"

#include <QOpenGLContext>

namespace {

const GLenum syncGpuCommandsComplete = 0x9117;
const GLbitfield syncFlushCommandsBit = 0x00000001;
const GLuint64 waitForever = ~GLuint64(0);
const GLenum timeoutExpired = 0x911B;

} // namespace

bool RendererQueue::resolve()
{
    QOpenGLContext* context = QOpenGLContext::currentContext();
    if (!context)
        return false;
    if (context != resolvedFor) {
        resolvedFor = context;
        // A fence of another context means nothing in this one.
        older = nullptr;
        latest = nullptr;
        fenceSync = reinterpret_cast<decltype(fenceSync)>(context->getProcAddress("glFenceSync"));
        clientWaitSync = reinterpret_cast<decltype(clientWaitSync)>(context->getProcAddress("glClientWaitSync"));
        deleteSync = reinterpret_cast<decltype(deleteSync)>(context->getProcAddress("glDeleteSync"));
        const QSurfaceFormat format = context->format();
        const bool core32 = format.majorVersion() > 3 || (format.majorVersion() == 3 && format.minorVersion() >= 2);
        if (!(core32 || context->hasExtension(QByteArrayLiteral("GL_ARB_sync"))) || !fenceSync ||
            !clientWaitSync || !deleteSync) {
            fenceSync = nullptr;
            clientWaitSync = nullptr;
            deleteSync = nullptr;
        }
    }
    return fenceSync != nullptr;
}

void RendererQueue::sliceSent()
{
    if (!resolve()) {
        glFinish();
        return;
    }
    GLsync sent = fenceSync(syncGpuCommandsComplete, 0);
    // The fence reaches the renderer with the slice, so that the slice is
    // being done while the window answers.
    glFlush();
    if (older) {
        clientWaitSync(older, syncFlushCommandsBit, waitForever);
        deleteSync(older);
    }
    older = latest;
    latest = sent;
    if (!latest)
        glFinish();
}

void RendererQueue::finish()
{
    const bool fences = resolve();
    glFinish();
    if (fences) {
        if (older)
            deleteSync(older);
        if (latest)
            deleteSync(latest);
    }
    older = nullptr;
    latest = nullptr;
}

bool RendererQueue::caughtUp(bool all)
{
    if (!resolve())
        return true;
    // A failed wait says nothing more is to be had from a fence: the next
    // slice's own wait settles it.
    const auto done = [this](GLsync& fence) {
        if (!fence)
            return true;
        if (clientWaitSync(fence, syncFlushCommandsBit, 0) == timeoutExpired)
            return false;
        deleteSync(fence);
        fence = nullptr;
        return true;
    };
    return done(older) && (!all || done(latest));
}

void RendererQueue::forget()
{
    older = nullptr;
    latest = nullptr;
    resolvedFor = nullptr;
}
