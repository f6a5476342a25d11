#include "document/PanelCodec.h"

#include "model/Panel.h"

using SparMessage = serializedPlanformixData::serializedSparListData;
using StripMessage = serializedPlanformixData::serializedPanelData::sheetingStripDefinition;
using CombMessage = serializedPlanformixData::serializedPanelData::serializedCombListData;

namespace {

QString fromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), int(text.size()));
}

std::string toUtf8(const QString& text)
{
    return text.toUtf8().toStdString();
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

} // namespace

void PanelCodec::fill(PanelMessage* out, const Panel& panel)
{
    fill(out, panel.getPanelBaseData());
}

void PanelCodec::fill(PanelMessage* out, const PanelBaseData& data)
{
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

PanelCodec::Records PanelCodec::recordsFrom(const PanelMessage& in)
{
    Records records;
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

Panel* PanelCodec::panelFrom(int number, const PanelMessage& in, const Records& records)
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
