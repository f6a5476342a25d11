#include <QtTest>

#include <cmath>

#include "foundation/Vector3D.h"
#include "model/BuildingTabData.h"
#include "model/LEData.h"
#include "model/RibDefinition.h"
#include "SyntheticRib.h"
#include "model/RibModifierBuildingTab.h"
#include "model/RibModifierLETemplate.h"
#include "model/RibModifierStandardLE.h"
#include "model/RibModifierStandardTE.h"
#include "model/TEData.h"

namespace {

using SyntheticRib::wingRootChord;
using SyntheticRib::outlinePoints;

bool hasNormal(const Vector3D* p, float nx, float ny)
{
    const Vector3D* n = p->getNormal();
    return n && std::fabs(n->getX() - nx) < 1e-6f && std::fabs(n->getY() - ny) < 1e-6f
           && std::fabs(n->getZ()) < 1e-6f;
}

} // namespace

class TestEdgeModifiers : public QObject
{
    Q_OBJECT
private slots:
    void leadingEdgeMovesFrontIntoPiece();
    void leadingEdgeOutsideTheChordCutsNothing_data();
    void leadingEdgeOutsideTheChordCutsNothing();
    void trailingEdgeMovesRearIntoPiece_data();
    void trailingEdgeMovesRearIntoPiece();
    void templateCopiesTheFrontTwentyMillimetres();
    void buildingTabsSitBetweenTheEdgePieces();
    void buildingTabsReachTheBuildingLines();
};

void TestEdgeModifiers::leadingEdgeMovesFrontIntoPiece()
{
    RibDefinition rib = SyntheticRib::make(0.0f, 200.0f);
    const std::size_t before = rib.getRibCoords().size();
    RibModifierStandardLE().apply(rib, LEData(1, 8.0f), wingRootChord);

    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    const std::vector<Vector3D*>& piece = rib.getLEPieceCoords();
    QCOMPARE(outline.size() + piece.size(), before + 4);
    QVERIFY(hasNormal(piece.front(), 0.0f, 1.0f));
    QVERIFY(hasNormal(piece.back(), 0.0f, -1.0f));
    QVERIFY(std::fabs(rib.getLEDepth(wingRootChord) - 8.0f) < 0.01f);

    // The outline closes over the cut with points of its own: one on each
    // side at the cut station, as its new nose pair.
    int atCut = 0;
    for (const Vector3D* p : outline) {
        QVERIFY(p->getX() >= 8.0f / wingRootChord - 1e-6f);
        QVERIFY(p != piece.front() && p != piece.back());
        if (std::fabs(p->getX() - 8.0f / wingRootChord) < 1e-6f)
            ++atCut;
    }
    QCOMPARE(atCut, 2);
    const std::size_t nose = outline.size() / 2;
    QVERIFY(std::fabs(outline[nose - 1]->getX() - 8.0f / wingRootChord) < 1e-6f);
    QVERIFY(std::fabs(outline[nose]->getX() - 8.0f / wingRootChord) < 1e-6f);
    QVERIFY(outline[nose - 1]->getY() > outline[nose]->getY());
    QVERIFY(hasNormal(outline[nose - 1], 0.0f, 1.0f));
    QVERIFY(hasNormal(outline[nose], 0.0f, -1.0f));
}

void TestEdgeModifiers::leadingEdgeOutsideTheChordCutsNothing_data()
{
    QTest::addColumn<float>("depth");
    QTest::newRow("zero") << 0.0f;
    QTest::newRow("negative") << -5.0f;
    QTest::newRow("beyond chord") << 200.5f;
}

void TestEdgeModifiers::leadingEdgeOutsideTheChordCutsNothing()
{
    QFETCH(float, depth);
    RibDefinition rib = SyntheticRib::make(0.0f, 200.0f);
    const std::size_t before = rib.getRibCoords().size();
    RibModifierStandardLE().apply(rib, LEData(1, depth), wingRootChord);
    QCOMPARE(rib.getRibCoords().size(), before);
    QVERIFY(rib.getLEPieceCoords().empty());
}

void TestEdgeModifiers::trailingEdgeMovesRearIntoPiece_data()
{
    QTest::addColumn<float>("depthFactor");
    QTest::addColumn<float>("expectedDepth");
    QTest::newRow("plain") << 1.0f << 20.0f;
    QTest::newRow("following a shorter chord") << 0.5f << 10.0f;
}

