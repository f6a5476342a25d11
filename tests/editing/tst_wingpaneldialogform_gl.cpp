#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QDir>
#include <QDoubleSpinBox>
#include <QPrinter>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>
#include <QImage>
#include <QToolButton>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cmath>
#include <memory>

#include "airfoils/WingFoils.h"
#include "app/Planformix.h"
#include "document/PlaneModel.h"
#include "editing/LengthCalculator.h"
#include "editing/WingPanelDialog.h"
#include "foundation/CLocale.h"
#include "foundation/DialogSeam.h"
#include "foundation/InputValueType.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "output/PrintDialog.h"
#include "output/PrintSettings.h"
#include "foundation/XDoubleSpinBox.h"
#include "foundation/CompiledResources.h"
#include "foundation/XLineEdit.h"
#include "TypedInput.h"
#include "ui_AirfoilImportDialog.h"
#include "ui_Planformix.h"
#include "ui_WingPanelDialog.h"
#include "views/CADWidgetRibView.h"
#include "views/VisualisationButtons.h"
#include "views/WingFoilGLWidget.h"

// The panel dialog's form on a bare dialog: the dialog class reaches every
// widget by name and switches pages by index, and it loads nothing into a
// field the user has not touched, so names, page order, ranges and start
// values are what it relies on. The form holds a QGLWidget, hence the X display.
namespace {

struct Form
{
    QDialog dialog;
    Ui_WingPanelDialog ui;
    Form() { ui.setupUi(&dialog); }

    template<typename T>
    T* get(const QString& name)
    {
        auto* w = dialog.findChild<T*>(name);
        if (!w)
            qWarning("no %s named %s", T::staticMetaObject.className(), qPrintable(name));
        return w;
    }
};

QStringList childNames(const QWidget* container)
{
    QStringList names;
    if (auto* stack = qobject_cast<const QStackedWidget*>(container))
        for (int i = 0; i < stack->count(); ++i)
            names << stack->widget(i)->objectName();
    if (auto* tabs = qobject_cast<const QTabWidget*>(container))
        for (int i = 0; i < tabs->count(); ++i)
            names << tabs->widget(i)->objectName() + "=" + tabs->tabText(i);
    return names;
}

// Every form with number fields, built under the system language of the
// moment, as the program builds them.
std::unique_ptr<QWidget> numberForm(const QString& name)
{
    // The main window's field writes into the document itself: the whole
    // central widget, joined to the plane.
    if (name == "main window") {
        auto central = std::make_unique<Planformix>();
        central->setupForm();
        return central;
    }
    if (name == "length calculator")
        return std::make_unique<LengthCalculator>();
    auto form = std::make_unique<QDialog>();
    if (name == "panel dialog")
        Ui_WingPanelDialog().setupUi(form.get());
    else if (name == "airfoil import")
        Ui_AirfoilImportDialog().setupUi(form.get());
    return form;
}

void leaveWithTab(QWidget* field)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &out);
}

// What is typed over: the number, as Tab and Ctrl+A select it, or the
// whole text with its unit, as End, Shift+Home or a drag select it.
bool wholeTextSelected = false;

void typeInto(QWidget* field, const QString& text)
{
    QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(field, &in);
    if (auto* box = qobject_cast<QAbstractSpinBox*>(field))
        box->selectAll();
    else if (auto* line = qobject_cast<QLineEdit*>(field))
        line->selectAll();
    if (wholeTextSelected) {
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Home, Qt::ShiftModifier);
    }
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
}

// Types one input into a number field and leaves it: the field shows the
// typed number or the value from before, and its listeners (the preview,
// the document) were told that last.
void typeIntoField(XDoubleSpinBox* field, const QString& input, const QString& language)
{
    const QLocale shown(language);
    const double before = field->value();
    const TypedInput typed = typedInput(input, rangeOf(*field), before, language == "de_DE");
    QSignalSpy heard(field, SIGNAL(valueChanged(double)));
    const QString popup = field->popupText();
    typeInto(field, typed.text);
    // Every key stays in the field until it is left; a refused text
    // changes nothing the field holds or shows in its popup meanwhile.
    QVERIFY2(field->cleanText() == typed.text, qPrintable(field->objectName() + ": " + field->text()));
    QVERIFY2(field->refusal().isEmpty() || (field->value() == before && field->popupText() == popup),
             qPrintable(field->objectName() + " holds " + field->popupText() + " under " + field->text()));
    leaveWithTab(field);

    const double held = typed.taken ? typed.number : before;
    const QString where = field->objectName() + " after \"" + typed.text + "\": " + field->text();
    QVERIFY2(qAbs(field->value() - held) < 1e-9, qPrintable(where));
    QVERIFY2(field->cleanText() == shown.toString(held, 'f', field->decimals()).remove(shown.groupSeparator()),
             qPrintable(where));
    const double told = heard.isEmpty() ? before : heard.last().at(0).toDouble();
    QVERIFY2(qAbs(told - held) < 1e-9, qPrintable(where));
}

// The number a text field or cell holds: what its rule takes of the text.
bool numberIn(const QString& text, const InputValueType& rule, double& number)
{
    QString normalised = text;
    InputValueType::normalizeDecimalSeparator(normalised, rule.getType());
    return rule.validate(normalised) && CLocale::parseTyped(normalised, number);
}

// The panel dialog as the program opens it from the panel table, on a panel
// with every feature that has number fields, one page state at a time.
struct DialogState
{
    const char* name;
    const char* tab;
    const char* table;  // whose row is shown in the page, or null
    int row;
    const char* button; // a type button the user checks, or null
    int trailingEdge;   // its type: the strip is no choice of the user's, only of documents
    int columns[2];     // number columns of that table the user edits
    bool fields;        // whether the fields in sight are typed into as well
};

