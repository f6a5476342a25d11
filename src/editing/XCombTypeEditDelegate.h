#pragma once

#include "editing/XTypeEditDelegate.h"

// Type column of the comb table: shows and edits a comb's side (above or
// below the rib) by its translated name.
class XCombTypeEditDelegate : public XTypeEditDelegate
{
    Q_OBJECT

public:
    explicit XCombTypeEditDelegate(const std::vector<QString>& names);

protected:
    QComboBox* makeTypeEdit(QWidget* parent) const override;
    bool typeOfRow(const QAbstractItemModel* model, int row, int& type) const override;
};
