#include "model/RibModifierCubeTube.h"

#include "foundation/GLUtils.h"
#include "foundation/Rectangle3D.h"
#include "model/RibDefinition.h"
#include "model/SparDefinition.h"

void RibModifierCubeTube::apply(RibDefinition& rib, int ribNumber, const SparDefinition& spar,
                                float /*firstRibChord*/, const RibDefinition& firstRib,
                                const RibDefinition& lastRib, const RibDefinition& thisRib,
                                float joinerOffsetY, float scale, bool isLastRibOfPanel,
                                float /*sweepPerLength*/, bool sparEndsAtLastRib)
{
    const float p = getJoinerPosition(rib, ribNumber, spar, firstRib, lastRib, thisRib, scale,
                                      isLastRibOfPanel, sparEndsAtLastRib, joinerCamberY);
    int station = 0;
    if (!holeStation(rib, p, scale, station))
        return;
    // A joiner box is never turned.
    addPart(rib.getCubeTubeParts(),
            rectangularHole(rib, station, joinerOffsetY + joinerCamberY, spar.getCubeTubeWidth() / scale,
                            spar.getCubeTubeHeight() / scale, 0.0f),
            9, spar.getCubeTubeId(), GLUtils::colorCubeTube);
}
