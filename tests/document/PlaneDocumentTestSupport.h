#pragma once

// What the document tests share: a view that records what it is told, the
// panels and documents they open, and ways to compare what was saved.

#include "airfoils/WingFoils.h"
#include "common/FailingAllocation.h"
#include "common/TestSupport.h"
#include "document/DocumentLimits.h"
#include "document/PlaneModel.h"
#include "foundation/DialogSeam.h"
#include "foundation/IdentifiableObject.h"
#include "foundation/Observer.h"
#include "model/Panel.h"
#include "model/PanelBaseData.h"
#include "model/PanelsTableModel.h"
#include "planformixdata.pb.h"
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <atomic>
#include <cstdlib>
#include <limits>
#include <new>
#include <google/protobuf/text_format.h>
#include <google/protobuf/util/message_differencer.h>

using PanelMessage = serializedPlanformixData::serializedPanelData;

namespace {

// A persistent view that remembers what the document handed it.
class RecordingView : public Observer
{
public:
    explicit RecordingView(const QString& name)
        : Observer(name, true)
    {
    }
    void observedObjectChanged(Observable* sender) override
    {
        ++notifications;
        if (auto* plane = dynamic_cast<PlaneModel*>(sender))
            spanSeen = plane->getSpan();
    }
    void saveViewData(serializedPlanformixData& data) override
    {
        serializedPlanformixData::serializedViewData* view = data.add_views();
        view->set_observername(getName().toStdString());
        view->mutable_planesummaryviewdata()->set_considerdihedral(false);
    }
    void loadViewData(const google::protobuf::Message* data, SerializeableIf::hint_t hint) override
    {
        loaded.push_back(dynamic_cast<const serializedPlanformixData::serializedViewData*>(data) != nullptr);
        hints.push_back(hint);
    }
    int notifications = 0;
    float spanSeen = -1.0f;
    std::vector<bool> loaded;
    std::vector<SerializeableIf::hint_t> hints;
};

// A persistent view that writes, as the summary and the 3D view do, the
// plane's unit and dihedral setting and whether the axes show.
class SettingsView : public Observer
{
public:
    explicit SettingsView(const QString& name)
        : Observer(name, true)
    {
    }
    void observedObjectChanged(Observable*) override {}
    void saveViewData(serializedPlanformixData& data) override { saveInto(*data.add_views(), PlaneModel::instance()); }
    void loadViewData(const google::protobuf::Message*, SerializeableIf::hint_t) override {}
    void saveInto(serializedPlanformixData::serializedViewData& view, const PlaneModel* plane) const
    {
        using Summary = serializedPlanformixData::serializedViewData::planeSummaryView;
        view.set_observername(getName().toStdString());
        view.mutable_planesummaryviewdata()->set_units(Summary::UnitsSetting(plane->getUnits()));
        view.mutable_planesummaryviewdata()->set_considerdihedral(plane->getConsiderDihedral());
        auto* position = view.mutable_positiondata();
        position->set_posx(0.0f);
        position->set_posy(0.0f);
        position->set_posz(-1000.0f);
        position->set_showaxes(axes);
    }
    bool axes = true;
};

PanelBaseData plainPanel(int id, float length, float rootChord, float tipChord, float dihedral, int ribs = 6)
{
    return PanelBaseData(id, QStringLiteral("Panel %1").arg(id), QStringLiteral("NACA 2412"),
                         QStringLiteral("NACA 0012"), rootChord, tipChord, 0.0f, length, 0.0f, dihedral, false,
                         false, true, 3.0f, ribs, 150.0f, 1.0f, 1.0f, nullptr, LEData(), TEData(), SparList(),
                         SheetingStripList(), CoveringDefinition(), BuildingTabData(), RibCombList());
}

// A panel with every field the program writes, each spar, strip and comb
// field at a value that is neither the schema's nor the record's default and
// no two alike: a field written into or read from the wrong slot shows.
// Fields the program never writes are absent.
const char* const featuredDocumentText = R"(
version: 1
planeName: "Featured"
panels {
  id: 1 panelName: "Wing" airfoilName: "NACA 2412" airfoilNameTip: "NACA 0012"
  length: 600 rootChord: 220 tipChord: 160 sweep: 15 tipTwist: -1.5 dihedralAngle: 3
  topAlign: false bottomAlign: false dontAlign: true ribThickness: 3 noOfRibs: 8
  specificWeightRib: 120 rootAirfoilFactor: 0.9 tipAirfoilFactor: 1.1
  ribList { position: 0 thickness: 3 }   ribList { position: 85 thickness: 3 }
  ribList { position: 170 thickness: 3 } ribList { position: 255 thickness: 2.5 }
  ribList { position: 340 thickness: 3 } ribList { position: 425 thickness: 3 }
  ribList { position: 510 thickness: 3 } ribList { position: 597 thickness: 3 }
  leData { type: Standard standardLEDepth: 6 }
  teData { type: Standard standardTEDepth: 18 standardTEAutoAdjustDepth: true stripTEDepth: 21
           stripTEStripDepth: 9 stripTEStripThickness: 1.8 }
  sparList {
    sparName: "Main spar" type: Square firstRib: 2 lastRib: 4 position: 31 lastPosition: 37
    percentageSelected: false percentageSelectedLast: false separateLastPosition: true
    measureFromLE: false sparOffsetYStart: 0.5 sparOffsetYEnd: 0.75 roundSparRadius: 3.25
    squareSparWidth: 4.75 squareSparAutoAdjustWidth: true squareSparHeight: 2.5 squareSparTop: false
    squareSparBottom: false squareSparWebbingInside: true squareSparWidthAdjustFront: 0.3
    squareSparWidthAdjustBehind: 0.4 squareSparVerticalCut: true webbingWidth: 1.75
    squareWebbingType: After squareWebbingWidth: 1.25 squareWebbingFrom: 5 squareWebbingTo: 6
    tubeRadius: 5.5 cubeSparWidth: 3.5 cubeSparHeight: 6.5 cubeSparRotation: 12
    cubeTubeWidth: 4.25 cubeTubeHeight: 7.25
  }
  sheeting {
    sheetingType: Advanced length: 30 thickness: 1.2 extend: 2 percentageSelected: false
    doUpper: true doLower: false
    sheetingStripList {
      stripName: "Top strip" firstRib: 3 lastRib: 5 position: 11 lastPosition: 13
      percentageSelected: false percentageSelectedLast: false separateLastPosition: true
      measureFromLE: false thickness: 2.25 lower: false upper: false
      percentageSelectedOffsetStart: false percentageSelectedOffsetEnd: false
      offsetStart: 1.5 offsetEnd: 2.5 offsetSeparateEnd: true capStrip: true
    }
  }
  tabs { doUpper: true doLower: false offsetLE: 12 offsetTE: 22 width: 11 }
  combList {
    name: "Jig" type: Above firstRib: 2 lastRib: 6 position: 41 positionLast: 43
    percentageSelected: false percentageSelectedLast: false separateLastPosition: true
    measureFromLE: false width: 2.75 extend: 8.5 cutIntoRib: 33 cutoutGapFore: 0.6
    cutoutGapAft: 0.7 gapNeedle: 0.8 extendToBuildingTabs: false slitHeight: 1.6 slitAdjust: 1.9
  }
}
)";

