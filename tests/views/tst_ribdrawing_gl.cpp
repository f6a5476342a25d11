#include <QGLWidget>
#include <QtTest>
#include <memory>

#include "common/GLTestSurface.h"
#include "foundation/Circle3D.h"
#include "foundation/GLUtils.h"
#include "foundation/Rectangle3D.h"
#include "foundation/Vector3D.h"
#include "model/PlaneVisualisationOptions.h"
#include "model/RibDefinition.h"

Q_DECLARE_METATYPE(GLTestSurface::Pixel)

namespace {

using Pixel = GLTestSurface::Pixel;
const Pixel background{0, 0, 0, 0};

PlaneVisualisationOptions options(bool showRibs, int transparency)
{
    return PlaneVisualisationOptions(showRibs, true, true, true, true, false, false, false, transparency, 100, 0.0f,
                                     false, false);
}

// A box-shaped rib seen from +z: x 8..56, y 16..48, 4 units thick, in rib
// order (trailing edge, upper side forwards, lower side back).
void fillOutline(RibDefinition& rib, float z = 0.0f)
{
    const float xs[] = {56, 44, 32, 20, 8};
    for (float x : xs) {
        auto* p = new Vector3D(x, 48.0f, z);
        p->setNormal(Vector3D(0.0f, 1.0f, 0.0f));
        rib.getRibCoords().push_back(p);
    }
    for (int k = 4; k >= 0; --k) {
        auto* p = new Vector3D(xs[k], 16.0f, z);
        p->setNormal(Vector3D(0.0f, -1.0f, 0.0f));
        rib.getRibCoords().push_back(p);
    }
    rib.scaledThickness = 4.0f;
}

Rectangle3D* rectangle(float x0, float y0, float x1, float y1, int kind)
{
    auto* r = new Rectangle3D(Vertex(x0, y0, 0), Vertex(x1, y0, 0), Vertex(x1, y1, 0), Vertex(x0, y1, 0));
    r->setType(kind);
    return r;
}

IdentifiableObject* ring(float cx, float cy, float radius, int kind)
{
    auto* c = new Circle3D(Vertex(cx, cy, 0.0f), radius, 24, GLUtils::AxisZ);
    c->setType(kind);
    return c;
}

// Puts one spar part of the given kind round (40, 32) into its list.
void addPart(RibDefinition& rib, int kind)
{
    switch (kind) {
    case 2:
    case 3: rib.getSquareSparParts().push_back(rectangle(36, 28, 44, 36, kind)); break;
    case 5: rib.getRoundSparParts().push_back(ring(40, 32, 5, kind)); break;
    case 7: rib.getTubeSparParts().push_back(ring(40, 32, 5, kind)); break;
    case 8: rib.getCubeSparParts().push_back(rectangle(36, 28, 44, 36, kind)); break;
    case 9: rib.getCubeTubeParts().push_back(rectangle(36, 28, 44, 36, kind)); break;
    }
}

// Draws like the 3D view does: depth-tested, the stencil cleared by the rib.
class RibWidget : public QGLWidget
{
public:
    explicit RibWidget(const RibDefinition& rib)
        : QGLWidget(QGLFormat(QGL::DoubleBuffer | QGL::DepthBuffer | QGL::StencilBuffer | QGL::Rgba)), rib(rib)
    {
        setFixedSize(64, 64);
    }

    void renderWithoutSwap()
    {
        setAutoBufferSwap(false);
        updateGL();
    }

protected:
    void paintGL() override
    {
        glViewport(0, 0, 64, 64);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, 64, 0, 64, -1000, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        rib.visualize(options(true, 100), 1.0f);
    }

private:
    const RibDefinition& rib;
};

} // namespace

class TestRibDrawing : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void ribColourFollowsSelectionGreyAndTransparency_data();
    void ribColourFollowsSelectionGreyAndTransparency();
    void sparHolesStayOpen_data();
    void sparHolesStayOpen();
    void drawsInStencilledWidget();
    void facesLieOnTheRibsOwnPosition();

private:
    std::unique_ptr<GLTestSurface> gl;
};

void TestRibDrawing::initTestCase()
{
    gl = std::make_unique<GLTestSurface>(64, 64);
    QVERIFY2(gl->isValid(), "no OpenGL context with a framebuffer object");
}

void TestRibDrawing::cleanup()
{
    GLUtils::greyMode = false;
    gl->reset();
}

