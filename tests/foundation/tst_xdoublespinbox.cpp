#include "foundation/CLocale.h"
#include "foundation/InputValueType.h"
#include "foundation/PendingEdit.h"
#include "foundation/XDoubleSpinBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QToolButton>
#include <QtTest>
#include <memory>

namespace {

QColor base(const QWidget& w)
{
    return w.palette().color(QPalette::Active, QPalette::Base);
}

void sendEvent(QWidget& w, QEvent::Type type)
{
    QEvent event(type);
    QCoreApplication::sendEvent(&w, &event);
}

} // namespace

class TestXDoubleSpinBox : public QObject
{
    Q_OBJECT

private slots:
    void displayModeSetsUnitFactorAndPopupText_data();
    void displayModeSetsUnitFactorAndPopupText();
    void popupCoversNoOtherFieldOnlyWithFactor();
    void fieldColoursByRule_data();
    void fieldColoursByRule();
    void silentSetValueTellsNobody();
    void valueTextIgnoresUserLocale();
    void typedNumberIsReadAsMeant_data();
    void typedNumberIsReadAsMeant();
    void finishedEditEndsAsLeavingWould_data();
    void finishedEditEndsAsLeavingWould();
};

void TestXDoubleSpinBox::displayModeSetsUnitFactorAndPopupText_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<float>("reference");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<float>("factor");
    QTest::addColumn<QString>("text");

    // Every row starts from mode 2 on 200 mm ("previous": label untouched).
    QTest::newRow("1: 5 mm of a 40 mm chord") << 1 << 40.0f << 5.0 << "%" << 2.5f << "12.50% / 0.197in";
    QTest::newRow("1 by percent flag") << -1 << 200.0f << 50.0 << "%" << 0.5f << "25.00% / 1.969in";
    QTest::newRow("2 by percent flag") << -2 << 200.0f << 25.0 << "mm" << 2.0f << "50.00mm / 1.969in";
    QTest::newRow("3: inches only") << 3 << 123.0f << 25.4 << "" << 1.0f << "1.000in";
    QTest::newRow("0: no popup") << 0 << 1.0f << 25.4 << "" << 0.0f << "previous";
    QTest::newRow("2 without reference") << 2 << 0.0f << 25.0 << "mm" << 0.0f << "0.00mm / 0.000in";
    // 100 / 0 would put "inf%" into the popup.
    QTest::newRow("1 without reference") << 1 << 0.0f << 25.0 << "%" << 0.0f << "0.00% / 0.984in";
    QTest::newRow("unknown mode") << 7 << 1.0f << 25.4 << "mm" << 2.0f << "";
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
    field.setDisplayMode(2, 200.0f);
    field.setValue(value, true);
    if (text == "previous")
        text = field.popupText();

    if (mode < 0)
        field.setValueInPercent(mode == -2, reference);
    else
        field.setDisplayMode(mode, reference);
    QCOMPARE(field.getDisplayMode(), qAbs(mode));
    QCOMPARE(field.getUnit(), unit);
    QCOMPARE(field.getDisplayFactor(), factor);
    QCOMPARE(field.popupText(), text);
    // Mode 0 leaves the label alone on later edits too.
    field.setValue(value * 2);
    if (mode == 0)
        QCOMPARE(field.popupText(), text);
}

void TestXDoubleSpinBox::popupCoversNoOtherFieldOnlyWithFactor()
{
    // Three fields stacked as in a form, the middle one hovered, and one at
    // the screen's right edge where a popup beside it would leave the screen.
    // The row of the hovered field goes on with what explains and
    // completes it: an angle label and a button.
    QWidget window;
    window.resize(400, 200);
    auto* above = new XDoubleSpinBox(&window, 1.0f);
    auto* field = new XDoubleSpinBox(&window, 1.0f);
    auto* below = new XDoubleSpinBox(&window, 1.0f);
    auto* angle = new QLabel("(15.44°)", &window);
    auto* button = new QToolButton(&window);
    above->setGeometry(140, 60, 120, 26);
    field->setGeometry(140, 90, 120, 26);
    below->setGeometry(140, 120, 120, 26);
    angle->setGeometry(265, 90, 60, 26);
    button->setGeometry(330, 90, 26, 26);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QPointer<QWidget> popup = field->popupWindow();
    const auto globalRect = [](const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); };

    sendEvent(*field, QEvent::Enter);
    QVERIFY(popup->isVisible());
    for (const QWidget* w : std::initializer_list<const QWidget*>{above, field, below, angle, button})
        QVERIFY(!popup->geometry().intersects(globalRect(w)));
    sendEvent(*field, QEvent::Leave);
    QVERIFY(!popup->isVisible());
    angle->hide();
    button->hide();

    const QRect screen = window.screen()->availableGeometry();
    field->setGeometry(window.width() - 120, 90, 120, 26);
    window.move(window.pos() + QPoint(screen.right() - window.geometry().right(), 0));
    // Beside it on the right there is no room left.
    QTRY_VERIFY(globalRect(field).right() + popup->width() / 2 > screen.right());
    sendEvent(*field, QEvent::Enter);
    QVERIFY(screen.contains(popup->geometry()));
    QVERIFY(!popup->geometry().intersects(globalRect(field)));
    sendEvent(*field, QEvent::Leave);

    field->setDisplayMode(0, 1.0f);
    sendEvent(*field, QEvent::Enter);
    QVERIFY(!popup->isVisible());

    // A window of its own: it must not outlive the field, shown or not.
    field->setDisplayMode(3, 1.0f);
    sendEvent(*field, QEvent::Enter);
    delete field;
    QVERIFY(popup.isNull());
}

