#include <QtTest>
#include <cmath>
#include <memory>

#include "common/GLTestSurface.h"
#include "foundation/GLUtils.h"
#include "foundation/Vector3D.h"

Q_DECLARE_METATYPE(GLTestSurface::Pixel)

namespace {

// Owns the points of a list built from coordinates (x, y pairs at z = 0).
class Points
{
public:
    Points() = default;
    Points(std::initializer_list<std::pair<float, float>> xy, bool withNormals = true)
    {
        for (const auto& p : xy) {
            auto* v = new Vector3D(p.first, p.second, 0.0f);
            if (withNormals)
                v->setNormal(Vector3D(0.0f, 1.0f, 0.0f));
            list.push_back(v);
            vertices.push_back(v);
        }
    }
    ~Points() { Vector3D::clearList(list); }
    Points(const Points&) = delete;
    Points& operator=(const Points&) = delete;

    std::vector<Vector3D*> list;
    std::vector<Vertex*> vertices;
};

std::vector<Vertex*> ring(int count, float radius, float z)
{
    std::vector<Vertex*> out;
    for (int k = 0; k < count; ++k) {
        const float a = 2.0f * 3.14159f * k / count;
        out.push_back(new Vertex(radius * std::cos(a), radius * std::sin(a), z));
    }
    return out;
}

void deleteAll(std::vector<Vertex*>& list)
{
    for (Vertex* v : list)
        delete v;
    list.clear();
}

void fillSquare(float x0, float y0, float x1, float y1)
{
    GLUtils::beginPrimitive(GL_QUADS);
    GLUtils::vertex(x0, y0, 0.0f);
    GLUtils::vertex(x1, y0, 0.0f);
    GLUtils::vertex(x1, y1, 0.0f);
    GLUtils::vertex(x0, y1, 0.0f);
    GLUtils::endPrimitive();
}

} // namespace

class TestGLUtils : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void colourRecordsApplyTransparencyAndGrey_data();
    void colourRecordsApplyTransparencyAndGrey();
    void colourRecordsConvertToQColor_data();
    void colourRecordsConvertToQColor();
    void stencilMarkKeepsMarkedPixelsFree();
    void slabFillsPairedOutlineOnBothFaces();
    void degenerateInputsDrawNothing_data();
    void degenerateInputsDrawNothing();
    void wallKeepsPreviousNormalForPointWithout();
    void ringSolidPairsOnlyCommonPoints_data();
    void ringSolidPairsOnlyCommonPoints();
    void boxSolidNormalsFollowSign_data();
    void boxSolidNormalsFollowSign();
    void axesTicksAndMatrixStack_data();
    void axesTicksAndMatrixStack();
    void gridRestoresLighting_data();
    void gridRestoresLighting();

private:
    std::unique_ptr<GLTestSurface> gl;
};

void TestGLUtils::initTestCase()
{
    gl = std::make_unique<GLTestSurface>(64, 64);
    QVERIFY2(gl->isValid(), "no OpenGL context with a framebuffer object");
}

void TestGLUtils::cleanup()
{
    GLUtils::greyMode = false;
    GLUtils::setCallLog(nullptr);
    gl->reset();
}

void TestGLUtils::colourRecordsApplyTransparencyAndGrey_data()
{
    QTest::addColumn<QVector<float>>("record");
    QTest::addColumn<int>("transparency");
    QTest::addColumn<bool>("grey");
    QTest::addColumn<GLTestSurface::Pixel>("expected");

    const auto rec = [](const float* c) { return QVector<float>{c[0], c[1], c[2], c[3]}; };
    // Written alpha is the record's own up to 1, the view's above it.
    QTest::newRow("view transparency 40") << QVector<float>{1.0f, 0.4f, 0.0f, 2.0f} << 40 << false
                                          << GLTestSurface::Pixel{255, 102, 0, 102};
    QTest::newRow("opaque record ignores transparency") << rec(GLUtils::colorSelection) << 40 << false
                                                        << GLTestSurface::Pixel{255, 0, 0, 255};
    QTest::newRow("record alpha 0.6 kept") << QVector<float>{0.0f, 1.0f, 0.0f, 0.6f} << 20 << false
                                           << GLTestSurface::Pixel{0, 255, 0, 153};
    QTest::newRow("grey selection") << rec(GLUtils::colorSelection) << 100 << true
                                    << GLTestSurface::Pixel{76, 76, 76, 255};
    QTest::newRow("grey comb colour, transparency 80") << rec(GLUtils::colorCombPart2) << 80 << true
                                                       << GLTestSurface::Pixel{162, 162, 162, 204};
}

