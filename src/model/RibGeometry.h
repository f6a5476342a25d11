#pragma once

#include <vector>

class IdentifiableObject;
class Vector3D;

// What the rib pipeline derives for one rib: the outline and the other
// point lists, and the shapes of the parts cut into it, all in units of the
// wing root chord. The block owns every point and shape, and a copy is
// deep. Ribs hold it by reference count and share it until one of them
// writes to it (RibDefinition), so copies of a built panel cost no points.
class RibGeometry
{
public:
    using PointList = std::vector<Vector3D*>;
    using PartList = std::vector<IdentifiableObject*>;

    RibGeometry() = default;
    RibGeometry(const RibGeometry& other);
    RibGeometry& operator=(const RibGeometry&) = delete;
    ~RibGeometry();

    // Empties every list, keeping their storage.
    void clear();

    // Deep copies of a point list; the caller owns the result.
    static PointList copyPoints(const PointList& points);
    // Destroys every shape of the list and empties it.
    static void clearParts(PartList& parts);

    PointList outline;
    PointList camberLine;
    PointList lePiece;
    PointList tePiece;
    PointList covering[4];
    PointList leTemplate;

    PartList squareSparParts;
    PartList roundSparParts;
    PartList tubeSparParts;
    PartList cubeTubeParts;
    PartList sparWebbingParts;
    PartList cubeSparParts;
    PartList coveringPolygons;
    PartList combParts;
};
