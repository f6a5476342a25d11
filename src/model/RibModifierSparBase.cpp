#include "model/RibModifierSparBase.h"

#include <cmath>
#include <memory>

#include "foundation/Circle3D.h"
#include "foundation/GLUtils.h"
#include "foundation/Mathematics.h"
#include "foundation/Rectangle3D.h"
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
    // In double: offsets near the ends of the float range (a foreign
    // document may hold them) differ by more than a float holds, and the
    // overflow would reach the holes as infinity or NaN.
    const double start = spar.getSparOffsetYStart();
    offsetY = float((double(spar.getSparOffsetYEnd()) - start) / span * here + start);
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

bool RibModifierSparBase::holeStation(RibDefinition& rib, float position, float scale, int& station)
{
    const float xLE = rib.getOffsetX();
    const float xTE = xLE + rib.getChord() / scale;
    int lower = 0;
    return rib.splitAtChordPosition(position, xLE, xTE, station, lower);
}

Circle3D* RibModifierSparBase::roundHole(const RibDefinition& rib, int station, float y, float radius)
{
    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    const Vertex centre(outline[station]->getX(), y, outline.front()->getZ());
    return new Circle3D(centre, radius, 24, GLUtils::AxisZ);
}

Rectangle3D* RibModifierSparBase::rectangularHole(const RibDefinition& rib, int station, float y, float width,
                                                  float height, float degrees)
{
    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    const float w = width * 0.5f;
    const float h = height * 0.5f;
    const float z = outline.front()->getZ();
    // Built about the origin so that it turns about its own centre.
    Rectangle3D* hole = new Rectangle3D(Vertex(w, h, z), Vertex(-w, h, z), Vertex(-w, -h, z), Vertex(w, -h, z));
    // Whole turns taken off first: a huge angle from a foreign document
    // would overflow on its way to radians and leave a NaN hole.
    if (degrees != 0.0f)
        hole->rotate(Mathematics::degToRad(std::fmod(degrees, 360.0f)), GLUtils::AxisZ);
    hole->translate(outline[station]->getX(), y, 0.0f);
    return hole;
}

void RibModifierSparBase::addPart(std::vector<IdentifiableObject*>& parts, IdentifiableObject* part, int type, int id,
                                  const float* color)
{
    // Ours until the list has taken it: a list that cannot grow frees it.
    std::unique_ptr<IdentifiableObject> owned(part);
    part->setType(type);
    part->setId(id);
    part->setColor(color);
    parts.push_back(part);
    owned.release();
}
