#pragma once

#include <vector>

class RibDefinition;
class Vector3D;

// Copies the front of the outline, from which the leading-edge building
// template is drawn.
class RibModifierLETemplate
{
public:
    RibModifierLETemplate() = default;
    virtual ~RibModifierLETemplate() = default;

    void apply(RibDefinition& rib, float scale);
    // The same, refilling the points of spare (the template of the last
    // build) before making new ones; spare is left empty.
    void apply(RibDefinition& rib, float scale, std::vector<Vector3D*>& spare);
};
