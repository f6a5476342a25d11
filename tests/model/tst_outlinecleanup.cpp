#include <QtTest>

#include <cmath>
#include <vector>

#include "foundation/Polygon3D.h"
#include "foundation/Vector3D.h"
#include "model/RibDefinition.h"
#include "model/RibParting.h"
#include "model/finishing/OutlineCleanup.h"
#include "model/finishing/RibFinishing.h"
#include "model/finishing/SheetStartFace.h"
#include "model/finishing/OutlinePieces.h"
#include "model/RibList.h"
#include "model/RibListTableModel.h"
#include "CoveringPanel.h"
#include "SheetedRibMeasures.h"

using Outline = QVector<QPointF>;
Q_DECLARE_METATYPE(Outline)

namespace {

// A flat-sided rib 100 mm long and 10 mm thick, in mm (scale 1), with the
// given stretch of upper surface between the trailing edge and the nose.
Outline rib(const Outline& upper)
{
    Outline points{{100, 5}, {80, 5}};
    points += upper;
    points += Outline{{20, 5}, {0, 5}, {0, -5}, {20, -5}, {50, -5}, {80, -5}, {100, -5}};
    return points;
}

OutlineCleanup::PointList toPoints(const Outline& outline)
{
    OutlineCleanup::PointList points;
    for (const QPointF& p : outline)
        points.push_back(new Vector3D(float(p.x()), float(p.y()), 0.0f));
    return points;
}

} // namespace

class TestOutlineCleanup : public QObject
{
    Q_OBJECT

private slots:
    void cleanUpMendsEachFaultInPlace_data();
    void cleanUpMendsEachFaultInPlace();
    void wedgeBehindBandStartGoes();
    void ribStartingWhereBothBandsEndLeavesTheirSheetsClear();
    void lastCheckMarksNarrowFeatureAtMovedFace();
    void lastLookCatchesOutlinesTouchingThemselves_data();
    void lastLookCatchesOutlinesTouchingThemselves();
};

