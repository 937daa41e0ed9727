// The mission loader, step by step in the order the file is read.
#include "world/MissionLoader.h"

#include "core/Error.h"
#include "platform/Platform.h"
#include "resources/DataPath.h"
#include "settings/Configure.h"
#include "world/BonusTypes.h"
#include "world/CarGeneric.h"
#include "world/CarTypes.h"
#include "world/EnumNames.h"
#include "world/IniFile.h"
#include "world/MissionValues.h"
#include "world/TextConvert.h"

#include <algorithm>
#include <climits>

TMissionValues MissionValues;

namespace {

// Rounds of one weapon a stage may hand out; more is a damaged file.
constexpr int MAX_AMMUNITION = 1000000;

void Call(const std::function<void()>& hook) {
    if (hook) hook();
}

// The ammunition the current profile carries into the stage; none without a profile.
TGamePlayer CurrentProfile() {
    if (!Config || Config->CurrentPlayer < 0 || Config->CurrentPlayer >= MAX_PLAYERS) return TGamePlayer();
    return Config->Players[Config->CurrentPlayer];
}

std::string SectionKey(int j, const char* suffix) {
    return "Section_" + std::to_string(j) + suffix;
}

// A count from the file, checked before anything is computed with it: damage in a count
// must not cost time or memory in proportion to the damaged value.
int ReadCount(const TIniFile& ini, const std::string& fileName, const std::string& section,
              const std::string& key, int defaultValue, int low, int high) {
    const int value = ini.ReadInteger(section, key, defaultValue);
    if (value < low || value > high)
        throw EGameError("Mission " + fileName + " [" + section + "]: " + key + " " + std::to_string(value) +
                         (value > high ? " is too many" : " is below " + std::to_string(low)));
    return value;
}

// Section j of a car type: the record and its stretch of blocks.
TSection ReadSection(const TIniFile& ini, const std::string& fileName, const std::string& section, int j,
                     const TCarType& type) {
    TSection result;
    result.CarType = type;
    result.Begin = ini.ReadInteger(section, SectionKey(j, "_Begin"), 0);
    result.End = ini.ReadInteger(section, SectionKey(j, "_End"), 1);
    result.Min = ReadCount(ini, fileName, section, SectionKey(j, "_Min"), 0, 0, MAX_SECTION_CARS);
    result.Max = ReadCount(ini, fileName, section, SectionKey(j, "_Max"), 0, 0, MAX_SECTION_CARS);
    return result;
}

void ReadCarTypeSections(const TIniFile& ini, const std::string& fileName, const std::string& section,
                         TCarType& work, TMissionStage& stage) {
    const auto fail = [&](const std::string& what) {
        throw EGameError("Mission " + fileName + " [" + section + "]: " + what);
    };
    // a. The work record keeps what the previous car type left where text names nothing.
    ReadCarValues(ini, section, MissionValues.TrafficSpeed, work);

    // Negative counts read as the file says: no sections, no models.
    const int sections = ReadCount(ini, fileName, section, "Sections", 0, INT_MIN, MAX_TABLE_ENTRIES - 1);
    const auto makeRoom = [&] {
        if (sections >= 0 && Sections.size() + sections + 1 > MAX_TABLE_ENTRIES)
            fail("Sections " + std::to_string(sections) + " is too many: the stage would have more than " +
                 std::to_string(MAX_TABLE_ENTRIES) + " sections");
    };
    const std::string type = ini.ReadString(section, "Type", "-1");
    if (type != "-1") {
        // b. A global car type, with this stage's special kind.
        int index = 0;
        if (!TryStrToInt(type, index)) fail("Type '" + type + "' is not a number");
        if (index < 0 || index >= static_cast<int>(CarTypes.size()))
            fail("Type " + type + " is not among the " + std::to_string(CarTypes.size()) + " car types");
        work = CarTypes[index];
        ini.ReadEnum(section, "SpecialMission", "SM_NONE", kSpecialKindNames, work.SpecialKind);
        makeRoom();
        for (int j = 0; j <= sections; ++j)
            Sections.push_back(ReadSection(ini, fileName, section, j, work));
        return;
    }

    // c. A car type of this stage's own models. Only here does the weapon read in step a count.
    if (work.Weapon >= static_cast<int>(Weapons.size()))
        fail("Weapon " + std::to_string(work.Weapon) + " is not in the weapon list of " +
             std::to_string(Weapons.size()));
    const int count = ReadCount(ini, fileName, section, "Count", 0, INT_MIN, MAX_TABLE_ENTRIES);
    if (count <= 0) return;
    makeRoom();
    for (int j = 0; j <= sections; ++j) {
        TCarType record = work;
        const std::string bonus = ini.ReadString(section, SectionKey(j, "_Bonus"), "");
        if (!bonus.empty()) LookupEnumName(kBonusTypeNames, bonus, record.BonusType);
        record.Models.clear();
        for (int k = 0; k < count; ++k)
            record.Models.push_back(stage.Assets.LoadModel(DataPath(
                ini.ReadString(section, "Car_" + std::to_string(k), "Data\\Models\\Cars\\Car_01.hsa"))));
        record.ModelCount = count;
        FindCarNodes(record, stage.Assets);
        record.SpecialKind = SM_NONE;
        Sections.push_back(ReadSection(ini, fileName, section, j, record));
    }
}

} // namespace

