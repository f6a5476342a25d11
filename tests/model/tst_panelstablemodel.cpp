#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "foundation/Observer.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/Panel.h"
#include "foundation/ConcurrentWork.h"
#include "model/PanelsTableModel.h"
#include "model/PlaneAccess.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <iostream>
#include <atomic>
#include <set>
#include <algorithm>
#include <chrono>
#include <sstream>
#include <thread>
#include <vector>

namespace {

// Counts the plane's notifications, and those that would store an undo state.
class HistoryWatcher : public Observer
{
public:
    explicit HistoryWatcher(PlaneModel* plane)
        : Observer(QStringLiteral("HistoryWatcher"), false)
        , plane(plane)
    {
    }
    void observedObjectChanged(Observable*) override
    {
        ++notifications;
        if (plane->getHistoryRecordingEnabled())
            ++undoStates;
    }
    void saveViewData(serializedPlanformixData&) override {}
    void loadViewData(const google::protobuf::Message*, SerializeableIf::hint_t) override {}
    PlaneModel* plane;
    int notifications = 0;
    int undoStates = 0;
};

class CountedPanel : public Panel
{
public:
    CountedPanel(const PanelBaseData& data, int* deleted)
        : Panel(data)
        , deleted(deleted)
    {
    }
    ~CountedPanel() override { ++*deleted; }
    int* deleted;
};

PanelBaseData panelData(int id, float rootChord, float length = 400.0f)
{
    return PanelBaseData(id, QStringLiteral("Panel %1").arg(id), QStringLiteral("NACA 2412"),
                         QStringLiteral("NACA 0012"), rootChord, rootChord * 0.8f, 0.0f, length, 0.0f, 2.0f, false,
                         false, true, 3.0f, 5, 150.0f, 1.0f, 1.0f, nullptr, LEData(), TEData(), SparList(),
                         SheetingStripList(), CoveringDefinition(), BuildingTabData(), RibCombList());
}

// Rib geometry is stored divided by the wing root chord; a rib's scaled
// thickness shows which root chord its panel was last rebuilt with.
float builtWithRootChord(const Panel* panel)
{
    const RibDefinition& rib = panel->getRibList().getFirstRib();
    return rib.thickness / rib.scaledThickness;
}

bool hasOutline(const Panel* panel)
{
    return !panel->getRibList().getFirstRib().getRibCoords().empty();
}

void dropOutline(Panel* panel)
{
    panel->getRibList().getRibs().front().clearGeometry();
}

// A panel that draws part ids on every rebuild (its standard covering does)
// and carries a spar through every rib.
PanelBaseData coveredPanelData(int id, float rootChord)
{
    SparList spars;
    spars.addSpar(SparDefinition(QStringLiteral("Spar"), SparType::Square, 1, 12, 30.0f, 30.0f, true, false));
    return PanelBaseData(id, QStringLiteral("Panel %1").arg(id), QStringLiteral("NACA 2412"),
                         QStringLiteral("NACA 0012"), rootChord, rootChord * 0.8f, 5.0f * id, 400.0f, -1.0f, 2.0f,
                         false, false, true, 3.0f, 12, 150.0f, 1.0f, 1.0f, nullptr, LEData(1, 6.0f), TEData(),
                         spars, SheetingStripList(), CoveringDefinition(SheetingType::Standard, 25.0f, 1.5f, 0,
                                                                        true, true, true),
                         BuildingTabData(), RibCombList());
}

// Every outline and covering point of the panel, in order.
std::vector<float> geometryOf(const Panel& panel)
{
    std::vector<float> values{panel.getPanelBaseData().getRibMinY(), panel.getPanelBaseData().getRibMaxY()};
    for (const RibDefinition& rib : panel.getRibList().getRibs()) {
        std::vector<const RibDefinition::PointList*> lists{&rib.getRibCoords()};
        for (int i = 0; i < 4; ++i)
            lists.push_back(&rib.getCoveringCoords(i));
        for (const RibDefinition::PointList* list : lists) {
            values.push_back(float(list->size()));
            for (const Vector3D* p : *list)
                values.insert(values.end(), {p->getX(), p->getY(), p->getZ(), float(p->getProp())});
        }
    }
    return values;
}

} // namespace