void TestOutlineCleanup::cleanUpMendsEachFaultInPlace_data()
{
    QTest::addColumn<Outline>("outline");
    QTest::addColumn<Outline>("mended");
    // A ridge 0.4 mm wide goes flush with the surface it stands on; 0.6 mm
    // wide it stays.
    QTest::newRow("narrow step") << rib({{60, 5}, {60, 6}, {59.6, 6}, {59.6, 5}, {40, 5}})
                                 << rib({{60, 5}, {60, 5}, {59.6, 5}, {59.6, 5}, {40, 5}});
    // Both surfaces sunk through a thin nose: the rib ends where they meet.
    QTest::newRow("loop") << Outline{{100, 2}, {50, 2}, {10, 1}, {5, 0.2}, {3, -0.4}, {1, -0.6},
                                     {1, 0.6}, {3, 0.4}, {5, -0.2}, {10, -1}, {50, -2}, {100, -2}}
                          << Outline{{100, 2}, {50, 2}, {10, 1}, {5, 0.2}, {13.0 / 3, 0}, {13.0 / 3, 0},
                                     {13.0 / 3, 0}, {13.0 / 3, 0}, {5, -0.2}, {10, -1}, {50, -2}, {100, -2}};
    // The same, the lower surface touching the upper one a hair before it
    // crosses: the point that touches goes with the loop, or the outline
    // would cross itself by the hair it stood off.
    QTest::newRow("loop met where the surfaces touch")
        << Outline{{100, 2}, {50, 2}, {10, 1}, {5, 0.2}, {3, -0.4}, {1, -0.6}, {1, 0.6}, {3, 0.4}, {4, -0.0992},
                   {5, -0.2}, {10, -1}, {50, -2}, {100, -2}}
        << Outline{{100, 2}, {50, 2}, {10, 1}, {5, 0.2}, {4.00011, -0.09957}, {4.00011, -0.09957},
                   {4.00011, -0.09957}, {4.00011, -0.09957}, {4.00011, -0.09957}, {5, -0.2}, {10, -1}, {50, -2},
                   {100, -2}};
    // Both surfaces clipped onto the same points of a thin tail: the rib
    // ends where they part.
    QTest::newRow("doubled points") << Outline{{100, 0}, {90, 0.1}, {80, 0.3}, {70, 1}, {40, 2}, {0, 0},
                                               {40, -2}, {70, -1}, {80, 0.3}, {90, 0.1}, {100, 0}}
                                    << Outline{{80, 0.3}, {80, 0.3}, {80, 0.3}, {70, 1}, {40, 2}, {0, 0},
                                               {40, -2}, {70, -1}, {80, 0.3}, {80, 0.3}, {80, 0.3}};
    // The same, the surfaces lying 0.0005 mm apart at points of their own:
    // they touch without crossing.
    QTest::newRow("surfaces touching along a tail")
        << Outline{{100, 0}, {90, 0}, {80, 0}, {70, 1}, {40, 2}, {0, 0}, {40, -2}, {70, -1}, {75, -0.0005},
                   {85, -0.0005}, {95, -0.0005}}
        << Outline{{80, -0.00025}, {80, -0.00025}, {80, -0.00025}, {70, 1}, {40, 2}, {0, 0}, {40, -2}, {70, -1},
                   {75, -0.0005}, {80, -0.00025}, {80, -0.00025}};
    // A sheet on the upper side only, sunk through a thin nose below the
    // bare lower surface, the nose point moved back by the sheet: what lies
    // ahead of where the sheet's inner face meets the lower surface is all
    // sheet, though not all of it is turned inside out.
    QTest::newRow("nose sheeted on one side")
        << Outline{{100, 3}, {50, 3}, {10, 0}, {4, -1.6}, {2, -1.9}, {3, 1}, {0, 1}, {0.2, -0.8}, {2, -1.3},
                   {4, -1.5}, {10, -2}, {50, -3}, {100, -3}}
        << Outline{{100, 3}, {50, 3}, {10, 0}, {30.0 / 7, -32.0 / 21}, {30.0 / 7, -32.0 / 21},
                   {30.0 / 7, -32.0 / 21}, {30.0 / 7, -32.0 / 21}, {30.0 / 7, -32.0 / 21}, {30.0 / 7, -32.0 / 21},
                   {30.0 / 7, -32.0 / 21}, {10, -2}, {50, -3}, {100, -3}};
    // A sheet's end left standing 1.5 mm up the face of the nose piece.
    QTest::newRow("stub") << Outline{{100, 3.5}, {50, 3.5}, {8, 3.5}, {7.95, 5}, {8, -5}, {50, -5}, {100, -5}}
                          << Outline{{100, 3.5}, {50, 3.5}, {8, 3.5}, {8, 3.5}, {8, -5}, {50, -5}, {100, -5}};
    // Both sheets sunk through a thin tail up to the face of the trailing
    // edge piece, the upper one's end left standing up the face: the rib
    // ends where it is 0.15 mm thin.
    QTest::newRow("stub beyond the meeting point")
        << Outline{{100, 3.6}, {99.8, 1.5}, {95, 1.45}, {90, 2.5}, {50, 5}, {0, 0}, {50, -3}, {90, 0.5},
                   {95, 1.3}, {99.9, 1.55}, {100, 1.2}}
        << Outline{{95, 1.45}, {95, 1.45}, {95, 1.45}, {90, 2.5}, {50, 5}, {0, 0}, {50, -3}, {90, 0.5},
                   {95, 1.3}, {95, 1.45}, {95, 1.45}};
    // A thin section's own trailing edge, 0.04 mm thick 1.5 mm ahead of its
    // sharp end, is no stub: the rib keeps it.
    QTest::newRow("sharp thin trailing edge")
        << Outline{{100, 0}, {98.5, 0.38}, {50, 3}, {0, 0}, {50, -2}, {98.5, 0.34}, {100, 0}}
        << Outline{{100, 0}, {98.5, 0.38}, {50, 3}, {0, 0}, {50, -2}, {98.5, 0.34}, {100, 0}};
    QTest::newRow("wide step") << rib({{60, 5}, {60, 6}, {59.4, 6}, {59.4, 5}, {40, 5}})
                               << rib({{60, 5}, {60, 6}, {59.4, 6}, {59.4, 5}, {40, 5}});
    // A tongue 0.3 mm wide left between two slots 2 mm deep is taken off at
    // its root; 0.6 mm wide it stays.
    QTest::newRow("narrow tongue between slots")
        << rib({{62, 5}, {62, 3}, {58.3, 3}, {58.3, 5}, {58, 5}, {58, 3}, {55, 3}, {55, 5}, {40, 5}})
        << rib({{62, 5}, {62, 3}, {58.3, 3}, {58.3, 3}, {58, 3}, {58, 3}, {55, 3}, {55, 5}, {40, 5}});
    // A tongue 0.15 mm wide between a slot 2 mm deep and a cut 5 mm deep
    // beside it (a comb's slot): its root corners lie 3 mm apart. It goes
    // down to the shallow slot's floor, cut across to the deep cut's wall.
    QTest::newRow("narrow tongue beside a deeper cut")
        << rib({{62, 5}, {62, 3}, {58.3, 3}, {58.3, 5}, {58.15, 5}, {58.15, 0}, {55, 0}, {55, 5}, {40, 5}})
        << rib({{62, 5}, {62, 3}, {58.3, 3}, {58.15, 3}, {58.15, 3}, {58.15, 0}, {55, 0}, {55, 5}, {40, 5}});
    QTest::newRow("narrow tongue between slots of two depths")
        << rib({{62, 5}, {62, 3}, {58.3, 3}, {58.3, 5}, {58, 5}, {58, 2}, {55, 2}, {55, 5}, {40, 5}})
        << rib({{62, 5}, {62, 3}, {58.3, 3}, {58.3, 3}, {58.3, 3}, {58, 2}, {55, 2}, {55, 5}, {40, 5}});
    // Its walls leaning unlike (slots cut along a curved surface's normals),
    // the tongue goes down along the shallower slot's wall and stops on the
    // deeper one's, not past it into that slot.
    QTest::newRow("narrow tongue between slots with leaning walls")
        << rib({{62, 5}, {62.1, 3}, {58.4, 3}, {58.3, 5}, {58, 5}, {58.3, 2.2}, {55.3, 2.2}, {55, 5}, {40, 5}})
        << rib({{62, 5}, {62.1, 3}, {58.4, 3}, {58.4, 3}, {58 + 0.3 * 2 / 2.8, 3}, {58.3, 2.2}, {55.3, 2.2}, {55, 5},
                {40, 5}});
    // A notch 0.4 mm wide and 1.5 mm deep may hold a tilted spar's corner.
    QTest::newRow("deep narrow notch")
        << rib({{62, 5}, {62, 3}, {58.4, 3}, {58.4, 1.5}, {58, 1.5}, {58, 5}, {40, 5}})
        << rib({{62, 5}, {62, 3}, {58.4, 3}, {58.4, 1.5}, {58, 1.5}, {58, 5}, {40, 5}});
    // Less than 0.5 mm deep, it is a jag, and goes.
    QTest::newRow("shallow narrow notch")
        << rib({{62, 5}, {62, 3}, {58.4, 3}, {58.3, 2.6}, {58.2, 3}, {55, 3}, {55, 5}, {40, 5}})
        << rib({{62, 5}, {62, 3}, {58.4, 3}, {58.3, 3}, {58.2, 3}, {55, 3}, {55, 5}, {40, 5}});
    // What stands out 5 mm or more is cut across where it is 0.5 mm thick:
    // this one is thinner than that from its root on.
    QTest::newRow("narrow tongue 6 mm tall")
        << rib({{62, 5}, {62, -1}, {58.3, -1}, {58.3, 5}, {58, 5}, {58, -2}, {55, -2}, {55, 5}, {40, 5}})
        << rib({{62, 5}, {62, -1}, {58.3, -1}, {58.3, -1}, {58, -1.35403}, {58, -2}, {55, -2}, {55, 5}, {40, 5}});
    // A rib's nose thinned to a wedge between the ends of two sheets stands
    // out 8 mm from the faces where they end, 0.9 mm thick at its root; it
    // is cut across where it is 0.5 mm thick.
    QTest::newRow("wedge between the ends of two sheets")
        << Outline{{100, 5}, {60, 5}, {20, 4}, {20, 0.45}, {18, 0.3375}, {16, 0.225}, {14, 0.1125}, {12, 0},
                   {14, -0.1125}, {16, -0.225}, {18, -0.3375}, {20, -0.45}, {20, -4}, {60, -5}, {100, -5}}
        << Outline{{100, 5}, {60, 5}, {20, 4}, {20, 0.45}, {18, 0.3375}, {148.0 / 9, 0.25}, {148.0 / 9, 0.25},
                   {148.0 / 9, 0.25}, {148.0 / 9, -0.25}, {148.0 / 9, -0.25}, {18, -0.3375}, {20, -0.45}, {20, -4},
                   {60, -5}, {100, -5}};
    // Sheets of both sides from a band's start at 60 mm cross 10 mm behind
    // it, turning the rib's rear inside out: the rib ends where they meet,
    // and is cut back to where it is 0.5 mm thick, across the way from its
    // root to that point.
    QTest::newRow("thin end where the sheets meet behind a band's start")
        << Outline{{100, -1}, {85, -0.25}, {75, 0.25}, {65, 0.75}, {60, 1}, {60, 2}, {30, 3}, {0, 0}, {30, -2.5},
                   {60, -0.8}, {60, 0.2}, {65, 0.35}, {75, 0.65}, {85, 0.95}, {100, 1.4}}
        << Outline{{63.767483, 0.313024}, {63.767483, 0.313024}, {63.767483, 0.313024}, {63.747498, 0.812625},
                   {60, 1}, {60, 2}, {30, 3}, {0, 0}, {30, -2.5}, {60, -0.8}, {60, 0.2}, {63.767483, 0.313024},
                   {63.767483, 0.313024}, {63.767483, 0.313024}, {63.767483, 0.313024}};
    // Sheets of both sides from a band's start at 60 mm cross at once, the
    // upper one's start face leaning back 0.07 mm: the rib ends on the two
    // faces, and the lip of the step where they meet, which would read with
    // a slot floor ahead as a narrow wall, is bevelled off the lower face.
    QTest::newRow("step where the sheets' start faces meet")
        << Outline{{100, -1.5}, {80, -0.75}, {59.93, 0}, {60, 1}, {40, 1}, {0, 1}, {0, -1}, {40, -1}, {60, -1},
                   {60, 0}, {80, 0.75}, {100, 1.5}}
        << Outline{{60, -0.107689}, {60, -0.107689}, {59.93, 0}, {60, 1}, {40, 1}, {0, 1}, {0, -1}, {40, -1},
                   {60, -1}, {60, -0.107689}, {60, -0.107689}, {60, -0.107689}};
    // The same step on the end of a web between two slots, behind their rear
    // walls, as the floors' ends leave it 0.49 mm across: bevelled, the end
    // face would bend in at the lower face's top, a notch between corners
    // less than 0.5 mm apart. The lower face runs straight on to the upper
    // floor instead.
    QTest::newRow("step where the sheets' start faces meet on a web's end")
        << Outline{{100, -1.5}, {80, -0.75}, {60.1, 0}, {60.1, 0.24}, {56, 0.527}, {56, 2}, {0, 2}, {0, -2}, {56, -2},
                   {56, -0.52}, {60, -0.24}, {60, 0}, {80, 0.75}, {100, 1.5}}
        << Outline{{60, 0.247}, {60, 0.247}, {60, 0.247}, {60, 0.247}, {56, 0.527}, {56, 2}, {0, 2}, {0, -2}, {56, -2},
                   {56, -0.52}, {60, -0.24}, {60, 0}, {60, 0.247}, {60, 0.247}};
    // A sheet's inner face 0.3 mm above the floor of a slot from the other
    // side leaves the nose joined by a tongue: the rib ends at the sheet's
    // end, across to the slot floor.
    QTest::newRow("small nose beyond a tongue over a slot")
        << Outline{{100, 2}, {60, 2}, {30, 2}, {30, 1}, {26, 1}, {26, 0.3}, {20, 0.3}, {20, -2}, {22, -2}, {22, 0},
                   {30, 0}, {30, -2}, {60, -2}, {100, -2}}
        << Outline{{100, 2}, {60, 2}, {30, 2}, {30, 1}, {26, 1}, {26, 0.3}, {26, 0.3}, {26, 0}, {26, 0}, {26, 0},
                   {30, 0}, {30, -2}, {60, -2}, {100, -2}};
    QTest::newRow("wide tongue between slots")
        << rib({{62, 5}, {62, 3}, {58.6, 3}, {58.6, 5}, {58, 5}, {58, 3}, {55, 3}, {55, 5}, {40, 5}})
        << rib({{62, 5}, {62, 3}, {58.6, 3}, {58.6, 5}, {58, 5}, {58, 3}, {55, 3}, {55, 5}, {40, 5}});
    // A jag of a sheet's inner face down a thin nose goes onto the line
    // between the corners it stands out of; the wall below bends, and stays.
    QTest::newRow("jagged nose wall")
        << Outline{{100, 2}, {50, 2}, {4, 1.2}, {3, 1.2}, {2.4, 1.0}, {2.5, 0.9}, {2.35, 0.8}, {2.45, 0.7},
                   {2.5, 0.4}, {2.5, 0}, {50, -2}, {100, -2}}
        << Outline{{100, 2}, {50, 2}, {4, 1.2}, {3, 1.2}, {2.4, 1.0}, {2.4 - 0.3 / 17, 1 - 1.2 / 17}, {2.35, 0.8},
                   {2.45, 0.7}, {2.5, 0.4}, {2.5, 0}, {50, -2}, {100, -2}};
    // Two slots from either side leave the rib's front joined by 0.3 mm: the
    // front is no tongue, and stays.
    QTest::newRow("neck between slots from either side")
        << Outline{{100, 5}, {60, 5}, {60, 0.15}, {57, 0.15}, {57, 5}, {0, 5}, {0, -5}, {57, -5},
                   {57, -0.15}, {60, -0.15}, {60, -5}, {100, -5}}
        << Outline{{100, 5}, {60, 5}, {60, 0.15}, {57, 0.15}, {57, 5}, {0, 5}, {0, -5}, {57, -5},
                   {57, -0.15}, {60, -0.15}, {60, -5}, {100, -5}};
}

