#include "document/PlaneModel.h"

#include "document/DocumentLimits.h"
#include "foundation/AtomicFileWriter.h"
#include "foundation/DialogSeam.h"
#include "model/Panel.h"
#include "planformixdata.pb.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMutexLocker>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <limits>
#include <cstring>
#include <iostream>
#include <iterator>
#include <memory>
#include <sstream>
#include <vector>

using PanelMessage = serializedPlanformixData::serializedPanelData;
using SparMessage = serializedPlanformixData::serializedSparListData;
using StripMessage = serializedPlanformixData::serializedPanelData::sheetingStripDefinition;
using CombMessage = serializedPlanformixData::serializedPanelData::serializedCombListData;

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("PlaneModel", text);
}

// Made once and kept: a language switch later in the run does not rename
// the planes that are created afterwards.
const QString& defaultPlaneName()
{
    static const QString name = tr("New Plane");
    return name;
}

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), int(text.size()));
}

std::string toUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
}

// Every float anywhere in the message, view records included; a NaN or an
// infinity would travel into rib outlines, drawings and printed pages. A
// finite limit also refuses numbers so large that sums and products of them
// overflow on the way into the geometry.
bool allNumbersFinite(const google::protobuf::Message& message,
                      double limit = std::numeric_limits<double>::infinity())
{
    const auto fits = [limit](double value) { return std::isfinite(value) && std::fabs(value) <= limit; };
    using google::protobuf::FieldDescriptor;
    const google::protobuf::Reflection* reflection = message.GetReflection();
    std::vector<const FieldDescriptor*> fields;
    reflection->ListFields(message, &fields);
    for (const FieldDescriptor* field : fields) {
        switch (field->cpp_type()) {
        case FieldDescriptor::CPPTYPE_FLOAT:
            if (field->is_repeated()) {
                for (int i = 0; i < reflection->FieldSize(message, field); ++i)
                    if (!fits(reflection->GetRepeatedFloat(message, field, i)))
                        return false;
            } else if (!fits(reflection->GetFloat(message, field))) {
                return false;
            }
            break;
        case FieldDescriptor::CPPTYPE_DOUBLE:
            if (field->is_repeated()) {
                for (int i = 0; i < reflection->FieldSize(message, field); ++i)
                    if (!fits(reflection->GetRepeatedDouble(message, field, i)))
                        return false;
            } else if (!fits(reflection->GetDouble(message, field))) {
                return false;
            }
            break;
        case FieldDescriptor::CPPTYPE_MESSAGE:
            if (field->is_repeated()) {
                for (int i = 0; i < reflection->FieldSize(message, field); ++i)
                    if (!allNumbersFinite(reflection->GetRepeatedMessage(message, field, i), limit))
                        return false;
            } else if (!allNumbersFinite(reflection->GetMessage(message, field), limit)) {
                return false;
            }
            break;
        default:
            break;
        }
    }
    return true;
}

// The ribs a panel entry builds: its rib list, or as many as it asks to
// generate; none when the count does not allow ribs at all.
long long ribsBuilt(const PanelMessage& panel)
{
    if (panel.noofribs() <= 1)
        return 0;
    return panel.riblist_size() > 0 ? panel.riblist_size() : panel.noofribs();
}

