#include "editing/PanelsTable.h"

#include "document/DocumentLimits.h"
#include "document/FileManager.h"
#include "document/PlaneModel.h"
#include "editing/NewPanelData.h"
#include "editing/PanelPreviewBuild.h"
#include "editing/WingPanelDialog.h"
#include "editing/XLineEditDelegate.h"
#include "foundation/DialogSeam.h"
#include "foundation/InputValueType.h"
#include "foundation/MemoryReserve.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "planformixdata.pb.h"

#include <QAbstractItemDelegate>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QItemSelectionModel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableView>
#include <cmath>
#include <memory>
#include <new>
#include <string>
#include <utility>

namespace {

// A cell edit can rebuild every panel of the wing (a new root chord, say),
// and what it changes is drawn at once: it runs under the table's guard
// against running out of memory.
class PanelCellDelegate : public XLineEditDelegate
{
public:
    PanelCellDelegate(const InputValueType* type, std::function<void(const std::function<void()>&)> guard)
        : XLineEditDelegate(type)
        , guard(std::move(guard))
    {
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override
    {
        guard([&] { XLineEditDelegate::setModelData(editor, model, index); });
    }

private:
    std::function<void(const std::function<void()>&)> guard;
};

} // namespace

PanelsTable::PanelsTable(QTableView* tableView, QPushButton* addButton, QPushButton* editButton,
                         QPushButton* deleteButton, QPushButton* moveUpButton, QPushButton* moveDownButton,
                         PanelsTableModel* model)
    : QObject(nullptr), tableView(tableView)
{
    tableView->setModel(model);
    tableView->setAttribute(Qt::WA_MouseTracking);
    tableView->viewport()->installEventFilter(this);
    // For the language change, which renames the column headers.
    tableView->installEventFilter(this);
    // A double click opens the panel dialog instead of a cell editor.
    tableView->setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::AnyKeyPressed);

    const InputValueType rules[] = {
        InputValueType(1),                          // name
        InputValueType(1),                          // airfoil
        InputValueType(9, 10.0, 5000.0),            // length
        InputValueType(9, 10.0, 1000.0),            // root chord
        InputValueType(9, 1.0, 1000.0),             // tip chord
        InputValueType(9, -2500.0, 2500.0),         // sweep
        InputValueType(9, -7.0, 7.0),               // tip twist
        InputValueType(9, -90.0, 90.0),             // dihedral
    };
    int column = 0;
    for (const InputValueType& rule : rules) {
        auto* delegate =
            new PanelCellDelegate(&rule, [this](const std::function<void()>& edit) { editWithinMemory(edit); });
        // Parented so it goes with us even when the view went first.
        delegate->setParent(this);
        tableView->setItemDelegateForColumn(column++, delegate);
    }

    panelDialog = new WingPanelDialog(tableView);

    connect(editButton, SIGNAL(clicked()), this, SLOT(btnEditPressed()));
    connect(deleteButton, SIGNAL(clicked()), this, SLOT(btnDeletePressed()));
    connect(moveUpButton, SIGNAL(clicked()), this, SLOT(btnMoveUpPressed()));
    connect(moveDownButton, SIGNAL(clicked()), this, SLOT(btnMoveDownPressed()));
    connect(addButton, SIGNAL(clicked()), this, SLOT(btnAddPressed()));
    connect(tableView, SIGNAL(doubleClicked(QModelIndex)), this, SLOT(btnEditPressed(QModelIndex)));
    connect(panelDialog, SIGNAL(baseDataChanged()), this, SLOT(baseDataChanged()));

    // Every change of the panels can make a column wider or narrower.
    connect(model, &QAbstractItemModel::rowsInserted, this, &PanelsTable::fitColumns);
    connect(model, &QAbstractItemModel::rowsRemoved, this, &PanelsTable::fitColumns);
    connect(model, &QAbstractItemModel::dataChanged, this, &PanelsTable::fitColumns);
    connect(model, &QAbstractItemModel::layoutChanged, this, &PanelsTable::fitColumns);
    connect(model, &QAbstractItemModel::modelReset, this, &PanelsTable::fitColumns);
    // The plane announces there when it cannot show the document.
    connect(model, &QAbstractItemModel::layoutChanged, this, &PanelsTable::showDocumentState);
    notShown = new QLabel(tableView->viewport());
    notShown->setWordWrap(true);
    notShown->setAlignment(Qt::AlignCenter);
    notShown->setMargin(8);
    notShown->hide();
    fitColumns();
}

