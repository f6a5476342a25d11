#include "model/PanelBaseData.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <iostream>
#include <iterator>
#include <memory>
#include <stdexcept>

#include "airfoils/WingFoils.h"
#include "foundation/Mathematics.h"
#include "foundation/Vertex.h"
#include "model/Panel.h"
#include "model/PlaneAccess.h"
#include "model/RibModifierComb.h"
#include "model/RibModifierCoveringAdvanced.h"
#include "model/RibModifierCoveringStandard.h"
#include "model/RibModifierCubeSpar.h"
#include "model/RibModifierCubeTube.h"
#include "model/RibModifierLETemplate.h"
#include "model/RibModifierRoundSpar.h"
#include "model/RibModifierSparWebbing.h"
#include "model/RibModifierSquareSpar.h"
#include "model/RibModifierStandardLE.h"
#include "model/RibModifierStandardTE.h"
#include "model/RibModifierTubeSpar.h"

namespace {

const char* const pipelineSignature =
    "void PanelBaseData::applyModificationsToPanelRibs(float, float, float, float, float, float, bool, bool, bool, "
    "float, float, const LEData&, const TEData&, const SparList&, const SheetingStripList&, "
    "const CoveringDefinition&, const RibCombList&)";

// Bit of each spar type (by type number) in the mask of applySparsToRibs.
const int sparTypeBits[6] = {2, 1, 4, 8, 16, 32};

std::unique_ptr<RibModifierSparBase> makeSparModifier(SparType type)
{
    switch (type) {
    case SparType::Round:
        return std::make_unique<RibModifierRoundSpar>();
    case SparType::Square:
        return std::make_unique<RibModifierSquareSpar>();
    case SparType::Webbing:
        return std::make_unique<RibModifierSparWebbing>();
    case SparType::Tube:
        return std::make_unique<RibModifierTubeSpar>();
    case SparType::Cube:
        return std::make_unique<RibModifierCubeSpar>();
    case SparType::CubeTube:
        return std::make_unique<RibModifierCubeTube>();
    default:
        return nullptr;
    }
}

// Documents from elsewhere may carry rib numbers that name no rib; such a
// record must never make the pipeline look up rib 0 or -1.
bool ribRangeUsable(int firstRib, int lastRib, int ribCount)
{
    return firstRib >= 1 && lastRib >= 1 && firstRib <= ribCount;
}

// Without an airfoil library (nothing loaded yet) no name resolves.
Airfoil* findAirfoil(const QString& name, bool useDefault)
{
    WingFoils* library = WingFoils::instance();
    return library != nullptr ? library->findAirfoil(name, useDefault) : nullptr;
}

} // namespace

PanelBaseData::PanelBaseData()
    : id(-1),
      length(0.0f),
      rootChord(0.0f),
      tipChord(0.0f),
      sweep(0.0f),
      tipTwist(0.0f),
      dihedralAngle(0.0f),
      topAlign(false),
      bottomAlign(false),
      dontAlign(true),
      ribThickness(0.0f),
      noOfRibs(0),
      specificWeightRib(150.0f),
      rootAirfoilFactor(1.0f),
      tipAirfoilFactor(1.0f),
      ribMinY(0.0f),
      ribMaxY(0.0f)
{
    watchTableModels();
}

