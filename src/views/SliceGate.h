#pragma once

#include <QElapsedTimer>
#include <QObject>

class FrameScheduler;
class QGLWidget;
class QTimer;

// Owns when the 3D views draw the slices of their pictures: not while the
// user types, so that a key shows at once and a picture under way follows
// a moment after the last one; and one slice at a time between turns of
// the window's event loop, so that a key that came during one view's slice
// is answered before the other view's. Whatever a view shows meanwhile
// stays as it is.
class SliceGate : public QObject
{
public:
    // Whether a slice due now may be drawn; when not, after how many ms to
    // ask again (0: once the window has had its turn).
    static bool mayDraw(int& askAgainMs);
    // A view has drawn a slice: no other is drawn until the window has had
    // its turn.
    static void sliceDrawn();
    // Whether a view's slice due now may go: not while slices are held,
    // nor while the renderer is still behind with the view's frames (asked
    // in the view's context, without waiting). When not, the view's slice
    // timer is started to ask again.
    static bool sliceMayGo(QGLWidget& view, FrameScheduler& frames, QTimer& sliceTimer);
    // Starts watching the keys, before a slice is due.
    static void watch() { instance(); }
    // How long (ms) the slices wait after a key; tests make it endless or
    // none.
    static int pauseMs() { return pause; }
    static void setPauseMs(int ms) { pause = ms; }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    SliceGate() = default;
    static SliceGate& instance();

    static int pause;
    QElapsedTimer lastKey;
    // A slice has been drawn and the window has not had its turn since.
    bool turnTaken = false;
};
