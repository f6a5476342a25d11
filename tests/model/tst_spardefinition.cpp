#include <QtTest>

#include <cmath>
#include <memory>
#include <set>

#include "model/RibDefinition.h"
#include "model/SparDefinition.h"
#include "common/TestSupport.h"

class TestSparDefinition : public QObject
{
    Q_OBJECT
private slots:
    void realPositionFollowsTheSparSettings_data();
    void realPositionFollowsTheSparSettings();
    void sparsDrawDistinctIds();
    void typeCellRefusesUnknownTypes_data();
    void typeCellRefusesUnknownTypes();
    void typeChangeResetsThatTypesDimensionsAndIds();
    void anglesSetOffsetsAndPositions();
    void unknownTypeIsReportedAndBuiltRound();
};

void TestSparDefinition::realPositionFollowsTheSparSettings_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("fromLE");
    QTest::addColumn<bool>("percent");
    QTest::addColumn<bool>("centre");
    QTest::addColumn<float>("expected");
    QTest::newRow("square centred") << 1 << true << true << true << 47.75f;
    QTest::newRow("square from trailing edge") << 1 << false << true << true << 147.75f;
    QTest::newRow("square not centred") << 1 << true << true << false << 50.0f;
    QTest::newRow("square in mm") << 1 << true << false << true << 22.75f;
    QTest::newRow("webbing centred") << 2 << true << true << true << 49.0f;
    QTest::newRow("round is its own centre") << 0 << true << true << true << 50.0f;
}

void TestSparDefinition::realPositionFollowsTheSparSettings()
{
    QFETCH(int, type);
    QFETCH(bool, fromLE);
    QFETCH(bool, percent);
    QFETCH(bool, centre);
    QFETCH(float, expected);
    SparDefinition spar("s", static_cast<SparType>(type), 1, 2, 25.0f, 60.0f, fromLE, false);
    spar.setPercentageSelected(0, percent);
    RibDefinition rib(0.0f, 3.0f);
    rib.setChord(200.0f);
    float result = 0.0f;
    spar.getRealPosition(result, 1, rib, centre);
    QVERIFY(std::fabs(result - expected) < 1e-4f);
}

void TestSparDefinition::sparsDrawDistinctIds()
{
    const SparDefinition a;
    const SparDefinition b;
    std::set<int> ids;
    for (const SparDefinition* s : {&a, &b}) {
        ids.insert({s->getRoundSparId(), s->getSquareSparId(0), s->getSquareSparId(1),
                    s->getSquareWebbingId(0), s->getSquareWebbingId(1), s->getWebbingId(),
                    s->getTubeId(), s->getCubeSparId(), s->getCubeTubeId()});
    }
    QCOMPARE(int(ids.size()), 18);
    QCOMPARE(a.getSparName(), QString("New spar"));
    QCOMPARE(a.getType(), SparType::Round);

    const SparDefinition copy(b);
    QCOMPARE(copy.getCubeTubeId(), b.getCubeTubeId());
    QCOMPARE(copy.getSquareWebbingId(1), b.getSquareWebbingId(1));
}

void TestSparDefinition::typeCellRefusesUnknownTypes_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::newRow("past the last type") << QVariant(6);
    QTest::newRow("negative") << QVariant(-1);
    QTest::newRow("not a number") << QVariant(QString("abc"));
}

void TestSparDefinition::typeCellRefusesUnknownTypes()
{
    QFETCH(QVariant, value);
    SparDefinition spar;
    spar.setCellData(1, 4);
    const int cubeId = spar.getCubeSparId();
    QVERIFY(!spar.setCellData(1, value));
    QCOMPARE(spar.getType(), SparType::Cube);
    QCOMPARE(spar.getCubeSparId(), cubeId);
}

void TestSparDefinition::typeChangeResetsThatTypesDimensionsAndIds()
{
    SparDefinition spar;
    spar.setSquareSparWidth(9.0f);
    spar.setSquareSparHeight(7.0f);
    const int slotId = spar.getSquareSparId(0);
    const int roundId = spar.getRoundSparId();
    QVERIFY(spar.setCellData(1, 1));
    QCOMPARE(spar.getType(), SparType::Square);
    QCOMPARE(spar.getSquareSparWidth(), 4.5f);
    QCOMPARE(spar.getSquareSparHeight(), 2.0f);
    QVERIFY(spar.getSquareSparId(0) != slotId);
    QCOMPARE(spar.getRoundSparId(), roundId);

    spar.setSquareSparWidth(9.0f);
    const int newSlotId = spar.getSquareSparId(0);
    QVERIFY(spar.setCellData(1, 1));
    QCOMPARE(spar.getSquareSparWidth(), 9.0f);
    QCOMPARE(spar.getSquareSparId(0), newSlotId);
}

void TestSparDefinition::anglesSetOffsetsAndPositions()
{
    SparDefinition spar;
    spar.setSparOffsetYStart(1.0f);
    spar.setYOffsetFromAngle(1, 45.0f, 0.0f, 100.0f);
    QVERIFY(std::fabs(spar.getSparOffsetYEnd() - 101.0f) < 0.01f);
    spar.setYOffsetFromAngle(0, 45.0f, 0.0f, 50.0f);
    QVERIFY(std::fabs(spar.getSparOffsetYStart() - 51.0f) < 0.01f);

    // Without a span between the ribs there is no angle to follow.
    SparDefinition flat;
    flat.setPositionFromAngle(1, 30.0f, 60.0f, 60.0f, 500.0f, 50.0f, 100.0f, 200.0f, 100.0f,
                              180.0f);
    QVERIFY(!flat.getSeparateLastPosition());
    QCOMPARE(flat.getPosition(1), 25.0f);

    // 45 degrees back over 100 mm of span with 10 mm of sweep in between.
    SparDefinition swept;
    swept.setPositionFromAngle(1, 45.0f, 60.0f, 0.0f, 500.0f, 50.0f, 0.0f, 200.0f, 100.0f,
                               180.0f);
    QVERIFY(swept.getSeparateLastPosition());
    QVERIFY(!swept.getPercentageSelected(1));
    QVERIFY(swept.getPercentageSelected(0));
    QVERIFY(std::fabs(swept.getPosition(1) - 150.0f) < 0.01f);
}

void TestSparDefinition::unknownTypeIsReportedAndBuiltRound()
{
    std::unique_ptr<SparDefinition> spar;
    const TestSupport::CapturedOutput output = TestSupport::captureOutput([&spar]() {
        spar.reset(new SparDefinition("x", static_cast<SparType>(9), 1, 2, 25.0f, 25.0f, true,
                                      false));
    });
    QCOMPARE(output.out, std::string("Unknown spar type: 9\n"));
    QCOMPARE(spar->getType(), SparType::Round);
    QCOMPARE(spar->getRoundSparRadius(), 5.0f);
}

QTEST_MAIN(TestSparDefinition)
#include "tst_spardefinition.moc"
