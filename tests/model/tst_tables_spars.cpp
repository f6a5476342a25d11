#include <QtTest>

#include "foundation/DialogSeam.h"
#include "model/SparsTableModel.h"

namespace {

SparDefinition makeSpar(SparType type, int first, int last, const QString& name = "S")
{
    return SparDefinition(name, type, first, last, 25, 25, true, false);
}

QString heading(const QString& name)
{
    return "Spar \"" + name + "\": \n\n";
}

} // namespace

Q_DECLARE_METATYPE(SparType)

class TestSparTable : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void validatesRibRangesByType_data();
    void validatesRibRangesByType();
    void validatesAssociatedWebbing_data();
    void validatesAssociatedWebbing();
    void reportsOnlyTheFirstFailingSpar();
    void refusedEditKeepsTheOldValue();
    void refusedTypeChangeKeepsTheSparAsItWas();
    void adjustsRibRangesToFewerRibs_data();
    void adjustsRibRangesToFewerRibs();
    void insertsAndRemovesSpars();
};

void TestSparTable::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
    SparsTableModel::setNumberOfRibs(5);
}

void TestSparTable::validatesRibRangesByType_data()
{
    QTest::addColumn<SparType>("type");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<QString>("lines");
    const QString tube = "Tube spars must start at the first rib or end at the last rib\n";
    const QString order = "The first rib is not in front of the last rib\n";
    QTest::newRow("tube inside") << SparType::Tube << 2 << 4 << tube;
    QTest::newRow("cuboid joiner inside") << SparType::CubeTube << 2 << 4 << tube;
    QTest::newRow("tube from root") << SparType::Tube << 1 << 4 << "";
    QTest::newRow("tube to tip") << SparType::Tube << 2 << 5 << "";
    QTest::newRow("round on one rib") << SparType::Round << 3 << 3 << "";
    QTest::newRow("cuboid on last rib") << SparType::Cube << 5 << 5 << "";
    QTest::newRow("webbing on one rib") << SparType::Webbing << 3 << 3 << order;
    QTest::newRow("tube on one rib") << SparType::Tube << 1 << 1 << order;
    QTest::newRow("square reversed") << SparType::Square << 4 << 3 << order;
    QTest::newRow("beyond the ribs") << SparType::Round << 7 << 8
                                     << "The first rib is larger than the number of ribs\n"
                                        "The last rib is larger than the number of ribs\n";
    QTest::newRow("rib zero") << SparType::Round << 0 << 2 << "The first rib must be at least 1\n";
}

void TestSparTable::validatesRibRangesByType()
{
    QFETCH(SparType, type);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(QString, lines);
    SparsTableModel model;
    model.getSparList().addSpar(makeSpar(type, first, last));
    QString message;
    QCOMPARE(model.validate(message), lines.isEmpty());
    QCOMPARE(message, lines.isEmpty() ? QString() : heading("S") + lines);
}

void TestSparTable::validatesAssociatedWebbing_data()
{
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("lines");
    QTest::newRow("to the last rib") << 1 << 0 << "";
    QTest::newRow("from zero") << 0 << 0
                               << "Associated webbing 'from' rib must be between 1 and number of ribs in panel minus 1\n";
    QTest::newRow("from the last rib") << 5 << 0
                                       << "Associated webbing 'from' rib must be between 1 and number of ribs in panel "
                                          "minus 1\n";
    QTest::newRow("to beyond") << 1 << 6
                               << "Associated webbing 'to' rib must be 0 or between 'from' rib and number of ribs in "
                                  "panel\n";
    QTest::newRow("to before from") << 3 << 3 << "Associated webbing 'from' rib must be smaller than the 'to' rib\n";
}

void TestSparTable::validatesAssociatedWebbing()
{
    QFETCH(int, from);
    QFETCH(int, to);
    QFETCH(QString, lines);
    SparDefinition spar = makeSpar(SparType::Square, 1, 5);
    spar.setSquareWebbingType(SquareWebbingType::Middle);
    spar.setSquareWebbingFrom(from);
    spar.setSquareWebbingTo(to);
    SparsTableModel model;
    model.getSparList().addSpar(spar);
    QString message;
    QCOMPARE(model.validate(message), lines.isEmpty());
    QCOMPARE(message, lines.isEmpty() ? QString() : heading("S") + lines);

    // Without webbing the webbing ribs are not looked at.
    bool found = false;
    model.findEditableSpar(0, found).setSquareWebbingType(SquareWebbingType::None);
    QVERIFY(model.validate(message));
}

void TestSparTable::reportsOnlyTheFirstFailingSpar()
{
    SparsTableModel model;
    model.getSparList().addSpar(makeSpar(SparType::Round, 1, 2, "fine"));
    model.getSparList().addSpar(makeSpar(SparType::Webbing, 3, 3, "web"));
    model.getSparList().addSpar(makeSpar(SparType::Tube, 2, 4, "tube"));
    QString message;
    QVERIFY(!model.validate(message));
    QCOMPARE(message, heading("web") + "The first rib is not in front of the last rib\n");
}

