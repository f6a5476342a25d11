#pragma once

#include <QElapsedTimer>
#include <QString>
#include <functional>
#include <memory>

class QProgressDialog;
class QWidget;

// Keeps the window answering while a printout or a drawing is produced.
// The work stays on the GUI thread (a painter on a printer must stay on the
// thread that began it), so the producer reports between small pieces of
// work: every few hundredths of a second events are let through, and once
// the work has taken a moment the dialog shows how far it has come, with a
// Cancel button. The dialog is application modal, so no input reaches the
// main window meanwhile.
class OutputProgress
{
public:
    // total: the units of work the producer will report, in any measure
    // that grows evenly with the time taken.
    OutputProgress(QWidget* parent, const QString& title, const QString& label, long long total);
    ~OutputProgress();

    OutputProgress(const OutputProgress&) = delete;
    OutputProgress& operator=(const OutputProgress&) = delete;

    // Counts units more as done (none just keeps the window alive); false
    // once the user has cancelled.
    bool step(long long units = 0);
    bool isCancelled() const { return cancelled; }
    // The work is done: the dialog shows its end and goes.
    void finish();
    // The last piece of work, which cannot be cancelled and touches nothing
    // of the GUI (putting a large file in place, which waits for the disk):
    // runs on a worker thread while the window keeps painting, with the
    // dialog, if it is due, showing its end without a Cancel button. Then
    // as finish(); returns what work returned.
    bool finishAside(const std::function<bool()>& work);

private:
    void showDialog();

    QWidget* parent;
    QString title;
    QString label;
    long long total;
    long long done = 0;
    bool cancelled = false;
    QElapsedTimer clock;
    QElapsedTimer sinceEvents;
    std::unique_ptr<QProgressDialog> dialog;
};
