#include "model/SparsTableModel.h"

#include "model/TableEditRule.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

QString translate(const char* text)
{
    return QCoreApplication::translate("SparsTableModel", text);
}

bool isJoiner(SparType type)
{
    return type == SparType::Tube || type == SparType::CubeTube;
}

} // namespace

int SparsTableModel::numberOfRibs = 0;

SparsTableModel::SparsTableModel() : ListTableModel("SparsTableModel::setData", false) {}

SparsTableModel::~SparsTableModel() = default;

QString SparsTableModel::rowLabel() const
{
    return translate("Spar #");
}

bool SparsTableModel::editItem(SparDefinition& spar, int column, const QVariant& value)
{
    // A type change resets that type's dimensions and draws new part ids, so
    // writing the old type back would reset the old type too; a refused edit
    // restores the whole spar instead.
    return TableEditRule::editRecord(spar, column, value, translate("Error in spars table"),
                                     [this](QString& message) { return validate(message); });
}

bool SparsTableModel::validate(QString& message) const
{
    const int n = numberOfRibs;
    const TableEditRule::RibRangeTexts texts{translate("The first rib must be at least 1\n"),
                                             translate("The first rib is larger than the number of ribs\n"),
                                             translate("The last rib is larger than the number of ribs\n"),
                                             translate("The first rib is not in front of the last rib\n")};
    for (const SparDefinition& spar : spars.getSpars()) {
        const int first = spar.getFirstRib();
        const int last = spar.getLastRib();
        const SparType type = spar.getType();
        // Round, rectangular and cuboid spars may sit in a single rib; a web
        // or a joiner needs two.
        const bool singleRibAllowed = type == SparType::Round || type == SparType::Square || type == SparType::Cube;
        QString lines = TableEditRule::ribRangeFaults(first, last, n, singleRibAllowed, texts);
        if (isJoiner(type) && !(first < 2 || last >= n))
            lines += translate("Tube spars must start at the first rib or end at the last rib\n");
        if (type == SparType::Square && spar.getSquareWebbingType() != SquareWebbingType::None) {
            const int from = spar.getSquareWebbingFrom();
            const int to = spar.getSquareWebbingTo();
            if (from < 1 || from >= n)
                lines += translate("Associated webbing 'from' rib must be between 1 and number of ribs in panel "
                                   "minus 1\n");
            if (to != 0) {
                if (to > n)
                    lines += translate("Associated webbing 'to' rib must be 0 or between 'from' rib and number of "
                                       "ribs in panel\n");
                else if (to <= from)
                    lines += translate("Associated webbing 'from' rib must be smaller than the 'to' rib\n");
            }
        }
        if (!lines.isEmpty()) {
            message = TableEditRule::faultMessage(translate("Spar "), spar.getSparName(), lines);
            return false;
        }
    }
    return true;
}

bool SparsTableModel::validate(QString& message, const RibList&) const
{
    return validate(message);
}

int SparsTableModel::getNumberOfSpars() const
{
    return spars.getNumberOfSpars();
}

const SparDefinition& SparsTableModel::findSpar(int row, bool& found) const
{
    return itemOrBlank(row, found);
}

SparDefinition& SparsTableModel::findEditableSpar(int row, bool& found)
{
    return itemOrSpare(row, found);
}

void SparsTableModel::clear()
{
    spars.clear();
}

void SparsTableModel::setSparList(const SparList& list)
{
    spars = list;
}

void SparsTableModel::setNumberOfRibs(int count)
{
    numberOfRibs = count;
}

int SparsTableModel::getNumberOfRibs()
{
    return numberOfRibs;
}

void SparsTableModel::insertSpar(int row, const SparDefinition* spar)
{
    const int at = std::clamp(row, 0, rowCount());
    insertItemAt(at, spar ? SparDefinition(*spar) : SparDefinition());
    announceRows(at, at);
}

void SparsTableModel::insertSpar(int row, const SparDefinition& spar)
{
    insertSpar(row, &spar);
}

void SparsTableModel::removeSpar(int row)
{
    if (removeItemAt(row))
        announceMovedUp(row);
}
