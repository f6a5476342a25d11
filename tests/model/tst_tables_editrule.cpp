#include <QtTest>

#include "common/TestSupport.h"
#include "foundation/DialogSeam.h"
#include "model/TableEditRule.h"

namespace {

// A record with the table-cell protocol: column 0 an integer that must stay
// at most `limit`, column 1 a free text that resets the integer when changed
// (the kind of side effect a spar's type column has).
struct Record {
    int number = 3;
    QString text = "a";
    QVariant getCellData(int column) const { return column == 0 ? QVariant(number) : QVariant(text); }
    bool setCellData(int column, const QVariant& value)
    {
        if (column == 0) {
            bool ok = false;
            const int v = value.toInt(&ok);
            if (ok)
                number = v;
            return ok;
        }
        text = value.toString();
        number = 1;
        return true;
    }
};

} // namespace

class TestTableEditRule : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void keepsOrRollsBackByValidation_data();
    void keepsOrRollsBackByValidation();
    void refusedConversionRollsBackWithoutWarning();
    void recordRollbackUndoesSideEffects();
    void reportsUnknownRoles();
};

void TestTableEditRule::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
}

void TestTableEditRule::keepsOrRollsBackByValidation_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("kept");
    QTest::newRow("within") << 5 << true;
    QTest::newRow("at limit") << 7 << true;
    QTest::newRow("beyond") << 8 << false;
}

void TestTableEditRule::keepsOrRollsBackByValidation()
{
    QFETCH(int, value);
    QFETCH(bool, kept);
    Record r;
    int validations = 0;
    int seen = -1;
    const bool result = TableEditRule::editCell(r, 0, value, "Error in test table", [&](QString& message) {
        ++validations;
        seen = r.number;
        if (r.number > 7) {
            message = "too large\n";
            return false;
        }
        return true;
    });
    QCOMPARE(result, kept);
    QCOMPARE(validations, 1);
    QCOMPARE(seen, value); // the check sees the new value in place
    QCOMPARE(r.number, kept ? value : 3);
    if (kept) {
        QVERIFY(DialogSeam::calls().empty());
    } else {
        QCOMPARE(int(DialogSeam::calls().size()), 1);
        const DialogSeam::Call& call = DialogSeam::calls().front();
        QCOMPARE(call.icon, QMessageBox::Warning);
        QCOMPARE(call.title, QString("Error in test table"));
        QCOMPARE(call.text, QString("too large\n"));
    }
}

void TestTableEditRule::refusedConversionRollsBackWithoutWarning()
{
    Record r;
    bool validated = false;
    QVERIFY(!TableEditRule::editCell(r, 0, QVariant("abc"), "t", [&](QString&) {
        validated = true;
        return true;
    }));
    QCOMPARE(r.number, 3);
    QVERIFY(!validated);
    QVERIFY(DialogSeam::calls().empty());
}

void TestTableEditRule::recordRollbackUndoesSideEffects()
{
    Record r;
    const auto refuse = [](QString& message) {
        message = "no";
        return false;
    };
    // A plain cell rollback restores the text but not what its setter reset.
    QVERIFY(!TableEditRule::editCell(r, 1, QVariant("b"), "t", refuse));
    QCOMPARE(r.text, QString("a"));
    QCOMPARE(r.number, 1);

    Record s;
    QVERIFY(!TableEditRule::editRecord(s, 1, QVariant("b"), "t", refuse));
    QCOMPARE(s.text, QString("a"));
    QCOMPARE(s.number, 3);
}

void TestTableEditRule::reportsUnknownRoles()
{
    bool display = false, edit = false, decoration = true;
    const auto out = TestSupport::captureOutput([&] {
        display = TableEditRule::isEditRole(Qt::DisplayRole, "X::setData");
        edit = TableEditRule::isEditRole(Qt::EditRole, "X::setData");
        decoration = TableEditRule::isEditRole(Qt::DecorationRole, "X::setData");
    });
    QVERIFY(display);
    QVERIFY(edit);
    QVERIFY(!decoration);
    QCOMPARE(QString::fromStdString(out.out), QString("Unknown role in X::setData: 1\n"));
}

QTEST_MAIN(TestTableEditRule)
#include "tst_tables_editrule.moc"