const DialogState dialogStates[] = {
    {"base data", "tabAirfoilAndBaseData", nullptr, 0, nullptr, 1, {-1, -1}, true},
    {"ribs", "tabRibDefinition", nullptr, 0, nullptr, 1, {-1, -1}, true},
    // Typed alone: a new rib thickness generates the ribs again.
    {"rib table", "tabRibDefinition", "tableViewRibs", 1, nullptr, 1, {0, 1}, false},
    {"round spar", "tabSpars", "tableViewSpars", 0, nullptr, 1, {2, 3}, true},
    {"square spar", "tabSpars", "tableViewSpars", 1, nullptr, 1, {-1, -1}, true},
    {"webbing", "tabSpars", "tableViewSpars", 2, nullptr, 1, {-1, -1}, true},
    {"tube", "tabSpars", "tableViewSpars", 3, nullptr, 1, {-1, -1}, true},
    {"cube spar", "tabSpars", "tableViewSpars", 4, nullptr, 1, {-1, -1}, true},
    {"cube tube", "tabSpars", "tableViewSpars", 5, nullptr, 1, {-1, -1}, true},
    {"leading edge", "tabLeadingEdge", nullptr, 0, nullptr, 1, {-1, -1}, true},
    {"trailing edge", "tabTrailingEdge", nullptr, 0, nullptr, 1, {-1, -1}, true},
    {"trailing edge with strip", "tabTrailingEdge", nullptr, 0, nullptr, 2, {-1, -1}, true},
    {"standard sheeting", "tabCovering", nullptr, 0, "rbSheetingStandard", 1, {-1, -1}, true},
    {"sheeting strip", "tabCovering", "tableViewSheetingStrips", 0, nullptr, 1, {1, 2}, true},
    {"comb", "tabConstruction", "tableViewCombs", 0, nullptr, 1, {2, 3}, true},
};

const DialogState* dialogState(const QString& form)
{
    for (const DialogState& state : dialogStates)
        if (form == QStringLiteral("panel dialog, ") + state.name)
            return &state;
    return nullptr;
}

PanelBaseData panelWithEveryFeature(int trailingEdge = 1)
{
    SparList spars;
    for (SparType type : {SparType::Round, SparType::Square, SparType::Webbing, SparType::Tube, SparType::Cube,
                          SparType::CubeTube}) {
        // Joiners start at the root rib.
        const bool joiner = type == SparType::Tube || type == SparType::CubeTube;
        SparDefinition spar(QStringLiteral("Spar"), type, joiner ? 1 : 2, 8, 30.0f, 35.0f, true, true);
        spar.setPercentageSelected(0, false);
        spar.setPercentageSelected(1, false);
        spar.setSquareWebbingType(SquareWebbingType::Middle);
        spar.setSquareWebbingFrom(3);
        spar.setSquareWebbingTo(7);
        spars.addSpar(spar);
    }
    SheetingStripList strips;
    strips.append(SheetingStripDefinition(QStringLiteral("Strip"), 0, 2, 8, 20.0f, 25.0f, 1.5f, true, true, true,
                                          true, 5.0f, 6.0f, true, false));
    RibCombList combs;
    combs.append(RibCombData(QStringLiteral("Comb"), 0, 30.0f, 35.0f, false, false, true, true, 3.0f, 5.0f, 2.0f,
                             1.0f, 1.0f, 1.0f, 2, 8, false, 2.0f, 5.0f));
    return PanelBaseData(1, QStringLiteral("Inner"), QStringLiteral("NACA 2412"), QStringLiteral("NACA 0012"), 200.0f,
                         180.0f, 0.0f, 362.0f, 0.0f, 0.0f, false, false, true, 2.0f, 10, 150.0f, 1.0f, 1.0f, nullptr,
                         LEData(1, 8.0f), TEData(trailingEdge, 8.0f, false, 6.0f, 3.0f, 1.5f), spars, strips,
                         CoveringDefinition(SheetingType::Advanced, 25.0f, 1.5f, 0, true, true, true),
                         BuildingTabData(), combs);
}

// The central widget the panel dialog's rows open the dialog from. Building
// one makes two GL contexts (the main view's and the dialog's), and the
// first drawing in each compiles llvmpipe's shaders: that cost more than the
// typing of a row. The rows of one language share it, as a user's session
// opens the dialog again and again; each row sets its panel anew, and the
// dialog loads it on every opening. It is built again for another language,
// since fields take the system language of the moment they are made.
std::unique_ptr<Planformix> sharedCentral;
QString sharedCentralLanguage;

Planformix& centralFor(const QString& language)
{
    if (!sharedCentral || sharedCentralLanguage != language) {
        sharedCentral.reset();
        sharedCentral = std::make_unique<Planformix>();
        sharedCentral->setupForm();
        sharedCentralLanguage = language;
    } else {
        // What building it resets in the plane.
        PlaneModel::instance()->resetBaseData();
    }
    return *sharedCentral;
}

// Opens the plane's first panel in the panel dialog as a double click does,
// and brings up the page of the state.
WingPanelDialog* openInState(QWidget& central, const DialogState& state, bool checkButton)
{
    auto* panels = central.findChild<QTableView*>("tableViewPanels");
    panels->selectRow(0);
    central.findChild<QPushButton*>("btnPanelEdit")->click();
    auto* dialog = panels->findChild<WingPanelDialog*>();
    if (!dialog || !dialog->isVisible())
        return nullptr;
    dialog->findChild<QTabWidget*>("panelDialogTabWidget")->setCurrentWidget(dialog->findChild<QWidget*>(state.tab));
    if (state.button && checkButton)
        dialog->findChild<QAbstractButton*>(state.button)->click();
    if (state.table) {
        auto* table = dialog->findChild<QTableView*>(state.table);
        table->setCurrentIndex(table->model()->index(state.row, 0));
    }
    return dialog;
}

// What the state shows: the fields in sight and the number cells of the row
// its page shows.
struct Shown
{
    QList<XDoubleSpinBox*> fields;
    QList<XLineEdit*> texts;
    QList<int> cellColumns; // of the table's shown row
};

Shown shownIn(WingPanelDialog& dialog, const DialogState& state)
{
    Shown shown;
    for (int column : state.columns)
        if (column >= 0)
            shown.cellColumns << column;
    if (!state.fields)
        return shown;
    for (auto* field : dialog.findChildren<XDoubleSpinBox*>())
        if (field->isVisible() && field->isEnabled())
            shown.fields << field;
    for (auto* text : dialog.findChildren<XLineEdit*>())
        if (text->isVisible() && text->isEnabled() && text->getInputValueType()
            && text->getInputValueType()->getType() >= 2)
            shown.texts << text;
    return shown;
}

double cellValue(const QTableView& table, int row, int column)
{
    // As the cell editor opens it: the text the table shows.
    double number = qQNaN();
    CLocale::parseTyped(table.model()->index(row, column).data().toString(), number);
    return number;
}

