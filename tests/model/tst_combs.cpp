#include <QSignalSpy>
#include <QtTest>

#include <set>

#include "common/TestSupport.h"
#include "foundation/DialogSeam.h"
#include "model/CombListTableModel.h"
#include "model/RibDefinition.h"

namespace {

RibCombData combOver(const QString& name, int firstRib, int lastRib)
{
    RibCombData comb;
    comb.setName(name);
    comb.setFirstRib(firstRib);
    comb.setLastRib(lastRib);
    return comb;
}

const QString firstLarger = "The first rib is larger than the number of ribs\n";
const QString lastLarger = "The last rib is larger than the number of ribs\n";
const QString notBefore = "The first rib is larger than or equal to the last rib\n";

} // namespace

class TestCombs : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void newCombsDrawDistinctIds();
    void absolutePositionIsTheFrontEdge_data();
    void absolutePositionIsTheFrontEdge();
    void cellsRefuseValuesThatDoNotConvert_data();
    void cellsRefuseValuesThatDoNotConvert();
    void clampsRibNumbersToTheRibCount();
    void validationNamesTheFirstFaultyComb_data();
    void validationNamesTheFirstFaultyComb();
    void tableEditsAreCheckedAndRolledBack();
    void insertAndDeleteDeselectAndKeepIds();
};

void TestCombs::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
    CombListTableModel::setNumberOfRibs(5);
}

void TestCombs::newCombsDrawDistinctIds()
{
    const RibCombData a;
    const RibCombData b;
    const std::set<int> ids{a.getFirstPartId(), a.getSecondPartId(), a.getThirdPartId(),
                            b.getFirstPartId(), b.getSecondPartId(), b.getThirdPartId()};
    QCOMPARE(int(ids.size()), 6);
    QCOMPARE(RibCombData(a).getThirdPartId(), a.getThirdPartId());

    RibCombData odd = a;
    odd.setType(7);
    const auto out = TestSupport::captureOutput([&] { odd.generateIds(); });
    QVERIFY(QString::fromStdString(out.out).startsWith("Unknown comb ID in "));
    QCOMPARE(odd.getFirstPartId(), a.getFirstPartId());
}

void TestCombs::absolutePositionIsTheFrontEdge_data()
{
    QTest::addColumn<float>("position");
    QTest::addColumn<bool>("percent");
    QTest::addColumn<bool>("fromLE");
    QTest::addColumn<bool>("separateLast");
    QTest::addColumn<int>("which");
    QTest::addColumn<float>("expected");
    // Rib chord 200 mm, comb width 2 mm, last position 30 %.
    QTest::newRow("half chord") << 50.0f << true << true << false << 0 << 99.0f;
    QTest::newRow("millimetres") << 40.0f << false << true << false << 0 << 39.0f;
    QTest::newRow("from trailing edge") << 50.0f << false << false << false << 0 << 149.0f;
    QTest::newRow("last end falls back to first") << 50.0f << true << true << false << 1 << 99.0f;
    QTest::newRow("separate last end") << 50.0f << true << true << true << 1 << 59.0f;
}

void TestCombs::absolutePositionIsTheFrontEdge()
{
    QFETCH(float, position);
    QFETCH(bool, percent);
    QFETCH(bool, fromLE);
    QFETCH(bool, separateLast);
    QFETCH(int, which);
    QFETCH(float, expected);

    RibCombData comb;
    comb.setPosition(0, position);
    comb.setPosition(1, 30.0f);
    comb.setPercentageSelected(0, percent);
    comb.setMeasureFromLE(fromLE);
    comb.setSeparateLastPosition(separateLast);
    comb.setWidth(2.0f);
    RibDefinition rib(0.0f, 3.0f);
    rib.setChord(200.0f);
    float out = -1.0f;
    comb.getAbsolutePosition(out, which, rib);
    QCOMPARE(out, expected);
}

void TestCombs::cellsRefuseValuesThatDoNotConvert_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<QString>("after");
    QTest::newRow("type from text") << 1 << QVariant("0") << true << "0";
    QTest::newRow("type out of range") << 1 << QVariant(2) << false << "1";
    QTest::newRow("type not a number") << 1 << QVariant("up") << false << "1";
    QTest::newRow("first rib") << 2 << QVariant("4") << true << "4";
    QTest::newRow("first rib not a number") << 2 << QVariant("abc") << false << "1";
    QTest::newRow("last rib not a number") << 3 << QVariant("x3") << false << "2";
}

void TestCombs::cellsRefuseValuesThatDoNotConvert()
{
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(bool, taken);
    QFETCH(QString, after);
    RibCombData comb;
    QCOMPARE(comb.setCellData(column, value), taken);
    QCOMPARE(comb.getCellData(column).toString(), after);
}

void TestCombs::clampsRibNumbersToTheRibCount()
{
    RibCombList list;
    list.append(combOver("a", 3, 8));
    list.append(combOver("b", 7, 9));
    list.clampRibNumbers(5);
    QCOMPARE(list.getCombs().front().getFirstRib(), 3);
    QCOMPARE(list.getCombs().front().getLastRib(), 5);
    QCOMPARE(list.getCombs().back().getFirstRib(), 5);
}

