#include "editing/WingPanelDialog.h"

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "foundation/CLocale.h"
#include "foundation/InputValueType.h"
#include "editing/LengthCalculator.h"
#include "editing/PanelChecks.h"
#include "editing/PanelPage.h"
#include "editing/PanelPreviewBuild.h"
#include "editing/BaseDataPage.h"
#include "editing/ConstructionPage.h"
#include "editing/EdgesPage.h"
#include "editing/PanelViewPane.h"
#include "editing/RibsPage.h"
#include "editing/SheetingPage.h"
#include "editing/SparsPage.h"
#include "editing/XCombTypeEditDelegate.h"
#include "foundation/XDoubleSpinBox.h"
#include "foundation/XLineEdit.h"
#include "editing/XLineEditDelegate.h"
#include "editing/XSparTypeEditDelegate.h"
#include "foundation/DialogSeam.h"
#include "foundation/Mathematics.h"
#include "foundation/PendingEdit.h"
#include "foundation/MemoryReserve.h"
#include "foundation/Vertex.h"
#include "model/CombListTableModel.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/RibDefinition.h"
#include "model/RibListTableModel.h"
#include "model/SheetingStripDefinition.h"
#include "model/SheetingStripTableModel.h"
#include "model/SparsTableModel.h"
#include "views/CADSceneEventBuildingTabDataChanged.h"
#include "views/CADSceneEventSelectionChanged.h"
#include "model/PlaneVisualisationOptions.h"
#include "ui_WingPanelDialog.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QRegExp>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOptionTabWidgetFrame>
#include <QTabBar>
#include <QSortFilterProxyModel>
#include <QStackedWidget>
#include <QStandardItemModel>
#include <QScopedValueRollback>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <iostream>

WingPanelDialog::WingPanelDialog(QWidget* parent) : QDialog(parent)
{
    ui = new Ui::WingPanelDialog;
    ui->setupUi(this);
    // Loading, writing back and checking go through the pages in this order:
    // the building tabs are filled and checked before the edges and the
    // sheeting, as they always were.
    baseDataPage = new BaseDataPage(*this, ui);
    ribsPage = new RibsPage(*this, ui);
    sparsPage = new SparsPage(*this, ui);
    edgesPage = new EdgesPage(*this, ui);
    sheetingPage = new SheetingPage(*this, ui);
    constructionPage = new ConstructionPage(*this, ui);
    viewPane = new PanelViewPane(*this, ui);
    preview.showProgressIn(viewPane->buildProgress());
    pages = {baseDataPage, ribsPage, sparsPage, constructionPage, edgesPage, sheetingPage};

    airfoilItemModel = new QStandardItemModel();
    airfoilFilterModel = new QSortFilterProxyModel();
    airfoilFilterModel->setSourceModel(airfoilItemModel);
    airfoilFilterModel->setSortCaseSensitivity(Qt::CaseInsensitive);
    airfoilFilterModel->sort(0, Qt::AscendingOrder);
    ui->listViewPanelFoils->setModel(airfoilFilterModel);

    connect(ui->btnGenerateRibs, SIGNAL(clicked()), this, SLOT(btnGenerateRibsClicked()));
    fillFoilListModel();
    // Only now: filling the list must neither select an airfoil nor run the
    // selection slot.
    connect(ui->listViewPanelFoils->selectionModel(), SIGNAL(selectionChanged(QItemSelection,QItemSelection)), this,
            SLOT(foilListRowChangedSlot(QItemSelection,QItemSelection)));

    connectSignals();

    ui->rbTEStandardWithStrip->setEnabled(false);
    ui->panelSplitter->setStretchFactor(0, 3);
    ui->panelSplitter->setStretchFactor(1, 5);
    ui->listViewPanelFoils->setAttribute(Qt::WA_MacShowFocusRect, false);

    generatedRibThickness = 0.0f;
    generatedPanelLength = 0.0f;

    Qt::WindowFlags flags = windowFlags();
    flags &= ~Qt::WindowContextHelpButtonHint;
    flags |= Qt::WindowMaximizeButtonHint;
    setWindowFlags(flags);

    lengthCalculator = new LengthCalculator(this);

    // Each tab and each stack of editor pages is as tall as the page in front,
    // so a hint is not pushed below the fold by a taller page out of sight.
    // The data pane keeps its scroll bar on short tabs too: its width is
    // counted in the pane's width, and a bar that came and went with the tab
    // would let the pages jump sideways.
    ui->scrollArea_PanelData->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    PanelPage::sizeToCurrentPage(ui->panelDialogTabWidget);
    for (QStackedWidget* stack : {ui->stackedWidgetSpar, ui->stackedWidgetLE, ui->stackedWidgetTE,
                                  ui->stackedWidgetSheeting, ui->stackedWidgetSheetingData, ui->stackedWidgetCombs})
        PanelPage::sizeToCurrentPage(stack);

}

