#include <QAction>
#include <QImage>
#include <QCheckBox>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSlider>
#include <QSortFilterProxyModel>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "document/DocumentLimits.h"
#include "document/PlaneModel.h"
#include "editing/WingPanelDialog.h"
#include "foundation/XDoubleSpinBox.h"
#include "foundation/DialogSeam.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/RibListTableModel.h"
#include "model/SparsTableModel.h"
#include "editing/LengthCalculator.h"
#include "views/WingFoilGLWidget.h"
#include "views/CADWidgetRibView.h"
#include <QTimer>
#include <QTranslator>
#include <QHeaderView>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include "editing/XSparTypeEditDelegate.h"
#include "editing/PanelDialogTestSupport.h"

// The panel dialog driven through its own widgets and slots, as the panel
// table and the user drive it: loading, previewing on the working panel,
// validation and commit, airfoil choice and the editing of its lists. The
// dialog holds an OpenGL preview, so it runs on the X display; nothing here
// shows the dialog, so nothing is painted.
namespace {

QStringList connectWarnings;

void collectConnectWarnings(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtWarningMsg && text.contains(QLatin1String("QObject::connect")))
        connectWarnings << text;
}

SparList oneSpar(int first, int last)
{
    SparList spars;
    SparDefinition spar(QStringLiteral("Main"), SparType::Round, first, last, 30.0f, 30.0f, true, false);
    spar.setPercentageSelected(0, false);
    spars.addSpar(spar);
    return spars;
}

} // namespace

class TestWingPanelDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void startsIdleWithEveryConnectionMade();
    void rangeBoundsAreValid_data();
    void rangeBoundsAreValid();
    void loadingFillsFieldsSilentlyAndBuildsThePanel();
    void loadingSwitchesTheEdgePageEvenWhenAlreadyChecked();
    void emptyTipAirfoilFollowsTheRootFactor();
    void rootChordRedrawsAtOnceButLengthWaits();
    void sweepLabelReadsTheRebuiltPanel();
    void germanDesktopReadsAndShowsNumbersOneWay();
    void viewOptionsReachThePreviewWithoutARebuild();
    void invalidFieldDropsTheWorkingPanelUntilCorrected();
    void okWithUnchangedRibsCommitsAndHides();
    void okAfterLengthChangeAsksBeforeRegenerating();
    void okWithInvalidFieldShowsItsTab();
    void cancelAsksAndStaysOnStay();
    void airfoilFilterMatchesNamePrefix_data();
    void airfoilFilterMatchesNamePrefix();
    void choosingTipAirfoilLeavesTheRoot();
    void ribEditsKeepFeaturesOnTheirRibs_data();
    void ribEditsKeepFeaturesOnTheirRibs();
    void splitRibHalvesItsThickness();
    void editorStopsAtWhatADocumentOpens();
    void copiedSparIsNamedAndShifted();
    void sparPageShowsTheSelectedSpar();
    void sparPageEditsWriteBackIntoTheSpar();
    void tabChangeDeselectsFeaturesButNotRibs();
    void sparAngles();
    void neededFor90IsCutToTwoDecimals();
    void alignMenusFollowTheNeighbours();
    void combPageFollowsTheSelectedComb();
    void stripPageFollowsTheSelectedStrip();
    void sparTypeEditSwitchesThePage();
    void airfoilFieldsShowTheSectionTheRibsAreCutFrom_data();
    void airfoilFieldsShowTheSectionTheRibsAreCutFrom();
    void viewPresetsPlaceTheCamera_data();
    void viewPresetsPlaceTheCamera();
    void lengthCalculatorFillsTheRibFields();
    void firstOpeningShowsTheSweepAngle();
    void openingShowsTheOpenedPanelsAirfoilData();

private:
    void loadDefault(const SparList& spars = SparList());
    template <typename T>
    T* widget(const char* name) const
    {
        return childNamed<T>(dialog.get(), name);
    }

    QTemporaryDir importedFoils;
    std::unique_ptr<WingPanelDialog> dialog;
};

void TestWingPanelDialog::initTestCase()
{
    // An airfoil with a Latin-1 name, which earlier builds cut at its umlaut.
    QFile latin(importedFoils.filePath(QStringLiteral("latin.dat")));
    QVERIFY(latin.open(QIODevice::WriteOnly));
    latin.write("Profil M\xFC 12\n1.0 0.001\n0.5 0.06\n0.0 0.0\n0.01 -0.01\n0.5 -0.04\n1.0 -0.001\n");
    latin.close();
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"),
                                      importedFoils.path()));
    QVERIFY(WingFoils::instance()->findAirfoil(QStringLiteral("NACA 2412"), false));
}

void TestWingPanelDialog::init()
{
    DialogSeam::setScripted(true);
    DialogSeam::clear();
    connectWarnings.clear();
    QtMessageHandler previous = qInstallMessageHandler(collectConnectWarnings);
    dialog = std::make_unique<WingPanelDialog>(nullptr);
    qInstallMessageHandler(previous);
}

void TestWingPanelDialog::cleanup()
{
    dialog.reset();
    DialogSeam::clear();
}

void TestWingPanelDialog::loadDefault(const SparList& spars)
{
    dialog->loadPanelIntoDialog(makePanelData(spars));
    QVERIFY(dialog->getWorkingPanel());
}

void TestWingPanelDialog::startsIdleWithEveryConnectionMade()
{
    QVERIFY2(connectWarnings.isEmpty(), qPrintable(connectWarnings.join(QLatin1Char('\n'))));
    QVERIFY(!dialog->getWorkingPanel());
    QVERIFY(dialog->getRootAirfoilName().isEmpty());
    QVERIFY(dialog->getTipAirfoilName().isEmpty());
    QCOMPARE(dialog->getSparEditorRow(), -1);
    QCOMPARE(dialog->getStripEditorRow(), -1);
    QCOMPARE(dialog->getCombEditorRow(), -1);
    QVERIFY(!dialog->getAlignPreviousMenu()->isEnabled());
    QVERIFY(!dialog->getAlignNextMenu()->isEnabled());
    QVERIFY(!widget<QRadioButton>("rbTEStandardWithStrip")->isEnabled());
    QVERIFY(dialog->windowFlags() & Qt::WindowMaximizeButtonHint);
    QVERIFY(!(dialog->windowFlags() & Qt::WindowContextHelpButtonHint));

    // Every airfoil, in name order regardless of case.
    QAbstractItemModel* shown = widget<QListView>("listViewPanelFoils")->model();
    QCOMPARE(shown->rowCount(), int(WingFoils::instance()->getAirfoils().size()));
    for (int row = 1; row < shown->rowCount(); ++row)
        QVERIFY(shown->index(row - 1, 0).data().toString().compare(shown->index(row, 0).data().toString(),
                                                                    Qt::CaseInsensitive) <= 0);
    QVERIFY(widget<QListView>("listViewPanelFoils")->selectionModel()->selectedIndexes().isEmpty());

    const QStringList ribEntries = {"Add rib in front", "Add rib behind", "Delete rib", "Split rib in two"};
    QStringList texts;
    for (QAction* a : dialog->getRibMenu()->actions())
        texts << a->text();
    QCOMPARE(texts, ribEntries);
    QCOMPARE(dialog->getSparMenu()->actions().size(), 7);
}

