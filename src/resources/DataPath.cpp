// The program directory and the full names of data files.
#include "resources/DataPath.h"

std::string ProgramDir;

std::string DataPath(const std::string& relative) {
    return ProgramDir + relative;
}
