#pragma once

#include "model/SheetingStripDefinition.h"

#include <list>

// A panel's sheeting strips in the order the user made them.
class SheetingStripList
{
public:
    SheetingStripList() = default;
    SheetingStripList(const SheetingStripList& other) = default;
    SheetingStripList& operator=(const SheetingStripList& other) = default;
    ~SheetingStripList() = default;

    void assign(const SheetingStripList& other);
    void clear();
    int getStripCount() const;
    void append(const SheetingStripDefinition& strip);
    // After the panel lost ribs, no strip may name a rib it no longer has.
    void clampRibNumbers(int ribCount);

    std::list<SheetingStripDefinition>& getStrips() { return strips; }
    const std::list<SheetingStripDefinition>& getStrips() const { return strips; }

private:
    std::list<SheetingStripDefinition> strips;
};
