#include "model/RibModifierRoundSpar.h"

#include "foundation/Circle3D.h"
#include "foundation/GLUtils.h"
#include "model/RibDefinition.h"
#include "model/SparDefinition.h"

void RibModifierRoundSpar::apply(RibDefinition& rib, int /*ribNumber*/, const SparDefinition& spar,
                                 float /*firstRibChord*/, const RibDefinition& firstRib,
                                 const RibDefinition& lastRib, const RibDefinition& thisRib,
                                 float /*joinerOffsetY*/, float scale, bool isLastRibOfPanel,
                                 float /*sweepPerLength*/, bool sparEndsAtLastRib)
{
    float p = 0.0f;
    float offsetY = 0.0f;
    positionAt(p, offsetY, spar, firstRib, lastRib, thisRib, isLastRibOfPanel, sparEndsAtLastRib);
    int station = 0;
    if (!holeStation(rib, p, scale, station))
        return;
    addPart(rib.getRoundSparParts(),
            roundHole(rib, station, rib.getCamberY(station) + offsetY / scale, spar.getRoundSparRadius() / scale),
            5, spar.getRoundSparId(), GLUtils::colorRoundSpar);
}