// Edits a cell as a user does, through its editor, and leaves it with Tab.
// The cell then holds the typed number or the value from before; where its
// rule takes the number and the record does not, a message said so.
void typeIntoCell(QTableView& table, int row, int column, const QString& input, const QString& language)
{
    // An edit may give the table a new model: cells are found anew.
    const QModelIndex cell = table.model()->index(row, column);
    const double before = cellValue(table, row, column);
    // Tab from the cell before opened its editor already.
    if (!table.indexWidget(cell)) {
        table.setCurrentIndex(cell);
        table.edit(cell);
    }
    auto* editor = qobject_cast<XLineEdit*>(table.indexWidget(cell));
    QVERIFY2(editor && editor->getInputValueType(), qPrintable(QString("no editor in column %1").arg(column)));
    const InputValueType rule = *editor->getInputValueType();
    const TypedInput typed = typedInput(input, rangeOf(rule), before, language == "de_DE");
    DialogSeam::clear();
    typeInto(editor, typed.text);
    QTest::keyClick(editor, Qt::Key_Tab);
    QCoreApplication::processEvents();

    const double held = cellValue(table, row, column);
    double number = 0.0;
    const bool ruleTakes = numberIn(typed.text, rule, number);
    const QString where = QString("column %1 after \"%2\": %3").arg(column).arg(typed.text).arg(held);
    if (ruleTakes && qAbs(held - number) < 1e-6)
        return;
    QVERIFY2(qAbs(held - before) < 1e-6, qPrintable(where));
    QVERIFY2(!ruleTakes || !DialogSeam::calls().empty(), qPrintable(where + " without a word"));
}

} // namespace

class TestWingPanelDialogForm : public QObject
{
    Q_OBJECT

private slots:
    void cleanupTestCase() { sharedCentral.reset(); }
    void spinBoxStartsWithItsRangeAndValue_data();
    void spinBoxStartsWithItsRangeAndValue();
    void numericAndTextFieldsAreTheValidatingInputs();
    void viewsAreThePromotedWidgets();
    void pagesKeepTheirOrderAndStartPage_data();
    void pagesKeepTheirOrderAndStartPage();
    void buttonGroupStartsOnItsDefault_data();
    void buttonGroupStartsOnItsDefault();
    void boxesAndFieldsStartInTheirState();
    void retranslationRestoresTextsAndKeepsValues();
    void picturesAndIconsAreCompiledIn();
    void typedNumberEndsAsTypedOrAsBefore_data();
    void typedNumberEndsAsTypedOrAsBefore();

private:
    void typedNumbersReachTheDocument(const DialogState& state, const QString& language, const QString& input);
};

void TestWingPanelDialogForm::spinBoxStartsWithItsRangeAndValue_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("minimum");
    QTest::addColumn<double>("maximum");
    QTest::addColumn<double>("step");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("suffix");

    auto row = [](const char* name, double min, double max, double step, int decimals, double value, const char* suffix) {
        QTest::newRow(name) << QString(name) << min << max << step << decimals << value << QString(suffix);
    };
    // Base data and ribs
    row("txtLength", 10, 5000, 1, 2, 200, "mm");
    row("txtRootChord", 10, 2000, 1, 2, 200, "mm");
    row("txtTipChord", 1, 1000, 1, 2, 180, "mm");
    row("txtSweep", -2500, 2500, 1, 2, 0, "mm");
    row("txtTipTwist", -7, 7, 1, 2, 0, "deg");
    row("txtDihedral", -90, 90, 1, 2, 0, "deg");
    row("txtRootRibFoilFactor", 0.1, 2, 0.1, 2, 1, "");
    row("txtTipRibFoilFactor", 0.1, 2, 0.1, 2, 1, "");
    row("txtRibThickness", 0.01, 50, 0.5, 2, 2, "mm");
    // The standard maximum 99.99 rounds to 100 once decimals go to 0.
    row("txtNoOfRibs", 2, 100, 1, 0, 10, "");
    row("txtTabsFromLE", 2, 80, 1, 2, 10, "mm");
    row("txtTabsFromTE", 2, 80, 1, 2, 10, "mm");
    row("txtTabsWidth", 5, 15, 1, 2, 10, "mm");
    // Spars
    row("txtRoundSparPosition", 0, 2000, 1, 2, 25, "");
    row("txtRoundSparLastPosition", 0, 2000, 1, 2, 25, "");
    row("txtRoundSparRadius", 1, 50, 1, 2, 5, "mm");
    row("txtRoundSparOffsetYStart", -75, 75, 0.25, 2, 0, "mm");
    row("txtRoundSparOffsetYEnd", -75, 75, 0.25, 2, 0, "mm");
    row("txtSquareSparPosition", 0, 2000, 1, 2, 25, "");
    row("txtSquareSparLastPosition", 0, 2000, 1, 2, 25, "");
    row("txtSquareSparWidth", 0.5, 75, 0.5, 2, 3, "mm");
    row("txtSquareSparHeight", 0.5, 25, 0.5, 2, 2, "mm");
    row("txtSquareSparWidthAdjustFront", 0, 15, 0.25, 2, 0, "mm");
    row("txtSquareSparWidthAdjustBehind", 0, 15, 0.25, 2, 0, "mm");
    row("txtSquareSparWebbingWidth", 0.5, 50, 0.5, 2, 2, "mm");
    row("txtSquareSparWebbingFromRib", 1, 99, 1, 0, 1, "");
    row("txtSquareSparWebbingToRib", 0, 100, 1, 0, 0, "");
    row("txtWebbingPosition", 0, 2000, 1, 2, 25, "");
    row("txtWebbingLastPosition", 0, 2000, 1, 2, 25, "");
    row("txtWebbingWidth", 0.5, 50, 0.5, 2, 2, "mm");
    row("txtTubeSparPosition", 0, 2000, 1, 2, 25, "");
    row("txtTubeRadius", 1, 50, 1, 2, 5, "mm");
    row("txtCubePosition", 0, 2000, 1, 2, 25, "");
    row("txtCubeLastPosition", 0, 2000, 1, 2, 25, "");
    row("txtCubeSparWidth", 0.5, 75, 0.5, 2, 4, "mm");
    row("txtCubeSparHeight", 0.5, 75, 0.5, 2, 6, "mm");
    row("txtCubeSparOffsetYStart", -75, 75, 0.25, 2, 0, "mm");
    row("txtCubeSparOffsetYEnd", -75, 75, 0.25, 2, 0, "mm");
    row("txtCubeSparRotation", -180, 180, 1, 0, 0, "deg");
    row("txtCubeTubePosition", 0, 2000, 1, 2, 25, "");
    row("txtCubeTubeWidth", 0.5, 75, 0.5, 2, 4, "mm");
    row("txtCubeTubeHeight", 0.5, 75, 0.5, 2, 6, "mm");
    // Edges, sheeting, combs
    row("txtStandardLEDepth", 1, 40, 1, 2, 8, "mm");
    row("txtStandardTEDepth", 1, 60, 1, 2, 20, "mm");
    row("txtStandardSheetingThickness", 0.1, 5, 0.5, 2, 1, "mm");
    row("txtStandardSheetingLength", 1, 2000, 1, 2, 25, "");
    row("txtStandardSheetingExtend", 0, 100, 1, 0, 0, "");
    row("txtAdvancedSheetingThickness", 0.1, 5, 0.5, 2, 1, "mm");
    row("txtAdvancedSheetingLength", 1, 2000, 1, 2, 25, "");
    row("txtAdvancedSheetingLengthEnd", 1, 2000, 1, 2, 25, "");
    row("txtAdvancedSheetingOffset", 0, 2000, 1, 2, 0, "");
    row("txtAdvancedSheetingOffsetEnd", 0, 2000, 1, 2, 0, "");
    row("txtCombPosition", 2, 2000, 1, 2, 50, "");
    row("txtCombLastPosition", 2, 2000, 1, 2, 50, "");
    row("txtCombWidth", 0.5, 50, 0.5, 2, 2, "mm");
    row("txtCombCutIntoRib", 0, 50, 5, 2, 50, "%");
    row("txtCombExtendAbove", 0, 30, 1, 2, 10, "mm");
    row("txtCombSlitHeight", 1, 5, 0.5, 2, 2, "mm");
    // No default given: it starts at its minimum.
    row("txtCombSlitAdjust", 2, 20, 1, 2, 2, "mm");
    row("txtCutoutGapFore", 0, 15, 0.25, 2, 0, "mm");
    row("txtCutoutGapAft", 0, 15, 0.25, 2, 0, "mm");
    row("txtGapNeedle", 0, 15, 0.25, 2, 0, "mm");
}