void TestWingPanelDialog::rangeBoundsAreValid_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("valid");
    QTest::newRow("tip chord at its lower bound") << "txtTipChord" << 1.0 << true;
    QTest::newRow("extend above at zero") << "txtCombExtendAbove" << 0.0 << true;
    QTest::newRow("two ribs") << "txtNoOfRibs" << 2.0 << true;
    QTest::newRow("a hundred ribs") << "txtNoOfRibs" << 100.0 << true;
    QTest::newRow("comb slit adjust at its upper bound") << "txtCombSlitAdjust" << 20.0 << true;
}

void TestWingPanelDialog::rangeBoundsAreValid()
{
    QFETCH(QString, field);
    QFETCH(double, value);
    QFETCH(bool, valid);
    auto* box = dialog->findChild<XDoubleSpinBox*>(field);
    QVERIFY(box);
    box->setValue(value);
    QCOMPARE(box->value(), value);
    QCOMPARE(box->isValid(), valid);
}

void TestWingPanelDialog::loadingFillsFieldsSilentlyAndBuildsThePanel()
{
    QSignalSpy lengthSpy(widget<XDoubleSpinBox>("txtLength"), SIGNAL(valueChanged(double)));
    QSignalSpy chordSpy(widget<XDoubleSpinBox>("txtRootChord"), SIGNAL(valueChanged(double)));
    loadDefault(oneSpar(3, 7));
    QCOMPARE(lengthSpy.count(), 0);
    QCOMPARE(chordSpy.count(), 0);

    QCOMPARE(widget<QLineEdit>("txtID")->text(), QStringLiteral("7"));
    QCOMPARE(widget<QLineEdit>("txtName")->text(), QStringLiteral("Inner"));
    QCOMPARE(widget<XDoubleSpinBox>("txtLength")->value(), 362.0);
    QCOMPARE(widget<XDoubleSpinBox>("txtTipChord")->value(), 180.0);
    QCOMPARE(widget<XDoubleSpinBox>("txtNoOfRibs")->value(), 10.0);
    QVERIFY(widget<QRadioButton>("rbLEStandard")->isChecked());
    QCOMPARE(dialog->getRootAirfoilName(), QStringLiteral("NACA 2412"));
    QCOMPARE(widget<QLineEdit>("txtRootRibFoil")->text(), QStringLiteral("NACA 2412"));

    Panel* panel = dialog->getWorkingPanel();
    QCOMPARE(panel->getRibCount(), 10);
    QCOMPARE(panel->getSparList().getNumberOfSpars(), 1);
    QCOMPARE(widget<QTableView>("tableViewRibs")->model(), &panel->getPanelBaseData().getRibListTableModel());
    QCOMPARE(widget<QTableView>("tableViewSpars")->model()->rowCount(), 1);

    // The list points at the stored root airfoil.
    const QModelIndexList selected = widget<QListView>("listViewPanelFoils")->selectionModel()->selectedIndexes();
    QCOMPARE(selected.size(), 1);
    QCOMPARE(selected.first().data().toString(), QStringLiteral("NACA 2412"));

    // What the dialog hands back is what it was given.
    PanelBaseData back;
    dialog->fillPanelFromDialog(back);
    QCOMPARE(back.getId(), 7);
    QCOMPARE(back.getPanelName(), QStringLiteral("Inner"));
    QCOMPARE(back.getRootChord(), 200.0f);
    QCOMPARE(back.getLEData().getType(), 1);
    QCOMPARE(back.getTEData().getType(), 1);
    QCOMPARE(back.getRibList().getRibCount(), 10);
    QCOMPARE(back.getSparList().getSpars().front().getLastRib(), 7);
}

void TestWingPanelDialog::loadingSwitchesTheEdgePageEvenWhenAlreadyChecked()
{
    loadDefault();
    auto* leStack = widget<QStackedWidget>("stackedWidgetLE");
    QCOMPARE(leStack->currentWidget(), widget<QWidget>("pageLEStandard"));
    // The page is moved behind the button's back; loading the same type
    // again must bring it back although the button stays checked.
    leStack->setCurrentWidget(widget<QWidget>("pageLENone"));
    dialog->loadPanelIntoDialog(makePanelData());
    QCOMPARE(leStack->currentWidget(), widget<QWidget>("pageLEStandard"));
    QCOMPARE(widget<QStackedWidget>("stackedWidgetSpar")->currentWidget(), widget<QWidget>("pageSparNone"));
}

void TestWingPanelDialog::emptyTipAirfoilFollowsTheRootFactor()
{
    PanelBaseData data = makePanelData();
    data.setRootAirfoilFactor(1.2f);
    data.setTipAirfoilFactor(0.8f);
    dialog->loadPanelIntoDialog(data);
    auto* tipFactor = widget<XDoubleSpinBox>("txtTipRibFoilFactor");
    QCOMPARE(widget<QLineEdit>("txtTipRibFoil")->text(), QStringLiteral("<same as root>"));
    QVERIFY(!tipFactor->isEnabled());
    QCOMPARE(tipFactor->value(), 1.2);

    widget<XDoubleSpinBox>("txtRootRibFoilFactor")->setValue(1.5);
    QCOMPARE(tipFactor->value(), 1.5);
    QCOMPARE(dialog->getWorkingPanel()->getTipAirfoilFactor(), 1.5f);
}

