#include <QtTest>
#include <QTemporaryDir>
#include <cmath>

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "common/TestSupport.h"
#include "foundation/Vector3D.h"

// Resampling airfoil outlines to the fixed stations.
namespace {

const QString ShippedFoils = QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2");

using Points = QVector<QPair<double, double>>;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The point lines of a shipped DAT file, in file order.
Points shippedPoints(const QString& fileName)
{
    Points points;
    const QList<QByteArray> lines = readFile(ShippedFoils + "/" + fileName).split('\n');
    for (int i = 1; i < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].simplified().split(' ');
        if (fields.size() == 2)
            points.append({fields[0].toDouble(), fields[1].toDouble()});
    }
    return points;
}

QByteArray datText(const QString& name, const Points& points)
{
    QByteArray text = name.toLatin1() + "\n";
    for (const auto& p : points)
        text += QByteArray::number(p.first, 'g', 12) + " " + QByteArray::number(p.second, 'g', 12) + "\n";
    return text;
}

// Loads a file written from bytes; the caller deletes the airfoil.
Airfoil* loadBytes(const QByteArray& bytes, const QString& fileName = QStringLiteral("foil.dat"),
                   std::string* out = nullptr)
{
    QTemporaryDir dir;
    const QString path = dir.path() + "/" + fileName;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return nullptr;
    file.write(bytes);
    file.close();
    WingFoils library;
    Airfoil* airfoil = nullptr;
    const auto output = TestSupport::captureOutput(
        [&] { airfoil = library.loadAirfoilFile(path, getAirfoilFileType(fileName)); });
    if (out)
        *out = output.out;
    return airfoil;
}

Airfoil* loadShipped(const QString& fileName)
{
    return loadBytes(readFile(ShippedFoils + "/" + fileName), fileName);
}

float normalLength(const Vector3D* p)
{
    const Vector3D* n = p->getNormal();
    return n ? std::sqrt(n->getX() * n->getX() + n->getY() * n->getY() + n->getZ() * n->getZ()) : 0.0f;
}

} // namespace

class TestAirfoil : public QObject
{
    Q_OBJECT
private slots:
    void stationsAreTheFixedTable();
    void sameOutlineWhateverOrderOrUnit_data();
    void sameOutlineWhateverOrderOrUnit();
    void separateTrailingEdgePointsGoToTheirSides();
    void crLfAndLfFilesAgree();
    void lastPointWithoutLineBreakIsKept();
    void outlineThatCannotBeBuiltFails_data();
    void outlineThatCannotBeBuiltFails();
    void zeroWidthFileStillGivesAllStations();
    void everyPointCarriesAUnitNormal();
    void thickestStationOfSymmetricSection();
    void findMaxThicknessPositionTakesFirstLargestPair();
    void crossingsOfThePolyline_data();
    void crossingsOfThePolyline();
    void scaleThicknessLeavesStationsAndNormals();
};

void TestAirfoil::stationsAreTheFixedTable()
{
    QScopedPointer<Airfoil> airfoil(loadShipped("clarky.dat"));
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getName(), QString("CLARK Y AIRFOIL"));
    QCOMPARE(airfoil->getPointCount(), 280);
    QCOMPARE(int(airfoil->getCoords().size()), 280);
    const struct { int index; double x; } table[] = {
        {0, 0.5}, {1, 0.48695653676986694}, {69, -0.3999999761581421},
        {70, -0.4010000228881836}, {71, -0.4024347960948944}, {138, -0.4985652267932892},
        {139, -0.5}, {140, -0.5}, {141, -0.4985652267932892}, {209, -0.4010000228881836},
        {210, -0.3999999761581421}, {278, 0.48695653676986694}, {279, 0.5},
    };
    for (const auto& row : table)
        QCOMPARE(double(airfoil->getPoint(row.index)->getX()), row.x);
    for (int i = 0; i < 280; ++i) {
        QCOMPARE(airfoil->getPoint(i)->getX(), airfoil->getPoint(279 - i)->getX());
        QCOMPARE(airfoil->getPoint(i)->getZ(), 0.0f);
    }
    // The nose stations meet at the file's leading edge point (0, 0).
    QCOMPARE(airfoil->getPoint(139)->getY(), 0.0f);
    QCOMPARE(airfoil->getPoint(140)->getY(), 0.0f);
}