PanelBaseData::PanelBaseData(int id, const QString& panelName, const QString& airfoilName,
                             const QString& airfoilNameTip, float rootChord, float tipChord, float sweep,
                             float length, float tipTwist, float dihedralAngle, bool topAlign, bool bottomAlign,
                             bool dontAlign, float ribThickness, int noOfRibs, float specificWeightRib,
                             float rootAirfoilFactor, float tipAirfoilFactor, const RibList* ribList,
                             const LEData& leData, const TEData& teData, const SparList& spars,
                             const SheetingStripList& sheetingStrips, const CoveringDefinition& sheeting,
                             const BuildingTabData& tabs, const RibCombList& combs)
    : PanelBaseData()
{
    this->id = id;
    this->panelName = panelName;
    this->airfoilName = airfoilName;
    this->airfoilNameTip = airfoilNameTip;
    this->length = length;
    this->rootChord = rootChord;
    this->tipChord = tipChord;
    this->sweep = sweep;
    this->tipTwist = tipTwist;
    this->dihedralAngle = dihedralAngle;
    this->topAlign = topAlign;
    this->bottomAlign = bottomAlign;
    this->dontAlign = dontAlign;
    this->ribThickness = ribThickness;
    this->noOfRibs = noOfRibs;
    this->specificWeightRib = specificWeightRib;
    this->rootAirfoilFactor = rootAirfoilFactor;
    this->tipAirfoilFactor = tipAirfoilFactor;

    // The rib count only gates the rib list: a given list is used as it is.
    if (noOfRibs > 1)
        generateRibs(ribList);

    const float wingRootChord = rebuildScale();
    ribListTableModel.setPanelLength(length);
    this->leData = leData;
    this->teData = teData;
    sparsTableModel.setSparList(spars);
    sheetingStripTableModel.setStripList(sheetingStrips);
    this->sheeting = sheeting;
    setBuildingTabData(tabs);
    combListTableModel.setCombList(combs);

    applyModificationsToPanelRibs(wingRootChord, length, rootChord, tipChord, tipTwist, sweep, topAlign, bottomAlign,
                                  dontAlign, rootAirfoilFactor, tipAirfoilFactor, this->leData, this->teData,
                                  getSparList(), getSheetingStripList(), this->sheeting, getCombList());
    geometryBuilt(wingRootChord);
}

PanelBaseData::PanelBaseData(const PanelBaseData& other) : PanelBaseData()
{
    const bool geometryCopied = copyFrom(other);
    ribListTableModel.setPanelLength(length);
    if (!geometryCopied) {
        ribMinY = 0.0f;
        ribMaxY = 0.0f;
        rebuildRibs();
    }
}

PanelBaseData& PanelBaseData::operator=(const PanelBaseData& other)
{
    // Copying from itself would clear the very ribs it copies.
    const bool geometryCopied = &other != this && copyFrom(other);
    ribListTableModel.setPanelLength(length);
    if (!geometryCopied)
        rebuildRibs();
    return *this;
}

PanelBaseData::~PanelBaseData() = default;

void PanelBaseData::watchTableModels()
{
    const auto changed = [this] { geometryChanged(); };
    for (QAbstractItemModel* model : std::initializer_list<QAbstractItemModel*>{
             &ribListTableModel, &sparsTableModel, &sheetingStripTableModel, &combListTableModel}) {
        QObject::connect(model, &QAbstractItemModel::dataChanged, changed);
        QObject::connect(model, &QAbstractItemModel::rowsInserted, changed);
        QObject::connect(model, &QAbstractItemModel::rowsRemoved, changed);
        QObject::connect(model, &QAbstractItemModel::rowsMoved, changed);
        QObject::connect(model, &QAbstractItemModel::modelReset, changed);
        QObject::connect(model, &QAbstractItemModel::layoutChanged, changed);
    }
}

void PanelBaseData::geometryBuilt(float wingRootChord)
{
    geometryCurrent = true;
    builtWingRootChord = wingRootChord;
    builtAsFirstPanel = isFirstPanelOfPlane();
}

// Expects this panel's values to be other's already. A rebuild here would
// start from the same ribs, airfoils, values and lists as other's last one;
// what else it reads (the wing root chord, whether the panel leads the
// plane) must be the same too.
bool PanelBaseData::canCopyGeometryOf(const PanelBaseData& other, const Airfoil* root, const Airfoil* tip) const
{
    if (!other.geometryCurrent || other.builtWingRootChord != rebuildScale()
        || other.builtAsFirstPanel != isFirstPanelOfPlane())
        return false;
    const auto& ribs = other.getRibList().getRibs();
    return std::all_of(ribs.begin(), ribs.end(), [&](const RibDefinition& rib) {
        return rib.getRootAirfoil() == root && rib.getTipAirfoil() == tip;
    });
}

bool PanelBaseData::copyFrom(const PanelBaseData& other)
{
    // Where the ribs are rebuilt, they may take the memory of the points
    // cleared here.
    Vertex::RecyclingScope recycling;
    ribListTableModel.clear();
    ribListTableModel.assign(other.getRibList());
    Airfoil* root = findAirfoil(other.airfoilName, true);
    Airfoil* tip = findAirfoil(other.airfoilNameTip, false);
    copyValues(other);

    if (canCopyGeometryOf(other, root, tip)) {
        // The ribs share other's geometry until either panel changes it.
        auto source = other.getRibList().getRibs().begin();
        for (RibDefinition& rib : ribListTableModel.getRibList().getRibs())
            rib.copyGeometryFrom(*source++);
        ribMinY = other.ribMinY;
        ribMaxY = other.ribMaxY;
        geometryBuilt(other.builtWingRootChord);
        return true;
    }
    ribListTableModel.setAirfoil(AirfoilType(0), root, other.rootAirfoilFactor, other.tipAirfoilFactor);
    ribListTableModel.setAirfoil(AirfoilType(1), tip, other.rootAirfoilFactor, other.tipAirfoilFactor);
    geometryChanged();
    return false;
}