void TestWingPanelDialog::rootChordRedrawsAtOnceButLengthWaits()
{
    loadDefault();
    widget<XDoubleSpinBox>("txtRootChord")->setValue(250.0);
    QCOMPARE(dialog->getWorkingPanel()->getRootChord(), 250.0f);
    widget<XDoubleSpinBox>("txtLength")->setValue(400.0);
    QCOMPARE(dialog->getWorkingPanel()->getLength(), 362.0f);
}

void TestWingPanelDialog::sweepLabelReadsTheRebuiltPanel()
{
    loadDefault();
    QCOMPARE(widget<QLabel>("lblSweepInDeg")->text(), QStringLiteral("(0.00°)"));
    widget<XDoubleSpinBox>("txtSweep")->setValue(100.0);
    // atan(100 / 362) = 15.44 degrees, only once the panel carries the sweep.
    QCOMPARE(widget<QLabel>("lblSweepInDeg")->text(), QStringLiteral("(15.44°)"));
}

void TestWingPanelDialog::germanDesktopReadsAndShowsNumbersOneWay()
{
    struct Desktop
    {
        QLocale previous;
        ~Desktop() { QLocale::setDefault(previous); }
    } desktop;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    dialog = std::make_unique<WingPanelDialog>(nullptr);
    loadDefault();
    auto* length = widget<XDoubleSpinBox>("txtLength");
    QVERIFY2(length->text().startsWith(QStringLiteral("362,00")), qPrintable(length->text()));
    QCOMPARE(widget<QLabel>("lblSweepInDeg")->text(), QStringLiteral("(0,00°)"));
    dialog->updateNeededFor90Label(0, 12.3456f);
    QCOMPARE(widget<QLabel>("lblRoundSparNeededFor90")->text(), QStringLiteral("12,34"));

    // A point typed on a German desktop is the decimal point, not grouping.
    for (const char* typed : {"400.5", "400,5"}) {
        length->setValue(362.0, true);
        length->selectAll();
        QTest::keyClicks(length, QString::fromLatin1(typed));
        QTest::keyClick(length, Qt::Key_Return);
        QCOMPARE(length->value(), 400.5);
    }
}

void TestWingPanelDialog::viewOptionsReachThePreviewWithoutARebuild()
{
    loadDefault();
    // A value written silently gets into the panel only with a rebuild.
    widget<XDoubleSpinBox>("txtSweep")->setValue(100.0, true);
    const PlaneVisualisationOptions& shown = widget<WingFoilGLWidget>("wingFoilGLWidget")->getVisualisationOptions();
    widget<QCheckBox>("chkBoxSpars")->setChecked(false);
    QVERIFY(!shown.getShowSpars());
    widget<QSlider>("hsliderTransparency")->setValue(40);
    QCOMPARE(shown.getTransparency(), 40);
    widget<QCheckBox>("chkBoxGhostPanels")->setChecked(false);
    QVERIFY(!shown.getShowGhostPanels());
    QCOMPARE(dialog->getWorkingPanel()->getSweep(), 0.0f);
}

void TestWingPanelDialog::invalidFieldDropsTheWorkingPanelUntilCorrected()
{
    // The spin boxes cannot leave their ranges; the text fields of the
    // trailing edge with strip can hold anything.
    dialog->loadPanelIntoDialog(makePanelData(SparList(), 2));
    QVERIFY(dialog->getWorkingPanel());
    auto* stripDepth = widget<QLineEdit>("txtStandardWithStripTEDepth");
    stripDepth->setText(QStringLiteral("deep"));
    dialog->redrawWindow(false);
    QVERIFY(!dialog->getWorkingPanel());
    QVERIFY(!widget<QTableView>("tableViewRibs")->model());
    // Lightweight redraws have nothing to rebuild now.
    widget<XDoubleSpinBox>("txtRootChord")->setValue(220.0);
    QVERIFY(!dialog->getWorkingPanel());

    // Dropping the panel on its own leaves the rib view at a usable scale,
    // although the plane has no panel to take the root chord from.
    dialog->redrawWindow(false);
    dialog->deleteOldPanel();
    QCOMPARE(widget<CADWidgetRibView>("singleRibDrawingArea")->getScale(), 1.0f / 220.0f);

    stripDepth->setText(QStringLiteral("12.5"));
    dialog->redrawWindow(false);
    QVERIFY(dialog->getWorkingPanel());
    QCOMPARE(dialog->getWorkingPanel()->getRootChord(), 220.0f);
}

void TestWingPanelDialog::okWithUnchangedRibsCommitsAndHides()
{
    loadDefault(oneSpar(3, 7));
    dialog->setVisible(true);
    QSignalSpy committed(dialog.get(), SIGNAL(baseDataChanged()));
    PanelBaseData seen;
    connect(dialog.get(), &WingPanelDialog::baseDataChanged, this, [&]() { dialog->fillPanelFromDialog(seen); });
    // OK with a spar's name typed into its cell and the cell still in edit.
    widget<QTabWidget>("panelDialogTabWidget")->setCurrentWidget(widget<QWidget>("tabSpars"));
    auto* spars = widget<QTableView>("tableViewSpars");
    spars->setCurrentIndex(spars->model()->index(0, 0));
    spars->edit(spars->currentIndex());
    QTest::keyClicks(spars->indexWidget(spars->currentIndex()), QStringLiteral(" typed"));

    dialog->btnPanelEditAccepted();
    QVERIFY2(DialogSeam::calls().empty(), qPrintable(DialogSeam::calls().empty() ? QString()
                                                                                  : DialogSeam::calls()[0].text));
    QCOMPARE(committed.count(), 1);
    QCOMPARE(seen.getId(), 7);
    QCOMPARE(seen.getSparList().getNumberOfSpars(), 1);
    QVERIFY(seen.getSparList().getSpars().front().getSparName().endsWith(" typed"));
    QVERIFY(!dialog->isVisible());
}