WingPanelDialog::~WingPanelDialog()
{
    // The views outlive the form record (they are our children), so they
    // must let go of the working panel before it goes.
    ui->wingFoilGLWidget->setPanel(nullptr);
    ui->wingFoilGLWidget->setGhostPanel(0, nullptr);
    ui->wingFoilGLWidget->setGhostPanel(1, nullptr);
    ui->singleRibDrawingArea->setModel(nullptr, 1.0f);
    ui->tableViewRibs->setModel(nullptr);
    ui->tableViewSpars->setModel(nullptr);
    ui->tableViewSheetingStrips->setModel(nullptr);
    ui->tableViewCombs->setModel(nullptr);
    ui->listViewPanelFoils->setModel(nullptr);
    delete ui;
    ui = nullptr;
    delete workingPanel;
    workingPanel = nullptr;
    airfoilItemModel->clear();
    delete airfoilFilterModel;
    delete airfoilItemModel;
    delete lengthCalculator;
}

// ---------------------------------------------------------------------------
// Construction helpers

void WingPanelDialog::connectSignals()
{
    connect(ui->panelDialogTabWidget, SIGNAL(currentChanged(int)), this, SLOT(deselectAll()));
    connect(ui->buttonBoxEditPanel, SIGNAL(accepted()), this, SLOT(btnPanelEditAccepted()));
    connect(ui->buttonBoxEditPanel, SIGNAL(rejected()), this, SLOT(btnPanelEditRejected()));

    for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{
             ui->btnTopAlign, ui->btnBottomAlign, ui->btnDontAlign})
        connect(b, SIGNAL(clicked(bool)), this, SLOT(redrawWindowLightweight()));
    connect(ui->chkStandardSheetingLower, SIGNAL(clicked(bool)), this, SLOT(redrawWindowLightweight()));
    connect(ui->chkStandardSheetingUpper, SIGNAL(clicked(bool)), this, SLOT(redrawWindowLightweight()));
    for (XDoubleSpinBox* f :
         {ui->txtRootChord, ui->txtTipChord, ui->txtSweep, ui->txtTipTwist, ui->txtDihedral, ui->txtStandardLEDepth,
          ui->txtStandardTEDepth, ui->txtTipRibFoilFactor, ui->txtStandardSheetingLength,
          ui->txtStandardSheetingThickness, ui->txtStandardSheetingExtend})
        connect(f, SIGNAL(valueChanged(const QString&)), this, SLOT(redrawWindowLightweight()));
    connect(ui->chkAutoAdjustTEDepth, SIGNAL(toggled(bool)), this, SLOT(redrawWindowLightweight()));
    for (XLineEdit* f : {ui->txtStandardWithStripTEDepth, ui->txtStandardWithStripTEStripDepth,
                         ui->txtStandardWithStripTEStripThickness})
        connect(f, SIGNAL(textChanged(const QString&)), this, SLOT(redrawWindowLightweight()));
    // After the redraw, so the label reads the rebuilt panel.
    connect(ui->txtSweep, SIGNAL(valueChanged(const QString&)), this, SLOT(adjustSweepAngleLabel()));

    for (QCheckBox* c : {ui->chkBoxAxes, ui->chkBoxCovering, ui->chkBoxLE, ui->chkBoxRibs, ui->chkBoxSpars,
                         ui->chkBoxTE, ui->chkBoxGrayGhosts, ui->chkBoxDihedral, ui->chkBoxComb})
        connect(c, SIGNAL(toggled(bool)), this, SLOT(chkBoxToggled(bool)));
    connect(ui->hsliderTransparency, SIGNAL(valueChanged(int)), this, SLOT(hsliderTransparencyValueChanged(int)));
    connect(ui->hsliderGhostTransparency, SIGNAL(valueChanged(int)), this,
            SLOT(hsliderGhostTransparencyValueChanged(int)));

}

void WingPanelDialog::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::LanguageChange && ui) {
        ui->retranslateUi(this);
        for (PanelDialogPage* page : pages)
            page->retranslate();
        // The tables' headers are asked for their texts anew; their columns
        // must follow the new lengths.
        for (QTableView* view :
             {ui->tableViewRibs, ui->tableViewSpars, ui->tableViewSheetingStrips, ui->tableViewCombs})
            view->resizeColumnsToContents();
        // Fitting into the screen measures the rib table again itself.
        if (isVisible())
            fitIntoScreen();
        else
            ribsPage->fitTable();
    }
    QDialog::changeEvent(event);
}

// ---------------------------------------------------------------------------
// Loading

bool WingPanelDialog::loadPanelIntoDialog(const PanelBaseData& data)
{
    workingRibs.clear();
    generatedRibThickness = data.getRibThickness();
    generatedPanelLength = data.getLength();
    workingRibs.assign(data.getRibListTableModel().getRibList());
    workingSpars.clear();
    workingSpars = data.getSparsTableModel().getSparList();
    workingStrips.clear();
    workingStrips.assign(data.getSheetingStripTableModel().getStripList());
    workingCombs.clear();
    workingCombs.assign(data.getCombListTableModel().getCombList());

    for (PanelDialogPage* page : pages)
        page->fill(data);
    baseDataPage->fillAirfoils(data);

    ui->tableViewSpars->clearSelection();
    ui->stackedWidgetSpar->setCurrentWidget(ui->pageSparNone);
    ui->stackedWidgetSheetingData->setCurrentWidget(ui->pageStripSheetingNone);
    ui->stackedWidgetCombs->setCurrentWidget(ui->pageNoComb);

    adjustNumberOfRibsInTableModels();
    buildingTabDataChanged();
    // Unchanged, the panel shares the ribs of the one loaded.
    loadedFrom = &data;
    redrawWindow(false);
    loadedFrom = nullptr;
    // The label reads the working panel, which exists only after the redraw.
    adjustSweepAngleLabel();
    return workingPanel || !allFieldsValid() || rootAirfoilName.isEmpty();
}