class TestPanelsTableModel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void nextFreeIdFollowsLargestId();
    void updatingFirstPanelRescalesEveryPanel();
    void updatingLaterPanelRebuildsOnlyIt();
    void tableEditRebuildScope();
    void refusedCellStillReportsCell();
    void movingPanelsReportsRowMoves();
    void removingPanelRebuildsRemainder();
    void sideBySideRebuildMatchesRebuildingAlone();
    void buildsDrawIdsAndWriteAsInPlainLoop();
    void runsFromTwoThreadsKeepTheConsole();
    void waitingCallerSeesPiecesFinishAndStops();
    void addingPanelStoresOneUndoState();
    void modelDeletesItsPanels();

private:
    QTemporaryDir imported;
    PlaneModel* plane = nullptr;
    PanelsTableModel* panels = nullptr;
};

void TestPanelsTableModel::initTestCase()
{
    QVERIFY(WingFoils::createInstance(QStringLiteral(PLANFORMIX_SOURCE_DIR "/resources/foils_v2"), imported.path()));
}

void TestPanelsTableModel::init()
{
    plane = PlaneModel::instance();
    panels = plane->getPanelsTableModel();
}

void TestPanelsTableModel::cleanup()
{
    delete plane;
}

void TestPanelsTableModel::nextFreeIdFollowsLargestId()
{
    for (int id : {0, 5, 2})
        panels->addOrUpdatePanel(panelData(id, 200.0f));
    QCOMPARE(panels->getNoOfPanels(), 3);
    QCOMPARE(panels->getNextFreeId(), 6);
    int position = -1;
    QCOMPARE(panels->findPanelById(2, position), panels->getPanel(2));
    QCOMPARE(position, 2);
    QCOMPARE(panels->findPanelById(9, position), nullptr);
}

void TestPanelsTableModel::updatingFirstPanelRescalesEveryPanel()
{
    for (int id = 0; id < 3; ++id)
        QVERIFY(!panels->addOrUpdatePanel(panelData(id, 200.0f - 20.0f * id)));
    for (const Panel* panel : panels->getPanels())
        QCOMPARE(builtWithRootChord(panel), 200.0f);

    QVERIFY(panels->addOrUpdatePanel(panelData(0, 250.0f)));
    QCOMPARE(panels->getNoOfPanels(), 3);
    for (const Panel* panel : panels->getPanels())
        QVERIFY(qAbs(builtWithRootChord(panel) - 250.0f) < 0.01f);
}

void TestPanelsTableModel::updatingLaterPanelRebuildsOnlyIt()
{
    for (int id = 0; id < 3; ++id)
        panels->addOrUpdatePanel(panelData(id, 200.0f));
    dropOutline(panels->getPanel(0));
    dropOutline(panels->getPanel(2));
    QVERIFY(panels->addOrUpdatePanel(panelData(1, 180.0f, 350.0f)));
    QCOMPARE(panels->getPanel(1)->getLength(), 350.0f);
    QVERIFY(hasOutline(panels->getPanel(1)));
    QVERIFY(!hasOutline(panels->getPanel(0)));
    QVERIFY(!hasOutline(panels->getPanel(2)));
}

void TestPanelsTableModel::tableEditRebuildScope()
{
    for (int id = 0; id < 3; ++id)
        panels->addOrUpdatePanel(panelData(id, 200.0f));
    HistoryWatcher watcher(plane);
    plane->addObserver(&watcher);

    // The sweep of the second panel: only it is rebuilt.
    dropOutline(panels->getPanel(0));
    dropOutline(panels->getPanel(1));
    dropOutline(panels->getPanel(2));
    QVERIFY(panels->setData(panels->index(1, 5), QStringLiteral("12.5")));
    QCOMPARE(panels->getPanel(1)->getSweep(), 12.5f);
    QVERIFY(hasOutline(panels->getPanel(1)));
    QVERIFY(!hasOutline(panels->getPanel(0)));
    QVERIFY(!hasOutline(panels->getPanel(2)));
    QCOMPARE(watcher.notifications, 1);

    // The name of the first panel: every panel is rebuilt.
    QVERIFY(panels->setData(panels->index(0, 0), QStringLiteral("Root")));
    QCOMPARE(panels->getPanel(0)->getPanelName(), QStringLiteral("Root"));
    for (const Panel* panel : panels->getPanels())
        QVERIFY(hasOutline(panel));
    QCOMPARE(watcher.notifications, 2);
}

