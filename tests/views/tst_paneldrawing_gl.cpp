#include <QTemporaryDir>
#include <QtTest>
#include <list>
#include <memory>

#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "model/Panel.h"

#include "common/GLTestSurface.h"
#include "common/TestSupport.h"
#include "foundation/Circle3D.h"
#include "foundation/GLUtils.h"
#include "foundation/Rectangle3D.h"
#include "foundation/Vector3D.h"
#include "model/CoveringDefinition.h"
#include "model/PanelDrawing.h"
#include "model/PlaneVisualisationOptions.h"
#include "model/RibCombData.h"
#include "model/RibCombList.h"
#include "model/RibDefinition.h"
#include "model/SheetingStripList.h"
#include "model/SparDefinition.h"
#include "model/SparList.h"
#include "views/PanelDisplayLists.h"

Q_DECLARE_METATYPE(GLTestSurface::Pixel)

namespace {

using Pixel = GLTestSurface::Pixel;
using Calls = std::vector<GLUtils::RecordedCall>;
using Segments = QVector<QPair<float, float>>;
const Pixel background{0, 0, 0, 0};

const float sparColour[4] = {0.0f, 0.4f, 0.8f, 2.0f};
const int sparId = 9001;
const int combBodyId = 9101;
const int combRestId = 9102;
const int combSlitId = 9103;

void addPoint(RibDefinition::PointList& list, float x, float y, float z, float ny)
{
    auto* p = new Vector3D(x, y, z);
    p->setNormal(Vector3D(0.0f, ny, 0.0f));
    list.push_back(p);
}

Rectangle3D* rectangle(float x0, float y0, float x1, float y1, float z, int id, const float* colour)
{
    auto* r = new Rectangle3D(Vertex(x0, y0, z), Vertex(x1, y0, z), Vertex(x1, y1, z), Vertex(x0, y1, z));
    r->setId(id);
    r->setColor(colour);
    return r;
}

// A panel's ribs in outline units: each rib a box x 0..20, y 0..10 at its z,
// with a leading-edge piece ahead of it (x < 0), a trailing-edge piece
// behind it (x > 20), a round spar hole at x 10, an upper covering band
// over x 2..6 and a comb standing on it over x 14..16.
class Wing
{
public:
    explicit Wing(int ribCount, float spacing = 20.0f, float thickness = 4.0f)
    {
        for (int k = 0; k < ribCount; ++k) {
            const float z = 5.0f + spacing * k;
            ribs.emplace_back(z, thickness);
            RibDefinition& rib = ribs.back();
            rib.scaledThickness = thickness;
            for (float x : {20.0f, 15.0f, 10.0f, 5.0f, 0.0f})
                addPoint(rib.getRibCoords(), x, 10.0f, z, 1.0f);
            for (float x : {0.0f, 5.0f, 10.0f, 15.0f, 20.0f})
                addPoint(rib.getRibCoords(), x, 0.0f, z, -1.0f);
            auto& le = rib.getLEPieceCoords();
            addPoint(le, 0.0f, 8.0f, z, 1.0f);
            addPoint(le, -2.0f, 9.0f, z, 1.0f);
            addPoint(le, -4.0f, 5.0f, z, 1.0f);
            addPoint(le, -2.0f, 1.0f, z, -1.0f);
            addPoint(le, 0.0f, 2.0f, z, -1.0f);
            auto& te = rib.getTEPieceCoords();
            addPoint(te, 24.0f, 5.0f, z, 1.0f);
            addPoint(te, 20.0f, 8.0f, z, 1.0f);
            addPoint(te, 20.0f, 2.0f, z, -1.0f);
            addPoint(te, 24.0f, 5.0f, z, -1.0f);
            auto& cover = rib.getCoveringCoords(0);
            for (float x : {6.0f, 4.0f, 2.0f})
                addPoint(cover, x, 11.0f, z, 1.0f);
            for (float x : {2.0f, 4.0f, 6.0f})
                addPoint(cover, x, 10.0f, z, -1.0f);
            auto* hole = new Circle3D(Vertex(10.0f, 5.0f, z), 2.0f, 16, GLUtils::AxisZ);
            hole->setId(sparId);
            hole->setColor(sparColour);
            rib.getRoundSparParts().push_back(hole);
            rib.getCombParts().push_back(rectangle(14, 10, 16, 14, z, combBodyId, GLUtils::colorCombPart1));
            rib.getCombParts().push_back(rectangle(14, 9, 16, 10, z, combRestId, GLUtils::colorCombPart2));
        }
        SparDefinition spar;
        spar.setType(SparType::Round);
        spar.setFirstRib(1);
        spar.setLastRib(ribCount);
        spar.setRoundSparId(sparId);
        spars.addSpar(spar);
        RibCombData comb;
        comb.setType(RibCombData::Above);
        comb.setFirstRib(1);
        comb.setLastRib(ribCount);
        comb.setFirstPartId(combBodyId);
        comb.setSecondPartId(combRestId);
        comb.setThirdPartId(combSlitId);
        combs.getCombs().push_back(comb);
        covering.setSheetingType(SheetingType::Standard);
    }

