// The web addresses the menu opens: the project's home page (the main page's badge, replaced
// through the environment, see the README) and the world high-score table.
#pragma once

#include <string>

// Written into the exit screen's links by the data generator. The world table's link stands
// for the table page of the score service this run uses.
inline constexpr char DefaultHomePage[] = "https://kestrova.example.org/";
inline constexpr char DefaultWorldTable[] = "https://kestrova.example.org/scores/";

std::string HomePageAddress();   // KESTROVA_HOME_PAGE, else DefaultHomePage
std::string WorldTableAddress(); // the table page of ScoreServiceBase
// What an exit-screen link opens: DefaultWorldTable becomes WorldTableAddress().
std::string LinkAddress(const std::string& link);
