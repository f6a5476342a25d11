#include <QtTest>

#include <cmath>
#include <vector>

#include "foundation/Vector3D.h"
#include "model/OutlineCleanup.h"

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
};

void TestOutlineCleanup::cleanUpMendsEachFaultInPlace_data()
{
    QTest::addColumn<Outline>("outline");
    QTest::addColumn<Outline>("mended");
    // A ridge 0.4 mm wide goes flush with the surface it stands on; 0.6 mm
    // wide it stays.
    QTest::newRow("narrow step") << rib({{60, 5}, {60, 6}, {59.6, 6}, {59.6, 5}, {40, 5}})
                                 << rib({{60, 5}, {60, 5}, {59.6, 5}, {59.6, 5}, {40, 5}});
    QTest::newRow("wide step") << rib({{60, 5}, {60, 6}, {59.4, 6}, {59.4, 5}, {40, 5}})
                               << rib({{60, 5}, {60, 6}, {59.4, 6}, {59.4, 5}, {40, 5}});
}

void TestOutlineCleanup::cleanUpMendsEachFaultInPlace()
{
    QFETCH(Outline, outline);
    QFETCH(Outline, mended);
    OutlineCleanup::PointList points = toPoints(outline);
    const OutlineCleanup::PointList camberLine;
    OutlineCleanup(points, camberLine, 1.0f).cleanOutline();
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

QTEST_MAIN(TestOutlineCleanup)
#include "tst_outlinecleanup.moc"