// Whether a decoded document can be turned into a plane without harm, and
// within the bounds the editor keeps; otherwise why not, in words for the
// user. Runs before anything of the open plane is touched.
bool documentIsBuildable(const serializedPlanformixData& document, QString& problem)
{
    // Counted first and alone, so that a document far beyond the bounds is
    // refused before its numbers are walked.
    DocumentLimits::Size size;
    int number = 1;
    for (const PanelMessage& panel : document.panels()) {
        const long long ribs = ribsBuilt(panel);
        problem = DocumentLimits::panelProblem(number++, ribs, panel.sparlist_size(),
                                               panel.sheeting().sheetingstriplist_size(), panel.comblist_size());
        if (!problem.isEmpty())
            return false;
        size += DocumentLimits::panelSize(
            ribs, panel.sparlist_size(), panel.sheeting().sheetingstriplist_size(), panel.comblist_size(),
            panel.sheeting().sheetingtype() == PanelMessage::sheetingDefinition::Advanced);
        // A rib list is read even where the count lets no rib be built.
        if (panel.riblist_size() > DocumentLimits::maxRibsPerPanel) {
            problem = DocumentLimits::panelProblem(number - 1, panel.riblist_size(), 0, 0, 0);
            return false;
        }
    }
    problem = DocumentLimits::planeProblem(size);
    if (!problem.isEmpty())
        return false;

    const auto isDimension = [](float value) {
        return value >= PlaneModel::minPanelDimension && value <= PlaneModel::maxPanelDimension;
    };
    const auto withinDimension = [](float value) { return std::fabs(value) <= PlaneModel::maxPanelDimension; };
    number = 1;
    for (const PanelMessage& panel : document.panels()) {
        if (!isDimension(panel.length()) || !isDimension(panel.rootchord()) || !isDimension(panel.tipchord())) {
            problem = tr("Panel %1: its length or a chord is out of range.").arg(number);
            return false;
        }
        if (!withinDimension(panel.sweep()) || !withinDimension(panel.tiptwist())
            || !withinDimension(panel.dihedralangle())) {
            problem = tr("Panel %1: its sweep, twist or dihedral is out of range.").arg(number);
            return false;
        }
        if (!withinDimension(panel.ribthickness())
            || !(std::fabs(panel.rootairfoilfactor()) <= PlaneModel::maxAirfoilFactor)
            || !(std::fabs(panel.tipairfoilfactor()) <= PlaneModel::maxAirfoilFactor)) {
            problem = tr("Panel %1: its rib thickness or an airfoil factor is out of range.").arg(number);
            return false;
        }
        // Spar, strip, comb, edge and covering sizes are millimetres, degrees
        // or percentages like the panel's own; none the editor can make comes
        // near this bound.
        if (!allNumbersFinite(panel, PlaneModel::maxPanelDimension)) {
            problem = tr("Panel %1: a size of a spar, strip, comb, edge or covering is out of range.").arg(number);
            return false;
        }
        for (const auto& rib : panel.riblist()) {
            if (!withinDimension(rib.position()) || !withinDimension(rib.thickness())) {
                problem = tr("Panel %1: a rib position or thickness is out of range.").arg(number);
                return false;
            }
        }
        ++number;
    }
    if (!allNumbersFinite(document)) {
        problem = tr("A number in the document is not finite.");
        return false;
    }
    return true;
}

// Estimated time to build one panel entry, in microseconds as measured for
// the rib rebuild (bench_document), only to show how far a load has come:
// every panel and rib has its own cost, and every spar, strip and comb is
// cut into every rib. Strips are cut only under advanced covering, and there
// each costs more the more strips the rib already carries.
long long openWork(const PanelMessage& panel)
{
    const long long strips = panel.sheeting().sheetingstriplist_size();
    const bool stripsCut = panel.sheeting().sheetingtype() == PanelMessage::sheetingDefinition::Advanced;
    const long long perRib = 140 + 10 * (panel.sparlist_size() + panel.comblist_size())
                             + strips * (stripsCut ? 30 + strips : 10);
    return 1000 + ribsBuilt(panel) * perRib;
}

void fillSpar(SparMessage* out, const SparDefinition& spar)
{
    out->set_sparname(toUtf8(spar.getSparName()));
    out->set_type(SparMessage::SparType(int(spar.getType())));
    out->set_firstrib(spar.getFirstRib());
    out->set_lastrib(spar.getLastRib());
    out->set_position(spar.getPosition(0));
    out->set_lastposition(spar.getPosition(1));
    out->set_percentageselected(spar.getPercentageSelected(0));
    out->set_percentageselectedlast(spar.getPercentageSelected(1));
    out->set_separatelastposition(spar.getSeparateLastPosition());
    out->set_measurefromle(spar.getMeasureFromLE());
    out->set_sparoffsetystart(spar.getSparOffsetYStart());
    out->set_sparoffsetyend(spar.getSparOffsetYEnd());
    out->set_roundsparradius(spar.getRoundSparRadius());
    out->set_squaresparwidth(spar.getSquareSparWidth());
    out->set_squaresparautoadjustwidth(spar.getSquareSparAutoAdjustWidth() != 0.0f);
    out->set_squaresparheight(spar.getSquareSparHeight());
    out->set_squarespartop(spar.getSquareSparTop());
    out->set_squaresparbottom(spar.getSquareSparBottom());
    out->set_squaresparwebbinginside(spar.getSquareSparWebbingInside());
    out->set_squaresparwidthadjustfront(spar.getSquareSparWidthAdjustFront());
    out->set_squaresparwidthadjustbehind(spar.getSquareSparWidthAdjustBehind());
    out->set_squaresparverticalcut(spar.getSquareSparVerticalCut());
    out->set_webbingwidth(spar.getWebbingWidth());
    out->set_squarewebbingtype(SparMessage::SquareWebbingType(int(spar.getSquareWebbingType())));
    out->set_squarewebbingwidth(spar.getSquareWebbingWidth());
    out->set_squarewebbingfrom(spar.getSquareWebbingFrom());
    out->set_squarewebbingto(spar.getSquareWebbingTo());
    out->set_tuberadius(spar.getTubeRadius());
    out->set_cubesparwidth(spar.getCubeSparWidth());
    out->set_cubesparheight(spar.getCubeSparHeight());
    out->set_cubesparrotation(spar.getCubeSparRotation());
    out->set_cubetubewidth(spar.getCubeTubeWidth());
    out->set_cubetubeheight(spar.getCubeTubeHeight());
}

