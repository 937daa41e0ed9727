// Screenshots of the back buffer for tests and demos.
#pragma once

#include <string>

bool SaveScreenshot(const std::string& file, int width, int height);
