#include "model/RibModifierLETemplate.h"

#include <algorithm>
#include <cstddef>

#include "foundation/Vector3D.h"
#include "model/RibDefinition.h"

namespace {
// The template always covers the same front length, whatever leading edge
// the panel is built with.
const float templateDepth = 20.0f;
}

void RibModifierLETemplate::apply(RibDefinition& rib, float scale)
{
    std::vector<Vector3D*> none;
    apply(rib, scale, none);
}

void RibModifierLETemplate::apply(RibDefinition& rib, float scale, std::vector<Vector3D*>& spare)
{
    const float xLE = rib.getOffsetX();
    const float xTE = xLE + rib.getChord() / scale;
    int upper = 0;
    int lower = 0;
    if (rib.splitAtChordPosition(templateDepth, xLE, xTE, upper, lower) && upper <= lower) {
        const std::vector<Vector3D*>& outline = rib.getRibCoords();
        std::vector<Vector3D*>& templ = rib.getLETemplateCoords();
        const size_t count = size_t(lower - upper + 1);
        const size_t first = templ.size();
        templ.reserve(first + count);
        // A rebuild makes the template anew for every rib, about as long as
        // the last one: its points are overwritten rather than freed and
        // allocated again with their normals. They join the template before
        // anything can throw, so that no point has two owners.
        const size_t reused = std::min(count, spare.size());
        templ.insert(templ.end(), spare.end() - std::ptrdiff_t(reused), spare.end());
        spare.resize(spare.size() - reused);
        Vector3D* const* from = outline.data() + upper;
        for (size_t k = 0; k < reused; ++k)
            *templ[first + k] = *from[k];
        for (size_t k = reused; k < count; ++k)
            templ.push_back(new Vector3D(*from[k]));
    }
    Vector3D::clearList(spare);
}
