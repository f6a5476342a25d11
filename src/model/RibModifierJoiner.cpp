#include "model/RibModifierJoiner.h"

#include "model/RibDefinition.h"
#include "model/SparDefinition.h"

float RibModifierJoiner::getJoinerPosition(const RibDefinition& rib, int ribNumber,
                                           const SparDefinition& spar,
                                           const RibDefinition& firstRib,
                                           const RibDefinition& lastRib,
                                           const RibDefinition& thisRib, float scale,
                                           bool isLastRibOfPanel, bool sparEndsAtLastRib,
                                           float& camberY)
{
    const bool startsAtRoot = firstRib.position == 0.0f;
    const float leShift = (lastRib.getOffsetX() - firstRib.getOffsetX()) * scale;
    float pFirst = 0.0f;
    float pLast = 0.0f;
    if (startsAtRoot) {
        spar.getRealPosition(pFirst, 0, firstRib, true);
        pLast = pFirst - leShift;
    } else {
        // Away from the root the joiner is placed by its last rib.
        spar.getRealPosition(pLast, 0, lastRib, true);
        pFirst = pLast + leShift;
    }

    float position = pFirst;
    if (lastRib.position != firstRib.position) {
        const float span = lastRib.position + (sparEndsAtLastRib ? lastRib.thickness : 0.0f)
                           - firstRib.position;
        const float here = thisRib.position + (isLastRibOfPanel ? lastRib.thickness : 0.0f)
                           - firstRib.position;
        if (span != 0.0f)
            position = pFirst + (pLast - pFirst) / span * here;
    }

    if (startsAtRoot && ribNumber == 1) {
        const float xLE = rib.getOffsetX();
        const float xTE = xLE + rib.getChord() / scale;
        firstRib.getCamberYAtChordPosition(position, xLE, xTE, camberY);
    } else if (!startsAtRoot && thisRib.position == firstRib.position) {
        const float xLE = lastRib.getOffsetX();
        const float xTE = xLE + lastRib.getChord() / scale;
        lastRib.getCamberYAtChordPosition(pLast, xLE, xTE, camberY);
    }
    return position;
}
