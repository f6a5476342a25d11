#pragma once

#include <list>

#include "model/RibCombData.h"

// The rib combs of one panel, in the order the user made them.
class RibCombList
{
public:
    RibCombList() = default;
    RibCombList(const RibCombList& other) = default;
    RibCombList& operator=(const RibCombList& other) = default;

    void clear();
    int getCombCount() const;
    void append(const RibCombData& comb);
    void assign(const RibCombList& other);
    // Lowers every comb's rib numbers to at most ribCount, for a panel
    // that lost ribs.
    void clampRibNumbers(int ribCount);

    std::list<RibCombData>& getCombs() { return combs; }
    const std::list<RibCombData>& getCombs() const { return combs; }

private:
    std::list<RibCombData> combs;
};
