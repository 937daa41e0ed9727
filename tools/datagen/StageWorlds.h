// Where each stage plays: its name, block set, weather and fog, in one table that the
// missions, the loading pictures and the stage names are all written from. Every stage plays
// by day; the name says what the block set and the weather show.
#pragma once

struct TStageWorld {
    const char* name;
    const char* blocks;  // block set under Data\Maps
    const char* weather; // W_NONE, W_RAIN, W_SNOW
    bool fog;
};

// clang-format off
inline constexpr TStageWorld kStageWorlds[] = {
    {"Green Valley",  "grass",  "W_NONE", false},
    {"Orchard Road",  "grass",  "W_NONE", false},
    {"Mill Town",     "city",   "W_NONE", false},
    {"Rain Belt",     "grass",  "W_RAIN", false},
    {"Cactus Flats",  "desert", "W_NONE", false},
    {"Harbour Fog",   "city",   "W_RAIN", true},
    {"Mesa Road",     "desert", "W_NONE", false},
    {"Snow Line",     "winter", "W_SNOW", false},
    {"Canal Street",  "city",   "W_NONE", false},
    {"Fog Marsh",     "grass",  "W_RAIN", true},
    {"Dust Bowl",     "desert", "W_NONE", false},
    {"Whiteout",      "winter", "W_SNOW", true},
    {"Storm Avenue",  "city",   "W_RAIN", false},
    {"Red Canyon",    "desert", "W_NONE", false},
    {"Frozen Pass",   "winter", "W_SNOW", false},
};
// clang-format on
