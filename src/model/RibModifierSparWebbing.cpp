#include "model/RibModifierSparWebbing.h"

#include "foundation/GLUtils.h"
#include "foundation/Rectangle3D.h"
#include "model/RibDefinition.h"
#include "model/RibModifierSquareSpar.h"
#include "model/SparDefinition.h"

void RibModifierSparWebbing::apply(RibDefinition& rib, int /*ribNumber*/,
                                   const SparDefinition& spar, float /*firstRibChord*/,
                                   const RibDefinition& firstRib, const RibDefinition& lastRib,
                                   const RibDefinition& thisRib, float /*joinerOffsetY*/,
                                   float scale, bool isLastRibOfPanel, float /*sweepPerLength*/,
                                   bool sparEndsAtLastRib)
{
    // A web needs two ribs to stand between.
    if (!(lastRib.position > firstRib.position))
        return;

    float p = 0.0f;
    float offsetY = 0.0f;
    positionAt(p, offsetY, spar, firstRib, lastRib, thisRib, isLastRibOfPanel, sparEndsAtLastRib);

    int F = 0, f = 0, R = 0, r = 0;
    if (!RibModifierSquareSpar::splitAtStations(rib, p, p + spar.getWebbingWidth(), scale, F, f,
                                                R, r))
        return;

    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    Rectangle3D* web = new Rectangle3D(*outline[R], *outline[F], *outline[f], *outline[r]);
    addPart(rib.getSparWebbingParts(), web, 4, spar.getWebbingId(), GLUtils::colorWebbing);
}
