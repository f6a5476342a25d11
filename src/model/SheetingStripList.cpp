#include "model/SheetingStripList.h"

#include <algorithm>

void SheetingStripList::assign(const SheetingStripList& other)
{
    if (&other != this)
        strips = other.strips;
}

void SheetingStripList::clear()
{
    strips.clear();
}

int SheetingStripList::getStripCount() const
{
    return int(strips.size());
}

void SheetingStripList::append(const SheetingStripDefinition& strip)
{
    strips.push_back(strip);
}

void SheetingStripList::clampRibNumbers(int ribCount)
{
    for (SheetingStripDefinition& strip : strips) {
        strip.setFirstRib(std::min(strip.getFirstRib(), ribCount));
        strip.setLastRib(std::min(strip.getLastRib(), ribCount));
    }
}
