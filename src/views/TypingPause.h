#pragma once

#include <QElapsedTimer>
#include <QObject>

// Owns the pause the 3D views' slices take while the user types: a key
// shows at once, and a picture under way follows a moment after the last
// one. Whatever the view shows meanwhile stays as it is.
class TypingPause : public QObject
{
public:
    // How long (ms) a slice due now waits: until a short while after the
    // last key pressed or let go anywhere in the application, or 0. The
    // first call starts watching the keys.
    static int remainingMs();
    // Starts watching the keys, before a slice is due.
    static void watch() { instance(); }
    // How long (ms) the slices wait after a key; tests make it endless or
    // none.
    static int pauseMs() { return pause; }
    static void setPauseMs(int ms) { pause = ms; }

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    TypingPause() = default;
    static TypingPause& instance();

    static int pause;
    QElapsedTimer lastKey;
};
