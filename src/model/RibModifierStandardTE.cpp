#include "model/RibModifierStandardTE.h"

#include "foundation/Vector3D.h"
#include "model/RibDefinition.h"
#include "model/TEData.h"

void RibModifierStandardTE::apply(RibDefinition& rib, const TEData& te, float depthFactor,
                                  float scale)
{
    const float chord = rib.getChord();
    const float xLE = rib.getOffsetX();
    const float xTE = xLE + chord / scale;
    int u = 0;
    int l = 0;
    if (!rib.splitAtChordPosition(chord - te.getStandardTEDepth(depthFactor), xLE, xTE, u, l))
        return;

    std::vector<Vector3D*>& piece = rib.getTEPieceCoords();
    Vector3D::clearList(piece);

    std::vector<Vector3D*>& outline = rib.getRibCoords();
    // Every allocation comes before a point changes hands: the points move
    // from the outline into the piece only once the piece has room for all
    // of them, so that running out of memory halfway leaves no point in both.
    piece.reserve(size_t(u + 1) + outline.size() - size_t(l));
    Vector3D::insertCopy(outline, size_t(l), *outline[l]);
    Vector3D::insertCopy(outline, size_t(u), *outline[u]);

    // The piece runs from the upper trailing edge to the upper cut, then
    // from the lower cut back to the lower trailing edge.
    piece.assign(outline.begin(), outline.begin() + u + 1);
    piece.insert(piece.end(), outline.begin() + l + 2, outline.end());
    outline.erase(outline.begin() + l + 2, outline.end());
    outline.erase(outline.begin(), outline.begin() + u + 1);

    const Vector3D up(0.0f, 1.0f, 0.0f);
    const Vector3D down(0.0f, -1.0f, 0.0f);
    // Upper and lower surfaces hold as many points at the same stations, so
    // the two cut points of the piece meet in its middle.
    const std::size_t half = piece.size() / 2;
    if (half >= 1) {
        piece[half - 1]->setNormal(up);
        piece[half]->setNormal(down);
    }
    outline.front()->setNormal(up);
    outline.back()->setNormal(down);
}
