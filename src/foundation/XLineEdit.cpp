#include "foundation/XLineEdit.h"

#include "foundation/InputValueType.h"

#include <QHelpEvent>
#include <QPalette>
#include <QToolTip>

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

QString XLineEdit::refusal() const
{
    return valueType != nullptr && !valid ? valueType->expectation() : QString();
}

bool XLineEdit::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip && !refusal().isEmpty()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), refusal(), this);
        return true;
    }
    return QLineEdit::event(event);
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
