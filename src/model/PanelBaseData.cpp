#include "model/PanelBaseData.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <initializer_list>
#include <iostream>
#include <iterator>
#include <list>
#include <memory>
#include <new>
#include <stdexcept>
#include <vector>

#include "airfoils/WingFoils.h"
#include "foundation/ConcurrentWork.h"
#include "foundation/Mathematics.h"
#include "foundation/MemoryReserve.h"
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
#include "model/SparePoints.h"

namespace {

// The 1-based number of the spar whose slot has this part id; 0 for none.
int sparOfSlot(const SparList& spars, int slotId)
{
    int number = 0;
    for (const SparDefinition& spar : spars.getSpars()) {
        ++number;
        if (spar.getSquareSparId(0) == slotId || spar.getSquareSparId(1) == slotId)
            return number;
    }
    return 0;
}

// Room for a panel's connection lists and for the allocator to fetch it
// in its smallest step beyond the heap (a megabyte mapped on its own).
constexpr std::size_t roomToWatch = 2 * 1024 * 1024;

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

// One spar as the pipeline cuts it into its ribs. The modifier lives as
// long as the cut: a joiner keeps what it finds at its first rib for the
// ribs after it.
struct SparCut {
    SparDefinition spar;
    std::unique_ptr<RibModifierSparBase> modifier;
    // The end ribs themselves, not copies: the modifiers read their scalars,
    // which cutting leaves alone, and a joiner reads an end rib's outline
    // only while that rib is still to be cut.
    const RibDefinition* firstRef = nullptr;
    const RibDefinition* lastRef = nullptr;
    bool rootSpar = false;
    float tilt = 0.0f;
    float middle = 0.0f;
    bool joiner = false;
};

// The usable spars of the kinds in typeMasks, mask by mask and in list order
// within a mask: the order in which they are cut into every rib. rootTilt is
// the sine of the tilt of joiners from the wing root.
std::vector<SparCut> cutsOfSpars(const SparList& spars, std::initializer_list<int> typeMasks,
                                 std::list<RibDefinition>& ribs, float rootTilt)
{
    std::vector<SparCut> cuts;
    const int n = int(ribs.size());
    for (int typeMask : typeMasks) {
        for (const SparDefinition& spar : spars.getSpars()) {
            const int type = static_cast<int>(spar.getType());
            if (type < 0 || type > 5 || (sparTypeBits[type] & typeMask) == 0)
                continue;
            if (!ribRangeUsable(spar.getFirstRib(), spar.getLastRib(), n))
                continue;
            std::unique_ptr<RibModifierSparBase> modifier = makeSparModifier(spar.getType());
            if (!modifier)
                continue;
            SparCut cut{spar, std::move(modifier)};
            cut.firstRef = &*std::next(ribs.begin(), std::min(spar.getFirstRib(), n) - 1);
            cut.lastRef = &*std::next(ribs.begin(), std::min(spar.getLastRib(), n) - 1);
            cut.rootSpar = cut.firstRef->position == 0.0f;
            cut.tilt = cut.rootSpar ? rootTilt : 0.0f;
            cut.middle = (cut.firstRef->position + cut.lastRef->position) / 2.0f;
            cut.joiner = spar.getType() == SparType::Tube || spar.getType() == SparType::CubeTube;
            cuts.push_back(std::move(cut));
        }
    }
    return cuts;
}

// A joiner placed by its last rib reads that rib's outline, as the cuts
// before it left it, at its first rib: such a cut needs every rib cut by
// the spars before it first.
bool readsAhead(const SparCut& cut)
{
    return cut.joiner && !cut.rootSpar && cut.firstRef != cut.lastRef;
}

// Cuts the spar into rib k of n (1-based) when it spans that rib.
void cutSpar(SparCut& cut, RibDefinition& rib, int k, int n, float wingRootChord, float sweepPerLength)
{
    const SparDefinition& spar = cut.spar;
    if (k < spar.getFirstRib() || k > spar.getLastRib())
        return;
    // A joiner from the wing root is tilted about its middle.
    float joinerOffsetY = 0.0f;
    if (cut.joiner && cut.rootSpar && wingRootChord != 0.0f)
        joinerOffsetY = (rib.position - cut.middle) * cut.tilt / wingRootChord;
    cut.modifier->apply(rib, k, spar, cut.firstRef->getChord(), *cut.firstRef, *cut.lastRef, rib, joinerOffsetY,
                        wingRootChord, k == n, sweepPerLength, spar.getLastRib() == n);
}

// The lowest and highest outline point of the ribs added.
class HeightRange
{
public:
    void add(const RibDefinition& rib)
    {
        for (const Vector3D* p : rib.getRibCoords()) {
            minY = std::min(minY, p->getY());
            maxY = std::max(maxY, p->getY());
            anyPoint = true;
        }
    }
    // In mm.
    void get(float& lowest, float& highest, float wingRootChord) const
    {
        // Without a single outline point (no ribs, or no airfoil to blend)
        // there is no range; the float limits must not reach printing or DXF.
        if (!anyPoint) {
            lowest = 0.0f;
            highest = 0.0f;
            return;
        }
        lowest = minY * wingRootChord;
        highest = maxY * wingRootChord;
    }

private:
    float minY = FLT_MAX;
    float maxY = -FLT_MAX;
    bool anyPoint = false;
};

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
    // A worker's panel is watched once it has reached the GUI thread. Here
    // the reserve is what it is kept for: without it the connections might
    // find no memory where they cannot say so.
    if (!ConcurrentWork::inPiece()) {
        if (!MemoryReserve::hasRoomFor(roomToWatch))
            MemoryReserve::release();
        watchTableModels();
    }
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
                                  sparsTableModel.getSparList(), sheetingStripTableModel.getStripList(),
                                  this->sheeting, combListTableModel.getCombList());
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
    if (watched)
        return;
    if (!MemoryReserve::hasRoomFor(roomToWatch))
        throw std::bad_alloc();
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
    watched = true;
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
    // An unwatched panel may have been edited through its models unheard.
    if (!other.watched || other.editableElsewhere || !other.geometryCurrent
        || other.builtWingRootChord != rebuildScale() || other.builtAsFirstPanel != isFirstPanelOfPlane())
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
    ribListTableModel.setAirfoils(root, tip, other.rootAirfoilFactor, other.tipAirfoilFactor);
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
    ribListTableModel.setAirfoils(root, tip, rootAirfoilFactor, tipAirfoilFactor);
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

