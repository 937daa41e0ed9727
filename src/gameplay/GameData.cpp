// Data paths.
#include "gameplay/GameData.h"

#include "app/Globals.h"

std::string GameDataPath(const std::string& relative) {
    return ProgramDir + relative;
}
