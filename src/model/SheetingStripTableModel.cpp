#include "model/SheetingStripTableModel.h"

#include "model/TableEditRule.h"

#include <algorithm>

int SheetingStripTableModel::numberOfRibs = 0;

SheetingStripTableModel::SheetingStripTableModel() : ListTableModel("SheetingStripTableModel::setData", false) {}

SheetingStripTableModel::~SheetingStripTableModel() = default;

QString SheetingStripTableModel::rowLabel() const
{
    return tr("Strip #");
}

bool SheetingStripTableModel::editItem(SheetingStripDefinition& strip, int column, const QVariant& value)
{
    return TableEditRule::editCell(strip, column, value, tr("Error in sheeting table"),
                                   [this](QString& message) { return validate(message); });
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
    return itemOrBlank(row, found);
}

SheetingStripDefinition& SheetingStripTableModel::getStrip(int row, bool& found)
{
    return itemOrSpare(row, found);
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
    if (removeItemAt(row))
        announceMovedUp(row);
}

void SheetingStripTableModel::insertStrip(int row, const SheetingStripDefinition* source)
{
    const int at = std::clamp(row, 0, rowCount());
    insertItemAt(at, source ? SheetingStripDefinition(*source) : SheetingStripDefinition());
    announceRows(at, at);
}
