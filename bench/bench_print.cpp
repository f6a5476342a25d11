#include "BenchWing.h"

#include "document/PlaneModel.h"
#include "output/PrintJob.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

// The whole printout of a five-panel, 500-rib wing on A4 with 5 mm margins,
// written to a PDF file: rib sheets, dihedral page and both wing halves, with
// the progress the print command shows.
static void BM_PrintPdf(benchmark::State& state)
{
    if (!BenchWing::buildFivePanelWing()) {
        state.SkipWithError("airfoil library not found");
        return;
    }
    PlaneModel* plane = PlaneModel::instance();

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("wing.pdf"));
    qint64 bytes = 0;
    for (auto _ : state) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5),
                                          QPageLayout::Millimeter));
        const bool printed = PrintJob::printPlane(&printer, 200, 287, nullptr);
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
