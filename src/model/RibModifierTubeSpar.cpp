#include "model/RibModifierTubeSpar.h"

#include "foundation/Circle3D.h"
#include "foundation/GLUtils.h"
#include "model/RibDefinition.h"
#include "model/SparDefinition.h"

void RibModifierTubeSpar::apply(RibDefinition& rib, int ribNumber, const SparDefinition& spar,
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
    addPart(rib.getTubeSparParts(),
            roundHole(rib, station, joinerOffsetY + joinerCamberY, spar.getTubeRadius() / scale), 7,
            spar.getTubeId(), GLUtils::colorTube);
}