PanelsTable::~PanelsTable()
{
    // The view may be gone already when the central widget tears its form
    // down first; then the dialog went with it and the delegates go with us.
    if (tableView && tableView->model()) {
        const int columns = tableView->model()->columnCount();
        for (int column = 0; column < columns; ++column) {
            QAbstractItemDelegate* delegate = tableView->itemDelegateForColumn(column);
            if (!delegate)
                continue;
            tableView->setItemDelegateForColumn(column, nullptr);
            delete delegate;
        }
    }
    delete panelDialog;
}

void PanelsTable::updateAirfoilList()
{
    panelDialog->fillFoilListModel();
}

void PanelsTable::fitColumns()
{
    if (!tableView)
        return;
    tableView->resizeColumnsToContents();
    emit columnsFitted();
}

int PanelsTable::fittingWidth() const
{
    if (!tableView)
        return 0;
    // The vertical scroll bar is counted even while it is hidden: more
    // panels must not push the last column out of sight.
    return tableView->verticalHeader()->sizeHint().width() + tableView->horizontalHeader()->length() +
           2 * tableView->frameWidth() + tableView->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tableView);
}

PanelsTableModel* PanelsTable::panelsModel() const
{
    return dynamic_cast<PanelsTableModel*>(tableView->model());
}

int PanelsTable::selectedRow() const
{
    const QModelIndexList rows = tableView->selectionModel()->selectedRows(0);
    return rows.size() == 1 ? rows.front().row() : -1;
}

void PanelsTable::btnEditPressed()
{
    const int row = selectedRow();
    if (row >= 0)
        btnEditPressed(panelsModel()->index(row, 0));
}

void PanelsTable::btnEditPressed(QModelIndex index)
{
    PanelsTableModel* model = panelsModel();
    const int row = index.row();
    Panel* panel = model->getPanel(row);
    if (!panel)
        return;
    // getPanel gives null outside the list, so the first and the last panel
    // get no neighbour on that side.
    panelDialog->rebuildAlignSparMenu(0, model->getPanel(row - 1));
    panelDialog->rebuildAlignSparMenu(1, model->getPanel(row + 1));
    // A Cancel of the working panel's build cancels the opening.
    if (panelDialog->loadPanelIntoDialog(panel->getPanelBaseData()))
        panelDialog->setVisible(true);
}

void PanelsTable::showDocumentState()
{
    if (!tableView || !notShown)
        return;
    const bool held = PlaneModel::instance()->getDocumentState() == PlaneModel::DocumentState::HeldNotBuilt;
    if (held) {
        notShown->setText(PlaneModel::notShownProblem());
        notShown->setGeometry(tableView->viewport()->rect());
    }
    notShown->setVisible(held);
}

bool PanelsTable::refusedWhileNotShown()
{
    if (PlaneModel::instance()->getDocumentState() != PlaneModel::DocumentState::HeldNotBuilt)
        return false;
    // An edit of the empty plane would take the place of the document.
    DialogSeam::warning(tableView, tr("Not enough memory"), PlaneModel::notShownProblem());
    return true;
}

bool PanelsTable::rebuildAway(const std::function<void(serializedPlanformixData&)>& change, const QString& title)
{
    // A change that rebuilds every panel of a large wing is built like an
    // undo state: away from the plane, the window answering, with progress
    // and a Cancel that leaves the plane as it was.
    PlaneModel* plane = PlaneModel::instance();
    if (!plane->rebuildTakesLong())
        return false;
    auto* files = dynamic_cast<FileManager*>(plane->findObserverByName(QStringLiteral("FileManager")));
    if (!files)
        return false;
    showingTheWingWhile([&] { files->rebuildDocument(change, title); });
    return true;
}

void PanelsTable::showingTheWingWhile(const std::function<void()>& rebuild)
{
    // A large plane goes while its replacement is built, and the table
    // hears of the rows leaving and coming, sizes its columns anew and
    // scrolls what it shows. Until the new wing is in place it shows a
    // picture of the wing as it was, whatever it is told meanwhile.
    QLabel picture(tableView);
    picture.setPixmap(tableView->grab());
    picture.setGeometry(tableView->rect());
    picture.show();
    rebuild();
}

