#include "model/RibModifierStandardLE.h"

#include "foundation/Vector3D.h"
#include "model/LEData.h"
#include "model/RibDefinition.h"

void RibModifierStandardLE::apply(RibDefinition& rib, const LEData& le, float scale)
{
    const float depth = le.getStandardLEDepth();
    // A split at the very leading edge would still move a zero-depth piece
    // out of the outline.
    if (!(depth > 0.0f))
        return;

    const float xLE = rib.getOffsetX();
    const float xTE = xLE + rib.getChord() / scale;
    int u = 0;
    int l = 0;
    if (!rib.splitAtChordPosition(depth, xLE, xTE, u, l))
        return;

    std::vector<Vector3D*>& outline = rib.getRibCoords();
    std::vector<Vector3D*>& piece = rib.getLEPieceCoords();
    // Room first, as for the trailing edge piece: no point may be in both
    // lists when memory runs out.
    piece.reserve(size_t(l - u + 1));
    // Both the outline and the piece keep their own point at each cut.
    Vector3D::insertCopy(outline, size_t(l), *outline[l]);
    Vector3D::insertCopy(outline, size_t(u), *outline[u]);

    Vector3D::clearList(piece);
    piece.assign(outline.begin() + u + 1, outline.begin() + l + 2);
    outline.erase(outline.begin() + u + 1, outline.begin() + l + 2);

    const Vector3D up(0.0f, 1.0f, 0.0f);
    const Vector3D down(0.0f, -1.0f, 0.0f);
    piece.front()->setNormal(up);
    piece.back()->setNormal(down);
    outline[u]->setNormal(up);
    outline[u + 1]->setNormal(down);
}
