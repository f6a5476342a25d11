#include "views/CADSceneEvent.h"

CADSceneEvent::~CADSceneEvent() = default;