void PanelsTable::editWithinMemory(const std::function<void()>& edit)
{
    std::string before;
    bool kept = false;
    bool outOfMemory = false;
    try {
        kept = PlaneModel::instance()->serializeToString(&before);
        edit();
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (!outOfMemory)
        return;
    if (!kept)
        std::string().swap(before);
    restoreAfterMemoryFailure(std::move(before));
}

void PanelsTable::restoreAfterMemoryFailure(std::string before)
{
    // The plane as it was before the edit: built again from its document,
    // which frees what the failed edit left half built. That is no edit of
    // its own, so it is neither marked nor an undo step. Nothing here may
    // fail for want of memory in turn.
    MemoryReserve::release();
    PlaneModel* plane = PlaneModel::instance();
    const bool historyWasOn = plane->getHistoryRecordingEnabled();
    const bool trackingWasOn = plane->getModificationTrackingEnabled();
    plane->setHistoryRecordingEnabled(false);
    plane->setModificationTrackingEnabled(false);
    const bool known = !before.empty();
    const bool restored = plane->recoverDocument(std::move(before));
    plane->setModificationTrackingEnabled(trackingWasOn);
    plane->setHistoryRecordingEnabled(historyWasOn);
    try {
        if (known && !restored)
            DialogSeam::warning(tableView, tr("Not enough memory"), PlaneModel::notShownProblem());
        else
            DialogSeam::warning(tableView, tr("Not enough memory"),
                                known ? tr("There is not enough memory for this change; the plane is left as it was.")
                                      : tr("There is not enough memory for this change."));
    } catch (const std::bad_alloc&) {
        // Not even the box fits: the document is safe all the same.
    }
    MemoryReserve::keep();
}

void PanelsTable::btnDeletePressed()
{
    const int row = selectedRow();
    if (row < 0 || row >= panelsModel()->getNoOfPanels())
        return;
    // Every panel is rebuilt after a delete: the first may be another now.
    if (rebuildAway([row](serializedPlanformixData& data) { data.mutable_panels()->DeleteSubrange(row, 1); },
                    tr("Delete panel")))
        return;
    editWithinMemory([this, row] { panelsModel()->removePanel(row); });
}

void PanelsTable::btnMoveUpPressed()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    // Only a new first panel rebuilds them all.
    if (row == 1 && swapFirstPanelsAway())
        return;
    editWithinMemory([this, row] { panelsModel()->movePanelUp(row); });
}

void PanelsTable::btnMoveDownPressed()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    if (row == 0 && swapFirstPanelsAway())
        return;
    editWithinMemory([this, row] { panelsModel()->movePanelDown(row); });
}

bool PanelsTable::swapFirstPanelsAway()
{
    return panelsModel()->getNoOfPanels() > 1
           && rebuildAway([](serializedPlanformixData& data) { data.mutable_panels()->SwapElements(0, 1); },
                          tr("Move panel"));
}

void PanelsTable::btnAddPressed()
{
    if (refusedWhileNotShown())
        return;
    PanelsTableModel* model = panelsModel();
    // Asked before and after the new panel is made: a full plane takes no
    // panel at all, and a copy of the last panel must fit as well.
    DocumentLimits::Size plane = DocumentLimits::planeSize(model->getPanels());
    DocumentLimits::Size withEmpty = plane;
    withEmpty += DocumentLimits::panelSize(0, 0, 0, 0);
    if (DocumentLimits::refuse(tableView, DocumentLimits::planeProblem(withEmpty)))
        return;
    std::unique_ptr<PanelBaseData> data = NewPanelData::create(*model);
    if (!data)
        return;
    plane += DocumentLimits::panelSize(*data);
    if (DocumentLimits::refuse(tableView, DocumentLimits::planeProblem(plane)))
        return;
    Panel* previous = model->getNoOfPanels() > 0 ? model->getPanels().back() : nullptr;
    panelDialog->rebuildAlignSparMenu(0, previous);
    panelDialog->rebuildAlignSparMenu(1, nullptr);
    if (panelDialog->loadPanelIntoDialog(*data))
        panelDialog->setVisible(true);
}

