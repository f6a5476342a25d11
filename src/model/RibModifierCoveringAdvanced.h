#pragma once

#include "model/RibModifierCoveringBase.h"

#include <vector>

class Vertex;

// Cuts each sheeting strip that spans the rib into its outline: the outline
// between the strip's two chord stations sinks by the sheeting thickness, and
// the band of sheeting is kept as a polygon with the strip's part id.
class RibModifierCoveringAdvanced : public RibModifierCoveringBase
{
public:
    ~RibModifierCoveringAdvanced() override;

    void apply(RibDefinition& rib, int ribNumber, float frontLimit, float rearLimit,
               const CoveringDefinition& covering, const SheetingStripList& strips, float scale,
               const RibListTableModel& ribTable) override;

    // Sinks the outline between start and end (mm from the leading edge) by
    // thickness on the chosen sides and returns the sheeting bands as closed
    // point lists (outer surface, then inner surface backwards). start and
    // end are kept within frontLimit and chord - rearLimit. Returns false,
    // leaving the rib as it was, when a station lies outside the chord or the
    // band has no length left.
    static bool cutCovering(RibDefinition& rib, std::vector<Vertex*>& upperStrip, std::vector<Vertex*>& lowerStrip,
                            float start, bool doUpper, bool doLower, float thickness, float end, float frontLimit,
                            float rearLimit, float scale, bool fromTE);
};
