#include "model/RibDefinition.h"

#include <qopengl.h>

#include "foundation/GLUtils.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Triangle2D.h"
#include "foundation/Vector3D.h"
#include "model/PlaneVisualisationOptions.h"

// The OpenGL drawing of one rib, kept apart from its geometry: the rebuild
// never draws, and the views never change a rib.

namespace {

void drawOutlineLoop(const RibDefinition::PointList& points, const PlaneVisualisationOptions& options)
{
    GLUtils::setColor(GLUtils::colorRibOutline, options.getTransparency());
    GLUtils::beginPrimitive(GL_LINE_LOOP);
    for (const Vector3D* p : points)
        GLUtils::vertex(*p);
    GLUtils::endPrimitive();
}

// One face triangle, wound clockwise seen from +z when clockwise is set and
// counter-clockwise otherwise, so that both faces look outwards. The face
// lies dz beyond the outline, which sits at the rib's place along the span.
void faceTriangle(const Vertex& a, const Vertex& b, const Vertex& c, float dz, bool clockwise)
{
    const bool turn = Triangle2D::isClockwise(a, b, c) != clockwise;
    GLUtils::vertex(a, 0.0f, 0.0f, dz);
    if (turn) {
        GLUtils::vertex(c, 0.0f, 0.0f, dz);
        GLUtils::vertex(b, 0.0f, 0.0f, dz);
    } else {
        GLUtils::vertex(b, 0.0f, 0.0f, dz);
        GLUtils::vertex(c, 0.0f, 0.0f, dz);
    }
}

void drawSlab(const RibDefinition& rib, const RibDefinition::PointList& points, const float colour[4],
              const PlaneVisualisationOptions& options, float normalFactor, bool outlineFlag, bool capFlag)
{
    const size_t n = points.size();
    const float t = rib.scaledThickness;
    if (n > 0) {
        GLUtils::clearStencilMarks();
        if (outlineFlag)
            drawOutlineLoop(points, options);
        GLUtils::setColor(colour, options.getTransparency());
        GLUtils::drawOutlineWallZ(points, normalFactor, t, false);

        if (capFlag) {
            GLUtils::beginPrimitive(GL_TRIANGLE_STRIP);
            GLUtils::normal(normalFactor, 0.0f, 0.0f);
            GLUtils::vertex(*points.front());
            GLUtils::vertex(*points.front(), 0.0f, 0.0f, t);
            GLUtils::vertex(*points.back());
            GLUtils::vertex(*points.back(), 0.0f, 0.0f, t);
            GLUtils::endPrimitive();

            const RibDefinition::PartList* holeLists[] = {&rib.getRoundSparParts(), &rib.getTubeSparParts(),
                                                          &rib.getCubeTubeParts(), &rib.getCubeSparParts()};
            for (const RibDefinition::PartList* list : holeLists)
                for (const IdentifiableObject* hole : *list)
                    GLUtils::drawOutlineWallZ(hole->getPoints(), normalFactor, t, true);

            // The holes are marked in the stencil so that the faces below
            // leave them open. Square slots lead their list, webbing follows.
            GLUtils::beginStencilMark();
            for (const IdentifiableObject* slot : rib.getSquareSparParts()) {
                if (slot->getType() != 2)
                    break;
                GLUtils::drawOutlineSlabZ(slot->getPoints(), t);
            }
            for (const RibDefinition::PartList* list : holeLists)
                for (const IdentifiableObject* hole : *list)
                    GLUtils::drawOutlineSlabZ(hole->getPoints(), t);
            GLUtils::endStencilMark();
        }

        GLUtils::beginPrimitive(GL_TRIANGLES);
        for (int face = 0; face < 2; ++face) {
            const float dz = face == 0 ? 0.0f : t;
            GLUtils::normal(0.0f, 0.0f, face == 0 ? -normalFactor : normalFactor);
            // Upper point i faces lower point n-1-i.
            for (size_t i = 0; i < n / 2; ++i) {
                const size_t j = n - 1 - i;
                const Vertex& upper0 = *points[i];
                const Vertex& upper1 = *points[i + 1];
                const Vertex& lower0 = *points[j];
                const Vertex& lower1 = *points[j - 1];
                faceTriangle(upper0, upper1, lower0, dz, face == 0);
                faceTriangle(upper1, lower1, lower0, dz, face == 0);
            }
        }
        GLUtils::endPrimitive();
    }
    glDisable(GL_STENCIL_TEST);
}

} // namespace

void RibDefinition::visualize(const PlaneVisualisationOptions& options, float normalFactor) const
{
    if (!options.getShowRibs())
        return;
    const float* colour = isSelected() ? GLUtils::colorSelection : GLUtils::colorCombPart2;
    drawSlab(*this, getRibCoords(), colour, options, normalFactor, true, true);
    // Each further piece of a parted rib is a slab of its own; its points
    // pair up across the chord as the outline's do.
    for (const PointList& piece : getFurtherPieces())
        drawSlab(*this, piece, colour, options, normalFactor, true, true);
}
