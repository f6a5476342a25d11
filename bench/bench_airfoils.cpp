#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <memory>

#include "airfoils/WingFoils.h"

// Start-up reads every airfoil file before the main window appears. The
// public airfoil collections hold about 1,650 sections; this builds a folder
// of that size from the shipped files, each copy under a name of its own so
// that none is rejected as a duplicate.
namespace {

const int LibrarySize = 1650;

const QTemporaryDir& generatedFolder()
{
    static std::unique_ptr<QTemporaryDir> folder;
    if (folder)
        return *folder;
    folder.reset(new QTemporaryDir());
    const QDir shipped(QCoreApplication::applicationDirPath() + "/../resources/foils_v2");
    const QStringList sources = shipped.entryList({"*.dat"}, QDir::Files, QDir::Name);
    if (sources.isEmpty())
        return *folder;
    for (int i = 0; i < LibrarySize; ++i) {
        QFile source(shipped.filePath(sources[i % sources.size()]));
        if (!source.open(QIODevice::ReadOnly))
            continue;
        QByteArray bytes = source.readAll();
        const int nameEnd = bytes.indexOf('\n');
        bytes.insert(nameEnd, " #" + QByteArray::number(i));
        QFile copy(folder->filePath(QString("foil%1.dat").arg(i, 4, 10, QChar('0'))));
        if (copy.open(QIODevice::WriteOnly))
            copy.write(bytes);
    }
    return *folder;
}

void BM_LoadAirfoilLibrary(benchmark::State& state)
{
    const QTemporaryDir& folder = generatedFolder();
    size_t loaded = 0;
    for (auto _ : state) {
        WingFoils library;
        library.loadDirectory(folder.path());
        loaded = library.getAirfoils().size();
        benchmark::DoNotOptimize(loaded);
    }
    state.counters["airfoils"] = static_cast<double>(loaded);
    if (loaded != LibrarySize)
        state.SkipWithError("the generated folder did not load completely");
}
BENCHMARK(BM_LoadAirfoilLibrary)->Unit(benchmark::kMillisecond);

} // namespace
