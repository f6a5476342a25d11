#pragma once

#include "foundation/Observable.h"

#include <QAbstractTableModel>
#include <functional>
#include <list>
#include <vector>

class CoveringDefinition;
class Panel;
class PanelBaseData;

// The plane's wing panels in wing order, root panel first, and the table
// behind the main window's panels table. Every panel's rib geometry is
// relative to the root chord of the first panel, so whenever the first
// panel may have changed every panel is rebuilt. Owns its panels. While the
// plane document is being built, every change waits until the new plane is
// in place (PlaneAccess::deferChange).
class PanelsTableModel : public Observable, public QAbstractTableModel
{
public:
    PanelsTableModel();
    PanelsTableModel(const PanelsTableModel&) = delete;
    PanelsTableModel& operator=(const PanelsTableModel&) = delete;
    ~PanelsTableModel() override;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

    int getNoOfPanels() const;
    Panel* getPanel(int position) const;
    const std::list<Panel*>& getPanels() const;
    Panel* findPanelById(int id, int& position) const;

    // 0 while there is no panel.
    float getFirstPanelRootChord() const;
    int getNextFreeId() const;
    float getWingHalfSpan(bool considerDihedral) const;
    float getWingHalfArea(bool considerDihedral) const;

    // Takes ownership; no rebuild.
    void appendPanel(Panel* panel);
    // The same for many panels at once, announced as one change (a document
    // of a thousand panels comes in one step, not a thousand).
    void appendPanels(std::vector<Panel*> panels);
    // Takes every panel out, announced as a removal; the caller owns them.
    std::vector<Panel*> takePanels();
    // Replaces the panel with the same id, or appends a new one. Returns
    // true for an update, false for an addition.
    bool addOrUpdatePanel(const PanelBaseData& data);
    void removePanel(int row);
    void movePanelUp(int row);
    void movePanelDown(int row);
    void swapWithPrevious(int position);
    void clear();

    static constexpr int numberOfColumns = 8;

    // Runs prepare(i) then build(i) for i = 0 ... count - 1, the builds side
    // by side and yet as if one after the other: the part ids drawn come
    // out as that plain loop would draw them, and so does the console
    // output of the builds. prepare(i) runs on the calling thread, in
    // order, and returns how many ids build(i) will draw; where that is
    // wrong, prepare and build run once more, in order, for i and every
    // later one. waiting, when given, is called on the calling thread while
    // the builds run (ConcurrentWork::forEach); when it returns false, no
    // further build starts and false is returned: the builds are then
    // incomplete and their results are to be thrown away.
    static bool buildInOrder(int count, const std::function<int(int)>& prepare,
                             const std::function<void(int)>& build,
                             const std::function<bool()>& waiting = nullptr);
    // The part ids one build of a panel with this covering and this many
    // ribs draws.
    static int expectedIdDraws(const CoveringDefinition& covering, int ribCount);

private:
    bool isEditableColumn(int column) const;
    // firstIsBuilt: the first panel is up to date (it has just been
    // assigned), only the others need rebuilding.
    void rebuildAllPanels(bool firstIsBuilt = false);

    std::list<Panel*> panels;
};
