#include <QtTest>
#include <cmath>
#include <cstdio>
#include <functional>

#include "common/TestSupport.h"
#include "foundation/Curve.h"
#include "foundation/Mathematics.h"

namespace {
struct ChildResult {
    int status;
    QString out;
};

ChildResult inChild(const std::function<void()>& fn)
{
    ChildResult result {0, QString()};
    const auto captured = TestSupport::captureOutput([&] { result.status = TestSupport::runInChildProcess(fn); });
    result.out = QString::fromStdString(captured.out);
    return result;
}
}

class TestCurve : public QObject
{
    Q_OBJECT
private slots:
    void interpolatesBothWays();
    void misuseEndsTheProcess_data();
    void misuseEndsTheProcess();
    void asincInvertsSinc();
    void asincClampsAboveOne();
};

void TestCurve::interpolatesBothWays()
{
    Curve growing(3, Curve::Growing, "growing");
    growing.AddControlPoint(0, 0);
    growing.AddControlPoint(1, 1);
    growing.AddControlPoint(2, 3);
    QCOMPARE(growing.GetY(1.5f), 2.0f);
    QCOMPARE(growing.GetY(0.0f), 0.0f);
    QCOMPARE(growing.GetX(2.0f), 1.5f);
    QCOMPARE(growing.getMaxX(), 2.0f);
    QCOMPARE(growing.getMaxY(), 3.0f);

    // A falling curve answers the inverse lookup as well.
    Curve falling(3, Curve::Falling, "falling");
    falling.AddControlPoint(0, 4);
    falling.AddControlPoint(1, 2);
    falling.AddControlPoint(2, 0);
    QCOMPARE(falling.GetY(0.5f), 3.0f);
    QCOMPARE(falling.GetX(3.0f), 0.5f);
    QCOMPARE(falling.GetX(1.0f), 1.5f);
    QCOMPARE(falling.getMinY(), 0.0f);
}

void TestCurve::misuseEndsTheProcess_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("same x") << 0 << "ERROR in Curve::AddControlPoint: X control points not strictly monotonous\n";
    QTest::newRow("not growing") << 1 << "ERROR in Curve::AddControlPoint: Y control points should be GROWING\n";
    QTest::newRow("not falling") << 2 << "ERROR in Curve::AddControlPoint: Y control points should be FALLING\n";
    QTest::newRow("full") << 3
                          << "ERROR in Curve::AddControlPoint: maximal number of control points exceeded\n";
    QTest::newRow("outside") << 4 << "ERROR in Curve::GetY(): Point 5 not found (name: probe)\n";
    QTest::newRow("inverse of unrestricted")
        << 5 << "ERROR in Curve::GetX(): can't do this for a function of type 2\n";
    QTest::newRow("inverse outside") << 6 << "ERROR in Curve::GetX(): Point -1 not found (name: probe)\n";
}

void TestCurve::misuseEndsTheProcess()
{
    QFETCH(int, kind);
    QFETCH(QString, message);
    const ChildResult r = inChild([kind] {
        const int type = kind == 2 ? Curve::Falling : (kind == 5 ? Curve::Unrestricted : Curve::Growing);
        Curve c(2, type, "probe");
        c.AddControlPoint(0, 1);
        switch (kind) {
        case 0: c.AddControlPoint(0, 2); break;
        case 1: c.AddControlPoint(1, 1); break;
        case 2: c.AddControlPoint(1, 1); break;
        case 3:
            c.AddControlPoint(1, 2);
            c.AddControlPoint(2, 3);
            break;
        case 4:
            c.AddControlPoint(1, 2);
            c.GetY(5);
            break;
        case 5:
            c.AddControlPoint(1, 0);
            c.GetX(0.5f);
            break;
        case 6:
            c.AddControlPoint(1, 2);
            c.GetX(-1);
            break;
        }
    });
    QCOMPARE(r.status, 1);
    QCOMPARE(r.out, message);
}

void TestCurve::asincInvertsSinc()
{
    // Building the table must not end the process.
    const ChildResult r = inChild([] {
        const float atOne = Mathematics::asinc(1.0f);
        const float atSinOne = Mathematics::asinc(static_cast<float>(std::sin(1.0)));
        const float atHalfPi = Mathematics::asinc(static_cast<float>(std::sin(1.4) / 1.4));
        std::printf("%.6f %.6f %.6f\n", atOne, atSinOne, atHalfPi);
    });
    QCOMPARE(r.status, 0);
    const QStringList values = r.out.trimmed().split(' ');
    QCOMPARE(values.size(), 3);
    QVERIFY(std::fabs(values[0].toDouble()) < 1e-6);
    QVERIFY(std::fabs(values[1].toDouble() - 1.0) < 1e-3);
    QVERIFY(std::fabs(values[2].toDouble() - 1.4) < 1e-3);
}

void TestCurve::asincClampsAboveOne()
{
    const ChildResult r = inChild([] { std::printf("%g\n", Mathematics::asinc(1.5f)); });
    QCOMPARE(r.status, 0);
    QVERIFY(r.out.startsWith("WARNING: pAsincCurve->MaxX: 1, s: 1.5\n"));
    QCOMPARE(r.out.section('\n', 1, 1), QString("0"));

    const ChildResult low = inChild([] { Mathematics::asinc(0.5f); });
    QCOMPARE(low.status, 1);
}

QTEST_MAIN(TestCurve)
#include "tst_curve.moc"
