#include "output/OutputProgress.h"

#include "foundation/ModalProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <future>

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("OutputProgress", text);
}

// Often enough that the window follows the hand, seldom enough that the
// events cost nothing next to the work.
constexpr qint64 eventsEveryMs = 20;
constexpr int steps = ModalProgress::steps;

} // namespace

OutputProgress::OutputProgress(QWidget* parent, const QString& title, const QString& label, long long total)
    : parent(parent)
    , title(title)
    , label(label)
    , total(std::max(total, 1LL))
{
    clock.start();
    sinceEvents.start();
}

OutputProgress::~OutputProgress() = default;

bool OutputProgress::step(long long units)
{
    done = std::min(done + std::max(units, 0LL), total);
    if (cancelled || sinceEvents.elapsed() < eventsEveryMs)
        return !cancelled;
    if (!dialog && clock.elapsed() >= ModalProgress::shownAfterMs)
        showDialog();
    if (dialog) {
        const int value = int(done * steps / total);
        // All the work is counted: what remains (ending the file) cannot be
        // stopped, so no Cancel is offered at the end; taken away before the
        // full bar shows, whose painting takes clicks.
        if (value >= steps && dialog->findChild<QPushButton*>())
            dialog->setCancelButton(nullptr);
        dialog->setValue(value);
    }
    // Until there is a Cancel button to click, no input is taken.
    QCoreApplication::processEvents(dialog ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    cancelled = dialog && dialog->wasCanceled();
    sinceEvents.restart();
    return !cancelled;
}

void OutputProgress::showDialog()
{
    dialog = ModalProgress::open(parent, title, label, tr("Cancel"));
}

bool OutputProgress::finishAside(const std::function<bool()>& work)
{
    done = total;
    std::future<bool> result;
    bool aside = true;
    try {
        result = std::async(std::launch::async, work);
    } catch (const std::exception&) {
        aside = false;
    }
    if (!aside) {
        // No thread to be had (or no memory for one): the work runs here,
        // the window waiting for it.
        finish();
        return work();
    }
    while (result.wait_for(std::chrono::milliseconds(eventsEveryMs)) != std::future_status::ready) {
        if (!dialog && clock.elapsed() >= ModalProgress::shownAfterMs)
            showDialog();
        if (dialog && dialog->value() != steps) {
            // Nothing can be stopped any more.
            dialog->setCancelButton(nullptr);
            dialog->setValue(steps);
        }
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    finish();
    // Rethrows what the work threw; the producers take running out of
    // memory for a refusal.
    return result.get();
}

void OutputProgress::finish()
{
    done = total;
    // A cancelled dialog has gone already; a value would show it again.
    if (dialog && !cancelled) {
        dialog->setCancelButton(nullptr);
        dialog->setValue(steps);
        dialog->hide();
    }
    dialog.reset();
}