void TestAirfoil::sameOutlineWhateverOrderOrUnit_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const Points selig = shippedPoints("naca2412.dat");
    QVERIFY(selig.size() > 100);
    const int nose = selig.size() / 2;

    Points reversed = selig;
    std::reverse(reversed.begin(), reversed.end());
    Points fromNose;  // upper side nose to tail, then lower side nose to tail
    for (int i = nose; i >= 0; --i)
        fromNose.append(selig[i]);
    for (int i = nose; i < selig.size(); ++i)
        fromNose.append(selig[i]);
    Points percent;
    Points shifted;
    for (const auto& p : selig) {
        percent.append({p.first * 100.0, p.second * 100.0});
        shifted.append({p.first * 100.0 + 50.0, p.second * 100.0});
    }
    QTest::newRow("reversed") << datText("R", reversed);
    QTest::newRow("from the nose") << datText("N", fromNose);
    QTest::newRow("percent of chord") << datText("P", percent);
    QTest::newRow("percent, shifted") << datText("S", shifted);
}

void TestAirfoil::sameOutlineWhateverOrderOrUnit()
{
    QFETCH(QByteArray, bytes);
    QScopedPointer<Airfoil> reference(loadBytes(datText("Ref", shippedPoints("naca2412.dat"))));
    QScopedPointer<Airfoil> airfoil(loadBytes(bytes));
    QVERIFY(reference);
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getPointCount(), 280);
    for (int i = 0; i < 280; ++i) {
        const Vector3D* a = airfoil->getPoint(i);
        const Vector3D* r = reference->getPoint(i);
        QCOMPARE(a->getX(), r->getX());
        QVERIFY2(std::fabs(a->getY() - r->getY()) < 1e-6f, qPrintable(QString("point %1").arg(i)));
        QVERIFY(std::fabs(a->getNormal()->getX() - r->getNormal()->getX()) < 1e-4f);
        QVERIFY(std::fabs(a->getNormal()->getY() - r->getNormal()->getY()) < 1e-4f);
    }
    QVERIFY(std::fabs(airfoil->getMaxThicknessPosition() - reference->getMaxThicknessPosition()) < 1e-4f);
}

void TestAirfoil::separateTrailingEdgePointsGoToTheirSides()
{
    QScopedPointer<Airfoil> airfoil(
        loadBytes("TE\n1.0 0.004\n0.5 0.06\n0.0 0.0\n0.5 -0.04\n1.0 -0.003\n"));
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getPoint(0)->getY(), 0.004f);
    QCOMPARE(airfoil->getPoint(279)->getY(), -0.003f);
    QCOMPARE(airfoil->getPoint(139)->getY(), 0.0f);
}

void TestAirfoil::crLfAndLfFilesAgree()
{
    const QByteArray lf = readFile(ShippedFoils + "/clarky.dat");
    QByteArray crlf = lf;
    crlf.replace("\n", "\r\n");
    QScopedPointer<Airfoil> a(loadBytes(lf));
    QScopedPointer<Airfoil> b(loadBytes(crlf));
    QVERIFY(a);
    QVERIFY(b);
    QCOMPARE(b->getName(), a->getName());
    for (int i = 0; i < 280; ++i) {
        QCOMPARE(b->getPoint(i)->getX(), a->getPoint(i)->getX());
        QCOMPARE(b->getPoint(i)->getY(), a->getPoint(i)->getY());
    }
}

void TestAirfoil::lastPointWithoutLineBreakIsKept()
{
    QByteArray bytes = readFile(ShippedFoils + "/clarky.dat");
    QVERIFY(bytes.endsWith("1.00000 -0.00060\n"));
    QScopedPointer<Airfoil> withBreak(loadBytes(bytes));
    bytes.chop(1);
    QScopedPointer<Airfoil> withoutBreak(loadBytes(bytes));
    QVERIFY(withBreak);
    QVERIFY(withoutBreak);
    QCOMPARE(withoutBreak->getPoint(279)->getY(), -0.0006f);
    QCOMPARE(withBreak->getPoint(279)->getY(), -0.0006f);
}