SparDefinition sparFrom(const SparMessage& in)
{
    SparDefinition spar;
    spar.setSparName(fromUtf8(in.sparname()));
    spar.setType(SparType(int(in.type())));
    spar.setFirstRib(in.firstrib());
    spar.setLastRib(in.lastrib());
    spar.setPosition(0, in.position());
    spar.setPosition(1, in.lastposition());
    spar.setPercentageSelected(0, in.percentageselected());
    spar.setPercentageSelected(1, in.percentageselectedlast());
    spar.setSeparateLastPosition(in.separatelastposition());
    spar.setMeasureFromLE(in.measurefromle());
    spar.setSparOffsetYStart(in.sparoffsetystart());
    spar.setSparOffsetYEnd(in.sparoffsetyend());
    spar.setRoundSparRadius(in.roundsparradius());
    spar.setSquareSparWidth(in.squaresparwidth());
    spar.setSquareSparAutoAdjustWidth(in.squaresparautoadjustwidth() ? 1.0f : 0.0f);
    spar.setSquareSparHeight(in.squaresparheight());
    spar.setSquareSparTop(in.squarespartop());
    spar.setSquareSparBottom(in.squaresparbottom());
    spar.setSquareSparWebbingInside(in.squaresparwebbinginside());
    spar.setSquareSparWidthAdjustFront(in.squaresparwidthadjustfront());
    spar.setSquareSparWidthAdjustBehind(in.squaresparwidthadjustbehind());
    spar.setSquareSparVerticalCut(in.squaresparverticalcut());
    spar.setWebbingWidth(in.webbingwidth());
    spar.setSquareWebbingType(SquareWebbingType(int(in.squarewebbingtype())));
    spar.setSquareWebbingWidth(in.squarewebbingwidth());
    spar.setSquareWebbingFrom(in.squarewebbingfrom());
    spar.setSquareWebbingTo(in.squarewebbingto());
    spar.setTubeRadius(in.tuberadius());
    spar.setCubeSparWidth(in.cubesparwidth());
    spar.setCubeSparHeight(in.cubesparheight());
    spar.setCubeSparRotation(in.cubesparrotation());
    spar.setCubeTubeWidth(in.cubetubewidth());
    spar.setCubeTubeHeight(in.cubetubeheight());
    return spar;
}

void fillStrip(StripMessage* out, const SheetingStripDefinition& strip)
{
    out->set_stripname(toUtf8(strip.getName()));
    out->set_firstrib(strip.getFirstRib());
    out->set_lastrib(strip.getLastRib());
    out->set_position(strip.getPosition(0));
    out->set_lastposition(strip.getPosition(1));
    out->set_offsetstart(strip.getPosition(2));
    out->set_offsetend(strip.getPosition(3));
    out->set_percentageselected(strip.getPercentageSelected(0));
    out->set_percentageselectedlast(strip.getPercentageSelected(1));
    out->set_percentageselectedoffsetstart(strip.getPercentageSelected(2));
    out->set_percentageselectedoffsetend(strip.getPercentageSelected(3));
    out->set_separatelastposition(strip.getSeparateLastPosition());
    out->set_measurefromle(strip.getMeasureFromLE());
    out->set_thickness(strip.getThickness());
    out->set_lower(strip.getLower());
    out->set_upper(strip.getUpper());
    out->set_offsetseparateend(strip.getOffsetSeparateEnd());
    out->set_capstrip(strip.getCapStrip());
}

SheetingStripDefinition stripFrom(const StripMessage& in)
{
    SheetingStripDefinition strip;
    strip.setName(fromUtf8(in.stripname()));
    strip.setFirstRib(in.firstrib());
    strip.setLastRib(in.lastrib());
    strip.setPosition(0, in.position());
    strip.setPosition(1, in.lastposition());
    strip.setPosition(2, in.offsetstart());
    strip.setPosition(3, in.offsetend());
    strip.setPercentageSelected(0, in.percentageselected());
    strip.setPercentageSelected(1, in.percentageselectedlast());
    strip.setPercentageSelected(2, in.percentageselectedoffsetstart());
    strip.setPercentageSelected(3, in.percentageselectedoffsetend());
    strip.setSeparateLastPosition(in.separatelastposition());
    strip.setMeasureFromLE(in.measurefromle());
    strip.setThickness(in.thickness());
    strip.setLower(in.lower());
    strip.setUpper(in.upper());
    strip.setOffsetSeparateEnd(in.offsetseparateend());
    strip.setCapStrip(in.capstrip());
    return strip;
}

