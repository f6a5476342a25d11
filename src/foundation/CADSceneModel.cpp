#include "foundation/CADSceneModel.h"

CADSceneModel::CADSceneModel() = default;

CADSceneModel::~CADSceneModel() = default;