void TestWingPanelDialog::okAfterLengthChangeAsksBeforeRegenerating()
{
    loadDefault();
    QSignalSpy committed(dialog.get(), SIGNAL(baseDataChanged()));
    auto* length = widget<XDoubleSpinBox>("txtLength");

    // Back to the loaded value: nothing to ask.
    length->setValue(400.0);
    length->setValue(362.0);
    dialog->btnPanelEditAccepted();
    QVERIFY(DialogSeam::calls().empty());
    QCOMPARE(committed.count(), 1);

    dialog->loadPanelIntoDialog(makePanelData());
    DialogSeam::clear();
    length->setValue(400.0);
    DialogSeam::queueChoice(1);
    dialog->btnPanelEditAccepted();
    QCOMPARE(int(DialogSeam::calls().size()), 1);
    QCOMPARE(DialogSeam::calls()[0].title, QStringLiteral("Ribs list invalidated"));
    QCOMPARE(committed.count(), 1);
    QCOMPARE(dialog->getWorkingRibList().getLastRib().position, 360.0f);

    DialogSeam::queueChoice(0);
    dialog->btnPanelEditAccepted();
    QCOMPARE(committed.count(), 2);
    // Ten fresh ribs, the last one ending at the new length.
    QCOMPARE(dialog->getWorkingRibList().getRibCount(), 10);
    QCOMPARE(dialog->getWorkingRibList().getLastRib().position, 398.0f);
}

void TestWingPanelDialog::okWithInvalidFieldShowsItsTab()
{
    dialog->loadPanelIntoDialog(makePanelData(SparList(), 2));
    auto* tabs = widget<QTabWidget>("panelDialogTabWidget");
    tabs->setCurrentIndex(0);
    widget<QLineEdit>("txtStandardWithStripTEStripThickness")->setText(QStringLiteral("0"));
    QSignalSpy committed(dialog.get(), SIGNAL(baseDataChanged()));
    dialog->btnPanelEditAccepted();
    QCOMPARE(committed.count(), 0);
    QCOMPARE(tabs->currentWidget(), widget<QWidget>("tabTrailingEdge"));
    QCOMPARE(int(DialogSeam::calls().size()), 1);
    QCOMPARE(DialogSeam::calls()[0].title, QStringLiteral("Invalid data"));
    QCOMPARE(DialogSeam::calls()[0].text, QStringLiteral("Not all fields contain a valid value!"));
}

void TestWingPanelDialog::cancelAsksAndStaysOnStay()
{
    loadDefault();
    dialog->setVisible(true);
    QSignalSpy committed(dialog.get(), SIGNAL(baseDataChanged()));
    DialogSeam::queueChoice(1);
    dialog->reject();
    QVERIFY(dialog->isVisible());
    QCOMPARE(DialogSeam::calls().back().title, QStringLiteral("Leaving panel edit mode"));
    DialogSeam::queueChoice(0);
    dialog->btnPanelEditRejected();
    QVERIFY(!dialog->isVisible());
    QCOMPARE(committed.count(), 0);
}

void TestWingPanelDialog::airfoilFilterMatchesNamePrefix_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("expected");
    QTest::newRow("prefix in other case") << "na" << 40;
    QTest::newRow("no substring match") << "aca" << 0;
    QTest::newRow("longer prefix") << "NACA 24" << 10;
    QTest::newRow("pattern characters are plain text") << "NACA.2" << 0;
}

void TestWingPanelDialog::airfoilFilterMatchesNamePrefix()
{
    QFETCH(QString, typed);
    QFETCH(int, expected);
    widget<QLineEdit>("txtFoilFilter")->setText(typed);
    QCOMPARE(widget<QListView>("listViewPanelFoils")->model()->rowCount(), expected);
}

void TestWingPanelDialog::choosingTipAirfoilLeavesTheRoot()
{
    loadDefault();
    widget<QRadioButton>("rbTipRibFoil")->setChecked(true);
    auto* list = widget<QListView>("listViewPanelFoils");
    const QModelIndexList hits =
        list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, QStringLiteral("NACA 0012"));
    QCOMPARE(hits.size(), 1);
    list->selectionModel()->select(hits.first(), QItemSelectionModel::ClearAndSelect);

    QCOMPARE(dialog->getRootAirfoilName(), QStringLiteral("NACA 2412"));
    QCOMPARE(dialog->getTipAirfoilName(), QStringLiteral("NACA 0012"));
    QVERIFY(widget<XDoubleSpinBox>("txtTipRibFoilFactor")->isEnabled());
    QVERIFY(widget<QLabel>("lblMaxThicknessAt")->text().endsWith(QLatin1Char('%')));
    QCOMPARE(dialog->getWorkingPanel()->getPanelBaseData().getAirfoilName(TipAirfoil), QStringLiteral("NACA 0012"));

    dialog->removeTipFoilSelection();
    QVERIFY(dialog->getTipAirfoilName().isEmpty());
    QVERIFY(!widget<XDoubleSpinBox>("txtTipRibFoilFactor")->isEnabled());
}

void TestWingPanelDialog::ribEditsKeepFeaturesOnTheirRibs_data()
{
    QTest::addColumn<QString>("operation");
    QTest::addColumn<int>("ribNumber");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::addColumn<int>("ribCount");
    QTest::newRow("delete inside") << "delete" << 5 << 3 << 6 << 9;
    QTest::newRow("delete first of spar") << "delete" << 3 << 2 << 6 << 9;
    QTest::newRow("delete behind") << "delete" << 8 << 3 << 7 << 9;
    QTest::newRow("add in front of first") << "before" << 3 << 4 << 8 << 11;
    QTest::newRow("add behind last") << "after" << 7 << 3 << 7 << 11;
    QTest::newRow("add behind rib 2") << "after" << 2 << 4 << 8 << 11;
    QTest::newRow("split last") << "split" << 7 << 3 << 7 << 11;
    QTest::newRow("split first") << "split" << 3 << 4 << 8 << 11;
    QTest::newRow("delete the root rib") << "delete" << 1 << 3 << 7 << 10;
    QTest::newRow("add behind the tip rib") << "after" << 10 << 3 << 7 << 10;
}

void TestWingPanelDialog::ribEditsKeepFeaturesOnTheirRibs()
{
    QFETCH(QString, operation);
    QFETCH(int, ribNumber);
    QFETCH(int, first);
    QFETCH(int, last);
    QFETCH(int, ribCount);
    loadDefault(oneSpar(3, 7));
    widget<QTableView>("tableViewRibs")->selectRow(ribNumber - 1);
    if (operation == QLatin1String("delete"))
        dialog->deleteRib();
    else if (operation == QLatin1String("before"))
        dialog->addRibBefore();
    else if (operation == QLatin1String("after"))
        dialog->addRibAfter();
    else
        dialog->splitRib();

    QCOMPARE(dialog->getWorkingRibList().getRibCount(), ribCount);
    const SparDefinition& spar = dialog->getWorkingSparList().getSpars().front();
    QCOMPARE(spar.getFirstRib(), first);
    QCOMPARE(spar.getLastRib(), last);
    // The preview panel follows the lists.
    const SparDefinition& previewed = dialog->getWorkingPanel()->getSparList().getSpars().front();
    QCOMPARE(previewed.getFirstRib(), first);
    QCOMPARE(dialog->getWorkingPanel()->getRibCount(), ribCount);
}

