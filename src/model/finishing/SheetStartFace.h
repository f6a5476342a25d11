#pragma once

#include <vector>

class IdentifiableObject;
class Vector3D;

// Where the sheets of both sides leave no rib along their bands, the rib
// starts where the bands end. The sheets' ends stand on the bands' last
// normals; where one of them leans back past the other band's end, a face
// built across the rib at the band end leaves a wedge of wood inside that
// sheet. This puts the face down that normal to its sunk end and across to
// the other side there, or, where the normal passes out through the other
// side first, down to where it does; where both lean back, down both of
// them. Works on a finished outline (Selig order, units of the wing root chord) and the rib's
// band polygons (each the surface as it was, then the sunk points
// backwards).
class SheetStartFace
{
public:
    // scale is the wing root chord in mm; true where the outline changed.
    static bool clearLastNormal(std::vector<Vector3D*>& outline, const std::vector<IdentifiableObject*>& bands,
                                float scale);
};
