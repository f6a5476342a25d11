// The DXF export of the plane: every rib of every panel, the webbing pieces
// and flat strips of the spars, and the rib combs, laid out at full size in
// one column, each part below the previous one.

#include "document/PlaneModel.h"

#include "foundation/AtomicFileWriter.h"
#include "foundation/Circle3D.h"
#include "foundation/DialogSeam.h"
#include "foundation/FileErrorText.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/MemoryReserve.h"
#include "foundation/Rectangle3D.h"
#include "foundation/Vector3D.h"
#include "model/BuildingTabData.h"
#include "model/Panel.h"
#include "model/RibCombData.h"
#include "model/RibDefinition.h"
#include "model/RibModifierBuildingTab.h"
#include "model/RibParting.h"
#include "model/SegmentEndFaces.h"
#include "model/SparDefinition.h"
#include "output/ConsumedRibs.h"
#include "output/DXFSettings.h"
#include "output/OutputProgress.h"
#include "output/XDxfGen.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <algorithm>
#include <cmath>
#include <iostream>
#include <limits>

namespace {

enum DxfLayer { LayerL0 = 0, LayerText = 1, LayerRib = 2, LayerBox = 3, LayerLETemplate = 4, LayerWebbing = 5,
                LayerCombs = 6 };

const float TextHeight = 5.0f;
// Space between two rows of parts, and the margin that a rib's box keeps
// around the rib's highest and lowest point.
const float RowGap = 22.0f;
const float BoxMargin = 5.5f;

QString tr(const char* text)
{
    return QCoreApplication::translate("PlaneModel", text);
}

const std::vector<std::string>& dxfLayerNames()
{
    static const std::vector<std::string> names = {"L0",       "Layer_TEXT",        "Layer_RIB",    "Layer_BOX",
                                                   "Layer_LE_Template", "Layer_Webbing", "Layer_Combs"};
    return names;
}

QString numberText(float value)
{
    return QString::number(static_cast<double>(value), 'g', 6);
}

void writeText(XDxfGen& dxf, double x, double y, const QString& text)
{
    dxf.text(x, y, TextHeight, text.toUtf8().constData(), 0.0f, LayerText);
}

// What one panel contributes to every row: the scale from outline units to
// mm and the band of heights its ribs occupy.
struct PanelRows {
    Panel* panel = nullptr;
    std::vector<RibDefinition*> ribs;
    float scale = 1.0f;
    float minY = 0.0f;
    float maxY = 0.0f;
    float h = 0.0f;

    // Outline y to drawing y in the row whose top edge is rowTop: the panel's
    // highest rib point lands BoxMargin below the top, its lowest BoxMargin
    // above the row's bottom edge rowTop - h - 2 * BoxMargin.
    double rowOffset(double rowTop) const { return rowTop - (double(h) + BoxMargin) - minY; }

