#pragma once

#include <vector>

#include "foundation/Vector3D.h"

// Colours, unit axes and point-list geometry shared by every view and by the
// rib modifiers.
namespace GLUtils {

// Colour records: red, green, blue, alpha. An alpha above 1 stands for the
// view's transparency setting. They are compile-time constants, so they hold
// their values before any static constructor of the program runs.
inline constexpr float colorCombPart1[4] = {0.0f, 0.4f, 0.0f, 2.0f};
inline constexpr float colorRibView[4] = {0.71f, 0.71f, 0.71f, 1.0f};
inline constexpr float colorRibViewOutline[4] = {0.8f, 0.8f, 0.8f, 1.0f};
inline constexpr float colorSelection[4] = {1.0f, 0.0f, 0.0f, 1.0f};
inline constexpr float colorBackground[4] = {0.8f, 0.8f, 0.8f, 1.0f};
inline constexpr float colorGrid[4] = {0.65f, 0.65f, 0.65f, 1.0f};
inline constexpr float colorSpare[4] = {0.8f, 0.8f, 0.8f, 1.0f};
inline constexpr float colorCovering[4] = {1.0f, 0.9f, 0.0f, 2.0f};
inline constexpr float colorRibOutline[4] = {0.0f, 0.0f, 0.8f, 2.0f};
inline constexpr float colorTube[4] = {0.5f, 0.5f, 0.5f, 2.0f};
inline constexpr float colorCubeTube[4] = {0.08f, 0.83f, 0.68f, 2.0f};
inline constexpr float colorCubeSpar[4] = {0.2f, 0.6f, 0.63f, 2.0f};
inline constexpr float colorRoundSpar[4] = {0.08f, 0.9f, 0.08f, 2.0f};
inline constexpr float colorWebbing[4] = {0.3f, 0.4f, 1.0f, 2.0f};
inline constexpr float colorSquareSpar[4] = {0.2f, 0.3f, 1.0f, 2.0f};
inline constexpr float colorTESolid[4] = {0.5f, 0.5f, 1.0f, 2.0f};
inline constexpr float colorLESolid[4] = {0.5f, 0.5f, 1.0f, 2.0f};
inline constexpr float colorCombPart2[4] = {1.0f, 0.57f, 0.0f, 2.0f};

// Rotation axes. Vertex::rotate and the shapes compare against these, so
// they are constant-initialised (constexpr constructor) and valid before any
// static code of the program runs.
extern const Vector3D AxisX;
extern const Vector3D AxisY;
extern const Vector3D AxisZ;

// While on, every colour conversion gives the grey luminance of a record.
// The airfoil view sets it each time it draws; nothing else writes it.
extern bool greyMode;

void rotatePoints(std::vector<Vector3D*>& points, float angle, const Vector3D& axis);
void rotatePoints(std::vector<Vertex*>& points, float angle, const Vector3D& axis);
void translatePoints(std::vector<Vector3D*>& points, const Vector3D& v);
void translatePoints(std::vector<Vertex*>& points, const Vector3D& v);

// True when a0-a1 meets b0-b1 (parameters within [-eps, 1 + eps]); out gets
// the meeting point's coordinates. A hit exactly on a0 or a1 marks that end
// with property bit 2.
bool intersectSegments(Vertex& a0, Vertex& a1, const Vertex& b0, const Vertex& b1, Vertex& out, float eps);

// Pulls b back onto the outline where a-b crosses it, walking the upper
// side from the trailing edge forwards.
void clipToOutline(const Vector3D& a, Vector3D& b, const std::vector<Vector3D*>& outline);

} // namespace GLUtils
