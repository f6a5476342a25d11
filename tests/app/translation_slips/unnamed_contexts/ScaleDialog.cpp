#include "ScaleDialog.h"

ScaleDialog::ScaleDialog(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Scale"));
}