void TestWingPanelDialogForm::spinBoxStartsWithItsRangeAndValue()
{
    QFETCH(QString, name);
    QFETCH(double, minimum);
    QFETCH(double, maximum);
    QFETCH(double, step);
    QFETCH(int, decimals);
    QFETCH(double, value);
    QFETCH(QString, suffix);

    Form form;
    auto* box = form.get<XDoubleSpinBox>(name);
    QVERIFY(box);
    QCOMPARE(box->decimals(), decimals);
    QCOMPARE(box->minimum(), minimum);
    QCOMPARE(box->maximum(), maximum);
    QCOMPARE(box->singleStep(), step);
    QCOMPARE(box->value(), value);
    QCOMPARE(box->suffix(), suffix);

    // The form's range holds whatever is typed or set later.
    box->setValue(maximum + 1000);
    QCOMPARE(box->value(), maximum);
}

void TestWingPanelDialogForm::numericAndTextFieldsAreTheValidatingInputs()
{
    Form form;
    const auto spinBoxes = form.dialog.findChildren<QDoubleSpinBox*>();
    QCOMPARE(spinBoxes.size(), 62);
    for (auto* box : spinBoxes)
        QVERIFY2(qobject_cast<XDoubleSpinBox*>(box), qPrintable(box->objectName()));

    for (const char* name : {"txtName", "txtStandardWithStripTEDepth", "txtStandardWithStripTEStripDepth",
                             "txtStandardWithStripTEStripThickness"})
        QVERIFY2(form.get<XLineEdit>(name), name);
    // Read-only or filter fields stay plain line edits.
    for (const char* name : {"txtID", "txtRootRibFoil", "txtTipRibFoil", "txtFoilFilter"}) {
        auto* edit = form.get<QLineEdit>(name);
        QVERIFY2(edit && !qobject_cast<XLineEdit*>(edit), name);
    }
}

void TestWingPanelDialogForm::viewsAreThePromotedWidgets()
{
    Form form;
    QVERIFY(form.get<WingFoilGLWidget>("wingFoilGLWidget"));
    QVERIFY(form.get<VisualisationButtons>("visualisationButtons"));
    auto* ribView = form.get<CADWidgetRibView>("singleRibDrawingArea");
    QVERIFY(ribView);
    QVERIFY(ribView->minimumHeight() >= 100);

    // The rib view and rib table may float but must never be closed away.
    for (const char* name : {"dockWidgetRibView", "dockWidgetRibTable"}) {
        auto* dock = form.get<QDockWidget>(name);
        QVERIFY2(dock, name);
        QVERIFY(dock->features().testFlag(QDockWidget::DockWidgetFloatable));
        QVERIFY(dock->features().testFlag(QDockWidget::DockWidgetMovable));
        QVERIFY(!dock->features().testFlag(QDockWidget::DockWidgetClosable));
        QVERIFY(!dock->isFloating());
    }
}

