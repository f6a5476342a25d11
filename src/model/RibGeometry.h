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

    // Deep copies of a point list; the caller owns the result. When memory
    // runs out, nothing is left behind.
    static PointList copyPoints(const PointList& points);
    // Appends deep copies of points to an owned list, which holds every copy
    // made when memory runs out halfway.
    static void appendCopies(PointList& target, const PointList& points);
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

    // Where the sheets or a spar's slot part the rib, the outline holds its
    // largest piece and these the others, each a closed outline in the
    // outline's own order (the points of the rest of the rib lie on its
    // end). Empty for a rib of one piece.
    std::vector<PointList> pieces;
    // What parted the rib: the sheets, a square spar's slot (its part id,
    // and the spar's 1-based number in the panel once the pipeline has
    // named it), or both; nothing for a rib of one piece.
    bool partedBySheets = false;
    int partingSlotId = 0;
    int partingSpar = 0;
    // The finished outline, or a piece, crosses or touches itself where no
    // parting mends it: kept as it is, to be told, not cut unseen.
    bool crossed = false;
};
