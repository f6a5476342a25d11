#include "GeometryDump.h"

#include <QDir>
#include <QFile>
#include <cstdio>
#include <functional>
#include <typeinfo>

#include "BenchWing.h"
#include "document/PlaneModel.h"
#include "foundation/Circle3D.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Vector3D.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "output/DXFSettings.h"

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
    return ok ? 0 : 1;
}