void TestWingPanelDialogForm::pagesKeepTheirOrderAndStartPage_data()
{
    QTest::addColumn<QString>("container");
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<int>("start");

    QTest::newRow("panelDialogTabWidget")
        << "panelDialogTabWidget"
        << QStringList{"tabAirfoilAndBaseData=Base Data", "tabRibDefinition=Ribs", "tabSpars=Spars",
                       "tabLeadingEdge=Leading Edge", "tabTrailingEdge=Trailing Edge", "tabCovering=Sheeting",
                       "tabConstruction=Construction"}
        << 0;
    QTest::newRow("tabWidget") << "tabWidget" << QStringList{"ribComb=Rib comb", "shipway=Shipway"} << 0;
    QTest::newRow("stackedWidgetSpar")
        << "stackedWidgetSpar"
        << QStringList{"pageSparRound", "pageSparSquare", "pageSparWebbing", "pageSparTube",
                       "pageSparCube", "pageCubeTube", "pageSparNone"}
        << 1;
    QTest::newRow("stackedWidgetLE")
        << "stackedWidgetLE"
        << QStringList{"pageLENone", "pageLEStandard", "pageLERound", "pageLEStrip", "pageLEDiamond"} << 1;
    QTest::newRow("stackedWidgetTE") << "stackedWidgetTE"
                                     << QStringList{"pageTENone", "pageTEStandard", "pageTEStrip"} << 2;
    QTest::newRow("stackedWidgetSheeting")
        << "stackedWidgetSheeting"
        << QStringList{"pageSheetingNone", "pageSheetingStandard", "pageSheetingAdvanced"} << 1;
    QTest::newRow("stackedWidgetSheetingData")
        << "stackedWidgetSheetingData" << QStringList{"pageStripSheeting", "pageStripSheetingNone"} << 0;
    QTest::newRow("stackedWidgetCombs") << "stackedWidgetCombs"
                                        << QStringList{"pageStandardComb", "pageNoComb"} << 0;
}

void TestWingPanelDialogForm::pagesKeepTheirOrderAndStartPage()
{
    QFETCH(QString, container);
    QFETCH(QStringList, pages);
    QFETCH(int, start);

    Form form;
    auto* widget = form.get<QWidget>(container);
    QVERIFY(widget);
    QCOMPARE(childNames(widget), pages);
    if (auto* stack = qobject_cast<QStackedWidget*>(widget))
        QCOMPARE(stack->currentIndex(), start);
    else
        QCOMPARE(qobject_cast<QTabWidget*>(widget)->currentIndex(), start);
}

void TestWingPanelDialogForm::buttonGroupStartsOnItsDefault_data()
{
    QTest::addColumn<QString>("group");
    QTest::addColumn<QStringList>("buttons");
    QTest::addColumn<QString>("checked");

    QTest::newRow("buttonGroup_5") << "buttonGroup_5" << QStringList{"rbRootRibFoil", "rbTipRibFoil"} << "rbRootRibFoil";
    QTest::newRow("buttonGroup_9") << "buttonGroup_9" << QStringList{"btnDontAlign", "btnTopAlign", "btnBottomAlign"} << "btnDontAlign";
    QTest::newRow("buttonGroupRoundSparPosition") << "buttonGroupRoundSparPosition" << QStringList{"rbRoundSparPositionMM", "rbRoundSparPositionPercentage"} << "rbRoundSparPositionPercentage";
    QTest::newRow("buttonGroup_6") << "buttonGroup_6" << QStringList{"rbRoundSparLastPositionMM", "rbRoundSparLastPositionPercentage"} << "rbRoundSparLastPositionPercentage";
    QTest::newRow("buttonGroup_4") << "buttonGroup_4" << QStringList{"rbRoundSparDistanceFromLE", "rbRoundSparDistanceFromTE"} << "rbRoundSparDistanceFromLE";
    QTest::newRow("buttonGroup_2") << "buttonGroup_2" << QStringList{"rbSqSparDistanceFromLE", "rbSqSparDistanceFromTE"} << "rbSqSparDistanceFromLE";
    QTest::newRow("buttonGroupSquareSparPosition") << "buttonGroupSquareSparPosition" << QStringList{"rbSquareSparPositionPercentage", "rbSquareSparPositionMM"} << "rbSquareSparPositionPercentage";
    QTest::newRow("buttonGroup_7") << "buttonGroup_7" << QStringList{"rbSquareSparLastPositionPercentage", "rbSquareSparLastPositionMM"} << "rbSquareSparLastPositionPercentage";
    QTest::newRow("buttonGroupWebbing") << "buttonGroupWebbing" << QStringList{"rbSquareSparWebbingNone", "rbSquareSparWebbingMiddle", "rbSquareSparWebbingBefore", "rbSquareSparWebbingAfter", "rbSquareSparWebbingBox"} << "rbSquareSparWebbingNone";
    QTest::newRow("buttonGroup_3") << "buttonGroup_3" << QStringList{"rbWebbingSparDistanceFromLE", "rbWebbingSparDistanceFromTE"} << "rbWebbingSparDistanceFromLE";
    QTest::newRow("buttonGroupWebbingPosition") << "buttonGroupWebbingPosition" << QStringList{"rbWebbingPositionMM", "rbWebbingPositionPercentage"} << "rbWebbingPositionPercentage";
    QTest::newRow("buttonGroup_8") << "buttonGroup_8" << QStringList{"rbWebbingLastPositionPercentage", "rbWebbingLastPositionMM"} << "rbWebbingLastPositionPercentage";
    QTest::newRow("buttonGroup_10") << "buttonGroup_10" << QStringList{"rbTubePositionMM", "rbTubePositionPercentage"} << "rbTubePositionPercentage";
    QTest::newRow("buttonGroup_11") << "buttonGroup_11" << QStringList{"rbTubeSparDistanceFromLE", "rbTubeSparDistanceFromTE"} << "rbTubeSparDistanceFromLE";
    QTest::newRow("buttonGroup_12") << "buttonGroup_12" << QStringList{"rbCubeSparDistanceFromLE", "rbCubeSparDistanceFromTE"} << "rbCubeSparDistanceFromLE";
    QTest::newRow("buttonGroup_13") << "buttonGroup_13" << QStringList{"rbCubePositionPercentage", "rbCubePositionMM"} << "rbCubePositionPercentage";
    QTest::newRow("buttonGroup_14") << "buttonGroup_14" << QStringList{"rbLastCubePositionPercentage", "rbLastCubePositionMM"} << "rbLastCubePositionPercentage";
    QTest::newRow("buttonGroup_19") << "buttonGroup_19" << QStringList{"rbCubeTubePositionPercentage", "rbCubeTubePositionMM"} << "rbCubeTubePositionPercentage";
    QTest::newRow("buttonGroup_17") << "buttonGroup_17" << QStringList{"rbCubeTubeDistanceFromLE", "rbCubeTubeDistanceFromTE"} << "rbCubeTubeDistanceFromLE";
    QTest::newRow("buttonGroupLETypes") << "buttonGroupLETypes" << QStringList{"rbLEStandard", "rbLENone", "rbLERound", "rbLEStrip", "rbLEDiamond"} << "rbLEStandard";
    QTest::newRow("buttonGroupTETypes") << "buttonGroupTETypes" << QStringList{"rbTENone", "rbTEStandardWithStrip", "rbTEStandard"} << "rbTEStandard";
    QTest::newRow("buttonGroupSheeting") << "buttonGroupSheeting" << QStringList{"rbSheetingNone", "rbSheetingStandard", "rbSheetingAdvanced"} << "rbSheetingNone";
    QTest::newRow("buttonGroup") << "buttonGroup" << QStringList{"rbStandardSheetingPercentage", "rbStandardSheetingMM"} << "rbStandardSheetingPercentage";
    QTest::newRow("buttonGroup_16") << "buttonGroup_16" << QStringList{"rbAdvancedSheetingMM", "rbAdvancedSheetingPercentage"} << "rbAdvancedSheetingPercentage";
    QTest::newRow("buttonGroup_18") << "buttonGroup_18" << QStringList{"rbAdvancedSheetingMMLast", "rbAdvancedSheetingPercentageLast"} << "rbAdvancedSheetingPercentageLast";
    QTest::newRow("buttonGroup_21") << "buttonGroup_21" << QStringList{"rbAdvancedSheetingOffsetEndPercentage", "rbAdvancedSheetingOffsetEndMM"} << "rbAdvancedSheetingOffsetEndPercentage";
    QTest::newRow("buttonGroup_20") << "buttonGroup_20" << QStringList{"rbAdvancedSheetingOffsetMM", "rbAdvancedSheetingOffsetPercentage"} << "rbAdvancedSheetingOffsetPercentage";
    QTest::newRow("buttonGroup_15") << "buttonGroup_15" << QStringList{"rbAdvancedSheetingLE", "rbAdvancedSheetingTE"} << "rbAdvancedSheetingLE";
    // The comb's LE / TE pair starts with neither on.
    QTest::newRow("buttonGroup_22") << "buttonGroup_22" << QStringList{"rbCombDistanceFromLE", "rbCombDistanceFromTE"} << "";
    QTest::newRow("buttonGroup_23") << "buttonGroup_23" << QStringList{"rbCombPositionMM", "rbCombPositionPercentage"} << "rbCombPositionPercentage";
    QTest::newRow("buttonGroup_24") << "buttonGroup_24" << QStringList{"rbCombLastPositionPercentage", "rbCombLastPositionMM"} << "rbCombLastPositionPercentage";
}

