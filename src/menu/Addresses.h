// The web addresses the menu opens: the project's home page (the main page's badge) and the
// world high-score table. Each can be replaced through the environment (see the README).
#pragma once

#include <string>

// Also written into the exit screen's links by the data generator.
inline constexpr char DefaultHomePage[] = "https://kestrova.example.org/";
inline constexpr char DefaultWorldTable[] = "https://kestrova.example.org/scores/";

std::string HomePageAddress();   // KESTROVA_HOME_PAGE, else DefaultHomePage
std::string WorldTableAddress(); // KESTROVA_WORLD_TABLE, else DefaultWorldTable
