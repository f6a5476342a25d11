#include "model/RibModifierCubeSpar.h"

#include "foundation/GLUtils.h"
#include "foundation/Mathematics.h"
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

    const float xLE = rib.getOffsetX();
    const float xTE = xLE + rib.getChord() / scale;
    int u = 0;
    int l = 0;
    if (!rib.splitAtChordPosition(p, xLE, xTE, u, l))
        return;

    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    const float w = spar.getCubeSparWidth() / scale * 0.5f;
    const float h = spar.getCubeSparHeight() / scale * 0.5f;
    const float z = outline.front()->getZ();
    // Built about the origin so that it turns about its own centre.
    Rectangle3D* hole = new Rectangle3D(Vertex(w, h, z), Vertex(-w, h, z), Vertex(-w, -h, z),
                                        Vertex(w, -h, z));
    hole->rotate(Mathematics::degToRad(spar.getCubeSparRotation()), GLUtils::AxisZ);
    hole->translate(outline[u]->getX(), rib.getCamberY(u) + offsetY / scale, 0.0f);
    hole->setType(8);
    hole->setId(spar.getCubeSparId());
    hole->setColor(GLUtils::colorCubeSpar);
    rib.getCubeSparParts().push_back(hole);
}
