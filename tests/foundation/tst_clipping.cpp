#include <QtTest>
#include <cmath>
#include <stdexcept>

#include "common/TestSupport.h"
#include "foundation/Triangle2D.h"

namespace {
double area(const Polygon2D& p)
{
    // Shoelace formula over the outline.
    const auto& pts = p.getPoints();
    double twice = 0.0;
    for (auto it = pts.begin(); it != pts.end(); ++it) {
        auto next = std::next(it) == pts.end() ? pts.begin() : std::next(it);
        twice += double((*it)->getX()) * (*next)->getY() - double((*next)->getX()) * (*it)->getY();
    }
    return std::fabs(twice) / 2.0;
}

double totalArea(const std::list<Polygon2D*>& list)
{
    double sum = 0.0;
    for (const Polygon2D* p : list)
        sum += area(*p);
    return sum;
}

struct Owned {
    std::list<Polygon2D*> list;
    ~Owned() { Polygon2D::deletePolygons(list); }
};
}

class TestClipping : public QObject
{
    Q_OBJECT
private slots:
    void separateTrianglesKeepTheSource();
    void coveredSourceVanishes();
    void cutsCornerOutOfEdgeAndTriangulates();
    void clipAllReplacesChangedTriangles();
    void windingAndInsideTest_data();
    void windingAndInsideTest();
    void findPointByIdThrowsForUnknownId();
    void quadrilateralsAndTrianglesTriangulateDirectly();
    void twoInnerPointsFanOutFromEitherEnd();
    void completeCutterInsideIsReported();
};

void TestClipping::separateTrianglesKeepTheSource()
{
    const Triangle2D source(0, 0, 1, 0, 0, 1);
    const Triangle2D cutter(5, 5, 6, 5, 5, 6);
    Owned out;
    QVERIFY(!source.clip(cutter, out.list));
    QCOMPARE(out.list.size(), size_t(1));
    QVERIFY(out.list.front() != &source);
    QCOMPARE(out.list.front()->getPoints().size(), size_t(3));
    QVERIFY(*out.list.front()->getPoints().back() == Vertex(0, 1, 0));
}

void TestClipping::coveredSourceVanishes()
{
    const Triangle2D source(1, 1, 2, 1, 1, 2);
    const Triangle2D cutter(0, 0, 10, 0, 0, 10);
    Owned out;
    QVERIFY(source.clip(cutter, out.list));
    QVERIFY(out.list.empty());
}

void TestClipping::cutsCornerOutOfEdgeAndTriangulates()
{
    const Triangle2D source(0, 0, 10, 0, 0, 10);
    const Triangle2D cutter(3, 1, -2, -5, 8, -5);
    Owned out;
    QVERIFY(source.clip(cutter, out.list));
    QCOMPARE(out.list.size(), size_t(1));

    const Polygon2D& piece = *out.list.front();
    const float expected[6][2] = {{0, 0}, {13.0f / 6, 0}, {3, 1}, {23.0f / 6, 0}, {10, 0}, {0, 10}};
    QCOMPARE(piece.getPoints().size(), size_t(6));
    int i = 0;
    for (const Vertex* p : piece.getPoints()) {
        QVERIFY2(std::fabs(p->getX() - expected[i][0]) < 1e-4f && std::fabs(p->getY() - expected[i][1]) < 1e-4f,
                 qPrintable(QString("point %1").arg(i)));
        ++i;
    }
    // The cutter's corner inside the source is the one inner point.
    std::vector<Polygon2D::Position> positions;
    std::vector<int> inner;
    const_cast<Polygon2D&>(piece).collectPoints(positions, inner);
    QCOMPARE(positions.size(), size_t(6));
    QCOMPARE(inner, std::vector<int> {2});

    // The source less the cut-out notch: 50 - 5/6.
    const double remaining = 50.0 - 5.0 / 6.0;
    QVERIFY(std::fabs(area(piece) - remaining) < 1e-3);

    Owned triangles;
    Polygon2D::triangulateAll(out.list, triangles.list);
    QCOMPARE(triangles.list.size(), size_t(4));
    QVERIFY(std::fabs(totalArea(triangles.list) - remaining) < 1e-3);
    for (const Polygon2D* t : triangles.list)
        QCOMPARE(t->getPoints().size(), size_t(3));
    // The first two fan out from the inner point.
    QVERIFY(*triangles.list.front()->getPoints().front() == Vertex(3, 1, 0));
}

void TestClipping::clipAllReplacesChangedTriangles()
{
    Owned triangles;
    triangles.list.push_back(new Triangle2D(0, 0, 10, 0, 0, 10));
    triangles.list.push_back(new Triangle2D(50, 50, 51, 50, 50, 51));
    const Triangle2D cutter(3, 1, -2, -5, 8, -5);
    Owned out;
    QVERIFY(Polygon2D::clipAll(triangles.list, cutter, out.list, true));
    // The far triangle is untouched and copied; the cut one is removed.
    QCOMPARE(triangles.list.size(), size_t(1));
    QVERIFY(*triangles.list.front()->getPoints().front() == Vertex(50, 50, 0));
    QCOMPARE(out.list.size(), size_t(2));

    Owned kept;
    kept.list.push_back(new Triangle2D(0, 0, 10, 0, 0, 10));
    Owned out2;
    QVERIFY(Polygon2D::clipAll(kept.list, cutter, out2.list, false));
    QCOMPARE(kept.list.size(), size_t(1));
    QCOMPARE(out2.list.size(), size_t(1));
}