bool PanelsTable::commitRootPanelAway()
{
    // A changed root panel rebuilds every other panel with its root chord.
    // In a large wing that is built like an undo: away from the plane, with
    // progress and a Cancel that leaves the plane as it was and the dialog
    // open.
    PanelsTableModel* model = panelsModel();
    PlaneModel* plane = PlaneModel::instance();
    PanelBaseData data;
    panelDialog->fillPanelFromDialog(data);
    int row = -1;
    if (!model->findPanelById(data.getId(), row) || row != 0 || model->getNoOfPanels() < 2
        || !plane->rebuildTakesLong())
        return false;
    // A plane that goes while the changed one is built might not be built
    // again where that one found no room. Where there is no room for a
    // plane like it beside it, the panels are rebuilt in place instead,
    // which needs memory for one plane (the document before the change is
    // kept as bytes meanwhile, to put it back should that fail too).
    if (plane->givenUpWhileReplaced() && !plane->roomForAnotherLikeIt())
        return false;
    auto* files = dynamic_cast<FileManager*>(plane->findObserverByName(QStringLiteral("FileManager")));
    if (!files)
        return false;
    const std::string entry = PanelPreviewBuild::entryOf(data);
    // An OK that changes nothing is no edit.
    if (entry == PanelPreviewBuild::entryOf(model->getPanel(0)->getPanelBaseData()))
        return true;
    // The new plane builds its own ribs; the dialog's go first, so that the
    // two are not held at once.
    panelDialog->deleteOldPanel();
    PanelPreviewBuild::awaitRelease();
    if (!files->rebuildDocument([&entry](serializedPlanformixData& document) {
            document.mutable_panels(0)->ParseFromString(entry);
        }, tr("Change panel"))) {
        // The plane a Cancel leaves may have been built again: the dialog's
        // neighbour is the one there now.
        panelDialog->rebuildAlignSparMenu(1, model->getPanel(1));
        panelDialog->keepOpen();
    }
    return true;
}

