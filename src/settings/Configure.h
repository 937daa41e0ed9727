// The settings kept between runs in Config.cfg: display and sound, player profiles and the
// local high-score table.
#pragma once

#include <cstdint>
#include <string>

constexpr int MAX_PLAYERS = 6;
constexpr int HIGH_SCORE_COUNT = 10;

struct TGamePlayer {
    std::string Name;
    int32_t Score = 0; // total over the finished stages of the current game
    int32_t Stage = 0; // the stage to play next: 1 after "New Game", 16 after the last stage
    // Ammunition carried into the next stage.
    int32_t Shotgun = 0;
    int32_t Uzi = 0;
    int32_t Machinegun = 0;
    int32_t Bazooka = 0;
    int32_t Rockets = 0;
};

struct THighScore {
    std::string Name = "Anonymous";
    std::string Score = "0"; // a decimal integer
};

class TConfig {
public:
    // Chosen on the graphics page and applied by a restart; not stored.
    bool PendingFullScreen = false;
    int32_t PendingResolution = 0;

    int32_t Resolution = 0; // 0 800x600, 1 1024x768, 2 1280x1024, 3 desktop (also 4 320x200, 5 640x480)
    int32_t ColourDepth = 16;
    bool FullScreen = false;
    bool Shadows = false;
    bool Shaders = false;
    float Brightness = 0;    // alpha of the white overlay over every frame
    int32_t MusicVolume = 0; // 0..255
    int32_t SoundVolume = 0; // 0..255
    int32_t PlayerCount = 0; // 0..MAX_PLAYERS
    int32_t CurrentPlayer = 0;
    TGamePlayer Players[MAX_PLAYERS];        // entries at or above PlayerCount are free
    THighScore HighScores[HIGH_SCORE_COUNT]; // best first

    // Takes every stored value, or none: a foreign version, a truncated file, a number that
    // does not convert or an impossible profile count or index leaves all fields as they
    // were. True when the values were taken.
    bool Load(const std::string& path);
    // Load, when the file exists. Without one this is the game's first start: every value
    // keeps its default but the two volumes, which are made audible so that a new player
    // hears the game without looking for the Sound page.
    void LoadOrFirstStart(const std::string& path);
    // Replaces the file whole (a failed write keeps the old one); false when it cannot be written.
    bool Save(const std::string& path) const;
    // Files the current profile's score: above equal scores, the last entry dropping out.
    // Does nothing while no profile is current.
    void InsertHighScore();
};

extern TConfig* Config;
