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
    // Both the outline and the piece keep their own point at each cut.
    outline.insert(outline.begin() + l, new Vector3D(*outline[l]));
    outline.insert(outline.begin() + u, new Vector3D(*outline[u]));

    std::vector<Vector3D*>& piece = rib.getLEPieceCoords();
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