// ---------------------------------------------------------------------------
// Working copy and preview

void WingPanelDialog::fillPanelFromDialog(PanelBaseData& data)
{
    for (const PanelDialogPage* page : pages)
        page->writeInto(data);
    // The names the panel's document gave, also those the library lacks.
    data.keepAirfoilName(RootAirfoil, rootAirfoilName);
    data.keepAirfoilName(TipAirfoil, tipAirfoilName);

    data.setRibList(workingRibs);
    data.setSparList(workingSpars);
    data.setSheetingStripList(workingStrips);
    data.setBuildingTabData(workingTabs);
    data.setCombList(workingCombs);
    data.getRibListTableModel().setPanelLength(data.getLength());
}

bool WingPanelDialog::buildWorkingPanel(bool inPlace, bool yieldToInput)
{
    PanelBaseData data;
    fillPanelFromDialog(data);
    PanelPreviewBuild::Result result = PanelPreviewBuild::Result::Cancelled;
    bool outOfMemory = false;
    try {
        QScopedValueRollback<bool> running(buildRunning, true);
        const Panel* shown = inPlace ? workingPanel : nullptr;
        result = preview.update(isVisible() ? this : parentWidget(), data, windowTitle(),
                                shown ? &shown->getPanelBaseData() : nullptr, loadedFrom, yieldToInput);
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (outOfMemory) {
        // What the build took is freed by now; the panel shown stays.
        MemoryReserve::release();
        DialogSeam::warning(this, tr("Not enough memory"),
                            tr("There is not enough memory to build this panel; it is left as it was."));
        MemoryReserve::keep();
        return false;
    }
    if (result == PanelPreviewBuild::Result::Superseded) {
        // The build gave way to what the user typed meanwhile; once that
        // has reached its fields, the panel is built of what they hold.
        if (!rebuildAfterInput) {
            rebuildAfterInput = true;
            PanelPreviewBuild::afterHeldInput(this, [this] {
                rebuildAfterInput = false;
                redrawWindow(true);
                adjustSweepAngleLabel();
            });
        }
        return false;
    }
    // Nothing is shown in place of a panel let go of meanwhile.
    if (result == PanelPreviewBuild::Result::Cancelled || (inPlace && !workingPanel))
        return false;
    // The working panel shares the build's geometry: its ribs are held once.
    // In place, the old ribs go as the new ones are taken over, and the
    // table models stay, so the tables keep their place.
    PanelPreviewBuild::HeldRibs old;
    const bool built = result == PanelPreviewBuild::Result::Built;
    if (built && inPlace) {
        old = PanelPreviewBuild::holdRibs(workingPanel->getPanelBaseData());
        workingPanel->setPanelBaseData(*preview.last());
    } else if (built) {
        workingPanel = new Panel(*preview.last());
    }
    PanelPreviewBuild::copySelection(workingPanel->getPanelBaseData(), workingRibs, workingSpars, workingStrips,
                                     workingCombs);
    PanelPreviewBuild::releaseBeside(std::move(old));
    const float wingRootChord = workingPanel->getWingRootChord();
    if (!inPlace)
        ui->singleRibDrawingArea->setModel(workingPanel, wingRootChord > 0.0f ? 1.0f / wingRootChord : 1.0f);
    return true;
}

const PanelBaseData* WingPanelDialog::builtPanelOf(const PanelBaseData& values) const
{
    return preview.lastOf(values);
}

std::unique_ptr<PanelBaseData> WingPanelDialog::takeBuiltPanelOf(const PanelBaseData& values)
{
    return preview.takeLastOf(values);
}

void WingPanelDialog::installTableModels()
{
    struct Table {
        QTableView* view;
        QAbstractItemModel* model;
        const char* dataSlot;
        const char* selectionSlot;
    };
    PanelBaseData& data = workingPanel->getPanelBaseData();
    const Table tables[] = {
        {ui->tableViewRibs, &data.getRibListTableModel(), SLOT(ribDataChanged(QModelIndex,QModelIndex)),
         SLOT(ribSelectionChanged(QModelIndex,QModelIndex))},
        {ui->tableViewSpars, &data.getSparsTableModel(), SLOT(sparDataChanged(QModelIndex,QModelIndex)),
         SLOT(sparSelectionChanged(QModelIndex,QModelIndex))},
        {ui->tableViewSheetingStrips, &data.getSheetingStripTableModel(),
         SLOT(sheetingStripDataChanged(QModelIndex,QModelIndex)),
         SLOT(sheetingStripSelectionChanged(QModelIndex,QModelIndex))},
        {ui->tableViewCombs, &data.getCombListTableModel(), SLOT(combDataChanged(QModelIndex,QModelIndex)),
         SLOT(combSelectionChanged(QModelIndex,QModelIndex))},
    };
    for (const Table& t : tables) {
        QItemSelectionModel* old = t.view->selectionModel();
        t.view->setModel(t.model);
        delete old;
        connect(t.model, SIGNAL(dataChanged(QModelIndex,QModelIndex)), this, t.dataSlot);
        connect(t.view->selectionModel(), SIGNAL(currentChanged(QModelIndex,QModelIndex)), this, t.selectionSlot);
        t.view->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                QAbstractItemView::AnyKeyPressed);
        t.view->setSelectionBehavior(QAbstractItemView::SelectRows);
        t.view->setSelectionMode(QAbstractItemView::SingleSelection);
        t.view->resizeColumnsToContents();
        // A new or renamed row must not show its texts cut off.
        connect(t.model, &QAbstractItemModel::rowsInserted, t.view, &QTableView::resizeColumnsToContents);
        connect(t.model, &QAbstractItemModel::dataChanged, t.view, &QTableView::resizeColumnsToContents);
    }
    ribsPage->fitTable();
    connect(&data.getRibListTableModel(), &QAbstractItemModel::rowsInserted, ribsPage, &RibsPage::fitTable);
    connect(&data.getRibListTableModel(), &QAbstractItemModel::rowsRemoved, ribsPage, &RibsPage::fitTable);
}