serializedPlanformixData featuredDocument()
{
    serializedPlanformixData data;
    google::protobuf::TextFormat::ParseFromString(featuredDocumentText, &data);
    return data;
}

std::string encoded(PlaneModel* plane)
{
    std::string bytes;
    if (!plane->save(bytes))
        return std::string();
    return bytes;
}

serializedPlanformixData decoded(const std::string& bytes)
{
    serializedPlanformixData data;
    data.ParseFromString(bytes);
    return data;
}

bool sameMessage(const google::protobuf::Message& a, const google::protobuf::Message& b, std::string* report)
{
    google::protobuf::util::MessageDifferencer differ;
    differ.ReportDifferencesToString(report);
    return differ.Compare(a, b);
}

// A wing of equal panels, each with its spars, strips (cut only under
// advanced covering) and combs running over all its ribs.
serializedPlanformixData wingOf(int panels, int ribs, int spars, int strips, int combs, bool advanced = false)
{
    serializedPlanformixData data;
    data.set_version(1);
    data.set_planename("Bounds");
    PanelMessage panel;
    panel.set_id(1);
    panel.set_airfoilname("NACA 2412");
    panel.set_airfoilnametip("NACA 0012");
    panel.set_length(1000.0f);
    panel.set_rootchord(200.0f);
    panel.set_tipchord(180.0f);
    panel.set_ribthickness(3.0f);
    panel.set_noofribs(ribs);
    panel.mutable_sheeting()->set_sheetingtype(advanced ? PanelMessage::sheetingDefinition::Advanced
                                                        : PanelMessage::sheetingDefinition::None);
    for (int i = 0; i < spars; ++i) {
        auto* spar = panel.add_sparlist();
        spar->set_firstrib(1);
        spar->set_lastrib(ribs);
        spar->set_position(10.0f + 80.0f * float(i) / float(spars));
    }
    for (int i = 0; i < strips; ++i) {
        auto* strip = panel.mutable_sheeting()->add_sheetingstriplist();
        strip->set_firstrib(1);
        strip->set_lastrib(ribs);
        strip->set_position(10.0f + 80.0f * float(i) / float(strips));
        strip->set_lastposition(strip->position());
    }
    for (int i = 0; i < combs; ++i) {
        auto* comb = panel.add_comblist();
        comb->set_firstrib(1);
        comb->set_lastrib(ribs);
        comb->set_position(10.0f + 80.0f * float(i) / float(combs));
    }
    for (int i = 0; i < panels; ++i) {
        panel.set_id(i + 1);
        *data.add_panels() = panel;
    }
    return data;
}

