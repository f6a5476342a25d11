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
    const float xLE = rib.getOffsetX();
    const float xTE = xLE + rib.getChord() / scale;
    int u = 0;
    int l = 0;
    if (!rib.splitAtChordPosition(p, xLE, xTE, u, l))
        return;

    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    const float x = outline[u]->getX();
    const float yc = joinerOffsetY + joinerCamberY;
    const float w = spar.getCubeTubeWidth() / scale * 0.5f;
    const float h = spar.getCubeTubeHeight() / scale * 0.5f;
    const float z = outline.front()->getZ();
    Rectangle3D* hole = new Rectangle3D(Vertex(x + w, yc + h, z), Vertex(x - w, yc + h, z),
                                        Vertex(x - w, yc - h, z), Vertex(x + w, yc - h, z));
    hole->setType(9);
    hole->setId(spar.getCubeTubeId());
    hole->setColor(GLUtils::colorCubeTube);
    rib.getCubeTubeParts().push_back(hole);
}
