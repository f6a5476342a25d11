#pragma once

#include <vector>

class Vector3D;

// The nose of a sheeted rib. Sheets that start at the nose sink it: on a
// thin section those of both sides bring it to a point, or to a face a hair
// high, and leave a wedge thinner than 0.5 mm for a way behind it that no
// builder can cut. The rib then ends where it is still 0.5 mm thick, with
// a face across it; what lies ahead is sheet. A nose the sheets leave round
// is thin for a hair behind its tip only, as a bare one is, and stays.
// Works on a finished outline (Selig order, units of the wing root chord)
// whose points still carry how far the sheets have sunk them.
class SheetedNose
{
public:
    using PointList = std::vector<Vector3D*>;

    // scale is the wing root chord in mm. Tells whether it moved the nose.
    static bool endWhereThick(PointList& outline, float scale);
};
