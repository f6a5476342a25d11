#pragma once

class RibDefinition;
class TEData;

// Moves the rear of the outline into the rib's trailing-edge piece.
class RibModifierStandardTE
{
public:
    RibModifierStandardTE() = default;
    virtual ~RibModifierStandardTE() = default;

    // depthFactor lets the depth follow the rib chord along a tapered panel.
    void apply(RibDefinition& rib, const TEData& te, float depthFactor, float scale);
};
