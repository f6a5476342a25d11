#include "editing/XCombTypeEditDelegate.h"

#include "editing/XCombTypeEdit.h"
#include "model/CombListTableModel.h"

XCombTypeEditDelegate::XCombTypeEditDelegate(const std::vector<QString>& names) : XTypeEditDelegate(names)
{
}

QComboBox* XCombTypeEditDelegate::makeTypeEdit(QWidget* parent) const
{
    return new XCombTypeEdit(parent);
}

bool XCombTypeEditDelegate::typeOfRow(const QAbstractItemModel* model, int row, int& type) const
{
    const auto* combs = qobject_cast<const CombListTableModel*>(model);
    if (!combs)
        return false;
    bool found = false;
    const RibCombData& comb = combs->getComb(row, found);
    if (!found)
        return false;
    type = comb.getType();
    return true;
}