void WingPanelDialog::redrawWindow(bool lightweight)
{
    // The window paints while a build runs, and a timer or a queued call
    // may ask for another redraw meanwhile: it follows this one.
    if (buildRunning) {
        redrawAgain = std::max(redrawAgain, lightweight ? 1 : 2);
        return;
    }
    // The views show the panel as last built until the redraw is over.
    const PanelViewPane::PictureHold held(*viewPane);
    if (lightweight) {
        // A build that gave way or was cancelled leaves the views showing
        // what they show: drawn again, the 3D view would start its picture
        // anew for every key.
        if (workingPanel && !buildWorkingPanel(true, true)) {
            finishRedraw();
            return;
        }
    } else {
        if (allFieldsValid() && !rootAirfoilName.isEmpty()) {
            if (workingPanel)
                deleteOldPanel();
            if (buildWorkingPanel()) {
                installTableModels();
                // The tables judge rib numbers by a count they learn only
                // while they hold their models; before the first panel they
                // held none.
                adjustNumberOfRibsInTableModels();
            }
        } else if (workingPanel) {
            deleteOldPanel();
        }
    }

    showPreview();
    ribsPage->showConsumedRibs();
    updateSingleRibView(getSelectedRibNo());
    finishRedraw();
}

void WingPanelDialog::finishRedraw()
{
    if (redrawAgain) {
        const bool light = redrawAgain == 1;
        redrawAgain = 0;
        redrawWindow(light);
    }
}

void WingPanelDialog::showPreview()
{
    ui->wingFoilGLWidget->setVisualisationOptions(viewPane->options());
    ui->wingFoilGLWidget->setGhostPanel(0, previousPanel);
    ui->wingFoilGLWidget->setGhostPanel(1, nextPanel);
    ui->wingFoilGLWidget->setPanel(workingPanel);
}

void WingPanelDialog::redrawWindowLightweight()
{
    redrawWindow(true);
}

void WingPanelDialog::updateVisualRepresentation()
{
    redrawWindow(true);
}

bool WingPanelDialog::rebuildBuiltAsWingRoot(const PanelBaseData& values, std::unique_ptr<PanelBaseData>& leading)
{
    // The working panel goes before its ribs are built again: without the
    // hold the preview would stand empty for the whole build.
    const PanelViewPane::PictureHold held(*viewPane);
    leading = takeBuiltPanelOf(values);
    deleteOldPanel();
    PanelPreviewBuild::awaitRelease();
    return rebuildAsWingRoot(*leading);
}

void WingPanelDialog::deleteOldPanel()
{
    QWidget* focused = QApplication::focusWidget();
    setFocus(Qt::OtherFocusReason);
    for (QTableView* view : {ui->tableViewRibs, ui->tableViewSpars}) {
        QItemSelectionModel* old = view->selectionModel();
        view->setModel(nullptr);
        delete old;
    }
    // With no panel in the plane yet its root chord reads -1; the field's
    // chord keeps the scale positive.
    float chord = static_cast<float>(PlaneModel::instance()->getRootChord());
    if (chord <= 0.0f)
        chord = static_cast<float>(ui->txtRootChord->value());
    viewPane->letGoOfPanel(chord > 0.0f ? 1.0f / chord : 1.0f);
    PanelPreviewBuild::HeldRibs old;
    if (workingPanel)
        old = PanelPreviewBuild::holdRibs(workingPanel->getPanelBaseData());
    delete workingPanel;
    workingPanel = nullptr;
    preview.forget();
    PanelPreviewBuild::releaseBeside(std::move(old));
    if (focused)
        focused->setFocus(Qt::OtherFocusReason);
}

void WingPanelDialog::adjustNumberOfRibsInTableModels()
{
    const int n = workingRibs.getRibCount();
    if (dynamic_cast<SheetingStripTableModel*>(ui->tableViewSheetingStrips->model())) {
        workingStrips.clampRibNumbers(n);
        SheetingStripTableModel::setNumberOfRibs(n);
    }
    if (dynamic_cast<SparsTableModel*>(ui->tableViewSpars->model())) {
        workingSpars.adjustToNumberOfRibs(n);
        SparsTableModel::setNumberOfRibs(n);
    }
    if (dynamic_cast<CombListTableModel*>(ui->tableViewCombs->model())) {
        workingCombs.clampRibNumbers(n);
        CombListTableModel::setNumberOfRibs(n);
    }
}

