#pragma once

#include <QColor>
#include <vector>

#include "foundation/Vector3D.h"

// Colours, unit axes, point-list geometry and the immediate-mode drawing
// shared by every view and by the rib modifiers. The drawing functions
// expect a current OpenGL 1.x context.
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
// The same walk from the segment of outline[k - 1] to outline[k] on, k being
// the first index from 1 whose point lies at or ahead of a and b (see
// OutlineClip).
void clipToOutlineFrom(const Vector3D& a, Vector3D& b, const std::vector<Vector3D*>& outline, size_t k);

// --- Colour and view -----------------------------------------------------

// glColor4f of the record; an alpha above 1 becomes transparencyPercent/100.
void setColor(const float colour[4], int transparencyPercent);
// Same rule; used with a shape's own colour record.
void setObjectColor(const float colour[4], int transparencyPercent);
// Channels truncated to 0..255; a record alpha above 1 gives an opaque colour.
QColor toQColor(const float colour[4]);
// 0.299 r + 0.587 g + 0.114 b, the grey every record turns into in grey mode.
float luminance(const float colour[4]);

void setPerspective(double fovY, double aspect, double zNear, double zFar);
// The third column of the current model-view matrix.
void getViewDirection(float& x, float& y, float& z);

// Between the pair, drawing only marks the stencil buffer; after it, pixels
// are drawn only where nothing was marked since the last clearStencilMarks
// (or since the caller cleared the buffer). The stencil test stays enabled.
void beginStencilMark();
void endStencilMark();
// Forgets every mark, as clearing the stencil buffer would, but normally
// without touching the buffer.
void clearStencilMarks();
// How many clearStencilMarks may pass without a real clear: 0 as many as
// the buffer's values allow, 1 a real clear every time (for comparing
// pictures against it).
void setStencilValueCap(int values);
// Drawing recorded for later replay takes its mark values at recording
// time. The number of values one run of marks may use before the buffer
// must be cleared, for the current context.
int stencilMarkValues();
// The next clearStencilMarks takes value (1 .. stencilMarkValues) without
// clearing: the caller sees to it that no mark of that value is in the
// buffer when what is drawn next runs.
void continueStencilMarksAt(int value);
// How many times clearStencilMarks has run, ever: the difference tells how
// many mark values a piece of drawing took.
long stencilMarksTaken();
// The next clearStencilMarks clears the buffer for real, because marks of
// unknown values may lie in it.
void forgetStencilMarks();

// --- Outline extrusions ---------------------------------------------------
// Outlines run trailing edge, upper side, leading edge, lower side, trailing
// edge, so point i faces point n-1-i. Shapes hold Vertex lists, outlines
// Vector3D lists; both are drawn alike.

// The band between the outline and its copy moved by (dx, dy, dz). Inverted
// draws a closed outline seen from inside (a hole's wall).
void drawOutlineWall(const std::vector<Vector3D*>& points, float normalFactor, float dx, float dy, float dz,
                     bool inverted);
void drawOutlineWall(const std::vector<Vertex*>& points, float normalFactor, float dx, float dy, float dz,
                     bool inverted);
void drawOutlineWallZ(const std::vector<Vector3D*>& points, float normalFactor, float depth, bool inverted);
void drawOutlineWallZ(const std::vector<Vertex*>& points, float normalFactor, float depth, bool inverted);
void drawOutlineWallX(const std::vector<Vector3D*>& points, float normalFactor, float depth, bool inverted);
void drawOutlineWallX(const std::vector<Vertex*>& points, float normalFactor, float depth, bool inverted);

// The two flat faces of the outline, at the outline and moved by (dx, dy, dz).
void drawOutlineSlab(const std::vector<Vector3D*>& points, float dx, float dy, float dz, const Vector3D& faceNormal);
void drawOutlineSlab(const std::vector<Vertex*>& points, float dx, float dy, float dz, const Vector3D& faceNormal);
void drawOutlineSlabZ(const std::vector<Vector3D*>& points, float thickness);
void drawOutlineSlabZ(const std::vector<Vertex*>& points, float thickness);
void drawOutlineSlabX(const std::vector<Vector3D*>& points, float depth);
void drawOutlineSlabX(const std::vector<Vertex*>& points, float depth);
// The faces at z + offset and z + offset + thickness, without normals.
void drawOutlineFaces(const std::vector<Vector3D*>& points, float thickness, float offset);
void drawOutlineFaces(const std::vector<Vertex*>& points, float thickness, float offset);

// --- Solids between two neighbouring ribs ---------------------------------

// The mantle between two rings of points laid evenly round a circle from
// angle 0; ring B is moved by dz. Sign turns the normals.
void drawRoundSparSolid(const std::vector<Vertex*>& ringA, const std::vector<Vertex*>& ringB, float dz, int sign,
                        bool capA, bool capB);
void drawTubeSolid(const std::vector<Vertex*>& ringA, const std::vector<Vertex*>& ringB, float dz, int sign,
                   bool capA, bool capB);
// The six-sided solid between two rectangles, each moved by its own offset.
// With both ordered counter-clockwise seen from B's side, sign 1 turns the
// normals inwards and -1 outwards.
void drawBoxSolid(const std::vector<Vertex*>& boxA, float ax, float ay, float az, const std::vector<Vertex*>& boxB,
                  float bx, float by, float bz, int sign, bool capA, bool capB);

// --- Primitives of the views ----------------------------------------------

// Base disc at z = 0, apex at z = -height.
void drawCone(int normalSign, float radius, float height);
void drawCylinder(int normalSign, float radius, float length);
void drawCylinderCoarse(int normalSign, float radius, float length);
// Arrows along X, Y and Z with ticks every 10 units; leaves the matrix stack
// as it found it.
void drawAxes(float length, float scale, int normalSign);
// A square grid of lines in the plane at height y; a step below 1 draws
// nothing.
void drawGrid(int halfCount, float scale, float step, float y);
void drawPanelBox(float rootChord, float tipChord, float length, float sweep, float halfHeight, float scale);

// --- Immediate-mode calls -------------------------------------------------
// Every glBegin/glEnd/glVertex/glNormal/glColor of the drawing code goes
// through these, so that a test can see the order in which things are drawn.

void beginPrimitive(unsigned int mode);
void endPrimitive();
void vertex(float x, float y, float z);
void vertex(const Vertex& p);
// p moved by (dx, dy, dz).
void vertex(const Vertex& p, float dx, float dy, float dz);
void normal(float x, float y, float z);
void color(float r, float g, float b, float a);

struct RecordedCall
{
    enum Kind { BeginCall, EndCall, VertexCall, NormalCall, ColorCall };
    Kind kind;
    unsigned int mode; // of a BeginCall
    float v[4];
};

// While a log is set, every call above is appended to it as well as sent to
// OpenGL. Null stops recording.
void setCallLog(std::vector<RecordedCall>* log);

} // namespace GLUtils
