#include "model/PanelsTableModel.h"

#include "foundation/ConcurrentWork.h"
#include "foundation/Mathematics.h"
#include "model/CoveringDefinition.h"
#include "model/Panel.h"
#include "model/PlaneAccess.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <iostream>
#include <iterator>
#include <memory>
#include <vector>

namespace {

// Calls visit(panel, length) for every panel, with its length as seen from
// the front when considerDihedral: the first panel's dihedral is split
// between both wing halves, every later panel turns by its own on top.
template <class Visit>
void forEachSpanLength(const std::list<Panel*>& panels, bool considerDihedral, Visit visit)
{
    float angle = 0.0f;
    bool first = true;
    for (const Panel* panel : panels) {
        angle = first ? panel->getDihedralAngle() / 2.0f : angle + panel->getDihedralAngle();
        first = false;
        const float length = panel->getLength();
        visit(*panel, considerDihedral ? float(length * std::cos(Mathematics::degToRad(angle))) : length);
    }
}

} // namespace

PanelsTableModel::PanelsTableModel() = default;

PanelsTableModel::~PanelsTableModel()
{
    for (Panel* panel : panels)
        delete panel;
    panels.clear();
}

int PanelsTableModel::rowCount(const QModelIndex&) const
{
    return int(panels.size());
}

int PanelsTableModel::columnCount(const QModelIndex&) const
{
    return numberOfColumns;
}

QVariant PanelsTableModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    const Panel* panel = getPanel(index.row());
    if (!panel)
        return QVariant();
    return panel->getCellData(index.column());
}

QVariant PanelsTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return QStringLiteral("Panel #") + QString::number(section + 1);
    static const char* const headers[numberOfColumns] = {
        QT_TRANSLATE_NOOP("PanelBaseData", "Name"),
        QT_TRANSLATE_NOOP("PanelBaseData", "Foil(*)"),
        QT_TRANSLATE_NOOP("PanelBaseData", "Length(*)"),
        QT_TRANSLATE_NOOP("PanelBaseData", "Root Chord(*)"),
        QT_TRANSLATE_NOOP("PanelBaseData", "Tip Chord(*)"),
        QT_TRANSLATE_NOOP("PanelBaseData", "Sweep"),
        QT_TRANSLATE_NOOP("PanelBaseData", "Tip Twist"),
        QT_TRANSLATE_NOOP("PanelBaseData", "Dihedral"),
    };
    if (section < 0 || section >= numberOfColumns)
        return QVariant();
    return QCoreApplication::translate("PanelBaseData", headers[section]);
}

bool PanelsTableModel::isEditableColumn(int column) const
{
    return column == 0 || column == 5 || column == 6 || column == 7;
}

Qt::ItemFlags PanelsTableModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags result = QAbstractTableModel::flags(index);
    if (isEditableColumn(index.column()))
        result |= Qt::ItemIsEditable;
    return result;
}

bool PanelsTableModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!isEditableColumn(index.column()))
        return false;
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        std::cout << "Unknown role in PanelTableModel::setData: " << role << std::endl;
        emit dataChanged(index, index);
        return true;
    }
    const int row = index.row();
    const int column = index.column();
    if (PlaneAccess::planeBeingBuilt()
        && PlaneAccess::deferChange([this, row, column, value, role] { setData(this->index(row, column), value, role); }))
        return true;
    Panel* panel = getPanel(index.row());
    if (!panel)
        return false;
    if (panel->setCellData(index.column(), value)) {
        if (panel == panels.front()) {
            // The first panel's root chord scales every rib of the wing.
            rebuildAllPanels();
        } else {
            panel->getPanelBaseData().rebuildRibs();
        }
        notifyObservers();
    }
    emit dataChanged(index, index);
    return true;
}

int PanelsTableModel::getNoOfPanels() const
{
    return int(panels.size());
}

Panel* PanelsTableModel::getPanel(int position) const
{
    if (position < 0 || position >= int(panels.size()))
        return nullptr;
    return *std::next(panels.begin(), position);
}

const std::list<Panel*>& PanelsTableModel::getPanels() const
{
    return panels;
}

Panel* PanelsTableModel::findPanelById(int id, int& position) const
{
    position = 0;
    for (Panel* panel : panels) {
        if (panel->getId() == id)
            return panel;
        ++position;
    }
    return nullptr;
}

float PanelsTableModel::getFirstPanelRootChord() const
{
    return panels.empty() ? 0.0f : panels.front()->getRootChord();
}

int PanelsTableModel::getNextFreeId() const
{
    int largest = -1;
    for (const Panel* panel : panels)
        largest = std::max(largest, panel->getId());
    return largest + 1;
}

float PanelsTableModel::getWingHalfSpan(bool considerDihedral) const
{
    float span = 0.0f;
    forEachSpanLength(panels, considerDihedral, [&](const Panel&, float length) { span += length; });
    return span;
}

