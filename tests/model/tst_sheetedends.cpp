#include <QtTest>

#include "airfoils/Airfoil.h"
#include "foundation/DialogSeam.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/CoveringDefinition.h"
#include "model/RibDefinition.h"
#include "model/RibList.h"
#include "model/RibListTableModel.h"
#include "model/RibModifierCoveringAdvanced.h"
#include "model/RibModifierStandardLE.h"
#include "model/RibModifierStandardTE.h"
#include "model/LEData.h"
#include "model/TEData.h"
#include "model/RibModifierSquareSpar.h"
#include "model/SheetingStripList.h"
#include "model/SparDefinition.h"
#include "CoveringPanel.h"
#include "SheetedRibMeasures.h"

#include <algorithm>
#include <cfloat>
#include <cmath>

// Where sheets leave too little rib: the rib ends, as one simple outline
// within the bare rib, or nothing is cut.
class TestSheetedEnds : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void oneSidedSheetStaysWithinTheBareRib_data();
    void oneSidedSheetStaysWithinTheBareRib();
    void sheetsThickerThanTheRibLeaveNoFragment();
    void sheetsOfBothSidesThatMeetLeaveOnePiece_data();
    void sheetsOfBothSidesThatMeetLeaveOnePiece();
    void endNormalsLeaningBackHoldNoWood_data();
    void endNormalsLeaningBackHoldNoWood();
    void noseEndsThickBetweenRootAndTip_data();
    void noseEndsThickBetweenRootAndTip();
    void partedRibKeepsEveryPiece_data();
    void partedRibKeepsEveryPiece();
};

void TestSheetedEnds::init()
{
    DialogSeam::setScripted(true);
}

void TestSheetedEnds::oneSidedSheetStaysWithinTheBareRib_data()
{
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("root");
    QTest::addColumn<float>("chord");
    QTest::addColumn<float>("leDepth");
    QTest::addColumn<float>("bandTo");
    QTest::addColumn<float>("sparAt");
    QTest::addColumn<float>("sheet");
    QTest::addColumn<float>("teDepth");
    // The sheet lies on the upper side, else on the lower one.
    QTest::addColumn<bool>("upper");
    // A thin real tip section (6 %) at a chord of 60 mm, no leading-edge
    // piece, a 2.5 mm sheet over the front quarter of the lower side: the
    // rib ends where the sheet's inner face meets the other side.
    QTest::newRow("thin nose without a leading-edge piece")
        << QByteArray("as6096.dat") << QByteArray() << 60.0f << 0.0f << 25.0f << 0.0f << 2.5f << 0.0f << false;
    // Behind a leading-edge piece a thin tip's lower side, sunk along the
    // normals of a thicker root, would reach forward out of the piece's
    // face.
    QTest::newRow("tip sheeted below behind a leading-edge piece")
        << QByteArray("BE5030FVNC2t.dat") << QByteArray("as6091.dat") << 100.0f << 8.0f << 22.0f << 0.0f << 2.5f
        << 0.0f << false;
    // A 2.5 mm sheet behind the piece of a 45 mm thin tip sinks the lower
    // side through the upper one all along the band: the rib ends at the
    // band's end, no higher than the upper side.
    QTest::newRow("thin tip sunk through behind a leading-edge piece")
        << QByteArray("mid010.dat") << QByteArray("mid020.dat") << 45.0f << 8.0f << 22.0f << 0.0f << 2.5f << 0.0f
        << false;
    // So it is where the band ends inside a spar's slots: the rib then
    // starts inside them, and the slots are cut from its new front.
    QTest::newRow("thin tip ending inside the slots behind a leading-edge piece")
        << QByteArray("BE5030FVNC2t.dat") << QByteArray("as6091.dat") << 45.0f << 8.0f << 25.0f << 25.0f << 2.5f
        << 0.0f << false;
    // A band ending at the slots' front wall where the rib between their
    // floors is no thicker than the web the spar rule leaves: the lower
    // floor's corner does not stand in the sheet.
    QTest::newRow("band ending at the slots' web")
        << QByteArray("as6091.dat") << QByteArray() << 200.0f << 8.0f << 25.0f << 25.0f << 2.5f << 0.0f << false;
    // A slot wall a hair behind the end face leaves no sliver of the face
    // standing in the bare rib's slot.
    QTest::newRow("no sliver of the end face ahead of the slot")
        << QByteArray("as6099.dat") << QByteArray("mid010.dat") << 45.0f << 8.0f << 22.0f << 25.0f << 2.5f << 0.0f
        << false;
    // Round a nose tighter than a 2.5 mm sheet, the normals behind it fan
    // out over the end face the nose's own normal draws: no wood under the
    // fan, no groove where it folds back.
    QTest::newRow("no wood under the sheet's fan at a tight nose")
        << QByteArray("naca651212.dat") << QByteArray() << 200.0f << 0.0f << 22.0f << 0.0f << 2.5f << 0.0f << false;
    // Round a nose tighter than the sheet is thick, the points behind it
    // sink past the nose's own: no notch may open under the sheet's end.
    QTest::newRow("no notch under the sheet's end at a tight nose")
        << QByteArray("goe611.dat") << QByteArray() << 100.0f << 0.0f << 22.0f << 0.0f << 1.0f << 0.0f << false;
    // Behind the nose the inner face turns forwards a little, under the
    // sheet's end: closing that notch keeps the end face on the nose's normal.
    QTest::newRow("no wood under the sheet's end at a nose")
        << QByteArray("as6099.dat") << QByteArray() << 100.0f << 0.0f << 22.0f << 0.0f << 1.0f << 0.0f << false;
    // Sunk along a normal that leans back, the band's last point would come
    // off the trailing-edge piece's face and leave a hair standing up it.
    // Behind a leading-edge piece the sheet sinks a 45 mm tip through: the
    // rib starts at the band's end, on its last normal, which leans back.
    QTest::newRow("no wood under a band's last normal leaning back")
        << QByteArray("goe590.dat") << QByteArray("e587.dat") << 45.0f << 8.0f << 22.0f << 0.0f << 2.5f << 0.0f
        << false;
    // Where the sheet leaves too little rib all along the band, the rib
    // starts at the band's end: down its last normal, not straight across.
    QTest::newRow("no wood under a band's last normal where the rib starts")
        << QByteArray("mid153a.dat") << QByteArray("mh18b.dat") << 45.0f << 8.0f << 22.0f << 0.0f << 2.5f << 0.0f
        << false;
    // Without a leading-edge piece, the normals ahead of the first one the
    // camber line holds (the trailing-edge piece sets where that is) sink a
    // 45 mm tip to just short of the upper side, behind where the rib
    // starts: its face leans back under them.
    QTest::newRow("no wood under the unheld normals ahead of a thin tip's start")
        << QByteArray("mid153a.dat") << QByteArray("mh18b.dat") << 45.0f << 0.0f << 28.0f << 0.0f << 2.5f << 6.75f
        << false;
    // The sheet eats the rib ahead of the spar's slots just behind a
    // leading-edge piece: the rib starts on the web between the slots'
    // floors, where the sheet leaves it thinner than 0.5 mm for a way.
    QTest::newRow("no thin nose on the web between the slots")
        << QByteArray("goe590.dat") << QByteArray("hn979d.dat") << 45.0f << 8.0f << 25.0f << 25.0f << 1.0f << 0.0f
        << false;
    QTest::newRow("no hair up the trailing-edge piece's face")
        << QByteArray("mh18b.dat") << QByteArray() << 200.0f << 0.0f << 100.0f << 0.0f << 1.0f << 15.0f << false;
    // A 2.5 mm sheet over the whole of a thin 45 mm tip leaves a sliver
    // thinning to a hair at the trailing-edge piece: the rib ends where it
    // is still 0.5 mm thick.
    QTest::newRow("no sliver thinning to the trailing-edge piece")
        << QByteArray("mid020.dat") << QByteArray() << 45.0f << 8.0f << 100.0f << 0.0f << 2.5f << 15.0f << false;
    // Without a piece the section's own blunt face ends the rib: the sheet's
    // inner face meets it, with no hair of bare surface up or down the face.
    QTest::newRow("no hair up a blunt trailing edge without a piece")
        << QByteArray("BE5030FVNC2t.dat") << QByteArray("mh22.dat") << 200.0f << 0.0f << 100.0f << 0.0f << 1.0f
        << 0.0f << false;
    // A section whose rear half is under 1 mm thick, halved by the sheet,
    // runs thinner than 0.5 mm from ahead of mid-chord on: the rib ends
    // where it is still 0.5 mm thick.
    QTest::newRow("no thin tail from mid-chord under one sheet")
        << QByteArray("as6099.dat") << QByteArray() << 80.0f << 8.0f << 100.0f << 0.0f << 1.0f << 0.0f << false;
    // At 60 mm the bare section's own thin tail holds a little less than
    // half the bare rib's way round, but more than half of the shorter way
    // round the sheet leaves: it is still a taper, and the rib ends.
    QTest::newRow("no thin tail under one sheet where the bare one is a taper")
        << QByteArray("as6099.dat") << QByteArray() << 60.0f << 8.0f << 100.0f << 0.0f << 1.0f << 0.0f << false;
    // At 100 mm the sheet on the upper side leaves a thin tail holding half
    // the way round but for a hair: the rib is thin by the sheet alone from
    // mid-chord on, no taper, and ends.
    QTest::newRow("no thin tail under one sheet holding half the way round")
        << QByteArray("as6099.dat") << QByteArray() << 100.0f << 8.0f << 100.0f << 0.0f << 1.0f << 0.0f << true;
    // Over a square spar's slot the upper band's last normal leans back: the
    // end face ahead of the slot's front wall comes down it to the floor, not
    // straight down ahead of it into the sheet.
    QTest::newRow("no wood ahead of the slot under an upper band's last normal")
        << QByteArray("as6096.dat") << QByteArray("as6099.dat") << 45.0f << 8.0f << 25.0f << 25.0f << 2.5f << 6.75f
        << true;
    // Held at the camber line where a 45 mm tip is under 1 mm thick, the
    // sheet leaves a web of 0.49 mm at the band's end: the rib ends ahead
    // of it, without the thin rear behind.
    QTest::newRow("no web under half the rib at the band's end")
        << QByteArray("BE5030FVNC2t.dat") << QByteArray("mh22.dat") << 45.0f << 0.0f << 60.0f << 0.0f << 1.0f << 0.0f
        << true;
    // A lower band ending just behind the slot's rear station: the slot is
    // cut there through the band's end face, which leans less than the
    // slot's direction of cut. The wall stays on the face, not ahead of it
    // in the sheet.
    QTest::newRow("no wood ahead of a band's end face the slot cuts through")
        << QByteArray("as6096.dat") << QByteArray() << 82.0f << 8.0f << 28.0f << 25.0f << 2.5f << 0.0f << false;
}

