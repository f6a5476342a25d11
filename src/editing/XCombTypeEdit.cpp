#include "editing/XCombTypeEdit.h"

XCombTypeEdit::XCombTypeEdit(QWidget* parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}