    PanelDrawing::Scene scene() const
    {
        PanelDrawing::Scene s;
        for (const RibDefinition& rib : ribs)
            s.ribs.push_back(&rib);
        s.spars = &spars;
        s.combs = &combs;
        s.covering = &covering;
        s.strips = &strips;
        s.rootChord = 20.0f;
        s.tipChord = 20.0f;
        s.length = 50.0f;
        s.sweep = 0.0f;
        s.reference = 1.0f;
        return s;
    }

    std::list<RibDefinition> ribs;
    SparList spars;
    RibCombList combs;
    CoveringDefinition covering;
    SheetingStripList strips;
};

struct Shown
{
    bool ribs = false, spars = false, covering = false, te = false, le = false, axes = false, combs = false;
};

PlaneVisualisationOptions options(const Shown& s, int transparency = 100)
{
    return PlaneVisualisationOptions(s.ribs, s.spars, s.covering, s.te, s.le, s.axes, false, false, transparency,
                                     100, 0.0f, false, s.combs);
}

Shown everything()
{
    Shown s;
    s.ribs = s.spars = s.covering = s.te = s.le = s.axes = s.combs = true;
    return s;
}

// Seen from above (+y), x to the right and the span running down the
// picture: a point (x, y, z) lands on pixel (20 + x, 60 - z).
void lookFromAbove()
{
    glLoadIdentity();
    glTranslatef(20.5f, 60.5f, 0.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
}

// The same view, 40 pixels to the outline unit: (x, y, z) lands on pixel
// (10 + 40 x, 62 - 40 z).
void lookFromAboveMagnified()
{
    glLoadIdentity();
    glTranslatef(10.5f, 62.5f, 0.0f);
    glScalef(40.0f, 40.0f, 40.0f);
    glRotatef(90.0f, 1.0f, 0.0f, 0.0f);
}

// 200 mm chord, 300 mm long, four ribs 20 mm thick: in outline units a
// chord of 1 and ribs 0.1 thick.
PanelBaseData straightPanel(const LEData& le = LEData(), const SparList& spars = SparList(),
                            const CoveringDefinition& covering = CoveringDefinition())
{
    return PanelBaseData(0, QStringLiteral("Panel"), QStringLiteral("NACA 0012"), QStringLiteral("NACA 0012"),
                         200.0f, 200.0f, 0.0f, 300.0f, 0.0f, 0.0f, false, false, true, 20.0f, 4, 150.0f, 1.0f, 1.0f,
                         nullptr, le, TEData(), spars, SheetingStripList(), covering, BuildingTabData(),
                         RibCombList());
}

// Index of the first call that satisfies pred, or -1.
template <class Pred>
int firstCall(const Calls& calls, Pred pred)
{
    for (size_t i = 0; i < calls.size(); ++i)
        if (pred(calls[i]))
            return static_cast<int>(i);
    return -1;
}

bool isVertex(const GLUtils::RecordedCall& c)
{
    return c.kind == GLUtils::RecordedCall::VertexCall;
}

} // namespace

class TestPanelDrawing : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();

