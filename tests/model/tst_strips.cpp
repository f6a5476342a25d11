#include <QtTest>

#include "common/TestSupport.h"
#include "foundation/DialogSeam.h"
#include "model/RibDefinition.h"
#include "model/SheetingStripTableModel.h"

namespace {

SheetingStripDefinition makeStrip(const QString& name, int first, int last)
{
    SheetingStripDefinition strip;
    strip.setName(name);
    strip.setFirstRib(first);
    strip.setLastRib(last);
    return strip;
}

RibDefinition ribOfChord(float chord)
{
    RibDefinition rib(0, 3);
    rib.setChord(chord);
    return rib;
}

} // namespace

class TestStrips : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void lastRibValuesFallBackToFirstRibOnes_data();
    void lastRibValuesFallBackToFirstRibOnes();
    void realPositionsConvertPercentAndTrailingEdge_data();
    void realPositionsConvertPercentAndTrailingEdge();
    void stripsCarryTheirOwnPartIds();
    void validatesRibRanges_data();
    void validatesRibRanges();
    void refusedEditKeepsTheOldValue();
    void insertsAndDeletesStrips();
};

void TestStrips::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
    SheetingStripTableModel::setNumberOfRibs(5);
}

void TestStrips::lastRibValuesFallBackToFirstRibOnes_data()
{
    QTest::addColumn<bool>("separateLast");
    QTest::addColumn<bool>("separateEnd");
    QTest::addColumn<float>("last");
    QTest::addColumn<float>("end");
    QTest::addColumn<bool>("lastPercent");
    QTest::addColumn<bool>("endPercent");
    QTest::newRow("shared") << false << false << 20.0f << 5.0f << true << false;
    QTest::newRow("separate last") << true << false << 30.0f << 5.0f << false << false;
    QTest::newRow("separate end") << false << true << 20.0f << 7.0f << true << true;
}

void TestStrips::lastRibValuesFallBackToFirstRibOnes()
{
    QFETCH(bool, separateLast);
    QFETCH(bool, separateEnd);
    QFETCH(float, last);
    QFETCH(float, end);
    QFETCH(bool, lastPercent);
    QFETCH(bool, endPercent);
    SheetingStripDefinition strip;
    strip.setPosition(0, 20);
    strip.setPosition(1, 30);
    strip.setPosition(2, 5);
    strip.setPosition(3, 7);
    strip.setPercentageSelected(0, true);
    strip.setPercentageSelected(1, false);
    strip.setPercentageSelected(2, false);
    strip.setPercentageSelected(3, true);
    strip.setSeparateLastPosition(separateLast);
    strip.setOffsetSeparateEnd(separateEnd);
    QCOMPARE(strip.getPosition(0), 20.0f);
    QCOMPARE(strip.getPosition(1), last);
    QCOMPARE(strip.getPosition(2), 5.0f);
    QCOMPARE(strip.getPosition(3), end);
    QCOMPARE(strip.getPercentageSelected(1), lastPercent);
    QCOMPARE(strip.getPercentageSelected(3), endPercent);

    // The real positions follow the same rules.
    const RibDefinition rib = ribOfChord(200);
    float value = 0;
    strip.getRealPosition(value, 1, rib, false);
    QCOMPARE(value, lastPercent ? 200 * last / 100 : last);
}

void TestStrips::realPositionsConvertPercentAndTrailingEdge_data()
{
    QTest::addColumn<bool>("fromLE");
    QTest::addColumn<bool>("percent");
    QTest::addColumn<int>("which");
    QTest::addColumn<bool>("convert");
    QTest::addColumn<float>("expected");
    // Start 10 (mm or %) and length 20 (mm or %) on a 150 mm rib.
    QTest::newRow("start from LE, mm") << true << false << 2 << true << 10.0f;
    QTest::newRow("start from TE, mm") << false << false << 2 << true << 140.0f;
    QTest::newRow("start from TE, percent") << false << true << 2 << true << 135.0f;
    QTest::newRow("start from TE, unconverted") << false << false << 2 << false << 10.0f;
    QTest::newRow("length from TE is a length") << false << false << 0 << false << 20.0f;
    QTest::newRow("length in percent") << true << true << 0 << false << 30.0f;
}

void TestStrips::realPositionsConvertPercentAndTrailingEdge()
{
    QFETCH(bool, fromLE);
    QFETCH(bool, percent);
    QFETCH(int, which);
    QFETCH(bool, convert);
    QFETCH(float, expected);
    SheetingStripDefinition strip("s", 0, 1, 2, 20, 20, 1.5f, true, true, fromLE, false, 10, 10, false, false);
    for (int i = 0; i < 4; ++i)
        strip.setPercentageSelected(i, percent);
    float value = -1;
    strip.getRealPosition(value, which, ribOfChord(150), convert);
    QCOMPARE(value, expected);
}