void fillComb(CombMessage* out, const RibCombData& comb)
{
    out->set_name(toUtf8(comb.getName()));
    out->set_type(CombMessage::RibCombType(comb.getType()));
    out->set_firstrib(comb.getFirstRib());
    out->set_lastrib(comb.getLastRib());
    out->set_position(comb.getPosition(0));
    out->set_positionlast(comb.getPosition(1));
    out->set_percentageselected(comb.getPercentageSelected(0));
    out->set_percentageselectedlast(comb.getPercentageSelected(1));
    out->set_separatelastposition(comb.getSeparateLastPosition());
    out->set_measurefromle(comb.getMeasureFromLE());
    out->set_width(comb.getWidth());
    out->set_extend(comb.getExtend());
    out->set_cutintorib(comb.getCutIntoRib());
    out->set_cutoutgapfore(comb.getCutoutGapFore());
    out->set_cutoutgapaft(comb.getCutoutGapAft());
    out->set_gapneedle(comb.getGapNeedle());
    out->set_extendtobuildingtabs(comb.getExtendToBuildingTabs());
    out->set_slitheight(comb.getSlitHeight());
    out->set_slitadjust(comb.getSlitAdjust());
}

RibCombData combFrom(const CombMessage& in)
{
    return RibCombData(fromUtf8(in.name()), int(in.type()), in.position(), in.positionlast(),
                       in.percentageselected(), in.percentageselectedlast(), in.separatelastposition(),
                       in.measurefromle(), in.width(), in.extend(), in.cutintorib(), in.cutoutgapfore(),
                       in.cutoutgapaft(), in.gapneedle(), in.firstrib(), in.lastrib(), in.extendtobuildingtabs(),
                       in.slitheight(), in.slitadjust());
}

void fillPanel(PanelMessage* out, const Panel& panel)
{
    const PanelBaseData& data = panel.getPanelBaseData();
    out->set_id(data.getId());
    out->set_panelname(toUtf8(data.getPanelName()));
    out->set_airfoilname(toUtf8(data.getAirfoilName(RootAirfoil)));
    out->set_airfoilnametip(toUtf8(data.getAirfoilName(TipAirfoil)));
    out->set_length(data.getLength());
    out->set_rootchord(data.getRootChord());
    out->set_tipchord(data.getTipChord());
    out->set_sweep(data.getSweep());
    out->set_tiptwist(data.getTipTwist());
    out->set_dihedralangle(data.getDihedralAngle());
    out->set_topalign(data.getTopAlign());
    out->set_bottomalign(data.getBottomAlign());
    out->set_dontalign(data.getDontAlign());
    out->set_rootairfoilfactor(data.getRootAirfoilFactor());
    out->set_tipairfoilfactor(data.getTipAirfoilFactor());
    out->set_ribthickness(data.getRibThickness());
    out->set_noofribs(data.getNoOfRibs());
    out->set_specificweightrib(data.getSpecificWeightRib());

    for (const RibDefinition& rib : data.getRibList().getRibs()) {
        serializedPlanformixData::serializedRibListData* entry = out->add_riblist();
        entry->set_position(rib.position);
        entry->set_thickness(rib.thickness);
    }
    for (const SparDefinition& spar : data.getSparList().getSpars())
        fillSpar(out->add_sparlist(), spar);

    PanelMessage::leadingEdge* le = out->mutable_ledata();
    le->set_type(PanelMessage::leadingEdge::LEType(data.getLEData().getType()));
    le->set_standardledepth(data.getLEData().getStandardLEDepth());

    const TEData& te = data.getTEData();
    PanelMessage::trailingEdge* teOut = out->mutable_tedata();
    teOut->set_type(PanelMessage::trailingEdge::TEType(te.getType()));
    teOut->set_standardtedepth(te.getStandardTEDepth(1.0f));
    teOut->set_standardteautoadjustdepth(te.getStandardTEAutoAdjustDepth());
    teOut->set_striptedepth(te.getStripTEDepth());
    teOut->set_striptestripdepth(te.getStripTEStripDepth());
    teOut->set_striptestripthickness(te.getStripTEStripThickness());

    const CoveringDefinition& covering = data.getCoveringDefinition();
    PanelMessage::sheetingDefinition* sheeting = out->mutable_sheeting();
    sheeting->set_sheetingtype(PanelMessage::sheetingDefinition::SheetingType(int(covering.getSheetingType())));
    sheeting->set_length(covering.getLength());
    sheeting->set_thickness(covering.getThickness());
    sheeting->set_extend(covering.getExtend());
    sheeting->set_percentageselected(covering.getPercentageSelected());
    sheeting->set_doupper(covering.getDoUpper());
    sheeting->set_dolower(covering.getDoLower());
    for (const SheetingStripDefinition& strip : data.getSheetingStripList().getStrips())
        fillStrip(sheeting->add_sheetingstriplist(), strip);

    const BuildingTabData& tabs = data.getBuildingTabData();
    PanelMessage::buildingTabsDefinition* tabsOut = out->mutable_tabs();
    tabsOut->set_doupper(tabs.getDoUpper());
    tabsOut->set_dolower(tabs.getDoLower());
    tabsOut->set_offsetle(tabs.getOffsetLE());
    tabsOut->set_offsette(tabs.getOffsetTE());
    tabsOut->set_width(tabs.getWidth());

    for (const RibCombData& comb : data.getCombList().getCombs())
        fillComb(out->add_comblist(), comb);
}