void TestCombs::validationNamesTheFirstFaultyComb_data()
{
    QTest::addColumn<int>("firstRib");
    QTest::addColumn<int>("lastRib");
    QTest::addColumn<QString>("lines");
    QTest::newRow("to the last rib") << 1 << 5 << QString();
    QTest::newRow("one rib") << 3 << 3 << notBefore;
    QTest::newRow("backwards") << 4 << 2 << notBefore;
    QTest::newRow("all three") << 7 << 6 << firstLarger + lastLarger + notBefore;
    QTest::newRow("last beyond") << 2 << 6 << lastLarger;
    QTest::newRow("rib zero") << 0 << 3 << QString("The first rib must be at least 1\n");
}

void TestCombs::validationNamesTheFirstFaultyComb()
{
    QFETCH(int, firstRib);
    QFETCH(int, lastRib);
    QFETCH(QString, lines);

    CombListTableModel model;
    model.appendComb(combOver("fine", 1, 2));
    model.appendComb(combOver("tested", firstRib, lastRib));
    model.appendComb(combOver("also bad", 9, 9));
    QString message;
    QVERIFY(!model.validate(message));
    if (lines.isEmpty())
        QVERIFY(message.startsWith("Rib comb \"also bad\": \n\n"));
    else
        QCOMPARE(message, "Rib comb \"tested\": \n\n" + lines);
}

void TestCombs::tableEditsAreCheckedAndRolledBack()
{
    CombListTableModel model;
    model.appendComb(combOver("spine", 2, 4));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    bool found = false;
    const RibCombData& comb = model.getComb(0, found);

    QVERIFY(model.setData(model.index(0, 3), "5", Qt::EditRole));
    QCOMPARE(comb.getLastRib(), 5);
    QCOMPARE(changed.count(), 1);

    // A list the panel cannot live with: warned about and undone.
    QVERIFY(!model.setData(model.index(0, 3), 2, Qt::EditRole));
    QVERIFY(!model.setData(model.index(0, 2), 0, Qt::EditRole));
    QCOMPARE(comb.getLastRib(), 5);
    QCOMPARE(comb.getFirstRib(), 2);
    QCOMPARE(int(DialogSeam::calls().size()), 2);
    QCOMPARE(DialogSeam::calls()[0].title, QString("Error in combs table"));
    QCOMPARE(DialogSeam::calls()[0].text, "Rib comb \"spine\": \n\n" + notBefore);

    // Text that is no number is refused without a box and never stored as 0.
    QVERIFY(!model.setData(model.index(0, 2), "two", Qt::EditRole));
    QCOMPARE(comb.getFirstRib(), 2);
    QCOMPARE(int(DialogSeam::calls().size()), 2);

    // An index that outlived its row, as a view may hold one.
    CombListTableModel longer;
    for (int i = 0; i < 4; ++i)
        longer.appendComb(combOver("other", 1, 2));
    QVERIFY(!model.setData(longer.index(3, 0), "ghost", Qt::EditRole));
    QVERIFY(!model.data(longer.index(3, 0)).isValid());
    QCOMPARE(changed.count(), 1);

    const auto out = TestSupport::captureOutput(
        [&] { QVERIFY(!model.setData(model.index(0, 0), "x", Qt::DecorationRole)); });
    QVERIFY(QString::fromStdString(out.out).startsWith("Unknown role in CombListTableModel::setData: "));
}

void TestCombs::insertAndDeleteDeselectAndKeepIds()
{
    CombListTableModel model;
    model.appendComb(combOver("a", 1, 2));
    model.appendComb(combOver("b", 2, 3));
    bool found = false;
    model.getComb(0, found).setSelected(true);
    const RibCombData source = combOver("source", 3, 5);

    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.insertComb(1, &source);
    QCOMPARE(inserted[0][1].toInt(), 1);
    QCOMPARE(model.getComb(1, found).getName(), QString("source"));
    QCOMPARE(model.getComb(1, found).getFirstPartId(), source.getFirstPartId());
    QVERIFY(!model.getComb(0, found).isSelected());
    model.insertComb(10, nullptr);
    QCOMPARE(inserted[1][1].toInt(), 3);
    QCOMPARE(model.getComb(3, found).getName(), QString("New comb"));

    model.getComb(2, found).setSelected(true);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.deleteComb(7);
    model.deleteComb(0);
    model.deleteComb(2);
    QCOMPARE(model.getCombCount(), 2);
    QCOMPARE(model.getComb(0, found).getName(), QString("source"));
    QVERIFY(!model.getComb(1, found).isSelected());
    // Nothing is announced for a row that no longer exists.
    for (const auto& args : changed)
        QVERIFY(args[0].toModelIndex().row() < model.getCombCount());
}

QTEST_MAIN(TestCombs)
#include "tst_combs.moc"
