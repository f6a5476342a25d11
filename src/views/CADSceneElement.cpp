#include "views/CADSceneElement.h"

CADSceneElement::~CADSceneElement() = default;
