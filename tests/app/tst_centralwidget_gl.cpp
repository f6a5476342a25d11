#include <QButtonGroup>
#include <QCheckBox>
#include <QGraphicsView>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSplitter>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QTabWidget>
#include <QTableView>
#include <QTranslator>
#include <QtTest>
#include <memory>

#include "airfoils/WingFoils.h"
#include "app/Planformix.h"
#include "model/BuildingTabData.h"
#include "model/CoveringDefinition.h"
#include "model/LEData.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "model/RibCombList.h"
#include "model/SheetingStripList.h"
#include "model/SparList.h"
#include "model/TEData.h"
#include "document/PlaneModel.h"
#include "editing/WingPanelDialog.h"
#include "foundation/XDoubleSpinBox.h"
#include "foundation/CompiledResources.h"
#include "views/MainWingGLWidget.h"
#include "views/PlaneDrawingArea.h"
#include "views/PlaneSummaryArea.h"
#include "views/VisualisationButtons.h"

#include "ui_Planformix.h"

// The central widget: its two pages as the form leaves them, and the views
// and controls that setting it up joins to the plane.
namespace {

// Marks every text of the central form, as a loaded catalogue would.
class MarkingTranslator : public QTranslator
{
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char*, int) const override
    {
        if (QByteArray(context) != "Planformix")
            return QString();
        const QString source = QString::fromUtf8(sourceText);
        // Shortcuts must stay parseable.
        return source.startsWith("Alt+") ? source : QStringLiteral("DE ") + source;
    }
};

// Stands for the observers registered before the central widget (the
// document's file manager in the program).
class Bystander : public Observer
{
public:
    Bystander() : Observer(QStringLiteral("Bystander"), false) {}
    void observedObjectChanged(Observable*) override {}
    void saveViewData(serializedPlanformixData&) override {}
    void loadViewData(const google::protobuf::Message*, SerializeableIf::hint_t) override {}
};

PanelBaseData plainPanel()
{
    return PanelBaseData(0, QStringLiteral("Panel"), QStringLiteral("NACA 2412"), QStringLiteral("NACA 2412"),
                         200.0f, 150.0f, 0.0f, 600.0f, 0.0f, 3.0f, false, false, true, 3.0f, 6, 150.0f, 1.0f, 1.0f,
                         nullptr, LEData(), TEData(), SparList(), SheetingStripList(), CoveringDefinition(),
                         BuildingTabData(), RibCombList());
}

} // namespace

class TestCentralWidget : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();

    void formKeepsAGivenObjectName();
    void formStartsOnPlaneDefinitionWithItsControls();
    void summaryPageStartsUnfilled();
    void languageChangeRelabelsAndKeepsState();
    void languageChangeBeforeSetupIsHarmless();

    void setupJoinsViewsToThePlaneInOrder();
    void setupStartsWithAFreshSummary();
    void wingHalvesDistanceAcceptsItsRange_data();
    void wingHalvesDistanceAcceptsItsRange();
    void viewButtonsTurnTheWingView_data();
    void viewButtonsTurnTheWingView();
    void panelTableShowsThePlanesPanels();
    void panelTableShowsEveryColumnWhole_data();
    void panelTableShowsEveryColumnWhole();
    void summaryShowsEveryValueWhole_data();
    void summaryShowsEveryValueWhole();
    void importedAirfoilReachesThePanelDialog();
    void destructionTakesThePlaneModel();

private:
    // As the main window leaves its central widget on a 1280 x 800 screen,
    // in the language of the catalogue (English without one).
    static bool showOnSmallScreen(Planformix& central, QTranslator& translator, const QString& catalogue, int tab);

    QTemporaryDir imported;
};

bool TestCentralWidget::showOnSmallScreen(Planformix& central, QTranslator& translator, const QString& catalogue,
                                          int tab)
{
    if (!catalogue.isEmpty()) {
        if (!translator.load(catalogue))
            return false;
        QCoreApplication::installTranslator(&translator);
    }
    central.setupForm();
    central.resize(1257, 660);
    central.form()->tabWidget->setCurrentIndex(tab);
    central.show();
    const bool exposed = QTest::qWaitForWindowExposed(&central);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    return exposed;
}

