#include "foundation/SelectableObject.h"

SelectableObject::~SelectableObject() = default;
