#include "views/PanelDisplayLists.h"

#include <algorithm>
#include <cstring>
#include <qopengl.h>

#include "foundation/GLUtils.h"
#include "model/CoveringDefinition.h"
#include "model/PlaneVisualisationOptions.h"
#include "model/RibCombData.h"
#include "model/RibCombList.h"
#include "model/SheetingStripDefinition.h"
#include "model/SheetingStripList.h"
#include "model/SparDefinition.h"
#include "model/SparList.h"

namespace {

// FNV-1a over the values that decide what a list draws.
class Key
{
public:
    template <class T>
    Key& operator<<(T value)
    {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char byte : bytes) {
            hash ^= byte;
            hash *= 1099511628211ull;
        }
        return *this;
    }
    std::uint64_t value() const { return hash; }

private:
    std::uint64_t hash = 14695981039346656037ull;
};

} // namespace

PanelDisplayLists::Replay::Replay(const PanelDisplayLists& lists, int side, MarkValues& marks)
    : lists(lists)
    , side(side)
    , marks(marks)
{
}

void PanelDisplayLists::Replay::drawPiece(PanelDrawing::Piece piece)
{
    if (piece == PanelDrawing::CombsPiece && lists.combMarks > 0) {
        const size_t first = size_t(lists.firstCombMark);
        const size_t end = first + size_t(lists.combMarks);
        const size_t values = size_t(lists.markValues);
        // A list that ran out of values cleared the buffer itself and went
        // on from 1.
        const bool wraps = end - 1 > values;
        makeRoom(first, wraps ? values : end - 1);
        glCallList(lists.pieceList(side, piece));
        if (wraps)
            marks.reset();
        const size_t last = wraps ? (end - 2) % values + 1 : end - 1;
        for (size_t value = wraps ? 1 : first; value <= last; ++value)
            marks.set(value);
        return;
    }
    glCallList(lists.pieceList(side, piece));
}

void PanelDisplayLists::Replay::drawRib(size_t index)
{
    const size_t value = static_cast<size_t>(lists.markValue[index]);
    makeRoom(value, value);
    marks.set(value);
    glCallList(lists.ribList(side, index));
}

// Clears the buffer when a mark of a value from first to last lies in it.
void PanelDisplayLists::Replay::makeRoom(size_t first, size_t last)
{
    for (size_t value = first; value <= last && value < marks.size(); ++value) {
        if (marks.test(value)) {
            glClear(GL_STENCIL_BUFFER_BIT);
            marks.reset();
            return;
        }
    }
}

bool PanelDisplayLists::isCurrent(const PanelDrawing::Scene& scene, const PlaneVisualisationOptions& options) const
{
    if (!held || scene.ribs.size() != heldRibs.size() || colourKey(options) != recordedColours ||
        shapeKey(scene) != recordedShapes)
        return false;
    for (size_t index = 0; index < heldRibs.size(); ++index)
        if (!ribIsCurrent(index, *scene.ribs[index]))
            return false;
    return true;
}

void PanelDisplayLists::remember(const PanelDrawing::Scene& scene, const PlaneVisualisationOptions& options)
{
    releaseLists();
    hold(scene, options);
}

void PanelDisplayLists::hold(const PanelDrawing::Scene& scene, const PlaneVisualisationOptions& options)
{
    const size_t ribs = scene.ribs.size();
    heldRibs.resize(ribs);
    for (size_t index = 0; index < ribs; ++index)
        heldRibs[index] = heldOf(*scene.ribs[index]);
    recordedColours = colourKey(options);
    recordedShapes = shapeKey(scene);
    held = true;
}