void TestSheetedEnds::oneSidedSheetStaysWithinTheBareRib()
{
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, root);
    QFETCH(float, chord);
    QFETCH(float, leDepth);
    QFETCH(float, bandTo);
    QFETCH(float, sparAt);
    QFETCH(float, sheet);
    QFETCH(float, teDepth);
    QFETCH(bool, upper);
    RibListTableModel bareTable;
    RibListTableModel coveredTable;
    // The same rib finished as the panel finishes it, nose and all.
    RibListTableModel finishedTable;
    makePanel(bareTable, chord);
    makePanel(coveredTable, chord);
    makePanel(finishedTable, chord);
    const LEData le(1, leDepth);
    for (RibListTableModel* table : {&bareTable, &coveredTable, &finishedTable}) {
        QVERIFY(shapeRibAsPublicSection(ribAt(*table, 2), chord, section.constData(),
                                        root.isEmpty() ? nullptr : root.constData()));
        if (leDepth > 0.0f)
            RibModifierStandardLE().apply(ribAt(*table, 2), le, wingRootChord);
        if (teDepth > 0.0f)
            RibModifierStandardTE().apply(ribAt(*table, 2), TEData(1, teDepth, false, 20.0f, 10.0f, 2.0f), 1.0f,
                                          wingRootChord);
    }
    SheetingStripList strips;
    SheetingStripDefinition band = strip(bandTo, 0.0f, true, true);
    band.setThickness(sheet);
    band.setUpper(upper);
    band.setLower(!upper);
    strips.append(band);
    RibDefinition& covered = ribAt(coveredTable, 2);
    for (RibListTableModel* table : {&coveredTable, &finishedTable})
        RibModifierCoveringAdvanced().apply(ribAt(*table, 2), 2, leDepth, teDepth, CoveringDefinition(), strips,
                                            wingRootChord, *table);
    if (sparAt > 0.0f) {
        const SparDefinition spar("main", SparType::Square, 1, 3, sparAt, sparAt, true, false);
        for (RibListTableModel* table : {&bareTable, &coveredTable, &finishedTable})
            RibModifierSquareSpar().apply(ribAt(*table, 2), 2, spar, chord, ribAt(*table, 1), ribAt(*table, 3),
                                          ribAt(*table, 2), 0.0f, wingRootChord, false, 0.0f, true);
    }
    covered.finishOutline(wingRootChord);
    RibDefinition& finished = ribAt(finishedTable, 2);
    RibList::finishRib(finished, wingRootChord);
    // A bare rib that starts on a face at least 0.5 mm across (a
    // leading-edge piece's) keeps no wedge thinner than that ahead of it:
    // where the sheet thinned the nose, the rib starts where it is thick.
    const float front = thicknessBehindFront(finished.getRibCoords()) * wingRootChord;
    QVERIFY2(finished.consumedBySheets() || front > 0.45f
                 || !(thicknessBehindFront(ribAt(bareTable, 2).getRibCoords()) * wingRootChord > 0.45f),
             qPrintable(QStringLiteral("a nose %1 mm thick").arg(front)));
    QVERIFY(!crossesItself(covered.getRibCoords(), 0.5f * chord / wingRootChord));
    // From the nose back along the sheeted side the outline never turns
    // forwards again over the front 5 mm.
    const std::vector<Vector3D*>& outline = covered.getRibCoords();
    size_t nose = 0;
    for (size_t i = 0; i < outline.size(); ++i)
        if (outline[i]->getX() < outline[nose]->getX())
            nose = i;
    for (size_t i = nose; i + 1 < outline.size() && outline[i]->getX() < outline[nose]->getX() + 5.0f / wingRootChord;
         ++i)
        QVERIFY2(outline[i + 1]->getX() > outline[i]->getX() - 0.01f / wingRootChord,
                 qPrintable(QStringLiteral("turns forwards at %1 mm").arg(outline[i]->getX() * wingRootChord)));
    // Where the outline closes on a trailing-edge face it never runs along
    // the face and straight back.
    const int n = int(outline.size());
    // The next point that is not where k is, in steps of step.
    const auto apart = [&](int k, int step) {
        int i = (k + step + n) % n;
        while (i != k && outline[size_t(i)]->distanceXY(*outline[size_t(k)]) * wingRootChord < 0.001f)
            i = (i + step + n) % n;
        return i;
    };
    for (const int k : {0, apart(0, -1)}) {
        const Vector3D& a = *outline[size_t(apart(k, -1))];
        const Vector3D& b = *outline[size_t(k)];
        const Vector3D& c = *outline[size_t(apart(k, 1))];
        const double lu = b.distanceXY(a) * wingRootChord;
        const double lv = c.distanceXY(b) * wingRootChord;
        const double turn = ((double(b.getX()) - a.getX()) * (double(c.getX()) - b.getX())
                             + (double(b.getY()) - a.getY()) * (double(c.getY()) - b.getY()))
                            * wingRootChord * wingRootChord / (lu * lv);
        // A section's own sharp trailing edge turns back along the chord.
        const bool upTheFace = std::fabs(b.getY() - a.getY()) > std::fabs(b.getX() - a.getX())
                               && std::fabs(c.getY() - b.getY()) > std::fabs(c.getX() - b.getX());
        QVERIFY2(!(turn < -0.99 && upTheFace && std::min(lu, lv) > 0.05),
                 qPrintable(QStringLiteral("a hair %1 mm long at the trailing edge").arg(std::min(lu, lv))));
    }
    // The sheets end the rib on a trailing-edge face no thinner than the
    // limit, unless the section's own face is.
    QVERIFY(!endsThinOnAFace(outline) || endsThinOnAFace(ribAt(bareTable, 2).getRibCoords()));
    // Nor does the rib run on behind a web the sheet leaves thinner than
    // 0.5 mm just inside the band's end: it ends ahead of the web.
    const double inside = (bandTo / 100.0 * chord - 0.1) / wingRootChord;
    std::vector<double> across;
    double rear = outline.front()->getX();
    for (int i = 0; i < n; ++i) {
        const Vector3D& a = *outline[size_t(i)];
        const Vector3D& b = *outline[size_t((i + 1) % n)];
        rear = std::max(rear, double(a.getX()));
        if ((a.getX() - inside) * (b.getX() - inside) < 0.0)
            across.push_back(a.getY() + (b.getY() - a.getY()) * (inside - a.getX()) / (b.getX() - a.getX()));
    }
    const double web = across.size() == 2 ? std::fabs(across[1] - across[0]) * wingRootChord : 1.0;
    QVERIFY2(web >= 0.495 || rear * wingRootChord <= bandTo / 100.0 * chord,
             qPrintable(QStringLiteral("a web %1 mm thick at the band's end").arg(web)));
    // Nor does it leave a thin tail holding the most of the way round, nor
    // half of it with the segments its start lies on, where the bare rib's
    // own thin tail is a taper. A band that takes the nose off leaves the
    // bare rib's own tail as it was, a larger share of a shorter way round.
    const std::vector<Vector3D*>& bareOutline = ribAt(bareTable, 2).getRibCoords();
    const bool bareTail = thinTailWay(outline) <= thinTailWay(bareOutline) + 0.01 / wingRootChord;
    QVERIFY2(bareTail || thinTailShare(outline, true) < 0.5 || thinTailShare(bareOutline) >= 0.5,
             qPrintable(QStringLiteral("a thin tail %1 of the way round").arg(thinTailShare(outline, true))));
    const double outside = farthestOutside(covered.getRibCoords(), ribAt(bareTable, 2).getRibCoords()) * wingRootChord;
    QVERIFY2(outside <= 0.25, qPrintable(QString::number(outside) + " mm outside the bare rib"));
    // No wood where the sheet lies: along each of its normals, 0.25 mm short
    // of the inner face is sheet, outside the rib. The first and the last
    // normal are the rib's end faces: there the point may lie on the face,
    // a hair from outside.
    const auto outsideOrOnFace = [&](const Vector3D& q) {
        for (int a = 0; a < 9; ++a) {
            const double r = a < 8 ? 0.01 / wingRootChord : 0.0;
            Vector3D p(float(q.getX() + r * std::cos(a * M_PI / 4)), float(q.getY() + r * std::sin(a * M_PI / 4)), 0.0f);
            if (farthestOutside({&p}, outline) > 0.0)
                return true;
        }
        return false;
    };
    const std::vector<Vertex*>& sheetPoints = covered.getCoveringPolygons().front()->getPoints();
    for (size_t k = 0, n = sheetPoints.size(); k < n / 2; ++k) {
        const Vertex& outer = *sheetPoints[k];
        const Vertex& inner = *sheetPoints[n - 1 - k];
        const float f = 0.25f / wingRootChord / std::max(outer.distanceXY(inner), 0.5f / wingRootChord);
        Vector3D q(inner.getX() + (outer.getX() - inner.getX()) * f, inner.getY() + (outer.getY() - inner.getY()) * f,
                   0.0f);
        QVERIFY2(outsideOrOnFace(q),
                 qPrintable(QStringLiteral("wood in the sheet at %1 mm").arg(q.getX() * wingRootChord)));
    }
}