float PanelsTableModel::getWingHalfArea(bool considerDihedral) const
{
    float area = 0.0f;
    forEachSpanLength(panels, considerDihedral, [&](const Panel& panel, float length) {
        const float meanChord = (panel.getRootChord() + panel.getTipChord()) * 0.5f;
        area += float(length * meanChord);
    });
    return area;
}

void PanelsTableModel::appendPanel(Panel* panel)
{
    if (!panel)
        return;
    if (PlaneAccess::planeBeingBuilt()) {
        // Held until it is added: a held change may be dropped.
        const auto held = std::make_shared<std::unique_ptr<Panel>>(panel);
        if (PlaneAccess::deferChange([this, held] { appendPanel(held->release()); }))
            return;
        held->release();
    }
    const int row = int(panels.size());
    beginInsertRows(QModelIndex(), row, row);
    panels.push_back(panel);
    endInsertRows();
    notifyObservers();
}

void PanelsTableModel::appendPanels(std::vector<Panel*> added)
{
    added.erase(std::remove(added.begin(), added.end(), nullptr), added.end());
    if (added.empty())
        return;
    if (PlaneAccess::planeBeingBuilt()) {
        const auto held = std::make_shared<std::vector<std::unique_ptr<Panel>>>();
        for (Panel* panel : added)
            held->emplace_back(panel);
        const auto release = [held] {
            std::vector<Panel*> panels;
            for (std::unique_ptr<Panel>& panel : *held)
                panels.push_back(panel.release());
            return panels;
        };
        if (PlaneAccess::deferChange([this, release] { appendPanels(release()); }))
            return;
        release();
    }
    const int row = int(panels.size());
    beginInsertRows(QModelIndex(), row, row + int(added.size()) - 1);
    panels.insert(panels.end(), added.begin(), added.end());
    endInsertRows();
    notifyObservers();
}

std::vector<Panel*> PanelsTableModel::takePanels()
{
    if (panels.empty())
        return {};
    beginRemoveRows(QModelIndex(), 0, int(panels.size()) - 1);
    std::vector<Panel*> taken(panels.begin(), panels.end());
    panels.clear();
    endRemoveRows();
    notifyObservers();
    return taken;
}

bool PanelsTableModel::addOrUpdatePanel(const PanelBaseData& data)
{
    if (PlaneAccess::planeBeingBuilt() && PlaneAccess::deferChange([this, data] { addOrUpdatePanel(data); })) {
        int position = 0;
        return findPanelById(data.getId(), position) != nullptr;
    }
    int position = 0;
    Panel* existing = findPanelById(data.getId(), position);
    if (!existing) {
        // The first notification updates the views without an undo state,
        // the second records exactly one.
        const bool historyWasOn = PlaneAccess::historyRecording();
        PlaneAccess::setHistoryRecording(false);
        appendPanel(new Panel(data));
        PlaneAccess::setHistoryRecording(historyWasOn);
        notifyObservers();
        return false;
    }
    existing->setPanelBaseData(data);
    // The assignment has rebuilt the first panel with its new root chord
    // already; the others follow it.
    if (existing == panels.front() && panels.size() > 1)
        rebuildAllPanels(true);
    notifyObservers();
    return true;
}

void PanelsTableModel::removePanel(int row)
{
    if (PlaneAccess::planeBeingBuilt() && PlaneAccess::deferChange([this, row] { removePanel(row); }))
        return;
    if (row < 0 || row >= int(panels.size())) {
        notifyObservers();
        return;
    }
    beginRemoveRows(QModelIndex(), row, row);
    auto it = std::next(panels.begin(), row);
    Panel* panel = *it;
    panels.erase(it);
    delete panel;
    try {
        rebuildAllPanels();
    } catch (...) {
        // Out of memory: the caller puts the plane back; the views must
        // not be left inside a removal.
        endRemoveRows();
        throw;
    }
    notifyObservers();
    endRemoveRows();
}

void PanelsTableModel::movePanelUp(int row)
{
    if (PlaneAccess::planeBeingBuilt() && PlaneAccess::deferChange([this, row] { movePanelUp(row); }))
        return;
    if (row <= 0 || row >= int(panels.size()))
        return;
    beginMoveRows(QModelIndex(), row, row, QModelIndex(), row - 1);
    try {
        swapWithPrevious(row);
    } catch (...) {
        endMoveRows();
        throw;
    }
    endMoveRows();
}

void PanelsTableModel::movePanelDown(int row)
{
    if (PlaneAccess::planeBeingBuilt() && PlaneAccess::deferChange([this, row] { movePanelDown(row); }))
        return;
    if (row < 0 || row >= int(panels.size()) - 1)
        return;
    beginMoveRows(QModelIndex(), row + 1, row + 1, QModelIndex(), row);
    try {
        swapWithPrevious(row + 1);
    } catch (...) {
        endMoveRows();
        throw;
    }
    endMoveRows();
}

