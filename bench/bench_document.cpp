#include "BenchWing.h"

#include "document/PlaneModel.h"

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
