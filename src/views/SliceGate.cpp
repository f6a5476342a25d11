#include "views/SliceGate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QGLWidget>
#include <QTimer>

#include "views/FrameScheduler.h"

// Longer than the gap between two keys of a quick typist, so that slices
// stay out of a burst of keys; short enough that a picture is not held
// noticeably after it.
int SliceGate::pause = 200;

namespace {

// How often (ms) a frame in slices looks whether the renderer has done the
// slice before, the window answering in between.
const int rendererPollMs = 3;

} // namespace

bool SliceGate::sliceMayGo(QGLWidget& view, FrameScheduler& frames, QTimer& sliceTimer)
{
    int askAgainMs = 0;
    if (!mayDraw(askAgainMs)) {
        sliceTimer.start(askAgainMs);
        return false;
    }
    if (frames.isDrawingInSlices() && view.isValid()) {
        view.makeCurrent();
        if (!frames.rendererReady()) {
            sliceTimer.start(rendererPollMs);
            return false;
        }
    }
    return true;
}

SliceGate& SliceGate::instance()
{
    static SliceGate* const gate = [] {
        auto* watch = new SliceGate;
        if (QCoreApplication* application = QCoreApplication::instance())
            application->installEventFilter(watch);
        return watch;
    }();
    return *gate;
}

bool SliceGate::mayDraw(int& askAgainMs)
{
    SliceGate& gate = instance();
    askAgainMs = 0;
    if (gate.lastKey.isValid()) {
        const qint64 since = gate.lastKey.elapsed();
        if (since < pause) {
            askAgainMs = int(pause - since);
            return false;
        }
    }
    return !gate.turnTaken;
}

void SliceGate::sliceDrawn()
{
    SliceGate& gate = instance();
    if (gate.turnTaken)
        return;
    gate.turnTaken = true;
    // Posted, it is handled in the window's next turn, after the events
    // posted during the slice (keys among them).
    QMetaObject::invokeMethod(
        &gate, [&gate] { gate.turnTaken = false; }, Qt::QueuedConnection);
}

bool SliceGate::eventFilter(QObject* receiver, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        lastKey.start();
    return QObject::eventFilter(receiver, event);
}
