#pragma once

#include <QString>
#include <QtGlobal>
#include <memory>

class QProgressDialog;
class QWidget;

// The progress window of every long task (a document build, a printout, a
// drawing, an airfoil file): application modal, so no input reaches the
// window behind it while the task runs; shown only once the task has taken
// a moment; counting in thousandths of the task.
class ModalProgress
{
public:
    // A task shorter than this shows no window at all.
    static constexpr qint64 shownAfterMs = 250;
    static constexpr int steps = 1000;

    // Shown at once, at zero.
    static std::unique_ptr<QProgressDialog> open(QWidget* parent, const QString& title, const QString& label,
                                                 const QString& cancelText);
};
