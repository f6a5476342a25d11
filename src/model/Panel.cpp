#include "model/Panel.h"

#include "airfoils/Airfoil.h"
#include "airfoils/WingFoils.h"
#include "foundation/Mathematics.h"
#include "model/PanelDrawing.h"
#include "model/PlaneAccess.h"

#include <QCoreApplication>
#include <cmath>
#include <iostream>

namespace {

// Beyond the document's limits a value would make a plane that cannot be
// opened again once saved, and sums of such values overflow.
bool toNumber(const QVariant& value, float& number)
{
    bool ok = false;
    number = value.toFloat(&ok);
    return ok && std::isfinite(number) && std::fabs(number) <= PlaneAccess::maxPanelDimension;
}

} // namespace

Panel::Panel(const PanelBaseData& panelData)
    : data(panelData)
{
}

Panel::Panel(int id, const QString& panelName, const QString& airfoilName, const QString& airfoilNameTip,
             float rootChord, float tipChord, float sweep, float length, float tipTwist, float dihedralAngle,
             bool topAlign, bool bottomAlign, bool dontAlign, float ribThickness, int noOfRibs,
             float specificWeightRib, float rootAirfoilFactor, float tipAirfoilFactor, const RibList* ribList,
             const LEData& leData, const TEData& teData, const SparList& sparList,
             const SheetingStripList& stripList, const CoveringDefinition& covering,
             const BuildingTabData& tabs, const RibCombList& combList)
    : data(id, panelName, airfoilName, airfoilNameTip, rootChord, tipChord, sweep, length, tipTwist,
           dihedralAngle, topAlign, bottomAlign, dontAlign, ribThickness, noOfRibs, specificWeightRib,
           rootAirfoilFactor, tipAirfoilFactor, ribList, leData, teData, sparList, stripList, covering, tabs,
           combList)
{
}

Panel::~Panel() = default;

void Panel::setPanelBaseData(const PanelBaseData& newData)
{
    data = newData;
}

int Panel::getId() const { return data.getId(); }

QString Panel::getPanelName() const { return data.getPanelName(); }

bool Panel::setPanelName(const QString& name)
{
    if (name.isEmpty())
        return false;
    data.setPanelName(name);
    return true;
}

QString Panel::getAirfoilName(AirfoilType type) const { return data.getAirfoilName(type); }

bool Panel::setAirfoilName(AirfoilType type, const QString& name) { return data.setAirfoilName(type, name); }

float Panel::getLength(float angleDeg) const
{
    if (angleDeg == 0.0f)
        return data.getLength();
    return data.getLength() * std::cos(Mathematics::degToRad(angleDeg));
}

bool Panel::setLength(float length)
{
    if (!(length > 0.0f))
        return false;
    data.setLength(length);
    return true;
}

float Panel::getRootChord() const { return data.getRootChord(); }

bool Panel::setRootChord(float chord)
{
    if (!(chord > 0.0f))
        return false;
    data.setRootChord(chord);
    return true;
}

float Panel::getTipChord() const { return data.getTipChord(); }

bool Panel::setTipChord(float chord)
{
    if (!(chord > 0.0f))
        return false;
    data.setTipChord(chord);
    return true;
}

float Panel::getSweep() const { return data.getSweep(); }
bool Panel::setSweep(float sweep) { data.setSweep(sweep); return true; }
float Panel::getTipTwist() const { return data.getTipTwist(); }
bool Panel::setTipTwist(float twist) { data.setTipTwist(twist); return true; }
float Panel::getDihedralAngle() const { return data.getDihedralAngle(); }
bool Panel::setDihedralAngle(float angle) { data.setDihedralAngle(angle); return true; }
bool Panel::getTopAlign() const { return data.getTopAlign(); }
bool Panel::setTopAlign(bool on) { data.setTopAlign(on); return true; }
bool Panel::getBottomAlign() const { return data.getBottomAlign(); }
bool Panel::setBottomAlign(bool on) { data.setBottomAlign(on); return true; }
bool Panel::getDontAlign() const { return data.getDontAlign(); }
bool Panel::setDontAlign(bool on) { data.setDontAlign(on); return true; }
float Panel::getRootAirfoilFactor() const { return data.getRootAirfoilFactor(); }
bool Panel::setRootAirfoilFactor(float factor) { data.setRootAirfoilFactor(factor); return true; }
float Panel::getTipAirfoilFactor() const { return data.getTipAirfoilFactor(); }
bool Panel::setTipAirfoilFactor(float factor) { data.setTipAirfoilFactor(factor); return true; }
float Panel::getRibThickness() const { return data.getRibThickness(); }
int Panel::getNoOfRibs() const { return data.getNoOfRibs(); }
float Panel::getSpecificWeightRib() const { return data.getSpecificWeightRib(); }
float Panel::getWingRootChord() const { return data.getWingRootChord(); }

