#pragma once

#include "foundation/InputValueType.h"

#include <QItemDelegate>

// Cell editor of a table column: edits in an XLineEdit that carries a copy
// of the column's rule and writes the cell back only when the text is valid,
// converted to the value type the rule implies.
class XLineEditDelegate : public QItemDelegate
{
    Q_OBJECT

public:
    // The delegate keeps its own copy of the rule, so the caller stays the
    // owner of the one it passes.
    explicit XLineEditDelegate(const InputValueType* type);

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override;
    void setEditorData(QWidget* editor, const QModelIndex& index) const override;
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const override;

private:
    InputValueType valueType;
};