void TestGLUtils::colourRecordsApplyTransparencyAndGrey()
{
    QFETCH(QVector<float>, record);
    QFETCH(int, transparency);
    QFETCH(bool, grey);
    QFETCH(GLTestSurface::Pixel, expected);

    GLUtils::greyMode = grey;
    // Both setters follow the same rule; each fills its own half.
    GLUtils::setColor(record.constData(), transparency);
    fillSquare(0, 0, 32, 64);
    GLUtils::setObjectColor(record.constData(), transparency);
    fillSquare(32, 0, 64, 64);
    QCOMPARE(gl->pixel(10, 10), expected);
    QCOMPARE(gl->pixel(50, 50), expected);
}

void TestGLUtils::colourRecordsConvertToQColor_data()
{
    QTest::addColumn<QVector<float>>("record");
    QTest::addColumn<bool>("grey");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("channels truncated, view alpha opaque")
        << QVector<float>{1.0f, 0.5f, 0.0f, 2.0f} << false << QColor(255, 127, 0, 255);
    QTest::newRow("own alpha") << QVector<float>{0.2f, 0.4f, 0.6f, 0.4f} << false << QColor(51, 102, 153, 102);
    // 0.299 + 0.587 * 0.5 = 0.5925, 151.08 on the byte scale.
    QTest::newRow("grey") << QVector<float>{1.0f, 0.5f, 0.0f, 2.0f} << true << QColor(151, 151, 151, 255);
    QTest::newRow("covering record opaque") << QVector<float>{1.0f, 0.9f, 0.0f, 2.0f} << false
                                            << QColor(255, 229, 0, 255);
}

void TestGLUtils::colourRecordsConvertToQColor()
{
    QFETCH(QVector<float>, record);
    QFETCH(bool, grey);
    QFETCH(QColor, expected);
    GLUtils::greyMode = grey;
    const QColor c = GLUtils::toQColor(record.constData());
    QCOMPARE(c.rgba(), expected.rgba());
}

void TestGLUtils::stencilMarkKeepsMarkedPixelsFree()
{
    GLUtils::beginStencilMark();
    GLUtils::setColor(GLUtils::colorSelection, 100);
    fillSquare(16, 16, 48, 48);
    GLUtils::endStencilMark();
    // Marking wrote no colour.
    QCOMPARE(gl->drawnPixels(), 0);

    glDisable(GL_DEPTH_TEST);
    GLUtils::setColor(GLUtils::colorGrid, 100);
    fillSquare(0, 0, 64, 64);
    QVERIFY(glIsEnabled(GL_STENCIL_TEST));
    QCOMPARE(gl->pixel(32, 32), (GLTestSurface::Pixel{0, 0, 0, 0}));
    QCOMPARE(gl->pixel(4, 4), (GLTestSurface::Pixel{166, 166, 166, 255}));
    QCOMPARE(gl->drawnPixels(), 64 * 64 - 32 * 32);
}

