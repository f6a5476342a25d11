#include "views/CADSceneModel.h"

CADSceneModel::CADSceneModel() = default;

CADSceneModel::~CADSceneModel() = default;