void TestCentralWidget::initTestCase()
{
    CompiledResources::ensureLoaded();
    QVERIFY(imported.isValid());
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"), imported.path()));
}

void TestCentralWidget::formKeepsAGivenObjectName()
{
    QWidget named;
    named.setObjectName("centralArea");
    Ui_Planformix form;
    form.setupUi(&named);
    QCOMPARE(named.objectName(), QString("centralArea"));

    QWidget anonymous;
    Ui_Planformix second;
    second.setupUi(&anonymous);
    QCOMPARE(anonymous.objectName(), QString("Planformix"));
    QCOMPARE(anonymous.windowTitle(), QString("Planformix"));
    QVERIFY(!anonymous.windowIcon().isNull());
}

void TestCentralWidget::formStartsOnPlaneDefinitionWithItsControls()
{
    QWidget host;
    Ui_Planformix ui;
    ui.setupUi(&host);

    QCOMPARE(ui.tabWidget->count(), 2);
    QCOMPARE(ui.tabWidget->currentWidget(), ui.tabMainWing);
    QCOMPARE(ui.tabWidget->tabText(0), QString("Plane Definition"));
    QCOMPARE(ui.tabWidget->tabText(1), QString("Summary"));

    for (QGroupBox* box : {ui.grpBoxHoriz, ui.grpBoxVert, ui.grpBoxFuselage}) {
        QVERIFY(!box->isEnabled());
        const QList<QLabel*> labels = box->findChildren<QLabel*>();
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.first()->text(), QString("(future extension)"));
    }

    for (QCheckBox* box : {ui.chkBoxRibs, ui.chkBoxSpars, ui.chkBoxCovering, ui.chkBoxTE, ui.chkBoxLE, ui.chkBoxAxes})
        QVERIFY2(box->isChecked(), qPrintable(box->objectName()));
    QVERIFY(!ui.chkBoxCombs->isChecked());
    QCOMPARE(ui.hsliderTransparency->minimum(), 15);
    QCOMPARE(ui.hsliderTransparency->maximum(), 100);
    QCOMPARE(ui.hsliderTransparency->value(), 100);
    QCOMPARE(ui.txtWingHalvesDistance->minimum(), -30.0);
    QCOMPARE(ui.txtWingHalvesDistance->maximum(), 300.0);
    QCOMPARE(ui.txtWingHalvesDistance->singleStep(), 5.0);
    QCOMPARE(ui.txtWingHalvesDistance->suffix(), QString("mm"));

    QVERIFY(!ui.splitter_2->childrenCollapsible());
    QVERIFY(!ui.splitter->childrenCollapsible());

    // Editing starts by double-click, a click on the selected cell, the edit
    // key or typing, never by merely moving the current cell.
    const QAbstractItemView::EditTriggers triggers = ui.tableViewPanels->editTriggers();
    QCOMPARE(triggers, QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                           | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    QCOMPARE(ui.tableViewPanels->selectionMode(), QAbstractItemView::SingleSelection);
    QCOMPARE(ui.tableViewPanels->selectionBehavior(), QAbstractItemView::SelectRows);

    for (QPushButton* button :
         {ui.btnPanelAdd, ui.btnPanelEdit, ui.btnPanelDelete, ui.btnPanelMoveUp, ui.btnPanelMoveDown})
        QVERIFY2(!button->icon().isNull(), qPrintable(button->objectName()));
    QCOMPARE(ui.btnPanelMoveUp->text(), ui.btnPanelMoveDown->text());
}