void TestSheetedEnds::sheetsThickerThanTheRibLeaveNoFragment()
{
    // A thin real tip section (6 %) at a chord of 45 mm is 2.7 mm thick:
    // 2.5 mm sheets on both sides over the whole chord leave nothing to cut.
    RibListTableModel table;
    makePanel(table, 45.0f);
    RibDefinition& rib = ribAt(table, 2);
    SheetingStripList strips;
    SheetingStripDefinition band = strip(100.0f, 0.0f, true, true);
    band.setThickness(2.5f);
    strips.append(band);
    for (float sheet : {2.5f, 0.5f}) {
        rib.clearGeometry();
        QVERIFY(shapeRibAsPublicSection(rib, 45.0f, "as6096.dat"));
        strips.getStrips().front().setThickness(sheet);
        RibModifierCoveringAdvanced().apply(rib, 2, 0, 0, CoveringDefinition(), strips, wingRootChord, table);
        RibList::finishRib(rib, wingRootChord);
        const bool consumed = sheet > 1.0f;
        QCOMPARE(rib.consumedBySheets(), consumed);
        QCOMPARE(rib.getRibCoords().empty(), consumed);
        // The mark goes with a copy of the rib.
        QCOMPARE(RibDefinition(rib).consumedBySheets(), consumed);
    }
    // Sheets that leave the outline a single point leave no rib either: it
    // holds no area, and is told, not drawn as buildable.
    for (Vector3D* point : rib.getRibCoords())
        point->set(0.5f, 0.0f, 0.0f);
    RibList::finishRib(rib, wingRootChord);
    QVERIFY(rib.consumedBySheets());
}

