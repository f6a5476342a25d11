#include "editing/InputValueType.h"
#include "editing/XDoubleSpinBox.h"

#include <QLocale>
#include <QPointer>
#include <QSignalSpy>
#include <QtTest>
#include <memory>

namespace {

bool isRed(const QWidget& w)
{
    return w.palette().color(QPalette::Active, QPalette::Base) == QColor(255, 0, 0);
}

bool isWhite(const QWidget& w)
{
    return w.palette().color(QPalette::Active, QPalette::Base) == QColor(255, 255, 255);
}

void hover(QWidget& w)
{
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&w, &enter);
}

void unhover(QWidget& w)
{
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&w, &leave);
}

} // namespace

class TestXDoubleSpinBox : public QObject
{
    Q_OBJECT

private slots:
    void displayModeSetsUnitFactorAndPopupText_data();
    void displayModeSetsUnitFactorAndPopupText();
    void popupFollowsEveryValueChange();
    void popupShowsAboveFieldOnlyWithFactor_data();
    void popupShowsAboveFieldOnlyWithFactor();
    void popupDiesWithField();

    void fieldColoursByRule_data();
    void fieldColoursByRule();
    void fieldWithoutRuleIsAlwaysValid();
    void silentSetValueTellsNobody();
    void setValueRestoresEarlierSignalBlocking();
    void valueTextIgnoresUserLocale();
};

static void modeRow(const char* name, int mode, float reference, double value, const QString& unit,
                           float factor, const QString& text)
{
    QTest::newRow(name) << mode << reference << value << unit << factor << text;
}

void TestXDoubleSpinBox::displayModeSetsUnitFactorAndPopupText_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<float>("reference");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QString>("text");

    // 5 mm on a 40 mm chord.
    modeRow("1: millimetres, also in percent", 1, 40.0f, 5.0, "%", 2.5f, "12.50% / 0.197in");
    modeRow("1: percent of 200", 1, 200.0f, 50.0, "%", 0.5f, "25.00% / 1.969in");
    // 25 % of 200 mm.
    modeRow("2: percent, also in millimetres", 2, 200.0f, 25.0, "mm", 2.0f, "50.00mm / 1.969in");
    modeRow("3: inches only", 3, 123.0f, 25.4, "", 1.0f, "1.000in");
    modeRow("0: no popup, label untouched", 0, 1.0f, 25.4, "", 0.0f, "previous");
    modeRow("2 without reference: no popup", 2, 0.0f, 25.0, "mm", 0.0f, "0.00mm / 0.000in");
    modeRow("1 without reference: no popup, no infinity", 1, 0.0f, 25.0, "%", 0.0f,
                          "0.00% / 0.984in");
    modeRow("unknown mode empties the label", 7, 1.0f, 25.4, "mm", 2.0f, "");
}

void TestXDoubleSpinBox::displayModeSetsUnitFactorAndPopupText()
{
    QFETCH(int, mode);
    QFETCH(float, reference);
    QFETCH(double, value);
    QFETCH(QString, unit);
    QFETCH(float, factor);
    QFETCH(QString, text);

    XDoubleSpinBox field(nullptr, 1.0f);
    field.setRange(0.0, 1000.0);
    field.setValue(value, true);
    // An earlier state, so that rows can tell "untouched" and "unchanged".
    field.setDisplayMode(2, 200.0f);
    const QString before = field.popupText();
    QVERIFY(before.startsWith(QString::number(value * 2.0, 'f', 2)));
    if (text == "previous")
        text = before;

    field.setDisplayMode(mode, reference);
    QCOMPARE(field.getDisplayMode(), mode);
    QCOMPARE(field.getUnit(), unit);
    QCOMPARE(field.getDisplayFactor(), factor);
    QCOMPARE(field.popupText(), text);
}

void TestXDoubleSpinBox::popupFollowsEveryValueChange()
{
    XDoubleSpinBox field(nullptr, 1.0f);
    field.setRange(0.0, 1000.0);
    field.setValueInPercent(true, 200.0f);
    QCOMPARE(field.getDisplayMode(), 2);

    field.setValue(25.0);
    QCOMPARE(field.popupText(), QString("50.00mm / 1.969in"));
    field.setValue(50.0, true);
    QCOMPARE(field.popupText(), QString("100.00mm / 3.937in"));
    // The spin box clamps; the popup tells what the field holds.
    field.setValue(5000.0, true);
    QCOMPARE(field.popupText(), QString("2000.00mm / 78.740in"));

    field.setValueInPercent(false, 200.0f);
    QCOMPARE(field.popupText(), QString("500.00% / 39.370in"));

    // In mode 0 the label keeps what it showed last.
    field.setDisplayMode(0, 1.0f);
    field.setValue(1.0);
    field.setValue(2.0, true);
    QCOMPARE(field.popupText(), QString("500.00% / 39.370in"));
}

void TestXDoubleSpinBox::popupShowsAboveFieldOnlyWithFactor_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<float>("reference");
    QTest::addColumn<bool>("shown");

    QTest::newRow("inches") << 3 << 1.0f << true;
    QTest::newRow("percent") << 1 << 40.0f << true;
    QTest::newRow("mode 0") << 0 << 1.0f << false;
    QTest::newRow("millimetres of nothing") << 2 << 0.0f << false;
}

