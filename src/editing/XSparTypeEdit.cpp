#include "editing/XSparTypeEdit.h"

XSparTypeEdit::XSparTypeEdit(QWidget* parent) : QComboBox(parent)
{
    setSizeAdjustPolicy(QComboBox::AdjustToContents);
}
