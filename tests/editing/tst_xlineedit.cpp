#include "common/TestSupport.h"
#include "editing/XLineEditDelegate.h"
#include "foundation/InputValueType.h"
#include "foundation/XLineEdit.h"

#include <QLocale>
#include <QStandardItemModel>
#include <QStyleOptionViewItem>
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

// Switches the default locale for one test and back.
class DefaultLocale
{
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(previous); }

private:
    QLocale previous;
};

} // namespace

class TestXLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void judgesTextByKind_data();
    void judgesTextByKind();
    void unknownKindEndsProcess_data();
    void unknownKindEndsProcess();
    void eitherSeparatorIsDecimalForNumberKinds();

    void fieldColoursWhileTyping();
    void fieldRefusesNonFiniteNumbers_data();
    void fieldRefusesNonFiniteNumbers();

    void cellEditorCarriesColumnRule();
    void cellIsWrittenOnlyWhenValid_data();
    void cellIsWrittenOnlyWhenValid();
    void cellTakesDecimalComma();
};

void TestXLineEdit::judgesTextByKind_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<double>("min");
    QTest::addColumn<double>("max");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    QTest::newRow("0 takes empty text") << 0 << 0.0 << 0.0 << "" << true;
    QTest::newRow("1 refuses empty text") << 1 << 0.0 << 0.0 << "" << false;
    QTest::newRow("2 takes 0") << 2 << 0.0 << 0.0 << "0" << true;
    QTest::newRow("2 refuses a decimal") << 2 << 0.0 << 0.0 << "1.5" << false;
    QTest::newRow("3 refuses 0") << 3 << 0.0 << 0.0 << "0" << false;
    QTest::newRow("3 takes 1") << 3 << 0.0 << 0.0 << "1" << true;
    QTest::newRow("4 refuses 1") << 4 << 0.0 << 0.0 << "1" << false;
    QTest::newRow("4 takes 2") << 4 << 0.0 << 0.0 << "2" << true;
    QTest::newRow("5 takes 0") << 5 << 0.0 << 0.0 << "0" << true;
    QTest::newRow("5 takes 0.0") << 5 << 0.0 << 0.0 << "0.0" << true;
    QTest::newRow("5 refuses negative") << 5 << 0.0 << 0.0 << "-0.1" << false;
    QTest::newRow("6 refuses 0") << 6 << 0.0 << 0.0 << "0" << false;
    QTest::newRow("6 takes 0.001") << 6 << 0.0 << 0.0 << "0.001" << true;
    QTest::newRow("7 takes negative") << 7 << 0.0 << 0.0 << "-12.5" << true;
    QTest::newRow("9 takes lower bound") << 9 << 10.0 << 5000.0 << "10" << true;
    QTest::newRow("9 refuses below") << 9 << 10.0 << 5000.0 << "9.99" << false;
    QTest::newRow("9 refuses above") << 9 << 10.0 << 5000.0 << "5000.01" << false;
    QTest::newRow("9 takes decimal comma") << 9 << 10.0 << 5000.0 << "12,5" << true;
}

void TestXLineEdit::judgesTextByKind()
{
    QFETCH(int, kind);
    QFETCH(double, min);
    QFETCH(double, max);
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QCOMPARE(InputValueType(kind, min, max).validate(text), valid);
}

void TestXLineEdit::unknownKindEndsProcess_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("above the kinds") << 11;
    QTest::newRow("negative") << -1;
    QTest::newRow("the gap at 8") << 8;
}

void TestXLineEdit::unknownKindEndsProcess()
{
    QFETCH(int, kind);
    int status = -1;
    const auto output = TestSupport::captureOutput(
        [&] { status = TestSupport::runInChildProcess([&] { InputValueType(kind).validate("1"); }); });
    QCOMPARE(status, 1);
    QVERIFY(QString::fromStdString(output.err).contains(QString("Unknown type to validate: %1").arg(kind)));
}

void TestXLineEdit::eitherSeparatorIsDecimalForNumberKinds()
{
    for (const char* language : {"de_DE", "en_US"}) {
        DefaultLocale desktop{QLocale(language)};
        QString number = "12,5";
        InputValueType::normalizeDecimalSeparator(number, 9);
        QCOMPARE(number, QString("12.5"));
        QVERIFY(InputValueType(9, 10.0, 20.0).validate(number));
        QVERIFY(InputValueType(9, 10.0, 20.0).validate("12,5"));
        QString name = "12,5";
        InputValueType::normalizeDecimalSeparator(name, 1);
        QCOMPARE(name, QString("12,5"));
        // Grouping is no number, never a thousand.
        for (const char* grouped : {"1.000,5", "1,000.5", "1.000.000"})
            for (int kind : {5, 6, 7, 9})
                QVERIFY(!InputValueType(kind, 0.0, 1e7).validate(grouped));
        QVERIFY(!InputValueType(10, 0, 100000).validate("1,000"));
    }
}

void TestXLineEdit::fieldColoursWhileTyping()
{
    XLineEdit plain(nullptr);
    plain.setText("");
    QVERIFY(plain.isValid());
    QVERIFY(!isRed(plain));

    XLineEdit field(nullptr);
    field.setInputValueType(new InputValueType(1));
    QTest::keyClicks(&field, "ab");
    QVERIFY(isWhite(field));
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClick(&field, Qt::Key_Backspace);
    QVERIFY(isRed(field));
    QVERIFY(!field.isValid());
    QTest::keyClicks(&field, "c");
    QVERIFY(isWhite(field));
    QVERIFY(field.isValid());
}