void TestXDoubleSpinBox::popupShowsAboveFieldOnlyWithFactor()
{
    QFETCH(int, mode);
    QFETCH(float, reference);
    QFETCH(bool, shown);

    QWidget window;
    window.resize(300, 200);
    XDoubleSpinBox field(&window, 1.0f);
    field.move(40, 120);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    field.setDisplayMode(mode, reference);

    hover(field);
    QCOMPARE(field.popupWindow()->isVisible(), shown);
    if (shown) {
        QCOMPARE(field.popupWindow()->pos(), field.mapToGlobal(QPoint(0, -field.popupWindow()->height())));
        unhover(field);
        QVERIFY(!field.popupWindow()->isVisible());
    }
}

void TestXDoubleSpinBox::popupDiesWithField()
{
    auto field = std::make_unique<XDoubleSpinBox>(nullptr, 1.0f);
    field->show();
    hover(*field);
    QPointer<QWidget> popup = field->popupWindow();
    QVERIFY(popup->isVisible());
    field.reset();
    QVERIFY(popup.isNull());
}

void TestXDoubleSpinBox::fieldColoursByRule_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");

    QTest::newRow("9 within") << 9 << 10.0 << 5000.0 << 10.0 << true;
    QTest::newRow("9 below") << 9 << 10.0 << 5000.0 << 9.99 << false;
    // Six significant digits: the rule sees "5000".
    QTest::newRow("9 judged on six digits") << 9 << 10.0 << 5000.0 << 5000.0004 << true;
    QTest::newRow("9 above") << 9 << 10.0 << 5000.0 << 5000.01 << false;
    QTest::newRow("10 whole") << 10 << 2.0 << 100.0 << 100.0 << true;
    QTest::newRow("10 fraction") << 10 << 2.0 << 100.0 << 2.5 << false;
    QTest::newRow("6 zero") << 6 << 0.0 << 0.0 << 0.0 << false;
}

void TestXDoubleSpinBox::fieldColoursByRule()
{
    QFETCH(int, kind);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(double, value);
    QFETCH(bool, valid);

    XDoubleSpinBox field(nullptr, 1.0f);
    field.setDecimals(4);
    field.setRange(-1.0, 100000.0);
    if (kind == 10)
        field.setInputValueType(new InputValueType(kind, static_cast<int>(low), static_cast<int>(high)));
    else
        field.setInputValueType(new InputValueType(kind, low, high));

    // Every edit is judged as it happens, from either colour.
    field.setValue(valid ? -1.0 : 50.0);
    field.setValue(value);
    QCOMPARE(isRed(field), !valid);
    QCOMPARE(isWhite(field), valid);
    QCOMPARE(field.isValid(), valid);
}

void TestXDoubleSpinBox::fieldWithoutRuleIsAlwaysValid()
{
    XDoubleSpinBox field(nullptr, 1.0f);
    field.setRange(-1e6, 1e6);
    field.setValue(-12345.0);
    QVERIFY(field.isValid());
    QVERIFY(!isRed(field));
}

void TestXDoubleSpinBox::silentSetValueTellsNobody()
{
    XDoubleSpinBox field(nullptr, 1.0f);
    field.setRange(0.0, 100.0);
    field.setInputValueType(new InputValueType(9, 10.0, 50.0));
    field.setValue(20.0);
    QVERIFY(isWhite(field));

    QSignalSpy numbers(&field, SIGNAL(valueChanged(double)));
    field.setValue(80.0, true);
    QCOMPARE(field.value(), 80.0);
    QCOMPARE(numbers.count(), 0);
    // Nobody judged the value: the colour is the old one until asked.
    QVERIFY(isWhite(field));
    QVERIFY(!field.isValid());
    QVERIFY(isRed(field));

    field.setValue(30.0, false);
    QCOMPARE(numbers.count(), 1);
    QVERIFY(isWhite(field));
}

void TestXDoubleSpinBox::setValueRestoresEarlierSignalBlocking()
{
    XDoubleSpinBox field(nullptr, 1.0f);
    field.blockSignals(true);
    field.setValue(1.0, false);
    QVERIFY(field.signalsBlocked());
    field.blockSignals(false);
    field.setValue(2.0, true);
    QVERIFY(!field.signalsBlocked());
}

void TestXDoubleSpinBox::valueTextIgnoresUserLocale()
{
    XDoubleSpinBox field(nullptr, 1.0f);
    field.setLocale(QLocale(QLocale::German, QLocale::Germany));
    field.setValue(1.5, true);
    QCOMPARE(field.text(), QString("1,50"));
    QCOMPARE(field.valueText(), QString("1.5"));
    field.setRange(0.0, 1e7);
    field.setValue(1234567.0, true);
    QCOMPARE(field.valueText(), QString("1.23457e+06"));
}

QTEST_MAIN(TestXDoubleSpinBox)
#include "tst_xdoublespinbox.moc"
