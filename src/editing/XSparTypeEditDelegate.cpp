#include "editing/XSparTypeEditDelegate.h"

#include "editing/XSparTypeEdit.h"
#include "model/SparsTableModel.h"

XSparTypeEditDelegate::XSparTypeEditDelegate(const std::vector<QString>& names) : XTypeEditDelegate(names)
{
}

QComboBox* XSparTypeEditDelegate::makeTypeEdit(QWidget* parent) const
{
    return new XSparTypeEdit(parent);
}

bool XSparTypeEditDelegate::typeOfRow(const QAbstractItemModel* model, int row, int& type) const
{
    const auto* spars = dynamic_cast<const SparsTableModel*>(model);
    if (!spars)
        return false;
    bool found = false;
    const SparDefinition& spar = spars->findSpar(row, found);
    if (!found)
        return false;
    type = static_cast<int>(spar.getType());
    return true;
}