void TestSparTable::refusedEditKeepsTheOldValue()
{
    SparsTableModel model;
    model.getSparList().addSpar(makeSpar(SparType::Round, 1, 2));
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(!model.setData(model.index(0, 3), 9, Qt::EditRole));
    QCOMPARE(model.data(model.index(0, 3)).toInt(), 2);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(int(DialogSeam::calls().size()), 1);
    QCOMPARE(DialogSeam::calls().front().title, QString("Error in spars table"));
    QCOMPARE(DialogSeam::calls().front().text, heading("S") + "The last rib is larger than the number of ribs\n");

    QVERIFY(!model.setData(model.index(0, 2), QString("abc"), Qt::EditRole));
    QCOMPARE(model.data(model.index(0, 2)).toInt(), 1);

    QVERIFY(model.setData(model.index(0, 3), 5, Qt::EditRole));
    QCOMPARE(model.data(model.index(0, 3)).toInt(), 5);
    QCOMPARE(changed.count(), 1);
}

void TestSparTable::refusedTypeChangeKeepsTheSparAsItWas()
{
    SparsTableModel model;
    SparDefinition spar = makeSpar(SparType::Square, 2, 4);
    spar.setSquareSparWidth(10);
    spar.setSquareSparHeight(7);
    model.getSparList().addSpar(spar);
    // A round joiner from rib 2 to rib 4 of 5 is refused; the rectangular
    // spar must keep the dimensions the user gave it and its part ids.
    QVERIFY(!model.setData(model.index(0, 1), int(SparType::Tube), Qt::EditRole));
    bool found = false;
    const SparDefinition& kept = model.findSpar(0, found);
    QVERIFY(found);
    QCOMPARE(kept.getType(), SparType::Square);
    QCOMPARE(kept.getSquareSparWidth(), 10.0f);
    QCOMPARE(kept.getSquareSparHeight(), 7.0f);
    QCOMPARE(kept.getSquareSparId(0), spar.getSquareSparId(0));
    QCOMPARE(kept.getSquareSparId(1), spar.getSquareSparId(1));
}

void TestSparTable::adjustsRibRangesToFewerRibs_data()
{
    QTest::addColumn<SparType>("type");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("newFirst");
    QTest::addColumn<int>("newLast");
    QTest::newRow("tube keeps two ribs") << SparType::Tube << 4 << 6 << 3 << 4;
    QTest::newRow("cuboid joiner beyond") << SparType::CubeTube << 6 << 8 << 3 << 4;
    QTest::newRow("round stands on the last rib") << SparType::Round << 4 << 6 << 4 << 4;
    QTest::newRow("round beyond") << SparType::Round << 6 << 8 << 3 << 4;
    QTest::newRow("webbing keeps its first rib") << SparType::Webbing << 6 << 8 << 6 << 4;
    QTest::newRow("inside untouched") << SparType::Square << 1 << 3 << 1 << 3;
    QTest::newRow("last rib cut back") << SparType::Cube << 2 << 9 << 2 << 4;
}

void TestSparTable::adjustsRibRangesToFewerRibs()
{
    QFETCH(SparType, type);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, newFirst);
    QFETCH(int, newLast);
    SparList list;
    list.addSpar(makeSpar(type, first, last));
    list.adjustToNumberOfRibs(4);
    QCOMPARE(list.getSpars().front().getFirstRib(), newFirst);
    QCOMPARE(list.getSpars().front().getLastRib(), newLast);
}

void TestSparTable::insertsAndRemovesSpars()
{
    SparsTableModel model;
    model.getSparList().addSpar(makeSpar(SparType::Round, 1, 2, "a"));
    model.getSparList().addSpar(makeSpar(SparType::Round, 1, 2, "b"));
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    const SparDefinition source = makeSpar(SparType::Cube, 1, 3, "copy");
    model.insertSpar(1, &source);
    model.insertSpar(99, nullptr);
    QCOMPARE(model.getNumberOfSpars(), 4);
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(inserted.at(1).at(1).toInt(), 3); // past the end: appended
    bool found = false;
    QCOMPARE(model.findSpar(1, found).getSparName(), QString("copy"));
    QCOMPARE(model.findSpar(1, found).getCubeSparId(), source.getCubeSparId());
    QCOMPARE(model.findSpar(2, found).getSparName(), QString("b"));
    QCOMPARE(model.findSpar(3, found).getSparName(), QString("New spar"));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.removeSpar(3);
    model.removeSpar(0);
    model.removeSpar(7);
    QCOMPARE(model.getNumberOfSpars(), 2);
    QCOMPARE(model.findSpar(0, found).getSparName(), QString("copy"));
    for (const QList<QVariant>& args : changed)
        QVERIFY(args.at(1).value<QModelIndex>().row() < model.getNumberOfSpars());
    model.findSpar(2, found);
    QVERIFY(!found);
}

QTEST_MAIN(TestSparTable)
#include "tst_tables_spars.moc"