    const RibDefinition* rib(int number) const
    {
        if (number < 1 || number > static_cast<int>(ribs.size()))
            return nullptr;
        return ribs[static_cast<std::size_t>(number - 1)];
    }
};

PanelRows panelRows(Panel* panel, float planeRootChord)
{
    PanelRows rows;
    rows.panel = panel;
    for (RibDefinition& rib : panel->getRibList().getRibs())
        rows.ribs.push_back(&rib);
    rows.scale = planeRootChord > 0.0f ? planeRootChord : panel->getWingRootChord();
    rows.h = panel->getRibHeightRange(rows.minY, rows.maxY);
    // A panel whose ribs have no outline has no height band; it must not push
    // the float range limits into the layout.
    if (!std::isfinite(rows.minY) || !std::isfinite(rows.maxY) || !std::isfinite(rows.h) || rows.h < 0.0f) {
        rows.minY = rows.maxY = rows.h = 0.0f;
    }
    return rows;
}

// Outline units to drawing millimetres. Worked out in double precision, so
// a part keeps its measures to the micrometre however far down the sheet
// its row lies: the same rib comes out the same in every row.
double drawingX(float x, float ox, float scale)
{
    return (double(x) - ox) * scale;
}

double drawingY(float y, float scale, double yOffset)
{
    return double(y) * scale + yOffset;
}

template <typename PointPtr>
void writeMappedPolyline(XDxfGen& dxf, const std::vector<PointPtr>& points, float ox, float scale, double yOffset,
                         int layer)
{
    std::vector<double> xs;
    std::vector<double> ys;
    xs.reserve(points.size());
    ys.reserve(points.size());
    for (const auto* p : points) {
        xs.push_back(drawingX(p->getX(), ox, scale) + 5.0);
        ys.push_back(drawingY(p->getY(), scale, yOffset));
    }
    dxf.polyline(xs, ys, 0.0, layer);
}

const Rectangle3D* findRectangle(int id, const RibDefinition::PartList& parts)
{
    const int index = RibDefinition::findPartIndex(id, parts);
    if (index < 0)
        return nullptr;
    auto* rect = dynamic_cast<const Rectangle3D*>(parts[static_cast<std::size_t>(index)]);
    return rect != nullptr && rect->hasCorners() ? rect : nullptr;
}

// Cosine of the angle a spar or comb makes with the span in the plan, from
// its chord-wise shift over its spanwise run; 1 for a run of no length.
float planCosine(float zStart, float xStart, float zEnd, float xEnd)
{
    const float run = zEnd - zStart;
    if (run == 0.0f || !std::isfinite(run))
        return 1.0f;
    const float tangent = (xEnd - xStart) / run;
    const float cosine = 1.0f / std::sqrt(1.0f + tangent * tangent);
    return std::isfinite(cosine) && cosine > 0.0f ? cosine : 1.0f;
}

void exportRibs(PlaneModel& plane, XDxfGen& dxf, const PanelRows& rows, int panelNumber, double& y,
                const DXFSettings& settings, OutputProgress& progress)
{
    Panel* panel = rows.panel;
    const float s = rows.scale;
    const float h = rows.h;
    const auto& ribList = panel->getRibList().getRibs();
    const float maxLength = PlaneModel::getMaxRibLength(ribList.begin(), ribList.end(), s,
                                                        static_cast<int>(ribList.size()));
    const BuildingTabData& tabs = panel->getBuildingTabData();
    const bool cutTabs = tabs.getDoUpper() || tabs.getDoLower();
    RibModifierBuildingTab tabModifier;

    int ribNumber = 0;
    for (const RibDefinition* rib : rows.ribs) {
        if (!progress.step(1))
            return;
        ++ribNumber;
        const double top = y;
        const double bottom = top - h - 2.0 * BoxMargin;
        const double yOffset = rows.rowOffset(top);
        const float ox = rib->getOffsetX();
        const QString label =
            QString("P%1_R%2, thickness: %3mm").arg(panelNumber).arg(ribNumber).arg(numberText(rib->thickness));
        if (rib->consumedBySheets()) {
            // Nothing to cut: no box, template, outline or hole. The row
            // keeps its label and says why.
            writeText(dxf, maxLength + 20.0, top - h / 2.0 - 8.0, label);
            writeText(dxf, maxLength + 20.0, top - h / 2.0 - 16.0, ConsumedRibs::rowNote());
            y -= double(h) + RowGap;
            continue;
        }

        if (settings.getDrawBox())
            dxf.rectangle(0.0, top, maxLength + 10.0, -(h + 2.0 * BoxMargin), 0.0, LayerBox);

        const auto& templatePoints = rib->getLETemplateCoords();
        if (!templatePoints.empty()) {
            std::vector<double> xs;
            std::vector<double> ys;
            for (const Vector3D* p : templatePoints) {
                xs.push_back(drawingX(p->getX(), ox, s) - 25.0);
                ys.push_back(drawingY(p->getY(), s, yOffset));
            }
            const double firstX = xs.front();
            xs.insert(xs.end(), {firstX, -35.0, -35.0, firstX});
            ys.insert(ys.end(), {bottom, bottom, top, top});
            dxf.polyline(xs, ys, 0.0, LayerLETemplate);
        }

        writeText(dxf, maxLength + 20.0, top - h / 2.0 - 8.0, label);

        if (cutTabs) {
            // The tabs belong to the drawing only: they are cut into a copy, so
            // the panel's own rib keeps its outline.
            RibDefinition withTabs(*rib);
            withTabs.setCoords(rib->getRibCoords(), 0);
            withTabs.setCoords(rib->getLEPieceCoords(), 1);
            withTabs.setCoords(rib->getTEPieceCoords(), 2);
            tabModifier.apply(withTabs, tabs, (rows.maxY + BoxMargin) / s, (rows.minY - BoxMargin) / s, s);
            plane.exportPointsPolylineDxf(withTabs.getRibCoords(), ox, s, yOffset, dxf);
        } else {
            plane.exportPointsPolylineDxf(rib->getRibCoords(), ox, s, yOffset, dxf);
        }
        // The further pieces of a parted rib lie where they stand in it, each
        // an outline of its own; the row says what parted it.
        for (const auto& piece : rib->getFurtherPieces())
            plane.exportPointsPolylineDxf(piece, ox, s, yOffset, dxf);
        if (RibParting::told(*rib))
            writeText(dxf, maxLength + 20.0, top - h / 2.0 - 16.0, RibParting::rowNote(*rib));

        for (const auto* parts : {&rib->getRoundSparParts(), &rib->getTubeSparParts()})
            for (const IdentifiableObject* part : *parts) {
                auto* circle = dynamic_cast<const Circle3D*>(part);
                if (circle == nullptr || circle->getPoints().empty())
                    continue;
                Vertex centre(0.0f, 0.0f, 0.0f);
                circle->getCentroid(centre);
                dxf.circle(double(circle->getRadius()) * s, drawingX(centre.getX(), ox, s) + 5.0,
                           drawingY(centre.getY(), s, yOffset), 0.0, LayerRib);
            }
        for (const auto* parts : {&rib->getCubeSparParts(), &rib->getCubeTubeParts()})
            for (const IdentifiableObject* part : *parts)
                writeMappedPolyline(dxf, part->getPoints(), ox, s, yOffset, LayerRib);

        y -= double(h) + RowGap;
    }
    y -= double(h) + RowGap;
}

// The webbing between neighbouring ribs, laid out flat side by side in one
// row, followed by the spar's label.
void exportWebbing(XDxfGen& dxf, const PanelRows& rows, const SparDefinition& spar, double& y)
{
    const bool square = spar.getType() == SparType::Square;
    int first = spar.getFirstRib();
    int last = spar.getLastRib();
    if (square) {
        first = std::max(first, spar.getSquareWebbingFrom());
        if (spar.getSquareWebbingTo() != 0)
            last = std::min(spar.getSquareWebbingTo(), last);
    }
    if (last <= first)
        return;

    float zStart = 0.0f, xStart = 0.0f, zEnd = 0.0f, xEnd = 0.0f, wStart = 0.0f, wEnd = 0.0f;
    if (!rows.panel->getPanelBaseData().getSparRealPositions(spar, zStart, xStart, zEnd, xEnd, wStart, wEnd))
        return;
    const float cosine = planCosine(zStart, xStart, zEnd, xEnd);
    const int partId = square ? spar.getSquareWebbingId(0) : spar.getWebbingId();
    const float s = rows.scale;
    const double yOffset = rows.rowOffset(y);

    double x = 0.0;
    double highest = -std::numeric_limits<double>::max();
    double lowest = std::numeric_limits<double>::max();
    bool lastPairDone = false;
    for (int k = first; k < last; ++k) {
        lastPairDone = false;
        const RibDefinition* ribA = rows.rib(k);
        const RibDefinition* ribB = rows.rib(k + 1);
        if (ribA == nullptr || ribB == nullptr)
            continue;
        const auto& partsA = square ? ribA->getSquareSparParts() : ribA->getSparWebbingParts();
        const auto& partsB = square ? ribB->getSquareSparParts() : ribB->getSparWebbingParts();
        const Rectangle3D* a = findRectangle(partId, partsA);
        const Rectangle3D* b = findRectangle(partId, partsB);
        if (a == nullptr || b == nullptr)
            continue;

        Rectangle3D faceA;
        Rectangle3D faceB;
        calculateBoxSegmentEndFaces(*a, *b, *ribA, *ribB, k == first, k + 1 == last, 0.0f, faceA, faceB);
        const Vertex& a0 = *faceA.getPoints()[0];
        const Vertex& a3 = *faceA.getPoints()[3];
        const Vertex& b0 = *faceB.getPoints()[0];
        const Vertex& b3 = *faceB.getPoints()[3];
        const float dx = b0.getX() - a0.getX();
        const float dz = b0.getZ() - a0.getZ();
        const float w = std::sqrt(dx * dx + dz * dz) * s;
        if (w > 1.0f) {
            const std::vector<double> ys = {drawingY(a0.getY(), s, yOffset), drawingY(a3.getY(), s, yOffset),
                                            drawingY(b3.getY(), s, yOffset), drawingY(b0.getY(), s, yOffset)};
            dxf.polyline({x, x, x + w, x + w}, ys, 0.0, LayerWebbing);
            highest = std::max(highest, *std::max_element(ys.begin(), ys.end()));
            lowest = std::min(lowest, *std::min_element(ys.begin(), ys.end()));
        }
        x += double(w) + ribB->thickness / cosine;
        lastPairDone = true;
    }
    if (!lastPairDone)
        return;

    // Pieces of 1 mm or less are not drawn; the label then sits in the
    // middle of the row.
    const double labelY = highest >= lowest ? (highest + lowest - 5.0) / 2.0 : y - rows.h / 2.0 - 8.0;
    const float width = square ? spar.getSquareWebbingWidth() : spar.getWebbingWidth();
    const bool twice = square && spar.getSquareWebbingType() == SquareWebbingType::Box;
    writeText(dxf, x + 15.0, labelY,
              "Panel: '" + rows.panel->getPanelName() + "', Spar name: '" + spar.getSparName() + "'"
                  + (twice ? " (2x!)" : "") + ", thickness: " + numberText(width) + "mm");
    y -= double(rows.h) + RowGap;
}

} // namespace

