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

    const float xLE = rib.getOffsetX();
    const float xTE = xLE + rib.getChord() / scale;
    int u = 0;
    int l = 0;
    if (!rib.splitAtChordPosition(p, xLE, xTE, u, l))
        return;

    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    const Vertex centre(outline[u]->getX(), rib.getCamberY(u) + offsetY / scale,
                        outline.front()->getZ());
    Circle3D* hole = new Circle3D(centre, spar.getRoundSparRadius() / scale, 24, GLUtils::AxisZ);
    hole->setType(5);
    hole->setId(spar.getRoundSparId());
    hole->setColor(GLUtils::colorRoundSpar);
    rib.getRoundSparParts().push_back(hole);
}
