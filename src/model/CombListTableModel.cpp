#include "model/CombListTableModel.h"

#include "model/TableEditRule.h"

int CombListTableModel::numberOfRibs = 0;

CombListTableModel::CombListTableModel() : ListTableModel("CombListTableModel::setData", false) {}

CombListTableModel::~CombListTableModel() = default;

QString CombListTableModel::rowLabel() const
{
    return tr("Comb #");
}

bool CombListTableModel::editItem(RibCombData& comb, int column, const QVariant& value)
{
    return TableEditRule::editCell(comb, column, value, tr("Error in combs table"),
                                   [this](QString& message) { return validate(message); });
}

const RibCombData& CombListTableModel::getComb(int row, bool& found) const
{
    return itemOrBlank(row, found);
}

RibCombData& CombListTableModel::getComb(int row, bool& found)
{
    return itemOrSpare(row, found);
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
    if (!removeItemAt(row))
        return;
    deselectAll();
    announceMovedUp(row);
}

void CombListTableModel::insertComb(int row, const RibCombData* source)
{
    deselectAll();
    RibCombData comb;
    if (source != nullptr)
        comb = *source;
    const int count = rowCount();
    const int at = (row < 0 || row > count) ? count : row;
    insertItemAt(at, comb);
    announceRows(at, at);
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