bool PlaneModel::exportDxf(const DXFSettings& settings)
{
    if (state == DocumentState::HeldNotBuilt) {
        DialogSeam::warning(nullptr, tr("Export to DXF"), notShownProblem());
        return true;
    }
    const QString name = settings.getFileName();
    XDxfGen dxf(dxfLayerNames());

    // Nothing to ask about replacing: a folder is never written over.
    if (QFileInfo(name).isDir()) {
        DialogSeam::warning(nullptr, tr("Can't create DXF file"),
                            tr("Can't create DXF file '") + name + tr("' for writing: ") + FileErrorText::reason(EISDIR));
        return false;
    }
    if (QFile::exists(name)) {
        const auto answer = DialogSeam::warning(nullptr, tr("File exists"),
                                                tr("File ") + name + tr(" already exists - overwrite?"),
                                                QMessageBox::Ok | QMessageBox::Cancel);
        if (answer != QMessageBox::Ok)
            return false;
    }

    std::string error;
    AtomicFileWriter::createDocumentsFolderFor(name);
    if (!dxf.begin(name, error, 5000.0, 8000.0)) {
        DialogSeam::warning(nullptr, tr("Can't create DXF file"),
                            tr("Can't create DXF file '") + name + tr("' for writing: ")
                                + QString::fromStdString(error));
        return true;
    }

    bool outOfMemory = false;
    try {
        // Every rib, spar and comb is a unit of work.
        long long work = 0;
        for (const Panel* panel : getPanelList())
            work += static_cast<long long>(panel->getRibList().getRibs().size() + panel->getSparList().getSpars().size()
                                           + panel->getCombList().getCombs().size());
        OutputProgress progress(QApplication::activeWindow(), tr("Export to DXF"), tr("Writing the DXF drawing..."),
                                work);

        const float rootChord = getRootChord();
        double y = 0.0;
        int panelNumber = 0;
        for (Panel* panel : getPanelList()) {
            if (progress.isCancelled())
                break;
            ++panelNumber;
            const PanelRows rows = panelRows(panel, rootChord);
            exportRibs(*this, dxf, rows, panelNumber, y, settings, progress);
            for (const SparDefinition& spar : panel->getSparList().getSpars()) {
                if (!progress.step(1))
                    break;
                if (spar.getType() == SparType::Square) {
                    if (spar.getSquareWebbingType() != SquareWebbingType::None)
                        exportWebbing(dxf, rows, spar, y);
                    exportSparPartDxf(dxf, panel, spar, y, settings, rows.h);
                } else if (spar.getType() == SparType::Webbing) {
                    exportWebbing(dxf, rows, spar, y);
                }
            }
            for (const RibCombData& comb : panel->getCombList().getCombs()) {
                if (!progress.step(1))
                    break;
                exportCombDxf(dxf, panel, comb, panelNumber, y, settings, rows.h);
            }
        }
        // A cancelled drawing leaves the file as it was before, or makes none.
        if (progress.isCancelled()) {
            progress.finish();
            dxf.cancel();
            return true;
        }

        // A drawing that did not reach the disk whole must not pass for one.
        // The largest take most of a second to reach it.
        const int skipped = dxf.skippedEntityCount();
        if (!progress.finishAside([&dxf] { return dxf.end(); })) {
            DialogSeam::warning(nullptr, tr("Can't write DXF file"),
                                tr("Can't write DXF file '") + name + "': " + dxf.errorString());
        } else if (skipped > 0) {
            // The writer leaves out shapes with invalid coordinates; a cutter fed
            // this drawing would silently miss them.
            DialogSeam::warning(nullptr, tr("Incomplete DXF file"),
                                tr("Parts with invalid coordinates were left out of the DXF file '") + name
                                    + tr("': ") + QString::number(skipped));
        } else {
            DialogSeam::status(tr("DXF drawing written to %1").arg(QDir::toNativeSeparators(name)));
            const QStringList consumed = ConsumedRibs::planeNotes(getPanelList());
            const QStringList parted = ConsumedRibs::partedPlaneNotes(getPanelList());
            QStringList told;
            if (!consumed.isEmpty())
                told << tr("These ribs get no outline in the DXF drawing:") + "\n\n" + consumed.join("\n");
            if (!parted.isEmpty())
                told << tr("These ribs get an outline for each of their pieces:") + "\n\n" + parted.join("\n");
            if (!told.isEmpty())
                DialogSeam::message(nullptr, QMessageBox::Information, tr("Export to DXF"), told.join("\n\n"));
        }
    } catch (const std::bad_alloc&) {
        outOfMemory = true;
    }
    if (outOfMemory) {
        // The file that was there stays; the half-written one goes.
        MemoryReserve::release();
        dxf.cancel();
        DialogSeam::warning(nullptr, tr("Can't write DXF file"),
                            tr("There is not enough memory to write the DXF file '%1'; it is left as it was.")
                                .arg(name));
        MemoryReserve::keep();
    }
    return true;
}