void TestOutlineCleanup::cleanUpMendsEachFaultInPlace()
{
    QFETCH(Outline, outline);
    QFETCH(Outline, mended);
    OutlineCleanup::PointList points = toPoints(outline);
    const OutlineCleanup::PointList camberLine;
    OutlineCleanup(points, camberLine, 1.0f, true).cleanOutline();
    QCOMPARE(int(points.size()), mended.size());
    for (int i = 0; i < mended.size(); ++i) {
        const Vector3D& p = *points[size_t(i)];
        QVERIFY2(std::hypot(p.getX() - mended[i].x(), p.getY() - mended[i].y()) < 1e-4,
                 qPrintable(QStringLiteral("point %1 at (%2, %3), expected (%4, %5)")
                                .arg(i)
                                .arg(p.getX())
                                .arg(p.getY())
                                .arg(mended[i].x())
                                .arg(mended[i].y())));
    }
    Vector3D::clearList(points);
}

// Sheets of both sides start a band on a thin rib 0.45 mm apart and meet
// 5 mm behind: the wedge between their inner faces goes, and the rib ends at
// the sheets' ends, its front untouched.
void TestOutlineCleanup::wedgeBehindBandStartGoes()
{
    const Outline outline{{21, 2.2},  {19, 2.2},    {17, 2.2},     {15.75, 2.2}, {15.75, 3.2}, {10, 3.5}, {8, 3.2},
                          {8, 0.7},   {10, 0.6},    {15.75, 0.7},  {15.75, 1.75}, {17, 1.9}, {19, 2.05}, {21, 2.2}};
    OutlineCleanup::PointList points = toPoints(outline);
    // The sheets sank the points from the sheets' ends back.
    for (const int k : {0, 1, 2, 3, 10, 11, 12, 13})
        points[size_t(k)]->setAux(0.0f, k < 5 ? -1.0f : 1.0f);
    const OutlineCleanup::PointList camberLine;
    OutlineCleanup(points, camberLine, 1.0f, true).cleanOutline();
    QCOMPARE(int(points.size()), outline.size());
    for (int i = 0; i < outline.size(); ++i) {
        const Vector3D& p = *points[size_t(i)];
        const bool ahead = i >= 4 && i <= 9;
        QVERIFY2(p.getX() < 15.81f
                     && (!ahead || std::hypot(p.getX() - outline[i].x(), p.getY() - outline[i].y()) < 1e-6),
                 qPrintable(QStringLiteral("point %1 at (%2, %3)").arg(i).arg(p.getX()).arg(p.getY())));
    }
    Vector3D::clearList(points);
}

