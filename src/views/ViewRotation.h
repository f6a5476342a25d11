#pragma once

// Camera rotations shared by the 3D views, 16 elements in OpenGL order
// (column by column), and the turn that a mouse drag gives them. The model
// has X along the chord, Y up and Z along the span; the screen x right, y
// up and z toward the viewer.
namespace ViewRotation {

// The oblique view both views open with.
inline constexpr float angled[16] = {-0.75f, 0.31f, -0.57f, 0.0f, 0.0f,  0.88f, 0.47f, 0.0f,
                                     0.65f,  0.36f, -0.66f, 0.0f, 0.0f, 0.0f,  0.0f,  1.0f};
inline constexpr float front[16] = {0, 0, -1, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 1};
inline constexpr float left[16] = {-1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 1};
inline constexpr float rear[16] = {0, 0, 1, 0, 0, 1, 0, 0, -1, 0, 0, 0, 0, 0, 0, 1};
inline constexpr float right[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// A drag of (dx, dy) pixels: sideways about the model's own vertical axis
// as it currently lies, then up and down about the screen's horizontal
// axis, one degree per pixel divided by the camera distance (at least 1)
// and by 4 more when fine.
void turnByDrag(float rotation[16], int dx, int dy, float cameraX, float cameraY, float cameraZ, bool fine);

} // namespace ViewRotation