    void panelDrawsItsRibsWhereTheModelPutsThem();
    void panelJoinsRibsWithItsRealParts();
    void partsDrawnOnlyWhenSwitchedOn_data();
    void partsDrawnOnlyWhenSwitchedOn();
    void singleRibPanelDrawsNoJoiningParts();
    void boxAndAxesOnlyWhenAsked();
    void ribsDrawnFromTheFarEnd_data();
    void ribsDrawnFromTheFarEnd();
    void edgesOrderedByViewDirection_data();
    void edgesOrderedByViewDirection();
    void sparWalksItsSegments_data();
    void sparWalksItsSegments();
    void edgeSolidSkipsWhatCannotBePaired();
    void unknownKindsAreReported();
    void stencilValuesRunningOutKeepThePicture();
    void recordedPanelsDrawLikeImmediateOnes_data();
    void recordedPanelsDrawLikeImmediateOnes();

private:
    Pixel reference(const float colour[4], int transparency);

    std::unique_ptr<GLTestSurface> gl;
    QTemporaryDir importedFoils;
};

void TestPanelDrawing::initTestCase()
{
    gl = std::make_unique<GLTestSurface>(64, 64);
    QVERIFY2(gl->isValid(), "no OpenGL context with a framebuffer object");
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"),
                                      importedFoils.path()));
}

void TestPanelDrawing::cleanup()
{
    GLUtils::greyMode = false;
    GLUtils::setCallLog(nullptr);
    gl->reset();
}

// The pixel a colour record gives on this surface, read from a scratch quad.
Pixel TestPanelDrawing::reference(const float colour[4], int transparency)
{
    gl->reset();
    GLUtils::setColor(colour, transparency);
    glBegin(GL_QUADS);
    glVertex3f(0, 0, 0);
    glVertex3f(4, 0, 0);
    glVertex3f(4, 4, 0);
    glVertex3f(0, 4, 0);
    glEnd();
    const Pixel p = gl->pixel(1, 1);
    gl->reset();
    return p;
}

void TestPanelDrawing::panelDrawsItsRibsWhereTheModelPutsThem()
{
    Panel panel(straightPanel());
    QCOMPARE(panel.getRibCount(), 4);
    std::next(panel.getRibList().getRibs().begin(), 2)->setSelected(true);
    const Pixel plain = reference(GLUtils::colorCombPart2, 100);
    const Pixel selected = reference(GLUtils::colorSelection, 100);

    lookFromAboveMagnified();
    Shown shown;
    shown.ribs = true;
    panel.visualize(options(shown), 1);

    const auto row = [](float mm) { return int(62.5f - 40.0f * mm / 200.0f); };
    float previousEnd = -1.0f;
    int number = 0;
    for (const RibDefinition& rib : panel.getRibList().getRibs()) {
        QCOMPARE(gl->pixel(30, row(rib.position + 10.0f)), number == 2 ? selected : plain);
        if (previousEnd >= 0.0f && rib.position - previousEnd > 20.0f)
            QCOMPARE(gl->pixel(30, row((previousEnd + rib.position) / 2)), background);
        previousEnd = rib.position + rib.thickness;
        ++number;
    }
    // Beyond the chord and beyond the tip nothing is drawn.
    QCOMPARE(gl->pixel(10 + 44, row(10.0f)), background);
    QCOMPARE(gl->pixel(30, row(300.0f + 10.0f)), background);
    delete PlaneModel::instance();
}

void TestPanelDrawing::panelJoinsRibsWithItsRealParts()
{
    // The same panel with a round spar at 25 % of the chord, standard edges
    // and covering, all cut by the rib pipeline.
    SparList spars;
    spars.addSpar(SparDefinition(QStringLiteral("Spar"), SparType::Round, 1, 4, 25.0f, 25.0f, true, false));
    Panel panel(straightPanel(LEData(LEData::Standard, 10.0f), spars,
                              CoveringDefinition(SheetingType::Standard, 30.0f, 1.5f, 0, true, true, true)));
    const RibDefinition& root = panel.getRibList().getFirstRib();
    QVERIFY(!root.getRoundSparParts().empty());
    QVERIFY(!root.getLEPieceCoords().empty());
    const Pixel spar = reference(root.getRoundSparParts().front()->getColor(), 100);
    const Pixel leadingEdge = reference(GLUtils::colorLESolid, 100);
    const Pixel covering = reference(GLUtils::colorCovering, 100);

    lookFromAboveMagnified();
    Shown shown;
    shown.spars = true;
    panel.visualize(options(shown), 1);
    // Between the first two ribs: the spar's top at 25 % of the chord.
    const int between = int(62.5f - 40.0f * (root.position + 40.0f) / 200.0f);
    QCOMPARE(gl->pixel(20, between), spar);
    QCOMPARE(gl->pixel(30, between), background);

    // Everything at once stays finite and covers the panel between ribs.
    gl->reset();
    lookFromAboveMagnified();
    panel.visualize(options(everything()), 1);
    QCOMPARE(gl->pixel(11, between), leadingEdge);
    QCOMPARE(gl->pixel(20, between), covering);
    delete PlaneModel::instance();
}

