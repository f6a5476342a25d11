#include "model/RibModifierCoveringBase.h"

RibModifierCoveringBase::~RibModifierCoveringBase() = default;