void WingPanelDialog::adjustSweepAngleLabel()
{
    float angle = 0.0f;
    if (workingPanel && workingPanel->getLength() != 0.0f)
        angle = static_cast<float>(std::atan(workingPanel->getSweep() / workingPanel->getLength()) * 180.0 / M_PI);
    ui->lblSweepInDeg->setText(QStringLiteral("(") + CLocale::display(angle) + QStringLiteral("°)"));
}

void WingPanelDialog::updateSingleRibView(int ribNo)
{
    float chord = static_cast<float>(PlaneModel::instance()->getRootChord());
    if (chord == -1.0f)
        chord = static_cast<float>(ui->txtRootChord->value());
    ui->singleRibDrawingArea->setScale(chord != 0.0f ? 1.0f / chord : 1.0f);
    if (ribNo >= 0 && workingPanel) {
        // Each notice redraws the rib; on an edit of the shown rib the tabs'
        // notice alone draws it anew.
        if (ui->singleRibDrawingArea->getRibNumber() != ribNo + 1)
            ui->singleRibDrawingArea->notify(CADSceneEventSelectionChanged(ribNo));
        constructionPage->notifyBuildingTabs();
    }
}

void WingPanelDialog::ribDataChanged(QModelIndex index1, QModelIndex)
{
    if (workingPanel)
        workingRibs.assign(workingPanel->getRibList());
    redrawWindow(true);
    updateSingleRibView(index1.row());
}

void WingPanelDialog::deselectAll(int items, bool redraw)
{
    if (items & 1)
        for (SparDefinition& spar : workingSpars.getEditableSpars())
            spar.setSelected(false);
    if (items & 2)
        for (RibDefinition& rib : workingRibs.getRibs())
            rib.setSelected(false);
    if (items & 4)
        for (SheetingStripDefinition& strip : workingStrips.getStrips())
            strip.setSelected(false);
    if (items & 8)
        for (RibCombData& comb : workingCombs.getCombs())
            comb.setSelected(false);
    if (redraw)
        redrawWindow(true);
}

// ---------------------------------------------------------------------------
// Validation, rib generation and commit

bool WingPanelDialog::allFieldsValid(QWidget** firstInvalidPage)
{
    return PanelChecks::allFieldsValid(*this, firstInvalidPage);
}

bool WingPanelDialog::refuseBeyondLimits(int ribs, int spars, int strips, int combs)
{
    return PanelChecks::refuseBeyondLimits(*this, ribs, spars, strips, combs);
}

void WingPanelDialog::btnGenerateRibsClicked()
{
    QWidget* page = nullptr;
    if (allFieldsValid(&page)) {
        if (refuseBeyondLimits(static_cast<int>(ui->txtNoOfRibs->value())))
            return;
        workingRibs.clear();
        const int n = static_cast<int>(ui->txtNoOfRibs->value());
        generatedRibThickness = static_cast<float>(ui->txtRibThickness->value());
        generatedPanelLength = static_cast<float>(ui->txtLength->value());
        workingRibs.generateRibs(generatedPanelLength, n, generatedRibThickness);
        adjustNumberOfRibsInTableModels();
        adjustSweepAngleLabel();
        redrawWindow(false);
    } else {
        PanelChecks::showTabOf(page);
        DialogSeam::message(nullptr, QMessageBox::Information, tr("Not possible to generate ribs"),
                            tr("Not all fields are valid - not possible to generate the ribs"));
    }
}

void WingPanelDialog::btnPanelEditAccepted()
{
    PendingEdit::finish(this);
    QWidget* page = nullptr;
    if (!allFieldsValid(&page)) {
        PanelChecks::showTabOf(page);
        DialogSeam::message(this, QMessageBox::Warning, tr("Invalid data"),
                            tr("Not all fields contain a valid value!"));
        return;
    }
    if (!workingPanel && !buildWorkingPanel())
        return;

    const bool regenerate = workingRibs.getRibCount() == 0
                            || static_cast<float>(ui->txtRibThickness->value()) != generatedRibThickness
                            || static_cast<float>(ui->txtLength->value()) != generatedPanelLength;
    // The panel enters the plane only within its bounds, so the plane can
    // always be saved and opened again.
    if (refuseBeyondLimits(regenerate ? static_cast<int>(ui->txtNoOfRibs->value()) : -1))
        return;
    if (regenerate) {
        const int answer = DialogSeam::choice(
            nullptr, QMessageBox::Information, tr("Ribs list invalidated"),
            tr("Current list of ribs does not correspond to the\nparameter (\"Rib thickness\" or \"Panel "
               "Length\")!\n\nDo you want me to re-generate the list, possibly losing\nall manually added "
               "modifications to the rib list?"),
            {tr("&Yes, do it!"), tr("&No, bring me back.")}, 0, 1);
        if (answer == 1)
            return;
        btnGenerateRibsClicked();
        if (!workingPanel)
            return;
    }

    // Fresh ribs do not make the spars, strips and covering right: they are
    // checked after a regeneration as well, or OK would commit what it
    // refuses otherwise.
    if (!PanelChecks::builtPanelValid(*this))
        return;

    deselectAll(15, false);
    // The plane takes the panel over as built here; a build the user
    // cancelled on the way is made up for now.
    PanelBaseData values;
    fillPanelFromDialog(values);
    if (!builtPanelOf(values) && !buildWorkingPanel(true))
        return;
    commitRefused = false;
    emit baseDataChanged();
    if (commitRefused) {
        redrawWindow(false);
        return;
    }
    ui->dockWidgetRibTable->setFloating(false);
    ui->dockWidgetRibView->setFloating(false);
    setVisible(false);
}

