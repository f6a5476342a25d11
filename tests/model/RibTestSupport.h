#pragma once

// What the rib tests share: shipped airfoils, small outlines and slots made
// by hand, and ways to count and compare rib geometry.

#include <QtTest>
#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <memory>
#include <stdexcept>
#include "airfoils/Airfoil.h"
#include "common/TestSupport.h"
#include "foundation/AngleInfo.h"
#include "foundation/GLUtils.h"
#include "foundation/Rectangle3D.h"
#include "foundation/Vector3D.h"
#include "foundation/Mathematics.h"
#include "model/RibDefinition.h"
#include "model/RibList.h"

namespace {

// Reads one of the shipped airfoil files (name line, then points) into a
// real Airfoil, as the library does.
std::unique_ptr<Airfoil> loadShippedAirfoil(const char* fileName)
{
    const QByteArray path = QByteArray(PLANFORMIX_SOURCE_DIR "/resources/foils_v2/") + fileName;
    FILE* stream = std::fopen(path.constData(), "r");
    if (!stream) {
        return nullptr;
    }
    char nameLine[256] = {};
    std::unique_ptr<Airfoil> airfoil;
    if (std::fgets(nameLine, sizeof nameLine, stream)) {
        const QString dash = QStringLiteral("---");
        bool ok = false;
        airfoil.reset(new Airfoil(QString::fromLatin1(nameLine).trimmed(), dash, dash, dash, dash,
                                  dash, dash, dash, dash, stream, &ok));
        if (!ok) {
            airfoil.reset();
        }
    }
    std::fclose(stream);
    return airfoil;
}

// An outline given as (x, y) pairs in rib order, at z = 0.
RibDefinition::PointList makeOutline(std::initializer_list<std::pair<float, float>> xy)
{
    RibDefinition::PointList points;
    for (const auto& p : xy) {
        points.push_back(new Vector3D(p.first, p.second, 0.0f));
    }
    return points;
}

Rectangle3D* makeSlot(int id, float x)
{
    Rectangle3D* slot = new Rectangle3D(Vector3D(x + 0.1f, 0.05f, 0.0f), Vector3D(x, 0.05f, 0.0f),
                                        Vector3D(x, 0.0f, 0.0f), Vector3D(x + 0.1f, 0.0f, 0.0f));
    slot->setId(id);
    return slot;
}

int countGeometry(const RibDefinition& rib)
{
    int count = int(rib.getRibCoords().size() + rib.getCamberLineCoords().size()
                    + rib.getLEPieceCoords().size() + rib.getTEPieceCoords().size()
                    + rib.getLETemplateCoords().size());
    for (int i = 0; i < 4; ++i) {
        count += int(rib.getCoveringCoords(i).size());
    }
    count += int(rib.getSquareSparParts().size() + rib.getRoundSparParts().size()
                 + rib.getTubeSparParts().size() + rib.getCubeTubeParts().size()
                 + rib.getSparWebbingParts().size() + rib.getCubeSparParts().size()
                 + rib.getCoveringPolygons().size() + rib.getCombParts().size());
    return count;
}

std::vector<float> positionsOf(const RibList& list)
{
    std::vector<float> positions;
    for (const RibDefinition& rib : list.getRibs()) {
        positions.push_back(rib.position);
    }
    return positions;
}

RibList ribsAt(std::initializer_list<float> positions, float thickness = 3.0f)
{
    RibList list;
    for (float p : positions) {
        list.addRib(RibDefinition(p, thickness));
    }
    return list;
}

bool allFinite(const RibDefinition& rib)
{
    for (const Vector3D* p : rib.getRibCoords()) {
        if (!std::isfinite(p->getX()) || !std::isfinite(p->getY()) || !std::isfinite(p->getZ())) {
            return false;
        }
    }
    return std::isfinite(rib.getChord()) && std::isfinite(rib.getOffsetX());
}

// How far p lies from the polyline through points, in the XY plane.
float distanceToPolyline(const Vector3D& p, const std::vector<Vector3D>& points)
{
    float nearest = FLT_MAX;
    for (size_t k = 0; k + 1 < points.size(); ++k) {
        const Vector3D& a = points[k];
        const Vector3D& b = points[k + 1];
        const float dx = b.getX() - a.getX();
        const float dy = b.getY() - a.getY();
        float t = ((p.getX() - a.getX()) * dx + (p.getY() - a.getY()) * dy) / (dx * dx + dy * dy);
        t = std::min(1.0f, std::max(0.0f, t));
        nearest = std::min(nearest, std::hypot(a.getX() + t * dx - p.getX(), a.getY() + t * dy - p.getY()));
    }
    return nearest;
}

// Everything a point carries, its normal chain included; coordinates must
// agree bit for bit.
bool identicalPoints(const Vertex* a, const Vertex* b)
{
    for (; a && b; a = a->getNormal(), b = b->getNormal()) {
        const float fa[] = {a->getX(), a->getY(), a->getZ(), a->getAuxA(), a->getAuxB()};
        const float fb[] = {b->getX(), b->getY(), b->getZ(), b->getAuxA(), b->getAuxB()};
        if (std::memcmp(fa, fb, sizeof fa) != 0 || a->getProp() != b->getProp() || a->getId() != b->getId()
            || a->isSelected() != b->isSelected())
            return false;
    }
    return !a && !b;
}

// Leaves every kind of leftover a rebuild may meet in a point list: marked
// points, a missing normal, a normal with a normal of its own, extra points.
void spoil(RibDefinition::PointList& points)
{
    for (size_t i = 0; i < points.size(); ++i) {
        Vector3D& p = *points[i];
        p.setProp(3);
        p.setId(77);
        p.setAux(1.0f, 2.0f);
        p.setSelected(true);
        if (i % 7 == 1)
            p = Vector3D(p.getX(), p.getY(), p.getZ());
        else if (i % 7 == 2 && p.getNormal())
            p.getNormal()->setNormal(Vector3D(0.0f, 0.0f, 1.0f));
        else if (p.getNormal())
            p.getNormal()->setProp(1);
    }
    points.push_back(new Vector3D(9.0f, 9.0f, 9.0f));
}

} // namespace