void TestRibDrawing::ribColourFollowsSelectionGreyAndTransparency_data()
{
    QTest::addColumn<bool>("showRibs");
    QTest::addColumn<bool>("selected");
    QTest::addColumn<bool>("grey");
    QTest::addColumn<int>("transparency");
    QTest::addColumn<Pixel>("expected");

    QTest::newRow("ribs hidden") << false << true << false << 100 << background;
    // The rib colour (1, 0.57, 0) takes the view's transparency.
    QTest::newRow("plain rib") << true << false << false << 60 << Pixel{255, 145, 0, 153};
    QTest::newRow("selected rib stays opaque") << true << true << false << 60 << Pixel{255, 0, 0, 255};
    QTest::newRow("selected rib in grey") << true << true << true << 100 << Pixel{76, 76, 76, 255};
    QTest::newRow("plain rib in grey") << true << false << true << 35 << Pixel{162, 162, 162, 89};
}

void TestRibDrawing::ribColourFollowsSelectionGreyAndTransparency()
{
    QFETCH(bool, showRibs);
    QFETCH(bool, selected);
    QFETCH(bool, grey);
    QFETCH(int, transparency);
    QFETCH(Pixel, expected);

    RibDefinition rib(0.0f, 4.0f);
    fillOutline(rib);
    rib.setSelected(selected);
    GLUtils::greyMode = grey;
    rib.visualize(options(showRibs, transparency), 1.0f);

    QCOMPARE(gl->pixel(20, 30), expected);
    QCOMPARE(gl->pixel(50, 20), expected);
    QCOMPARE(gl->pixel(4, 30), background);
    QCOMPARE(gl->pixel(30, 52), background);
    if (!showRibs)
        QCOMPARE(gl->drawnPixels(), 0);
}

void TestRibDrawing::sparHolesStayOpen_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<bool>("open");
    QTest::newRow("square spar slot") << 2 << true;
    QTest::newRow("square spar webbing is solid") << 3 << false;
    QTest::newRow("round spar hole") << 5 << true;
    QTest::newRow("round joiner hole") << 7 << true;
    QTest::newRow("cuboid spar hole") << 8 << true;
    QTest::newRow("cuboid joiner hole") << 9 << true;
}

void TestRibDrawing::sparHolesStayOpen()
{
    QFETCH(int, kind);
    QFETCH(bool, open);
    RibDefinition rib(0.0f, 4.0f);
    fillOutline(rib);
    addPart(rib, kind);
    rib.setSelected(true);
    rib.visualize(options(true, 100), 1.0f);

    const Pixel ribColour{255, 0, 0, 255};
    QCOMPARE(gl->pixel(40, 32), open ? background : ribColour);
    QCOMPARE(gl->pixel(20, 32), ribColour);
    QCOMPARE(gl->pixel(50, 32), ribColour);
    QVERIFY(!glIsEnabled(GL_STENCIL_TEST));
}

void TestRibDrawing::drawsInStencilledWidget()
{
    RibDefinition rib(0.0f, 4.0f);
    fillOutline(rib);
    addPart(rib, 5);
    rib.setSelected(true);
    RibWidget widget(rib);
    widget.show();
    QVERIFY(QTest::qWaitForWindowExposed(&widget));
    QVERIFY(widget.format().stencil());
    // After a buffer swap the back buffer that grabFrameBuffer reads is
    // undefined; render once more without swapping so the read is of this
    // frame whatever the window system did meanwhile.
    widget.renderWithoutSwap();
    const QImage image = widget.grabFrameBuffer();
    // Image rows run top-down.
    QCOMPARE(image.pixel(40, 63 - 32), qRgb(0, 0, 0));
    QCOMPARE(image.pixel(20, 63 - 32), qRgb(255, 0, 0));
    QCOMPARE(image.pixel(4, 63 - 32), qRgb(0, 0, 0));
}

void TestRibDrawing::facesLieOnTheRibsOwnPosition()
{
    // A rib away from the root: its outline lies at its place along the span.
    RibDefinition rib(0.0f, 4.0f);
    fillOutline(rib, 30.0f);
    std::vector<GLUtils::RecordedCall> calls;
    GLUtils::setCallLog(&calls);
    rib.visualize(options(true, 100), 1.0f);
    GLUtils::setCallLog(nullptr);

    int faceVertices = 0;
    bool inFaces = false;
    for (const GLUtils::RecordedCall& call : calls) {
        if (call.kind == GLUtils::RecordedCall::BeginCall)
            inFaces = call.mode == GL_TRIANGLES;
        else if (call.kind == GLUtils::RecordedCall::EndCall)
            inFaces = false;
        else if (inFaces && call.kind == GLUtils::RecordedCall::VertexCall) {
            ++faceVertices;
            QVERIFY2(qFuzzyCompare(call.v[2], 30.0f) || qFuzzyCompare(call.v[2], 34.0f),
                     qPrintable(QString("face vertex at z %1").arg(call.v[2])));
        }
    }
    // Ten outline points pair into five quads a face, two triangles each.
    QCOMPARE(faceVertices, 2 * 5 * 2 * 3);
}

QTEST_MAIN(TestRibDrawing)
#include "tst_ribdrawing_gl.moc"