bool WingPanelDialog::confirmLeaveDialog()
{
    const int answer = DialogSeam::choice(
        this, QMessageBox::Warning, tr("Leaving panel edit mode"),
        tr("<html><body><p>You are about to leave the panel editing dialog. If you proceed, all eventual changes "
           "will be lost.</p><p>Do you want to proceed or stay in the dialog?</p></body></html>"),
        {tr("&Proceed"), tr("&Stay")}, 0, 1);
    return answer != 1;
}

void WingPanelDialog::btnPanelEditRejected()
{
    if (!confirmLeaveDialog())
        return;
    // No redraw: the closed dialog lets go of the working panel.
    deselectAll(15, false);
    ui->dockWidgetRibTable->setFloating(false);
    ui->dockWidgetRibView->setFloating(false);
    setVisible(false);
}

void WingPanelDialog::reject()
{
    if (!confirmLeaveDialog())
        return;
    ui->dockWidgetRibTable->setFloating(false);
    ui->dockWidgetRibView->setFloating(false);
    setVisible(false);
    QDialog::reject();
}

void WingPanelDialog::setVisible(bool visible)
{
    if (ui)
        ui->listViewPanelFoils->setFocus(Qt::OtherFocusReason);
    if (visible)
        fitIntoScreen();
    QDialog::setVisible(visible);
    // A closed dialog holds no ribs: a heavy panel's would take as much
    // memory again as the plane's own. The next opening builds them anew.
    if (!visible && ui && workingPanel)
        deleteOldPanel();
    // Each opening starts at the top, the tab bar in sight, whatever the
    // previous panel's pages were scrolled to.
    if (visible && ui)
        for (QScrollArea* area : findChildren<QScrollArea*>()) {
            area->verticalScrollBar()->setValue(0);
            area->horizontalScrollBar()->setValue(0);
        }
}

void WingPanelDialog::fitIntoScreen()
{
    const QWidget* anchor = parentWidget() ? parentWidget()->window() : this;
    QScreen* screen = anchor->screen();
    if (!screen)
        return;
    const QRect available = screen->availableGeometry();
    ensurePolished();
    // Measured again now that the style has set fonts and margins.
    ribsPage->fitTable();

    // The data pane asks for the width of all tab titles, so that none is
    // cut and no page needs sideways scrolling; only where the screen is too
    // narrow for that does it fall back to scrolling.
    QScrollArea* pane = ui->scrollArea_PanelData;
    const QMargins around = ui->scrollAreaPanelDataContents->layout()->contentsMargins();
    QStyleOptionTabWidgetFrame frameOption;
    frameOption.initFrom(ui->panelDialogTabWidget);
    const int tabFrame = 2 * style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frameOption, ui->panelDialogTabWidget);
    // The pages ask for their own width too: the rib table's columns in a
    // longer language.
    const int tabs = std::max(ui->panelDialogTabWidget->tabBar()->sizeHint().width() + tabFrame,
                              ui->panelDialogTabWidget->minimumSizeHint().width());
    pane->setMinimumWidth(tabs + around.left() + around.right() + 2 * pane->frameWidth() +
                          pane->verticalScrollBar()->sizeHint().width());
    if (minimumSizeHint().width() > available.width())
        pane->setMinimumWidth(0);
    // The frame is known only once the window manager has framed us.
    const QSize frame = isVisible() ? frameGeometry().size() - geometry().size() : QSize(0, 0);
    const QSize fitting = size().boundedTo(available.size() - frame);
    if (fitting != size())
        resize(fitting);
}

// ---------------------------------------------------------------------------
// Airfoil selection

// ---------------------------------------------------------------------------
// Table models of the working panel

RibListTableModel* WingPanelDialog::ribModel() const
{
    return dynamic_cast<RibListTableModel*>(ui->tableViewRibs->model());
}

int WingPanelDialog::getSelectedRibNo()
{
    if (!ribModel())
        return -1;
    return PanelPage::selectedRow(ui->tableViewRibs);
}

const RibDefinition* WingPanelDialog::getRibInTableRow(int row, bool& found)
{
    found = false;
    RibListTableModel* model = ribModel();
    if (!model || row < 0 || row >= model->getRibCount())
        return nullptr;
    const RibDefinition& rib = model->findRib(row, found);
    return found ? &rib : nullptr;
}

const RibDefinition* WingPanelDialog::getRibNoDefinition(int number, bool& found)
{
    return getRibInTableRow(number - 1, found);
}

bool WingPanelDialog::ribChords(int firstRib, int lastRib, float& firstChord, float& lastChord)
{
    bool foundFirst = false;
    bool foundLast = false;
    const RibDefinition* first = getRibNoDefinition(firstRib, foundFirst);
    const RibDefinition* last = getRibNoDefinition(lastRib, foundLast);
    firstChord = foundFirst ? first->getChord() : 0.0f;
    lastChord = foundLast ? last->getChord() : 0.0f;
    return foundFirst && foundLast;
}

// ---------------------------------------------------------------------------
// Feature editor pages