void TestGLUtils::slabFillsPairedOutlineOnBothFaces()
{
    // A wedge in rib order: trailing edge, upper side, leading edge, lower
    // side, trailing edge. Point i faces point n-1-i.
    Points wedge({{60, 30}, {40, 50}, {20, 50}, {4, 30}, {20, 10}, {40, 10}, {60, 30}});
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    GLUtils::setColor(GLUtils::colorSelection, 100);
    GLUtils::drawOutlineSlabZ(wedge.list, 5.0f);
    QCOMPARE(gl->pixel(30, 30), (GLTestSurface::Pixel{255, 0, 0, 255}));
    QCOMPARE(gl->pixel(50, 30), (GLTestSurface::Pixel{255, 0, 0, 255}));
    QCOMPARE(gl->pixel(2, 30), (GLTestSurface::Pixel{0, 0, 0, 0}));
    QCOMPARE(gl->pixel(30, 55), (GLTestSurface::Pixel{0, 0, 0, 0}));

    // The two faces lie at z and z + thickness.
    GLCallRecording rec;
    GLUtils::drawOutlineSlabZ(wedge.list, 5.0f);
    QSet<float> zs;
    for (const auto& c : rec.calls)
        if (c.kind == GLUtils::RecordedCall::VertexCall)
            zs.insert(c.v[2]);
    QCOMPARE(zs, (QSet<float>{0.0f, 5.0f}));
}

void TestGLUtils::degenerateInputsDrawNothing_data()
{
    QTest::addColumn<int>("which");
    QTest::newRow("slab of one point") << 0;
    QTest::newRow("faces of one point") << 1;
    QTest::newRow("wall of no points") << 2;
    QTest::newRow("inverted wall of one point") << 3;
    QTest::newRow("box with a cornerless rectangle") << 4;
    QTest::newRow("ring solid with an empty ring") << 5;
    QTest::newRow("grid step below 1") << 6;
    QTest::newRow("grid step 0") << 7;
    QTest::newRow("grid step negative") << 8;
}

