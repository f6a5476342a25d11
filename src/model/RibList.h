#pragma once

#include <list>

#include "model/AirfoilType.h"
#include "model/RibDefinition.h"

class Airfoil;

// The ribs of one panel, root first. Ribs are numbered from 1 for the user.
// Copies of the list carry positions, thicknesses, chords and offsets but no
// geometry (see RibDefinition).
class RibList
{
public:
    RibList() = default;
    RibList(const RibList& other) = default;
    RibList& operator=(const RibList& other);
    ~RibList() = default;

    void assign(const RibList& other);
    void clear();
    void addRib(const RibDefinition& rib);

    std::list<RibDefinition>& getRibs() { return ribs; }
    const std::list<RibDefinition>& getRibs() const { return ribs; }

    // The list must not be empty; an empty one throws std::invalid_argument.
    RibDefinition& getFirstRib();
    const RibDefinition& getFirstRib() const;
    RibDefinition& getLastRib();
    const RibDefinition& getLastRib() const;

    int getRibCount() const;
    // number is 1-based; null and found == false when there is no such rib.
    RibDefinition* getRib(int number, bool& found);
    const RibDefinition* getRib(int number, bool& found) const;
    int findRibIndex(float position) const;

    void setAirfoil(float panelLength, AirfoilType type, Airfoil* airfoil, float rootFactor,
                    float tipFactor);
    // Both airfoils at once, each rib blended once.
    void setAirfoils(float panelLength, Airfoil* root, Airfoil* tip, float rootFactor, float tipFactor);
    void generateRibs(float length, int count, float thickness);
    void copyPositionsFrom(const RibList& other);

    void applyBaseData(float wingRootChord, float panelLength, float rootChord, float tipChord,
                       float sweep, bool topAlign, bool bottomAlign, float rootAirfoilFactor,
                       float tipAirfoilFactor);
    void applyTwist(float angle, float length);
    void finishRibs(float scale);

    // The three passes above one rib at a time, so that the panel pipeline
    // can take each rib through all of its passes while the rib's points are
    // still in the cache. Each is handed the ribs of one list root first,
    // every rib once.
    class BaseShape
    {
    public:
        // Every rib of ribs gets its chord and leading-edge x at once:
        // cutting a rib reads those of other ribs that may not be shaped yet.
        BaseShape(RibList& ribs, float wingRootChord, float panelLength, float rootChord, float tipChord,
                  float sweep, bool topAlign, bool bottomAlign, float rootAirfoilFactor, float tipAirfoilFactor);
        // With oldTemplate, the points of the rib's leading-edge template
        // from its last build are moved there (an empty list) for the new
        // template to refill, rather than deleted.
        void apply(RibDefinition& rib, bool last, std::vector<Vector3D*>* oldTemplate = nullptr);

    private:
        float chordAt(const RibDefinition& rib, bool last) const;
        float leadingEdgeXAt(const RibDefinition& rib, bool last) const;

        bool active;
        float r;
        float panelLength;
        float rootChord;
        float tipChord;
        float taperPerMm;
        float sweepPerMm;
        bool topAlign;
        bool bottomAlign;
        float rootAirfoilFactor;
        float tipAirfoilFactor;
        bool firstDone = false;
        bool firstHasOutline = false;
        float topY = 0.0f;
        float bottomY = 0.0f;
    };
    class Twist
    {
    public:
        Twist(float angle, float length);
        // next is the rib after rib, null for the last one.
        void apply(RibDefinition& rib, const RibDefinition* next);

    private:
        float degreesPerMm;
        float degrees = 0.0f;
    };
    static void finishRib(RibDefinition& rib, float scale);

private:
    std::list<RibDefinition> ribs;
};
