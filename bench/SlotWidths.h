#pragma once

#include <vector>

#include "model/RibDefinition.h"

namespace outlinecheck {

// A square spar's slot in a rib's outline, measured square to its walls (the
// direction its part is cut along), in mm: just below the deeper corner of
// its mouth and just above the shallowest point of its floor, where the
// spar has to pass. A band's end face inside the slot steps its floor: the
// spar stands on the higher step, so the width is taken above it, and a
// wall the line misses (a rib that starts inside the slot) leaves the slot
// open, not narrow.
struct SlotWidth {
    int id = 0;
    // Whether the outline has air at both depths (a side that runs out of
    // the rib, where the rib starts inside the slot, leaves it as wide as
    // open); false where wood fills it.
    bool measured = false;
    double mouth = 0.0;
    double floor = 0.0;
    // The spar as the slot's part draws it.
    double spar = 0.0;
    // Whether the slot is cut into the upper side.
    bool upper = true;
};

// Every square spar slot of the rib (webs are left out). A slot whose id
// is among sides is read as cut into the side that one is, unless that
// finds wood at both depths: a sheet sinks a slot's part with the surface,
// and on a thin rib its middle then lies below the rib's, which read an
// upper slot as a lower one, its mouth as its floor.
std::vector<SlotWidth> squareSlotWidths(const RibDefinition& rib, double mm,
                                        const std::vector<SlotWidth>& sides = {});

} // namespace outlinecheck