void PanelsTableModel::swapWithPrevious(int position)
{
    if (PlaneAccess::planeBeingBuilt() && PlaneAccess::deferChange([this, position] { swapWithPrevious(position); }))
        return;
    if (position < 1 || position >= int(panels.size()))
        return;
    auto later = std::next(panels.begin(), position);
    auto earlier = std::prev(later);
    std::iter_swap(earlier, later);
    if (position == 1)
        rebuildAllPanels();
    notifyObservers();
}

void PanelsTableModel::clear()
{
    if (panels.empty())
        return;
    if (PlaneAccess::planeBeingBuilt() && PlaneAccess::deferChange([this] { clear(); }))
        return;
    beginRemoveRows(QModelIndex(), 0, int(panels.size()) - 1);
    std::list<Panel*> removed;
    removed.swap(panels);
    // The list is already empty when the views hear of the removal, so no
    // view can reach a deleted panel.
    for (Panel* panel : removed)
        delete panel;
    endRemoveRows();
    notifyObservers();
}

void PanelsTableModel::rebuildAllPanels(bool firstIsBuilt)
{
    if (panels.empty())
        return;
    // Each panel's rebuild reads only its own data, the first panel's root
    // chord and the airfoil library, so the panels rebuild side by side.
    // Nothing here is announced to the views before every panel is done.
    const std::vector<Panel*> stale(firstIsBuilt ? std::next(panels.begin()) : panels.begin(), panels.end());
    buildInOrder(
        int(stale.size()),
        [&stale](int i) {
            const Panel& panel = *stale[std::size_t(i)];
            return expectedIdDraws(panel.getPanelBaseData().getCoveringDefinition(), panel.getRibCount());
        },
        [&stale](int i) { stale[std::size_t(i)]->getPanelBaseData().rebuildRibs(); });
}

bool PanelsTableModel::buildInOrder(int count, const std::function<int(int)>& prepare,
                                    const std::function<void(int)>& build, const std::function<bool()>& waiting)
{
    if (count < 1 || (count < 2 && !waiting)) {
        for (int i = 0; i < count; ++i) {
            prepare(i);
            build(i);
        }
        return true;
    }
    // Taking no id yet, this also makes sure the plane document exists
    // before the builds ask it about the wing from several threads at once.
    const int base = PlaneAccess::takeIds(0);
    // Every step gets the ids it would have drawn after the steps before it.
    std::vector<int> firstIds(std::size_t(count), base);
    std::vector<int> expected(std::size_t(count), 0);
    std::vector<int> used(std::size_t(count), 0);
    int next = base;
    for (int i = 0; i < count; ++i) {
        PlaneAccess::IdBlock ids(next);
        expected[std::size_t(i)] = prepare(i);
        firstIds[std::size_t(i)] = next + ids.used();
        next = firstIds[std::size_t(i)] + std::max(0, expected[std::size_t(i)]);
    }
    // The builds up to the first that drew another number of ids stand.
    int standing = 0;
    std::atomic<bool> failed{false};
    bool stopped = false;
    const std::function<bool()> waitingHere = [&] {
        if (waiting())
            return true;
        stopped = true;
        return false;
    };
    ConcurrentWork::forEach(
        count,
        [&](int i) {
            PlaneAccess::IdBlock ids(firstIds[std::size_t(i)]);
            try {
                build(i);
            } catch (...) {
                used[std::size_t(i)] = ids.used();
                failed = true;
                throw;
            }
            used[std::size_t(i)] = ids.used();
        },
        [&] {
            if (failed || stopped) {
                // Nothing runs again; every id handed out stays taken.
                int end = next;
                for (int i = 0; i < count; ++i)
                    end = std::max(end, firstIds[std::size_t(i)] + used[std::size_t(i)]);
                PlaneAccess::takeIds(end - base);
                return standing = count;
            }
            while (standing < count && used[std::size_t(standing)] == expected[std::size_t(standing)])
                ++standing;
            const std::size_t last = std::size_t(std::max(standing, 1)) - 1;
            const int taken = standing > 0 ? firstIds[last] + used[last] - base : 0;
            // Ids drawn elsewhere meanwhile may be among the ones handed
            // out: then nothing stands.
            if (PlaneAccess::takeIds(taken) != base)
                standing = 0;
            return standing;
        },
        waiting ? waitingHere : std::function<bool()>());
    if (stopped)
        return false;
    for (int i = standing; i < count; ++i) {
        prepare(i);
        build(i);
    }
    return true;
}

int PanelsTableModel::expectedIdDraws(const CoveringDefinition& covering, int ribCount)
{
    // The standard covering makes its bands, with fresh ids, on every rib;
    // the second band only where the covering extends over the first ribs.
    if (covering.getSheetingType() != SheetingType::Standard)
        return 0;
    return std::max(0, ribCount) * (covering.getExtend() != 0 ? 4 : 2);
}