// What a panel entry holds beyond its plain values. Spars, strips and combs
// draw part ids as they are made.
struct PanelRecords {
    RibList ribs;
    SparList spars;
    LEData le;
    TEData te;
    CoveringDefinition covering;
    SheetingStripList strips;
    BuildingTabData tabs;
    RibCombList combs;
};

PanelRecords recordsFrom(const PanelMessage& in)
{
    PanelRecords records;
    for (const auto& rib : in.riblist())
        records.ribs.addRib(RibDefinition(rib.position(), rib.thickness()));

    for (const SparMessage& spar : in.sparlist())
        records.spars.addSpar(sparFrom(spar));

    if (in.has_ledata()) {
        records.le.setType(int(in.ledata().type()));
        records.le.setStandardLEDepth(in.ledata().standardledepth());
    }
    if (in.has_tedata()) {
        const PanelMessage::trailingEdge& t = in.tedata();
        TEData& te = records.te;
        te.setType(int(t.type()));
        te.setStandardTEDepth(t.standardtedepth());
        te.setStandardTEAutoAdjustDepth(t.standardteautoadjustdepth());
        te.setStripTEDepth(t.striptedepth());
        te.setStripTEStripDepth(t.striptestripdepth());
        te.setStripTEStripThickness(t.striptestripthickness());
    }
    if (in.has_sheeting()) {
        const PanelMessage::sheetingDefinition& s = in.sheeting();
        CoveringDefinition& covering = records.covering;
        covering.setSheetingType(SheetingType(int(s.sheetingtype())));
        covering.setLength(s.length());
        covering.setThickness(s.thickness());
        covering.setExtend(s.extend());
        covering.setPercentageSelected(s.percentageselected());
        covering.setDoUpper(s.doupper());
        covering.setDoLower(s.dolower());
        for (const StripMessage& strip : s.sheetingstriplist())
            records.strips.append(stripFrom(strip));
    }
    if (in.has_tabs()) {
        const PanelMessage::buildingTabsDefinition& t = in.tabs();
        BuildingTabData& tabs = records.tabs;
        tabs.setDoUpper(t.doupper());
        tabs.setDoLower(t.dolower());
        tabs.setOffsetLE(t.offsetle());
        tabs.setOffsetTE(t.offsette());
        tabs.setWidth(t.width());
    }
    for (const CombMessage& comb : in.comblist())
        records.combs.append(combFrom(comb));
    return records;
}

Panel* panelFrom(int number, const PanelMessage& in, const PanelRecords& records)
{
    // Alignment flags contradict each other in some files; an aligned
    // panel is never also unaligned.
    const bool dontAlign = (in.topalign() || in.bottomalign()) ? false : in.dontalign();
    return new Panel(number, fromUtf8(in.panelname()), fromUtf8(in.airfoilname()), fromUtf8(in.airfoilnametip()),
                     in.rootchord(), in.tipchord(), in.sweep(), in.length(), in.tiptwist(), in.dihedralangle(),
                     in.topalign(), in.bottomalign(), dontAlign, in.ribthickness(), in.noofribs(),
                     in.specificweightrib(), in.rootairfoilfactor(), in.tipairfoilfactor(),
                     records.ribs.getRibCount() > 0 ? &records.ribs : nullptr, records.le, records.te,
                     records.spars, records.strips, records.covering, records.tabs, records.combs);
}

} // namespace

PlaneModel* PlaneModel::theInstance = nullptr;

PlaneModel* PlaneModel::instance()
{
    if (!theInstance)
        new PlaneModel();
    return theInstance;
}

PlaneModel::PlaneModel()
    : Observer(QStringLiteral("PlaneModel"), false)
    , planeName(defaultPlaneName())
{
    notifyObservers();
    theInstance = this;
    panelsModel.addObserver(this);
    lastId = 1;
}

PlaneModel::~PlaneModel()
{
    setNotificationsEnabled(false);
    clear();
    if (theInstance == this)
        theInstance = nullptr;
}

// ---------------------------------------------------------------- document

