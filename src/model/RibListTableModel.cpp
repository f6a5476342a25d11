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

// Refused edits are announced too, so that a view shows the value that
// stayed.
RibListTableModel::RibListTableModel() : ListTableModel("RibListTableModel::setData", true) {}

RibListTableModel::~RibListTableModel() = default;

QString RibListTableModel::rowLabel() const
{
    return tr("Rib #");
}

bool RibListTableModel::editItem(RibDefinition& rib, int column, const QVariant& value)
{
    return TableEditRule::editCell(rib, column, value, tr("Error in ribs table"),
                                   [this](QString& message) { return validate(message, false); });
}

int RibListTableModel::getRibCount() const
{
    return ribs.getRibCount();
}

void RibListTableModel::setAirfoil(AirfoilType type, Airfoil* airfoil, float rootFactor, float tipFactor)
{
    ribs.setAirfoil(panelLength, type, airfoil, rootFactor, tipFactor);
}

void RibListTableModel::setAirfoils(Airfoil* root, Airfoil* tip, float rootFactor, float tipFactor)
{
    ribs.setAirfoils(panelLength, root, tip, rootFactor, tipFactor);
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
    const RibDefinition& rib = itemOrBlank(row, found);
    if (!found)
        std::cout << "const RibDefinition& RibListTableModel::findRib(int, bool&) const"
                  << ": 'position'" << row << " out of range, returning false!\n";
    return rib;
}

RibDefinition& RibListTableModel::getRib(int row, bool& found)
{
    return itemOrSpare(row, found);
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

void RibListTableModel::insertRib(int row)
{
    std::list<RibDefinition>& list = ribs.getRibs();
    if (row < 0 || row + 1 >= int(list.size()))
        return; // the new rib goes midway to the next one; the last row has none
    const auto here = std::next(list.begin(), row);
    const auto next = std::next(here);
    deselectAll();
    RibDefinition rib(*here);
    rib.position = here->position + (next->position - here->position) * 0.5f;
    rib.setSelected(true);
    insertItemAt(row + 1, rib);
    announceRows(row + 1, row + 1);
}

void RibListTableModel::splitRib(int row)
{
    RibDefinition* here = itemAt(row);
    if (!here)
        return;
    deselectAll();
    here->thickness = here->thickness * 0.5f;
    RibDefinition rib(*here);
    rib.position = here->position + here->thickness;
    rib.setSelected(true);
    insertItemAt(row + 1, rib);
    // The split rib got thinner as well.
    announceRows(row, row + 1);
}

void RibListTableModel::deleteRib(int row)
{
    if (!removeItemAt(row))
        return;
    deselectAll();
    announceMovedUp(row);
}