// The sheets of both sides leave no rib along their bands: the rib starts
// where they end, and the upper band's last normal leans back 0.05 mm. The
// face must run down that normal, not straight across at the band's end.
void TestOutlineCleanup::ribStartingWhereBothBandsEndLeavesTheirSheetsClear()
{
    OutlineCleanup::PointList points =
        toPoints({{50, 1.5}, {30, 2}, {10, 2.5}, {9.95, 1.2}, {10, 0}, {30, 0.2}, {50, 1}});
    std::vector<IdentifiableObject*> bands;
    for (const Outline& band : {Outline{{10, 2.5}, {5, 2.3}, {5.05, 0.1}, {10.05, 0.3}},
                                Outline{{5, -0.1}, {10, 0}, {9.95, 2.2}, {4.95, 2.1}}}) {
        std::vector<Vertex*> corners;
        for (const QPointF& p : band)
            corners.push_back(new Vertex(float(p.x()), float(p.y()), 0.0f));
        bands.push_back(new Polygon3D(corners));
    }
    QVERIFY(SheetStartFace::clearLastNormal(points, bands, 1.0f));
    // 0.25 mm short of the normal's inner end lies sheet, not wood.
    const QPointF q(10.05 - 0.05 * 0.25 / 2.2006, 0.3 + 2.2 * 0.25 / 2.2006);
    bool inside = false;
    double nearest = 1e9;
    for (size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
        const QPointF u(points[i]->getX(), points[i]->getY());
        const QPointF d = QPointF(points[j]->getX(), points[j]->getY()) - u;
        if ((u.x() <= q.x()) != (u.x() + d.x() <= q.x()) && u.y() + (q.x() - u.x()) * d.y() / d.x() > q.y())
            inside = !inside;
        const double t =
            std::clamp(QPointF::dotProduct(q - u, d) / std::max(1e-12, QPointF::dotProduct(d, d)), 0.0, 1.0);
        nearest = std::min(nearest, std::hypot(u.x() + t * d.x() - q.x(), u.y() + t * d.y() - q.y()));
    }
    QVERIFY2(!inside || nearest < 0.01, qPrintable(QStringLiteral("wood %1 mm deep in the sheet").arg(nearest)));
    Vector3D::clearList(points);
    qDeleteAll(bands);
}

