// Config.cfg: one encoded value per line, starting with the version line.
#include "settings/Configure.h"

#include "platform/FileSystem.h"
#include "settings/ConfigLines.h"

TConfig* Config = nullptr;

namespace {

const char kVersion[] = "Version 3";

bool ReadPlayer(TConfigReader& file, TGamePlayer& player) {
    return file.ReadString(player.Name) && file.ReadInteger(player.Score) && file.ReadInteger(player.Stage) &&
           file.ReadInteger(player.Shotgun) && file.ReadInteger(player.Uzi) &&
           file.ReadInteger(player.Machinegun) && file.ReadInteger(player.Bazooka) &&
           file.ReadInteger(player.Rockets);
}

bool ReadHighScore(TConfigReader& file, THighScore& entry) {
    int32_t score = 0;
    return file.ReadString(entry.Name) && file.ReadString(entry.Score) && TextToInteger(entry.Score, score);
}

// With no profile the index is -1 once the last one was deleted, 0 when none was ever made.
bool ValidCurrentPlayer(int32_t count, int32_t current) {
    if (count == 0) return current == -1 || current == 0;
    return current >= 0 && current < count;
}

} // namespace

bool TConfig::Load(const std::string& path) {
    std::string bytes;
    if (!platform::ReadWholeFile(path, bytes)) return false;
    TConfigReader file(bytes);
    std::string version;
    if (!file.ReadString(version) || version != kVersion) return false;

    TConfig loaded = *this;
    if (!(file.ReadInteger(loaded.Resolution) && file.ReadInteger(loaded.ColourDepth) &&
          file.ReadBoolean(loaded.FullScreen) && file.ReadBoolean(loaded.Shaders) &&
          file.ReadFloat(loaded.Brightness) && file.ReadBoolean(loaded.Shadows) &&
          file.ReadInteger(loaded.MusicVolume) && file.ReadInteger(loaded.SoundVolume) &&
          file.ReadInteger(loaded.PlayerCount) && file.ReadInteger(loaded.CurrentPlayer)))
        return false;
    if (loaded.PlayerCount < 0 || loaded.PlayerCount > MAX_PLAYERS ||
        !ValidCurrentPlayer(loaded.PlayerCount, loaded.CurrentPlayer))
        return false;
    for (int i = 0; i < loaded.PlayerCount; ++i)
        if (!ReadPlayer(file, loaded.Players[i])) return false;
    for (THighScore& entry : loaded.HighScores)
        if (!ReadHighScore(file, entry)) return false;
    *this = loaded;
    return true;
}

void TConfig::LoadOrFirstStart(const std::string& path) {
    constexpr int32_t kFirstStartVolume = 191; // three quarters of full
    if (platform::FileExists(path)) {
        Load(path);
    } else {
        MusicVolume = SoundVolume = kFirstStartVolume;
    }
}

bool TConfig::Save(const std::string& path) const {
    TConfigWriter file;
    file.WriteString(kVersion);
    file.WriteInteger(Resolution);
    file.WriteInteger(ColourDepth);
    file.WriteBoolean(FullScreen);
    file.WriteBoolean(Shaders);
    file.WriteFloat(Brightness);
    file.WriteBoolean(Shadows);
    file.WriteInteger(MusicVolume);
    file.WriteInteger(SoundVolume);
    file.WriteInteger(PlayerCount);
    file.WriteInteger(CurrentPlayer);
    for (int i = 0; i < PlayerCount && i < MAX_PLAYERS; ++i) {
        const TGamePlayer& player = Players[i];
        file.WriteString(player.Name);
        file.WriteInteger(player.Score);
        file.WriteInteger(player.Stage);
        file.WriteInteger(player.Shotgun);
        file.WriteInteger(player.Uzi);
        file.WriteInteger(player.Machinegun);
        file.WriteInteger(player.Bazooka);
        file.WriteInteger(player.Rockets);
    }
    for (const THighScore& entry : HighScores) {
        file.WriteString(entry.Name);
        file.WriteString(entry.Score);
    }
    return platform::WriteFileReplacing(path, file.Bytes());
}

void TConfig::InsertHighScore() {
    if (CurrentPlayer < 0 || CurrentPlayer >= PlayerCount || CurrentPlayer >= MAX_PLAYERS) return;
    const TGamePlayer& player = Players[CurrentPlayer];
    int pos = HIGH_SCORE_COUNT - 1;
    for (int i = HIGH_SCORE_COUNT - 2; i >= 0; --i) {
        int32_t entryScore = 0;
        TextToInteger(HighScores[i].Score, entryScore);
        if (entryScore <= player.Score) {
            pos = i;
            HighScores[i + 1] = HighScores[i];
        }
    }
    HighScores[pos] = THighScore{player.Name, std::to_string(player.Score)};
}