void TestPanelDrawing::partsDrawnOnlyWhenSwitchedOn_data()
{
    QTest::addColumn<QString>("part");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("z");
    QTest::addColumn<int>("transparency");

    // Probes lie between the first two ribs (z 5..9 and 25..29) unless
    // they look at a rib.
    QTest::newRow("ribs") << "ribs" << 10 << 7 << 100;
    QTest::newRow("ribs, transparent") << "ribs" << 10 << 7 << 45;
    QTest::newRow("leading edge") << "le" << -2 << 15 << 60;
    QTest::newRow("trailing edge") << "te" << 22 << 15 << 60;
    QTest::newRow("spars") << "spars" << 10 << 15 << 70;
    QTest::newRow("standard covering") << "covering" << 4 << 15 << 100;
    QTest::newRow("combs") << "combs" << 15 << 15 << 80;
}

void TestPanelDrawing::partsDrawnOnlyWhenSwitchedOn()
{
    QFETCH(QString, part);
    QFETCH(int, x);
    QFETCH(int, z);
    QFETCH(int, transparency);

    const float* colour = part == "ribs"       ? GLUtils::colorCombPart2
                          : part == "le"       ? GLUtils::colorLESolid
                          : part == "te"       ? GLUtils::colorTESolid
                          : part == "spars"    ? sparColour
                          : part == "covering" ? GLUtils::colorCovering
                                               : GLUtils::colorCombPart1;
    const Pixel expected = reference(colour, transparency);

    Wing wing(3);
    for (bool on : {true, false}) {
        Shown shown;
        shown.ribs = on && part == "ribs";
        shown.le = on && part == "le";
        shown.te = on && part == "te";
        shown.spars = on && part == "spars";
        shown.covering = on && part == "covering";
        shown.combs = on && part == "combs";
        gl->reset();
        lookFromAbove();
        PanelDrawing::drawPanel(wing.scene(), options(shown, transparency), 1);
        QCOMPARE(gl->pixel(20 + x, 60 - z), on ? expected : background);
        if (!on)
            QCOMPARE(gl->drawnPixels(), 0);
    }
}

void TestPanelDrawing::singleRibPanelDrawsNoJoiningParts()
{
    Wing wing(1);
    wing.ribs.front().setSelected(false);
    Shown shown = everything();
    shown.axes = false;
    const Pixel ribColour = reference(GLUtils::colorCombPart2, 100);
    lookFromAbove();
    PanelDrawing::drawPanel(wing.scene(), options(shown), 1);
    QCOMPARE(gl->pixel(30, 60 - 7), ribColour);
    // Only the rib, 4 pixels deep over x 0..20 (with its outline loop).
    for (int px = 0; px < 64; ++px)
        for (int py = 0; py < 64; ++py)
            if (px < 20 || px > 40 || py < 60 - 10 || py > 60 - 4)
                QCOMPARE(gl->pixel(px, py), background);
}

void TestPanelDrawing::boxAndAxesOnlyWhenAsked()
{
    for (int round = 0; round < 4; ++round) {
        const bool selected = round & 1;
        const bool axes = round & 2;
        Wing wing(2);
        PanelDrawing::Scene scene = wing.scene();
        scene.selected = selected;
        Shown shown;
        shown.axes = axes;
        gl->reset();
        lookFromAbove();
        GLCallRecording rec;
        PanelDrawing::drawPanel(scene, options(shown), 1);
        // The box's tip edge runs along x at z = 50, clear of the axes.
        QCOMPARE(gl->pixel(30, 60 - 50), (selected ? Pixel{204, 0, 0, 255} : background));
        const int axisColours = int(std::count_if(rec.calls.begin(), rec.calls.end(), [](const auto& c) {
            return c.kind == GLUtils::RecordedCall::ColorCall && c.v[0] == 0.7f && c.v[1] == 0.0f;
        }));
        QCOMPARE(axisColours, axes ? 1 : 0);
        if (!selected && !axes)
            QVERIFY(rec.calls.empty());
    }
}

