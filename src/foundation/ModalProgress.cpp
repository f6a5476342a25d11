#include "foundation/ModalProgress.h"

#include <QFontMetrics>
#include <QProgressDialog>

std::unique_ptr<QProgressDialog> ModalProgress::open(QWidget* parent, const QString& title, const QString& label,
                                                     const QString& cancelText)
{
    auto dialog = std::make_unique<QProgressDialog>(label, cancelText, 0, steps, parent);
    dialog->setWindowTitle(title);
    // Wide enough for the whole title beside the title bar's buttons: the
    // window manager cuts a long one in the middle ("Drucke...ortieren").
    QFont titleFont = dialog->font();
    titleFont.setBold(true);
    const int titleWidth = QFontMetrics(titleFont).horizontalAdvance(title) * 5 / 4 + 160;
    dialog->setMinimumWidth(qMax(dialog->sizeHint().width(), titleWidth));
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