void TestSheetedEnds::sheetsOfBothSidesThatMeetLeaveOnePiece_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<float>("chord");
    QTest::addColumn<float>("bandFrom");
    QTest::addColumn<float>("bandTo");
    QTest::addColumn<float>("sheet");
    QTest::addColumn<float>("teDepth");
    QTest::addColumn<float>("sparAt");
    QTest::addColumn<bool>("startsOnFace");
    QTest::addColumn<QString>("root");
    QTest::addColumn<float>("leDepth");
    // How far out along the panel the rib lies, as a share of its length.
    QTest::addColumn<float>("tipShare");
    // The sheets meet at the band's end, where the section has thinned
    // below their two thicknesses: the nose ahead of it is a thin wedge.
    QTest::newRow("nose band on a thin root") << "as6091.dat" << 200.0f
        << 0.0f << 28.0f << 2.5f << 0.0f << 0.0f << false << QString() << 0.0f << 1.0f;
    // A band in the middle of a thin tip takes the rib's whole depth.
    QTest::newRow("mid-chord band on a thin tip") << "mid010.dat" << 100.0f
        << 35.0f << 60.0f << 2.5f << 0.0f << 0.0f << false << QString() << 0.0f << 1.0f;
    // Thinner sheets do not meet at the band's end but leave less than
    // 0.5 mm there: the nose ahead, a wedge up to 1 mm thick and 15 mm
    // long, would hang on by that.
    QTest::newRow("nose wedge joined at the band's end") << "as6096.dat" << 55.0f
        << 0.0f << 28.0f << 1.0f << 0.0f << 0.0f << false << QString() << 0.0f << 1.0f;
    // Sheets over the whole chord meet just short of a trailing-edge piece:
    // no wedge a hair thick runs on from there to the piece's face.
    QTest::newRow("no wedge on to the trailing-edge piece") << "s1020.dat" << 200.0f
        << 0.0f << 100.0f << 2.5f << 15.0f << 0.0f << false << QString() << 0.0f << 1.0f;
    // Thinner sheets on such a tip come within 0.3 mm of each other and part
    // again: no web that thin may hold the two pieces together.
    QTest::newRow("mid-chord band pinching a thin tip") << "mid010.dat" << 100.0f
        << 35.0f << 60.0f << 1.0f << 0.0f << 0.0f << false << QString() << 0.0f << 1.0f;
    // Sheets meet ahead of a trailing-edge piece's face over 0.5 mm thick: the
    // rib ends where it is still 0.5 mm thick, not in a tail tapering to
    // where they meet.
    QTest::newRow("no tail on to where the sheets meet") << "mid153a.dat" << 100.0f
        << 50.0f << 100.0f << 1.0f << 8.0f << 0.0f << false << QString() << 0.0f << 1.0f;
    // Sheets over the front half of a thin section leave 0.3 mm at the
    // band's end: a spar's slot under the band 20 mm ahead has no say in
    // that pinch.
    QTest::newRow("pinch at the band's end, a slot ahead") << "naca0007.dat" << 86.0f << 0.0f << 50.0f << 2.5f
                                                            << 0.0f << 25.0f << false << QString() << 0.0f << 1.0f;
    // Thick sheets over the front of a section leave 0.13 mm at the band's
    // end: the rest of the rib starts there on a face 0.5 mm across, not
    // in a point.
    QTest::newRow("pinch at the band's end, a face ahead") << "as6099.dat" << 100.0f << 0.0f << 22.0f << 2.5f
                                                            << 0.0f << 0.0f << true << QString() << 0.0f << 1.0f;
    // The bands' end faces lean back and meet where the sheets' inner faces
    // have all but met: no sliver runs on between those from there.
    QTest::newRow("no sliver behind the bands' end faces") << "ag08.dat" << 45.0f << 47.5f << 100.0f << 1.0f
                                                           << 6.75f << 0.0f << false << QString() << 0.0f << 1.0f;
    // Sheets from the nose sink a thin round nose to a point: the rib ends
    // where it is 0.5 mm thick, not in a wedge tapering to that point.
    QTest::newRow("no wedge ahead of where the nose is thick") << "naca0007.dat" << 100.0f << 0.0f << 50.0f << 2.5f
                                                               << 0.0f << 0.0f << false << QString() << 0.0f << 1.0f;
    // A mid-chord band on a thin tip leaves 0.2 mm at its end, the point
    // halfway across that gap a hair ahead of the upper face's last point:
    // the rib still ends where it is 0.5 mm thick, not on that web.
    QTest::newRow("pinch at a mid-chord band's end") << "goe590.dat" << 45.0f << 35.0f << 60.0f << 1.0f << 0.0f
                                                     << 0.0f << false << QString() << 0.0f << 1.0f;
    // A band over the nose of a thin, deeply cambered section leaves a hair at
    // its end; behind it the section's own tail, thinner than 0.5 mm on
    // average, is the larger piece: the nose, 1 mm thick on average, stays.
    QTest::newRow("pinch ahead of a larger thin tail") << "as6091.dat" << 95.0f << 0.0f << 28.0f << 1.0f << 0.0f
                                                       << 0.0f << false << QString() << 0.0f << 1.0f;
    // Thin sheets over a thin root's nose: their inner faces kink a
    // few hundredths just behind where the rib is thick, which no more ends
    // a side than a step out of the rib does.
    QTest::newRow("nose face ahead of a kink in the sheet's face") << "as6091.dat" << 200.0f << 0.0f << 28.0f << 1.0f
                                                                   << 0.0f << 0.0f << true << QString() << 0.0f << 1.0f;
    // Sheets over a band ending inside a spar's slots take off the whole nose
    // ahead of them, leaving the rib's front point where no sheet sank it.
    QTest::newRow("nose face where the sheets took the nose") << "BE5030FVNC2t.dat" << 100.0f << 0.0f << 25.0f
                                                               << 2.5f << 0.0f << 25.0f << true << QString() << 0.0f << 1.0f;
    // On a thin tip with a thicker root's normals, the bands' end faces over
    // the front quarter climb back from their feet, which lie 0.4 mm apart:
    // the rib behind wraps round the pinch and ends on the two faces, the
    // gap between their feet closed straight across.
    QTest::newRow("pinch between the feet of the bands' end faces") << "as6091.dat" << 100.0f << 0.0f << 25.0f
                                                                   << 1.0f << 0.0f << 0.0f << false << "fx63143.dat" << 0.0f << 1.0f;
    // The pinch ahead of a larger thin tail at 100 mm: the tail is now a
    // hair smaller than the nose, but holds the longer way round, so it is
    // no taper to where the sheets meet, and the nose stays as at 95 mm.
    QTest::newRow("pinch ahead of a thin tail a hair smaller") << "as6091.dat" << 100.0f << 0.0f << 28.0f << 1.0f
                                                               << 0.0f << 0.0f << false << QString() << 0.0f << 1.0f;
    // Where a thin section still rises, the bands' last normals lean
    // forwards: each side steps out and a little forwards up its band's end
    // face, which is no fold. The nose ahead, a wedge 17 mm long, ends where
    // it is 0.5 mm thick.
    QTest::newRow("nose face ahead of end faces leaning forwards") << "ag19.dat" << 100.0f << 0.0f << 28.0f << 2.5f
                                                                   << 0.0f << 0.0f << true << QString() << 0.0f << 1.0f;
    // Thick sheets over the front quarter of a thin tip leave it 0.5 mm
    // thick a way behind the nose, then thinner again up to the band's end:
    // the nose, hanging on by that, goes, and the rib ends behind the pinch.
    QTest::newRow("nose hanging on a pinch at the band's end") << "mid010.dat" << 133.7f << 0.0f << 25.0f << 2.5f
                                                               << 0.0f << 25.0f << false << QString() << 0.0f << 1.0f;
    // Thick sheets over the front of a thin section eat the nose up to a
    // spar's slots and their front walls: the rib starts on the web between
    // the slots' floors, and its side first steps out up a slot's rear wall
    // that leans a little forwards. The web still ends where it is 0.5 mm
    // thick, ahead of that wall.
    QTest::newRow("nose face on the web ahead of a slot's rear wall") << "naca0007.dat" << 63.54f << 0.0f << 28.0f
                                                                     << 2.5f << 0.0f << 25.0f << true << QString() << 0.0f << 1.0f;
    // Thick sheets over the front fifth of a thin section ahead of a spar:
    // the finishing gathered the upper sheet's inner face onto the band's
    // last normal, which leans back, and the side steps out a little
    // forwards to the band's end from a point the sheet moved elsewhere
    // along the chord. That is still the band's end face: the nose ahead
    // ends where it is 0.5 mm thick.
    QTest::newRow("nose face ahead of an end face the finishing moved") << "as6096.dat" << 60.0f << 0.0f << 22.0f
                                                                        << 2.5f << 0.0f << 25.0f << true << QString() << 0.0f << 1.0f;
    // On a smaller rib of another thin section, behind a trailing-edge piece,
    // the wedge ahead of such an end face is thin right up to the step: the
    // rib turns thick at the face's top, and the nose ends there, the
    // step's foot a few hundredths behind.
    QTest::newRow("nose face at the top of an end face") << "as6099.dat" << 46.0f << 0.0f << 25.0f << 2.5f << 15.0f
                                                         << 25.0f << true << QString() << 0.0f << 1.0f;
    // Thin sheets over the front fifth of a thin tip take the nose up to a
    // spar's slots: the rib starts on the web between their floors, down a
    // face the upper sheet sank its front to, a few hundredths ahead of the
    // lower end. That lean is no wedge to keep: the face stands straight.
    QTest::newRow("nose face a hair behind a sunk front") << "mid010.dat" << 45.0f << 0.0f << 22.0f << 1.0f << 0.0f
                                                          << 25.0f << true << "mid020.dat" << 0.0f << 1.0f;
    // Thick sheets over the front fifth of a thin tip behind a leading-edge
    // piece: the wedge the sheets leave turns thick only at the top of the
    // upper band's end face, which leans forwards a tenth of a millimetre
    // from its foot. Ended at the top, the wood over the foot would be a
    // tooth: the rib ends at the foot, and the tooth goes with the wedge.
    QTest::newRow("nose face at the foot of an end face leaning forwards")
        << "BE5030FVNC2t.dat" << 45.0f << 0.0f << 22.0f << 2.5f << 0.0f << 25.0f << true << "as6091.dat" << 8.0f << 1.0f;
    // Thick sheets over the front 28 % of a rib two thirds out towards a thin
    // tip, behind a leading-edge piece, eat the rib up to a spar's slots and
    // their floors: what is left ahead of the slots' rear walls is a thin
    // wedge between them, and the upper wall leans forwards a tenth of a
    // millimetre. The rib ends at that wall's foot, the wedge and both walls'
    // tops gone.
    QTest::newRow("nose face at the foot of a slot's rear wall leaning forwards")
        << "ag08.dat" << 63.536f << 0.0f << 28.0f << 2.5f << 0.0f << 25.0f << true << "hq209.dat" << 8.0f
        << 240.0f / 362.0f;
    // 1 mm sheets over the whole chord of a thin tip leave it a sliver
    // between 0.5 and 0.7 mm thick, a spar's slots 0.1 mm deep in it whose
    // floors close to a hair under 0.5 mm at their rear corner: the web the
    // spar leaves between its slots, the bare rib's own. The nose ahead, thin
    // for almost 2 mm, does not hang on that: it ends where it is 0.5 mm
    // thick.
    QTest::newRow("nose face ahead of the web between a spar's slots")
        << "mid153a.dat" << 45.0f << 0.0f << 100.0f << 1.0f << 15.0f << 25.0f << true << "mh18b.dat" << 0.0f << 1.0f;
}

