#include <benchmark/benchmark.h>
#include <QApplication>
#include <cstring>

#include "GeometryDump.h"
#include "OutlineCheck.h"

// Printing and drawing need a GUI application (fonts, paint devices), so the
// benchmarks run inside one: on the X display when there is one (the 3D
// views need it), else on the offscreen platform.
int main(int argc, char** argv)
{
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", qgetenv("DISPLAY").isEmpty() ? QByteArray("offscreen") : QByteArray("xcb"));
    QApplication app(argc, argv);
    // Not a benchmark: see GeometryDump.h.
    const char* const dumpOption = "--dump-geometry=";
    if (argc == 2 && std::strncmp(argv[1], dumpOption, std::strlen(dumpOption)) == 0)
        return dumpGeometry(QString::fromLocal8Bit(argv[1] + std::strlen(dumpOption)));
    const char* const checkOption = "--check-outlines";
    if (argc == 2 && std::strncmp(argv[1], checkOption, std::strlen(checkOption)) == 0) {
        const char* mode = argv[1] + std::strlen(checkOption);
        return checkOutlines(QString::fromLocal8Bit(*mode == '=' ? mode + 1 : mode));
    }
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