int PanelDisplayLists::prepare(const PanelDrawing::Scene& scene, const PlaneVisualisationOptions& options,
                               int& nextMark)
{
    const size_t ribs = scene.ribs.size();
    if (firstList == 0 || ribs != heldRibs.size()) {
        release();
        listsPerSide = ribs + PanelDrawing::PieceCount;
        firstList = glGenLists(static_cast<GLsizei>(2 * listsPerSide));
        if (firstList == 0)
            return 0;
        recorded.assign(2 * listsPerSide, false);
        heldRibs.assign(ribs, HeldRib());
        markValue.assign(ribs, 1);
        recordedColours = 0;
        recordedShapes = 0;
    }
    held = true;

    const std::uint64_t colours = colourKey(options);
    const std::uint64_t shapes = shapeKey(scene);
    if (colours != recordedColours)
        recorded.assign(recorded.size(), false);
    bool piecesChanged = colours != recordedColours || shapes != recordedShapes;
    recordedColours = colours;
    recordedShapes = shapes;
    for (size_t index = 0; index < ribs; ++index) {
        const RibDefinition& rib = *scene.ribs[index];
        if (ribIsCurrent(index, rib))
            continue;
        heldRibs[index] = heldOf(rib);
        for (const int side : {1, -1})
            recorded[ribSlot(side, index)] = false;
        piecesChanged = true;
    }
    if (piecesChanged)
        for (const int side : {1, -1})
            for (int piece = 0; piece < PanelDrawing::PieceCount; ++piece)
                recorded[pieceSlot(side, PanelDrawing::Piece(piece))] = false;

    int count = 0;
    const int values = GLUtils::stencilMarkValues();
    // Panels drawn one after the other mark with values that follow on, so
    // that the buffer is cleared only when the values run out.
    const auto after = [values](int value, size_t steps) {
        return int((size_t(value) - 1 + steps) % size_t(values)) + 1;
    };
    nextMark = std::max(1, std::min(nextMark, values));
    for (const int side : {1, -1}) {
        if (options.getShowRibs()) {
            for (size_t index = 0; index < ribs; ++index) {
                if (recorded[ribSlot(side, index)])
                    continue;
                // Each rib of a panel marks with a value of its own, so a
                // panel's ribs drawn one after the other need no clear.
                markValue[index] = after(nextMark, index);
                GLUtils::continueStencilMarksAt(markValue[index]);
                glNewList(ribList(side, index), GL_COMPILE);
                scene.ribs[index]->visualize(options, static_cast<float>(side));
                glEndList();
                recorded[ribSlot(side, index)] = true;
                ++count;
            }
        }
        for (int which = 0; which < PanelDrawing::PieceCount; ++which) {
            const auto piece = PanelDrawing::Piece(which);
            if (recorded[pieceSlot(side, piece)] || !PanelDrawing::shows(scene, piece, options))
                continue;
            if (piece == PanelDrawing::CombsPiece)
                firstCombMark = after(nextMark, ribs);
            GLUtils::continueStencilMarksAt(firstCombMark);
            const long marksBefore = GLUtils::stencilMarksTaken();
            glNewList(pieceList(side, piece), GL_COMPILE);
            PanelDrawing::drawPiece(scene, piece, options, side);
            glEndList();
            if (piece == PanelDrawing::CombsPiece)
                combMarks = GLUtils::stencilMarksTaken() - marksBefore;
            recorded[pieceSlot(side, piece)] = true;
            ++count;
        }
    }
    GLUtils::forgetStencilMarks();
    markValues = values;
    nextMark = after(ribs > 0 ? markValue.back() : nextMark, ribs > 0 ? 1 : 0);
    if (recorded[pieceSlot(1, PanelDrawing::CombsPiece)] && combMarks > 0)
        nextMark = after(firstCombMark, size_t(combMarks));
    return count;
}

void PanelDisplayLists::draw(const PanelDrawing::Scene& scene, const PlaneVisualisationOptions& options, int side,
                             MarkValues& marks)
{
    Replay replay(*this, side, marks);
    PanelDrawing::drawPanel(scene, options, side, &replay);
}

void PanelDisplayLists::release()
{
    releaseLists();
    abandon();
}

