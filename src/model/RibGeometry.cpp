#include "model/RibGeometry.h"

#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"

RibGeometry::RibGeometry(const RibGeometry& other)
    : outline(copyPoints(other.outline)),
      camberLine(copyPoints(other.camberLine)),
      lePiece(copyPoints(other.lePiece)),
      tePiece(copyPoints(other.tePiece)),
      covering{copyPoints(other.covering[0]), copyPoints(other.covering[1]), copyPoints(other.covering[2]),
               copyPoints(other.covering[3])},
      leTemplate(copyPoints(other.leTemplate)),
      partedBySheets(other.partedBySheets),
      partingSlotId(other.partingSlotId),
      partingSpar(other.partingSpar),
      crossed(other.crossed)
{
    pieces.reserve(other.pieces.size());
    for (const PointList& piece : other.pieces) {
        pieces.push_back(copyPoints(piece));
    }
    PartList RibGeometry::*const partLists[] = {&RibGeometry::squareSparParts,  &RibGeometry::roundSparParts,
                                                &RibGeometry::tubeSparParts,    &RibGeometry::cubeTubeParts,
                                                &RibGeometry::sparWebbingParts, &RibGeometry::cubeSparParts,
                                                &RibGeometry::coveringPolygons, &RibGeometry::combParts};
    for (const auto list : partLists) {
        PartList& copies = this->*list;
        copies.reserve((other.*list).size());
        for (const IdentifiableObject* shape : other.*list) {
            copies.push_back(shape ? shape->clone() : nullptr);
        }
    }
}

RibGeometry::~RibGeometry()
{
    clear();
}

void RibGeometry::clear()
{
    Vector3D::clearList(outline);
    Vector3D::clearList(camberLine);
    Vector3D::clearList(lePiece);
    Vector3D::clearList(tePiece);
    for (PointList& list : covering) {
        Vector3D::clearList(list);
    }
    Vector3D::clearList(leTemplate);
    for (PointList& piece : pieces) {
        Vector3D::clearList(piece);
    }
    pieces.clear();
    partedBySheets = false;
    partingSlotId = 0;
    partingSpar = 0;
    crossed = false;
    clearParts(squareSparParts);
    clearParts(roundSparParts);
    clearParts(tubeSparParts);
    clearParts(cubeTubeParts);
    clearParts(sparWebbingParts);
    clearParts(cubeSparParts);
    clearParts(coveringPolygons);
    clearParts(combParts);
}

RibGeometry::PointList RibGeometry::copyPoints(const PointList& points)
{
    PointList copies;
    copies.reserve(points.size());
    for (const Vector3D* point : points) {
        copies.push_back(new Vector3D(*point));
    }
    return copies;
}

void RibGeometry::clearParts(PartList& parts)
{
    for (IdentifiableObject* part : parts) {
        delete part;
    }
    parts.clear();
}
