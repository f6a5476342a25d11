#include "GeometryDump.h"

#include <QDir>
#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <cstdio>
#include <functional>
#include <typeinfo>

#include "BenchWing.h"
#include "document/PlaneModel.h"
#include "foundation/DialogSeam.h"
#include "foundation/Circle3D.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "output/DXFSettings.h"
#include "output/PrintJob.h"

namespace {

void writePoint(std::FILE* out, const Vertex& p, int depth)
{
    std::fprintf(out, "%a %a %a p%u i%d %a %a s%d", double(p.getX()), double(p.getY()), double(p.getZ()),
                 unsigned(p.getProp()), p.getId(), double(p.getAuxA()), double(p.getAuxB()), int(p.isSelected()));
    if (const Vector3D* normal = p.getNormal()) {
        std::fprintf(out, " n%d[", depth);
        writePoint(out, *normal, depth + 1);
        std::fprintf(out, "]");
    }
}

template <class List>
void writePoints(std::FILE* out, const char* name, const List& points)
{
    std::fprintf(out, "  %s %zu\n", name, points.size());
    for (const Vertex* p : points) {
        std::fprintf(out, "   ");
        if (p)
            writePoint(out, *p, 0);
        else
            std::fprintf(out, "null");
        std::fprintf(out, "\n");
    }
}

void writeParts(std::FILE* out, const char* name, const RibDefinition::PartList& parts)
{
    std::fprintf(out, " %s %zu\n", name, parts.size());
    for (const IdentifiableObject* part : parts) {
        std::fprintf(out, "  %s type %d id %d", typeid(*part).name(), part->getType(), part->getId());
        if (const float* colour = part->getColor())
            std::fprintf(out, " colour %a %a %a %a", double(colour[0]), double(colour[1]), double(colour[2]),
                         double(colour[3]));
        if (const auto* circle = dynamic_cast<const Circle3D*>(part))
            std::fprintf(out, " radius %a", double(circle->getRadius()));
        std::fprintf(out, "\n");
        writePoints(out, "points", part->getPoints());
    }
}

void writePanel(std::FILE* out, const PanelBaseData& panel)
{
    std::fprintf(out, "panel %d ribMinY %a ribMaxY %a ribs %d\n", panel.getId(), double(panel.getRibMinY()),
                 double(panel.getRibMaxY()), panel.getRibList().getRibCount());
    int k = 0;
    for (const RibDefinition& rib : panel.getRibList().getRibs()) {
        float x = 0.0f, y = 0.0f, z = 0.0f;
        rib.getOffset(x, y, z);
        std::fprintf(out, "rib %d pos %a thick %a scaled %a chord %a offset %a %a %a align %a sel %d\n", ++k,
                     double(rib.position), double(rib.thickness), double(rib.scaledThickness),
                     double(rib.getChord()), double(x), double(y), double(z), double(rib.getAlignOffset()),
                     int(rib.isSelected()));
        writePoints(out, "outline", rib.getRibCoords());
        // A parted rib's further pieces, what parted it and a crossing left
        // unmended; nothing for a rib of one piece, whose record stays as
        // it was.
        for (const RibDefinition::PointList& piece : rib.getFurtherPieces())
            writePoints(out, "piece", piece);
        if (rib.isParted())
            std::fprintf(out, "parted sheets %d spar %d\n", int(rib.partedBySheets()), rib.partingSpar());
        if (rib.outlineCrossed())
            std::fprintf(out, "crossed\n");
        if (rib.outlineFault() != RibDefinition::OutlineFault::None)
            std::fprintf(out, "fault %d\n", int(rib.outlineFault()));
        writePoints(out, "camber", rib.getCamberLineCoords());
        writePoints(out, "lePiece", rib.getLEPieceCoords());
        writePoints(out, "tePiece", rib.getTEPieceCoords());
        writePoints(out, "leTemplate", rib.getLETemplateCoords());
        for (int i = 0; i < 4; ++i)
            writePoints(out, "covering", rib.getCoveringCoords(i));
        writeParts(out, "squareSpar", rib.getSquareSparParts());
        writeParts(out, "roundSpar", rib.getRoundSparParts());
        writeParts(out, "tubeSpar", rib.getTubeSparParts());
        writeParts(out, "cubeTube", rib.getCubeTubeParts());
        writeParts(out, "sparWebbing", rib.getSparWebbingParts());
        writeParts(out, "cubeSpar", rib.getCubeSparParts());
        writeParts(out, "coveringPolygons", rib.getCoveringPolygons());
        writeParts(out, "comb", rib.getCombParts());
    }
}

bool writeFile(const QString& path, const std::function<void(std::FILE*)>& write)
{
    std::FILE* out = std::fopen(QFile::encodeName(path).constData(), "w");
    if (!out)
        return false;
    write(out);
    return std::fclose(out) == 0;
}

void writeWing(std::FILE* out)
{
    for (const Panel* panel : PlaneModel::instance()->getPanelsTableModel()->getPanels())
        writePanel(out, panel->getPanelBaseData());
}

// Real sections, thin tips among them, under the sheetings whose finishing
// reaches furthest: bands ending ahead of and inside slots, from a tilted
// slot's rear wall, mid-chord on thin tips, over the whole chord on one
// side, one-sided at a nose tighter than the sheet, with and without edge
// pieces.
bool writePublicWing(const QDir& dir)
{
    const QStringList foils = BenchWing::loadPublicSections(
        {"sd7003.dat", "ag19.dat", "as6091.dat", "as6096.dat", "mid010.dat", "naca0007.dat", "hn979d.dat",
         "BE5030FVNC2t.dat", "naca651212.dat", "mid020.dat", "as6096.dat", "as6099.dat",
         "naca0030.dat"});
    if (foils.isEmpty())
        return true;
    const float chords[] = {220.0f, 180.0f, 150.0f, 120.0f, 100.0f, 80.0f,
                            60.0f,  45.0f,  200.0f, 100.0f, 55.0f,  45.0f, 200.0f};
    const TEData tePiece(1, 15.0f, true, 20.0f, 10.0f, 2.0f);
    const auto square = [](float at) {
        SparList spars;
        spars.addSpar(SparDefinition("spar", SparType::Square, 1, 6, at, at, true, false));
        return spars;
    };
    const auto standard = [](float length, float sheet, bool upper, bool lower) {
        return CoveringDefinition(SheetingType::Standard, length, sheet, 0, true, upper, lower);
    };
    const auto band = [](float from, float length, float sheet, bool upper, bool lower) {
        SheetingStripList strips;
        strips.append(SheetingStripDefinition("band", 0, 1, 6, length, length, sheet, lower, upper, true, false,
                                              from, 0.0f, false, false));
        return strips;
    };
    CoveringDefinition advanced;
    advanced.setSheetingType(SheetingType::Advanced);
    struct Kind {
        int le;
        TEData te;
        SparList spars;
        SheetingStripList strips;
        CoveringDefinition covering;
    };
    const Kind kinds[] = {
        {1, tePiece, square(25.0f), SheetingStripList(), standard(25.0f, 2.5f, true, true)},
        {0, TEData(), square(45.0f), band(47.5f, 52.5f, 2.5f, true, true), advanced},
        {2, tePiece, SparList(), band(35.0f, 25.0f, 1.0f, true, true), advanced},
        {1, TEData(), square(25.0f), SheetingStripList(), standard(22.0f, 2.5f, true, true)},
        {0, TEData(), SparList(), band(0.0f, 100.0f, 1.0f, true, false), advanced},
        {4, TEData(), square(45.0f), band(0.0f, 25.0f, 2.5f, false, true), advanced},
        {3, tePiece, SparList(), SheetingStripList(), standard(28.0f, 1.0f, true, true)},
        // A second wing from panel 9 on: its root's chord does not follow
        // the tip before it.
        {-1, TEData(), SparList(), SheetingStripList(), CoveringDefinition()},
        {0, TEData(), SparList(), band(0.0f, 22.0f, 2.5f, false, true), advanced},
        {2, TEData(), SparList(), band(0.0f, 28.0f, 1.0f, true, true), advanced},
        {0, TEData(), square(25.0f), band(0.0f, 22.0f, 1.0f, true, true), advanced},
        {1, TEData(), square(25.0f), band(0.0f, 100.0f, 2.5f, true, false), advanced},
    };
    PlaneModel* plane = PlaneModel::instance();
    plane->clear();
    int id = 0;
    for (const Kind& kind : kinds) {
        if (kind.le < 0) {
            ++id;
            continue;
        }
        plane->getPanelsTableModel()->addOrUpdatePanel(
            PanelBaseData(id, QStringLiteral("Panel %1").arg(id + 1), foils[id], foils[id + 1], chords[id],
                          chords[id + 1], 0.0f, 250.0f, 0.0f, 0.0f, false, false, true, 2.0f, 6, 150.0f, 1.0f, 1.0f,
                          nullptr, LEData(kind.le, 8.0f), kind.te, kind.spars, kind.strips, kind.covering,
                          BuildingTabData(), RibCombList()));
        ++id;
    }
    bool ok = writeFile(dir.filePath("public.txt"), writeWing);
    std::string document;
    ok &= plane->save(document);
    QFile saved(dir.filePath("public.pfz"));
    const qint64 size = qint64(document.size());
    ok &= saved.open(QIODevice::WriteOnly) && saved.write(document.data(), size) == size;
    saved.close();
    // What the drawing and the printout tell of ribs the sheets consume
    // goes into the dump too, answered rather than shown.
    DialogSeam::setScripted(true);
    DialogSeam::clear();
    ok &= plane->exportDxf(DXFSettings(true, dir.filePath("public.dxf")));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("public.pdf"));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                      QPageLayout::Millimeter));
    ok &= PrintJob::printPages(&printer, 210, 297, nullptr, [plane](QPainter* painter, int w, int h, QPrinter* device) {
        plane->print(painter, w, h, device);
    });
    ok &= writeFile(dir.filePath("public-told.txt"), [](std::FILE* out) {
        for (const DialogSeam::Call& call : DialogSeam::calls())
            std::fprintf(out, "%s\n%s\n", qPrintable(call.title), qPrintable(call.text));
    });
    DialogSeam::clear();
    DialogSeam::setScripted(false);
    plane->clear();
    return ok;
}

} // namespace

