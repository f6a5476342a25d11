#include "editing/LengthCalculator.h"
#include "foundation/XDoubleSpinBox.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {

// A catalogue of a handful of words, enough to see which texts follow a
// language change.
class GermanWords : public QTranslator
{
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        const QString key = QString(context) + "|" + source;
        if (key == "QObject|in")
            return "Zoll";
        if (key == "LengthCalculator|Rib data")
            return "Rippendaten";
        return QString();
    }
    bool isEmpty() const override { return false; }
};

struct Calculator
{
    LengthCalculator dialog;
    XDoubleSpinBox* thickness = dialog.findChild<XDoubleSpinBox*>("txtRibThickness");
    XDoubleSpinBox* ribs = dialog.findChild<XDoubleSpinBox*>("txtNoRibs");
    XDoubleSpinBox* distance = dialog.findChild<XDoubleSpinBox*>("txtDistanceBetweenRibs");
    QLabel* result = dialog.findChild<QLabel*>("txtLabelCalculatedLength");
    QPushButton* ok = dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Ok);
};

bool isRed(const QWidget* w)
{
    return w->palette().color(QPalette::Active, QPalette::Base) == QColor(255, 0, 0);
}

} // namespace

class TestLengthCalculator : public QObject
{
    Q_OBJECT

private slots:
    void opensWithValidDefaultResult();
    void computesLengthFromRibsDistanceAndThickness_data();
    void computesLengthFromRibsDistanceAndThickness();
    void recomputesOnEveryInputChange();
    void inputsKeepTheirRanges();
    void invalidInputDisablesOkAndKeepsLastLength_data();
    void invalidInputDisablesOkAndKeepsLastLength();
    void acceptedRunHandsBackLengthRibsAndThickness();
    void languageChangeKeepsResultInNewWording();
};

void TestLengthCalculator::opensWithValidDefaultResult()
{
    Calculator c;
    QCOMPARE(c.result->text(), QString("362.00mm / 14.252in"));
    QVERIFY(c.ok->isEnabled());
    QVERIFY(c.dialog.isDataValid());
    QCOMPARE(c.dialog.getLength(), 362.0f);
    QCOMPARE(c.dialog.windowTitle(), QString("Panel length calculator"));
    // A count needs no inch hint.
    QCOMPARE(c.ribs->getDisplayMode(), 0);
    QCOMPARE(c.ribs->getDisplayFactor(), 0.0f);
}

void TestLengthCalculator::computesLengthFromRibsDistanceAndThickness_data()
{
    QTest::addColumn<int>("ribs");
    QTest::addColumn<float>("thickness");
    QTest::addColumn<float>("distance");
    QTest::addColumn<float>("length");
    QTest::addColumn<QString>("shown");
    QTest::newRow("smallest") << 2 << 0.01f << 2.0f << 2.01f << "2.01mm / 0.079in";
    QTest::newRow("largest") << 100 << 50.0f << 150.0f << 14900.0f << "14900.00mm / 586.614in";
    QTest::newRow("twelve ribs") << 12 << 1.5f << 30.0f << 331.5f << "331.50mm / 13.051in";
    QTest::newRow("two ribs") << 2 << 3.0f << 100.0f << 103.0f << "103.00mm / 4.055in";
}

void TestLengthCalculator::computesLengthFromRibsDistanceAndThickness()
{
    QFETCH(int, ribs);
    QFETCH(float, thickness);
    QFETCH(float, distance);
    QFETCH(float, length);
    QFETCH(QString, shown);
    Calculator c;
    QSignalSpy typed(c.ribs, SIGNAL(valueChanged(QString)));
    c.dialog.setValues(ribs, thickness, distance);
    QCOMPARE(typed.count(), 0);
    QVERIFY(qAbs(c.dialog.getLength() - length) < 0.001f);
    QCOMPARE(c.result->text(), shown);
    QVERIFY(c.ok->isEnabled());
}

