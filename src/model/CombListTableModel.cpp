#include "model/CombListTableModel.h"

#include <iterator>

#include "model/TableEditRule.h"

int CombListTableModel::numberOfRibs = 0;

int CombListTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : combList.getCombCount();
}

int CombListTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RibCombData::getColumnCount();
}

QVariant CombListTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    bool found = false;
    const RibCombData& comb = getComb(index.row(), found);
    return found ? comb.getCellData(index.column()) : QVariant();
}

bool CombListTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!TableEditRule::isEditRole(role, "CombListTableModel::setData"))
        return false;
    bool found = false;
    RibCombData& comb = getComb(index.row(), found);
    if (!found)
        return false;
    const bool kept = TableEditRule::editCell(comb, index.column(), value, tr("Error in combs table"),
                                              [this](QString& message) { return validate(message); });
    if (kept)
        emit dataChanged(index, index);
    return kept;
}

QVariant CombListTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return RibCombData::getColumnName(section);
    return tr("Comb #") + QString::number(section + 1);
}

Qt::ItemFlags CombListTableModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

const RibCombData& CombListTableModel::getComb(int row, bool& found) const
{
    return const_cast<CombListTableModel*>(this)->getComb(row, found);
}

RibCombData& CombListTableModel::getComb(int row, bool& found)
{
    return TableEditRule::rowItem(combList.getCombs(), row, found);
}

int CombListTableModel::getCombCount() const
{
    return combList.getCombCount();
}

bool CombListTableModel::validate(QString& message) const
{
    const TableEditRule::RibRangeTexts texts{tr("The first rib must be at least 1\n"),
                                             tr("The first rib is larger than the number of ribs\n"),
                                             tr("The last rib is larger than the number of ribs\n"),
                                             tr("The first rib is larger than or equal to the last rib\n")};
    for (const RibCombData& comb : combList.getCombs()) {
        const QString lines =
            TableEditRule::ribRangeFaults(comb.getFirstRib(), comb.getLastRib(), numberOfRibs, false, texts);
        if (!lines.isEmpty()) {
            message = TableEditRule::faultMessage(tr("Rib comb "), comb.getName(), lines);
            return false;
        }
    }
    return true;
}

void CombListTableModel::deleteComb(int row)
{
    auto& combs = combList.getCombs();
    if (row < 0 || row >= static_cast<int>(combs.size()))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    combs.erase(std::next(combs.begin(), row));
    endRemoveRows();
    deselectAll();
    // The row now shows the comb that followed the deleted one, if any.
    if (row < static_cast<int>(combs.size()))
        emit dataChanged(index(row, 0), index(row, RibCombData::getColumnCount() - 1));
}

void CombListTableModel::insertComb(int row, const RibCombData* source)
{
    deselectAll();
    RibCombData comb;
    if (source != nullptr)
        comb = *source;
    auto& combs = combList.getCombs();
    const int count = static_cast<int>(combs.size());
    const int at = (row < 0 || row > count) ? count : row;
    beginInsertRows(QModelIndex(), at, at);
    combs.insert(std::next(combs.begin(), at), comb);
    endInsertRows();
    emit dataChanged(index(at, 0), index(at, RibCombData::getColumnCount() - 1));
}

int CombListTableModel::getNumberOfRibs()
{
    return numberOfRibs;
}

void CombListTableModel::setNumberOfRibs(int count)
{
    numberOfRibs = count;
}

void CombListTableModel::clear()
{
    combList.clear();
}

void CombListTableModel::setCombList(const RibCombList& list)
{
    combList.assign(list);
}

void CombListTableModel::appendComb(const RibCombData& comb)
{
    combList.append(comb);
}

void CombListTableModel::deselectAll()
{
    for (RibCombData& comb : combList.getCombs())
        comb.setSelected(false);
}