void TestAirfoil::outlineThatCannotBeBuiltFails_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("name only") << QByteArray("Lonely\n");
    QTest::newRow("one point") << QByteArray("Lonely\n0.5 0.1\n");
    QTest::newRow("not a number in sight") << QByteArray("Lonely\nx y\n1;2\n");
    QTest::newRow("NaN") << QByteArray("Lonely\n1 0\nnan 0.1\n0 0\n");
    QTest::newRow("infinity") << QByteArray("Lonely\n1 0\n0.5 inf\n0 0\n");
}

void TestAirfoil::outlineThatCannotBeBuiltFails()
{
    QFETCH(QByteArray, bytes);
    std::string out;
    Airfoil* airfoil = loadBytes(bytes, "foil.dat", &out);
    QVERIFY(!airfoil);
    const std::string name = bytes.isEmpty() ? "" : "Lonely";
    QCOMPARE(out, "ERROR loading airfoil " + name + "\n");
}

void TestAirfoil::zeroWidthFileStillGivesAllStations()
{
    QScopedPointer<Airfoil> airfoil(loadBytes("Plank\n0.3 0.1\n0.3 -0.1\n"));
    QVERIFY(airfoil);
    QCOMPARE(airfoil->getPointCount(), 280);
    for (int i = 0; i < 280; ++i) {
        QCOMPARE(airfoil->getPoint(i)->getY(), 0.0f);  // the mean of the vertical segment
        QVERIFY(std::isfinite(airfoil->getPoint(i)->getNormal()->getX()));
    }
}

void TestAirfoil::everyPointCarriesAUnitNormal()
{
    QScopedPointer<Airfoil> airfoil(loadShipped("clarky.dat"));
    QVERIFY(airfoil);
    for (int i = 0; i < 280; ++i) {
        const Vector3D* p = airfoil->getPoint(i);
        QVERIFY2(p->getNormal(), qPrintable(QString("point %1").arg(i)));
        QVERIFY2(std::fabs(normalLength(p) - 1.0f) < 1e-5f, qPrintable(QString("point %1").arg(i)));
        QCOMPARE(p->getNormal()->getZ(), 0.0f);
        if (i >= 5 && i <= 130)
            QVERIFY2(p->getNormal()->getY() > 0.0f, qPrintable(QString("upper point %1").arg(i)));
        if (i >= 150 && i <= 274)
            QVERIFY2(p->getNormal()->getY() < 0.0f, qPrintable(QString("lower point %1").arg(i)));
    }
    for (int nose : {139, 140}) {
        QCOMPARE(airfoil->getPoint(nose)->getNormal()->getX(), -1.0f);
        QCOMPARE(airfoil->getPoint(nose)->getNormal()->getY(), 0.0f);
    }
    QCOMPARE(*airfoil->getPoint(0)->getNormal(), *airfoil->getPoint(1)->getNormal());
    QCOMPARE(*airfoil->getPoint(279)->getNormal(), *airfoil->getPoint(278)->getNormal());
    // Copies, not shared objects.
    QVERIFY(airfoil->getPoint(0)->getNormal() != airfoil->getPoint(1)->getNormal());
}

void TestAirfoil::thickestStationOfSymmetricSection()
{
    // NACA four-digit sections are thickest at 30 % of the chord; the
    // stations there are 1.3 % apart.
    QScopedPointer<Airfoil> airfoil(loadShipped("naca0012.dat"));
    QVERIFY(airfoil);
    QVERIFY2(std::fabs(airfoil->getMaxThicknessPosition() - 30.0f) < 1.31f,
             qPrintable(QString::number(airfoil->getMaxThicknessPosition())));
    // Thickness is 12 % of the chord: y is in chord lengths.
    float thickness = 0.0f;
    for (int i = 0; i < 140; ++i)
        thickness = std::max(thickness, airfoil->getPoint(i)->getY() - airfoil->getPoint(279 - i)->getY());
    QVERIFY2(std::fabs(thickness - 0.12f) < 0.001f, qPrintable(QString::number(thickness)));
}