// A panel of the kind the largest plane is made of: generated ribs, square
// spars, sheeting strips under advanced covering and combs over all of them,
// leading and trailing edge pieces cut off, building tabs.
PanelMessage featuredPanel(int id, int ribs, int spars, int strips, int combs)
{
    PanelMessage panel = wingOf(1, ribs, 0, 0, 0).panels(0);
    panel.set_id(id);
    panel.set_dontalign(true);
    panel.mutable_ledata()->set_type(PanelMessage::leadingEdge::Standard);
    panel.mutable_tedata()->set_type(PanelMessage::trailingEdge::Standard);
    panel.mutable_tabs()->set_doupper(true);
    panel.mutable_tabs()->set_dolower(true);
    auto* sheeting = panel.mutable_sheeting();
    sheeting->set_sheetingtype(strips > 0 ? PanelMessage::sheetingDefinition::Advanced
                                          : PanelMessage::sheetingDefinition::Standard);
    for (int i = 0; i < spars; ++i) {
        auto* spar = panel.add_sparlist();
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
        auto* comb = panel.add_comblist();
        comb->set_firstrib(1);
        comb->set_lastrib(ribs);
        comb->set_position(10.0f + 80.0f * float(i) / float(combs));
        comb->set_positionlast(comb->position());
    }
    return panel;
}

// The largest plane a document may hold: a panel of 200 ribs with 50 spars,
// strips and combs, 39 panels of 200 ribs with 3 square spars, and empty
// panels up to the bound.
serializedPlanformixData largestPlane()
{
    serializedPlanformixData data = wingOf(0, 0, 0, 0, 0);
    *data.add_panels() = featuredPanel(1, 200, 50, 50, 50);
    for (int id = 2; id <= 40; ++id)
        *data.add_panels() = featuredPanel(id, 200, 3, 0, 0);
    PanelMessage empty = featuredPanel(0, 0, 0, 0, 0);
    while (data.panels_size() < DocumentLimits::maxPanels) {
        empty.set_id(data.panels_size() + 1);
        *data.add_panels() = empty;
    }
    return data;
}

} // namespace