void TestEdgeModifiers::trailingEdgeMovesRearIntoPiece()
{
    QFETCH(float, depthFactor);
    QFETCH(float, expectedDepth);
    RibDefinition rib = SyntheticRib::make(0.0f, 200.0f);
    const std::size_t before = rib.getRibCoords().size();
    TEData te;
    te.setType(1);
    te.setStandardTEDepth(20.0f);
    RibModifierStandardTE().apply(rib, te, depthFactor, wingRootChord);

    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    const std::vector<Vector3D*>& piece = rib.getTEPieceCoords();
    QCOMPARE(outline.size() + piece.size(), before + 4);
    QVERIFY(std::fabs(rib.getTEDepth(wingRootChord) - expectedDepth) < 0.01f);
    QVERIFY(hasNormal(outline.front(), 0.0f, 1.0f));
    QVERIFY(hasNormal(outline.back(), 0.0f, -1.0f));
    const std::size_t half = piece.size() / 2;
    QVERIFY(hasNormal(piece[half - 1], 0.0f, 1.0f));
    QVERIFY(hasNormal(piece[half], 0.0f, -1.0f));
    const float cutX = (200.0f - expectedDepth) / wingRootChord;
    for (const Vector3D* p : outline)
        QVERIFY(p->getX() <= cutX + 1e-6f);
    for (const Vector3D* p : piece)
        QVERIFY(p->getX() >= cutX - 1e-6f);
}

void TestEdgeModifiers::templateCopiesTheFrontTwentyMillimetres()
{
    RibDefinition rib = SyntheticRib::make(0.0f, 200.0f);
    RibModifierLETemplate().apply(rib, wingRootChord);
    const std::vector<Vector3D*>& templ = rib.getLETemplateCoords();
    QVERIFY(templ.size() > 4);
    QCOMPARE(templ.front()->getX(), 20.0f / wingRootChord);
    QCOMPARE(templ.back()->getX(), 20.0f / wingRootChord);
    // The cut points stay in the outline; the template holds copies.
    QCOMPARE(rib.getRibCoords().size(), std::size_t(outlinePoints + 2));

    RibDefinition small = SyntheticRib::make(0.0f, 15.0f);
    RibModifierLETemplate().apply(small, wingRootChord);
    QVERIFY(small.getLETemplateCoords().empty());
}

void TestEdgeModifiers::buildingTabsSitBetweenTheEdgePieces()
{
    RibDefinition rib = SyntheticRib::make(0.0f, 200.0f);
    RibModifierStandardLE().apply(rib, LEData(1, 8.0f), wingRootChord);
    TEData te;
    te.setType(1);
    te.setStandardTEDepth(20.0f);
    RibModifierStandardTE().apply(rib, te, 1.0f, wingRootChord);

    const BuildingTabData tabs(true, true, 10.0f, 20.0f, 10.0f);
    float first = 0.0f;
    float second = 0.0f;
    RibModifierBuildingTab::getTabPositions(rib, tabs, first, second, wingRootChord);
    QVERIFY(std::fabs(first - 18.0f) < 0.01f);
    QVERIFY(std::fabs(second - 150.0f) < 0.01f);
}

void TestEdgeModifiers::buildingTabsReachTheBuildingLines()
{
    const float upperY = 0.2f;
    const float lowerY = -0.1f;
    RibDefinition plain = SyntheticRib::make(0.0f, 200.0f);
    RibDefinition tabbed = SyntheticRib::make(0.0f, 200.0f);
    const std::size_t before = plain.getRibCoords().size();

    RibModifierBuildingTab().apply(plain, BuildingTabData(false, false, 10.0f, 20.0f, 10.0f),
                                   upperY, lowerY, wingRootChord);
    QCOMPARE(plain.getRibCoords().size(), before + 16);
    for (const Vector3D* p : plain.getRibCoords())
        QVERIFY(p->getY() < upperY && p->getY() > lowerY);
    float yUpper = 0.0f;
    float yLower = 0.0f;

    RibModifierBuildingTab().apply(tabbed, BuildingTabData(true, true, 10.0f, 20.0f, 10.0f),
                                   upperY, lowerY, wingRootChord);
    QCOMPARE(tabbed.getRibCoords().size(), before + 16);
    // Inside each tab the outline runs along the building lines; just
    // outside it stays on the rib surface.
    for (float station : {15.0f, 175.0f}) {
        QVERIFY(tabbed.getHeightsAtChordPosition(station, 0.0f, 1.0f, yUpper, yLower));
        QVERIFY(std::fabs(yUpper - upperY) < 1e-6f);
        QVERIFY(std::fabs(yLower - lowerY) < 1e-6f);
    }
    for (float station : {5.0f, 30.0f, 160.0f, 190.0f}) {
        float plainUpper = 0.0f;
        float plainLower = 0.0f;
        QVERIFY(tabbed.getHeightsAtChordPosition(station, 0.0f, 1.0f, yUpper, yLower));
        QVERIFY(plain.getHeightsAtChordPosition(station, 0.0f, 1.0f, plainUpper, plainLower));
        QVERIFY(std::fabs(yUpper - plainUpper) < 1e-6f);
        QVERIFY(std::fabs(yLower - plainLower) < 1e-6f);
    }
}

QTEST_MAIN(TestEdgeModifiers)
#include "tst_edgemodifiers.moc"
