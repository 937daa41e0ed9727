// Full paths of the game's data files for the gameplay controllers.
#pragma once

#include <string>

// The program directory followed by `relative` ("Data\Textures\trasser.png").
std::string GameDataPath(const std::string& relative);