// A pass after the cleanup (a sheeted rib's start face or nose) moves the
// rib's front end and leaves a tongue 0.3 mm wide just behind it: the last
// check finds it and marks the rib. Where nothing moved the front end, or
// the tongue stands far behind it, the cleanup took it off if it was there
// to take, and it is not looked for again.
void TestOutlineCleanup::lastCheckMarksNarrowFeatureAtMovedFace()
{
    const Outline twoSlots{{4, 5}, {4, 3}, {1.3, 3}, {1.3, 5}, {1, 5}, {1, 3}, {0.5, 3}, {0.5, 5}};
    Outline atFront{{100, 5}, {80, 5}, {20, 5}};
    atFront += twoSlots;
    atFront += Outline{{0, 5}, {0, -5}, {20, -5}, {50, -5}, {80, -5}, {100, -5}};
    Outline behind = twoSlots;
    for (QPointF& p : behind)
        p.rx() += 54.0;
    using Fault = RibDefinition::OutlineFault;
    for (const bool front : {true, false}) {
        RibDefinition finished(0.0f, 2.0f);
        OutlineCleanup::PointList points = toPoints(front ? atFront : rib(behind));
        finished.setCoords(points, 0);
        const int count = int(points.size());
        Vector3D::clearList(points);
        QCOMPARE(RibFinishing::lastCheck(finished, 1.0f, true), front ? Fault::NarrowFeature : Fault::None);
        QCOMPARE(RibFinishing::lastCheck(finished, 1.0f, false), Fault::None);
        // It marks, and leaves the outline as it is; a marked rib is told
        // wherever the rib is named.
        QCOMPARE(int(finished.getRibCoords().size()), count);
        finished.setOutlineFault(RibFinishing::lastCheck(finished, 1.0f, true));
        QCOMPARE(RibParting::told(finished), front);
        QCOMPARE(RibParting::rowNote(finished).contains(QLatin1String("narrower than 0.5 mm")), front);
    }
}