void PlaneModel::exportSparPartDxf(XDxfGen& dxf, Panel* panel, const SparDefinition& spar, double& y,
                                   const DXFSettings& /*settings*/, float ribHeightRange)
{
    float x1 = 0.0f, y1 = 0.0f, x2 = 0.0f, y2 = 0.0f, w1 = 0.0f, w2 = 0.0f;
    if (!panel->getPanelBaseData().getSparRealPositions(spar, x1, y1, x2, y2, w1, w2))
        return;
    const float length = std::sqrt((x1 - x2) * (x1 - x2) + (y1 - y2) * (y1 - y2));
    const double end = double(x1) + length;
    dxf.polyline({x1, end, end, x1}, {y, y, y + w2, y + w1}, 0.0, LayerWebbing);

    QString label = "Panel '" + panel->getPanelName() + tr("', Spar name: '") + spar.getSparName() + "'";
    if (spar.getSquareSparBottom() && spar.getSquareSparTop())
        label += " (2x!)";
    label += tr(", thickness: ") + numberText(spar.getSquareSparHeight()) + tr("mm");
    writeText(dxf, end + 15.0, y, label);
    y -= double(ribHeightRange) + RowGap;
}

void PlaneModel::exportPointsPolylineDxf(const std::vector<Vector3D*>& points, float ox, float scale, double yOffset,
                                         XDxfGen& dxf)
{
    writeMappedPolyline(dxf, points, ox, scale, yOffset, LayerRib);
}

