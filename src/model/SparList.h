#pragma once

#include "model/SparDefinition.h"

#include <list>

// A panel's spars in the order the user made them; the rib pipeline cuts
// them in this order within each kind, and documents store them so.
class SparList
{
public:
    SparList() = default;
    SparList(const SparList& other) = default;
    SparList& operator=(const SparList& other) = default;
    ~SparList() = default;

    void clear();
    void addSpar(const SparDefinition& spar);
    int getNumberOfSpars() const;
    const std::list<SparDefinition>& getSpars() const { return spars; }
    std::list<SparDefinition>& getEditableSpars() { return spars; }

    // Brings every spar's rib range within a panel of n ribs after the panel
    // lost ribs. Joiners keep two ribs so that they still join; a spar over
    // one rib may stand on the last rib.
    void adjustToNumberOfRibs(int n);

private:
    std::list<SparDefinition> spars;
};
