#include "model/RibModifierCubeSpar.h"

#include "foundation/GLUtils.h"
#include "foundation/Rectangle3D.h"
#include "model/RibDefinition.h"
#include "model/SparDefinition.h"

void RibModifierCubeSpar::apply(RibDefinition& rib, int /*ribNumber*/, const SparDefinition& spar,
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
    addPart(rib.getCubeSparParts(),
            rectangularHole(rib, station, rib.getCamberY(station) + offsetY / scale,
                            spar.getCubeSparWidth() / scale, spar.getCubeSparHeight() / scale,
                            spar.getCubeSparRotation()),
            8, spar.getCubeSparId(), GLUtils::colorCubeSpar);
}