void TestXLineEdit::fieldRefusesNonFiniteNumbers_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    for (int kind : {5, 6, 7, 9})
        for (const char* text : {"inf", "nan", "-inf", "1e999"})
            QTest::newRow(qPrintable(QString("kind %1, %2").arg(kind).arg(text))) << kind << QString(text);
}

void TestXLineEdit::fieldRefusesNonFiniteNumbers()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    XLineEdit field(nullptr);
    field.setInputValueType(new InputValueType(kind, -1e300, 1e300));
    field.setText(text);
    QVERIFY(isRed(field));
    QVERIFY(!field.isValid());
}



void TestXLineEdit::cellEditorCarriesColumnRule()
{
    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), 4);
    const InputValueType rule(3);
    XLineEditDelegate delegate(&rule);
    QWidget parent;
    QStyleOptionViewItem option;
    option.rect = QRect(3, 4, 50, 20);
    std::unique_ptr<QWidget> editor(delegate.createEditor(&parent, option, model.index(0, 0)));
    auto* field = qobject_cast<XLineEdit*>(editor.get());
    QVERIFY(field != nullptr);
    QCOMPARE(field->maximumWidth(), 100);
    QCOMPARE(field->minimumWidth(), 10);
    QVERIFY(field->getInputValueType() != &rule);
    QCOMPARE(field->getInputValueType()->getType(), 3);

    delegate.setEditorData(field, model.index(0, 0));
    QCOMPARE(field->text(), QString("4"));
    QVERIFY(isWhite(*field));
    QVERIFY(field->refusal().isEmpty());
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, "0");
    QVERIFY(isRed(*field));
    // The reason is at hand while the cell refuses the text.
    QCOMPARE(field->refusal(), QString("Enter a whole number of 1 or more."));

    delegate.updateEditorGeometry(field, option, model.index(0, 0));
    QCOMPARE(field->geometry().topLeft(), QPoint(3, 4));
}

void TestXLineEdit::cellIsWrittenOnlyWhenValid_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QVariant>("stored");

    const QVariant old = QVariant(QString("old"));
    QTest::newRow("rib number 0 where rib 0 is not allowed") << 3 << "0" << old;
    QTest::newRow("rib number above int range") << 2 << "3000000000" << old;
    QTest::newRow("empty name") << 1 << "" << old;
    QTest::newRow("name") << 1 << "Main spar" << QVariant(QString("Main spar"));
    QTest::newRow("rib number") << 3 << "5" << QVariant(5);
    QTest::newRow("bounded count") << 10 << "7" << QVariant(7);
    QTest::newRow("bounded count out of range") << 10 << "700" << old;
    QTest::newRow("size") << 6 << "2.5" << QVariant(2.5);
    QTest::newRow("size with comma") << 6 << "2,5" << QVariant(2.5);
    QTest::newRow("grouped offset") << 7 << "1,000.5" << old;
    QTest::newRow("German grouped offset") << 7 << "1.000,5" << old;
    // Read as the number fields read them: an exponent is a number, a count
    // takes digits only.
    QTest::newRow("size with exponent") << 6 << "2,5e1" << QVariant(25.0);
    QTest::newRow("bounded count with fraction") << 10 << "2,5" << old;
    QTest::newRow("bounded count with exponent") << 10 << "1e1" << old;
    QTest::newRow("size infinite") << 6 << "inf" << old;
    QTest::newRow("offset not a number") << 7 << "nan" << old;
}

void TestXLineEdit::cellIsWrittenOnlyWhenValid()
{
    QFETCH(int, kind);
    QFETCH(QString, typed);
    QFETCH(QVariant, stored);

    QStandardItemModel model(1, 1);
    model.setData(model.index(0, 0), QString("old"));
    const InputValueType rule(kind, 1, 100);
    XLineEditDelegate delegate(&rule);
    XLineEdit editor(nullptr);
    editor.setText(typed);
    delegate.setModelData(&editor, &model, model.index(0, 0));

    const QVariant value = model.data(model.index(0, 0), Qt::EditRole);
    QCOMPARE(value, stored);
    QCOMPARE(value.userType(), stored.userType());
}

void TestXLineEdit::cellTakesDecimalComma()
{
    DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    QStandardItemModel model(1, 1);
    const InputValueType rule(6);
    XLineEditDelegate delegate(&rule);
    XLineEdit editor(nullptr);
    editor.setInputValueType(new InputValueType(rule));
    QTest::keyClicks(&editor, "0,5");
    QVERIFY(isWhite(editor));
    QCOMPARE(editor.text(), QString("0,5"));
    delegate.setModelData(&editor, &model, model.index(0, 0));
    const QVariant value = model.data(model.index(0, 0), Qt::EditRole);
    QCOMPARE(value.userType(), int(QMetaType::Double));
    QCOMPARE(value.toDouble(), 0.5);

    // A number cell opens as the table shows it, and reads back unchanged.
    model.setData(model.index(0, 0), QVariant(0.1f));
    XLineEdit reopened(nullptr);
    delegate.setEditorData(&reopened, model.index(0, 0));
    QCOMPARE(reopened.text(), QString("0,1"));
    delegate.setModelData(&reopened, &model, model.index(0, 0));
    QCOMPARE(model.data(model.index(0, 0)).toFloat(), 0.1f);
}

QTEST_MAIN(TestXLineEdit)
#include "tst_xlineedit.moc"
