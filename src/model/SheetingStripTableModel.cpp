#include "model/SheetingStripTableModel.h"

#include "model/TableEditRule.h"

#include <algorithm>
#include <iterator>

int SheetingStripTableModel::numberOfRibs = 0;

SheetingStripTableModel::SheetingStripTableModel() : QAbstractTableModel(nullptr) {}

SheetingStripTableModel::~SheetingStripTableModel() = default;

int SheetingStripTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : strips.getStripCount();
}

int SheetingStripTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : SheetingStripDefinition::getColumnCount();
}

QVariant SheetingStripTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    bool found = false;
    const SheetingStripDefinition& strip = getStrip(index.row(), found);
    return found ? strip.getCellData(index.column()) : QVariant();
}

bool SheetingStripTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!TableEditRule::isEditRole(role, "SheetingStripTableModel::setData"))
        return false;
    bool found = false;
    SheetingStripDefinition& strip = getStrip(index.row(), found);
    if (!found)
        return false;
    const bool kept = TableEditRule::editCell(strip, index.column(), value, tr("Error in sheeting table"),
                                              [this](QString& message) { return validate(message); });
    if (kept)
        emit dataChanged(index, index);
    return kept;
}

QVariant SheetingStripTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return SheetingStripDefinition::getColumnName(section);
    return tr("Strip #") + QString::number(section + 1);
}

Qt::ItemFlags SheetingStripTableModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

bool SheetingStripTableModel::validate(QString& message) const
{
    const TableEditRule::RibRangeTexts texts{tr("The first rib must be at least 1\n"),
                                             tr("The first rib is larger than the number of ribs\n"),
                                             tr("The last rib is larger than the number of ribs\n"),
                                             tr("The first rib is larger than the last rib\n")};
    for (const SheetingStripDefinition& strip : strips.getStrips()) {
        const QString lines =
            TableEditRule::ribRangeFaults(strip.getFirstRib(), strip.getLastRib(), numberOfRibs, true, texts);
        if (!lines.isEmpty()) {
            message = TableEditRule::faultMessage(tr("Sheeting strip "), strip.getName(), lines);
            return false;
        }
    }
    return true;
}

const SheetingStripDefinition& SheetingStripTableModel::getStrip(int row, bool& found) const
{
    return const_cast<SheetingStripTableModel*>(this)->getStrip(row, found);
}

SheetingStripDefinition& SheetingStripTableModel::getStrip(int row, bool& found)
{
    return TableEditRule::rowItem(strips.getStrips(), row, found);
}

int SheetingStripTableModel::getStripCount() const
{
    return strips.getStripCount();
}

void SheetingStripTableModel::setNumberOfRibs(int count)
{
    numberOfRibs = count;
}

int SheetingStripTableModel::getNumberOfRibs()
{
    return numberOfRibs;
}

void SheetingStripTableModel::clear()
{
    strips.clear();
}

void SheetingStripTableModel::setStripList(const SheetingStripList& list)
{
    strips.assign(list);
}

void SheetingStripTableModel::appendStrip(const SheetingStripDefinition& strip)
{
    strips.append(strip);
}

void SheetingStripTableModel::deleteStrip(int row)
{
    std::list<SheetingStripDefinition>& list = strips.getStrips();
    if (row < 0 || row >= int(list.size()))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    list.erase(std::next(list.begin(), row));
    endRemoveRows();
    // The strip that moved up into the row is announced; a row that is gone
    // is not.
    if (row < int(list.size()))
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void SheetingStripTableModel::insertStrip(int row, const SheetingStripDefinition* source)
{
    std::list<SheetingStripDefinition>& list = strips.getStrips();
    const int at = std::clamp(row, 0, int(list.size()));
    beginInsertRows(QModelIndex(), at, at);
    list.insert(std::next(list.begin(), at), source ? SheetingStripDefinition(*source) : SheetingStripDefinition());
    endInsertRows();
    emit dataChanged(index(at, 0), index(at, columnCount() - 1));
}