void TestPanelsTableModel::refusedCellStillReportsCell()
{
    panels->addOrUpdatePanel(panelData(0, 200.0f));
    HistoryWatcher watcher(plane);
    plane->addObserver(&watcher);
    QSignalSpy changed(panels, &QAbstractItemModel::dataChanged);
    QVERIFY(panels->setData(panels->index(0, 7), QStringLiteral("steep")));
    QCOMPARE(panels->getPanel(0)->getDihedralAngle(), 2.0f);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(watcher.notifications, 0);
}

void TestPanelsTableModel::movingPanelsReportsRowMoves()
{
    panels->addOrUpdatePanel(panelData(0, 200.0f));
    panels->addOrUpdatePanel(panelData(1, 150.0f));
    panels->addOrUpdatePanel(panelData(2, 120.0f));
    QSignalSpy aboutToMove(panels, &QAbstractItemModel::rowsAboutToBeMoved);
    QSignalSpy moved(panels, &QAbstractItemModel::rowsMoved);

    panels->movePanelUp(0);
    panels->movePanelDown(2);
    QCOMPARE(moved.count(), 0);

    panels->movePanelUp(1);
    QCOMPARE(aboutToMove.count(), 1);
    QCOMPARE(moved.count(), 1);
    QCOMPARE(moved.at(0).at(1).toInt(), 1);
    QCOMPARE(moved.at(0).at(4).toInt(), 0);
    QCOMPARE(panels->getPanel(0)->getId(), 1);
    // The new first panel scales the wing now.
    for (const Panel* panel : panels->getPanels())
        QVERIFY(qAbs(builtWithRootChord(panel) - 150.0f) < 0.01f);

    panels->movePanelDown(1);
    QCOMPARE(moved.count(), 2);
    QCOMPARE(moved.at(1).at(1).toInt(), 2);
    QCOMPARE(moved.at(1).at(4).toInt(), 1);
    QCOMPARE(panels->getPanel(1)->getId(), 2);
    QCOMPARE(panels->getPanel(2)->getId(), 0);
}

void TestPanelsTableModel::removingPanelRebuildsRemainder()
{
    panels->addOrUpdatePanel(panelData(0, 200.0f));
    panels->addOrUpdatePanel(panelData(1, 150.0f));
    HistoryWatcher watcher(plane);
    plane->addObserver(&watcher);
    QSignalSpy removed(panels, &QAbstractItemModel::rowsRemoved);

    panels->removePanel(5);
    QCOMPARE(removed.count(), 0);
    QCOMPARE(watcher.notifications, 1);

    panels->removePanel(0);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(panels->getNoOfPanels(), 1);
    QVERIFY(qAbs(builtWithRootChord(panels->getPanel(0)) - 150.0f) < 0.01f);
    QCOMPARE(plane->getRootChord(), 150.0f);

    panels->removePanel(0);
    QCOMPARE(panels->getNoOfPanels(), 0);
    QCOMPARE(plane->getSpan(), 0.0f);
}

void TestPanelsTableModel::sideBySideRebuildMatchesRebuildingAlone()
{
    for (int id = 0; id < 5; ++id)
        panels->addOrUpdatePanel(coveredPanelData(id, 200.0f - 10.0f * id));
    QVERIFY(panels->addOrUpdatePanel(coveredPanelData(0, 230.0f)));

    // The bands' fresh ids come panel after panel, as a plain loop draws them.
    int lastId = -1;
    for (const Panel* panel : panels->getPanels()) {
        for (const RibDefinition& rib : panel->getRibList().getRibs()) {
            QVERIFY(!rib.getCoveringPolygons().empty());
            for (const IdentifiableObject* band : rib.getCoveringPolygons()) {
                QVERIFY2(band->getId() > lastId, qPrintable(QStringLiteral("panel %1").arg(panel->getId())));
                lastId = band->getId();
            }
        }
    }
    for (Panel* panel : panels->getPanels()) {
        const std::vector<float> sideBySide = geometryOf(*panel);
        panel->getPanelBaseData().rebuildRibs();
        QVERIFY2(geometryOf(*panel) == sideBySide, qPrintable(QStringLiteral("panel %1").arg(panel->getId())));
    }
}