void PanelBaseData::copyValues(const PanelBaseData& other)
{
    sparsTableModel.setSparList(other.getSparList());
    sheetingStripTableModel.setStripList(other.getSheetingStripList());
    combListTableModel.setCombList(other.getCombList());

    id = other.id;
    panelName = other.panelName;
    airfoilName = other.airfoilName;
    airfoilNameTip = other.airfoilNameTip;
    length = other.length;
    rootChord = other.rootChord;
    tipChord = other.tipChord;
    sweep = other.sweep;
    tipTwist = other.tipTwist;
    dihedralAngle = other.dihedralAngle;
    topAlign = other.topAlign;
    bottomAlign = other.bottomAlign;
    dontAlign = other.dontAlign;
    ribThickness = other.ribThickness;
    noOfRibs = other.noOfRibs;
    specificWeightRib = other.specificWeightRib;
    rootAirfoilFactor = other.rootAirfoilFactor;
    tipAirfoilFactor = other.tipAirfoilFactor;
    tabs = other.tabs;
    leData = other.leData;
    teData = other.teData;
    sheeting = other.sheeting;
}

void PanelBaseData::generateRibs(const RibList* ribList)
{
    geometryChanged();
    if (ribList == nullptr)
        ribListTableModel.generateRibs(length, noOfRibs, ribThickness);
    else
        ribListTableModel.assign(*ribList);
    Airfoil* root = findAirfoil(airfoilName, true);
    Airfoil* tip = findAirfoil(airfoilNameTip, false);
    ribListTableModel.setAirfoil(AirfoilType(0), root, rootAirfoilFactor, tipAirfoilFactor);
    ribListTableModel.setAirfoil(AirfoilType(1), tip, rootAirfoilFactor, tipAirfoilFactor);
}

QString PanelBaseData::getAirfoilName(AirfoilType type) const
{
    switch (static_cast<int>(type)) {
    case 0:
        return airfoilName;
    case 1:
        return airfoilNameTip;
    default:
        std::cout << "Unknown airfoil type in " << "QString PanelBaseData::getAirfoilName(AirfoilType) const"
                  << ": " << static_cast<int>(type) << std::endl;
        throw std::invalid_argument("Invalid argument");
    }
}

bool PanelBaseData::setAirfoilName(AirfoilType type, const QString& name)
{
    geometryChanged();
    const bool isRoot = static_cast<int>(type) == 0;
    if (findAirfoil(name, isRoot) == nullptr)
        return false;
    // The name as given, not the default airfoil's that may stand in for it.
    if (isRoot)
        airfoilName = name;
    else
        airfoilNameTip = name;
    return true;
}

float PanelBaseData::getWingRootChord() const
{
    if (PlaneAccess::panelCount() > 0)
        return PlaneAccess::rootChord();
    return rootChord;
}

float PanelBaseData::rebuildScale() const
{
    const float wingRootChord = getWingRootChord();
    return wingRootChord > 0.0f ? wingRootChord : rootChord;
}

bool PanelBaseData::isFirstPanelOfPlane() const
{
    if (PlaneAccess::panelCount() < 1)
        return true;
    const auto& panels = PlaneAccess::panels();
    return !panels.empty() && panels.front() != nullptr && panels.front()->getId() == id;
}