void WingPanelDialog::chkBoxToggled(bool)
{
    showPreview();
}

void WingPanelDialog::hsliderTransparencyValueChanged(int)
{
    showPreview();
}

void WingPanelDialog::hsliderGhostTransparencyValueChanged(int)
{
    showPreview();
}

// ---------------------------------------------------------------------------
// Spar and comb angles, alignment

void WingPanelDialog::getAngleText(float angle, QString& text)
{
    text = angle == PanelPage::NoAngle ? QStringLiteral("-") : CLocale::display(angle);
}

void WingPanelDialog::rebuildAlignSparMenu(int which, Panel* neighbour)
{
    if (which == 0)
        previousPanel = neighbour;
    else
        nextPanel = neighbour;
    sparsPage->rebuildAlignMenu(which, neighbour);
}

// ---------------------------------------------------------------------------
// List editing

// The rib operations renumber the features of the dialog's lists and then
// change the rib table; the rib table's change rebuilds the panel from those
// lists, so both stay in step.
// ---------------------------------------------------------------------------
// The spar tab's entry points, kept for the panel table and the tests

int WingPanelDialog::getSparEditorRow() const { return sparsPage->getEditorRow(); }
QMenu* WingPanelDialog::getAlignPreviousMenu() const { return sparsPage->getAlignPreviousMenu(); }
QMenu* WingPanelDialog::getAlignNextMenu() const { return sparsPage->getAlignNextMenu(); }
QMenu* WingPanelDialog::getSparMenu() const { return sparsPage->getMenu(); }
void WingPanelDialog::updateNeededFor90Label(int sparType, float value)
{
    sparsPage->updateNeededFor90Label(sparType, value);
}
void WingPanelDialog::addAlignSparActions(QMenu* menu, const Panel* neighbour)
{
    sparsPage->addAlignSparActions(menu, neighbour);
}
void WingPanelDialog::alignSparWithNeighbour(int neighbourSparIndex, int ownSparRow, int which)
{
    sparsPage->alignSparWithNeighbour(neighbourSparIndex, ownSparRow, which);
}
int WingPanelDialog::getSelectedSparRow(bool& found) { return sparsPage->getSelectedSparRow(found); }
float WingPanelDialog::getSparVerticalAngle(SparDefinition spar, const RibListTableModel* pRibTableModel)
{
    return SparsPage::getSparVerticalAngle(spar, pRibTableModel);
}
void WingPanelDialog::insertNewSpar(int row) { sparsPage->getRows().insertNew(row); }
void WingPanelDialog::sparSelectionChanged(QModelIndex selected, QModelIndex deselected)
{
    sparsPage->sparSelectionChanged(selected, deselected);
}
void WingPanelDialog::sparDataChanged(QModelIndex index1, QModelIndex index2)
{
    sparsPage->sparDataChanged(index1, index2);
}
void WingPanelDialog::sparSpecificDataChanged() { sparsPage->sparSpecificDataChanged(); }
void WingPanelDialog::btnSpar90Clicked() { sparsPage->btnSpar90Clicked(); }
void WingPanelDialog::getSparRealPositions(float& firstSparPosition, float& lastSparPosition, float& firstRibPosition,
                                           float& lastRibPosition, SparDefinition spar,
                                           const RibListTableModel* pRibTableModel, bool considerRib2Thickness)
{
    sparsPage->getSparRealPositions(firstSparPosition, lastSparPosition, firstRibPosition, lastRibPosition, spar,
                                    pRibTableModel, considerRib2Thickness);
}
float WingPanelDialog::getSparAngle(SparDefinition spar, const RibListTableModel* pRibTableModel, float panelSweep,
                                    float panelLength, float& neededFor90Deg, bool untilLastRib)
{
    return sparsPage->getSparAngle(spar, pRibTableModel, panelSweep, panelLength, neededFor90Deg, untilLastRib);
}
void WingPanelDialog::visualizeSparAngle(SparDefinition spar) { sparsPage->visualizeSparAngle(spar); }
void WingPanelDialog::customSparsMenuRequested(QPoint pos) { sparsPage->customSparsMenuRequested(pos); }
void WingPanelDialog::addSparBefore() { sparsPage->getRows().addBefore(); }
void WingPanelDialog::addSparAfter() { sparsPage->getRows().addAfter(); }
void WingPanelDialog::deleteSpar() { sparsPage->getRows().removeSelected(); }
void WingPanelDialog::copySpar() { sparsPage->getRows().copySelected(); }
void WingPanelDialog::moveSparToMaxThickness() { sparsPage->moveSparToMaxThickness(); }
void WingPanelDialog::alignSpar() { sparsPage->alignSpar(); }

// The sheeting and construction tabs' entry points

