#include "foundation/ModalProgress.h"

#include <QProgressDialog>

std::unique_ptr<QProgressDialog> ModalProgress::open(QWidget* parent, const QString& title, const QString& label,
                                                     const QString& cancelText)
{
    auto dialog = std::make_unique<QProgressDialog>(label, cancelText, 0, steps, parent);
    dialog->setWindowTitle(title);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->setMinimumDuration(0);
    // The task decides when it is over; the window neither closes nor
    // starts again by itself when the value reaches its end.
    dialog->setAutoClose(false);
    dialog->setAutoReset(false);
    dialog->setValue(0);
    dialog->show();
    return dialog;
}