int Panel::getRibCount() const { return getRibList().getRibCount(); }
RibList& Panel::getRibList() { return data.getRibList(); }
const RibList& Panel::getRibList() const { return data.getRibList(); }
RibDefinition& Panel::getLastRib() { return getRibList().getLastRib(); }
RibListTableModel& Panel::getRibListTableModel() { return data.getRibListTableModel(); }

SparList& Panel::getSparList() { return data.getSparList(); }
const SparList& Panel::getSparList() const { return data.getSparList(); }
SparDefinition* Panel::findSpar(int position, bool& found) { return data.findEditableSpar(position, found); }
const SparDefinition* Panel::findSpar(int position, bool& found) const { return data.findSpar(position, found); }
SheetingStripList& Panel::getSheetingStripList() { return data.getSheetingStripList(); }
const SheetingStripList& Panel::getSheetingStripList() const
{
    return data.getSheetingStripList();
}
RibCombList& Panel::getCombList() { return data.getCombList(); }
const RibCombList& Panel::getCombList() const { return data.getCombList(); }

LEData& Panel::getLEData() { return data.getLEData(); }
const LEData& Panel::getLEData() const { return data.getLEData(); }
TEData& Panel::getTEData() { return data.getTEData(); }
const TEData& Panel::getTEData() const { return data.getTEData(); }
BuildingTabData& Panel::getBuildingTabData() { return data.getBuildingTabData(); }
const BuildingTabData& Panel::getBuildingTabData() const { return data.getBuildingTabData(); }

float Panel::getRibHeightRange(float& minY, float& maxY) const
{
    minY = data.getRibMinY();
    maxY = data.getRibMaxY();
    return maxY - minY;
}

float Panel::getArea(float angleDeg) const
{
    return (data.getRootChord() + data.getTipChord()) * 0.5f * getLength(angleDeg);
}

QVariant Panel::getCellData(int column) const
{
    switch (column) {
    case 0:
        return data.getPanelName();
    case 1: {
        const QString name = data.getAirfoilName(RootAirfoil);
        WingFoils* library = WingFoils::instance();
        // The section the ribs are cut from, which may carry more of its
        // name than an earlier build saved.
        if (const Airfoil* airfoil = library ? library->findAirfoil(name, false) : nullptr)
            return airfoil->getName();
        return name + QCoreApplication::translate("Panel", " (not found, defaulted to ")
               + QStringLiteral("CLARK Y AIRFOIL") + QLatin1Char(')');
    }
    case 2:
        return data.getLength();
    case 3:
        return data.getRootChord();
    case 4:
        return data.getTipChord();
    case 5:
        return data.getSweep();
    case 6:
        return data.getTipTwist();
    case 7:
        return data.getDihedralAngle();
    default:
        std::cout << "Unknown position in Panel::getCellData: " << column << std::endl;
        return QStringLiteral("?");
    }
}

bool Panel::setCellData(int column, const QVariant& value)
{
    float number = 0.0f;
    switch (column) {
    case 0:
        setPanelName(value.toString());
        return true;
    case 1:
        setAirfoilName(RootAirfoil, value.toString());
        return true;
    case 2:
        return toNumber(value, number) && setLength(number);
    case 3:
        return toNumber(value, number) && setRootChord(number);
    case 4:
        return toNumber(value, number) && setTipChord(number);
    case 5:
        return toNumber(value, number) && setSweep(number);
    case 6:
        return toNumber(value, number) && setTipTwist(number);
    case 7:
        return toNumber(value, number) && setDihedralAngle(number);
    default:
        std::cout << "Unknown position in Panel::setCellData: " << column << ", "
                  << value.toString().toStdString() << std::endl;
        return true;
    }
}

void Panel::visualize(const PlaneVisualisationOptions& options, int side) const
{
    PanelDrawing::drawPanel(PanelDrawing::sceneOf(*this), options, side);
}

void Panel::visualizeComb(const RibCombData& comb, const PlaneVisualisationOptions& options, int side) const
{
    PanelDrawing::drawComb(comb, PanelDrawing::sceneOf(*this).ribs, getWingRootChord(), options, side);
}
