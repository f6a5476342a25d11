#include "model/RibModifierSparBase.h"

#include "model/RibDefinition.h"
#include "model/SparDefinition.h"

void RibModifierSparBase::interpolatePosition(float& slope, float& position, float& positionFirst,
                                              float& positionLast, const SparDefinition& spar,
                                              bool addLastThicknessHere,
                                              bool addLastThicknessToSpan,
                                              const RibDefinition& lastRib,
                                              const RibDefinition& firstRib,
                                              const RibDefinition& thisRib, float& offsetY)
{
    spar.getRealPosition(positionFirst, 0, firstRib, true);
    spar.getRealPosition(positionLast, 1, lastRib, true);

    const float span = lastRib.position + (addLastThicknessToSpan ? lastRib.thickness : 0.0f)
                       - firstRib.position;
    // A spar through a single rib has no span to interpolate over: it stands
    // where its first values put it. Dividing would give NaN offsets that
    // end up in drawings and files.
    if (lastRib.position == firstRib.position || span == 0.0f) {
        slope = 0.0f;
        position = positionFirst;
        offsetY = spar.getSparOffsetYStart();
        return;
    }
    const float here = thisRib.position + (addLastThicknessHere ? lastRib.thickness : 0.0f)
                       - firstRib.position;
    slope = (positionLast - positionFirst) / span;
    position = slope * here + positionFirst;
    offsetY = (spar.getSparOffsetYEnd() - spar.getSparOffsetYStart()) / span * here
              + spar.getSparOffsetYStart();
}

void RibModifierSparBase::positionAt(float& position, float& offsetY, const SparDefinition& spar,
                                     const RibDefinition& firstRib, const RibDefinition& lastRib,
                                     const RibDefinition& thisRib, bool isLastRibOfPanel,
                                     bool sparEndsAtLastRib)
{
    float slope = 0.0f;
    float positionFirst = 0.0f;
    float positionLast = 0.0f;
    interpolatePosition(slope, position, positionFirst, positionLast, spar, isLastRibOfPanel,
                        sparEndsAtLastRib, lastRib, firstRib, thisRib, offsetY);
    if (lastRib.position == firstRib.position)
        position = positionFirst;
}
