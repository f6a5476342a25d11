#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "model/Panel.h"
#include "model/PanelsTableModel.h"
#include "output/PrintJob.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

bool airfoilsLoaded()
{
    static QTemporaryDir imported;
    WingFoils* library = WingFoils::instance();
    if (library && library->findAirfoil(QStringLiteral("NACA 2412"), false))
        return true;
    const QString foils = QCoreApplication::applicationDirPath() + QStringLiteral("/../resources/foils_v2");
    library = WingFoils::createInstance(foils, imported.path());
    return library && library->findAirfoil(QStringLiteral("NACA 2412"), false);
}

SparDefinition printedSpar(SparType type, int firstRib, int lastRib, float position)
{
    SparDefinition s(QStringLiteral("Spar"), type, firstRib, lastRib, position, position, true, false);
    if (type == SparType::Square)
        s.setSquareWebbingType(SquareWebbingType::Middle);
    return s;
}

// The document benchmark's wing: five panels of 100 ribs, every spar kind,
// sheeting with a strip, both edges, building tabs and a rib comb.
PanelBaseData printedPanel(int id, int ribs)
{
    SparList spars;
    spars.addSpar(printedSpar(SparType::Round, 1, ribs, 20.0f));
    spars.addSpar(printedSpar(SparType::Square, 1, ribs, 30.0f));
    spars.addSpar(printedSpar(SparType::Webbing, 1, ribs, 40.0f));
    spars.addSpar(printedSpar(SparType::Tube, 1, 10, 25.0f));
    spars.addSpar(printedSpar(SparType::Cube, 1, ribs, 55.0f));
    spars.addSpar(printedSpar(SparType::CubeTube, 1, 10, 60.0f));
    SheetingStripList strips;
    SheetingStripDefinition strip;
    strip.setFirstRib(1);
    strip.setLastRib(ribs);
    strips.append(strip);
    RibCombList combs;
    RibCombData comb;
    comb.setFirstRib(1);
    comb.setLastRib(ribs);
    combs.append(comb);
    const float rootChord = 220.0f - 20.0f * float(id);
    return PanelBaseData(id, QStringLiteral("Panel"), QStringLiteral("NACA 2412"), QStringLiteral("NACA 0012"),
                         rootChord, rootChord - 20.0f, 10.0f, 1000.0f, -0.5f, 2.0f, false, false, true, 3.0f, ribs,
                         150.0f, 1.0f, 1.0f, nullptr, LEData(1, 6.0f), TEData(1, 15.0f, false, 20.0f, 10.0f, 2.0f),
                         spars, strips,
                         CoveringDefinition(id % 2 == 1 ? SheetingType::Advanced : SheetingType::Standard, 25.0f,
                                            1.5f, 0, true, true, true),
                         BuildingTabData(true, true, 10.0f, 20.0f, 10.0f), combs);
}

} // namespace

// The whole printout of a five-panel, 500-rib wing on A4 with 5 mm margins,
// written to a PDF file: rib sheets, dihedral page and both wing halves.
static void BM_PrintPdf(benchmark::State& state)
{
    if (!airfoilsLoaded()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    PlaneModel* plane = PlaneModel::instance();
    plane->clear();
    for (int id = 0; id < 5; ++id)
        plane->getPanelsTableModel()->addOrUpdatePanel(printedPanel(id, 100));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wing.pdf"));
    qint64 bytes = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                          QPageLayout::Millimeter));
        const bool printed = PrintJob::printPages(
            &printer, 200, 287, nullptr, [](QPainter* painter, int w, int h, QPrinter* device) {
                PlaneModel::instance()->print(painter, w, h, device);
            });
        if (!printed) {
            state.SkipWithError("printing failed");
            break;
        }
        bytes = QFileInfo(path).size();
    }
    state.counters["pdf_bytes"] = double(bytes);
    plane->clear();
}
BENCHMARK(BM_PrintPdf)->Unit(benchmark::kMillisecond);