void PanelBaseData::applyModificationsToPanelRibs(float wingRootChord, float length, float rootChord,
                                                  float tipChord, float tipTwist, float sweep, bool topAlign,
                                                  bool bottomAlign, bool /*dontAlign*/, float rootAirfoilFactor,
                                                  float tipAirfoilFactor, const LEData& leData,
                                                  const TEData& teData, const SparList& spars,
                                                  const SheetingStripList& sheetingStrips,
                                                  const CoveringDefinition& sheeting, const RibCombList& combs)
{
    // The arguments need not be this panel's own values.
    geometryChanged();
    RibList& ribList = ribListTableModel.getRibList();
    auto& ribs = ribList.getRibs();
    const int n = ribList.getRibCount();
    if (n < 1)
        return;
    // The rebuild deletes the ribs' old points as it goes and makes about as
    // many new ones: let the new ones reuse that memory.
    Vertex::RecyclingScope recycling;

    ribList.applyBaseData(wingRootChord, length, rootChord, tipChord, sweep, topAlign, bottomAlign,
                          rootAirfoilFactor, tipAirfoilFactor);

    {
        RibModifierLETemplate leTemplate;
        for (RibDefinition& rib : ribs)
            leTemplate.apply(rib, wingRootChord);
    }

    switch (leData.getType()) {
    case 1: {
        RibModifierStandardLE standardLE;
        for (RibDefinition& rib : ribs)
            standardLE.apply(rib, leData, wingRootChord);
        break;
    }
    case 0:
    case 2:
    case 3:
    case 4:
        break;
    default:
        std::cout << "Implement this LE type at " << pipelineSignature << ", " << __LINE__ << ": "
                  << leData.getType() << std::endl;
        break;
    }

    switch (teData.getType()) {
    case 0:
        break;
    case 1: {
        // The depth queries report unhandled edge types themselves; they are
        // asked once per pass rather than once per rib.
        const float leDepth = leData.getDepth();
        const float teDepth = teData.getDepth();
        RibModifierStandardTE standardTE;
        const bool autoAdjust = teData.getStandardTEAutoAdjustDepth() && rootChord != 0.0f;
        for (RibDefinition& rib : ribs) {
            if (!(rib.getChord() > leDepth + teDepth))
                continue;
            const float depthFactor = autoAdjust ? rib.getChord() / rootChord : 1.0f;
            standardTE.apply(rib, teData, depthFactor, wingRootChord);
        }
        break;
    }
    default:
        std::cout << "Implement this TE type at " << pipelineSignature << ", " << __LINE__ << ": "
                  << teData.getType() << std::endl;
        break;
    }

    std::unique_ptr<RibModifierCoveringBase> covering;
    switch (static_cast<int>(sheeting.getSheetingType())) {
    case 1:
        covering = std::make_unique<RibModifierCoveringStandard>();
        break;
    case 2:
        covering = std::make_unique<RibModifierCoveringAdvanced>();
        break;
    default:
        break;
    }
    if (covering) {
        // Strips that name no rib are left out rather than cut from rib 0.
        const SheetingStripList* strips = &sheetingStrips;
        SheetingStripList usableStrips;
        const auto& allStrips = sheetingStrips.getStrips();
        if (std::any_of(allStrips.begin(), allStrips.end(), [n](const SheetingStripDefinition& s) {
                return !ribRangeUsable(s.getFirstRib(), s.getLastRib(), n);
            })) {
            for (const SheetingStripDefinition& strip : allStrips) {
                if (ribRangeUsable(strip.getFirstRib(), strip.getLastRib(), n))
                    usableStrips.append(strip);
            }
            strips = &usableStrips;
        }
        const float leDepth = leData.getDepth();
        const float teDepth = teData.getDepth();
        const bool autoAdjustRear = teData.getTeAutoAdjustDept() && rootChord != 0.0f;
        int k = 1;
        for (RibDefinition& rib : ribs) {
            const float rearLimit = autoAdjustRear ? teDepth * rib.getChord() / rootChord : teDepth;
            covering->apply(rib, k, leDepth, rearLimit, sheeting, *strips, wingRootChord, ribListTableModel);
            ++k;
        }
    }

    // By kind, not in list order: round holes and joiners are placed on the
    // outline before any slot or webbing changes it.
    for (int mask : {2, 8, 16, 32, 5})
        applySparsToRibs(spars, mask, wingRootChord);

    ribList.applyTwist(tipTwist, length);

    calculateRibHeightRange(ribMinY, ribMaxY, wingRootChord);

    applyCombsToRibs(combs, wingRootChord);

    ribList.finishRibs(wingRootChord);
}

void PanelBaseData::applySparsToRibs(const SparList& spars, int typeMask)
{
    geometryChanged();
    applySparsToRibs(spars, typeMask, rebuildScale());
}

