#include "views/TypingPause.h"

#include <QCoreApplication>
#include <QEvent>

// Longer than the gap between two keys of a quick typist, so that slices
// stay out of a burst of keys; short enough that a picture is not held
// noticeably after it.
int TypingPause::pause = 200;

TypingPause& TypingPause::instance()
{
    static TypingPause* const watching = [] {
        auto* watch = new TypingPause;
        if (QCoreApplication* application = QCoreApplication::instance())
            application->installEventFilter(watch);
        return watch;
    }();
    return *watching;
}

int TypingPause::remainingMs()
{
    const QElapsedTimer& lastKey = instance().lastKey;
    if (!lastKey.isValid())
        return 0;
    const qint64 since = lastKey.elapsed();
    return since < pause ? int(pause - since) : 0;
}

bool TypingPause::eventFilter(QObject* receiver, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
        lastKey.start();
    return QObject::eventFilter(receiver, event);
}
