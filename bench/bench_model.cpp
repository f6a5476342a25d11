#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <malloc.h>
#include <streambuf>
#include <string>

#include "BenchWing.h"
#include "foundation/Vector3D.h"
#include "document/PlaneModel.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"

namespace {

// Swallows what the pipeline reports on standard output (the strip trailing
// edge is announced as not yet cut on every pass) for one scope.
class QuietStdout
{
public:
    QuietStdout() : saved(std::cout.rdbuf(&sink)) {}
    ~QuietStdout() { std::cout.rdbuf(saved); }

private:
    struct NullBuffer : std::streambuf {
        int overflow(int c) override { return traits_type::not_eof(c); }
    } sink;
    std::streambuf* saved;
};

// What one rebuild leaves in the ribs, so a run shows every feature cut.
// BENCH_RIB_POINTS names a file that takes every rib's points as well (the
// count, then x and y as floats), for a comparison of two builds.
void countGeometry(benchmark::State& state, const PanelBaseData& panel)
{
    static std::FILE* const file = [] {
        const QByteArray path = qgetenv("BENCH_RIB_POINTS");
        return path.isEmpty() ? nullptr : std::fopen(path.constData(), "ab");
    }();
    double points = 0;
    double parts = 0;
    for (const RibDefinition& rib : panel.getRibList().getRibs()) {
        if (file) {
            const std::uint32_t count = std::uint32_t(rib.getRibCoords().size());
            std::fwrite(&count, sizeof count, 1, file);
            for (const Vector3D* v : rib.getRibCoords()) {
                const float xy[2] = {v->getX(), v->getY()};
                std::fwrite(xy, sizeof(float), 2, file);
            }
            std::fflush(file);
        }
        points += double(rib.getRibCoords().size());
        parts += double(rib.getSquareSparParts().size() + rib.getRoundSparParts().size()
                        + rib.getTubeSparParts().size() + rib.getCubeTubeParts().size()
                        + rib.getSparWebbingParts().size() + rib.getCubeSparParts().size()
                        + rib.getCoveringPolygons().size() + rib.getCombParts().size());
    }
    state.counters["outlinePoints"] = points;
    state.counters["parts"] = parts;
}

// The argument is the number of ribs; the time per rib shows whether a
// large panel costs more per rib than a small one.
void BM_RebuildPanel(benchmark::State& state)
{
    if (!BenchWing::loadAirfoils()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    QuietStdout quiet;
    const int ribs = int(state.range(0));
    // What a built panel keeps on the heap, per outline point.
    const std::size_t heapBefore = mallinfo2().uordblks;
    PanelBaseData panel = BenchWing::fullFeaturePanel(ribs);
    const double heap = double(mallinfo2().uordblks) - double(heapBefore);
    for (auto _ : state) {
        panel.rebuildRibs();
        benchmark::DoNotOptimize(panel.getRibMaxY());
    }
    countGeometry(state, panel);
    state.counters["heapPerPoint"] = heap / std::max(1.0, double(state.counters["outlinePoints"]));
    state.counters["timePerRib"] = benchmark::Counter(
        ribs, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// A panel whose strips all start at the nose, one longer than the other,
// so that their faces lie over one another for most of the chord: what is
// sought between faces of both sides must not grow with their product.
void BM_RebuildManyStripPanel(benchmark::State& state)
{
    if (!BenchWing::loadAirfoils()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    QuietStdout quiet;
    SheetingStripList strips;
    for (int s = 0; s < 20; ++s)
        strips.append(SheetingStripDefinition(QStringLiteral("Strip"), 0, 1, 200, 10.0f + 4.0f * float(s),
                                              10.0f + 4.0f * float(s), 1.5f, true, true, true, false, 0.0f, 0.0f,
                                              false, false));
    PanelBaseData panel(7, QStringLiteral("Heavy"), QStringLiteral("NACA 2412"), QString(), 200.0f, 180.0f, 0.0f,
                        2000.0f, 0.0f, 0.0f, false, false, true, 2.0f, int(state.range(0)), 150.0f, 1.0f, 1.0f,
                        nullptr, LEData(), TEData(), SparList(), strips,
                        CoveringDefinition(SheetingType::Advanced, 25.0f, 1.5f, 0, true, true, true),
                        BuildingTabData(), RibCombList());
    for (auto _ : state) {
        panel.rebuildRibs();
        benchmark::DoNotOptimize(panel.getRibMaxY());
    }
    countGeometry(state, panel);
}

// The heaviest panels a document holds, each rebuilt on its own, by
// ribs, square spars, sheeting strips under advanced covering and rib
// combs: a cost that grows with slots, strips or the loops their cuts
// leave shows in the row that has them.
void BM_RebuildHeavyPanel(benchmark::State& state)
{
    if (!BenchWing::loadAirfoils()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    QuietStdout quiet;
    PlaneModel* plane = PlaneModel::instance();
    const int spars = int(state.range(1));
    const std::string document =
        BenchWing::documentOf(1, int(state.range(0)), spars, int(state.range(2)), int(state.range(3)));
    if (!plane->loadFromString(document, SerializeableIf::FILE_LOAD)) {
        state.SkipWithError("document refused");
        return;
    }
    {
        PanelBaseData panel = plane->getPanelsTableModel()->getPanels().front()->getPanelBaseData();
        for (auto _ : state) {
            panel.rebuildRibs();
            benchmark::DoNotOptimize(panel.getRibMaxY());
        }
        countGeometry(state, panel);
    }
    plane->clear();
}

// The tip panel of a ten-panel wing, rebuilt as an edit of it in the main
// window rebuilds it: the smallest ribs, with a strip and a square spar
// among six spars.
void BM_RebuildTipPanel(benchmark::State& state)
{
    if (!BenchWing::buildWing(10)) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    QuietStdout quiet;
    PlaneModel* plane = PlaneModel::instance();
    {
        PanelBaseData panel = plane->getPanelsTableModel()->getPanels().back()->getPanelBaseData();
        for (auto _ : state) {
            panel.rebuildRibs();
            benchmark::DoNotOptimize(panel.getRibMaxY());
        }
        countGeometry(state, panel);
    }
    plane->clear();
}

// The panel dialog's working copy and every commit copy a built panel.
void BM_CopyPanel(benchmark::State& state)
{
    if (!BenchWing::loadAirfoils()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    QuietStdout quiet;
    const PanelBaseData panel = BenchWing::fullFeaturePanel(100);
    for (auto _ : state) {
        PanelBaseData copy(panel);
        benchmark::DoNotOptimize(copy.getRibMaxY());
    }
}

// The commit of the panel dialog after an edit of the first panel of a
// ten-panel wing: its root chord scales every rib of the wing.
void BM_EditFirstPanel(benchmark::State& state)
{
    if (!BenchWing::buildWing(10)) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    QuietStdout quiet;
    PanelsTableModel* panels = PlaneModel::instance()->getPanelsTableModel();
    PanelBaseData edits[2] = {panels->getPanels().front()->getPanelBaseData(),
                              panels->getPanels().front()->getPanelBaseData()};
    edits[1].setRootChord(edits[0].getRootChord() + 10.0f);
    int turn = 0;
    for (auto _ : state) {
        panels->addOrUpdatePanel(edits[turn]);
        turn = 1 - turn;
    }
    PlaneModel::instance()->clear();
}

} // namespace

BENCHMARK(BM_RebuildPanel)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildManyStripPanel)->Arg(20)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildHeavyPanel)
    ->Args({200, 50, 50, 50}) // the capped panel
    ->Args({200, 0, 20, 0})   // covered strips alone
    ->Args({200, 3, 0, 0})    // the largest plane's other panels
    ->ArgNames({"ribs", "spars", "strips", "combs"})
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildTipPanel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CopyPanel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EditFirstPanel)->Unit(benchmark::kMillisecond);
