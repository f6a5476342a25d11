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
    const float xLE = rib.getOffsetX();
    const float xTE = xLE + rib.getChord() / scale;
    int u = 0;
    int l = 0;
    if (!rib.splitAtChordPosition(p, xLE, xTE, u, l))
        return;

    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    const Vertex centre(outline[u]->getX(), joinerOffsetY + joinerCamberY,
                        outline.front()->getZ());
    Circle3D* hole = new Circle3D(centre, spar.getTubeRadius() / scale, 24, GLUtils::AxisZ);
    hole->setType(7);
    hole->setId(spar.getTubeId());
    hole->setColor(GLUtils::colorTube);
    rib.getTubeSparParts().push_back(hole);
}
