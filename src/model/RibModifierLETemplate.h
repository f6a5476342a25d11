#pragma once

class RibDefinition;

// Copies the front of the outline, from which the leading-edge building
// template is drawn.
class RibModifierLETemplate
{
public:
    RibModifierLETemplate() = default;
    virtual ~RibModifierLETemplate() = default;

    void apply(RibDefinition& rib, float scale);
};