bool PlaneModel::save(std::string& target)
{
    if (target.empty())
        return serializeToString(&target);

    const QString name = fromUtf8(target);
    serializedPlanformixData data;
    saveViewData(data);
    // The editor keeps every plane within what a document opens with; a
    // plane that got beyond it all the same is not written, so no file
    // exists that the program then refuses.
    QString problem;
    if (!documentIsBuildable(data, problem)) {
        DialogSeam::warning(nullptr, tr("Document not saved"),
                            tr("The document is not saved, because it would not open again: %1").arg(problem));
        return false;
    }
    // Written beside the target and renamed over it at the end, so a failed
    // save leaves the previous file intact.
    AtomicFileWriter file(name);
    if (!file.open()) {
        DialogSeam::warning(nullptr, tr("Can't create file"),
                            tr("Can't create file '%1' for writing: %2").arg(name, file.errorString()));
        return false;
    }
    std::string bytes;
    if (!data.SerializeToString(&bytes)) {
        DialogSeam::warning(nullptr, tr("Can't write file"),
                            tr("Can't write into specified file: %1").arg(tr("the document could not be encoded")));
        return false;
    }
    if (!file.write(bytes.data(), qint64(bytes.size())) || !file.commit()) {
        DialogSeam::warning(nullptr, tr("Can't write file"),
                            tr("Can't write into specified file: %1").arg(file.errorString()));
        return false;
    }
    return true;
}

bool PlaneModel::writeToStream(std::fstream& stream)
{
    serializedPlanformixData data;
    saveViewData(data);
    if (!data.SerializeToOstream(&stream) || !stream.flush()) {
        DialogSeam::warning(nullptr, tr("Can't write file"),
                            tr("Can't write into specified file: %1").arg(QString::fromLocal8Bit(std::strerror(errno))));
        return false;
    }
    return true;
}

bool PlaneModel::serializeToString(std::string* output)
{
    if (!output)
        return false;
    serializedPlanformixData data;
    saveViewData(data);
    return data.SerializeToString(output);
}