void TestCentralWidget::summaryPageStartsUnfilled()
{
    QWidget host;
    Ui_Planformix ui;
    ui.setupUi(&host);

    for (QLabel* value : {ui.lblWingSpanValue, ui.lblWingAreaValue, ui.lblChorLenValue, ui.lblTailVolumeValue,
                          ui.lblFuselageLenValue, ui.lblWingPositionValue})
        QCOMPARE(value->text(), QString("?"));
    QVERIFY(ui.txtPlaneName->text().isEmpty());
    QVERIFY(!ui.chkConsiderDihedral->isChecked());
    QCOMPARE(ui.grphViewPlaneMainView->scene(), nullptr);

    // One unit at a time; the group belongs to the central widget itself.
    QCOMPARE(ui.btnGroupUnits->parent(), &host);
    QVERIFY(ui.btnGroupUnits->exclusive());
    QCOMPARE(ui.btnGroupUnits->buttons().size(), 3);
    QVERIFY(ui.rbtnMM->isChecked());
    ui.rbtnIN->click();
    QVERIFY(ui.rbtnIN->isChecked());
    QVERIFY(!ui.rbtnMM->isChecked() && !ui.rbtnDM->isChecked());
    QCOMPARE(ui.rbtnMM->shortcut(), QKeySequence("Alt+M"));
    QCOMPARE(ui.rbtnDM->shortcut(), QKeySequence("Alt+D"));
    QCOMPARE(ui.rbtnIN->shortcut(), QKeySequence("Alt+I"));
}

void TestCentralWidget::languageChangeRelabelsAndKeepsState()
{
    Planformix central;
    central.setupForm();
    Ui_Planformix* ui = central.form();
    ui->tabWidget->setCurrentIndex(1);
    ui->chkBoxRibs->setChecked(false);
    ui->hsliderTransparency->setValue(40);
    ui->rbtnDM->click();
    ui->txtPlaneName->setText("Glider");
    ui->lblWingSpanValue->setText("1234");

    MarkingTranslator translator;
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(ui->tabWidget->tabText(0), QString("DE Plane Definition"));
    QCOMPARE(ui->tabWidget->tabText(1), QString("DE Summary"));
    QCOMPARE(ui->chkBoxRibs->text(), QString("DE Ribs"));
    QCOMPARE(ui->lblWingSpan->text(), QString("DE Wing Span:"));
    QCOMPARE(ui->txtWingHalvesDistance->suffix(), QString("DE mm"));
    QCOMPARE(ui->rbtnIN->shortcut(), QKeySequence("Alt+I"));

    QCOMPARE(ui->tabWidget->currentIndex(), 1);
    QVERIFY(!ui->chkBoxRibs->isChecked());
    QCOMPARE(ui->hsliderTransparency->value(), 40);
    QVERIFY(ui->rbtnDM->isChecked());
    QCOMPARE(ui->txtPlaneName->text(), QString("Glider"));
    QCOMPARE(ui->lblWingSpanValue->text(), QString("1234"));

    QCoreApplication::removeTranslator(&translator);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QCOMPARE(ui->chkBoxRibs->text(), QString("Ribs"));
}

void TestCentralWidget::languageChangeBeforeSetupIsHarmless()
{
    Planformix central;
    QEvent change(QEvent::LanguageChange);
    QCoreApplication::sendEvent(&central, &change);
    central.setupForm();
    QCOMPARE(central.form()->tabWidget->tabText(1), QString("Summary"));
}

void TestCentralWidget::setupJoinsViewsToThePlaneInOrder()
{
    Bystander before;
    PlaneModel::instance()->addObserver(&before);

    Planformix central;
    central.setupForm();
    const std::list<Observer*>& observers = PlaneModel::instance()->getObservers();
    QCOMPARE(observers.size(), size_t(4));
    auto it = observers.begin();
    QCOMPARE(*it++, static_cast<Observer*>(&before));
    QCOMPARE(*it++, static_cast<Observer*>(central.getPlaneSummaryArea()));
    QCOMPARE(*it++, static_cast<Observer*>(central.getPlaneDrawingArea()));
    QCOMPARE(*it++, static_cast<Observer*>(central.form()->mainWingGLWidget));

    // The three views share the 3D view's options: hiding the ribs there is
    // what the planform drawing and the summary see.
    QCOMPARE(central.form()->grphViewPlaneMainView->scene(), central.getPlaneDrawingArea());
    central.form()->chkBoxRibs->setChecked(false);
    QVERIFY(!central.form()->mainWingGLWidget->getVisualisationOptions()->getShowRibs());
}