void LoadMission(const std::string& fileName, TMissionStage& stage) {
    const TIniFile ini = TIniFile::Open(fileName);
    TMissionValues& values = MissionValues;

    // 1.
    Call(stage.RedrawLoadingScreen);
    Sections.clear();

    // 2. Camera.
    values.CameraVertical = ini.ReadFloat("Camera", "Vertical", 50.0f);
    values.CameraHorizontal = ini.ReadFloat("Camera", "Horizontal", 12.0f) - 40.0f;
    values.CameraAngle = ini.ReadFloat("Camera", "Angle", -38.0f);

    // 3. Player.
    values.MaxHealth = ini.ReadFloat("Player", "Health", 1000.0f);
    values.Health = values.MaxHealth;
    values.MaxSpeed = ini.ReadInteger("Player", "MaxSpeed", 100);
    values.MinSpeed = ini.ReadInteger("Player", "MinSpeed", 0);
    // The steering limit and the speed clamp need a top speed at or above the lowest.
    if (values.MaxSpeed < values.MinSpeed)
        throw EGameError("Mission " + fileName + " [Player]: MaxSpeed " + std::to_string(values.MaxSpeed) +
                         " is below MinSpeed " + std::to_string(values.MinSpeed));
    values.KillBoxDamagePerSecond = ini.ReadInteger("Player", "KillBoxDamagePerSecond", 0);

    // 4. Starting ammunition.
    const TGamePlayer profile = CurrentProfile();
    const auto ammunition = [&](const char* key, int carried) {
        const int64_t total =
            int64_t{ReadCount(ini, fileName, "Player", key, 0, 0, MAX_AMMUNITION)} + carried;
        return static_cast<int>(std::clamp<int64_t>(total, INT_MIN, INT_MAX));
    };
    values.UziBullets = ammunition("UziBullets", profile.Uzi);
    values.MachinegunBullets = ammunition("MachinegunBullets", profile.Machinegun);
    values.ShotgunBullets = ammunition("ShotgunBullets", profile.Shotgun);
    values.BazookaBullets = ammunition("BazookaBullets", profile.Bazooka);
    values.Rockets = ammunition("Rockets", profile.Rockets);

    // 5. Special mission.
    SpecMission.Enabled = ini.ReadFlag("SpecialMission", "Enabled", "FALSE");
    SpecMission.Text = ini.ReadString("SpecialMission", "Text", "Special Mission Text");
    SpecMission.Score = ini.ReadInteger("SpecialMission", "Score", 0);
    SpecMission.Uzi = ini.ReadInteger("SpecialMission", "Uzi", 0);
    SpecMission.Shotgun = ini.ReadInteger("SpecialMission", "ShotGun", 0);
    SpecMission.Machinegun = ini.ReadInteger("SpecialMission", "Machinegun", 0);
    SpecMission.Bazooka = ini.ReadInteger("SpecialMission", "Bazooka", 0);
    SpecMission.Rockets = ini.ReadInteger("SpecialMission", "Rockets", 0);
    SpecMission.NeutralAlive = 0;
    SpecMission.FriendLosses = 0;
    values.SpecialMissionHit = false;

    // 6, 7. The track of the block set.
    Call(stage.RedrawLoadingScreen);
    const std::string blocks = ini.ReadString("Mission", "Blocks", "grass");
    if (stage.CreateTrack) stage.CreateTrack(DataPath("Data\\Maps\\" + blocks + "\\main.trk"));

    // 8.
    values.Reward = ini.ReadInteger("Mission", "Reward", 0);

    // 9. A fixed sequence, or random blocks over [main] TrackLength.
    const std::string trackFile = ini.ReadString("Mission", "TrackFile", "");
    if (!trackFile.empty()) {
        if (stage.LoadSequence) stage.LoadSequence(DataPath("Data\\Maps\\" + trackFile));
    } else if (stage.SetTrackLength) {
        stage.SetTrackLength(ini.ReadInteger("main", "TrackLength", 10));
    }

    // 10.
    values.TimeLeft = static_cast<int64_t>(ini.ReadInteger("Mission", "Time", 10000)) * 1000;

    // 11.
    const std::string music = ini.ReadString("Mission", "Music", "");
    values.Music = music.empty() ? 0 : stage.Assets.LoadSound(DataPath("Data\\Music\\" + music), true);

    // 12 - 14. Weather and fog.
    if (stage.Weather) {
        TWeather& weather = *stage.Weather;
        int kind = weather.Kind();
        ini.ReadEnum("Mission", "Weather", "W_NONE", kWeatherNames, kind);
        weather.SetKind(kind);
        weather.drift.x = ini.ReadInteger("Mission", "WeatherX", 0) / 100.0f;
        weather.drift.y = ini.ReadInteger("Mission", "WeatherY", 0) / 100.0f;
        weather.drift.z = ini.ReadInteger("Mission", "WeatherZ", -1000) / 100.0f;
        weather.SetFog(ini.ReadString("Mission", "Fog", "NO") == "YES");
        weather.fogDensity = ini.ReadInteger("Mission", "FogDensity", 0) / 1000.0f;
    }

    // 15. Traffic.
    values.TrafficSpeed = ini.ReadInteger("Traffic", "Speed", 0);
    values.TrafficMaxCount = ini.ReadInteger("Traffic", "MaxCount", 0);

    // 16. The last car type section only marks the finish.
    const int carTypes = ReadCount(ini, fileName, "Traffic", "CarTypesCount", 0, 0, MAX_TABLE_ENTRIES);
    values.Finish = ini.ReadInteger("CarType_" + std::to_string(carTypes - 1), "Section_0_Begin", 0);

    // 17. The traffic car types and their sections.
    TCarType work;
    for (int i = 0; i < carTypes - 1; ++i) {
        Call(stage.RedrawLoadingScreen);
        ReadCarTypeSections(ini, fileName, "CarType_" + std::to_string(i), work, stage);
    }

    // 18.
    if (stage.Generator) stage.Generator->Init();

    // 19.
    Call(stage.ResetStage);
    values.GameInProgress = true;
    values.StageStartTime = platform::GetTickCount();
}
