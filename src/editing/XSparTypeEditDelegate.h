#pragma once

#include "editing/XTypeEditDelegate.h"

// Type column of the spar table: shows and edits a spar's type by its
// translated name.
class XSparTypeEditDelegate : public XTypeEditDelegate
{
    Q_OBJECT

public:
    explicit XSparTypeEditDelegate(const std::vector<QString>& names);

protected:
    QComboBox* makeTypeEdit(QWidget* parent) const override;
    bool typeOfRow(const QAbstractItemModel* model, int row, int& type) const override;
};