void TestSheetedEnds::sheetsOfBothSidesThatMeetLeaveOnePiece()
{
    QFETCH(QString, section);
    QFETCH(float, chord);
    QFETCH(float, bandFrom);
    QFETCH(float, bandTo);
    QFETCH(float, sheet);
    QFETCH(float, teDepth);
    QFETCH(float, sparAt);
    QFETCH(bool, startsOnFace);
    QFETCH(QString, root);
    QFETCH(float, leDepth);
    QFETCH(float, tipShare);
    RibListTableModel table;
    makePanel(table, chord);
    RibDefinition& rib = ribAt(table, 2);
    QVERIFY(shapeRibAsPublicSection(rib, chord, qPrintable(section), root.isEmpty() ? nullptr : qPrintable(root),
                                    tipShare));
    if (leDepth > 0.0f)
        RibModifierStandardLE().apply(rib, LEData(1, leDepth), wingRootChord);
    if (teDepth > 0.0f)
        RibModifierStandardTE().apply(rib, TEData(1, teDepth, false, 20.0f, 10.0f, 2.0f), 1.0f, wingRootChord);
    const bool bareThin = endsThinOnAFace(rib.getRibCoords());
    const bool bareThick =
        (rib.getRibCoords().front()->getY() - rib.getRibCoords().back()->getY()) * wingRootChord >= 0.49f;
    SheetingStripList strips;
    SheetingStripDefinition band = strip(bandTo - bandFrom, bandFrom, true, true);
    band.setThickness(sheet);
    strips.append(band);
    RibModifierCoveringAdvanced().apply(rib, 2, leDepth, teDepth, CoveringDefinition(), strips, wingRootChord, table);
    if (sparAt > 0.0f) {
        const SparDefinition spar("main", SparType::Square, 1, 3, sparAt, sparAt, true, false);
        RibModifierSquareSpar().apply(rib, 2, spar, chord, ribAt(table, 1), ribAt(table, 3), rib, 0.0f,
                                      wingRootChord, false, 0.0f, true);
    }
    RibList::finishRib(rib, wingRootChord);
    QVERIFY(!rib.consumedBySheets());
    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    QVERIFY(!crossesItself(outline, 0.95f * chord / wingRootChord));
    QVERIFY(!endsThinOnAFace(outline) || bareThin);
    if (startsOnFace) {
        const float front = thicknessBehindFront(outline) * wingRootChord;
        QVERIFY2(front > 0.45f, qPrintable(QString::number(front)));
        // Nor does a wedge thinner than that stand ahead of the face.
        const double nose = thinNoseWay(outline) * wingRootChord;
        QVERIFY2(nose <= 0.1, qPrintable(QStringLiteral("a thin nose %1 mm long").arg(nose)));
    }
    // Where the bare rib ends thick, no tail thinner than 0.5 mm runs on to
    // the point where the sheets meet.
    const double tail = thinTailWay(outline) * wingRootChord;
    QVERIFY2(!bareThick || tail <= 0.1, qPrintable(QStringLiteral("a thin tail %1 mm long").arg(tail)));
    // Nor may the two pieces hang together where the sheets' faces touch:
    // about the band (the section's own trailing edge is thin), no two
    // stretches of the outline more than 1 mm apart along it come closer
    // than 0.5 mm, unless the outline runs straight across between them,
    // or both lie on a spar's slots: the web the spar leaves between them
    // is its own, and floors cut from the sheets' inner faces lie at least
    // as deep as the bare rib's.
    const auto onSlot = [&](const Vector3D* p, const Vector3D* other) {
        for (const IdentifiableObject* part : rib.getSquareSparParts()) {
            if (part->getType() != 2 || part->getPoints().empty())
                continue;
            float low = FLT_MAX;
            float high = -FLT_MAX;
            float middle = 0.0f;
            for (const Vertex* v : part->getPoints()) {
                low = std::min(low, v->getX());
                high = std::max(high, v->getX());
                middle += v->getY() / float(part->getPoints().size());
            }
            const float margin = 0.3f / wingRootChord;
            if (p->getX() >= low - margin && p->getX() <= high + margin
                && std::fabs(p->getY() - middle) <= std::fabs(other->getY() - middle))
                return true;
        }
        return false;
    };
    const size_t n = outline.size();
    std::vector<double> along(n, 0.0);
    for (size_t i = 1; i < n; ++i)
        along[i] = along[i - 1] + outline[i]->distanceXY(*outline[i - 1]) * wingRootChord;
    const auto nearBand = [&](const Vector3D* p) {
        const float x = p->getX() * wingRootChord / chord * 100.0f;
        return x > bandFrom - 5.0f && x < bandTo + 5.0f;
    };
    for (size_t i = 0; i < n; ++i) {
        for (size_t j = i + 1; j < n && nearBand(outline[i]); ++j) {
            if (!nearBand(outline[j]))
                continue;
            const double way = std::min(along[j] - along[i], along[n - 1] - along[j] + along[i]);
            const double apart = outline[i]->distanceXY(*outline[j]) * wingRootChord;
            if (onSlot(outline[i], outline[j]) && onSlot(outline[j], outline[i]))
                continue;
            QVERIFY2(apart >= 0.5 || way <= std::max(1.0, 1.5 * apart),
                     qPrintable(QString("points %1 and %2 %3 mm apart, %4 mm along the outline")
                                    .arg(i)
                                    .arg(j)
                                    .arg(apart)
                                    .arg(way)));
        }
    }
}