void TestWingPanelDialogForm::buttonGroupStartsOnItsDefault()
{
    QFETCH(QString, group);
    QFETCH(QStringList, buttons);
    QFETCH(QString, checked);

    Form form;
    auto* buttonGroup = form.get<QButtonGroup>(group);
    QVERIFY(buttonGroup);
    QVERIFY(buttonGroup->exclusive());
    QStringList members;
    for (auto* button : buttonGroup->buttons())
        members << button->objectName();
    members.sort();
    buttons.sort();
    QCOMPARE(members, buttons);
    QCOMPARE(buttonGroup->checkedButton() ? buttonGroup->checkedButton()->objectName() : QString(), checked);

    // Exclusive: turning another member on turns the first one off.
    auto* other = buttonGroup->buttons().last() == buttonGroup->checkedButton() ? buttonGroup->buttons().first()
                                                                                 : buttonGroup->buttons().last();
    other->setChecked(true);
    QCOMPARE(buttonGroup->checkedButton(), other);
    int on = 0;
    for (auto* button : buttonGroup->buttons())
        on += button->isChecked() ? 1 : 0;
    QCOMPARE(on, 1);
}

void TestWingPanelDialogForm::boxesAndFieldsStartInTheirState()
{
    Form form;
    const QStringList onAtStart{"chkBoxTE", "chkBoxRibs", "chkBoxAxes", "chkBoxLE",
                                "chkBoxGhostPanels", "chkBoxSpars", "chkBoxCovering"};
    const auto boxes = form.dialog.findChildren<QCheckBox*>();
    QVERIFY(boxes.size() > 30);
    for (auto* box : boxes)
        QVERIFY2(box->isChecked() == onAtStart.contains(box->objectName()), qPrintable(box->objectName()));

    for (const char* name : {"txtID", "txtRootRibFoil", "txtTipRibFoil", "shipway"})
        QVERIFY2(!form.get<QWidget>(name)->isEnabled(), name);
    QVERIFY(form.get<QWidget>("txtName")->isEnabled());
    QCOMPARE(form.get<QLineEdit>("txtTipRibFoil")->text(), QString("<same as root>"));

    auto* transparency = form.get<QSlider>("hsliderTransparency");
    auto* ghosts = form.get<QSlider>("hsliderGhostTransparency");
    QCOMPARE(transparency->value(), 100);
    QCOMPARE(ghosts->value(), 15);
    QCOMPARE(ghosts->minimum(), 15);
    QCOMPARE(ghosts->maximum(), 100);

    for (const char* name : {"lblMaxThicknessAt", "lblThicknessValue", "lblCamberValue", "lblMaxCLValue",
                             "lblMaxCLAngleValue", "lblMaxLDValue", "lblMaxLDAngleValue", "lblStallAngleValue",
                             "lblZeroLiftAngleValue"})
        QCOMPARE(form.get<QLabel>(name)->text(), QString("???"));

    auto* buttons = form.get<QDialogButtonBox>("buttonBoxEditPanel");
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons->orientation(), Qt::Vertical);
    QCOMPARE(form.dialog.windowModality(), Qt::WindowModal);
}

void TestWingPanelDialogForm::retranslationRestoresTextsAndKeepsValues()
{
    Form form;
    auto* length = form.get<XDoubleSpinBox>("txtLength");
    auto* tabs = form.get<QTabWidget>("panelDialogTabWidget");
    auto* sparPages = form.get<QStackedWidget>("stackedWidgetSpar");
    auto* tipFoil = form.get<QRadioButton>("rbTipRibFoil");
    auto* hint = form.get<QLabel>("label_3");
    const QString hintText = hint->text();

    length->setRange(0, 9000);
    length->setValue(321);
    length->setSuffix("in");
    length->setToolTip("x");
    tabs->setTabText(2, "x");
    tabs->setCurrentIndex(4);
    sparPages->setCurrentIndex(3);
    tipFoil->setChecked(true);
    hint->setText("x");
    form.dialog.setWindowTitle("x");

    form.ui.retranslateUi(&form.dialog);

    QCOMPARE(form.dialog.windowTitle(), QString("Wing panel definition"));
    QCOMPARE(tabs->tabText(2), QString("Spars"));
    QCOMPARE(hint->text(), hintText);
    QCOMPARE(length->suffix(), QString("mm"));
    QCOMPARE(length->toolTip(),
             QString("<html><head/><body><p>WARNING: changing this value after the ribs are alredy defined will "
                     "invalidate the rib definition specified for this panel!</p><p>Valid range: 10..5000mm</p>"
                     "</body></html>"));
    QCOMPARE(length->value(), 321.0);
    QCOMPARE(length->maximum(), 9000.0);
    QCOMPARE(tabs->currentIndex(), 4);
    QCOMPARE(sparPages->currentIndex(), 3);
    QVERIFY(tipFoil->isChecked());
}

