// The shared scene assets, empty until the game environment loads them.
#include "world/SceneAssets.h"

TSceneAssets SceneAssets;
