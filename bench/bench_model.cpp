#include <benchmark/benchmark.h>

#include <iostream>
#include <streambuf>

#include "BenchWing.h"
#include "model/PanelBaseData.h"

namespace {

// A 100-rib panel that carries every feature the pipeline cuts: the panel
// dialog rebuilds such a working panel on every keystroke.
PanelBaseData fullFeaturePanel()
{
    const int ribs = 100;
    const LEData le(1, 8.0f);
    const TEData te(2, 20.0f, false, 18.0f, 8.0f, 2.0f);
    const CoveringDefinition covering(SheetingType::Advanced, 25.0f, 1.5f, 0, true, true, true);

    SheetingStripList strips;
    strips.append(SheetingStripDefinition("upper nose", 0, 1, ribs, 30.0f, 25.0f, 1.5f, false, true, true, true,
                                          0.0f, 0.0f, false, false));
    strips.append(SheetingStripDefinition("lower nose", 0, 1, ribs, 20.0f, 20.0f, 1.5f, true, false, true, false,
                                          0.0f, 0.0f, false, false));
    strips.append(SheetingStripDefinition("cap", 0, 1, ribs, 6.0f, 6.0f, 1.0f, true, true, true, false, 50.0f,
                                          50.0f, false, true));

    SparList spars;
    SparDefinition square("main", SparType::Square, 1, ribs, 30.0f, 28.0f, true, true);
    square.setSquareWebbingType(SquareWebbingType::Middle);
    spars.addSpar(square);
    spars.addSpar(SparDefinition("round", SparType::Round, 1, ribs, 15.0f, 15.0f, true, false));
    spars.addSpar(SparDefinition("web", SparType::Webbing, 1, ribs, 45.0f, 45.0f, true, false));
    spars.addSpar(SparDefinition("tube", SparType::Tube, 1, 10, 35.0f, 35.0f, true, false));
    spars.addSpar(SparDefinition("cube", SparType::Cube, 1, ribs, 60.0f, 60.0f, true, false));
    spars.addSpar(SparDefinition("cube joiner", SparType::CubeTube, 1, 10, 50.0f, 50.0f, true, false));

    RibCombList combs;
    RibCombData above;
    above.setType(RibCombData::Above);
    above.setPosition(0, 70.0f);
    above.setFirstRib(2);
    above.setLastRib(ribs - 1);
    combs.append(above);
    RibCombData below;
    below.setPosition(0, 40.0f);
    below.setFirstRib(2);
    below.setLastRib(ribs - 1);
    combs.append(below);

    const BuildingTabData tabs(true, true, 10.0f, 20.0f, 10.0f);
    return PanelBaseData(1, "Bench", "CLARK Y AIRFOIL", "NACA 2412", 220.0f, 160.0f, 40.0f, 1000.0f, -1.5f, 4.0f,
                         false, false, true, 3.0f, ribs, 150.0f, 1.0f, 1.0f, nullptr, le, te, spars, strips,
                         covering, tabs, combs);
}

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

void BM_RebuildPanel(benchmark::State& state)
{
    if (!BenchWing::loadAirfoils()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    QuietStdout quiet;
    PanelBaseData panel = fullFeaturePanel();
    for (auto _ : state) {
        panel.rebuildRibs();
        benchmark::DoNotOptimize(panel.getRibMaxY());
    }
    // What one rebuild leaves in the ribs, so a run shows every feature cut.
    double points = 0;
    double parts = 0;
    for (const RibDefinition& rib : panel.getRibList().getRibs()) {
        points += double(rib.getRibCoords().size());
        parts += double(rib.getSquareSparParts().size() + rib.getRoundSparParts().size()
                        + rib.getTubeSparParts().size() + rib.getCubeTubeParts().size()
                        + rib.getSparWebbingParts().size() + rib.getCubeSparParts().size()
                        + rib.getCoveringPolygons().size() + rib.getCombParts().size());
    }
    state.counters["outlinePoints"] = points;
    state.counters["parts"] = parts;
}

} // namespace

BENCHMARK(BM_RebuildPanel)->Unit(benchmark::kMillisecond);
