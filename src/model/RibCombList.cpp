#include "model/RibCombList.h"

#include <algorithm>

void RibCombList::clear()
{
    combs.clear();
}

int RibCombList::getCombCount() const
{
    return static_cast<int>(combs.size());
}

void RibCombList::append(const RibCombData& comb)
{
    combs.push_back(comb);
}

void RibCombList::assign(const RibCombList& other)
{
    if (&other == this)
        return;
    combs = other.combs;
}

void RibCombList::clampRibNumbers(int ribCount)
{
    for (RibCombData& comb : combs) {
        comb.setFirstRib(std::min(comb.getFirstRib(), ribCount));
        comb.setLastRib(std::min(comb.getLastRib(), ribCount));
    }
}
