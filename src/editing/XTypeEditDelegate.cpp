#include "editing/XTypeEditDelegate.h"

#include <QApplication>
#include <QComboBox>
#include <QStyle>

XTypeEditDelegate::XTypeEditDelegate(const std::vector<QString>& names)
    : QItemDelegate(nullptr), typeNames(names)
{
}

void XTypeEditDelegate::setTypeNames(const std::vector<QString>& names)
{
    typeNames = names;
}

QString XTypeEditDelegate::nameOfType(int type) const
{
    // The table models hold only known types; should a stray number ever
    // reach a cell, show it rather than read past the list.
    if (type < 0 || static_cast<size_t>(type) >= typeNames.size())
        return QString::number(type);
    return typeNames[static_cast<size_t>(type)];
}

void XTypeEditDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const
{
    QStyleOptionViewItem item(option);
    bool ok = false;
    const uint type = index.data(Qt::DisplayRole).toUInt(&ok);
    item.text = ok ? nameOfType(static_cast<int>(type)) : QString();
    // The style's item element draws background, selection and focus too,
    // so the cell looks like every other cell of the table.
    QApplication::style()->drawControl(QStyle::CE_ItemViewItem, &item, painter, nullptr);
}

QWidget* XTypeEditDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                         const QModelIndex& index) const
{
    QComboBox* edit = makeTypeEdit(parent);
    for (const QString& name : typeNames)
        edit->addItem(name);
    edit->setMinimumWidth(150);
    int type = 0;
    if (typeOfRow(index.model(), index.row(), type) && type >= 0 && type < edit->count())
        edit->setCurrentIndex(type);
    return edit;
}

void XTypeEditDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const
{
    auto* edit = static_cast<QComboBox*>(editor);
    // Dropping the list at once saves the user a second click on a cell
    // whose only purpose is to pick from it.
    edit->showPopup();
    // Our table models answer only the display role; reading the edit role
    // alone would start every editor on the first type and write that back
    // when the list is closed without a choice.
    QVariant value = index.data(Qt::EditRole);
    if (!value.isValid())
        value = index.data(Qt::DisplayRole);
    bool ok = false;
    const uint type = value.toUInt(&ok);
    if (ok && type < static_cast<uint>(edit->count()))
        edit->setCurrentIndex(static_cast<int>(type));
}

void XTypeEditDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const
{
    const int type = static_cast<QComboBox*>(editor)->currentIndex();
    if (type < 0)
        return;
    model->setData(index, type, Qt::EditRole);
}

void XTypeEditDelegate::updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                                             const QModelIndex&) const
{
    editor->setGeometry(option.rect);
}