void TestOutlineCleanup::lastLookCatchesOutlinesTouchingThemselves_data()
{
    // The fault put into a finished bare rib of the test section (upper
    // points 0 to 99 from the trailing edge, lower 100 to 199 back to it).
    QTest::addColumn<QString>("fault");
    // What the rib comes out as: its further pieces, and whether it is told.
    QTest::addColumn<int>("pieces");
    QTest::addColumn<bool>("told");
    // The way on runs back along the way in: the point goes, nothing else.
    QTest::newRow("fold") << "fold" << 0 << false;
    // Both sides drawn to one point mid-chord: two pieces with wood.
    QTest::newRow("waist") << "waist" << 1 << true;
    // Upper and lower side swapped over a stretch: a loop turned inside
    // out that no parting mends, marked.
    QTest::newRow("turned inside out") << "turned" << 0 << true;
}

// The last look at a finished rib: no outline or piece is handed on that
// crosses or touches itself, unmended and untold.
void TestOutlineCleanup::lastLookCatchesOutlinesTouchingThemselves()
{
    QFETCH(QString, fault);
    QFETCH(int, pieces);
    QFETCH(bool, told);
    RibListTableModel table;
    makePanel(table, 200.0f);
    RibDefinition& rib = ribAt(table, 2);
    RibList::finishRib(rib, wingRootChord);
    QVERIFY(!OutlinePieces::crossesItself(rib.getRibCoords(), wingRootChord));
    std::vector<Vector3D*>& outline = rib.getRibCoords();
    // Shown to pass as it was, the outline is searched again once changed.
    OutlinePieces::Passed passed;
    passed.add(outline);
    QVERIFY(!OutlinePieces::crossesItself(outline, wingRootChord, nullptr, passed));
    const size_t n = outline.size();
    QCOMPARE(int(n), 2 * stations);
    if (fault == "fold") {
        const Vector3D& a = *outline[28];
        const Vector3D& b = *outline[29];
        outline[30]->set((a.getX() + b.getX()) / 2, (a.getY() + b.getY()) / 2, a.getZ());
    } else if (fault == "waist") {
        Vector3D& upper = *outline[50];
        Vector3D& lower = *outline[n - 1 - 50];
        const float y = (upper.getY() + lower.getY()) / 2;
        upper.setY(y);
        lower.setY(y);
    } else {
        for (size_t i = 40; i <= 60; ++i) {
            const float y = outline[i]->getY();
            outline[i]->setY(outline[n - 1 - i]->getY());
            outline[n - 1 - i]->setY(y);
        }
    }
    QVERIFY(OutlinePieces::crossesItself(outline, wingRootChord));
    QVERIFY(!passed.holds(outline) && OutlinePieces::crossesItself(outline, wingRootChord, nullptr, passed));
    std::vector<std::vector<Vector3D*>> further;
    const OutlinePieces::Check check = OutlinePieces::makeSimple(outline, further, wingRootChord);
    QCOMPARE(int(further.size()), pieces);
    QCOMPARE(check == OutlinePieces::Check::Crossed, fault == "turned");
    if (check != OutlinePieces::Check::Crossed) {
        QVERIFY(!OutlinePieces::crossesItself(outline, wingRootChord));
        for (const auto& piece : further)
            QVERIFY(!OutlinePieces::crossesItself(piece, wingRootChord)
                    && !crossesItself(piece, 0.95f * 200.0f / wingRootChord));
    }
    for (auto& piece : further)
        Vector3D::clearList(piece);
    // The same faults reach the end of the finishing as the cuts left them:
    // the rib is parted, or marked and told, never handed on silently.
    rib.clearGeometry();
    shapeRib(rib, 200.0f);
    std::vector<Vector3D*>& fresh = rib.getRibCoords();
    if (fault == "waist") {
        Vector3D& upper = *fresh[50];
        Vector3D& lower = *fresh[n - 1 - 50];
        const float y = (upper.getY() + lower.getY()) / 2;
        upper.setY(y);
        lower.setY(y);
        RibList::finishRib(rib, wingRootChord);
        QCOMPARE(int(rib.getFurtherPieces().size()), 1);
        QCOMPARE(RibParting::told(rib), told);
        QVERIFY(!rib.partedBySheets() && rib.partingSpar() == 0);
        QVERIFY(RibParting::rowNote(rib).contains(QStringLiteral("2 pieces")));
    }
}

QTEST_MAIN(TestOutlineCleanup)
#include "tst_outlinecleanup.moc"
