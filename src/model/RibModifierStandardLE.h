#pragma once

class LEData;
class RibDefinition;

// Moves the front of the outline into the rib's leading-edge piece, which
// stands for the balsa leading edge glued in front of the rib.
class RibModifierStandardLE
{
public:
    RibModifierStandardLE() = default;
    virtual ~RibModifierStandardLE() = default;

    void apply(RibDefinition& rib, const LEData& le, float scale);
};