void PanelDisplayLists::releaseLists()
{
    if (firstList != 0)
        glDeleteLists(firstList, static_cast<GLsizei>(2 * listsPerSide));
    firstList = 0;
    listsPerSide = 0;
    recorded.clear();
    markValue.clear();
}

void PanelDisplayLists::abandon()
{
    firstList = 0;
    listsPerSide = 0;
    recorded.clear();
    markValue.clear();
    heldRibs.clear();
    held = false;
}

std::uint64_t PanelDisplayLists::colourKey(const PlaneVisualisationOptions& options)
{
    Key key;
    key << options.getTransparency() << GLUtils::greyMode;
    return key.value();
}

std::uint64_t PanelDisplayLists::shapeKey(const PanelDrawing::Scene& scene)
{
    Key key;
    key << scene.reference;
    if (scene.spars)
        for (const SparDefinition& spar : scene.spars->getSpars()) {
            key << int(spar.getType()) << spar.getFirstRib() << spar.getLastRib() << spar.isSelected()
                << spar.getRoundSparId() << spar.getTubeId() << spar.getCubeSparId() << spar.getCubeTubeId()
                << spar.getWebbingId() << spar.getSquareSparTop() << spar.getSquareSparBottom()
                << int(spar.getSquareWebbingType());
            for (int index = 0; index < 2; ++index)
                key << spar.getSquareSparId(index) << spar.getSquareWebbingId(index);
        }
    key << -1;
    if (scene.combs)
        for (const RibCombData& comb : scene.combs->getCombs())
            key << comb.getType() << comb.getFirstRib() << comb.getLastRib() << comb.isSelected()
                << comb.getFirstPartId() << comb.getSecondPartId() << comb.getThirdPartId() << comb.getWidth()
                << comb.getSlitAdjust() << comb.getGapNeedle();
    key << -1;
    if (scene.covering)
        key << int(scene.covering->getSheetingType());
    if (scene.strips)
        for (const SheetingStripDefinition& strip : scene.strips->getStrips())
            key << strip.getUpper() << strip.getLower() << strip.getId(0) << strip.getId(1) << strip.getFirstRib()
                << strip.getLastRib() << strip.getCapStrip() << strip.isSelected();
    return key.value();
}

PanelDisplayLists::HeldRib PanelDisplayLists::heldOf(const RibDefinition& rib)
{
    HeldRib held;
    held.geometry = rib.geometryToken();
    // A rib holds its own block: the token lapses only once the rib has none.
    held.withGeometry = !held.geometry.expired();
    held.scaledThickness = rib.scaledThickness;
    held.position = rib.position;
    held.selected = rib.isSelected();
    return held;
}

bool PanelDisplayLists::ribIsCurrent(size_t index, const RibDefinition& rib) const
{
    const HeldRib& held = heldRibs[index];
    const std::weak_ptr<const RibGeometry> geometry = rib.geometryToken();
    const bool withGeometry = !geometry.expired();
    // The token keeps the block's bookkeeping, so a new block never takes
    // its place and compares equal by mistake.
    const bool sameGeometry = withGeometry == held.withGeometry &&
                              (!withGeometry || (!held.geometry.owner_before(geometry) &&
                                                 !geometry.owner_before(held.geometry)));
    return sameGeometry && held.scaledThickness == rib.scaledThickness && held.selected == rib.isSelected() &&
           held.position == rib.position;
}

size_t PanelDisplayLists::ribSlot(int side, size_t index) const
{
    return (side > 0 ? 0 : listsPerSide) + index;
}

size_t PanelDisplayLists::pieceSlot(int side, PanelDrawing::Piece piece) const
{
    return (side > 0 ? 0 : listsPerSide) + heldRibs.size() + static_cast<size_t>(piece);
}

unsigned int PanelDisplayLists::ribList(int side, size_t index) const
{
    return firstList + static_cast<unsigned int>(ribSlot(side, index));
}

unsigned int PanelDisplayLists::pieceList(int side, PanelDrawing::Piece piece) const
{
    return firstList + static_cast<unsigned int>(pieceSlot(side, piece));
}