int WingPanelDialog::getStripEditorRow() const { return sheetingPage->getEditorRow(); }
int WingPanelDialog::getCombEditorRow() const { return constructionPage->getEditorRow(); }
QMenu* WingPanelDialog::getStripMenu() const { return sheetingPage->getMenu(); }
QMenu* WingPanelDialog::getCombMenu() const { return constructionPage->getMenu(); }
void WingPanelDialog::insertNewStrip(int row) { sheetingPage->getRows().insertNew(row); }
void WingPanelDialog::insertNewComb(int row) { constructionPage->getRows().insertNew(row); }
void WingPanelDialog::sheetingStripSelectionChanged(QModelIndex selected, QModelIndex deselected)
{
    sheetingPage->sheetingStripSelectionChanged(selected, deselected);
}
void WingPanelDialog::combSelectionChanged(QModelIndex selected, QModelIndex deselected)
{
    constructionPage->combSelectionChanged(selected, deselected);
}
void WingPanelDialog::standardSheetingMeasureUnitChanged() { sheetingPage->standardSheetingMeasureUnitChanged(); }
void WingPanelDialog::buildingTabDataChanged() { constructionPage->buildingTabDataChanged(); }
void WingPanelDialog::sheetingStripDataChanged(QModelIndex index1, QModelIndex index2)
{
    sheetingPage->sheetingStripDataChanged(index1, index2);
}
void WingPanelDialog::combDataChanged(QModelIndex index1, QModelIndex index2)
{
    constructionPage->combDataChanged(index1, index2);
}
void WingPanelDialog::combSpecificDataChanged() { constructionPage->combSpecificDataChanged(); }
void WingPanelDialog::btnComb90Clicked() { constructionPage->btnComb90Clicked(); }
void WingPanelDialog::sheetingStripSpecificDataChanged() { sheetingPage->sheetingStripSpecificDataChanged(); }
float WingPanelDialog::getCombAngle(RibCombData comb, const RibListTableModel* pRibTableModel, float panelSweep,
                                    float panelLength, float& neededFor90Deg, bool untilLastRib)
{
    return constructionPage->getCombAngle(comb, pRibTableModel, panelSweep, panelLength, neededFor90Deg,
                                          untilLastRib);
}
void WingPanelDialog::visualizeCombAngle(RibCombData comb) { constructionPage->visualizeCombAngle(comb); }
void WingPanelDialog::rbSheetingTypeToggled(bool state) { sheetingPage->rbSheetingTypeToggled(state); }
void WingPanelDialog::customStripsMenuRequested(QPoint pos) { sheetingPage->customStripsMenuRequested(pos); }
void WingPanelDialog::addStripBefore() { sheetingPage->getRows().addBefore(); }
void WingPanelDialog::addStripAfter() { sheetingPage->getRows().addAfter(); }
void WingPanelDialog::deleteStrip() { sheetingPage->getRows().removeSelected(); }
void WingPanelDialog::copyStrip() { sheetingPage->getRows().copySelected(); }
void WingPanelDialog::customCombsMenuRequested(QPoint pos) { constructionPage->customCombsMenuRequested(pos); }
void WingPanelDialog::addCombBefore() { constructionPage->getRows().addBefore(); }
void WingPanelDialog::addCombAfter() { constructionPage->getRows().addAfter(); }
void WingPanelDialog::deleteComb() { constructionPage->getRows().removeSelected(); }
void WingPanelDialog::copyComb() { constructionPage->getRows().copySelected(); }

// The base data, rib and edge tabs' entry points

void WingPanelDialog::fillFoilListModel() { baseDataPage->fillFoilListModel(); }
void WingPanelDialog::foilListRowChangedSlot(QItemSelection selected, QItemSelection deselected)
{
    baseDataPage->foilListRowChangedSlot(selected, deselected);
}
void WingPanelDialog::removeTipFoilSelection() { baseDataPage->removeTipFoilSelection(); }
void WingPanelDialog::rootFoilFactorChanged() { baseDataPage->rootFoilFactorChanged(); }
void WingPanelDialog::updateFoilFilter(QString filter) { baseDataPage->updateFoilFilter(filter); }
void WingPanelDialog::btnCalculateLengthClicked() { baseDataPage->btnCalculateLengthClicked(); }
void WingPanelDialog::btnStraightenLEClicked() { baseDataPage->btnStraightenLEClicked(); }
QMenu* WingPanelDialog::getRibMenu() const { return ribsPage->getMenu(); }
void WingPanelDialog::customRibsMenuRequested(QPoint pos) { ribsPage->customRibsMenuRequested(pos); }
void WingPanelDialog::addRibBefore() { ribsPage->addRibBefore(); }
void WingPanelDialog::addRibAfter() { ribsPage->addRibAfter(); }
void WingPanelDialog::splitRib() { ribsPage->splitRib(); }
void WingPanelDialog::deleteRib() { ribsPage->deleteRib(); }
void WingPanelDialog::ribSelectionChanged(QModelIndex selected, QModelIndex deselected)
{
    ribsPage->ribSelectionChanged(selected, deselected);
}
void WingPanelDialog::rbLETypeToggled(bool state) { edgesPage->rbLETypeToggled(state); }
void WingPanelDialog::rbTETypeToggled(bool state) { edgesPage->rbTETypeToggled(state); }

// The view pane's entry points

void WingPanelDialog::topView() { viewPane->topView(); }
void WingPanelDialog::frontView() { viewPane->frontView(); }
void WingPanelDialog::leftView() { viewPane->leftView(); }
void WingPanelDialog::bottomView() { viewPane->bottomView(); }
void WingPanelDialog::rearView() { viewPane->rearView(); }
void WingPanelDialog::rightView() { viewPane->rightView(); }
void WingPanelDialog::view45() { viewPane->view45(); }
void WingPanelDialog::chkGhostBoxToggled(bool state) { viewPane->chkGhostBoxToggled(state); }
