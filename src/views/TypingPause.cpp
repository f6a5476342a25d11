#include "views/TypingPause.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// Longer than the gap between two keys of a quick typist, so that slices
// stay out of a burst of keys; short enough that a picture is not held
// noticeably after it.
const qint64 pauseMs = 200;

} // namespace

int TypingPause::remainingMs()
{
    static TypingPause* const pause = [] {
        auto* watch = new TypingPause;
        if (QCoreApplication* application = QCoreApplication::instance())
            application->installEventFilter(watch);
        return watch;
    }();
    if (!pause->lastKey.isValid())
        return 0;
    const qint64 since = pause->lastKey.elapsed();
    return since < pauseMs ? int(pauseMs - since) : 0;
}

bool TypingPause::eventFilter(QObject* receiver, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        lastKey.start();
    return QObject::eventFilter(receiver, event);
}