int dumpGeometry(const QString& folder)
{
    if (!QDir().mkpath(folder) || !BenchWing::loadAirfoils())
        return 1;
    const QDir dir(folder);
    PlaneModel::instance()->clear();
    bool ok = true;

    // The rebuild benchmark's panel: as built, rebuilt, copied and assigned.
    PanelBaseData panel = BenchWing::fullFeaturePanel(100);
    ok &= writeFile(dir.filePath("full.txt"), [&](std::FILE* out) { writePanel(out, panel); });
    panel.rebuildRibs();
    ok &= writeFile(dir.filePath("full-rebuilt.txt"), [&](std::FILE* out) { writePanel(out, panel); });
    const PanelBaseData copy(panel);
    ok &= writeFile(dir.filePath("full-copy.txt"), [&](std::FILE* out) { writePanel(out, copy); });
    PanelBaseData assigned = BenchWing::fullFeaturePanel(12);
    assigned = panel;
    ok &= writeFile(dir.filePath("full-assigned.txt"), [&](std::FILE* out) { writePanel(out, assigned); });

    // The five-panel wing, its DXF drawing, and the same wing after an edit
    // of its first panel.
    ok &= BenchWing::buildFivePanelWing();
    ok &= writeFile(dir.filePath("wing.txt"), writeWing);
    ok &= PlaneModel::instance()->exportDxf(DXFSettings(true, dir.filePath("wing.dxf")));
    PanelsTableModel* panels = PlaneModel::instance()->getPanelsTableModel();
    PanelBaseData first = panels->getPanels().front()->getPanelBaseData();
    first.setRootChord(first.getRootChord() + 7.0f);
    first.setTipTwist(-2.5f);
    panels->addOrUpdatePanel(first);
    ok &= writeFile(dir.filePath("wing-edited.txt"), writeWing);
    ok &= PlaneModel::instance()->exportDxf(DXFSettings(false, dir.filePath("wing-edited.dxf")));
    PlaneModel::instance()->clear();
    ok &= writePublicWing(dir);
    return ok ? 0 : 1;
}