void TestSheetedEnds::endNormalsLeaningBackHoldNoWood_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("root");
    QTest::addColumn<int>("leaningBack");
    QTest::addColumn<float>("sheet");
    QTest::addColumn<float>("sparAt");
    QTest::addColumn<float>("teDepth");
    // Behind a leading-edge piece; without one the bands start 8 mm back all
    // the same.
    QTest::addColumn<bool>("lePiece");
    QTest::addColumn<float>("bandTo");
    // A thin tip with a thicker root's normals, behind a leading-edge piece:
    // 2.5 mm sheets on both sides leave no rib along the band, and both
    // bands' last normals lean back, each past the other band's end. The rib
    // starts down both.
    QTest::newRow("both normals leaning back")
        << "goe590.dat" << "e587.dat" << 2 << 2.5f << 0.0f << 0.0f << true << 22.0f;
    // Only the upper normal leans back, and it is longer than the rib is
    // deep: it passes out through the lower side. The rib starts down it to
    // there, not on a face straight across ahead of its lower part.
    QTest::newRow("one normal leaning back through the other side")
        << "goe590.dat" << "hn979d.dat" << 1 << 2.5f << 0.0f << 0.0f << true << 22.0f;
    // Both lean back and cross, their sunk ends inside the rib, each less
    // than 0.5 mm from the other side: the ledges of wood over them go with
    // the face down both.
    QTest::newRow("both normals leaning back to ledges too thin to keep")
        << "hn979d.dat" << "naca0030.dat" << 2 << 2.5f << 0.0f << 0.0f << true << 22.0f;
    // The rib is deeper than the one normal that leans back, and the face the
    // sheets left runs ahead of it and on below its sunk end in one stretch:
    // the rib still starts down the normal, to the sunk end and across.
    QTest::newRow("one normal leaning back, passed below its sunk end")
        << "naca0007.dat" << "usa26.dat" << 1 << 2.5f << 0.0f << 0.0f << true << 22.0f;
    // The normal passes out through the other side below the steeper face
    // the sheets left from the band's end: down it from there, the rib
    // would start in a corner thinner than 0.5 mm, which goes with the face.
    QTest::newRow("one normal leaning back below a thin corner")
        << "ag19.dat" << "sg6043.dat" << 1 << 2.5f << 0.0f << 0.0f << true << 22.0f;
    // 1 mm sheets over the nose of a tip without a piece, a slot just
    // behind: the nose cut where the sheets meet leaves a stub a few
    // hundredths ahead of the lower band's sunk end, which leans forwards.
    // The upper normal still leans back, and the rib starts down it.
    QTest::newRow("one normal leaning back over a stub of the nose")
        << "as6099.dat" << "mid010.dat" << 1 << 1.0f << 25.0f << 6.75f << false << 22.0f;
    // Both lean back, and the camber line held the upper one short; the
    // upper sheet's normal ahead of it passes out through the lower side
    // behind the lower band's end: the face ends there.
    QTest::newRow("both normals leaning back, the one ahead passing through")
        << "goe590.dat" << "e587.dat" << 2 << 2.5f << 0.0f << 6.75f << true << 25.0f;
}

// With no wood a quarter millimetre short of either sunk end.
void TestSheetedEnds::endNormalsLeaningBackHoldNoWood()
{
    QFETCH(QString, section);
    QFETCH(QString, root);
    QFETCH(int, leaningBack);
    QFETCH(float, sheet);
    QFETCH(float, sparAt);
    QFETCH(float, teDepth);
    QFETCH(bool, lePiece);
    QFETCH(float, bandTo);
    RibListTableModel table;
    makePanel(table, 45.0f);
    RibDefinition& rib = ribAt(table, 2);
    QVERIFY(shapeRibAsPublicSection(rib, 45.0f, qPrintable(section), qPrintable(root)));
    if (lePiece)
        RibModifierStandardLE().apply(rib, LEData(1, 8.0f), wingRootChord);
    if (teDepth > 0.0f)
        RibModifierStandardTE().apply(rib, TEData(1, teDepth, false, 20.0f, 10.0f, 2.0f), 1.0f, wingRootChord);
    SheetingStripList strips;
    SheetingStripDefinition band = strip(bandTo, 0.0f, true, true);
    band.setThickness(sheet);
    strips.append(band);
    RibModifierCoveringAdvanced().apply(rib, 2, 8.0f, teDepth, CoveringDefinition(), strips, wingRootChord, table);
    if (sparAt > 0.0f) {
        const SparDefinition spar("main", SparType::Square, 1, 3, sparAt, sparAt, true, false);
        RibModifierSquareSpar().apply(rib, 2, spar, 45.0f, ribAt(table, 1), ribAt(table, 3), rib, 0.0f,
                                      wingRootChord, false, 0.0f, true);
    }
    RibList::finishRib(rib, wingRootChord);
    QVERIFY(!rib.consumedBySheets());
    QCOMPARE(rib.getCoveringPolygons().size(), size_t(2));
    int leaning = 0;
    for (const IdentifiableObject* polygon : rib.getCoveringPolygons()) {
        const auto& c = polygon->getPoints();
        const size_t rear = c[0]->getX() > c[c.size() / 2 - 1]->getX() ? 0 : c.size() / 2 - 1;
        leaning += c[rear]->getX() < c[c.size() - 1 - rear]->getX() ? 1 : 0;
        // Along every normal, not only the last: a sheet thicker than the
        // rib is deep may reach behind the last one below it.
        for (size_t k = 0; k < c.size() / 2; ++k) {
            const Vertex& outer = *c[k];
            const Vertex& inner = *c[c.size() - 1 - k];
            const double f = 0.25 / (double(outer.distanceXY(inner)) * wingRootChord);
            const double wood = depthInside(inner.getX() + (outer.getX() - inner.getX()) * f,
                                            inner.getY() + (outer.getY() - inner.getY()) * f, rib.getRibCoords())
                                * wingRootChord;
            QVERIFY2(wood <= 0.01, qPrintable(QStringLiteral("wood %1 mm deep in the sheet").arg(wood)));
        }
    }
    QCOMPARE(leaning, leaningBack);
}

