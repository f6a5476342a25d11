// Writes the seed inputs of the fuzz targets with the program's own
// writers: airfoil files as the import dialog writes them, from every
// shipped airfoil, and documents as Save writes them, from planes that use
// every kind of part. Usage: fuzz_seeds <seed folder>; it fills
// <seed folder>/airfoil and <seed folder>/document.

#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "editing/AirfoilImportDialog.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <cstdio>

namespace {

const QString ShippedFoils = QStringLiteral(PLANFORMIX_BINARY_DIR "/resources/foils_v2");

SparList everySparType()
{
    SparList spars;
    const SparType types[] = {SparType::Round, SparType::Square, SparType::Webbing,
                              SparType::Tube,  SparType::Cube,   SparType::CubeTube};
    float position = 15.0f;
    for (SparType type : types) {
        SparDefinition spar;
        spar.setType(type);
        spar.setFirstRib(1);
        spar.setLastRib(5);
        spar.setPosition(0, position);
        spar.setPosition(1, position);
        spars.addSpar(spar);
        position += 10.0f;
    }
    return spars;
}

Panel* panel(int id, float rootChord, float tipChord, float sweep, float dihedral, int ribs, bool featured)
{
    SheetingStripList strips;
    RibCombList combs;
    if (featured) {
        SheetingStripDefinition strip;
        strip.setFirstRib(1);
        strip.setLastRib(4);
        strips.append(strip);
        RibCombData comb;
        comb.setFirstRib(2);
        comb.setLastRib(5);
        combs.append(comb);
    }
    const PanelBaseData data(
        id, QStringLiteral("Panel %1").arg(id), QStringLiteral("NACA 2412"), QStringLiteral("NACA 0012"),
        rootChord, tipChord, sweep, 500.0f, featured ? -1.5f : 0.0f, dihedral, false, false, true, 3.0f, ribs,
        150.0f, 1.0f, 0.9f, nullptr, LEData(featured ? LEData::Diamond : LEData::Standard, 6.0f), TEData(),
        featured ? everySparType() : SparList(), strips,
        featured ? CoveringDefinition(SheetingType::Advanced, 30.0f, 1.5f, 2, false, true, true)
                 : CoveringDefinition(),
        featured ? BuildingTabData(true, false, 10.0f, 20.0f, 12.0f) : BuildingTabData(), combs);
    return new Panel(data);
}

bool saveDocument(PlaneModel* plane, const QString& path)
{
    std::string target = path.toStdString();
    return plane->save(target);
}

bool writeDocuments(const QString& folder)
{
    PlaneModel* plane = PlaneModel::instance();
    bool ok = saveDocument(plane, folder + "/empty.pfz");
    plane->addPanel(panel(1, 220.0f, 160.0f, 5.0f, 2.0f, 8, true));
    ok = ok && saveDocument(plane, folder + "/one-panel.pfz");
    plane->addPanel(panel(2, 160.0f, 90.0f, 12.0f, 8.0f, 6, false));
    ok = ok && saveDocument(plane, folder + "/two-panels.pfz");
    return ok;
}

bool writeAirfoils(const QString& folder)
{
    int written = 0;
    for (const QFileInfo& file : QDir(ShippedFoils).entryInfoList(QDir::Files)) {
        bool ok = false;
        AirfoilImportDialog dialog(nullptr, file.filePath(), getAirfoilFileType(file.fileName()), &ok);
        if (ok && dialog.writeDatFile(folder + '/' + file.completeBaseName() + ".dat"))
            ++written;
    }
    return written > 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds <seed folder>\n");
        return 2;
    }
    const QString seeds = QString::fromLocal8Bit(argv[1]);
    QTemporaryDir imported;
    WingFoils::createInstance(ShippedFoils, imported.path());
    const QString airfoils = seeds + "/airfoil";
    const QString documents = seeds + "/document";
    if (!QDir().mkpath(airfoils) || !QDir().mkpath(documents) || !writeAirfoils(airfoils)
        || !writeDocuments(documents)) {
        std::fprintf(stderr, "fuzz_seeds: could not write the seeds into %s\n", argv[1]);
        return 1;
    }
    delete PlaneModel::instance();
    delete WingFoils::instance();
    return 0;
}
