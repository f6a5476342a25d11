#include "model/SparePoints.h"

#include "foundation/Vector3D.h"

SparePoints::~SparePoints()
{
    Vector3D::clearList(points);
}
