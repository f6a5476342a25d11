#pragma once

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>
#include <QTimer>

#include "foundation/ModalProgress.h"
#include "output/OutputProgress.h"

// Follows the progress dialog of a long output from the event loop that the
// output keeps turning. While no dialog shows, each turn lets the clock run
// on as a slow machine would, so that small test planes reach the moment
// the dialog is due. Records what the dialog showed when it went, and
// presses Cancel when asked.
class ProgressWatch : public QObject
{
public:
    explicit ProgressWatch(bool cancel) : cancel(cancel)
    {
        qApp->installEventFilter(this);
        connect(&beat, &QTimer::timeout, this, [this] { tick(); });
        beat.start(10);
    }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }

    int shown = 0;
    int lastValue = -1;
    int maximum = -1;
    // Room left beside the title for the title bar's buttons, in pixels.
    int roomBesideTitle = -1;
    // Whether a Cancel was offered while the bar was full, when nothing can
    // be stopped any more.
    bool cancelAtEnd = false;

    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* dialog = qobject_cast<QProgressDialog*>(object);
        if (dialog && event->type() == QEvent::Show) {
            ++shown;
            // The moment the bar is full, as the user sees it.
            if (auto* bar = dialog->findChild<QProgressBar*>())
                connect(bar, &QProgressBar::valueChanged, this, [this, bar, dialog](int value) {
                    if (value >= bar->maximum())
                        cancelAtEnd = cancelAtEnd || dialog->findChild<QPushButton*>();
                });
            QFont titleFont = dialog->font();
            titleFont.setBold(true);
            roomBesideTitle = dialog->width() - QFontMetrics(titleFont).horizontalAdvance(dialog->windowTitle());
        }
        if (dialog && event->type() == QEvent::Hide) {
            lastValue = dialog->value();
            maximum = dialog->maximum();
        }
        return false;
    }

private:
    void tick()
    {
        QProgressDialog* dialog = nullptr;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (auto* found = qobject_cast<QProgressDialog*>(widget); found && found->isVisible())
                dialog = found;
        if (!dialog) {
            QThread::msleep(ModalProgress::shownAfterMs);
            return;
        }
        if (cancel)
            dialog->cancel();
    }

    bool cancel;
    QTimer beat;
};