void TestClipping::windingAndInsideTest_data()
{
    QTest::addColumn<float>("px");
    QTest::addColumn<float>("py");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<bool>("insideClockwise");
    // A zero term counts as non-negative: the boundary belongs to a
    // counter-clockwise triangle only.
    QTest::newRow("interior") << 0.25f << 0.25f << true << true;
    QTest::newRow("on an edge") << 0.5f << 0.0f << true << false;
    QTest::newRow("on a corner") << 1.0f << 0.0f << true << false;
    QTest::newRow("outside") << 1.0f << 1.0f << false << false;
    QTest::newRow("beyond an edge") << 0.5f << -0.01f << false << false;
}

void TestClipping::windingAndInsideTest()
{
    QFETCH(float, px);
    QFETCH(float, py);
    QFETCH(bool, inside);
    QFETCH(bool, insideClockwise);
    const Triangle2D ccw(0, 0, 1, 0, 0, 1);
    const Triangle2D cw(0, 0, 0, 1, 1, 0);
    QVERIFY(!ccw.isClockwise());
    QVERIFY(cw.isClockwise());
    QVERIFY(Triangle2D::isClockwise(Vertex(0, 0, 0), Vertex(0, 1, 0), Vertex(1, 0, 0)));
    QCOMPARE(ccw.contains(Vertex(px, py, 0)), inside);
    QCOMPARE(cw.contains(Vertex(px, py, 0)), insideClockwise);
    QCOMPARE(Triangle2D::orientation(Vertex(0, 0, 0), Vertex(1, 0, 0), Vertex(0, 1, 0)), 1.0f);
}

void TestClipping::findPointByIdThrowsForUnknownId()
{
    Polygon2D::PointList list;
    Polygon2D::PointList source {new Vertex(1, 0, 0), new Vertex(2, 0, 0)};
    int counter = 100;
    Polygon2D::numberPoints(source, counter, list);
    QCOMPARE(counter, 102);
    QCOMPARE(source.front()->getId(), 100);
    QCOMPARE((*Polygon2D::findPointById(list, 101))->getX(), 2.0f);
    QVERIFY(*Polygon2D::findPointById(list, 101) != source.back());
    try {
        Polygon2D::findPointById(list, 7);
        QFAIL("no exception");
    } catch (const std::invalid_argument& e) {
        QCOMPARE(QString(e.what()), QString("Invalid argument"));
    }
    Polygon2D::deletePoints(list);
    Polygon2D::deletePoints(source);
    QVERIFY(list.empty());
}

void TestClipping::quadrilateralsAndTrianglesTriangulateDirectly()
{
    Polygon2D quad;
    quad.addPoint(new Vertex(0, 0, 0));
    quad.addPoint(new Vertex(2, 0, 0));
    quad.addPoint(new Vertex(2, 1, 0));
    quad.addPoint(new Vertex(0, 1, 0));
    Owned out;
    quad.triangulate(out.list);
    QCOMPARE(out.list.size(), size_t(2));
    QVERIFY(std::fabs(totalArea(out.list) - 2.0) < 1e-6);

    // A pentagon without inner points is ear-clipped whole.
    Polygon2D pentagon;
    for (int k = 0; k < 5; ++k)
        pentagon.addPoint(new Vertex(std::cos(k * 1.2566371f), std::sin(k * 1.2566371f), 0));
    Owned ears;
    pentagon.triangulate(ears.list);
    QCOMPARE(ears.list.size(), size_t(3));
    QVERIFY(std::fabs(totalArea(ears.list) - area(pentagon)) < 1e-5);
}

void TestClipping::twoInnerPointsFanOutFromEitherEnd()
{
    // A cutter edge reaching in with both of its corners: the ear before
    // the first and the ear after the second come off, the rest is clipped.
    Polygon2D hexagon;
    for (int k = 0; k < 6; ++k) {
        auto* p = new Vertex(std::cos(k * 1.0471976f), std::sin(k * 1.0471976f), 0);
        if (k == 2 || k == 3)
            p->setProp(2);
        hexagon.addPoint(p);
    }
    Owned out;
    hexagon.triangulate(out.list);
    QCOMPARE(out.list.size(), size_t(4));
    QVERIFY(std::fabs(totalArea(out.list) - area(hexagon)) < 1e-5);
    const auto corner = [&](int k) { return **std::next(hexagon.getPoints().begin(), k); };
    QVERIFY(*out.list.front()->getPoints().front() == corner(2));
    QVERIFY(*(*std::next(out.list.begin()))->getPoints().front() == corner(3));
}

void TestClipping::completeCutterInsideIsReported()
{
    Polygon2D hexagon;
    for (int k = 0; k < 6; ++k) {
        auto* p = new Vertex(std::cos(k * 1.0471976f), std::sin(k * 1.0471976f), 0);
        if (k % 2 == 0)
            p->setProp(2);
        hexagon.addPoint(p);
    }
    Owned out;
    const auto captured = TestSupport::captureOutput([&] { hexagon.triangulate(out.list); });
    QCOMPARE(QString::fromStdString(captured.out), QString("Complete cutter triangle within the source triangle\n"));
    QVERIFY(out.list.empty());
}

QTEST_MAIN(TestClipping)
#include "tst_clipping.moc"
