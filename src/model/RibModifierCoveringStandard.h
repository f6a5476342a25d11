#pragma once

#include "model/RibModifierCoveringAdvanced.h"

// The panel's standard covering: strips made from the covering record, cut
// like advanced strips, whose bands are then copied into the rib's four
// covering lists (0 upper, 1 lower, 2 upper continued, 3 lower continued).
class RibModifierCoveringStandard : public RibModifierCoveringBase
{
public:
    ~RibModifierCoveringStandard() override;

    // The given strip list is not used: the strips come from the covering.
    void apply(RibDefinition& rib, int ribNumber, float frontLimit, float rearLimit,
               const CoveringDefinition& covering, const SheetingStripList& strips, float scale,
               const RibListTableModel& ribTable) override;

private:
    // Cuts the strips; kept for the whole pass for its index of the ribs.
    RibModifierCoveringAdvanced advanced;
};