void TestXDoubleSpinBox::fieldColoursByRule_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");

    QTest::newRow("no rule") << -1 << -12345.0 << true;
    QTest::newRow("9 within") << 9 << 10.0 << true;
    QTest::newRow("9 below") << 9 << 9.99 << false;
    // Judged on six significant digits: "5000".
    QTest::newRow("9 rounded into range") << 9 << 5000.0004 << true;
    QTest::newRow("9 above") << 9 << 5000.01 << false;
    QTest::newRow("10 fraction") << 10 << 2.5 << false;
    QTest::newRow("10 whole") << 10 << 100.0 << true;
}

void TestXDoubleSpinBox::fieldColoursByRule()
{
    QFETCH(int, kind);
    QFETCH(double, value);
    QFETCH(bool, valid);

    XDoubleSpinBox field(nullptr, 1.0f);
    field.setDecimals(4);
    field.setRange(-1e6, 1e6);
    if (kind == 9)
        field.setInputValueType(new InputValueType(9, 10.0, 5000.0));
    else if (kind == 10)
        field.setInputValueType(new InputValueType(10, 2, 100));

    // Every edit is judged as it happens, from either colour.
    field.setValue(valid ? 1e6 : 50.0);
    field.setValue(value);
    QCOMPARE(base(field), valid ? QColor(255, 255, 255) : QColor(255, 0, 0));
    QCOMPARE(field.isValid(), valid);
}

void TestXDoubleSpinBox::silentSetValueTellsNobody()
{
    XDoubleSpinBox field(nullptr, 1.0f);
    field.setRange(0.0, 100.0);
    field.setInputValueType(new InputValueType(9, 10.0, 50.0));
    field.setValue(20.0);
    QSignalSpy numbers(&field, SIGNAL(valueChanged(double)));

    field.setValue(80.0, true);
    QCOMPARE(numbers.count(), 0);
    QCOMPARE(field.popupText(), QString("3.150in"));
    // Nobody judged the value: the old colour stays until asked.
    QCOMPARE(base(field), QColor(255, 255, 255));
    QVERIFY(!field.isValid());
    QCOMPARE(base(field), QColor(255, 0, 0));

    field.setValue(30.0, false);
    QCOMPARE(numbers.count(), 1);
    QCOMPARE(base(field), QColor(255, 255, 255));

    // The caller's own blocking survives either way.
    field.blockSignals(true);
    field.setValue(40.0, false);
    QVERIFY(field.signalsBlocked());
    field.blockSignals(false);
    field.setValue(45.0, true);
    QVERIFY(!field.signalsBlocked());
}

void TestXDoubleSpinBox::valueTextIgnoresUserLocale()
{
    XDoubleSpinBox field(nullptr, 1.0f);
    field.setLocale(QLocale(QLocale::German, QLocale::Germany));
    field.setRange(0.0, 1e7);
    field.setValue(1.5, true);
    QCOMPARE(field.text(), QString("1,50"));
    QCOMPARE(field.valueText(), QString("1.5"));
    field.setValue(1234567.0, true);
    QCOMPARE(field.valueText(), QString("1.23457e+06"));
}

void TestXDoubleSpinBox::typedNumberIsReadAsMeant_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("wholeText");

    // Every field starts at 10 in the range 0.75 to 5000; a refused text
    // leaves it there, whatever was taken on the way. Typed once over the
    // number as Tab and Ctrl+A select it, once over the whole text, unit
    // included, as End, Shift+Home or a drag select it.
    struct Row
    {
        QByteArray name;
        const char* language;
        int decimals;
        const char* typed;
        double value;
    };
    QList<Row> rows;
    for (const char* language : {"de_DE", "en_US"}) {
        const QByteArray lang(language);
        rows << Row{lang + " point", language, 2, "400.5", 400.5} << Row{lang + " comma", language, 2, "400,5", 400.5}
             << Row{lang + " leading separator", language, 2, ",75", 0.75}
             << Row{lang + " exponent", language, 2, "4e2", 400.0}
             << Row{lang + " above maximum", language, 2, "5001", 10.0}
             << Row{lang + " whole number", language, 0, "25", 25.0}
             << Row{lang + " fraction of a whole number", language, 0, "2,5", 10.0};
    }
    rows << Row{"de grouping", "de_DE", 2, "1.000,5", 10.0} << Row{"en grouping", "en_US", 2, "1,000.5", 10.0}
         << Row{"letters", "en_US", 2, "4x5mm", 10.0} << Row{"more decimals than kept", "en_US", 2, "1.234", 10.0}
         << Row{"trailing zeros", "de_DE", 2, "1,2300", 1.23}
         << Row{"exponent of a whole number", "en_US", 0, "1e2", 10.0} << Row{"empty", "de_DE", 2, "", 10.0}
         // Below the field's minimum: the old value stays, never the 5 that
         // dropping the German group separator would make of it.
         << Row{"de below minimum", "de_DE", 2, "0.5", 10.0} << Row{"en below minimum", "en_US", 2, "0,5", 10.0};
    for (bool wholeText : {false, true})
        for (const Row& row : rows)
            QTest::addRow("%s, %s selected", row.name.constData(), wholeText ? "whole text" : "number")
                << row.language << row.decimals << row.typed << row.value << wholeText;
}

