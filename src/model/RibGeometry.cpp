#include "model/RibGeometry.h"

#include <initializer_list>

#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"

// Delegating: once the empty block stands, its destructor frees whatever
// was copied when memory runs out halfway.
RibGeometry::RibGeometry(const RibGeometry& other) : RibGeometry()
{
    for (PointList RibGeometry::*const list : {&RibGeometry::outline, &RibGeometry::camberLine,
                                                &RibGeometry::lePiece, &RibGeometry::tePiece,
                                                &RibGeometry::leTemplate}) {
        appendCopies(this->*list, other.*list);
    }
    for (int i = 0; i < 4; ++i) {
        appendCopies(covering[i], other.covering[i]);
    }
    pieces.reserve(other.pieces.size());
    for (const PointList& piece : other.pieces) {
        // The list stands before its points are copied into it: a shortage
        // halfway leaves them to the destructor.
        pieces.emplace_back();
        appendCopies(pieces.back(), piece);
    }
    partedBySheets = other.partedBySheets;
    partingSlotId = other.partingSlotId;
    partingSpar = other.partingSpar;
    crossed = other.crossed;
    PartList RibGeometry::*const partLists[] = {&RibGeometry::squareSparParts,  &RibGeometry::roundSparParts,
                                                &RibGeometry::tubeSparParts,    &RibGeometry::cubeTubeParts,
                                                &RibGeometry::sparWebbingParts, &RibGeometry::cubeSparParts,
                                                &RibGeometry::coveringPolygons, &RibGeometry::combParts};
    for (const auto list : partLists) {
        PartList& copies = this->*list;
        copies.reserve((other.*list).size());
        for (const IdentifiableObject* shape : other.*list) {
            // Within the reserve: the list takes the copy without growing.
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
    try {
        appendCopies(copies, points);
    } catch (...) {
        Vector3D::clearList(copies);
        throw;
    }
    return copies;
}

void RibGeometry::appendCopies(PointList& target, const PointList& points)
{
    target.reserve(target.size() + points.size());
    for (const Vector3D* point : points) {
        // Within the reserve: each copy is the list's the moment it is made.
        target.push_back(new Vector3D(*point));
    }
}

void RibGeometry::clearParts(PartList& parts)
{
    for (IdentifiableObject* part : parts) {
        delete part;
    }
    parts.clear();
}
