#pragma once

#include "foundation/Vector3D.h"

#include <cstddef>
#include <vector>

// How deep a square spar's slot (or a facing pair of them, sunk alike) may
// be cut so that the rib keeps a web to the surface or slot floor across
// it: a builder expects one piece per rib, and a spar deeper than the rib
// is thick would cut it in two. The runs under the slots are read from the
// outline once and sunk anew for every share of the full depth asked about.
class SlotDepth
{
public:
    // One side's slot: the run of outline points its floor is made of and
    // how they sink into the rib.
    struct Side {
        bool cut = false;
        int from = 0;
        int to = 0;
        bool top = true;
        bool vertical = false;
        float edgeY = 0.0f;
        Vector3D normal;
    };

    // topLeast and bottomLeast, when not empty, hold for each point of a
    // run the depth it sinks at the least; they are read until the search
    // ends.
    SlotDepth(const std::vector<Vector3D*>& outline, const Side& top, const Side& bottom, float depth, float web,
              const std::vector<float>& topLeast, const std::vector<float>& bottomLeast);
    ~SlotDepth();
    SlotDepth(const SlotDepth&) = delete;
    SlotDepth& operator=(const SlotDepth&) = delete;

    // Whether share of the full depth leaves a web of at least web.
    bool fits(float share);
    // The share that leaves the web, to a millionth, where the full depth
    // does not.
    float halve();

    // The share of the full depth a slot or pair may be cut: 1 where the
    // full depth leaves enough (or neither side is cut).
    static float share(const std::vector<Vector3D*>& outline, const Side& top, const Side& bottom, float depth,
                       float web, const std::vector<float>& topLeast = {},
                       const std::vector<float>& bottomLeast = {});

private:
    struct Buffers;

    // Leaves out of the coming looks the points that come no closer than
    // the web at any share from low to high.
    void narrow(float low, float high);
    // Looks at every point again.
    void whole();
    void spanUncutSides();

    const float depth;
    const float web;
    const Side& top;
    const Side& bottom;
    const std::vector<float>& topLeast;
    const std::vector<float>& bottomLeast;
    Buffers* buffers = nullptr;
    std::size_t* used = nullptr;
    int thin = -1;
    // Below the least depth of every point, where each side sinks by its
    // least depths, no point moves: the floors and the answer are the same
    // for every share that sinks them no deeper.
    bool stillBelowLeast = false;
    float leastOfAll = 0.0f;
    int stillFits = -1;
};
