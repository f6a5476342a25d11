#include "BenchWing.h"

#include "document/PlaneModel.h"
#include "planformixdata.pb.h"

#include <QTemporaryDir>
#include <iostream>
#include <benchmark/benchmark.h>

// Save a five-panel wing of 100 ribs per panel into a document and load it
// back into the plane, every rib rebuilt: what an undo step costs.
static void BM_SaveLoadDocument(benchmark::State& state)
{
    if (!BenchWing::buildFivePanelWing()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    PlaneModel* plane = PlaneModel::instance();

    size_t bytes = 0;
    for (auto _ : state) {
        std::string document;
        if (!plane->save(document) || !plane->loadFromString(document, SerializeableIf::UNDO_REDO)) {
            state.SkipWithError("document did not round-trip");
            break;
        }
        bytes = document.size();
        benchmark::DoNotOptimize(document.data());
    }
    state.counters["documentBytes"] = double(bytes);
    state.counters["panels"] = plane->getPanelCount();
    delete plane;
}
BENCHMARK(BM_SaveLoadDocument)->Unit(benchmark::kMillisecond);

// Open a document file of ten panels of 100 ribs, every one carrying every
// feature: a large real wing, which must open in well under a second.
static void BM_OpenTenPanelWing(benchmark::State& state)
{
    if (!BenchWing::buildWing(10)) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    PlaneModel* plane = PlaneModel::instance();
    QTemporaryDir dir;
    std::string file = dir.filePath(QStringLiteral("wing.pfz")).toStdString();
    if (!plane->save(file)) {
        state.SkipWithError("document not written");
        return;
    }
    for (auto _ : state) {
        if (!plane->load(file, true, SerializeableIf::FILE_LOAD)) {
            state.SkipWithError("document refused");
            break;
        }
    }
    state.counters["panels"] = plane->getPanelCount();
    delete plane;
}
BENCHMARK(BM_OpenTenPanelWing)->Unit(benchmark::kMillisecond);


// Open heavy documents: many plain ribs, advanced-covering strips and
// every part at the largest panel.
static void BM_OpenAtTheLimit(benchmark::State& state)
{
    if (!BenchWing::loadAirfoils()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    PlaneModel* plane = PlaneModel::instance();
    const std::string bytes = BenchWing::documentOf(int(state.range(0)), int(state.range(1)), int(state.range(2)),
                                                    int(state.range(3)), int(state.range(2)));
    for (auto _ : state) {
        if (!plane->loadFromString(bytes, SerializeableIf::FILE_LOAD)) {
            state.SkipWithError("document refused");
            break;
        }
    }
    delete plane;
}
BENCHMARK(BM_OpenAtTheLimit)->Unit(benchmark::kMillisecond)->Iterations(1)
    ->Args({40, 200, 0, 0})    // plain ribs
    ->Args({2, 100, 0, 50})    // advanced-covering strips
    ->Args({1, 200, 50, 50});  // 50 square spars, strips and combs

// Open the largest plane a document may hold, at every bound at once: 1000
// panels, 8000 ribs, nearly 60000 rib cuts and 10000 of them of the heaviest kind
// (BenchWing::largestPlaneDocument).
static void BM_OpenLargestPlane(benchmark::State& state)
{
    if (!BenchWing::loadAirfoils()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    const std::string bytes = BenchWing::largestPlaneDocument();
    PlaneModel* plane = PlaneModel::instance();
    for (auto _ : state) {
        if (!plane->loadFromString(bytes, SerializeableIf::FILE_LOAD)) {
            state.SkipWithError(plane->getLoadProblem().toStdString().c_str());
            break;
        }
    }
    state.counters["panels"] = plane->getPanelCount();
    delete plane;
}
BENCHMARK(BM_OpenLargestPlane)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Restore the largest plane from an undo state while it is open: the build
// that must not hold two such planes in memory at once (run alone and read
// its peak memory).
static void BM_UndoLargestPlane(benchmark::State& state)
{
    if (!BenchWing::loadAirfoils()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    PlaneModel* plane = PlaneModel::instance();
    if (!plane->loadFromString(BenchWing::largestPlaneDocument(), SerializeableIf::FILE_LOAD)) {
        state.SkipWithError(plane->getLoadProblem().toStdString().c_str());
        return;
    }
    std::string undoState;
    plane->save(undoState);
    for (auto _ : state) {
        if (!plane->loadFromString(undoState, SerializeableIf::UNDO_REDO)) {
            // Refused for want of memory: the plane must still be there.
            std::cout << plane->getLoadProblem().toStdString() << " Panels: " << plane->getPanelCount()
                      << std::endl;
            state.SkipWithError("undo state refused");
            break;
        }
    }
    state.counters["panels"] = plane->getPanelCount();
    delete plane;
}
BENCHMARK(BM_UndoLargestPlane)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// Refuse the documents that once held the program for a minute: one panel
// of 1000 ribs and 1000 square spars, and 100 panels of 1000 ribs.
static void BM_RefuseBeyondRealWing(benchmark::State& state)
{
    PlaneModel* plane = PlaneModel::instance();
    const std::string bytes = BenchWing::documentOf(int(state.range(0)), 1000, int(state.range(1)), 0, 0);
    for (auto _ : state) {
        if (plane->loadFromString(bytes, SerializeableIf::FILE_LOAD)) {
            state.SkipWithError("document opened");
            break;
        }
    }
    delete plane;
}
BENCHMARK(BM_RefuseBeyondRealWing)->Unit(benchmark::kMillisecond)->Iterations(10)->Args({1, 1000})->Args({100, 0});
