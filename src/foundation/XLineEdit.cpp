#include "foundation/XLineEdit.h"

#include "foundation/InputValueType.h"

#include <QPalette>

XLineEdit::XLineEdit(QWidget* parent)
    : QLineEdit(parent)
{
}

XLineEdit::~XLineEdit()
{
    delete valueType;
}

void XLineEdit::setInputValueType(InputValueType* type)
{
    if (type == valueType)
        return;
    delete valueType;
    valueType = type;
    // UniqueConnection: a second rule must not validate every change twice.
    connect(this, SIGNAL(textChanged(QString)), this, SLOT(validateText(QString)), Qt::UniqueConnection);
}

bool XLineEdit::isValid()
{
    if (valueType != nullptr)
        validateText(text());
    return valid;
}

void XLineEdit::validateText(QString text)
{
    if (valueType == nullptr)
        return;
    InputValueType::normalizeDecimalSeparator(text, valueType->getType());
    const bool verdict = valueType->validate(text);
    QPalette palette;
    palette.setBrush(QPalette::Base, verdict ? QColor(255, 255, 255) : QColor(255, 0, 0));
    setPalette(palette);
    valid = verdict;
}