void TestPanelDrawing::ribsDrawnFromTheFarEnd_data()
{
    QTest::addColumn<float>("turn");
    QTest::addColumn<bool>("rootFirst");
    QTest::newRow("eye towards the tip") << 0.0f << true;
    QTest::newRow("eye from the tip towards the root") << 180.0f << false;
    QTest::newRow("mirrored half seen from the tip") << 150.0f << false;
}

void TestPanelDrawing::ribsDrawnFromTheFarEnd()
{
    QFETCH(float, turn);
    QFETCH(bool, rootFirst);
    Wing wing(4);
    glLoadIdentity();
    glRotatef(turn, 0.0f, 1.0f, 0.0f);
    Shown shown;
    shown.ribs = true;
    GLCallRecording rec;
    PanelDrawing::drawPanel(wing.scene(), options(shown), 1);
    // Every rib starts with its outline loop; its z tells which rib it is.
    std::vector<float> order;
    for (size_t i = 0; i + 1 < rec.calls.size(); ++i)
        if (rec.calls[i].kind == GLUtils::RecordedCall::BeginCall && rec.calls[i].mode == GL_LINE_LOOP)
            order.push_back(rec.calls[i + 1].v[2]);
    const std::vector<float> rootToTip{5, 25, 45, 65};
    const std::vector<float> tipToRoot{65, 45, 25, 5};
    QCOMPARE(order, rootFirst ? rootToTip : tipToRoot);
}

void TestPanelDrawing::edgesOrderedByViewDirection_data()
{
    QTest::addColumn<float>("turn");
    QTest::addColumn<bool>("leadingEdgeFirst");
    // A quarter turn about y puts the eye's z axis on -x (or +x).
    QTest::newRow("view direction x >= 0") << -90.0f << true;
    QTest::newRow("view direction x < 0") << 90.0f << false;
}

void TestPanelDrawing::edgesOrderedByViewDirection()
{
    QFETCH(float, turn);
    QFETCH(bool, leadingEdgeFirst);
    Wing wing(3);
    glLoadIdentity();
    glRotatef(turn, 0.0f, 1.0f, 0.0f);
    Shown shown;
    shown.ribs = shown.le = shown.te = true;
    GLCallRecording rec;
    PanelDrawing::drawPanel(wing.scene(), options(shown), -1);
    const int le = firstCall(rec.calls, [](const auto& c) { return isVertex(c) && c.v[0] < 0.0f; });
    const int te = firstCall(rec.calls, [](const auto& c) { return isVertex(c) && c.v[0] > 20.0f; });
    const int rib = firstCall(rec.calls, [](const auto& c) {
        return c.kind == GLUtils::RecordedCall::BeginCall && c.mode == GL_LINE_LOOP;
    });
    QVERIFY(le >= 0 && te >= 0 && rib >= 0);
    if (leadingEdgeFirst) {
        QVERIFY(le < rib);
        QVERIFY(te > rib);
    } else {
        QVERIFY(te < rib);
        QVERIFY(le > rib);
    }
}

void TestPanelDrawing::sparWalksItsSegments_data()
{
    QTest::addColumn<int>("firstRib");
    QTest::addColumn<int>("lastRib");
    QTest::addColumn<int>("missingIn");
    QTest::addColumn<Segments>("segments");
    QTest::addColumn<QVector<float>>("caps");

    // Ribs at z 0, 10, ... 50, each 2 thick; the last segment reaches
    // through its second rib.
    using S = Segments;
    QTest::newRow("ribs 2 to 5") << 2 << 5 << 0 << S{{10, 20}, {20, 30}, {30, 42}} << QVector<float>{10, 42};
    QTest::newRow("part missing in rib 4") << 2 << 5 << 4 << S{{10, 20}} << QVector<float>{10};
    QTest::newRow("beyond the last rib") << 5 << 9 << 0 << S{{40, 50}} << QVector<float>{40};
    QTest::newRow("first rib 0 draws nothing") << 0 << 3 << 0 << S{} << QVector<float>{};
}

