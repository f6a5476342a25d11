#include <QtTest>

#include "common/TestSupport.h"
#include "model/LEData.h"
#include "model/TEData.h"

// The edge records decide how much of every rib the pipeline cuts away, so
// their depth rules are what matters here.
class TestRibEdgeRecords : public QObject
{
    Q_OBJECT
private slots:
    void leadingEdgeDepthByType_data();
    void leadingEdgeDepthByType();
    void trailingEdgeDepthByType_data();
    void trailingEdgeDepthByType();
    void trailingEdgeFactorAndAutoAdjust();
};

void TestRibEdgeRecords::leadingEdgeDepthByType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<float>("depth");
    QTest::addColumn<bool>("reported");
    QTest::newRow("none") << int(LEData::None) << 0.0f << false;
    QTest::newRow("standard") << int(LEData::Standard) << 8.0f << false;
    QTest::newRow("cylinder") << int(LEData::Cylinder) << 0.0f << false;
    QTest::newRow("strip") << int(LEData::Strip) << 0.0f << false;
    QTest::newRow("diamond") << int(LEData::Diamond) << 0.0f << false;
    QTest::newRow("round") << int(LEData::Round) << 0.0f << true;
    QTest::newRow("unknown") << 17 << 0.0f << true;
}

void TestRibEdgeRecords::leadingEdgeDepthByType()
{
    QFETCH(int, type);
    QFETCH(float, depth);
    QFETCH(bool, reported);
    const LEData le(type, 8.0f);
    float got = -1.0f;
    const auto output = TestSupport::captureOutput([&] { got = le.getDepth(); });
    QCOMPARE(got, depth);
    if (reported) {
        QCOMPARE(QString::fromStdString(output.out),
                 QStringLiteral("Implement this type float LEData::getDepth() const: %1\n").arg(type));
    } else {
        QVERIFY(output.out.empty());
    }
}

void TestRibEdgeRecords::trailingEdgeDepthByType_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<float>("depth");
    QTest::addColumn<bool>("reported");
    QTest::newRow("none") << int(TEData::None) << 0.0f << false;
    QTest::newRow("standard") << int(TEData::Standard) << 15.0f << false;
    QTest::newRow("with strip") << int(TEData::StandardWithStrip) << 30.0f << false;
    QTest::newRow("unknown") << 3 << 0.0f << true;
}

void TestRibEdgeRecords::trailingEdgeDepthByType()
{
    QFETCH(int, type);
    QFETCH(float, depth);
    QFETCH(bool, reported);
    const TEData te(type, 15.0f, false, 20.0f, 10.0f, 2.0f);
    float got = -1.0f;
    const auto output = TestSupport::captureOutput([&] { got = te.getDepth(); });
    QCOMPARE(got, depth);
    if (reported) {
        QCOMPARE(QString::fromStdString(output.out),
                 QStringLiteral("Implement this type float TEData::getDepth() const: %1\n").arg(type));
    } else {
        QVERIFY(output.out.empty());
    }
}

void TestRibEdgeRecords::trailingEdgeFactorAndAutoAdjust()
{
    QCOMPARE(TEData().getStandardTEDepth(0.5f), 10.0f);

    TEData te(TEData::None, 20.0f, true, 20.0f, 10.0f, 2.0f);
    QVERIFY(!te.getTeAutoAdjustDept());
    te.setType(TEData::Standard);
    QVERIFY(te.getTeAutoAdjustDept());
    te.setStandardTEAutoAdjustDepth(false);
    QVERIFY(!te.getTeAutoAdjustDept());

    te.setType(TEData::StandardWithStrip);
    te.setStandardTEAutoAdjustDepth(true);
    bool got = true;
    const auto output = TestSupport::captureOutput([&] { got = te.getTeAutoAdjustDept(); });
    QVERIFY(!got);
    QCOMPARE(output.out,
             std::string("Implement this type bool TEData::getTeAutoAdjustDept() const: 2\n"));
    // The raw flag is untouched by the query.
    QVERIFY(te.getStandardTEAutoAdjustDepth());
}

QTEST_MAIN(TestRibEdgeRecords)
#include "tst_ribedgerecords.moc"
