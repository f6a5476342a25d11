#include <QtTest>

#include "common/TestSupport.h"
#include "foundation/DialogSeam.h"
#include "model/RibListTableModel.h"

namespace {

struct RibSpec {
    float position;
    float thickness;
};

void fill(RibListTableModel& model, const QVector<RibSpec>& ribs, float panelLength)
{
    model.clear();
    for (const RibSpec& r : ribs)
        model.getRibList().addRib(RibDefinition(r.position, r.thickness));
    model.setPanelLength(panelLength);
}

float cell(const RibListTableModel& model, int row, int column)
{
    return model.data(model.index(row, column)).toFloat();
}

const QString lastRibText = "Last rib position + thickness must equal panel length.\n";

} // namespace

Q_DECLARE_METATYPE(QVector<RibSpec>)

class TestRibTable : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void validatesTheWholeList_data();
    void validatesTheWholeList();
    void suppressesMessagesAfterTheFourth();
    void editOfLastRibIsCheckedAgainstPanelLength_data();
    void editOfLastRibIsCheckedAgainstPanelLength();
    void textThatDoesNotConvertIsRolledBack();
    void splitsARibInTwo();
    void insertsARibMidwayButNotAfterTheLast();
    void deletesARibWithoutAnnouncingAVanishedRow();
    void reportsRowsOutsideTheList();
    void aWriteToAMissingRowReachesNoLaterLookup();
};

void TestRibTable::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
}

void TestRibTable::validatesTheWholeList_data()
{
    QTest::addColumn<QVector<RibSpec>>("ribs");
    QTest::addColumn<QString>("strictMessage");
    QTest::addColumn<QString>("looseMessage");
    QTest::newRow("even") << QVector<RibSpec>{{0, 3}, {100, 3}, {297, 3}} << "" << "";
    QTest::newRow("last within tolerance") << QVector<RibSpec>{{0, 3}, {100, 3}, {297.005f, 3}} << "" << "";
    QTest::newRow("overlap") << QVector<RibSpec>{{0, 3}, {1.5f, 3}, {297, 3}}
                             << "Rib 1 overlaps with the rib 2.\n" << "";
    QTest::newRow("touching is no overlap") << QVector<RibSpec>{{0, 3}, {3, 3}, {297, 3}} << "" << "";
    QTest::newRow("first off zero") << QVector<RibSpec>{{1, 3}, {100, 3}, {297, 3}}
                                    << "First rib must be on position 0.\n" << "";
    QTest::newRow("last short") << QVector<RibSpec>{{0, 3}, {100, 3}, {290, 3}} << lastRibText << "";
    QTest::newRow("last long") << QVector<RibSpec>{{0, 3}, {100, 3}, {297, 3.02f}} << lastRibText << lastRibText;
    QTest::newRow("single rib") << QVector<RibSpec>{{0, 300}} << "" << "";
    QTest::newRow("no ribs") << QVector<RibSpec>{} << "" << "";
}

void TestRibTable::validatesTheWholeList()
{
    QFETCH(QVector<RibSpec>, ribs);
    QFETCH(QString, strictMessage);
    QFETCH(QString, looseMessage);
    RibListTableModel model;
    fill(model, ribs, 300);
    QString message = "stale";
    QCOMPARE(model.validate(message, true), strictMessage.isEmpty());
    QCOMPARE(message, strictMessage);
    QCOMPARE(model.validate(message, false), looseMessage.isEmpty());
    QCOMPARE(message, looseMessage);
}

void TestRibTable::suppressesMessagesAfterTheFourth()
{
    RibListTableModel model;
    fill(model, {{0, 3}, {0, 3}, {0, 3}, {0, 3}, {0, 3}, {0, 3}}, 300);
    QString message;
    QVERIFY(!model.validate(message, true));
    QCOMPARE(message, QString("Rib 1 overlaps with the rib 2.\n"
                              "Rib 2 overlaps with the rib 3.\n"
                              "Rib 3 overlaps with the rib 4.\n"
                              "Rib 4 overlaps with the rib 5.\n"
                              "\n(possible additional error messages suppressed)"));
}

void TestRibTable::editOfLastRibIsCheckedAgainstPanelLength_data()
{
    QTest::addColumn<double>("thickness");
    QTest::addColumn<bool>("kept");
    QTest::newRow("ends at 300.005") << 3.005 << true;
    QTest::newRow("ends at 300.02") << 3.02 << false;
}