void PanelBaseData::applySparsToRibs(const SparList& spars, int typeMask, float wingRootChord)
{
    RibList& ribList = ribListTableModel.getRibList();
    auto& ribs = ribList.getRibs();
    const int n = ribList.getRibCount();
    if (n < 1)
        return;
    const float sweepPerLength = length != 0.0f ? sweep / length : 0.0f;

    for (const SparDefinition& listed : spars.getSpars()) {
        const SparDefinition spar(listed);
        const int type = static_cast<int>(spar.getType());
        if (type < 0 || type > 5 || (sparTypeBits[type] & typeMask) == 0)
            continue;
        if (!ribRangeUsable(spar.getFirstRib(), spar.getLastRib(), n))
            continue;
        std::unique_ptr<RibModifierSparBase> modifier = makeSparModifier(spar.getType());
        if (!modifier)
            continue;

        // The end ribs themselves, not copies: the modifiers read their
        // scalars, which cutting leaves alone, and a joiner reads an end
        // rib's outline only while that rib is still to be cut.
        const RibDefinition& firstRef = *std::next(ribs.begin(), std::min(spar.getFirstRib(), n) - 1);
        const RibDefinition& lastRef = *std::next(ribs.begin(), std::min(spar.getLastRib(), n) - 1);
        const float firstRibChord = firstRef.getChord();

        // A joiner that starts at the wing root of the first panel is tilted
        // about its middle by half the dihedral between the wing halves.
        const bool rootSpar = firstRef.position == 0.0f;
        const float tilt = rootSpar && isFirstPanelOfPlane()
                               ? std::sin(Mathematics::degToRad(-dihedralAngle / 2.0f))
                               : 0.0f;
        const float middle = (firstRef.position + lastRef.position) / 2.0f;
        const bool joiner = spar.getType() == SparType::Tube || spar.getType() == SparType::CubeTube;

        int k = 1;
        for (RibDefinition& rib : ribs) {
            if (k >= spar.getFirstRib() && k <= spar.getLastRib()) {
                float joinerOffsetY = 0.0f;
                if (joiner && rootSpar && wingRootChord != 0.0f)
                    joinerOffsetY = (rib.position - middle) * tilt / wingRootChord;
                modifier->apply(rib, k, spar, firstRibChord, firstRef, lastRef, rib, joinerOffsetY, wingRootChord,
                                k == n, sweepPerLength, spar.getLastRib() == n);
            }
            ++k;
        }
    }
}

void PanelBaseData::calculateRibHeightRange(float& minY, float& maxY) const
{
    calculateRibHeightRange(minY, maxY, rebuildScale());
}

void PanelBaseData::calculateRibHeightRange(float& minY, float& maxY, float wingRootChord) const
{
    minY = FLT_MAX;
    maxY = -FLT_MAX;
    bool anyPoint = false;
    for (const RibDefinition& rib : getRibList().getRibs()) {
        for (const Vector3D* p : rib.getRibCoords()) {
            minY = std::min(minY, p->getY());
            maxY = std::max(maxY, p->getY());
            anyPoint = true;
        }
    }
    // Without a single outline point (no ribs, or no airfoil to blend) there
    // is no range; the float limits must not reach printing or DXF.
    if (!anyPoint) {
        minY = 0.0f;
        maxY = 0.0f;
        return;
    }
    minY *= wingRootChord;
    maxY *= wingRootChord;
}

float PanelBaseData::getRibHeightRange(float& minY, float& maxY) const
{
    calculateRibHeightRange(minY, maxY);
    return maxY - minY;
}

void PanelBaseData::applyCombsToRibs(const RibCombList& combs, float wingRootChord)
{
    RibList& ribList = ribListTableModel.getRibList();
    auto& ribs = ribList.getRibs();
    const int n = ribList.getRibCount();
    const RibModifierComb modifier;
    for (const RibCombData& comb : combs.getCombs()) {
        bool foundFirst = false;
        bool foundLast = false;
        const RibDefinition* firstRib = ribList.getRib(comb.getFirstRib(), foundFirst);
        const RibDefinition* lastRib = ribList.getRib(comb.getLastRib(), foundLast);
        if (!foundFirst || !foundLast || firstRib == nullptr || lastRib == nullptr)
            continue;
        const float firstRibChord = firstRib->getChord();
        int k = 1;
        for (auto it = ribs.begin(); it != ribs.end() && k <= comb.getLastRib(); ++it, ++k) {
            if (k < comb.getFirstRib())
                continue;
            modifier.apply(*it, k, comb, firstRibChord, *firstRib, *lastRib, ribMaxY + 5.5f, ribMinY - 5.5f,
                           wingRootChord, k == n, comb.getLastRib() == n);
        }
    }
}