void TestAirfoil::findMaxThicknessPositionTakesFirstLargestPair()
{
    QScopedPointer<Airfoil> airfoil(loadShipped("naca0012.dat"));
    QVERIFY(airfoil);
    std::vector<Vector3D*> outline;
    for (int i = 0; i < 280; ++i) {
        const int station = std::min(i, 279 - i);
        const float half = station == 30 || station == 40 ? 0.2f : 0.1f;
        outline.push_back(new Vector3D(airfoil->getPoint(i)->getX(), i < 140 ? half : -half, 0.0f));
    }
    const float x30 = outline[30]->getX();
    QCOMPARE(findMaxThicknessPosition(outline, 0.0f), x30 * 100.0f);
    QCOMPARE(findMaxThicknessPosition(outline, 0.5f), (x30 + 0.5f) * 100.0f);
    for (Vector3D* p : outline)
        p->setY(0.0f);
    QCOMPARE(findMaxThicknessPosition(outline, 0.5f), 0.0f);
    Vector3D::clearList(outline);
    QCOMPARE(findMaxThicknessPosition(outline, 0.5f), 0.0f);
}

void TestAirfoil::crossingsOfThePolyline_data()
{
    QTest::addColumn<QVector<QPointF>>("raw");
    QTest::addColumn<float>("X");
    QTest::addColumn<bool>("found");
    QTest::addColumn<QVector<float>>("ys");
    QTest::newRow("one point") << QVector<QPointF>{{0, 0}} << 0.0f << false << QVector<float>{};
    QTest::newRow("inside a segment") << QVector<QPointF>{{0, 0}, {2, 1}} << 0.5f << true
                                      << QVector<float>{0.25f};
    QTest::newRow("on a vertex, once per segment")
        << QVector<QPointF>{{0, 0}, {1, 1}, {2, 0}} << 1.0f << true << QVector<float>{1.0f, 1.0f};
    QTest::newRow("vertical segment gives its mean")
        << QVector<QPointF>{{0, 0}, {1, 0}, {1, 2}} << 1.0f << true << QVector<float>{0.0f, 1.0f};
    QTest::newRow("not closed back to the start")
        << QVector<QPointF>{{0, 1}, {2, 1}, {2, -1}} << 1.0f << true << QVector<float>{1.0f};
    QTest::newRow("outside") << QVector<QPointF>{{0, 0}, {1, 1}} << 3.0f << true << QVector<float>{};
}

void TestAirfoil::crossingsOfThePolyline()
{
    QFETCH(QVector<QPointF>, raw);
    QFETCH(float, X);
    QFETCH(bool, found);
    QFETCH(QVector<float>, ys);
    std::vector<Vector3D*> points;
    for (const QPointF& p : raw)
        points.push_back(new Vector3D(float(p.x()), float(p.y()), 0.0f));
    std::vector<float> crossings;
    QCOMPARE(Airfoil::intersectAtX(points, X, crossings), found);
    QCOMPARE(QVector<float>(crossings.begin(), crossings.end()), ys);
    Vector3D::clearList(points);
}

void TestAirfoil::scaleThicknessLeavesStationsAndNormals()
{
    QScopedPointer<Airfoil> airfoil(loadShipped("clarky.dat"));
    QScopedPointer<Airfoil> original(loadShipped("clarky.dat"));
    QVERIFY(airfoil);
    airfoil->scaleThickness(1.5f);
    for (int i = 0; i < 280; ++i) {
        QCOMPARE(airfoil->getPoint(i)->getX(), original->getPoint(i)->getX());
        QCOMPARE(airfoil->getPoint(i)->getY(), original->getPoint(i)->getY() * 1.5f);
        QCOMPARE(*airfoil->getPoint(i)->getNormal(), *original->getPoint(i)->getNormal());
    }
}

QTEST_MAIN(TestAirfoil)
#include "tst_airfoil.moc"