void TestGLUtils::degenerateInputsDrawNothing()
{
    QFETCH(int, which);
    Points one({{1, 1}});
    Points none;
    Points quad({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    std::vector<Vertex*> three(quad.vertices.begin(), quad.vertices.begin() + 3);
    std::vector<Vertex*> emptyRing;
    GLCallRecording rec;
    switch (which) {
    case 0: GLUtils::drawOutlineSlabZ(one.list, 1.0f); break;
    case 1: GLUtils::drawOutlineFaces(one.list, 1.0f, 0.0f); break;
    case 2: GLUtils::drawOutlineWallZ(none.list, 1.0f, 1.0f, false); break;
    case 3: GLUtils::drawOutlineWallZ(one.list, 1.0f, 1.0f, true); break;
    case 4: GLUtils::drawBoxSolid(quad.vertices, 0, 0, 0, three, 0, 0, 1, 1, true, true); break;
    case 5: GLUtils::drawRoundSparSolid(quad.vertices, emptyRing, 1.0f, 1, true, true); break;
    case 6: GLUtils::drawGrid(10, 1.0f, 0.5f, 0.0f); break;
    case 7: GLUtils::drawGrid(10, 1.0f, 0.0f, 0.0f); break;
    case 8: GLUtils::drawGrid(10, 1.0f, -5.0f, 0.0f); break;
    }
    QCOMPARE(rec.calls.size(), size_t(0));
    QCOMPARE(gl->drawnPixels(), 0);
}

void TestGLUtils::wallKeepsPreviousNormalForPointWithout()
{
    Points outline({{3, 0}, {2, 1}, {1, 0}, {2, -1}, {3, 0}});
    // A cut can leave a point without a normal; emulate one.
    *outline.list[2] = Vector3D(1.0f, 0.0f, 0.0f);
    QVERIFY(!outline.list[2]->getNormal());

    GLCallRecording rec;
    GLUtils::drawOutlineWallZ(outline.list, -1.0f, 2.0f, false);
    // Four point normals and the trailing-edge face's, scaled by the factor.
    QCOMPARE(std::count_if(rec.calls.begin(), rec.calls.end(),
                           [](const auto& c) { return c.kind == GLUtils::RecordedCall::NormalCall; }),
             5L);
    const auto& first = *std::find_if(rec.calls.begin(), rec.calls.end(),
                                      [](const auto& c) { return c.kind == GLUtils::RecordedCall::NormalCall; });
    QCOMPARE(first.v[1], -1.0f);
    QCOMPARE(rec.primitiveSizes(GL_TRIANGLE_STRIP), (std::vector<int>{10, 4}));
}

void TestGLUtils::ringSolidPairsOnlyCommonPoints_data()
{
    QTest::addColumn<int>("sizeA");
    QTest::addColumn<int>("sizeB");
    QTest::addColumn<int>("mantleVertices");
    QTest::newRow("equal rings close round") << 8 << 8 << 18;
    QTest::newRow("ring B shorter") << 8 << 5 << 10;
    QTest::newRow("ring B longer") << 4 << 9 << 8;
}

void TestGLUtils::ringSolidPairsOnlyCommonPoints()
{
    QFETCH(int, sizeA);
    QFETCH(int, sizeB);
    QFETCH(int, mantleVertices);
    std::vector<Vertex*> a = ring(sizeA, 10.0f, 0.0f);
    std::vector<Vertex*> b = ring(sizeB, 10.0f, 0.0f);
    GLCallRecording rec;
    GLUtils::drawTubeSolid(a, b, 5.0f, -1, false, false);
    QCOMPARE(rec.primitiveSizes(GL_TRIANGLE_STRIP), (std::vector<int>{mantleVertices}));
    // Ring B is raised by dz; the first normal points along -x for sign -1.
    const auto& n = *std::find_if(rec.calls.begin(), rec.calls.end(),
                                  [](const auto& c) { return c.kind == GLUtils::RecordedCall::NormalCall; });
    QCOMPARE(n.v[0], -1.0f);
    const auto& firstVertex = *std::find_if(rec.calls.begin(), rec.calls.end(), [](const auto& c) {
        return c.kind == GLUtils::RecordedCall::VertexCall;
    });
    QCOMPARE(firstVertex.v[2], 5.0f);
    deleteAll(a);
    deleteAll(b);
}

void TestGLUtils::boxSolidNormalsFollowSign_data()
{
    QTest::addColumn<int>("sign");
    QTest::addColumn<bool>("capA");
    QTest::addColumn<bool>("capB");
    QTest::newRow("outwards, both caps") << -1 << true << true;
    QTest::newRow("inwards, both caps") << 1 << true << true;
    QTest::newRow("outwards, no cap at A") << -1 << false << true;
    QTest::newRow("outwards, no caps") << -1 << false << false;
}

void TestGLUtils::boxSolidNormalsFollowSign()
{
    QFETCH(int, sign);
    QFETCH(bool, capA);
    QFETCH(bool, capB);
    // Both rectangles counter-clockwise seen from B's side (+z); the solid
    // spans x 2..6, y 1..4, z 0..10 once the offsets are applied.
    Points a({{2, 1}, {6, 1}, {6, 4}, {2, 4}});
    Points b({{2, 1}, {6, 1}, {6, 4}, {2, 4}});
    GLCallRecording rec;
    GLUtils::drawBoxSolid(a.vertices, 0, 0, 0, b.vertices, 0, 0, 10, sign, capA, capB);

    const std::vector<int> strips = rec.primitiveSizes(GL_TRIANGLE_STRIP);
    QCOMPARE(int(strips.size()), 4 + int(capA) + int(capB));
    const float cx = 4, cy = 2.5f, cz = 5;
    for (size_t i = 0; i < rec.calls.size(); ++i) {
        if (rec.calls[i].kind != GLUtils::RecordedCall::NormalCall)
            continue;
        const auto& n = rec.calls[i];
        // The face's centre from its four vertices.
        float fx = 0, fy = 0, fz = 0;
        int seen = 0;
        for (size_t j = i + 1; j < rec.calls.size() && seen < 4; ++j)
            if (rec.calls[j].kind == GLUtils::RecordedCall::VertexCall) {
                fx += rec.calls[j].v[0] / 4;
                fy += rec.calls[j].v[1] / 4;
                fz += rec.calls[j].v[2] / 4;
                ++seen;
            }
        QCOMPARE(seen, 4);
        const float outward = n.v[0] * (fx - cx) + n.v[1] * (fy - cy) + n.v[2] * (fz - cz);
        QVERIFY2(sign < 0 ? outward > 0 : outward < 0, qPrintable(QString("face at %1 %2 %3").arg(fx).arg(fy).arg(fz)));
        QVERIFY(std::fabs(std::sqrt(n.v[0] * n.v[0] + n.v[1] * n.v[1] + n.v[2] * n.v[2]) - 1.0f) < 1e-6f);
    }
}

void TestGLUtils::axesTicksAndMatrixStack_data()
{
    QTest::addColumn<float>("length");
    QTest::addColumn<int>("smallTicks");
    QTest::addColumn<int>("largeTicks");
    // Y reaches a quarter of the length: 8.75 gives it no tick at all.
    QTest::newRow("35: ticks 10, 20, 30 on X and Z") << 35.0f << 6 << 0;
    QTest::newRow("10: no tick anywhere") << 10.0f << 0 << 0;
    // X and Z: 24 ticks, 100 and 200 large; Y (62.5): 6 small ones.
    QTest::newRow("250: large ticks every 100") << 250.0f << 50 << 4;
}

void TestGLUtils::axesTicksAndMatrixStack()
{
    QFETCH(float, length);
    QFETCH(int, smallTicks);
    QFETCH(int, largeTicks);
    GLint depthBefore = 0, depthAfter = 0;
    glTranslatef(32.0f, 32.0f, 0.0f);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
    float before[16], after[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, before);
    GLCallRecording rec;
    GLUtils::drawAxes(length, 1.0f, 1);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
    glGetFloatv(GL_MODELVIEW_MATRIX, after);
    QCOMPARE(depthAfter, depthBefore);
    for (int i = 0; i < 16; ++i)
        QCOMPARE(after[i], before[i]);

    // A tick disc is a fine cylinder: its mantle has 17 pairs; the shafts
    // are coarse (9 pairs), and the cones are fans.
    int small = 0, large = 0;
    const std::vector<int> strips = rec.primitiveSizes(GL_TRIANGLE_STRIP);
    QCOMPARE(int(std::count(strips.begin(), strips.end(), 18)), 3);
    int stripIndex = -1;
    for (size_t i = 0; i < rec.calls.size(); ++i) {
        const auto& c = rec.calls[i];
        if (c.kind != GLUtils::RecordedCall::BeginCall || c.mode != GL_TRIANGLE_STRIP)
            continue;
        ++stripIndex;
        if (strips[stripIndex] != 34)
            continue;
        const float radius = std::hypot(rec.calls[i + 2].v[0], rec.calls[i + 2].v[1]);
        if (std::fabs(radius - 1.75f) < 1e-5f)
            ++large;
        else if (std::fabs(radius - 0.85f) < 1e-5f)
            ++small;
    }
    QCOMPARE(small, smallTicks);
    QCOMPARE(large, largeTicks);
    QCOMPARE(int(rec.primitiveSizes(GL_LINE_LOOP).size()), 3);
}

void TestGLUtils::gridRestoresLighting_data()
{
    QTest::addColumn<bool>("lighting");
    QTest::newRow("lighting on") << true;
    QTest::newRow("lighting off") << false;
}

void TestGLUtils::gridRestoresLighting()
{
    QFETCH(bool, lighting);
    if (lighting)
        glEnable(GL_LIGHTING);
    // Half-pixel offset: lines then run through pixel centres. The grid's
    // plane (xz) faces the eye.
    glTranslatef(32.5f, 32.5f, 0.0f);
    glRotatef(-90.0f, 1.0f, 0.0f, 0.0f);
    GLCallRecording rec;
    GLUtils::drawGrid(10, 1.0f, 10.0f, 0.0f);
    // Lines at -100, -90, ... 100 both ways, 10 pixels apart, unlit.
    QCOMPARE(rec.primitiveSizes(GL_LINES), (std::vector<int>{21 * 4}));
    QCOMPARE(gl->pixel(32 + 5, 32 + 3), (GLTestSurface::Pixel{0, 0, 0, 0}));
    QCOMPARE(gl->pixel(32 + 10, 32 + 3), (GLTestSurface::Pixel{166, 166, 166, 255}));
    QCOMPARE(gl->pixel(32 + 5, 32 - 10), (GLTestSurface::Pixel{166, 166, 166, 255}));
    QCOMPARE(bool(glIsEnabled(GL_LIGHTING)), lighting);
}

QTEST_MAIN(TestGLUtils)
#include "tst_glutils_gl.moc"
