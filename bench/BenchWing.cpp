#include "BenchWing.h"

#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"

#include <QCoreApplication>
#include <QTemporaryDir>

namespace BenchWing {

namespace {

SparDefinition spar(SparType type, int firstRib, int lastRib, float position)
{
    SparDefinition s(QStringLiteral("Spar"), type, firstRib, lastRib, position, position, true, false);
    if (type == SparType::Square)
        s.setSquareWebbingType(SquareWebbingType::Middle);
    return s;
}

PanelBaseData fullPanel(int id, int ribs, bool advancedCovering)
{
    SparList spars;
    spars.addSpar(spar(SparType::Round, 1, ribs, 20.0f));
    spars.addSpar(spar(SparType::Square, 1, ribs, 30.0f));
    spars.addSpar(spar(SparType::Webbing, 1, ribs, 40.0f));
    spars.addSpar(spar(SparType::Tube, 1, 10, 25.0f));
    spars.addSpar(spar(SparType::Cube, 1, ribs, 55.0f));
    spars.addSpar(spar(SparType::CubeTube, 1, 10, 60.0f));
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
                         CoveringDefinition(advancedCovering ? SheetingType::Advanced : SheetingType::Standard,
                                            25.0f, 1.5f, 0, true, true, true),
                         BuildingTabData(true, true, 10.0f, 20.0f, 10.0f), combs);
}

} // namespace

bool loadAirfoils()
{
    static QTemporaryDir imported;
    WingFoils* library = WingFoils::instance();
    if (library && library->findAirfoil(QStringLiteral("NACA 2412"), false))
        return true;
    const QString foils = QCoreApplication::applicationDirPath() + QStringLiteral("/../resources/foils_v2");
    library = WingFoils::createInstance(foils, imported.path());
    return library && library->findAirfoil(QStringLiteral("NACA 2412"), false);
}

bool buildFivePanelWing()
{
    return buildWing(5);
}

bool buildWing(int panels)
{
    if (!loadAirfoils())
        return false;
    PlaneModel* plane = PlaneModel::instance();
    plane->clear();
    for (int id = 0; id < panels; ++id)
        plane->getPanelsTableModel()->addOrUpdatePanel(fullPanel(id, 100, id % 2 == 1));
    return true;
}

} // namespace BenchWing