void PanelBaseData::rebuildRibs()
{
    const float wingRootChord = rebuildScale();
    applyModificationsToPanelRibs(wingRootChord, length, rootChord, tipChord, tipTwist, sweep, topAlign,
                                  bottomAlign, dontAlign, rootAirfoilFactor, tipAirfoilFactor, leData, teData,
                                  getSparList(), getSheetingStripList(), sheeting, getCombList());
    geometryBuilt(wingRootChord);
}

void PanelBaseData::setBuildingTabData(const BuildingTabData& value)
{
    tabs.setDoUpper(value.getDoUpper());
    tabs.setDoLower(value.getDoLower());
    tabs.setOffsetLE(value.getOffsetLE());
    tabs.setOffsetTE(value.getOffsetTE());
    tabs.setWidth(value.getWidth());
}

void PanelBaseData::setCoveringDefinition(const CoveringDefinition& value)
{
    geometryChanged();
    sheeting = value;
}

RibList& PanelBaseData::getRibList()
{
    geometryChanged();
    return ribListTableModel.getRibList();
}

const RibList& PanelBaseData::getRibList() const
{
    return ribListTableModel.getRibList();
}

SparList& PanelBaseData::getSparList()
{
    geometryChanged();
    return sparsTableModel.getSparList();
}

const SparList& PanelBaseData::getSparList() const
{
    return sparsTableModel.getSparList();
}

SheetingStripList& PanelBaseData::getSheetingStripList()
{
    geometryChanged();
    return sheetingStripTableModel.getStripList();
}

const SheetingStripList& PanelBaseData::getSheetingStripList() const
{
    return sheetingStripTableModel.getStripList();
}

RibCombList& PanelBaseData::getCombList()
{
    geometryChanged();
    return combListTableModel.getCombList();
}

const RibCombList& PanelBaseData::getCombList() const
{
    return combListTableModel.getCombList();
}

void PanelBaseData::setRibList(const RibList& ribs)
{
    geometryChanged();
    ribListTableModel.clear();
    ribListTableModel.assign(ribs);
}

void PanelBaseData::setSparList(const SparList& spars)
{
    geometryChanged();
    sparsTableModel.setSparList(spars);
}

void PanelBaseData::setSheetingStripList(const SheetingStripList& strips)
{
    geometryChanged();
    sheetingStripTableModel.setStripList(strips);
}

void PanelBaseData::setCombList(const RibCombList& combs)
{
    geometryChanged();
    combListTableModel.setCombList(combs);
}

const SparDefinition* PanelBaseData::findSpar(int row, bool& found) const
{
    const SparDefinition& spar = sparsTableModel.findSpar(row, found);
    return found ? &spar : nullptr;
}

SparDefinition* PanelBaseData::findEditableSpar(int row, bool& found)
{
    geometryChanged();
    SparDefinition& spar = sparsTableModel.findEditableSpar(row, found);
    return found ? &spar : nullptr;
}

// ------------------------------------------------- plan measurements

bool PanelBaseData::getSparRealPositions(const SparDefinition& spar, float& zStart, float& xStart, float& zEnd,
                                         float& xEnd, float& widthStart, float& widthEnd) const
{
    bool foundFirst = false;
    bool foundLast = false;
    const RibDefinition* first = getRibList().getRib(spar.getFirstRib(), foundFirst);
    const RibDefinition* last = getRibList().getRib(spar.getLastRib(), foundLast);
    if (!foundFirst || !foundLast || !first || !last)
        return false;

    const float wingRootChord = getWingRootChord();
    zStart = first->position;
    zEnd = last->position + last->thickness;
    widthStart = widthEnd = spar.getTypeWidth();
    float position = 0.0f;
    if (!spar.isJoiner()) {
        spar.getRealPosition(position, 0, *first, true);
        xStart = position + first->getOffsetX() * wingRootChord;
        spar.getRealPosition(position, 1, *last, true);
        xEnd = position + last->getOffsetX() * wingRootChord;
        if (spar.getType() == SparType::Square && spar.getSquareSparAutoAdjustWidth() != 0.0f
            && first->getChord() != 0.0f)
            widthEnd = widthStart * last->getChord() / first->getChord();
    } else if (spar.getFirstRib() != 1) {
        // Joiners run straight from the panel's tip side.
        spar.getRealPosition(position, 0, *last, true);
        xStart = xEnd = position + sweep;
    } else {
        spar.getRealPosition(position, 0, *first, true);
        xStart = xEnd = position;
    }
    return true;
}

