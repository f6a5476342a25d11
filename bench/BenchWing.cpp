#include "BenchWing.h"

#include "airfoils/Airfoil.h"
#include "airfoils/AirfoilFile.h"
#include "airfoils/WingFoils.h"
#include "document/PlaneModel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "planformixdata.pb.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

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

PanelBaseData fullFeaturePanel(int ribs)
{
    const LEData le(1, 8.0f);
    const TEData te(2, 20.0f, false, 18.0f, 8.0f, 2.0f);
    const CoveringDefinition covering(SheetingType::Advanced, 25.0f, 1.5f, 0, true, true, true);

    SheetingStripList strips;
    strips.append(SheetingStripDefinition("upper nose", 0, 1, ribs, 30.0f, 25.0f, 1.5f, false, true, true, true,
                                          0.0f, 0.0f, false, false));
    strips.append(SheetingStripDefinition("lower nose", 0, 1, ribs, 20.0f, 20.0f, 1.5f, true, false, true, false,
                                          0.0f, 0.0f, false, false));
    strips.append(SheetingStripDefinition("cap", 0, 1, ribs, 6.0f, 6.0f, 1.0f, true, true, true, false, 50.0f,
                                          50.0f, false, true));

    SparList spars;
    SparDefinition square("main", SparType::Square, 1, ribs, 30.0f, 28.0f, true, true);
    square.setSquareWebbingType(SquareWebbingType::Middle);
    spars.addSpar(square);
    spars.addSpar(SparDefinition("round", SparType::Round, 1, ribs, 15.0f, 15.0f, true, false));
    spars.addSpar(SparDefinition("web", SparType::Webbing, 1, ribs, 45.0f, 45.0f, true, false));
    spars.addSpar(SparDefinition("tube", SparType::Tube, 1, 10, 35.0f, 35.0f, true, false));
    spars.addSpar(SparDefinition("cube", SparType::Cube, 1, ribs, 60.0f, 60.0f, true, false));
    spars.addSpar(SparDefinition("cube joiner", SparType::CubeTube, 1, 10, 50.0f, 50.0f, true, false));

    RibCombList combs;
    RibCombData above;
    above.setType(RibCombData::Above);
    above.setPosition(0, 70.0f);
    above.setFirstRib(2);
    above.setLastRib(ribs - 1);
    combs.append(above);
    RibCombData below;
    below.setPosition(0, 40.0f);
    below.setFirstRib(2);
    below.setLastRib(ribs - 1);
    combs.append(below);

    const BuildingTabData tabs(true, true, 10.0f, 20.0f, 10.0f);
    return PanelBaseData(1, "Bench", "CLARK Y AIRFOIL", "NACA 2412", 220.0f, 160.0f, 40.0f, 1000.0f, -1.5f, 4.0f,
                         false, false, true, 3.0f, ribs, 150.0f, 1.0f, 1.0f, nullptr, le, te, spars, strips,
                         covering, tabs, combs);
}

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

QStringList loadPublicSections(const QStringList& files)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/../../../shared/airfoils-public");
    const QDir dir(qEnvironmentVariable("OUTLINE_CHECK_PUBLIC", folder));
    WingFoils* library = WingFoils::instance();
    QStringList names;
    for (const QString& file : files) {
        const QString path = dir.absoluteFilePath(file);
        QString name = library->airfoilOfFile(path);
        if (name.isEmpty()) {
            if (Airfoil* foil = library->loadAirfoilFile(path, AirfoilFileType::Dat)) {
                name = foil->getName();
                library->addAirfoil(foil, path);
            }
        }
        if (name.isEmpty()) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return {};
        }
        names << name;
    }
    return names;
}

std::string documentOf(int panels, int ribs, int spars, int strips, int combs, float length)
{
    using PanelMessage = serializedPlanformixData::serializedPanelData;
    serializedPlanformixData data;
    data.set_version(1);
    for (int p = 0; p < panels; ++p) {
        PanelMessage* panel = data.add_panels();
        panel->set_id(p + 1);
        panel->set_airfoilname("NACA 2412");
        panel->set_airfoilnametip("NACA 0012");
        panel->set_length(length);
        panel->set_rootchord(200.0f);
        panel->set_tipchord(180.0f);
        panel->set_ribthickness(3.0f);
        panel->set_noofribs(ribs);
        panel->set_dontalign(true);
        panel->set_rootairfoilfactor(1.0f);
        panel->set_tipairfoilfactor(1.0f);
        panel->mutable_ledata()->set_type(PanelMessage::leadingEdge::Standard);
        panel->mutable_tedata()->set_type(PanelMessage::trailingEdge::Standard);
        panel->mutable_tabs()->set_doupper(true);
        panel->mutable_tabs()->set_dolower(true);
        PanelMessage::sheetingDefinition* sheeting = panel->mutable_sheeting();
        sheeting->set_sheetingtype(strips > 0 ? PanelMessage::sheetingDefinition::Advanced
                                              : PanelMessage::sheetingDefinition::Standard);
        for (int i = 0; i < spars; ++i) {
            auto* spar = panel->add_sparlist();
            spar->set_type(serializedPlanformixData::serializedSparListData::Square);
            spar->set_firstrib(1);
            spar->set_lastrib(ribs);
            spar->set_position(10.0f + 80.0f * float(i) / float(spars));
            spar->set_lastposition(spar->position());
        }
        for (int i = 0; i < strips; ++i) {
            auto* strip = sheeting->add_sheetingstriplist();
            strip->set_firstrib(1);
            strip->set_lastrib(ribs);
            strip->set_position(10.0f + 80.0f * float(i) / float(strips));
            strip->set_lastposition(strip->position());
        }
        for (int i = 0; i < combs; ++i) {
            auto* comb = panel->add_comblist();
            comb->set_firstrib(1);
            comb->set_lastrib(ribs);
            comb->set_position(10.0f + 80.0f * float(i) / float(combs));
            comb->set_positionlast(comb->position());
        }
    }
    return data.SerializeAsString();
}

std::string largestPlaneDocument()
{
    serializedPlanformixData data;
    data.ParseFromString(documentOf(1, 200, 50, 50, 50));
    serializedPlanformixData plain;
    plain.ParseFromString(documentOf(1, 200, 3, 0, 0));
    for (int i = 0; i < 39; ++i)
        *data.add_panels() = plain.panels(0);
    plain.mutable_panels(0)->set_noofribs(0);
    plain.mutable_panels(0)->clear_sparlist();
    while (data.panels_size() < 1000)
        *data.add_panels() = plain.panels(0);
    return data.SerializeAsString();
}

bool buildFivePanelWing()
{
    return buildWing(5);
}

bool buildWing(int panels, int ribs)
{
    if (!loadAirfoils())
        return false;
    PlaneModel* plane = PlaneModel::instance();
    plane->clear();
    for (int id = 0; id < panels; ++id)
        plane->getPanelsTableModel()->addOrUpdatePanel(fullPanel(id, ribs, id % 2 == 1));
    return true;
}

double statusMegabytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    const int length = int(std::strlen(field));
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(length).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0.0;
}

} // namespace BenchWing