void TestSheetedEnds::noseEndsThickBetweenRootAndTip_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("root");
    QTest::addColumn<float>("rootChord");
    QTest::addColumn<float>("tipChord");
    QTest::addColumn<float>("tipShare");
    QTest::addColumn<float>("sheet");
    QTest::addColumn<float>("bandTo");
    // A third of the way from a thick root to a thin tip, the lower sheet's
    // inner face dips a few thousandths of a millimetre behind where the rib
    // is 0.5 mm thick, which is not a slot's wall.
    QTest::newRow("past a dip in the sheet's face") << "as6091.dat" << "fx63143.dat" << 100.0f << 45.0f
                                                   << 120.0f / 362.0f << 2.5f << 22.0f;
    // Round a tight nose the offset of a thin lower sheet folds back into
    // the rib in a small hook, well behind where the rib is 0.5 mm thick:
    // no fold at the new face.
    QTest::newRow("ahead of a hook in the sheet's face") << "naca0007.dat" << "usa26.dat" << 200.0f << 100.0f
                                                        << 240.0f / 362.0f << 1.0f << 22.0f;
    // Nearer the tip the hook lies less than 0.5 mm behind where the rib is
    // 0.5 mm thick: the face takes the tooth between it and the hook off
    // with the nose.
    QTest::newRow("just ahead of a hook in the sheet's face") << "naca0007.dat" << "usa26.dat" << 200.0f << 100.0f
                                                             << 360.0f / 362.0f << 1.0f << 22.0f;
    // Ahead of where the rib is 0.5 mm thick, the lower sheet's inner face
    // turns back into the rib by a few hundredths: the face takes that hook
    // off with the nose.
    QTest::newRow("behind a hook in the sheet's face") << "naca0007.dat" << "usa26.dat" << 100.0f << 45.0f
                                                      << 120.0f / 362.0f << 1.0f << 22.0f;
    // Sheets over the whole chord leave the rib thin from its nose to 0.5 mm
    // thick and thin again all the way to its trailing edge: that is the
    // tail's taper, no neck, and the nose still ends where it is thick.
    QTest::newRow("thin again up to the trailing edge") << "BE5030FVNC2t.dat" << "as6091.dat" << 100.0f << 45.0f
                                                        << 240.0f / 362.0f << 1.0f << 100.0f;
}

// Sheets on both sides from the nose of a rib along a panel: the nose ends
// where it is 0.5 mm thick.
void TestSheetedEnds::noseEndsThickBetweenRootAndTip()
{
    QFETCH(QString, section);
    QFETCH(QString, root);
    QFETCH(float, rootChord);
    QFETCH(float, tipChord);
    QFETCH(float, tipShare);
    QFETCH(float, sheet);
    QFETCH(float, bandTo);
    RibListTableModel table;
    const float chord = rootChord + (tipChord - rootChord) * tipShare;
    makePanel(table, chord);
    RibDefinition& rib = ribAt(table, 2);
    QVERIFY(shapeRibAsPublicSection(rib, chord, qPrintable(section), qPrintable(root), tipShare));
    SheetingStripList strips;
    SheetingStripDefinition band = strip(bandTo, 0.0f, true, true);
    band.setThickness(sheet);
    strips.append(band);
    RibModifierCoveringAdvanced().apply(rib, 2, 0, 0, CoveringDefinition(), strips, wingRootChord, table);
    RibList::finishRib(rib, wingRootChord);
    QVERIFY(!rib.consumedBySheets());
    const std::vector<Vector3D*>& outline = rib.getRibCoords();
    const float front = thicknessBehindFront(outline) * wingRootChord;
    QVERIFY2(front > 0.45f, qPrintable(QString::number(front)));
    // Nor does a tooth stand behind the face, where a fold of a sheet's
    // inner face lay near it: each station up to 0.5 mm behind the front
    // crosses the outline twice.
    const auto foremost = std::min_element(outline.begin(), outline.end(),
                                           [](const Vector3D* a, const Vector3D* b) { return a->getX() < b->getX(); });
    for (const float behind : {0.1f, 0.2f, 0.3f, 0.4f}) {
        const float at = (*foremost)->getX() + behind / wingRootChord;
        int crossings = 0;
        for (size_t i = 0; i < outline.size(); ++i) {
            crossings += (outline[i]->getX() < at) != (outline[(i + 1) % outline.size()]->getX() < at);
        }
        QCOMPARE(crossings, 2);
    }
}

void TestSheetedEnds::partedRibKeepsEveryPiece_data()
{
    QTest::addColumn<QString>("section");
    QTest::addColumn<float>("chord");
    QTest::addColumn<float>("bandFrom");
    QTest::addColumn<float>("bandTo");
    QTest::addColumn<float>("sheet");
    // Sides sheeted: 1 upper, 2 lower, 3 both.
    QTest::addColumn<int>("sides");
    // A square spar's slot (percent; 0 for none) on the top (1), the bottom
    // (2) or both (3).
    QTest::addColumn<float>("slotAt");
    QTest::addColumn<int>("slotSides");
    // A leading-edge piece's depth in mm (0 for none).
    QTest::addColumn<float>("leDepth");
    // Whether the slot parts the rib, rather than the sheets.
    QTest::addColumn<bool>("bySlot");
    // A mid-chord band thicker than the thin tip there: the sheets meet and
    // part the rib; the bare wood behind the band is a piece of its own.
    QTest::newRow("sheets meeting mid-chord")
        << "mid010.dat" << 100.0f << 35.0f << 60.0f << 2.5f << 3 << 0.0f << 0 << 0.0f << false;
    // Thinner sheets come within 0.3 mm there and part again: a pinch.
    QTest::newRow("sheets pinching mid-chord")
        << "mid010.dat" << 100.0f << 35.0f << 60.0f << 1.0f << 3 << 0.0f << 0 << 0.0f << false;
    // A bottom slot whose floor comes onto the inner face of a sheet over
    // the whole upper side.
    QTest::newRow("bottom slot facing a full-chord sheet") << "e211.dat" << 78.3f << 0.0f << 100.0f << 1.0f << 1
                                                           << 80.0f << 2 << 0.0f << true;
    // The piece behind is thin on average, running out into the section's
    // own thin tail, but holds over a millimetre of wood for a long way.
    QTest::newRow("top slot facing a full-chord sheet, thin tail behind")
        << "as6096.dat" << 133.7f << 0.0f << 100.0f << 1.0f << 2 << 45.0f << 1 << 0.0f << true;
    QTest::newRow("sheets pinching mid-chord, thin tail behind")
        << "mid010.dat" << 45.0f << 35.0f << 60.0f << 1.0f << 3 << 0.0f << 0 << 0.0f << false;
    // On a thicker tip the sheets cross each other all along the band: the
    // bare wood behind it lies beyond the loop they make.
    QTest::newRow("sheets crossing along a mid-chord band") << "mid020.dat" << 100.0f << 35.0f << 60.0f << 2.5f
                                                            << 3 << 0.0f << 0 << 0.0f << false;
    // A one-sided sheet over the slots at 25 % leaves the nose between the
    // leading-edge piece and the slots a nub over 1 mm tall, shorter than
    // 1 mm along the chord, on a neck thinner than 0.5 mm: kept as a piece.
    QTest::newRow("nub between a leading-edge piece and the slots")
        << "BE5030FVNC2t.dat" << 44.0f << 0.0f << 22.0f << 1.0f << 1 << 25.0f << 3 << 8.0f << false;
}

