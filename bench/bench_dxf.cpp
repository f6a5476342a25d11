#include <benchmark/benchmark.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "BenchWing.h"
#include "document/PlaneModel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "output/DXFSettings.h"

// A laser-cut kit of a big wing: five panels of 100 ribs, every panel with
// spars of each kind (a square spar with box webbing among them), a comb
// above and one below, and building tabs, so every part of the drawing is
// written.
namespace {

const int Panels = 5;
const int RibsPerPanel = 100;

PanelBaseData benchPanel(int id)
{
    const float root = 260.0f - 30.0f * static_cast<float>(id - 1);
    const float tip = root - 30.0f;
    SparList spars;
    SparDefinition square("Main", SparType::Square, 1, RibsPerPanel, 30.0f, 30.0f, true, false);
    square.setSquareWebbingType(SquareWebbingType::Box);
    spars.addSpar(square);
    spars.addSpar(SparDefinition("Rear web", SparType::Webbing, 1, RibsPerPanel, 60.0f, 60.0f, true, false));
    spars.addSpar(SparDefinition("Round", SparType::Round, 1, RibsPerPanel, 45.0f, 45.0f, true, false));
    spars.addSpar(SparDefinition("Joiner", SparType::Tube, 1, 10, 25.0f, 25.0f, true, false));
    spars.addSpar(SparDefinition("Cuboid", SparType::Cube, 1, RibsPerPanel, 70.0f, 70.0f, true, false));
    spars.addSpar(SparDefinition("Cuboid joiner", SparType::CubeTube, 1, 10, 50.0f, 50.0f, true, false));
    RibCombList combs;
    RibCombData above;
    above.setName("Top jig");
    above.setType(0);
    above.setFirstRib(1);
    above.setLastRib(RibsPerPanel);
    above.setPosition(0, 40.0f);
    combs.append(above);
    RibCombData below;
    below.setName("Bottom jig");
    below.setType(1);
    below.setFirstRib(1);
    below.setLastRib(RibsPerPanel);
    below.setPosition(0, 55.0f);
    combs.append(below);
    return PanelBaseData(id, QString("Panel %1").arg(id), "CLARK Y AIRFOIL", "NACA 2412", root, tip, 15.0f,
                         1000.0f, -1.0f, 3.0f, false, true, false, 2.0f, RibsPerPanel, 0.1f, 1.0f, 1.0f, nullptr,
                         LEData(1, 8.0f), TEData(1, 15.0f, true, 0.0f, 0.0f, 0.0f), spars, SheetingStripList(),
                         CoveringDefinition(), BuildingTabData(true, true, 10.0f, 10.0f, 12.0f), combs);
}

bool buildWing()
{
    if (!BenchWing::loadAirfoils())
        return false;
    PlaneModel* plane = PlaneModel::instance();
    plane->clear();
    for (int id = 1; id <= Panels; ++id)
        plane->getPanelsTableModel()->addOrUpdatePanel(benchPanel(id));
    return true;
}

void BM_ExportDxf(benchmark::State& state)
{
    if (!buildWing()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    QTemporaryDir folder;
    const DXFSettings settings(true, folder.filePath("wing.dxf"));
    for (auto _ : state) {
        QFile::remove(settings.getFileName());
        benchmark::DoNotOptimize(PlaneModel::instance()->exportDxf(settings));
    }
    const qint64 bytes = QFileInfo(settings.getFileName()).size();
    state.counters["MB"] = static_cast<double>(bytes) / 1e6;
    if (bytes == 0)
        state.SkipWithError("no drawing was written");
    PlaneModel::instance()->clear();
}
BENCHMARK(BM_ExportDxf)->Unit(benchmark::kMillisecond);

} // namespace