void PanelBaseData::keepAirfoilName(AirfoilType type, const QString& name)
{
    geometryChanged();
    if (static_cast<int>(type) == 0)
        airfoilName = name;
    else
        airfoilNameTip = name;
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

float PanelBaseData::rootJoinerTilt() const
{
    // Half the dihedral between the wing halves, in the first panel only.
    return isFirstPanelOfPlane() ? std::sin(Mathematics::degToRad(-dihedralAngle / 2.0f)) : 0.0f;
}

bool PanelBaseData::isFirstPanelOfPlane() const
{
    const int first = PlaneAccess::firstPanelId();
    return first < 0 || first == id;
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

    // Every pass that reads no other rib's outline takes a rib through in
    // turn before the next rib is started, in the order the passes have on
    // each rib. The points of a long panel do not fit in the cache, and a
    // pass over the whole panel at a time fetched all of them from memory
    // again for each pass.
    RibList::BaseShape baseShape(ribList, wingRootChord, length, rootChord, tipChord, sweep, topAlign, bottomAlign,
                                 rootAirfoilFactor, tipAirfoilFactor);
    RibModifierLETemplate leTemplate;
    // The points of a rib's last template, on their way from its base shape
    // to its new template.
    SparePoints spareTemplate;

    switch (leData.getType()) {
    case 0:
    case 1:
    case 2:
    case 3:
    case 4:
        break;
    default:
        std::cout << "Implement this LE type at " << pipelineSignature << ", " << __LINE__ << ": "
                  << leData.getType() << std::endl;
        break;
    }
    const bool standardLE = leData.getType() == 1;
    RibModifierStandardLE standardLEModifier;

    bool standardTE = false;
    float teLimit = 0.0f;
    bool teAutoAdjust = false;
    switch (teData.getType()) {
    case 0:
        break;
    case 1:
        // The depth queries report unhandled edge types themselves; they are
        // asked once per rebuild rather than once per rib.
        standardTE = true;
        teLimit = leData.getDepth() + teData.getDepth();
        teAutoAdjust = teData.getStandardTEAutoAdjustDepth() && rootChord != 0.0f;
        break;
    default:
        std::cout << "Implement this TE type at " << pipelineSignature << ", " << __LINE__ << ": "
                  << teData.getType() << std::endl;
        break;
    }
    RibModifierStandardTE standardTEModifier;

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
    // Strips that name no rib are left out rather than cut from rib 0.
    const SheetingStripList* strips = &sheetingStrips;
    SheetingStripList usableStrips;
    float coveringFront = 0.0f;
    float coveringRear = 0.0f;
    bool autoAdjustRear = false;
    if (covering) {
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
        coveringFront = leData.getDepth();
        coveringRear = teData.getDepth();
        autoAdjustRear = teData.getTeAutoAdjustDept() && rootChord != 0.0f;
    }

    // By kind, not in list order: round holes and joiners are placed on the
    // outline before any slot or webbing changes it.
    std::vector<SparCut> sparCuts = cutsOfSpars(spars, {2, 8, 16, 32, 5}, ribs, rootJoinerTilt());
    const bool sparsRibByRib = std::none_of(sparCuts.begin(), sparCuts.end(), readsAhead);
    const float sweepPerLength = length != 0.0f ? sweep / length : 0.0f;
    RibList::Twist twist(tipTwist, length);
    HeightRange heights;

    struct CombCut {
        const RibCombData* comb;
        const RibDefinition* firstRib;
        const RibDefinition* lastRib;
    };
    std::vector<CombCut> combCuts;
    for (const RibCombData& comb : combs.getCombs()) {
        bool foundFirst = false;
        bool foundLast = false;
        const RibDefinition* firstRib = ribList.getRib(comb.getFirstRib(), foundFirst);
        const RibDefinition* lastRib = ribList.getRib(comb.getLastRib(), foundLast);
        if (foundFirst && foundLast && firstRib != nullptr && lastRib != nullptr)
            combCuts.push_back({&comb, firstRib, lastRib});
    }
    const RibModifierComb combModifier;
    // The combs and the finish come last on a rib. A comb that reaches to
    // the building tab line needs the height range of the whole panel: when
    // the ribs are cut in one walk, its body waits for the range.
    std::vector<RibModifierComb::PendingBody> pendingBodies;
    const auto cutCombsAndFinish = [&](RibDefinition& rib, int k, std::vector<RibModifierComb::PendingBody>* pending) {
        for (const CombCut& cut : combCuts) {
            const RibCombData& comb = *cut.comb;
            if (k < comb.getFirstRib() || k > comb.getLastRib())
                continue;
            combModifier.apply(rib, k, comb, cut.firstRib->getChord(), *cut.firstRib, *cut.lastRib, ribMaxY + 5.5f,
                               ribMinY - 5.5f, wingRootChord, k == n, comb.getLastRib() == n, pending);
        }
        RibList::finishRib(rib, wingRootChord);
        if (rib.partingSlotId() != 0)
            rib.setPartingSpar(sparOfSlot(spars, rib.partingSlotId()));
    };

    int k = 1;
    for (auto it = ribs.begin(); it != ribs.end(); ++it, ++k) {
        // A panel built for a document that is no longer wanted stops here,
        // so that one heavy panel does not hold up a Cancel.
        ConcurrentWork::stepDone();
        RibDefinition& rib = *it;
        const auto next = std::next(it);
        baseShape.apply(rib, next == ribs.end(), &spareTemplate.points);
        leTemplate.apply(rib, wingRootChord, spareTemplate.points);
        if (standardLE)
            standardLEModifier.apply(rib, leData, wingRootChord);
        if (standardTE && rib.getChord() > teLimit) {
            const float depthFactor = teAutoAdjust ? rib.getChord() / rootChord : 1.0f;
            standardTEModifier.apply(rib, teData, depthFactor, wingRootChord);
        }
        if (covering) {
            const float rearLimit = autoAdjustRear ? coveringRear * rib.getChord() / rootChord : coveringRear;
            covering->apply(rib, k, coveringFront, rearLimit, sheeting, *strips, wingRootChord, ribListTableModel);
        }
        if (sparsRibByRib) {
            for (SparCut& cut : sparCuts)
                cutSpar(cut, rib, k, n, wingRootChord, sweepPerLength);
            twist.apply(rib, next != ribs.end() ? &*next : nullptr);
            heights.add(rib);
            cutCombsAndFinish(rib, k, &pendingBodies);
        }
    }
    if (!sparsRibByRib) {
        for (SparCut& cut : sparCuts) {
            ConcurrentWork::stepDone();
            k = 1;
            for (RibDefinition& rib : ribs)
                cutSpar(cut, rib, k++, n, wingRootChord, sweepPerLength);
        }
        for (auto it = ribs.begin(); it != ribs.end(); ++it) {
            const auto next = std::next(it);
            twist.apply(*it, next != ribs.end() ? &*next : nullptr);
            heights.add(*it);
        }
    }
    heights.get(ribMinY, ribMaxY, wingRootChord);

    if (sparsRibByRib) {
        for (const RibModifierComb::PendingBody& body : pendingBodies)
            RibModifierComb::finishBody(body, ribMaxY + 5.5f, ribMinY - 5.5f);
    } else {
        k = 1;
        for (RibDefinition& rib : ribs)
            cutCombsAndFinish(rib, k++, nullptr);
    }
}

void PanelBaseData::applySparsToRibs(const SparList& spars, int typeMask)
{
    geometryChanged();
    const float wingRootChord = rebuildScale();
    const int n = ribListTableModel.getRibList().getRibCount();
    const float sweepPerLength = length != 0.0f ? sweep / length : 0.0f;
    auto& ribs = ribListTableModel.getRibList().getRibs();
    for (SparCut& cut : cutsOfSpars(spars, {typeMask}, ribs, rootJoinerTilt())) {
        int k = 1;
        for (RibDefinition& rib : ribs)
            cutSpar(cut, rib, k++, n, wingRootChord, sweepPerLength);
    }
}

void PanelBaseData::calculateRibHeightRange(float& minY, float& maxY) const
{
    HeightRange heights;
    for (const RibDefinition& rib : getRibList().getRibs())
        heights.add(rib);
    heights.get(minY, maxY, rebuildScale());
}

float PanelBaseData::getRibHeightRange(float& minY, float& maxY) const
{
    calculateRibHeightRange(minY, maxY);
    return maxY - minY;
}

void PanelBaseData::rebuildRibs()
{
    const float wingRootChord = rebuildScale();
    applyModificationsToPanelRibs(wingRootChord, length, rootChord, tipChord, tipTwist, sweep, topAlign,
                                  bottomAlign, dontAlign, rootAirfoilFactor, tipAirfoilFactor, leData, teData,
                                  sparsTableModel.getSparList(), sheetingStripTableModel.getStripList(), sheeting,
                                  combListTableModel.getCombList());
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
    referenceHandedOut();
    return ribListTableModel.getRibList();
}

const RibList& PanelBaseData::getRibList() const
{
    return ribListTableModel.getRibList();
}

SparList& PanelBaseData::getSparList()
{
    referenceHandedOut();
    return sparsTableModel.getSparList();
}

const SparList& PanelBaseData::getSparList() const
{
    return sparsTableModel.getSparList();
}

SheetingStripList& PanelBaseData::getSheetingStripList()
{
    referenceHandedOut();
    return sheetingStripTableModel.getStripList();
}

const SheetingStripList& PanelBaseData::getSheetingStripList() const
{
    return sheetingStripTableModel.getStripList();
}

RibCombList& PanelBaseData::getCombList()
{
    referenceHandedOut();
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
    referenceHandedOut();
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
    const int ribCount = ribListTableModel.getRibList().getRibCount();
    sparsTableModel.getSparList().getEditableSpars().remove_if(
        [ribCount](const SparDefinition& spar) { return spar.getLastRib() != ribCount; });
}

void PanelBaseData::removeSheetingStripsNotReachingTipRib()
{
    geometryChanged();
    const int ribCount = ribListTableModel.getRibList().getRibCount();
    sheetingStripTableModel.getStripList().getStrips().remove_if(
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
    const RibList& ribs = ribListTableModel.getRibList();
    const int ribCount = ribs.getRibCount();
    for (SparDefinition& spar : sparsTableModel.getSparList().getEditableSpars()) {
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
    const RibList& ribs = ribListTableModel.getRibList();
    const int ribCount = ribs.getRibCount();
    for (SheetingStripDefinition& strip : sheetingStripTableModel.getStripList().getStrips()) {
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