// Where the sheets or a slot part a rib, every piece with wood is kept, as
// a simple outline of its own, and the rib tells what parted it.
void TestSheetedEnds::partedRibKeepsEveryPiece()
{
    QFETCH(QString, section);
    QFETCH(float, chord);
    QFETCH(float, bandFrom);
    QFETCH(float, bandTo);
    QFETCH(float, sheet);
    QFETCH(int, sides);
    QFETCH(float, slotAt);
    QFETCH(int, slotSides);
    QFETCH(float, leDepth);
    QFETCH(bool, bySlot);
    RibListTableModel table;
    makePanel(table, chord);
    RibDefinition& rib = ribAt(table, 2);
    QVERIFY(shapeRibAsPublicSection(rib, chord, qPrintable(section)));
    if (leDepth > 0.0f)
        RibModifierStandardLE().apply(rib, LEData(1, leDepth), wingRootChord);
    SheetingStripList strips;
    SheetingStripDefinition band = strip(bandTo - bandFrom, bandFrom, true, true);
    band.setThickness(sheet);
    band.setUpper(sides & 1);
    band.setLower(sides & 2);
    strips.append(band);
    RibModifierCoveringAdvanced().apply(rib, 2, leDepth, 0.0f, CoveringDefinition(), strips, wingRootChord, table);
    if (slotAt > 0.0f) {
        SparDefinition spar("main", SparType::Square, 1, 3, slotAt, slotAt, true, false);
        spar.setSquareSparTop(slotSides & 1);
        spar.setSquareSparBottom(slotSides & 2);
        RibModifierSquareSpar().apply(rib, 2, spar, chord, ribAt(table, 1), ribAt(table, 3), rib, 0.0f,
                                      wingRootChord, false, 0.0f, true);
    }
    RibList::finishRib(rib, wingRootChord);
    QVERIFY(!rib.consumedBySheets());
    QCOMPARE(int(rib.getFurtherPieces().size()), 1);
    QCOMPARE(rib.partedBySheets(), !bySlot);
    QCOMPARE(rib.partingSlotId() != 0, bySlot);
    QVERIFY(!rib.outlineCrossed());
    // The two pieces lie one behind the other and reach from the nose (or
    // the leading-edge piece) to the trailing edge between them. A nub the
    // sheets part at a slot's wall reaches under the rest: there, neither
    // holds a point of the other.
    std::vector<const std::vector<Vector3D*>*> pieces{&rib.getRibCoords(), &rib.getFurtherPieces().front()};
    std::sort(pieces.begin(), pieces.end(), [](auto a, auto b) { return minX(*a) < minX(*b); });
    float front = -FLT_MAX;
    float back = -FLT_MAX;
    for (const Vector3D* p : *pieces[0])
        front = std::max(front, p->getX());
    for (const Vector3D* p : *pieces[1])
        back = std::max(back, p->getX());
    if (leDepth == 0.0f)
        QVERIFY(front < minX(*pieces[1]));
    // Inside the outline by more than a hair: the cut both pieces share
    // lies on both.
    const auto holds = [](const std::vector<Vector3D*>& outline, const Vector3D& q) {
        bool in = false;
        double nearest = DBL_MAX;
        for (size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
            const Vector3D& a = *outline[i];
            const Vector3D& b = *outline[j];
            if ((a.getY() > q.getY()) != (b.getY() > q.getY())
                && q.getX() < a.getX() + (q.getY() - a.getY()) * (b.getX() - a.getX()) / (b.getY() - a.getY()))
                in = !in;
            const double dx = double(b.getX()) - a.getX();
            const double dy = double(b.getY()) - a.getY();
            const double along = dx * dx + dy * dy > 0.0
                                     ? std::clamp(((q.getX() - a.getX()) * dx + (q.getY() - a.getY()) * dy)
                                                      / (dx * dx + dy * dy), 0.0, 1.0)
                                     : 0.0;
            nearest = std::min(nearest, std::hypot(a.getX() + along * dx - q.getX(), a.getY() + along * dy - q.getY()));
        }
        return in && nearest * wingRootChord > 0.01;
    };
    for (int k : {0, 1})
        for (const Vector3D* p : *pieces[size_t(k)])
            QVERIFY(!holds(*pieces[size_t(1 - k)], *p));
    QVERIFY2(minX(*pieces[0]) * wingRootChord < leDepth + 1.0f,
             qPrintable(QString::number(minX(*pieces[0]) * wingRootChord)));
    QVERIFY2(back * wingRootChord > chord - 1.0f, qPrintable(QString::number(back * wingRootChord)));
    for (const auto* piece : pieces) {
        QVERIFY(!crossesItself(*piece, FLT_MAX));
        // Wood on average 0.5 mm across, or more; or, running out into a
        // thin tail, 1 mm across and more at its thickest.
        double area = 0.0;
        double way = 0.0;
        for (size_t i = 0; i < piece->size(); ++i) {
            const Vector3D& a = *(*piece)[i];
            const Vector3D& b = *(*piece)[(i + 1) % piece->size()];
            area += double(a.getX()) * b.getY() - double(b.getX()) * a.getY();
            way += a.distanceXY(b);
        }
        double thickest = 0.0;
        for (float x = minX(*piece) + 0.05f / wingRootChord; x < 1.0f; x += 0.1f / wingRootChord) {
            float low = FLT_MAX;
            float high = -FLT_MAX;
            for (size_t i = 0; i < piece->size(); ++i) {
                const Vector3D& a = *(*piece)[i];
                const Vector3D& b = *(*piece)[(i + 1) % piece->size()];
                if ((a.getX() < x) != (b.getX() < x)) {
                    const float y = a.getY() + (x - a.getX()) * (b.getY() - a.getY()) / (b.getX() - a.getX());
                    low = std::min(low, y);
                    high = std::max(high, y);
                }
            }
            thickest = std::max(thickest, double(high - low) * wingRootChord);
        }
        QVERIFY2(std::fabs(area) * wingRootChord >= 0.5 * way || thickest >= 1.0,
                 qPrintable(QStringLiteral("%1 mm at the thickest").arg(thickest)));
    }
    // A copy of the rib's geometry carries the pieces along.
    RibDefinition copy(rib);
    copy.copyGeometryFrom(rib);
    QCOMPARE(int(copy.getFurtherPieces().size()), 1);
}

QTEST_MAIN(TestSheetedEnds)
#include "tst_sheetedends.moc"
