#include "views/ViewRotation.h"

#include <algorithm>
#include <cmath>

#include "foundation/Mathematics.h"
#include "foundation/Vertex.h"

namespace ViewRotation {

namespace {

// A zero drag leaves a zero axis and no angle, so nothing turns.
void turn(float rotation[16], Vertex axis, float degrees)
{
    axis.normalize();
    float turnMatrix[16];
    Mathematics::rotationMatrix(turnMatrix, axis.getX(), axis.getY(), axis.getZ(), Mathematics::degToRad(degrees));
    // The turn follows the current rotation.
    Mathematics::multiplyMatrices(rotation, rotation, turnMatrix);
    // Many small turns would otherwise let rounding shear the model.
    Mathematics::orthonormalizeMatrix(rotation);
}

} // namespace

void turnByDrag(float rotation[16], int dx, int dy, float cameraX, float cameraY, float cameraZ, bool fine)
{
    // Turning slows down as the camera moves away, so that the picture
    // moves at about the same speed under the pointer.
    const float distance = std::max(1.0f, std::sqrt(cameraX * cameraX + cameraY * cameraY + cameraZ * cameraZ));
    const float scale = distance * (fine ? 4.0f : 1.0f);
    Vertex vertical(0.0f, float(dx), 0.0f);
    vertical.transform(rotation);
    turn(rotation, vertical, std::abs(dx) / scale);
    turn(rotation, Vertex(float(dy), 0.0f, 0.0f), std::abs(dy) / scale);
}

} // namespace ViewRotation