bool PlaneModel::load(const std::string& source, bool sourceIsFile, hint_t hint)
{
    loadProblem.clear();
    loadStopped = false;
    if (!sourceIsFile)
        return loadFromString(source, hint);
    QFile file(fromUtf8(source));
    if (!file.open(QIODevice::ReadOnly))
        return refuse(tr("The file cannot be read: %1").arg(file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return refuse(tr("The file cannot be read: %1").arg(file.errorString()));
    return loadFromString(bytes.toStdString(), hint);
}

bool PlaneModel::loadFromStream(std::fstream& stream, hint_t hint)
{
    std::ostringstream bytes;
    bytes << stream.rdbuf();
    if (stream.bad())
        return refuse(tr("The file cannot be read."));
    return loadFromString(bytes.str(), hint);
}

bool PlaneModel::loadFromString(const std::string& bytes, hint_t hint)
{
    loadProblem.clear();
    loadStopped = false;
    // One document at a time: a load asked for from inside another one's
    // building (an event handled meanwhile) is refused, not mixed in.
    if (building)
        return refuse(tr("Another document is being opened."));
    serializedPlanformixData data;
    const bool decoded = data.ParsePartialFromString(bytes);
    if (decoded && data.version() != modelVersion) {
        std::cout << "data.version(): " << data.version() << ", model version: " << modelVersion << std::endl;
        return refuse(tr("The document is of version %1; this program reads version %2.")
                          .arg(data.version())
                          .arg(modelVersion));
    }
    // A truncated or damaged document is refused whole: a surviving prefix
    // would otherwise replace the user's plane with part of one.
    if (!decoded || !data.IsInitialized()) {
        std::cout << "The data is not a readable document" << std::endl;
        return refuse(tr("The file is not a document of this program, or it is damaged."));
    }
    // Checked before anything of the open plane is touched, so a refusal
    // comes at once and leaves the plane as it was.
    QString problem;
    if (!documentIsBuildable(data, problem)) {
        std::cout << "The document cannot be loaded: " << problem.toStdString() << std::endl;
        return refuse(problem);
    }
    if (!buildPlane(data, hint)) {
        loadStopped = true;
        return false;
    }
    return true;
}

bool PlaneModel::refuse(const QString& problem)
{
    loadProblem = problem;
    return false;
}

QString PlaneModel::getLoadProblem() const
{
    return loadProblem;
}

bool PlaneModel::wasLoadStopped() const
{
    return loadStopped;
}

void PlaneModel::setLoadProgress(std::function<bool(long long, long long)> report)
{
    loadProgress = std::move(report);
}

bool PlaneModel::planeBeingBuilt()
{
    return theInstance && theInstance->building;
}

void PlaneModel::deferChange(std::function<void()> change)
{
    if (!building) {
        change();
        return;
    }
    deferredChanges.push_back(std::move(change));
}

void PlaneModel::runDeferredChanges()
{
    if (deferredChanges.empty())
        return;
    std::vector<std::function<void()>> changes;
    changes.swap(deferredChanges);
    // After the work that built the plane has finished (the open or the
    // undo with its framing), as the events they came from would have run.
    const auto runAll = [changes] {
        for (const std::function<void()>& change : changes)
            change();
    };
    // Queued on the panels model, so that they are dropped with the plane.
    if (QCoreApplication::instance())
        QMetaObject::invokeMethod(&panelsModel, runAll, Qt::QueuedConnection);
    else
        runAll();
}

void PlaneModel::saveViewData(serializedPlanformixData& data)
{
    data.set_version(modelVersion);
    data.set_planename(toUtf8(planeName));
    for (const Panel* panel : panelsModel.getPanels())
        fillPanel(data.add_panels(), *panel);
    for (Observer* observer : getObservers())
        if (observer->isPersistent())
            observer->saveViewData(data);
}

void PlaneModel::loadViewData(const google::protobuf::Message* message, hint_t hint)
{
    const auto* data = dynamic_cast<const serializedPlanformixData*>(message);
    QString problem;
    if (!data || building || !documentIsBuildable(*data, problem))
        return;
    buildPlane(*data, hint);
}

bool PlaneModel::buildPlane(const serializedPlanformixData& data, hint_t hint)
{
    // Every panel is built away from the plane, which stays whole and shown
    // until the new one is complete: the wing's root chord and first panel
    // are the document's, not the plane's. So the panels, the first among
    // them, are built side by side, and a stopped undo leaves the plane as
    // it was. A document file replaces a plane the user has given up
    // already: that one goes first, so that two large planes never take
    // the memory at once.
    if (hint == FILE_LOAD)
        replacePanels({});
    const int count = data.panels_size();
    const float wingRootChord = count > 0 ? data.panels(0).rootchord() : -1.0f;
    long long total = 0;
    std::vector<long long> work(static_cast<std::size_t>(count), 0);
    for (int i = 0; i < count; ++i)
        total += work[std::size_t(i)] = openWork(data.panels(i));
    std::atomic<long long> done{0};
    std::vector<PanelRecords> records(static_cast<std::size_t>(count));
    std::vector<std::unique_ptr<Panel>> built(static_cast<std::size_t>(count));
    QThread* const home = QThread::currentThread();
    const auto report = loadProgress;
    building = true;
    bool complete = false;
    try {
        complete = PanelsTableModel::buildInOrder(
            count,
            [&](int i) {
                records[std::size_t(i)] = recordsFrom(data.panels(i));
                return PanelsTableModel::expectedIdDraws(records[std::size_t(i)].covering,
                                                         int(ribsBuilt(data.panels(i))));
            },
            [&](int i) {
                PlaneAccess::WingBlock wing(wingRootChord, 1);
                built[std::size_t(i)].reset(panelFrom(i + 1, data.panels(i), records[std::size_t(i)]));
                built[std::size_t(i)]->getPanelBaseData().moveToThread(home);
                done += work[std::size_t(i)];
            },
            report ? std::function<bool()>([&] { return report(done.load(), total); }) : std::function<bool()>());
    } catch (...) {
        building = false;
        runDeferredChanges();
        throw;
    }
    std::vector<Panel*> panels;
    panels.reserve(built.size());
    for (std::unique_ptr<Panel>& panel : built)
        panels.push_back(panel.release());
    if (!complete) {
        discardPanels(std::move(panels));
        building = false;
        runDeferredChanges();
        return false;
    }

    building = false;
    replacePanels(std::move(panels), fromUtf8(data.planename()));
    for (const serializedPlanformixData::serializedViewData& view : data.views())
        if (Observer* observer = findObserverByName(fromUtf8(view.observername())))
            observer->loadViewData(&view, hint);
    runDeferredChanges();
    return true;
}

void PlaneModel::replacePanels(std::vector<Panel*> panels, const QString& name)
{
    // As clear() and then the new panels in one step; the old panels are
    // out of the plane before they go.
    resetBaseData();
    std::vector<Panel*> old = panelsModel.takePanels();
    notifyObservers();
    setName(name, true);
    panelsModel.appendPanels(std::move(panels));
    const bool wasBuilding = building;
    building = true;
    discardPanels(std::move(old));
    building = wasBuilding;
}

void PlaneModel::discardPanels(std::vector<Panel*> panels)
{
    // A large plane takes most of a second to free: the window is kept
    // painted meanwhile, as while it was built. Nothing can be stopped here.
    QElapsedTimer clock;
    clock.start();
    for (Panel*& panel : panels) {
        delete panel;
        panel = nullptr;
        if (loadProgress && clock.elapsed() >= 20) {
            loadProgress(1, 1);
            clock.restart();
        }
    }
}

// ------------------------------------------------------------------- plane

void PlaneModel::observedObjectChanged(Observable* sender)
{
    if (!dynamic_cast<PanelsTableModel*>(sender))
        return;
    recalculateSpanAndArea(summaryOptions.getConsiderDihedral());
    notifyObservers();
}

void PlaneModel::recalculateSpanAndArea(bool considerDihedral)
{
    span = 2.0f * panelsModel.getWingHalfSpan(considerDihedral);
    area = 2.0f * panelsModel.getWingHalfArea(considerDihedral);
}

QString PlaneModel::getName() const
{
    return planeName;
}

void PlaneModel::setName(const QString& name, bool notify)
{
    planeName = name;
    if (notify)
        notifyObservers();
}

void PlaneModel::resetName()
{
    planeName = defaultPlaneName();
    notifyObservers();
}

int PlaneModel::getUnits() const
{
    return summaryOptions.getUnits();
}

void PlaneModel::setUnits(int units)
{
    summaryOptions.setUnits(units);
    notifyObservers();
}

bool PlaneModel::getConsiderDihedral() const
{
    return summaryOptions.getConsiderDihedral();
}

void PlaneModel::setConsiderDihedral(bool on)
{
    summaryOptions.setConsiderDihedral(on);
    recalculateSpanAndArea(on);
    notifyObservers();
}

float PlaneModel::getSpan() const
{
    return span;
}

float PlaneModel::getArea() const
{
    return area;
}

int PlaneModel::getPanelCount() const
{
    return panelsModel.getNoOfPanels();
}

const std::list<Panel*>& PlaneModel::getPanelList() const
{
    return panelsModel.getPanels();
}

PanelsTableModel* PlaneModel::getPanelsTableModel()
{
    return &panelsModel;
}

PanelsTableModel* PlaneModel::getTableModel()
{
    return &panelsModel;
}

float PlaneModel::getRootChord() const
{
    if (panelsModel.getNoOfPanels() == 0)
        return -1.0f;
    return panelsModel.getFirstPanelRootChord();
}

bool PlaneModel::addPanel(Panel* panel)
{
    panelsModel.appendPanel(panel);
    return true;
}

int PlaneModel::getModelVersion() const
{
    return modelVersion;
}

float PlaneModel::getFuselageLength(bool* userDefined) const
{
    if (fuselage.fuselageLength != -1.0f) {
        if (userDefined)
            *userDefined = true;
        return fuselage.fuselageLength;
    }
    if (userDefined)
        *userDefined = false;
    const float fromSpan = 0.8f * span;
    const float fromChord = 1.4f * getRootChord();
    return fromSpan >= fromChord ? fromSpan : fromChord;
}

float PlaneModel::getWingPosition(bool* userDefined) const
{
    if (fuselage.wingPosition != -1.0f) {
        if (userDefined)
            *userDefined = true;
        return fuselage.wingPosition;
    }
    if (userDefined)
        *userDefined = false;
    return 0.2f * getFuselageLength(nullptr);
}

void PlaneModel::setFuselageLength(float length)
{
    fuselage.fuselageLength = length;
}

void PlaneModel::setWingPosition(float position)
{
    fuselage.wingPosition = position;
}

int PlaneModel::getNextId()
{
    // Taken while the lock is held: read after unlocking, two threads could
    // both see the second increment.
    QMutexLocker locker(&idMutex);
    return ++lastId;
}

int PlaneModel::takeIds(int count)
{
    QMutexLocker locker(&idMutex);
    const int first = lastId + 1;
    lastId += std::max(count, 0);
    return first;
}

float PlaneModel::getMaxRibLength(std::list<RibDefinition>::const_iterator first,
                                  std::list<RibDefinition>::const_iterator end, float scale, int count)
{
    float longest = 0.0f;
    for (int i = 0; i < count && first != end; ++i, ++first) {
        const float length = first->getChord() - first->getTEDepth(scale);
        if (length > longest)
            longest = length;
    }
    return longest;
}

float PlaneModel::getFirstRibThickness() const
{
    if (panelsModel.getNoOfPanels() == 0)
        return 0.0f;
    const RibList ribs = panelsModel.getPanels().front()->getRibList();
    if (ribs.getRibCount() == 0)
        return 0.0f;
    return ribs.getFirstRib().thickness;
}

void PlaneModel::resetBaseData()
{
    summaryOptions.setUnits(0);
    summaryOptions.setConsiderDihedral(true);
    const bool historyWasOn = getHistoryRecordingEnabled();
    setHistoryRecordingEnabled(false);
    planeName = QString();
    setHistoryRecordingEnabled(historyWasOn);
}

void PlaneModel::clear()
{
    resetBaseData();
    panelsModel.clear();
    notifyObservers();
}