namespace {

// One rib that a comb meets, with the heights of the comb's parts there.
struct CombStation {
    const RibDefinition* rib = nullptr;
    const Rectangle3D* slit = nullptr;
    const Rectangle3D* body = nullptr;
    double u = 0.0;         // drawing x of the rib's root-side face, along the comb
    double width = 0.0;     // the rib's thickness along the comb, mm
    double outer = 0.0;     // the comb's straight outer edge
    double cut = 0.0;       // bottom of the rib's slot in the comb
    double far = 0.0;       // the comb's height between ribs, at this rib
};

} // namespace

void PlaneModel::exportCombDxf(XDxfGen& dxf, Panel* panel, const RibCombData& comb, int /*panelNumber*/, double& y,
                               const DXFSettings& /*settings*/, float /*ribHeightRange*/)
{
    const int type = comb.getType();
    if (type != 0 && type != 1) {
        std::cout << "Unknown rib comb type: " << type << std::endl;
        return;
    }
    const bool above = type == 0;
    const PanelRows rows = panelRows(panel, getRootChord());
    const int first = comb.getFirstRib();
    const int last = comb.getLastRib();
    if (rows.rib(first) == nullptr || rows.rib(last) == nullptr || last <= first)
        return;
    float zStart = 0.0f, xStart = 0.0f, zEnd = 0.0f, xEnd = 0.0f, width = 0.0f;
    if (!panel->getPanelBaseData().getCombRealPositions(comb, zStart, xStart, zEnd, xEnd, width))
        return;
    const float cosine = planCosine(zStart, xStart, zEnd, xEnd);
    const float s = rows.scale;
    const double yOffset = rows.rowOffset(y);
    const Vertex yAxis(0.0f, 1.0f, 0.0f);

    // Ribs where the comb's cut failed have no parts; the comb runs on from
    // the previous rib that has them.
    std::vector<CombStation> stations;
    for (int k = first; k <= last; ++k) {
        const RibDefinition* rib = rows.rib(k);
        const Rectangle3D* body = findRectangle(comb.getFirstPartId(), rib->getCombParts());
        const Rectangle3D* remainder = findRectangle(comb.getSecondPartId(), rib->getCombParts());
        if (body == nullptr || remainder == nullptr)
            continue;
        CombStation station;
        station.rib = rib;
        station.body = body;
        station.slit = findRectangle(comb.getThirdPartId(), rib->getCombParts());
        const float z = body->getPoints()[0]->getZ();
        station.u = stations.empty() ? double(z) * s
                                     : stations.front().u
                                           + double(z - stations.front().body->getPoints()[0]->getZ()) * s / cosine;
        station.width = double(rib->thickness) / cosine;
        const auto& b = body->getPoints();
        const auto& r = remainder->getPoints();
        station.outer = drawingY(above ? b[0]->getY() : b[2]->getY(), s, yOffset);
        station.cut = drawingY(above ? b[2]->getY() : b[0]->getY(), s, yOffset);
        station.far = drawingY(above ? r[2]->getY() : r[0]->getY(), s, yOffset);
        stations.push_back(station);
    }
    if (stations.size() < 2)
        return;

    // Slits: where the covering passes through the comb between two ribs.
    const float adjust = comb.getSlitAdjust();
    for (std::size_t j = 0; j + 1 < stations.size(); ++j) {
        const CombStation& a = stations[j];
        const CombStation& b = stations[j + 1];
        if (a.slit == nullptr || b.slit == nullptr)
            continue;
        Rectangle3D face;
        if (!calculateRoundSegmentEndFaces(*a.slit, *b.slit, *a.rib, *b.rib, j == 0, j + 2 == stations.size(),
                                           adjust / s, face))
            continue;
        const bool inside = above ? face.getMaxProjection(yAxis) < a.body->getMaxProjection(yAxis)
                                  : face.getMinProjection(yAxis) > a.body->getMinProjection(yAxis);
        if (!inside)
            continue;
        const auto& f = face.getPoints();
        const float w = (f[0]->getZ() - f[1]->getZ()) / cosine * s;
        if (!(w > 0.0f))
            continue;
        const double x0 = a.u + adjust + a.width;
        dxf.polyline({x0, x0 + w, x0 + w, x0},
                     {drawingY(f[1]->getY(), s, yOffset), drawingY(f[0]->getY(), s, yOffset),
                      drawingY(f[3]->getY(), s, yOffset), drawingY(f[2]->getY(), s, yOffset)},
                     0.0, LayerCombs);
    }

    // The outline: along the straight outer edge from the first rib to the
    // far face of the last, then back along the slotted edge.
    std::vector<double> xs;
    std::vector<double> ys;
    auto add = [&](double px, double py) {
        xs.push_back(px);
        ys.push_back(py);
    };
    const CombStation& firstStation = stations.front();
    const CombStation& lastStation = stations.back();
    const double end = lastStation.u + lastStation.width;
    add(firstStation.u, firstStation.cut);
    for (const CombStation& station : stations)
        add(station.u, station.outer);
    add(end, lastStation.outer);
    add(end, lastStation.cut);

    const float gap = comb.getGapNeedle();
    for (std::size_t j = stations.size() - 1; j > 0; --j) {
        const CombStation& right = stations[j];
        const CombStation& left = stations[j - 1];
        const double toothRight = right.u - gap;
        const double toothLeft = left.u + left.width + gap;
        const double toothWidth = toothRight - toothLeft;
        if (toothWidth >= 0.1f) {
            add(toothRight, right.cut);
            add(toothRight, right.far);
            add(toothLeft, left.far);
            add(toothLeft, left.cut);
        } else if (toothWidth > 0.0f) {
            add(toothRight, right.cut);
            add(toothLeft, left.cut);
        }
    }

    writeText(dxf, end + 15.0, y,
              "Panel '" + panel->getPanelName() + "', comb name: '" + comb.getName() + "'" + ", thickness: "
                  + numberText(comb.getWidth()) + "mm");
    dxf.polyline(xs, ys, 0.0, LayerCombs);
    y -= double(rows.h) + RowGap;
}
