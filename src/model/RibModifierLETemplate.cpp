#include "model/RibModifierLETemplate.h"

#include "foundation/Vector3D.h"
#include "model/RibDefinition.h"

namespace {
// The template always covers the same front length, whatever leading edge
// the panel is built with.
const float templateDepth = 20.0f;
}

void RibModifierLETemplate::apply(RibDefinition& rib, float scale)
{
    const float xLE = rib.getOffsetX();
    const float xTE = xLE + rib.getChord() / scale;
    int upper = 0;
    int lower = 0;
    if (!rib.splitAtChordPosition(templateDepth, xLE, xTE, upper, lower) || upper > lower)
        return;

    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    std::vector<Vector3D*>& templ = rib.getLETemplateCoords();
    templ.reserve(templ.size() + size_t(lower - upper + 1));
    for (int i = upper; i <= lower; ++i)
        templ.push_back(new Vector3D(*outline[i]));
}