void TestWingPanelDialogForm::picturesAndIconsAreCompiledIn()
{
    CompiledResources::ensureLoaded();
    Form form;

    const QString prefix = "image: url(";
    QStringList pictures;
    for (auto* widget : form.dialog.findChildren<QWidget*>()) {
        const QString style = widget->styleSheet();
        if (!style.startsWith(prefix))
            continue;
        const QString path = style.mid(prefix.size()).section(')', 0, 0);
        pictures << widget->objectName();
        QVERIFY2(!QImage(path).isNull(), qPrintable(widget->objectName() + ": " + path));
    }
    // Every illustration of the editor pages, the strip trailing edge included.
    QCOMPARE(pictures.size(), 12);
    QVERIFY(pictures.contains("imageViewTEStrip"));

    for (const char* name : {"btnLengthCalculator", "btnStraightenLE", "btnRemoveTipFoilSelection", "btnRoundSpar90",
                             "btnSquareSpar90", "btnWebbing90", "btnCubeSpar90", "btnComb90"}) {
        auto* button = form.get<QToolButton>(name);
        QVERIFY2(button && !button->icon().pixmap(16, 16).isNull(), name);
    }
    QVERIFY(!form.dialog.windowIcon().pixmap(16, 16).isNull());
}

void TestWingPanelDialogForm::typedNumberEndsAsTypedOrAsBefore_data()
{
    static QTemporaryDir imports;
    if (!WingFoils::instance())
        QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"), imports.path()));
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("wholeText");

    QStringList forms{"panel dialog", "length calculator", "main window", "panels table", "print dialog",
                      "airfoil import"};
    for (const DialogState& state : dialogStates)
        forms << QStringLiteral("panel dialog, ") + state.name;
#ifdef PLANFORMIX_SANITIZED
    int pair = 0;
#endif
    for (bool wholeText : {false, true})
        for (const char* language : {"de_DE", "en_US"})
            for (const QString& form : forms)
                for (const char* input : {"point", "comma", "whole", "above maximum", "below minimum", "grouping",
                                          "exponent", "letters", "empty"}) {
#ifdef PLANFORMIX_SANITIZED
                    // The sanitizers look for faults of memory, which the
                    // language and the selection do not change: each form
                    // and input once, the four ways taken in turn, keeps
                    // their run to a quarter.
                    const int way = int(wholeText) * 2 + int(language[0] == 'e');
                    const int at = pair++ % int(forms.size() * 9);
                    if ((at + at / 9) % 4 != way)
                        continue;
#endif
                    QTest::addRow("%s %s %s%s", language, qPrintable(form), input, wholeText ? ", whole text" : "")
                        << language << form << input << wholeText;
                }
}

void TestWingPanelDialogForm::typedNumberEndsAsTypedOrAsBefore()
{
    QFETCH(QString, language);
    QFETCH(QString, form);
    QFETCH(QString, input);
    QFETCH(bool, wholeText);
    struct System
    {
        QLocale previous;
        ~System()
        {
            QLocale::setDefault(previous);
            DialogSeam::clear();
        }
    } system;
    wholeTextSelected = wholeText;
    QLocale::setDefault(QLocale(language));
    DialogSeam::setScripted(true);
    DialogSeam::clear();

    if (const DialogState* state = dialogState(form)) {
        typedNumbersReachTheDocument(*state, language, input);
        // The next row opens the dialog on the same central widget: one a
        // failed row may have left in any state is not used again.
        auto* dialog = sharedCentral ? sharedCentral->findChild<WingPanelDialog*>() : nullptr;
        if (dialog && dialog->isVisible() && !QTest::currentTestFailed()) {
            DialogSeam::clear();
            DialogSeam::queueChoice(0);
            dialog->btnPanelEditRejected();
        }
        if (QTest::currentTestFailed() || !dialog || dialog->isVisible())
            sharedCentral.reset();
        return;
    }
    // The other forms are built alone, as before any dialog row.
    sharedCentral.reset();
    if (form == "panels table") {
        // The cells of the panels table write into the plane itself.
        Planformix central;
        central.setupForm();
        PlaneModel::instance()->getTableModel()->addOrUpdatePanel(panelWithEveryFeature());
        auto* table = central.findChild<QTableView*>("tableViewPanels");
        // Sweep, tip twist and dihedral; the others are set in the dialog.
        for (int column = 5; column < 8; ++column) {
            typeIntoCell(*table, 0, column, input, language);
            if (QTest::currentTestFailed())
                return;
            const double shown = cellValue(*table, 0, column);
            std::string saved;
            QVERIFY(PlaneModel::instance()->save(saved));
            QVERIFY(PlaneModel::instance()->loadFromString(saved, SerializeableIf::FILE_LOAD));
            QVERIFY2(qAbs(cellValue(*table, 0, column) - shown) < 1e-4,
                     qPrintable(QString("column %1 opened: %2").arg(column).arg(shown)));
        }
        return;
    }

    if (form == "print dialog") {
        // The margins go into the settings kept for the next printout, which
        // the dialog shows again when it opens.
        QPrinter printer(QPrinter::HighResolution);
        PrintSettings settings;
        int height = 0;
        int width = 0;
        QList<double> held;
        {
            PrintDialog dialog(&printer, &settings, QDir::tempPath(), "Planformix.pdf", &height, &width);
            for (XDoubleSpinBox* field : dialog.findChildren<XDoubleSpinBox*>()) {
                typeIntoField(field, input, language);
                if (QTest::currentTestFailed())
                    return;
                held << field->value();
            }
            QCOMPARE(held.size(), 4);
            dialog.done(QDialog::Accepted);
        }
        PrintDialog opened(&printer, &settings, QDir::tempPath(), "Planformix.pdf", &height, &width);
        const auto fields = opened.findChildren<XDoubleSpinBox*>();
        for (int i = 0; i < fields.size(); ++i)
            QVERIFY2(qAbs(fields[i]->value() - held[i]) < 1e-9,
                     qPrintable(fields[i]->objectName() + " opened: " + fields[i]->text()));
        return;
    }

    const std::unique_ptr<QWidget> widget = numberForm(form);
    QList<QAbstractSpinBox*> fields;
    for (QAbstractSpinBox* box : widget->findChildren<QAbstractSpinBox*>())
        // The panel dialog in the main window is checked in its own rows,
        // on a panel.
        if (box->window() == widget->window())
            fields << box;
    QVERIFY(!fields.isEmpty());

    for (QAbstractSpinBox* box : fields) {
        auto* field = qobject_cast<XDoubleSpinBox*>(box);
        QVERIFY2(field, qPrintable(box->objectName()));
        field->setValue(field->minimum());
        typeIntoField(field, input, language);
        if (QTest::currentTestFailed())
            return;

        if (field->objectName() == "txtWingHalvesDistance") {
            // Saved and opened again, the document gives the field back
            // what it showed.
            const double held = field->value();
            std::string saved;
            QVERIFY(PlaneModel::instance()->save(saved));
            field->setValue(field->maximum(), true);
            QVERIFY(PlaneModel::instance()->loadFromString(saved, SerializeableIf::FILE_LOAD));
            QVERIFY2(qAbs(field->value() - held) < 1e-9, qPrintable("opened: " + field->text()));
        }
    }
}