bool PanelBaseData::getCombRealPositions(const RibCombData& comb, float& zStart, float& xStart, float& zEnd,
                                         float& xEnd, float& width) const
{
    bool foundFirst = false;
    bool foundLast = false;
    const RibDefinition* first = getRibList().getRib(comb.getFirstRib(), foundFirst);
    const RibDefinition* last = getRibList().getRib(comb.getLastRib(), foundLast);
    if (!foundFirst || !foundLast || !first || !last)
        return false;

    const float wingRootChord = getWingRootChord();
    zStart = first->position;
    zEnd = last->position + last->thickness;
    width = comb.getWidth();
    float position = 0.0f;
    comb.getAbsolutePosition(position, 0, *first);
    xStart = position + first->getOffsetX() * wingRootChord;
    comb.getAbsolutePosition(position, 1, *last);
    xEnd = position + last->getOffsetX() * wingRootChord;
    return true;
}

// ------------------------------------ deriving a panel from its neighbour

void PanelBaseData::removeSparsNotReachingTipRib()
{
    geometryChanged();
    const int ribCount = getRibList().getRibCount();
    getSparList().getEditableSpars().remove_if(
        [ribCount](const SparDefinition& spar) { return spar.getLastRib() != ribCount; });
}

void PanelBaseData::removeSheetingStripsNotReachingTipRib()
{
    geometryChanged();
    const int ribCount = getRibList().getRibCount();
    getSheetingStripList().getStrips().remove_if(
        [ribCount](const SheetingStripDefinition& strip) { return strip.getLastRib() != ribCount; });
}

namespace {

// The rib that lies as far from the root as the old first and last ribs
// lay apart, so a moved spar or strip keeps its spanwise length.
template <typename Part>
void moveToRootRib(Part& part, const RibList& ribs)
{
    if (part.getFirstRib() == 1)
        return;
    bool foundFirst = false;
    bool foundLast = false;
    const RibDefinition* first = ribs.getRib(part.getFirstRib(), foundFirst);
    const RibDefinition* last = ribs.getRib(part.getLastRib(), foundLast);
    part.setFirstRib(1);
    if (foundFirst && foundLast && first && last)
        part.setLastRib(ribs.findRibIndex(last->position - first->position));
}

} // namespace

void PanelBaseData::mirrorSparsAtConnectionRib()
{
    geometryChanged();
    const RibList& ribs = getRibList();
    const int ribCount = ribs.getRibCount();
    for (SparDefinition& spar : getSparList().getEditableSpars()) {
        if (spar.getLastRib() != ribCount)
            continue;
        moveToRootRib(spar, ribs);
        // The spar continues from where it ended.
        if (spar.getSeparateLastPosition()) {
            spar.setPosition(0, spar.getPosition(1));
            spar.setPercentageSelected(0, spar.getPercentageSelected(1));
        }
        spar.setSparOffsetYStart(spar.getSparOffsetYEnd());
    }
}

void PanelBaseData::mirrorSheetingStripsAtConnectionRib()
{
    geometryChanged();
    const RibList& ribs = getRibList();
    const int ribCount = ribs.getRibCount();
    for (SheetingStripDefinition& strip : getSheetingStripList().getStrips()) {
        if (strip.getLastRib() != ribCount)
            continue;
        moveToRootRib(strip, ribs);
        if (strip.getSeparateLastPosition()) {
            strip.setPosition(0, strip.getPosition(1));
            strip.setPercentageSelected(0, strip.getPercentageSelected(1));
        }
        if (strip.getOffsetSeparateEnd()) {
            strip.setPosition(2, strip.getPosition(3));
            strip.setPercentageSelected(2, strip.getPercentageSelected(3));
        }
    }
}

void PanelBaseData::moveToThread(QThread* thread)
{
    for (QObject* model : std::initializer_list<QObject*>{&ribListTableModel, &sparsTableModel,
                                                          &sheetingStripTableModel, &combListTableModel})
        model->moveToThread(thread);
}