void TestWingPanelDialog::splitRibHalvesItsThickness()
{
    PanelBaseData data = makePanelData();
    RibList ribs;
    ribs.addRib(RibDefinition(0.0f, 2.0f));
    ribs.addRib(RibDefinition(100.0f, 3.0f));
    ribs.addRib(RibDefinition(360.0f, 2.0f));
    data.setRibList(ribs);
    dialog->loadPanelIntoDialog(data);
    widget<QTableView>("tableViewRibs")->selectRow(1);
    dialog->splitRib();
    bool found = false;
    const RibDefinition* front = dialog->getWorkingRibList().getRib(2, found);
    QVERIFY(found);
    const RibDefinition* back = dialog->getWorkingRibList().getRib(3, found);
    QVERIFY(found);
    QCOMPARE(front->position, 100.0f);
    QCOMPARE(front->thickness, 1.5f);
    QCOMPARE(back->position, 101.5f);
    QCOMPARE(back->thickness, 1.5f);
}

void TestWingPanelDialog::editorStopsAtWhatADocumentOpens()
{
    SparList spars;
    for (int i = 0; i < DocumentLimits::maxPartsPerList; ++i)
        spars.addSpar(oneSpar(1, 10).getSpars().front());
    PanelBaseData data = makePanelData(spars);
    RibList ribs;
    for (int i = 0; i < DocumentLimits::maxRibsPerPanel; ++i)
        ribs.addRib(RibDefinition(1.5f * i, 1.0f));
    data.setRibList(ribs);
    dialog->loadPanelIntoDialog(data);

    widget<QTableView>("tableViewRibs")->selectRow(5);
    dialog->addRibAfter();
    dialog->addRibBefore();
    dialog->splitRib();
    QCOMPARE(dialog->getWorkingRibList().getRibCount(), DocumentLimits::maxRibsPerPanel);

    widget<QTableView>("tableViewSpars")->selectRow(0);
    dialog->addSparAfter();
    dialog->copySpar();
    QCOMPARE(int(dialog->getWorkingSparList().getSpars().size()), DocumentLimits::maxPartsPerList);

    // Each refusal says which bound it keeps.
    const std::vector<DialogSeam::Call>& calls = DialogSeam::calls();
    QCOMPARE(int(calls.size()), 5);
    for (const DialogSeam::Call& call : calls)
        QCOMPARE(call.title, QStringLiteral("Plane too large"));
    QVERIFY(calls.front().text.startsWith(QStringLiteral("This would make the plane too large: 201 ribs in panel 1, "
                                                         "where a panel may have at most 200")));
    QVERIFY(calls.back().text.contains(QStringLiteral("51 spars, 0 sheeting strips and 0 rib combs in panel 1")));
}

void TestWingPanelDialog::copiedSparIsNamedAndShifted()
{
    loadDefault(oneSpar(3, 7));
    widget<QTableView>("tableViewSpars")->selectRow(0);
    dialog->copySpar();
    const auto& spars = dialog->getWorkingSparList().getSpars();
    QCOMPARE(int(spars.size()), 2);
    const SparDefinition& copy = spars.back();
    QCOMPARE(copy.getSparName(), QStringLiteral("Main (copy)"));
    QCOMPARE(copy.getPosition(0), 32.0f);
    QCOMPARE(copy.getPosition(1), 32.0f);

    // Adding behind with nothing selected goes to the top.
    widget<QTableView>("tableViewSpars")->clearSelection();
    dialog->addSparAfter();
    QCOMPARE(dialog->getWorkingSparList().getSpars().front().getSparName(), QStringLiteral("New spar"));
    QCOMPARE(dialog->getWorkingSparList().getSpars().front().getLastRib(), 10);
}

void TestWingPanelDialog::sparPageShowsTheSelectedSpar()
{
    SparList spars;
    SparDefinition spar(QStringLiteral("Main"), SparType::Round, 1, 5, 25.0f, 25.0f, true, false);
    spar.setPercentageSelected(0, true);
    spars.addSpar(spar);
    loadDefault(spars);
    QSignalSpy redraws(widget<XDoubleSpinBox>("txtRoundSparPosition"), SIGNAL(valueChanged(double)));
    widget<QTableView>("tableViewSpars")->selectionModel()->setCurrentIndex(
        widget<QTableView>("tableViewSpars")->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);

    QCOMPARE(dialog->getSparEditorRow(), 0);
    QCOMPARE(widget<QStackedWidget>("stackedWidgetSpar")->currentWidget(), widget<QWidget>("pageSparRound"));
    QCOMPARE(widget<XDoubleSpinBox>("txtRoundSparPosition")->value(), 25.0);
    QVERIFY(widget<QRadioButton>("rbRoundSparPositionPercentage")->isChecked());
    QVERIFY(!widget<QRadioButton>("rbRoundSparPositionMM")->isChecked());
    QCOMPARE(widget<XDoubleSpinBox>("txtRoundSparPosition")->getDisplayMode(), 2);
    // No separate end: the end widgets repeat the start and stay disabled.
    QCOMPARE(widget<XDoubleSpinBox>("txtRoundSparLastPosition")->value(), 25.0);
    QVERIFY(!widget<XDoubleSpinBox>("txtRoundSparLastPosition")->isEnabled());
    QCOMPARE(redraws.count(), 0);
    QVERIFY(dialog->getWorkingPanel()->getSparList().getSpars().front().isSelected());
}