void TestXDoubleSpinBox::typedNumberIsReadAsMeant()
{
    QFETCH(QString, language);
    QFETCH(int, decimals);
    QFETCH(QString, typed);
    QFETCH(double, value);
    QFETCH(bool, wholeText);

    const QLocale previous;
    QLocale::setDefault(QLocale(language));
    XDoubleSpinBox field(nullptr, 1.0f);
    QLocale::setDefault(previous);
    field.setDecimals(decimals);
    field.setRange(0.75, 5000.0);
    field.setSuffix("mm");
    field.setValue(10.0, true);
    QSignalSpy heard(&field, SIGNAL(valueChanged(double)));
    field.show();
    QVERIFY(QTest::qWaitForWindowExposed(&field));
    field.setFocus();
    field.selectAll();
    if (wholeText) {
        QTest::keyClick(&field, Qt::Key_End);
        QTest::keyClick(&field, Qt::Key_Home, Qt::ShiftModifier);
        QCOMPARE(field.findChild<QLineEdit*>()->selectedText(), field.text());
    }
    QTest::keyClicks(&field, typed);
    if (typed.isEmpty())
        QTest::keyClick(&field, Qt::Key_Delete);
    // Shown as typed, red with the reason while it is refused.
    QCOMPARE(field.text(), typed + "mm");
    const bool refused = value == 10.0;
    QCOMPARE(field.refusal().isEmpty(), !refused);
    QCOMPARE(base(field) == QColor(255, 0, 0), refused);
    // Meanwhile the field, its popup and its listeners hold the value from
    // before, not a number taken on the way.
    if (refused) {
        QCOMPARE(field.value(), 10.0);
        QCOMPARE(field.popupText(), CLocale::display(10.0 / 25.4, 'f', 3) + "in");
        if (!heard.isEmpty())
            QCOMPARE(heard.last().at(0).toDouble(), 10.0);
    }
    QTest::keyClick(&field, Qt::Key_Return);
    field.clearFocus();
    QCOMPARE(field.value(), value);
    QCOMPARE(field.text(), QLocale(language).toString(value, 'f', decimals) + "mm");
    QVERIFY(field.refusal().isEmpty());
    QVERIFY(base(field) != QColor(255, 0, 0));
    // Whoever listened while the number was typed ends with what is shown.
    if (!heard.isEmpty())
        QCOMPARE(heard.last().at(0).toDouble(), value);
}

void TestXDoubleSpinBox::finishedEditEndsAsLeavingWould_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<double>("value");
    QTest::newRow("number") << "25" << 25.0;
    QTest::newRow("above maximum") << "5001" << 10.0;
}

void TestXDoubleSpinBox::finishedEditEndsAsLeavingWould()
{
    QFETCH(QString, typed);
    QFETCH(double, value);

    // A field that takes a number only once it is complete, as the wing
    // halves distance does; a command ends its edit with the focus left in it.
    XDoubleSpinBox field(nullptr, 1.0f);
    field.setKeyboardTracking(false);
    field.setRange(0.75, 5000.0);
    field.setSuffix("mm");
    field.setValue(10.0, true);
    QSignalSpy heard(&field, SIGNAL(valueChanged(double)));
    field.show();
    QApplication::setActiveWindow(&field);
    QVERIFY(QTest::qWaitForWindowActive(&field));
    field.setFocus();
    field.selectAll();
    QTest::keyClicks(&field, typed);
    QCOMPARE(field.value(), 10.0);

    PendingEdit::finish(&field);
    QVERIFY(field.hasFocus());
    QCOMPARE(field.value(), value);
    QCOMPARE(field.text(), QLocale().toString(value, 'f', 2) + "mm");
    QVERIFY(field.refusal().isEmpty());
    QCOMPARE(heard.count(), value == 10.0 ? 0 : 1);
}

QTEST_MAIN(TestXDoubleSpinBox)
#include "tst_xdoublespinbox.moc"