void TestWingPanelDialogForm::typedNumbersReachTheDocument(const DialogState& state, const QString& language,
                                                           const QString& input)
{
    // Every number of the page, typed and left, then OK, Save and Open: the
    // panel opened again shows what each field and cell showed.
    Planformix& central = centralFor(language);
    PlaneModel::instance()->getTableModel()->addOrUpdatePanel(panelWithEveryFeature(state.trailingEdge));
    WingPanelDialog* dialog = openInState(central, state, true);
    QVERIFY(dialog);
    const Shown shown = shownIn(*dialog, state);
    QVERIFY(!shown.fields.isEmpty() || !shown.texts.isEmpty() || !shown.cellColumns.isEmpty());

    QList<double> held;
    for (XDoubleSpinBox* field : shown.fields) {
        QVERIFY2(field->isVisible(), qPrintable(field->objectName() + " went out of sight"));
        typeIntoField(field, input, language);
        if (QTest::currentTestFailed())
            return;
        held << field->value();
    }
    bool textRefused = false;
    QList<double> textHeld;
    for (XLineEdit* text : shown.texts) {
        double before = 0.0;
        QVERIFY(numberIn(text->text(), *text->getInputValueType(), before));
        const TypedInput typed =
            typedInput(input, rangeOf(*text->getInputValueType()), before, language == "de_DE");
        typeInto(text, typed.text);
        leaveWithTab(text);
        // A text field keeps what was typed; one that is no number of its
        // kind is red, and OK refuses it.
        QCOMPARE(text->text(), typed.text);
        double number = 0.0;
        const bool taken = numberIn(typed.text, *text->getInputValueType(), number);
        QCOMPARE(text->isValid(), taken);
        QCOMPARE(taken, typed.taken);
        textRefused = textRefused || !taken;
        textHeld << (taken ? number : before);
    }
    auto* table = state.table ? dialog->findChild<QTableView*>(state.table) : nullptr;
    QList<double> cellHeld;
    for (int column : shown.cellColumns) {
        typeIntoCell(*table, state.row, column, input, language);
        if (QTest::currentTestFailed())
            return;
        cellHeld << cellValue(*table, state.row, column);
    }

    DialogSeam::clear();
    // A new length or rib thickness asks to generate the ribs again.
    DialogSeam::queueChoice(0);
    dialog->findChild<QDialogButtonBox*>("buttonBoxEditPanel")->button(QDialogButtonBox::Ok)->click();
    QString said;
    for (const DialogSeam::Call& call : DialogSeam::calls())
        said += call.title + ": " + call.text + "\n";
    if (textRefused) {
        QVERIFY(dialog->isVisible());
        QVERIFY2(said.contains("Not all fields contain a valid value!"), qPrintable(said));
        DialogSeam::clear();
        DialogSeam::queueChoice(0);
        dialog->btnPanelEditRejected();
    }
    QVERIFY2(!dialog->isVisible(), qPrintable(said));

    std::string saved;
    QVERIFY(PlaneModel::instance()->save(saved));
    QVERIFY(PlaneModel::instance()->loadFromString(saved, SerializeableIf::FILE_LOAD));
    dialog = openInState(central, state, false);
    QVERIFY(dialog);
    const Shown opened = shownIn(*dialog, state);
    QCOMPARE(opened.fields, shown.fields);
    for (int i = 0; i < opened.fields.size(); ++i)
        QVERIFY2(qAbs(opened.fields[i]->value() - held[i]) < 1e-4,
                 qPrintable(opened.fields[i]->objectName() + " opened: " + opened.fields[i]->text()));
    for (int i = 0; i < opened.texts.size(); ++i) {
        double number = 0.0;
        QVERIFY(numberIn(opened.texts[i]->text(), *opened.texts[i]->getInputValueType(), number));
        QVERIFY2(qAbs(number - textHeld[i]) < 1e-4,
                 qPrintable(opened.texts[i]->objectName() + " opened: " + opened.texts[i]->text()));
    }
    table = state.table ? dialog->findChild<QTableView*>(state.table) : nullptr;
    for (int i = 0; i < shown.cellColumns.size(); ++i) {
        const double value = cellValue(*table, state.row, shown.cellColumns[i]);
        QVERIFY2(qAbs(value - cellHeld[i]) < 1e-4,
                 qPrintable(QString("cell %1 opened: %2").arg(shown.cellColumns[i]).arg(value)));
    }
}

QTEST_MAIN(TestWingPanelDialogForm)
#include "tst_wingpaneldialogform_gl.moc"