void TestCentralWidget::setupStartsWithAFreshSummary()
{
    PlaneModel* model = PlaneModel::instance();
    model->setName("Old name", false);

    Planformix central;
    central.setupForm();
    Ui_Planformix* ui = central.form();
    QVERIFY(model->getName().isEmpty());
    QVERIFY(ui->rbtnMM->isChecked());
    QVERIFY(ui->chkConsiderDihedral->isChecked());

    // The summary follows its controls from now on.
    ui->rbtnIN->click();
    QCOMPARE(model->getUnits(), int(PlaneSummaryArea::Inches));
    QTest::keyClicks(ui->txtPlaneName, "Glider");
    QCOMPARE(model->getName(), QString("Glider"));
}

void TestCentralWidget::wingHalvesDistanceAcceptsItsRange_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("lowest") << -30.0 << true;
    QTest::newRow("zero") << 0.0 << true;
    QTest::newRow("highest") << 300.0 << true;
    QTest::newRow("below") << -30.5 << false;
    QTest::newRow("above") << 300.01 << false;
}

void TestCentralWidget::wingHalvesDistanceAcceptsItsRange()
{
    QFETCH(double, value);
    QFETCH(bool, valid);
    Planformix central;
    central.setupForm();
    XDoubleSpinBox* field = central.form()->txtWingHalvesDistance;
    // The field clamps what it shows; widen it to reach the values outside.
    field->setRange(-1000.0, 1000.0);
    field->setValue(value, false);
    QCOMPARE(field->isValid(), valid);
}

void TestCentralWidget::viewButtonsTurnTheWingView_data()
{
    QTest::addColumn<QString>("preset");
    for (const char* name : {"topView", "frontView", "bottomView", "rearView", "leftView", "rightView", "view45"})
        QTest::newRow(name) << QString(name);
}

void TestCentralWidget::viewButtonsTurnTheWingView()
{
    QFETCH(QString, preset);
    Planformix central;
    central.setupForm();
    // The presets frame the wing, so there has to be one.
    PlaneModel::instance()->getPanelsTableModel()->addOrUpdatePanel(plainPanel());
    MainWingGLWidget* view = central.form()->mainWingGLWidget;
    const QByteArray slot = preset.toLatin1();
    const char* other = preset == "view45" ? "topView" : "view45";

    auto camera = [view] {
        QVector<float> state(view->getRotation(), view->getRotation() + 16);
        state << view->getCameraX() << view->getCameraY() << view->getCameraZ();
        return state;
    };
    QVERIFY(QMetaObject::invokeMethod(view, slot.constData()));
    const QVector<float> expected = camera();
    QVERIFY(QMetaObject::invokeMethod(view, other));
    QVERIFY(camera() != expected);

    QVERIFY(QMetaObject::invokeMethod(central.form()->visualisationButtons, slot.constData()));
    QCOMPARE(camera(), expected);
}

void TestCentralWidget::panelTableShowsThePlanesPanels()
{
    Planformix central;
    central.setupForm();
    QTableView* table = central.form()->tableViewPanels;
    QCOMPARE(table->model(), static_cast<QAbstractItemModel*>(PlaneModel::instance()->getTableModel()));
    PlaneModel::instance()->getPanelsTableModel()->addOrUpdatePanel(plainPanel());
    QCOMPARE(table->model()->rowCount(), 1);
}

void TestCentralWidget::panelTableShowsEveryColumnWhole_data()
{
    QTest::addColumn<QString>("catalogue");
    QTest::newRow("English") << QString();
    QTest::newRow("German") << QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/lang/planformix_de.qm");
}