void TestLengthCalculator::recomputesOnEveryInputChange()
{
    Calculator c;
    c.ribs->setValue(11);
    QCOMPARE(c.result->text(), QString("402.00mm / 15.827in"));
    c.distance->setValue(50);
    QCOMPARE(c.result->text(), QString("502.00mm / 19.764in"));
    c.thickness->setValue(3);
    QCOMPARE(c.result->text(), QString("503.00mm / 19.803in"));
    QCOMPARE(c.dialog.getLength(), 503.0f);
}

void TestLengthCalculator::inputsKeepTheirRanges()
{
    Calculator c;
    // The rib count has no maximum of its own; whole numbers make it 100.
    QCOMPARE(c.ribs->maximum(), 100.0);
    // Values beyond the ranges are clamped, so they stay computable.
    c.dialog.setValues(500, 0.0f, 1000.0f);
    QCOMPARE(c.result->text(), QString("14850.01mm / 584.646in"));
    QVERIFY(c.ok->isEnabled());
}

void TestLengthCalculator::invalidInputDisablesOkAndKeepsLastLength_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    // The spin boxes' own ranges match the rules, so a wider range stands
    // in for a value that slips past them.
    QTest::newRow("distance too large") << "txtDistanceBetweenRibs" << 150.5;
    QTest::newRow("too many ribs") << "txtNoRibs" << 101.0;
    QTest::newRow("rib too thick") << "txtRibThickness" << 50.01;
}

void TestLengthCalculator::invalidInputDisablesOkAndKeepsLastLength()
{
    QFETCH(QString, field);
    QFETCH(double, value);
    Calculator c;
    auto* input = c.dialog.findChild<XDoubleSpinBox*>(field);
    input->setMaximum(1000);
    input->setValue(value);
    QVERIFY(isRed(input));
    QCOMPARE(c.result->text(), QString("-"));
    QVERIFY(!c.ok->isEnabled());
    QVERIFY(!c.dialog.isDataValid());
    QCOMPARE(c.dialog.getLength(), 362.0f);

    input->setValue(field == "txtNoRibs" ? 10.0 : field == "txtRibThickness" ? 2.0 : 40.0);
    QVERIFY(!isRed(input));
    QVERIFY(c.ok->isEnabled());
    QCOMPARE(c.result->text(), QString("362.00mm / 14.252in"));
}

void TestLengthCalculator::acceptedRunHandsBackLengthRibsAndThickness()
{
    Calculator c;
    c.dialog.setValues(7, 1.2f, 35.0f);
    QTimer::singleShot(0, c.ok, &QPushButton::click);
    QCOMPARE(c.dialog.exec(), int(QDialog::Accepted));
    QVERIFY(qAbs(c.dialog.getLength() - 211.2f) < 0.001f);
    QCOMPARE(c.dialog.getNoRibs(), 7.0f);
    QCOMPARE(c.dialog.getRibThickness(), 1.2f);

    QTimer::singleShot(0, &c.dialog, [&c] {
        c.dialog.findChild<QDialogButtonBox*>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
    });
    QCOMPARE(c.dialog.exec(), int(QDialog::Rejected));
}

void TestLengthCalculator::languageChangeKeepsResultInNewWording()
{
    Calculator c;
    c.dialog.setValues(12, 1.5f, 30.0f);
    GermanWords german;
    QApplication::installTranslator(&german);
    QCoreApplication::processEvents();
    QCOMPARE(c.dialog.findChild<QGroupBox*>("groupBox")->title(), QString("Rippendaten"));
    QCOMPARE(c.result->text(), QString("331.50mm / 13.051Zoll"));
    QVERIFY(c.ok->isEnabled());
    QApplication::removeTranslator(&german);
    QCoreApplication::processEvents();
    QCOMPARE(c.result->text(), QString("331.50mm / 13.051in"));
}

QTEST_MAIN(TestLengthCalculator)
#include "tst_lengthcalculator.moc"