void TestPanelDrawing::sparWalksItsSegments()
{
    QFETCH(int, firstRib);
    QFETCH(int, lastRib);
    QFETCH(int, missingIn);
    QFETCH(Segments, segments);
    QFETCH(QVector<float>, caps);

    Wing wing(6, 10.0f, 2.0f);
    // Re-seat the ribs at z = 0, 10, ... so that the numbers read easily.
    int number = 1;
    for (RibDefinition& rib : wing.ribs) {
        RibDefinition::translateParts(rib.getRoundSparParts(), 0.0f, 0.0f, -5.0f);
        if (number++ == missingIn)
            RibDefinition::clearParts(rib.getRoundSparParts());
    }
    SparDefinition spar = wing.spars.getSpars().front();
    spar.setFirstRib(firstRib);
    spar.setLastRib(lastRib);

    GLCallRecording rec;
    PanelDrawing::drawSpar(spar, wing.scene().ribs, options(everything()), 1);
    Segments mantles;
    QSet<float> capZ;
    for (size_t i = 0; i < rec.calls.size(); ++i) {
        const auto& c = rec.calls[i];
        if (c.kind != GLUtils::RecordedCall::BeginCall || c.mode != GL_TRIANGLE_STRIP)
            continue;
        // A mantle strip pairs ring B (raised) with ring A: 17 pairs.
        std::vector<const GLUtils::RecordedCall*> v;
        for (size_t j = i + 1; rec.calls[j].kind != GLUtils::RecordedCall::EndCall; ++j)
            if (isVertex(rec.calls[j]))
                v.push_back(&rec.calls[j]);
        if (v.size() == 34)
            mantles.append({v[1]->v[2], v[0]->v[2]});
        else if (v.size() == 4)
            capZ.insert(v[0]->v[2]);
    }
    QCOMPARE(mantles, segments);
    QCOMPARE(capZ, QSet<float>(caps.begin(), caps.end()));
}

void TestPanelDrawing::edgeSolidSkipsWhatCannotBePaired()
{
    // The middle rib was too short for its trailing-edge cut and the tip rib
    // lost a point: neighbours are joined only where both have points. The
    // joins are the strips of more than four vertices.
    Wing wing(3);
    auto middle = std::next(wing.ribs.begin());
    Vector3D::clearList(middle->getTEPieceCoords());
    RibDefinition& tip = wing.ribs.back();
    delete tip.getTEPieceCoords().back();
    tip.getTEPieceCoords().pop_back();
    const auto joins = [](const GLCallRecording& rec) {
        std::vector<int> sizes = rec.primitiveSizes(GL_TRIANGLE_STRIP);
        sizes.erase(std::remove_if(sizes.begin(), sizes.end(), [](int n) { return n <= 4; }), sizes.end());
        return sizes;
    };
    {
        GLCallRecording rec;
        PanelDrawing::drawTrailingEdge(wing.scene().ribs, options(everything()), 1);
        QCOMPARE(joins(rec), std::vector<int>{});
    }
    // With the middle rib whole again, root to middle closes round (five
    // positions); middle to tip pairs three points and stays open.
    for (float y : {5.0f, 8.0f, 2.0f, 5.0f})
        addPoint(middle->getTEPieceCoords(), y == 5.0f ? 24.0f : 20.0f, y, 25.0f, 1.0f);
    GLCallRecording rec;
    PanelDrawing::drawTrailingEdge(wing.scene().ribs, options(everything()), 1);
    QCOMPARE(joins(rec), (std::vector<int>{10, 6}));
}

void TestPanelDrawing::unknownKindsAreReported()
{
    Wing wing(2);
    RibCombData comb = wing.combs.getCombs().front();
    comb.setType(2);
    CoveringDefinition covering;
    covering.setSheetingType(static_cast<SheetingType>(7));
    const auto out = TestSupport::captureOutput([&] {
        PanelDrawing::drawComb(comb, wing.scene().ribs, 1.0f, options(everything()), 1);
        PanelDrawing::drawCovering(covering, wing.strips, wing.scene().ribs, options(everything()), 1);
    });
    QCOMPARE(QString::fromStdString(out.out), QString("Unknown rib comb type: 2\nUnknown covering type: 7\n"));
    QCOMPARE(gl->drawnPixels(), 0);
}