void TestCentralWidget::panelTableShowsEveryColumnWhole()
{
    QFETCH(QString, catalogue);
    QTranslator translator;
    Planformix central;
    QVERIFY(showOnSmallScreen(central, translator, catalogue, 0));

    PanelsTableModel* panels = PlaneModel::instance()->getPanelsTableModel();
    for (const char* name : {"Centre", "Middle", "Outer"}) {
        PanelBaseData data = plainPanel();
        data.setId(panels->getNextFreeId());
        data.setPanelName(QString::fromLatin1(name));
        data.setAirfoilName(RootAirfoil, QStringLiteral("CLARK Y AIRFOIL"));
        panels->addOrUpdatePanel(data);
    }
    // A name of 16 characters typed into the table widens its column.
    QVERIFY(panels->setData(panels->index(1, 0), QStringLiteral("Middle section B")));

    QTableView* table = central.form()->tableViewPanels;
    QHeaderView* header = table->horizontalHeader();
    for (int column = 0; column < panels->columnCount(); ++column) {
        QVERIFY2(table->columnWidth(column) >= static_cast<QAbstractItemView*>(table)->sizeHintForColumn(column), qPrintable(QString::number(column)));
        QVERIFY2(table->columnWidth(column) >= header->sectionSizeHint(column), qPrintable(QString::number(column)));
    }
    QTRY_VERIFY(header->length() <= table->viewport()->width());
    QCoreApplication::removeTranslator(&translator);
}

void TestCentralWidget::summaryShowsEveryValueWhole_data()
{
    panelTableShowsEveryColumnWhole_data();
}

void TestCentralWidget::summaryShowsEveryValueWhole()
{
    QFETCH(QString, catalogue);
    QTranslator translator;
    Planformix central;
    QVERIFY(showOnSmallScreen(central, translator, catalogue, 1));

    // 1 480 000 mm² of wing: seven digits before the point.
    PanelBaseData data = plainPanel();
    data.setId(PlaneModel::instance()->getPanelsTableModel()->getNextFreeId());
    data.setLength(1850.0f);
    data.setRootChord(400.0f);
    data.setTipChord(400.0f);
    data.setDihedralAngle(0.0f);
    PlaneModel::instance()->getPanelsTableModel()->addOrUpdatePanel(data);
    Ui_Planformix& ui = *central.form();
    QCOMPARE(ui.lblWingAreaValue->text(), QStringLiteral("1480000.00"));
    for (QLabel* value : {ui.lblWingSpanValue, ui.lblWingAreaValue, ui.lblChorLenValue, ui.lblTailVolumeValue,
                          ui.lblFuselageLenValue, ui.lblWingPositionValue})
        QTRY_VERIFY2(value->contentsRect().width() >= value->fontMetrics().horizontalAdvance(value->text()),
                     qPrintable(value->objectName() + QLatin1Char(' ') + value->text()));
    QCoreApplication::removeTranslator(&translator);
}

void TestCentralWidget::importedAirfoilReachesThePanelDialog()
{
    Planformix central;
    central.setupForm();
    WingPanelDialog* dialog = central.findChild<WingPanelDialog*>();
    QVERIFY(dialog);
    const QString name = QStringLiteral("IMPORTED TEST FOIL");
    QVERIFY(dialog->getAirfoilItemModel()->findItems(name).isEmpty());

    const QString path = imported.filePath(QStringLiteral("imported.dat"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(name.toLatin1() + "\n1.0 0.001\n0.5 0.06\n0.0 0.0\n0.5 -0.04\n1.0 -0.001\n");
    file.close();
    Airfoil* airfoil = WingFoils::instance()->loadAirfoilFile(path, AirfoilFileType::Dat);
    QVERIFY(airfoil);
    WingFoils::instance()->addAirfoil(airfoil);
    central.airfoilListChanged();
    QCOMPARE(dialog->getAirfoilItemModel()->findItems(name).size(), 1);
}

void TestCentralWidget::destructionTakesThePlaneModel()
{
    PlaneModel* model = PlaneModel::instance();
    {
        Planformix unbuilt;
    }
    QCOMPARE(PlaneModel::instance(), model);
    Bystander probe;
    model->addObserver(&probe);
    {
        Planformix central;
        central.setupForm();
    }
    // A new model starts without the observers of the old one.
    QVERIFY(PlaneModel::instance()->getObservers().empty());
}

QTEST_MAIN(TestCentralWidget)
#include "tst_centralwidget_gl.moc"