void PanelsTable::baseDataChanged()
{
    // The empty plane of a held document takes no panel: the dialog stays
    // open with what was typed.
    if (refusedWhileNotShown()) {
        panelDialog->keepOpen();
        return;
    }
    // Up to the rebuild, which refuses a shortage itself, nothing of the
    // plane has changed.
    bool away = false;
    bool outOfMemory = false;
    try {
        away = commitRootPanelAway();
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (outOfMemory)
        restoreAfterMemoryFailure(std::string());
    if (away || outOfMemory)
        return;
    PanelsTableModel* model = panelsModel();
    // The panel is taken over quietly first; only a document that then
    // differs is told of the edit, so an OK that changes nothing neither
    // marks the document modified nor stores an undo state.
    PlaneModel* plane = PlaneModel::instance();
    std::string before;
    bool compared = false;
    const bool historyWasOn = plane->getHistoryRecordingEnabled();
    const bool trackingWasOn = plane->getModificationTrackingEnabled();
    PanelBaseData data;
    // The dialog's build, made the root panel of a wing with a new root
    // chord (see below).
    std::unique_ptr<PanelBaseData> leading;
    bool planeTouched = false;
    bool cancelled = false;
    try {
        compared = plane->serializeToString(&before);
        panelDialog->fillPanelFromDialog(data);
        // The dialog has built the panel of these values for its preview:
        // the plane takes those ribs over instead of building them again.
        const PanelBaseData* built = panelDialog->builtPanelOf(data);
        // The ribs replaced are freed beside the window.
        int row = 0;
        const Panel* replaced = model->findPanelById(data.getId(), row);
        // A root panel's new chord rescales the wing its ribs were built to
        // in the dialog. The dialog lets go of its working panel, and its
        // build is built again where it lies, as the root panel of the new
        // wing: the new ribs take the memory of the old ones, rather than
        // more beside them and the plane's, and the plane takes them over.
        // A Cancel of that leaves the plane as it was and the dialog open,
        // which builds what was typed again.
        if (built && replaced && row == 0 && replaced->getRootChord() != data.getRootChord()) {
            cancelled = !panelDialog->rebuildBuiltAsWingRoot(data, leading);
            built = leading.get();
            // The window answered meanwhile.
            replaced = model->findPanelById(data.getId(), row);
        }
        if (!cancelled) {
            PanelPreviewBuild::HeldRibs old;
            if (replaced)
                old = PanelPreviewBuild::holdRibs(replaced->getPanelBaseData());
            plane->setModificationTrackingEnabled(false);
            plane->setHistoryRecordingEnabled(false);
            planeTouched = true;
            model->addOrUpdatePanel(built ? *built : data);
            PanelPreviewBuild::releaseBeside(std::move(old));
        }
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    plane->setHistoryRecordingEnabled(historyWasOn);
    plane->setModificationTrackingEnabled(trackingWasOn);
    // The plane shares the ribs it took; any others are freed beside the
    // window.
    if (leading) {
        try {
            PanelPreviewBuild::releaseBeside(PanelPreviewBuild::holdRibs(*leading));
        } catch (const std::bad_alloc&) {
        }
        leading.reset();
    }
    if (cancelled && !outOfMemory) {
        // The dialog builds what was typed again: in the memory of the
        // ribs let go of here.
        PanelPreviewBuild::awaitRelease();
        panelDialog->keepOpen();
        return;
    }
    if (outOfMemory) {
        // Out of the catch block: the recovery builds the plane again,
        // where the change had begun to reach it.
        if (!compared || !planeTouched)
            std::string().swap(before);
        restoreAfterMemoryFailure(std::move(before));
        // What was typed stays in the dialog, to be tried again once memory
        // allows; its neighbours are the plane's panels now.
        int row = -1;
        if (!model->findPanelById(data.getId(), row))
            row = model->getNoOfPanels();
        panelDialog->rebuildAlignSparMenu(0, model->getPanel(row - 1));
        panelDialog->rebuildAlignSparMenu(1, model->getPanel(row + 1));
        panelDialog->keepOpen();
        return;
    }
    std::string after;
    if (!compared || !plane->serializeToString(&after) || after != before)
        model->notifyObservers();

    int row = -1;
    if (!model->findPanelById(data.getId(), row))
        return;
    emit model->dataChanged(model->index(row, 0), model->index(row, model->columnCount() - 1));
}

bool PanelsTable::eventFilter(QObject* watched, QEvent* event)
{
    // Watched are the table view and its viewport. The viewport still
    // reports while the view around it is being destroyed, when the view is
    // no table view any more and must not be used as one.
    const bool onView = qobject_cast<QTableView*>(watched) != nullptr;
    auto* view = onView ? static_cast<QTableView*>(watched) : qobject_cast<QTableView*>(watched->parent());
    if (!view)
        return QObject::eventFilter(watched, event);
    if (onView) {
        if (event->type() == QEvent::LanguageChange)
            fitColumns();
    } else if (event->type() == QEvent::MouseMove) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        highlightPanelAt(view->rowAt(int(std::lround(mouse->localPos().y()))));
    } else if (event->type() == QEvent::Leave) {
        highlightPanelAt(-1);
    } else if (event->type() == QEvent::Resize && notShown && notShown->isVisible()) {
        notShown->setGeometry(view->viewport()->rect());
    }
    return QObject::eventFilter(watched, event);
}

void PanelsTable::highlightPanelAt(int row)
{
    PanelsTableModel* model = panelsModel();
    if (!model)
        return;
    // A pointer that stays within one row changes nothing the views show:
    // they hear nothing of it.
    int position = 0;
    bool changed = false;
    for (Panel* panel : model->getPanels()) {
        const bool selected = position++ == row;
        changed = changed || panel->isSelected() != selected;
        panel->setSelected(selected);
    }
    if (!changed)
        return;

    // Pointing at a panel is not an edit: no undo state, no modified mark.
    PlaneModel* plane = PlaneModel::instance();
    const bool historyWasOn = plane->getHistoryRecordingEnabled();
    const bool trackingWasOn = plane->getModificationTrackingEnabled();
    plane->setModificationTrackingEnabled(false);
    plane->setHistoryRecordingEnabled(false);
    model->notifyObservers();
    plane->setHistoryRecordingEnabled(historyWasOn);
    plane->setModificationTrackingEnabled(trackingWasOn);
}