// Display lists of two panels replayed one after the other, from either
// end and for either wing half, give the very pixels of drawing them anew;
// the few stencil values force the second panel's ribs onto values the
// first panel's holes marked.
void TestPanelDrawing::recordedPanelsDrawLikeImmediateOnes_data()
{
    QTest::addColumn<float>("turn");
    QTest::addColumn<int>("side");
    QTest::addColumn<int>("stencilValues");
    QTest::addColumn<bool>("combs");
    QTest::newRow("root first") << 60.0f << 1 << 0 << true;
    QTest::newRow("tip first") << 240.0f << 1 << 0 << true;
    QTest::newRow("mirrored half") << 60.0f << -1 << 0 << true;
    QTest::newRow("without combs") << 60.0f << 1 << 0 << false;
    QTest::newRow("few stencil values") << 60.0f << 1 << 3 << false;
    QTest::newRow("few values, tip first") << 240.0f << -1 << 3 << true;
}

void TestPanelDrawing::recordedPanelsDrawLikeImmediateOnes()
{
    QFETCH(float, turn);
    QFETCH(int, side);
    QFETCH(int, stencilValues);
    QFETCH(bool, combs);
    Wing first(12, 2.0f, 1.0f);
    Wing second(12, 2.0f, 1.0f);
    Shown parts = everything();
    parts.combs = combs;
    const PlaneVisualisationOptions shown = options(parts, 60);
    PanelDisplayLists lists[2];
    GLUtils::setStencilValueCap(stencilValues);
    const auto picture = [&](bool recorded) {
        gl->reset();
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        PanelDisplayLists::MarkValues marks;
        int nextMark = 1;
        for (int panel = 0; panel < 2; ++panel) {
            const PanelDrawing::Scene scene = (panel == 0 ? first : second).scene();
            if (recorded)
                lists[panel].prepare(scene, shown, nextMark);
            glLoadIdentity();
            glTranslatef(12.5f + 3.0f * panel, 20.5f, 0.0f);
            glRotatef(20.0f, 1.0f, 0.0f, 0.0f);
            glRotatef(turn, 0.0f, 1.0f, 0.0f);
            if (recorded)
                lists[panel].draw(scene, shown, side, marks);
            else
                PanelDrawing::drawPanel(scene, shown, side);
        }
        return gl->frame();
    };
    const std::vector<unsigned char> immediate = picture(false);
    const std::vector<unsigned char> recorded = picture(true);
    const int drawn = gl->drawnPixels();
    for (PanelDisplayLists& panel : lists)
        panel.release();
    GLUtils::setStencilValueCap(0);
    QVERIFY(drawn > 500);
    QVERIFY(recorded == immediate);
}

QTEST_MAIN(TestPanelDrawing)
#include "tst_paneldrawing_gl.moc"

// The ribs' spar holes and the comb's slits are kept open with stencil
// marks. Each rib and comb segment takes a fresh mark value instead of
// clearing the buffer; a panel that needs more values than the buffer
// holds must look exactly as with a clear for every one of them.
void TestPanelDrawing::stencilValuesRunningOutKeepThePicture()
{
    const float slitColour[4] = {0.9f, 0.1f, 0.1f, 2.0f};
    Wing wing(140, 0.35f, 0.2f);
    for (RibDefinition& rib : wing.ribs)
        rib.getCombParts().push_back(rectangle(14.5f, 12.0f, 15.5f, 16.0f, rib.getRibCoords()[0]->getZ(),
                                               combSlitId, slitColour));
    wing.combs.getCombs().front().setSlitAdjust(0.0f);
    const auto picture = [&](int stencilValues) {
        gl->reset();
        GLUtils::setStencilValueCap(stencilValues);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glLoadIdentity();
        glTranslatef(2.5f, 20.5f, 0.0f);
        glRotatef(20.0f, 1.0f, 0.0f, 0.0f);
        glRotatef(60.0f, 0.0f, 1.0f, 0.0f);
        PanelDrawing::drawPanel(wing.scene(), options(everything(), 60), 1);
        return gl->frame();
    };
    const std::vector<unsigned char> everyClear = picture(1);
    const std::vector<unsigned char> reused = picture(0);
    GLUtils::setStencilValueCap(0);
    QVERIFY(gl->drawnPixels() > 500);
    QVERIFY(reused == everyClear);
}
