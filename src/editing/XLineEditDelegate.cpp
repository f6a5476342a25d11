#include "editing/XLineEditDelegate.h"

#include "document/DocumentLimits.h"
#include "foundation/CLocale.h"
#include "foundation/InputValueType.h"
#include "foundation/XLineEdit.h"

#include <QAbstractItemModel>
#include <QLocale>
#include <charconv>

XLineEditDelegate::XLineEditDelegate(const InputValueType* type)
    : QItemDelegate(nullptr), valueType(*type)
{
}

QWidget* XLineEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& /*option*/,
                                         const QModelIndex& /*index*/) const
{
    auto* editor = new XLineEdit(parent);
    editor->setMinimumWidth(10);
    editor->setMaximumWidth(100);
    editor->setInputValueType(new InputValueType(valueType));
    // The names of panels, spars, strips and combs are typed here.
    editor->setMaxLength(DocumentLimits::maxNameLength);
    return editor;
}

void XLineEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* lineEdit = static_cast<XLineEdit*>(editor);
    const QVariant value = index.model()->data(index, Qt::DisplayRole);
    QString text = value.toString();
    // A number opens in the convention the table shows it in, as the
    // shortest text that reads back as the same value (a float's own, not
    // the long one of the double it widens to).
    const int type = value.userType();
    if (type == QMetaType::Float) {
        char digits[32];
        const auto written = std::to_chars(digits, digits + sizeof digits, value.toFloat());
        text = QString::fromLatin1(digits, int(written.ptr - digits));
    }
    if (type == QMetaType::Double || type == QMetaType::Float)
        text.replace(QLatin1Char('.'), QLocale().decimalPoint());
    lineEdit->setText(text);
}

void XLineEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model,
                                     const QModelIndex& index) const
{
    auto* lineEdit = static_cast<XLineEdit*>(editor);
    const int kind = valueType.getType();
    QString text = lineEdit->text();
    InputValueType::normalizeDecimalSeparator(text, kind);
    if (!valueType.validate(text))
        return;

    bool ok = false;
    switch (kind) {
    case 2:
    case 3:
    case 4:
    case 10: {
        const int value = text.toInt(&ok, 10);
        if (ok)
            model->setData(index, value, Qt::EditRole);
        break;
    }
    case 5:
    case 6:
    case 7:
    case 9: {
        double value = 0.0;
        if (CLocale::parseTyped(text, value))
            model->setData(index, value, Qt::EditRole);
        break;
    }
    default:
        model->setData(index, text, Qt::EditRole);
        break;
    }
}

void XLineEditDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex& /*index*/) const
{
    editor->setGeometry(option.rect);
}