void TestWingPanelDialog::sparPageEditsWriteBackIntoTheSpar()
{
    loadDefault(oneSpar(1, 5));
    auto* table = widget<QTableView>("tableViewSpars");
    table->selectionModel()->setCurrentIndex(table->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    widget<XDoubleSpinBox>("txtRoundSparRadius")->setValue(4.5);
    QCOMPARE(dialog->getWorkingSparList().getSpars().front().getRoundSparRadius(), 4.5f);
    QCOMPARE(dialog->getWorkingPanel()->getSparList().getSpars().front().getRoundSparRadius(), 4.5f);
    // The shown spar stays the selected one through the rebuild.
    QVERIFY(dialog->getWorkingPanel()->getSparList().getSpars().front().isSelected());

    widget<QCheckBox>("chkRoundSparSeparateEnd")->click();
    QVERIFY(dialog->getWorkingSparList().getSpars().front().getSeparateLastPosition());
    QVERIFY(widget<XDoubleSpinBox>("txtRoundSparLastPosition")->isEnabled());
}

void TestWingPanelDialog::tabChangeDeselectsFeaturesButNotRibs()
{
    loadDefault(oneSpar(1, 5));
    auto* table = widget<QTableView>("tableViewSpars");
    table->selectionModel()->setCurrentIndex(table->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    auto* ribs = widget<QTableView>("tableViewRibs");
    ribs->selectionModel()->setCurrentIndex(ribs->model()->index(2, 0), QItemSelectionModel::ClearAndSelect);
    QVERIFY(dialog->getWorkingPanel()->getRibList().getRibs().begin()->isSelected() == false);

    auto* tabs = widget<QTabWidget>("panelDialogTabWidget");
    tabs->setCurrentIndex(tabs->currentIndex() == 0 ? 1 : 0);
    QVERIFY(!dialog->getWorkingPanel()->getSparList().getSpars().front().isSelected());
    bool found = false;
    QVERIFY(dialog->getWorkingPanel()->getRibList().getRib(3, found)->isSelected());
}

void TestWingPanelDialog::sparAngles()
{
    loadDefault();
    const RibListTableModel* ribs = &dialog->getWorkingPanel()->getPanelBaseData().getRibListTableModel();
    float needed = 0.0f;

    SparDefinition straight(QStringLiteral("s"), SparType::Round, 1, 10, 30.0f, 30.0f, true, false);
    straight.setPercentageSelected(0, false);
    QCOMPARE(dialog->getSparAngle(straight, ribs, 0.0f, 362.0f, needed, true), 90.0f);
    QCOMPARE(needed, 30.0f);

    // Forward by 40 mm over the ribs' span of 362 mm.
    SparDefinition slanted(QStringLiteral("s"), SparType::Round, 1, 10, 30.0f, 70.0f, true, true);
    slanted.setPercentageSelected(0, false);
    slanted.setPercentageSelected(1, false);
    QCOMPARE(dialog->getSparAngle(slanted, ribs, 0.0f, 362.0f, needed, true), 90.0f - std::atan(40.0f / 362.0f) * 180.0f / 3.14159f);

    SparDefinition joiner(QStringLiteral("j"), SparType::Tube, 1, 3, 30.0f, 30.0f, true, false);
    QCOMPARE(dialog->getSparAngle(joiner, ribs, 0.0f, 362.0f, needed, false), 90.0f);

    SparDefinition single(QStringLiteral("s"), SparType::Round, 4, 4, 30.0f, 30.0f, true, false);
    single.setPercentageSelected(0, false);

    // Measured from the trailing edge, the needed value is the chord of the
    // last rib less the distance from the leading edge.
    SparDefinition fromTE(QStringLiteral("t"), SparType::Round, 1, 10, 30.0f, 30.0f, false, false);
    fromTE.setPercentageSelected(0, false);
    dialog->getSparAngle(fromTE, ribs, 0.0f, 362.0f, needed, true);
    bool found = false;
    QCOMPARE(needed, ribs->findRib(9, found).getChord() - (ribs->findRib(0, found).getChord() - 30.0f));
    QCOMPARE(dialog->getSparAngle(single, ribs, 0.0f, 362.0f, needed, false), 361.0f);
    QString text;
    dialog->getAngleText(361.0f, text);
    QCOMPARE(text, QStringLiteral("-"));

    SparDefinition beyond(QStringLiteral("s"), SparType::Round, 4, 14, 30.0f, 30.0f, true, false);
    QCOMPARE(dialog->getSparAngle(beyond, ribs, 0.0f, 362.0f, needed, false), 361.0f);
    QCOMPARE(dialog->getSparAngle(straight, ribs, 0.0f, 0.0f, needed, false), 361.0f);
}

void TestWingPanelDialog::neededFor90IsCutToTwoDecimals()
{
    QLocale::setDefault(QLocale::c());
    dialog->updateNeededFor90Label(0, 12.3456f);
    QCOMPARE(widget<QLabel>("lblRoundSparNeededFor90")->text(), QStringLiteral("12.34"));
    dialog->updateNeededFor90Label(1, -0.005f);
    QCOMPARE(widget<QLabel>("lblSquareSparNeededFor90")->text(), QStringLiteral("0"));
}

void TestWingPanelDialog::alignMenusFollowTheNeighbours()
{
    Panel previous(makePanelData(oneSpar(1, 10)));
    Panel bare(makePanelData());
    dialog->rebuildAlignSparMenu(0, &previous);
    dialog->rebuildAlignSparMenu(1, &bare);
    QVERIFY(dialog->getAlignPreviousMenu()->isEnabled());
    QCOMPARE(dialog->getAlignPreviousMenu()->actions().size(), 1);
    QCOMPARE(dialog->getAlignPreviousMenu()->actions().first()->text(), QStringLiteral("Main"));
    QVERIFY(!dialog->getAlignNextMenu()->isEnabled());
    QCOMPARE(dialog->getPreviousPanel(), &previous);

    // Aligning with the previous panel's spar puts ours where it ends.
    loadDefault(oneSpar(1, 5));
    previous.getSparList().getEditableSpars().front().setSeparateLastPosition(true);
    previous.getSparList().getEditableSpars().front().setPosition(1, 44.0f);
    widget<QTableView>("tableViewSpars")->selectRow(0);
    dialog->alignSparWithNeighbour(0, 0, 0);
    QCOMPARE(dialog->getWorkingSparList().getSpars().front().getPosition(0), 44.0f);

    dialog->rebuildAlignSparMenu(0, nullptr);
    QVERIFY(!dialog->getAlignPreviousMenu()->isEnabled());
    QVERIFY(dialog->getAlignPreviousMenu()->actions().isEmpty());
}

void TestWingPanelDialog::combPageFollowsTheSelectedComb()
{
    PanelBaseData data = makePanelData();
    RibCombList combs;
    RibCombData comb;
    comb.setName(QStringLiteral("Comb"));
    comb.setFirstRib(1);
    comb.setLastRib(10);
    comb.setPercentageSelected(0, false);
    comb.setPosition(0, 60.0f);
    comb.setExtendToBuildingTabs(true);
    combs.append(comb);
    data.setCombList(combs);
    dialog->loadPanelIntoDialog(data);

    auto* table = widget<QTableView>("tableViewCombs");
    table->selectionModel()->setCurrentIndex(table->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(dialog->getCombEditorRow(), 0);
    QCOMPARE(widget<QStackedWidget>("stackedWidgetCombs")->currentWidget(), widget<QWidget>("pageStandardComb"));
    QCOMPARE(widget<XDoubleSpinBox>("txtCombPosition")->value(), 60.0);
    QVERIFY(widget<QCheckBox>("chkCombExtendToBuildingTabs")->isChecked());
    QVERIFY(!widget<XDoubleSpinBox>("txtCombExtendAbove")->isEnabled());

    widget<XDoubleSpinBox>("txtCombWidth")->setValue(6.0);
    QCOMPARE(dialog->getWorkingCombList().getCombs().front().getWidth(), 6.0f);

    // A right angle over a panel without sweep: the centre stays put.
    dialog->btnComb90Clicked();
    const RibCombData& squared = dialog->getWorkingCombList().getCombs().front();
    QVERIFY(squared.getSeparateLastPosition());
    QCOMPARE(squared.getPosition(1), 60.0f);
    QCOMPARE(widget<QLabel>("lblCombAngle")->text(), QStringLiteral("90.00"));

    table->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::Clear);
    QCOMPARE(widget<QStackedWidget>("stackedWidgetCombs")->currentWidget(), widget<QWidget>("pageNoComb"));
    QVERIFY(table->selectionModel()->selectedIndexes().isEmpty());
}

void TestWingPanelDialog::stripPageFollowsTheSelectedStrip()
{
    PanelBaseData data = makePanelData();
    data.getCoveringDefinition().setSheetingType(SheetingType::Advanced);
    SheetingStripList strips;
    SheetingStripDefinition strip;
    strip.setName(QStringLiteral("Nose"));
    strip.setType(1);
    strip.setFirstRib(2);
    strip.setLastRib(6);
    strip.setThickness(1.5f);
    strip.setSeparateLastPosition(false);
    strips.append(strip);
    data.setSheetingStripList(strips);
    dialog->loadPanelIntoDialog(data);
    QCOMPARE(widget<QStackedWidget>("stackedWidgetSheeting")->currentWidget(),
             widget<QWidget>("pageSheetingAdvanced"));

    auto* table = widget<QTableView>("tableViewSheetingStrips");
    table->selectionModel()->setCurrentIndex(table->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(dialog->getStripEditorRow(), 0);
    QCOMPARE(widget<QStackedWidget>("stackedWidgetSheetingData")->currentWidget(),
             widget<QWidget>("pageStripSheeting"));
    QCOMPARE(widget<XDoubleSpinBox>("txtAdvancedSheetingThickness")->value(), 1.5);
    QVERIFY(!widget<XDoubleSpinBox>("txtAdvancedSheetingLengthEnd")->isEnabled());

    widget<XDoubleSpinBox>("txtAdvancedSheetingThickness")->setValue(2.5);
    QCOMPARE(dialog->getWorkingStripList().getStrips().front().getThickness(), 2.5f);
    widget<QCheckBox>("chkAdvancedSheetingSeparateEnd")->click();
    QVERIFY(dialog->getWorkingStripList().getStrips().front().getSeparateLastPosition());
    QVERIFY(widget<XDoubleSpinBox>("txtAdvancedSheetingLengthEnd")->isEnabled());
}

void TestWingPanelDialog::sparTypeEditSwitchesThePage()
{
    // As at program start: the tables have not yet been told any rib count,
    // and the first panel loaded must still accept its spar edits.
    SparsTableModel::setNumberOfRibs(0);
    loadDefault(oneSpar(1, 5));
    auto* table = widget<QTableView>("tableViewSpars");
    table->selectionModel()->setCurrentIndex(table->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
    QCOMPARE(widget<QStackedWidget>("stackedWidgetSpar")->currentWidget(), widget<QWidget>("pageSparRound"));
    const bool edited = table->model()->setData(table->model()->index(0, 1), 1, Qt::EditRole);
    QVERIFY2(edited, DialogSeam::calls().empty() ? "no message" : qPrintable(DialogSeam::calls().back().text.simplified()));
    QCOMPARE(widget<QStackedWidget>("stackedWidgetSpar")->currentWidget(), widget<QWidget>("pageSparSquare"));
    QCOMPARE(dialog->getWorkingSparList().getSpars().front().getType(), SparType::Square);
    QCOMPARE(dialog->getWorkingPanel()->getSparList().getSpars().front().getType(), SparType::Square);
}

void TestWingPanelDialog::airfoilFieldsShowTheSectionTheRibsAreCutFrom_data()
{
    QTest::addColumn<QString>("root");  // as the document names them
    QTest::addColumn<QString>("tip");
    QTest::addColumn<QString>("rootShown");
    QTest::addColumn<QString>("tipShown");
    QTest::addColumn<QString>("selected");  // in the airfoil list
    const QString clarkY = QStringLiteral("CLARK Y AIRFOIL");
    QTest::newRow("root the library lacks")
        << "NO SUCH FOIL" << "" << clarkY + " (for 'NO SUCH FOIL', not in the airfoil library)"
        << "<same as root>" << clarkY;
    QTest::newRow("tip the library lacks, cut from the root's section")
        << "NACA 2412" << "GONE TIP" << "NACA 2412"
        << "NACA 2412 (for 'GONE TIP', not in the airfoil library)" << "NACA 2412";
    QTest::newRow("both lacking") << "NO SUCH FOIL" << "GONE TIP"
                                  << clarkY + " (for 'NO SUCH FOIL', not in the airfoil library)"
                                  << clarkY + " (for 'GONE TIP', not in the airfoil library)" << clarkY;
    // An earlier build saved a Latin-1 name cut at its umlaut.
    QTest::newRow("names cut short by an earlier build")
        << "Profil M" << "Profil M" << QString::fromUtf8("Profil Mü 12") << QString::fromUtf8("Profil Mü 12")
        << QString::fromUtf8("Profil Mü 12");
}

void TestWingPanelDialog::airfoilFieldsShowTheSectionTheRibsAreCutFrom()
{
    QFETCH(QString, root);
    QFETCH(QString, tip);
    QFETCH(QString, rootShown);
    QFETCH(QString, tipShown);
    QFETCH(QString, selected);
    // As a document gives them, whether the library holds them or not.
    PanelBaseData data = makePanelData();
    data.keepAirfoilName(RootAirfoil, root);
    data.keepAirfoilName(TipAirfoil, tip);
    dialog->loadPanelIntoDialog(data);
    QCOMPARE(widget<QLineEdit>("txtRootRibFoil")->text(), rootShown);
    QCOMPARE(widget<QLineEdit>("txtTipRibFoil")->text(), tipShown);
    const QModelIndexList chosen = widget<QListView>("listViewPanelFoils")->selectionModel()->selectedIndexes();
    QCOMPARE(chosen.size(), 1);
    QCOMPARE(chosen.first().data().toString(), selected);

    // The panel keeps its document's names, so that Save writes them back.
    QCOMPARE(dialog->getRootAirfoilName(), root);
    QCOMPARE(dialog->getTipAirfoilName(), tip);
    PanelBaseData written;
    dialog->fillPanelFromDialog(written);
    QCOMPARE(written.getAirfoilName(RootAirfoil), root);
    QCOMPARE(written.getAirfoilName(TipAirfoil), tip);

    // Both fields keep what they show through a change of language.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    QEvent languageChange(QEvent::LanguageChange);
    QCoreApplication::sendEvent(dialog.get(), &languageChange);
    QCOMPARE(widget<QLineEdit>("txtRootRibFoil")->text(), rootShown);
    QCOMPARE(widget<QLineEdit>("txtTipRibFoil")->text(), tipShown);
}

void TestWingPanelDialog::viewPresetsPlaceTheCamera_data()
{
    // Length 362, root chord 200, tip chord 180, sweep 40; the plane has no
    // panel, so the panel's own root chord is the reference.
    QTest::addColumn<QString>("preset");
    QTest::addColumn<float>("x");
    QTest::addColumn<float>("y");
    QTest::addColumn<float>("z");
    QTest::newRow("top") << "topView" << -0.5f * 362 / 200 << -0.5f << -362.0f / 200;
    QTest::newRow("front") << "frontView" << -0.5f * 362 / 200 << 0.0f << -362.0f / 200;
    QTest::newRow("left") << "leftView" << 0.5f << 0.0f << -150.0f / 200;
    QTest::newRow("bottom") << "bottomView" << 0.5f * 362 / 200 << -0.5f << -362.0f / 200;
    QTest::newRow("rear") << "rearView" << 0.5f * 362 / 200 << 0.0f << -(200.0f + 362) / 200;
    QTest::newRow("right") << "rightView" << -(90.0f + 40) / 200 << 0.0f << -(150.0f + 362) / 200;
}

void TestWingPanelDialog::viewPresetsPlaceTheCamera()
{
    QFETCH(QString, preset);
    QFETCH(float, x);
    QFETCH(float, y);
    QFETCH(float, z);
    loadDefault();
    widget<XDoubleSpinBox>("txtSweep")->setValue(40.0);
    QVERIFY(QMetaObject::invokeMethod(dialog.get(), preset.toLatin1().constData()));
    float cx = 0.0f;
    float cy = 0.0f;
    float cz = 0.0f;
    widget<WingFoilGLWidget>("wingFoilGLWidget")->getTranslation(cx, cy, cz);
    QVERIFY(qAbs(cx - x) < 1e-5f);
    QVERIFY(qAbs(cy - y) < 1e-5f);
    QVERIFY(qAbs(cz - z) < 1e-5f);
}

void TestWingPanelDialog::lengthCalculatorFillsTheRibFields()
{
    loadDefault();
    // 10 ribs of 2 mm over 362 mm stand 40 mm apart; the calculator opens
    // with that and is accepted with 12 ribs.
    QTimer::singleShot(0, this, [this]() {
        LengthCalculator* calculator = dialog->getLengthCalculator();
        auto* distance = calculator->findChild<XDoubleSpinBox*>(QStringLiteral("txtDistanceBetweenRibs"));
        QCOMPARE(distance->value(), 40.0);
        calculator->findChild<XDoubleSpinBox*>(QStringLiteral("txtNoRibs"))->setValue(12);
        calculator->accept();
    });
    QSignalSpy lengthSpy(widget<XDoubleSpinBox>("txtLength"), SIGNAL(valueChanged(double)));
    dialog->btnCalculateLengthClicked();
    QCOMPARE(widget<XDoubleSpinBox>("txtNoOfRibs")->value(), 12.0);
    QCOMPARE(widget<XDoubleSpinBox>("txtLength")->value(), 2.0 + 11 * 40.0);
    QCOMPARE(lengthSpy.count(), 0);
}

void TestWingPanelDialog::firstOpeningShowsTheSweepAngle()
{
    PanelBaseData data = makePanelData();
    data.setLength(400.0f);
    data.setSweep(40.0f);
    dialog->loadPanelIntoDialog(data);
    QCOMPARE(widget<QLabel>("lblSweepInDeg")->text(), QStringLiteral("(5.71°)"));
}

void TestWingPanelDialog::openingShowsTheOpenedPanelsAirfoilData()
{
    auto* list = widget<QListView>("listViewPanelFoils");
    const QStringList labels = {"lblThicknessValue", "lblCamberValue", "lblMaxCLValue", "lblMaxCLAngleValue",
                                "lblMaxLDValue", "lblMaxLDAngleValue", "lblStallAngleValue",
                                "lblZeroLiftAngleValue", "lblMaxThicknessAt"};
    auto shown = [&]() {
        QStringList texts;
        for (const QString& name : labels)
            texts << widget<QLabel>(name.toLatin1().constData())->text();
        return texts;
    };
    auto click = [&](const QString& name) {
        const QModelIndexList hits = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, name);
        QCOMPARE(hits.size(), 1);
        list->selectionModel()->select(hits.first(), QItemSelectionModel::ClearAndSelect);
    };

    dialog->loadPanelIntoDialog(makePanelData());
    const QStringList firstOpening = shown();
    click(QStringLiteral("NACA 2412"));
    const QStringList clicked = shown();
    click(QStringLiteral("CLARK Y AIRFOIL"));
    QVERIFY(shown() != clicked);
    dialog->loadPanelIntoDialog(makePanelData());
    QCOMPARE(firstOpening, clicked);
    QCOMPARE(shown(), clicked);
}

QTEST_MAIN(TestWingPanelDialog)
#include "tst_wingpaneldialog_gl.moc"
