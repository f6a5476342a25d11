#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDockWidget>
#include <QDoubleSpinBox>
#include <QFile>
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
#include "foundation/XDoubleSpinBox.h"
#include "foundation/CompiledResources.h"
#include "foundation/XLineEdit.h"
#include "ui_AirfoilImportDialog.h"
#include "ui_LengthCalculator.h"
#include "ui_Planformix.h"
#include "ui_PrintDialog.h"
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
    // central widget, joined to the plane (the panel dialog it holds comes
    // along, with the rules it gives its fields).
    if (name == "main window") {
        auto central = std::make_unique<Planformix>();
        central->setupForm();
        return central;
    }
    auto form = std::make_unique<QDialog>();
    if (name == "panel dialog")
        Ui_WingPanelDialog().setupUi(form.get());
    else if (name == "length calculator")
        Ui_LengthCalculator().setupUi(form.get());
    else if (name == "print dialog")
        Ui_PrintDialog().setupUi(form.get());
    else if (name == "airfoil import")
        Ui_AirfoilImportDialog().setupUi(form.get());
    return form;
}

// What is typed into a field for one kind of input, and what the field
// must hold after it is left: the typed number or the value from before.
struct TypedInput
{
    QString text;
    bool taken = false;
    double number = 0.0;
};

TypedInput typedInput(const QString& input, const QDoubleSpinBox& field, bool german)
{
    const double low = field.minimum();
    const double high = field.maximum();
    const bool whole = field.decimals() == 0;
    const double inside = low + (high - low) * 0.37;
    const double count = std::ceil(inside) <= high ? std::ceil(inside) : std::floor(inside);
    const auto typed = [german](double number) {
        QString text = QString::number(number, 'f', 1);
        return german ? text.replace('.', ',') : text;
    };
    TypedInput result;
    if (input == "point" || input == "comma") {
        double number = std::floor(inside) + 0.5;
        if (number < low)
            number = low;
        result.text = QString::number(number, 'f', 1).replace('.', input == "point" ? '.' : ',');
        result.taken = !whole;
        result.number = number;
    } else if (input == "whole") {
        result.text = QString::number(count);
        result.taken = true;
        result.number = count;
    } else if (input == "above maximum") {
        // Its start is in range: the number taken on the way must not stay.
        result.text = QString::number(std::floor(high)) + "1";
    } else if (input == "below minimum") {
        result.text = typed(whole ? low - 1.0 : low - 0.5);
    } else if (input == "grouping") {
        result.text = german ? "1.000,5" : "1,000.5";
    } else if (input == "exponent") {
        result.text = QString::number(count * 10) + "e-1";
        result.taken = !whole;
        result.number = count;
    } else if (input == "letters") {
        result.text = "1x5";
    }
    return result;
}

} // namespace

class TestWingPanelDialogForm : public QObject
{
    Q_OBJECT

private slots:
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

    for (const char* language : {"de_DE", "en_US"})
        for (const char* form : {"panel dialog", "length calculator", "main window", "print dialog", "airfoil import"})
            for (const char* input : {"point", "comma", "whole", "above maximum", "below minimum", "grouping",
                                      "exponent", "letters", "empty"})
                QTest::addRow("%s %s %s", language, form, input) << language << form << input;
}

void TestWingPanelDialogForm::typedNumberEndsAsTypedOrAsBefore()
{
    QFETCH(QString, language);
    QFETCH(QString, form);
    QFETCH(QString, input);

    struct System
    {
        QLocale previous;
        ~System() { QLocale::setDefault(previous); }
    } system;
    QLocale::setDefault(QLocale(language));
    const QLocale shown(language);
    const std::unique_ptr<QWidget> widget = numberForm(form);
    const auto fields = widget->findChildren<QAbstractSpinBox*>();
    QVERIFY(!fields.isEmpty());

    for (QAbstractSpinBox* box : fields) {
        auto* field = qobject_cast<XDoubleSpinBox*>(box);
        QVERIFY2(field, qPrintable(box->objectName()));
        const TypedInput typed = typedInput(input, *field, language == "de_DE");
        const double before = field->minimum();
        field->setValue(before);
        QSignalSpy heard(field, SIGNAL(valueChanged(double)));

        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QCoreApplication::sendEvent(field, &in);
        field->selectAll();
        if (typed.text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        QTest::keyClicks(field, typed.text);
        // Every key stays in the field until it is left.
        QVERIFY2(field->cleanText() == typed.text, qPrintable(field->objectName() + ": " + field->text()));
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QCoreApplication::sendEvent(field, &out);

        const double held = typed.taken ? typed.number : before;
        const QString where = field->objectName() + " after \"" + typed.text + "\": " + field->text();
        QVERIFY2(qAbs(field->value() - held) < 1e-9, qPrintable(where));
        QVERIFY2(field->cleanText() == shown.toString(held, 'f', field->decimals()).remove(shown.groupSeparator()),
                 qPrintable(where));
        // What the listeners (the preview, the document) were told last.
        const double told = heard.isEmpty() ? before : heard.last().at(0).toDouble();
        QVERIFY2(qAbs(told - held) < 1e-9, qPrintable(where));

        if (field->objectName() == "txtWingHalvesDistance") {
            // Saved and opened again, the document gives the field back
            // what it showed.
            std::string saved;
            QVERIFY(PlaneModel::instance()->save(saved));
            field->setValue(field->maximum(), true);
            QVERIFY(PlaneModel::instance()->loadFromString(saved, SerializeableIf::FILE_LOAD));
            QVERIFY2(qAbs(field->value() - held) < 1e-9, qPrintable(where + " opened: " + field->text()));
        }
    }
}

QTEST_MAIN(TestWingPanelDialogForm)
#include "tst_wingpaneldialogform_gl.moc"