void TestStrips::stripsCarryTheirOwnPartIds()
{
    const SheetingStripDefinition a;
    const SheetingStripDefinition b;
    QVERIFY(a.getId(1) > 0);
    QVERIFY(a.getId(0) > 0);
    QVERIFY(a.getId(1) != a.getId(0));
    QVERIFY(b.getId(1) != a.getId(1) && b.getId(1) != a.getId(0));
    QVERIFY(b.getId(0) != a.getId(1) && b.getId(0) != a.getId(0));
    const SheetingStripDefinition copy(a);
    QCOMPARE(copy.getId(1), a.getId(1));
    QCOMPARE(copy.getId(0), a.getId(0));

    int unknown = 0;
    const auto out = TestSupport::captureOutput([&] { unknown = a.getId(2); });
    QCOMPARE(unknown, -1);
    QCOMPARE(QString::fromStdString(out.out), QString("Unknown sheeting strip side: 2\n"));
}

void TestStrips::validatesRibRanges_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("lines");
    QTest::newRow("one rib") << 4 << 4 << "";
    QTest::newRow("whole panel") << 1 << 5 << "";
    QTest::newRow("reversed") << 3 << 2 << "The first rib is larger than the last rib\n";
    QTest::newRow("beyond") << 6 << 7
                            << "The first rib is larger than the number of ribs\n"
                               "The last rib is larger than the number of ribs\n";
    QTest::newRow("rib zero") << 0 << 3 << "The first rib must be at least 1\n";
}

void TestStrips::validatesRibRanges()
{
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, lines);
    SheetingStripTableModel model;
    model.appendStrip(makeStrip("fine", 1, 2));
    model.appendStrip(makeStrip("s", first, last));
    model.appendStrip(makeStrip("later", 9, 1));
    QString message;
    const bool ok = model.validate(message);
    if (lines.isEmpty()) {
        // Only the third strip fails then.
        QVERIFY(!ok);
        QVERIFY(message.startsWith("Sheeting strip \"later\": \n\n"));
    } else {
        QVERIFY(!ok);
        QCOMPARE(message, "Sheeting strip \"s\": \n\n" + lines);
    }
}

void TestStrips::refusedEditKeepsTheOldValue()
{
    SheetingStripTableModel model;
    model.appendStrip(makeStrip("s", 1, 3));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

    QVERIFY(!model.setData(model.index(0, 1), 4, Qt::EditRole));
    QCOMPARE(model.data(model.index(0, 1)).toInt(), 1);
    QCOMPARE(int(DialogSeam::calls().size()), 1);
    QCOMPARE(DialogSeam::calls().front().title, QString("Error in sheeting table"));
    QCOMPARE(DialogSeam::calls().front().text,
             QString("Sheeting strip \"s\": \n\nThe first rib is larger than the last rib\n"));

    // Text that is no rib number never becomes rib 0.
    QVERIFY(!model.setData(model.index(0, 2), QString("abc"), Qt::EditRole));
    QCOMPARE(model.data(model.index(0, 2)).toInt(), 3);
    QCOMPARE(int(DialogSeam::calls().size()), 1);
    QCOMPARE(changed.count(), 0);

    QVERIFY(model.setData(model.index(0, 0), QString("wing root"), Qt::EditRole));
    QVERIFY(model.setData(model.index(0, 1), 3, Qt::EditRole));
    QCOMPARE(model.data(model.index(0, 0)).toString(), QString("wing root"));
    QCOMPARE(model.data(model.index(0, 1)).toInt(), 3);
    QCOMPARE(changed.count(), 2);
}

void TestStrips::insertsAndDeletesStrips()
{
    SheetingStripTableModel model;
    model.appendStrip(makeStrip("a", 1, 2));
    model.appendStrip(makeStrip("b", 1, 2));
    const SheetingStripDefinition source = makeStrip("copy", 2, 3);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.insertStrip(0, &source);
    model.insertStrip(10, nullptr);
    QCOMPARE(model.getStripCount(), 4);
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(inserted.at(1).at(1).toInt(), 3);
    bool found = false;
    QCOMPARE(model.getStrip(0, found).getName(), QString("copy"));
    QCOMPARE(model.getStrip(0, found).getId(1), source.getId(1));
    QCOMPARE(model.getStrip(3, found).getName(), QString("New strip"));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.deleteStrip(3);
    model.deleteStrip(1);
    model.deleteStrip(-1);
    QCOMPARE(model.getStripCount(), 2);
    QCOMPARE(model.getStrip(1, found).getName(), QString("b"));
    for (const QList<QVariant>& args : changed)
        QVERIFY(args.at(1).value<QModelIndex>().row() < model.getStripCount());
    model.getStrip(2, found);
    QVERIFY(!found);
}

QTEST_MAIN(TestStrips)
#include "tst_strips.moc"
