// Where the game's files are: every data file is named by the program directory followed by
// a relative path such as "Data\Textures\car_sh.png".
#pragma once

#include <string>

// Directory of the executable with its trailing separator.
extern std::string ProgramDir;

// ProgramDir + `relative`, the full name the archive and the loose files are looked up by.
std::string DataPath(const std::string& relative);
