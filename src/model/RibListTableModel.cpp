#include "model/RibListTableModel.h"

#include "foundation/Mathematics.h"
#include "model/TableEditRule.h"

#include <iostream>
#include <iterator>

namespace {

// More than this many messages and the rest are left out: a user who moved
// every rib does not need a screenful of overlaps.
const int messageLimit = 3;

} // namespace

RibListTableModel::RibListTableModel() : QAbstractTableModel(nullptr) {}

RibListTableModel::~RibListTableModel() = default;

int RibListTableModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ribs.getRibCount();
}

int RibListTableModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : RibDefinition::getColumnCount();
}

QVariant RibListTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    bool found = false;
    const RibDefinition& rib = findRib(index.row(), found);
    return found ? rib.getCellData(index.column()) : QVariant();
}

bool RibListTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!TableEditRule::isEditRole(role, "RibListTableModel::setData"))
        return false;
    bool found = false;
    RibDefinition& rib = getRib(index.row(), found);
    if (!found)
        return false;
    const bool kept = TableEditRule::editCell(rib, index.column(), value, tr("Error in ribs table"),
                                              [this](QString& message) { return validate(message, false); });
    // Announced either way, so that a view shows the value that stayed.
    emit dataChanged(index, index);
    return kept;
}

QVariant RibListTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return RibDefinition::getColumnName(section);
    return tr("Rib #") + QString::number(section + 1);
}

Qt::ItemFlags RibListTableModel::flags(const QModelIndex& index) const
{
    return QAbstractTableModel::flags(index) | Qt::ItemIsEditable;
}

int RibListTableModel::getRibCount() const
{
    return ribs.getRibCount();
}

void RibListTableModel::setAirfoil(AirfoilType type, Airfoil* airfoil, float rootFactor, float tipFactor)
{
    ribs.setAirfoil(panelLength, type, airfoil, rootFactor, tipFactor);
}

void RibListTableModel::generateRibs(float length, int count, float thickness)
{
    ribs.generateRibs(length, count, thickness);
}

void RibListTableModel::copyPositionsFrom(const RibList& other)
{
    ribs.copyPositionsFrom(other);
}

void RibListTableModel::assign(const RibList& other)
{
    ribs.assign(other);
}

void RibListTableModel::clear()
{
    ribs.clear();
}

const RibDefinition& RibListTableModel::findRib(int row, bool& found) const
{
    const std::list<RibDefinition>& list = ribs.getRibs();
    found = row >= 0 && row < int(list.size());
    if (!found) {
        std::cout << "const RibDefinition& RibListTableModel::findRib(int, bool&) const"
                  << ": 'position'" << row << " out of range, returning false!\n";
        // Callers must not use the result then; a blank keeps the reference
        // valid.
        static const RibDefinition blank(0.0f, 0.0f);
        return blank;
    }
    return *std::next(list.begin(), row);
}

RibDefinition& RibListTableModel::getRib(int row, bool& found)
{
    std::list<RibDefinition>& list = ribs.getRibs();
    found = row >= 0 && row < int(list.size());
    if (!found) {
        static RibDefinition blank(0.0f, 0.0f);
        return blank;
    }
    return *std::next(list.begin(), row);
}

float RibListTableModel::getRibChord(int row, bool& found) const
{
    const RibDefinition& rib = findRib(row, found);
    return found ? rib.getChord() : 0.0f;
}

bool RibListTableModel::validate(QString& message, bool strict) const
{
    message.clear();
    int messages = 0;
    const auto add = [&](const QString& text) {
        message += text;
        ++messages;
    };
    const std::list<RibDefinition>& list = ribs.getRibs();
    int k = 1;
    for (auto it = list.begin(); it != list.end(); ++it, ++k) {
        if (messages > messageLimit)
            break;
        const auto next = std::next(it);
        const bool last = next == list.end();
        if (strict && k == 1 && it->position != 0.0f)
            add(tr("First rib must be on position 0.\n"));
        if (strict && !last && next->position < it->position + it->thickness)
            add(tr("Rib ") + QString::number(k) + tr(" overlaps with the rib ") + QString::number(k + 1)
                + tr(".\n"));
        if (last) {
            const double end = double(it->position) + double(it->thickness);
            const bool ok = strict ? Mathematics::fuzzyEqual(end, panelLength, 0.01)
                                   : end <= double(panelLength) + 0.01;
            if (!ok)
                add(tr("Last rib position + thickness must equal panel length.\n"));
        }
    }
    if (messages > messageLimit)
        message += tr("\n(possible additional error messages suppressed)");
    return messages == 0;
}

void RibListTableModel::deselectAll()
{
    for (RibDefinition& rib : ribs.getRibs())
        rib.setSelected(false);
}

void RibListTableModel::insertRib(int row)
{
    std::list<RibDefinition>& list = ribs.getRibs();
    if (row < 0 || row + 1 >= int(list.size()))
        return; // the new rib goes midway to the next one; the last row has none
    const auto here = std::next(list.begin(), row);
    const auto next = std::next(here);
    deselectAll();
    beginInsertRows(QModelIndex(), row + 1, row + 1);
    RibDefinition rib(*here);
    rib.position = here->position + (next->position - here->position) * 0.5f;
    rib.setSelected(true);
    list.insert(next, rib);
    endInsertRows();
    emit dataChanged(index(row + 1, 0), index(row + 1, columnCount() - 1));
}

void RibListTableModel::splitRib(int row)
{
    std::list<RibDefinition>& list = ribs.getRibs();
    if (row < 0 || row >= int(list.size()))
        return;
    const auto here = std::next(list.begin(), row);
    deselectAll();
    beginInsertRows(QModelIndex(), row + 1, row + 1);
    here->thickness = here->thickness * 0.5f;
    RibDefinition rib(*here);
    rib.position = here->position + here->thickness;
    rib.setSelected(true);
    list.insert(std::next(here), rib);
    endInsertRows();
    // The split rib got thinner as well.
    emit dataChanged(index(row, 0), index(row + 1, columnCount() - 1));
}

void RibListTableModel::deleteRib(int row)
{
    std::list<RibDefinition>& list = ribs.getRibs();
    if (row < 0 || row >= int(list.size()))
        return;
    beginRemoveRows(QModelIndex(), row, row);
    list.erase(std::next(list.begin(), row));
    endRemoveRows();
    deselectAll();
    // The rib that moved up into the row is announced; a row that is gone
    // is not.
    if (row < int(list.size()))
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
}
