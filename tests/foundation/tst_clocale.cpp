#include <QtTest>
#include <clocale>

#include "foundation/CLocale.h"
#include "foundation/DialogSeam.h"

class TestCLocale : public QObject
{
    Q_OBJECT
private slots:
    void parsesNumbersWhateverTheLocale_data();
    void parsesNumbersWhateverTheLocale();
    void refusesGarbageAndNonFinite_data();
    void refusesGarbageAndNonFinite();
    void formatsWithPoint();
    void scriptedDialogsRecordAndAnswer();
};

void TestCLocale::parsesNumbersWhateverTheLocale_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("half") << "0.5" << 0.5;
    QTest::newRow("blanks") << "  -1.25\r\n" << -1.25;
    QTest::newRow("plus") << "+3" << 3.0;
    QTest::newRow("exponent") << "1e-3" << 0.001;
}

void TestCLocale::parsesNumbersWhateverTheLocale()
{
    QFETCH(QString, text);
    QFETCH(double, expected);
    const char* previous = std::setlocale(LC_NUMERIC, nullptr);
    const std::string saved = previous ? previous : "C";
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    double value = 0;
    const bool ok = CLocale::parseDouble(text, value);
    std::setlocale(LC_NUMERIC, saved.c_str());
    QVERIFY(ok);
    QCOMPARE(value, expected);
}

void TestCLocale::refusesGarbageAndNonFinite_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << "";
    QTest::newRow("comma") << "0,5";
    QTest::newRow("trailing") << "1.5abc";
    QTest::newRow("inf") << "inf";
    QTest::newRow("nan") << "nan";
    QTest::newRow("overflow") << "1e400";
}

void TestCLocale::refusesGarbageAndNonFinite()
{
    QFETCH(QString, text);
    double value = 42.0;
    QVERIFY(!CLocale::parseDouble(text, value));
    QCOMPARE(value, 42.0);
}

void TestCLocale::formatsWithPoint()
{
    QCOMPARE(QString::fromStdString(CLocale::toStdString(0.1)), QString("0.1"));
    QCOMPARE(CLocale::format(397.80913, 'g', 6), QString("397.809"));
    double back = 0;
    QVERIFY(CLocale::parseDouble(CLocale::toStdString(1.0 / 3.0), back));
    QCOMPARE(back, 1.0 / 3.0);
}

void TestCLocale::scriptedDialogsRecordAndAnswer()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
    DialogSeam::queueButton(QMessageBox::No);
    QCOMPARE(DialogSeam::warning(nullptr, "T", "x", QMessageBox::Yes | QMessageBox::No), QMessageBox::No);
    QCOMPARE(DialogSeam::warning(nullptr, "T2", "y"), QMessageBox::Ok);
    QCOMPARE(DialogSeam::choice(nullptr, QMessageBox::Question, "C", "z", {"a", "b", "c"}, 0, 2), 2);
    DialogSeam::queueFileName("/tmp/plane");
    QCOMPARE(DialogSeam::saveFileName(nullptr, "Save", "/tmp", "*.pfz", "pfz"), QString("/tmp/plane.pfz"));
    QCOMPARE(DialogSeam::openFileName(nullptr, "Open", "/tmp", "*.pfz"), QString());
    QCOMPARE(int(DialogSeam::calls().size()), 5);
    QCOMPARE(DialogSeam::calls()[1].title, QString("T2"));
    QCOMPARE(DialogSeam::calls()[2].buttons, QStringList({"a", "b", "c"}));
    DialogSeam::clear();
}

QTEST_MAIN(TestCLocale)
#include "tst_clocale.moc"
