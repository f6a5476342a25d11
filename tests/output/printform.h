#pragma once

// Fills the print dialog's form as a user would, for the tests that reach
// the printer through the dialog.

#include <QComboBox>
#include <QRadioButton>
#include <QSpinBox>

#include "ui_PrintDialog.h"

namespace PrintForm {

// Paper from the size list, the same margin (mm) on every side and the
// orientation.
inline void choosePage(Ui::PrintDialog* ui, int sizeIndex, int margin, bool landscape)
{
    ui->comboBoxPageSizes->setCurrentIndex(sizeIndex);
    ui->spinMarginTop->setValue(margin);
    ui->spinMarginBottom->setValue(margin);
    ui->spinMarginLeft->setValue(margin);
    ui->spinMarginRight->setValue(margin);
    (landscape ? ui->rbLandscape : ui->rbPortrait)->setChecked(true);
}

} // namespace PrintForm
