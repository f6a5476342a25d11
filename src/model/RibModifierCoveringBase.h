#pragma once

class CoveringDefinition;
class RibDefinition;
class RibListTableModel;
class SheetingStripList;

// Cuts a panel's sheeting into one rib. The pipeline picks the standard or
// the advanced covering by the panel's sheeting type and applies it to every
// rib in turn.
class RibModifierCoveringBase
{
public:
    RibModifierCoveringBase() = default;
    virtual ~RibModifierCoveringBase();

    // ribNumber is 1-based; frontLimit and rearLimit (mm) are the depths the
    // leading and trailing edge take from the rib; scale is the wing root
    // chord in mm; ribTable holds the panel's ribs.
    virtual void apply(RibDefinition& rib, int ribNumber, float frontLimit, float rearLimit,
                       const CoveringDefinition& covering, const SheetingStripList& strips, float scale,
                       const RibListTableModel& ribTable) = 0;
};