void TestPanelsTableModel::buildsDrawIdsAndWriteAsInPlainLoop()
{
    // The second build is expected to draw no id but draws one, so it and
    // the ones after it run again.
    const std::vector<int> expected{1, 0, 1, 1};
    std::vector<int> drawn(4, -1);
    std::vector<int> runs(4, 0);
    std::ostringstream console;
    std::streambuf* const standardOutput = std::cout.rdbuf(console.rdbuf());
    const int first = PlaneAccess::takeIds(0);
    PanelsTableModel::buildInOrder(
        4, [&](int i) { return expected[std::size_t(i)]; },
        [&](int i) {
            ++runs[std::size_t(i)];
            drawn[std::size_t(i)] = PlaneAccess::nextId();
            std::cout << "build " << i << std::endl;
        });
    std::cout.rdbuf(standardOutput);
    QCOMPARE(drawn, (std::vector<int>{first, first + 1, first + 2, first + 3}));
    QCOMPARE(PlaneAccess::takeIds(0), first + 4);
    QCOMPARE(runs, (std::vector<int>{1, 2, 2, 2}));
    QCOMPARE(QString::fromStdString(console.str()), QStringLiteral("build 0\nbuild 1\nbuild 2\nbuild 3\n"));
}

void TestPanelsTableModel::runsFromTwoThreadsKeepTheConsole()
{
    // Two threads run pieces side by side at the same time, every piece
    // writing a line: the console ends on the buffer it started with, and
    // every line arrives whole.
    std::ostringstream console;
    std::streambuf* const standardOutput = std::cout.rdbuf(console.rdbuf());
    const auto run = [] {
        for (int round = 0; round < 50; ++round)
            ConcurrentWork::forEach(4, [](int i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
                std::cout << "piece " << i << "\n";
            });
    };
    std::thread other(run);
    run();
    other.join();
    std::streambuf* const after = std::cout.rdbuf(standardOutput);
    QVERIFY(after == console.rdbuf());
    QCOMPARE(QString::fromStdString(console.str()).count(QStringLiteral("piece 3\n")), 100);
}

void TestPanelsTableModel::waitingCallerSeesPiecesFinishAndStops()
{
    // The caller that waits (the GUI thread, painting and showing progress)
    // is called back often while the pieces run and sees them finish one by
    // one, not all at the end; saying stop starts no further piece.
    std::atomic<int> finished{0};
    std::vector<int> seen;
    const auto piece = [&](int) {
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        ++finished;
    };
    QVERIFY(ConcurrentWork::forEach(64, piece, nullptr, [&] {
        seen.push_back(finished.load());
        return true;
    }));
    QCOMPARE(finished.load(), 64);
    QVERIFY(std::is_sorted(seen.begin(), seen.end()));
    QVERIFY2(std::set<int>(seen.begin(), seen.end()).size() >= 3, qPrintable(QString::number(seen.size())));

    finished = 0;
    QVERIFY(!ConcurrentWork::forEach(64, piece, nullptr, [&] { return finished.load() == 0; }));
    QVERIFY(finished.load() < 64);
}

void TestPanelsTableModel::addingPanelStoresOneUndoState()
{
    HistoryWatcher watcher(plane);
    plane->addObserver(&watcher);
    QVERIFY(!panels->addOrUpdatePanel(panelData(0, 200.0f)));
    QCOMPARE(watcher.notifications, 2);
    QCOMPARE(watcher.undoStates, 1);
    QVERIFY(plane->getHistoryRecordingEnabled());

    QVERIFY(panels->addOrUpdatePanel(panelData(0, 210.0f)));
    QCOMPARE(watcher.undoStates, 2);
}

void TestPanelsTableModel::modelDeletesItsPanels()
{
    int deleted = 0;
    {
        PanelsTableModel model;
        model.appendPanel(new CountedPanel(panelData(0, 200.0f), &deleted));
        model.appendPanel(new CountedPanel(panelData(1, 200.0f), &deleted));
        QCOMPARE(model.getNoOfPanels(), 2);
    }
    QCOMPARE(deleted, 2);

    PanelsTableModel model;
    model.appendPanel(new CountedPanel(panelData(0, 200.0f), &deleted));
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    // Whoever hears of the removal finds the rows already gone.
    int rowsSeen = -1;
    connect(&model, &QAbstractItemModel::rowsRemoved, this, [&] { rowsSeen = model.rowCount(); });
    model.clear();
    QCOMPARE(deleted, 3);
    QCOMPARE(removed.count(), 1);
    QCOMPARE(rowsSeen, 0);
}

QTEST_MAIN(TestPanelsTableModel)
#include "tst_panelstablemodel.moc"
