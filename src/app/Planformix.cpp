#include "app/Planformix.h"

#include <QCoreApplication>
#include <QEvent>
#include <QScrollArea>
#include <QSplitter>
#include <QTimer>
#include <algorithm>

#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "editing/PanelsTable.h"
#include "foundation/ApplicationSettings.h"
#include "foundation/CompiledResources.h"
#include "foundation/InputValueType.h"
#include "views/PlaneDrawingArea.h"
#include "views/PlaneSummaryArea.h"

#include "ui_Planformix.h"

namespace {
// What the wing-halves distance field accepts, in millimetres.
const int DecimalInRange = 9;
const double MinWingHalvesDistance = -30.0;
const double MaxWingHalvesDistance = 300.0;
} // namespace

Planformix::Planformix(QWidget* parent)
    : QWidget(parent), ui(new Ui_Planformix)
{
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
}

Planformix::~Planformix()
{
    // The views observe the plane model, so they go first; the model's
    // destructor calls no observer.
    delete panelsTable;
    delete planeDrawingArea;
    delete planeSummaryArea;
    delete planeModel;
    delete ui;
}

void Planformix::setupForm()
{
    if (formBuilt)
        return;
    CompiledResources::ensureLoaded();
    ui->setupUi(this);
    formBuilt = true;

    planeModel = PlaneModel::instance();
    // All three views share the 3D view's options record, so the wing-halves
    // gap and the show switches agree between them.
    PlaneVisualisationOptions* options = ui->mainWingGLWidget->getVisualisationOptions();

    planeSummaryArea = new PlaneSummaryArea(ui, options);
    planeModel->addObserver(planeSummaryArea);
    planeDrawingArea = new PlaneDrawingArea(nullptr, options);
    planeModel->addObserver(planeDrawingArea);
    planeModel->addObserver(ui->mainWingGLWidget);

    // The panel dialog made here fills its airfoil list from the library,
    // which is why all of this waits for the loading thread.
    panelsTable = new PanelsTable(ui, planeModel->getTableModel());

    planeModel->resetBaseData();
    planeSummaryArea->connectSignals();

    ui->grphViewPlaneMainView->setScene(planeDrawingArea);

    ui->txtWingHalvesDistance->setInputValueType(
        new InputValueType(DecimalInRange, MinWingHalvesDistance, MaxWingHalvesDistance));
    ui->mainWingGLWidget->connectControls(ui->chkBoxRibs, ui->chkBoxSpars, ui->chkBoxCovering, ui->chkBoxCombs,
                                          ui->chkBoxTE, ui->chkBoxLE, ui->chkBoxAxes, ui->hsliderTransparency,
                                          ui->txtWingHalvesDistance);

    VisualisationButtons* buttons = ui->visualisationButtons;
    MainWingGLWidget* view = ui->mainWingGLWidget;
    connect(buttons, &VisualisationButtons::topView, view, &MainWingGLWidget::topView);
    connect(buttons, &VisualisationButtons::frontView, view, &MainWingGLWidget::frontView);
    connect(buttons, &VisualisationButtons::bottomView, view, &MainWingGLWidget::bottomView);
    connect(buttons, &VisualisationButtons::rearView, view, &MainWingGLWidget::rearView);
    connect(buttons, &VisualisationButtons::leftView, view, &MainWingGLWidget::leftView);
    connect(buttons, &VisualisationButtons::rightView, view, &MainWingGLWidget::rightView);
    connect(buttons, &VisualisationButtons::view45, view, &MainWingGLWidget::view45);

    connect(panelsTable, &PanelsTable::columnsFitted, this, &Planformix::giveTableItsRoom);
    connect(ui->splitter_2, &QSplitter::splitterMoved, this, [this] { splitterPlacedByUser = true; });
    ui->splitter_2->installEventFilter(this);
}

bool Planformix::eventFilter(QObject* watched, QEvent* event)
{
    // The splitter lays its sides out after this event; measure the table
    // once it has.
    if (formBuilt && watched == ui->splitter_2 && event->type() == QEvent::Resize)
        QTimer::singleShot(0, this, &Planformix::giveTableItsRoom);
    return QWidget::eventFilter(watched, event);
}

void Planformix::giveTableItsRoom()
{
    QSplitter* splitter = ui->splitter_2;
    if (splitterPlacedByUser || !splitter->isVisible())
        return;
    QList<int> sizes = splitter->sizes();
    if (sizes.size() != 2)
        return;
    const int missing = panelsTable->fittingWidth() - ui->scrollArea_2->viewport()->width();
    const int spare = sizes[1] - ui->grpWingView->minimumSizeHint().width();
    const int moved = std::min(missing, spare);
    if (moved <= 0)
        return;
    sizes[0] += moved;
    sizes[1] -= moved;
    splitter->setSizes(sizes);
}

void Planformix::loadAirfoils(QString* missingDirectory)
{
    ApplicationSettings* settings = ApplicationSettings::getInstance()->getSettings();
    const QString foilsDir = QCoreApplication::applicationDirPath() + QStringLiteral("/") + settings->getFoilsDir();
    WingFoils::createInstance(foilsDir, settings->getImportedFoilsDir(), missingDirectory);
}

void Planformix::airfoilListChanged()
{
    if (panelsTable)
        panelsTable->updateAirfoilList();
}

void Planformix::changeEvent(QEvent* event)
{
    // A language can be installed before the form exists; there is nothing
    // to translate then, and the form picks the language up when it is built.
    if (event->type() == QEvent::LanguageChange && formBuilt)
        ui->retranslateUi(this);
    QWidget::changeEvent(event);
}