void TestRibTable::editOfLastRibIsCheckedAgainstPanelLength()
{
    QFETCH(double, thickness);
    QFETCH(bool, kept);
    RibListTableModel model;
    fill(model, {{0, 3}, {100, 3}, {297, 3}}, 300);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    const QModelIndex cellIndex = model.index(2, 1);
    QCOMPARE(model.setData(cellIndex, thickness, Qt::EditRole), kept);
    QCOMPARE(cell(model, 2, 1), kept ? float(thickness) : 3.0f);
    // The view learns about the cell either way, so it shows what stayed.
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).value<QModelIndex>(), cellIndex);
    if (kept) {
        QVERIFY(DialogSeam::calls().empty());
    } else {
        QCOMPARE(int(DialogSeam::calls().size()), 1);
        QCOMPARE(DialogSeam::calls().front().title, QString("Error in ribs table"));
        QCOMPARE(DialogSeam::calls().front().text, lastRibText);
    }
}

void TestRibTable::textThatDoesNotConvertIsRolledBack()
{
    RibListTableModel model;
    fill(model, {{0, 3}, {100, 3}, {297, 3}}, 300);
    QVERIFY(!model.setData(model.index(1, 0), QString("abc"), Qt::EditRole));
    QCOMPARE(cell(model, 1, 0), 100.0f);
    QVERIFY(DialogSeam::calls().empty());
}

void TestRibTable::splitsARibInTwo()
{
    RibListTableModel model;
    fill(model, {{0, 3}, {100, 4}, {297, 3}}, 300);
    bool found = false;
    model.getRib(0, found).setSelected(true);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.splitRib(1);
    QCOMPARE(model.getRibCount(), 4);
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.first().at(1).toInt(), 2);
    QCOMPARE(cell(model, 1, 0), 100.0f);
    QCOMPARE(cell(model, 1, 1), 2.0f);
    QCOMPARE(cell(model, 2, 0), 102.0f);
    QCOMPARE(cell(model, 2, 1), 2.0f);
    // Only the new half is selected.
    for (int row = 0; row < 4; ++row)
        QCOMPARE(model.findRib(row, found).isSelected(), row == 2);
}

void TestRibTable::insertsARibMidwayButNotAfterTheLast()
{
    RibListTableModel model;
    fill(model, {{0, 3}, {100, 3}, {200, 5}, {297, 3}}, 300);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.insertRib(1);
    QCOMPARE(model.getRibCount(), 5);
    QCOMPARE(cell(model, 2, 0), 150.0f);
    QCOMPARE(cell(model, 2, 1), 3.0f);
    bool found = false;
    QVERIFY(model.findRib(2, found).isSelected());

    // No rib follows the last one: nothing may be announced or inserted.
    inserted.clear();
    model.insertRib(4);
    model.insertRib(7);
    QCOMPARE(model.getRibCount(), 5);
    QCOMPARE(inserted.count(), 0);
}

void TestRibTable::deletesARibWithoutAnnouncingAVanishedRow()
{
    RibListTableModel model;
    fill(model, {{0, 3}, {100, 3}, {297, 3}}, 300);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    model.deleteRib(2);
    QCOMPARE(model.getRibCount(), 2);
    QCOMPARE(removed.count(), 1);
    for (const QList<QVariant>& args : changed)
        QVERIFY(args.at(1).value<QModelIndex>().row() < model.getRibCount());

    model.deleteRib(0);
    QCOMPARE(model.getRibCount(), 1);
    QCOMPARE(cell(model, 0, 0), 100.0f);
    model.deleteRib(5);
    QCOMPARE(model.getRibCount(), 1);
}

void TestRibTable::reportsRowsOutsideTheList()
{
    RibListTableModel model;
    fill(model, {{0, 3}, {297, 3}}, 300);
    bool found = true;
    const auto out = TestSupport::captureOutput([&] { model.findRib(2, found); });
    QVERIFY(!found);
    QCOMPARE(QString::fromStdString(out.out),
             QString("const RibDefinition& RibListTableModel::findRib(int, bool&) const: 'position'2 out of range, "
                     "returning false!\n"));
    found = true;
    model.findRib(-1, found);
    QVERIFY(!found);
    QCOMPARE(model.getRibChord(-1, found), 0.0f);
    QVERIFY(!model.data(model.index(0, 0), Qt::DecorationRole).isValid());
}

void TestRibTable::aWriteToAMissingRowReachesNoLaterLookup()
{
    RibListTableModel model, other;
    fill(model, {{0, 3}}, 100);
    bool found = true;
    model.getRib(5, found).position = 42.0f;
    QVERIFY(!found);
    QCOMPARE(model.getRib(5, found).position, 0.0f);
    other.getRib(0, found).thickness = 7.0f;
    QCOMPARE(model.findRib(5, found).thickness, 0.0f);
}

QTEST_MAIN(TestRibTable)
#include "tst_tables_ribs.moc"
