// Data\Maps\Track1.cfg .. Track15.cfg: the stages of Stages.cpp in the mission file format, and
// the block sequences of the stages that have one ("Data\Maps\<set>\StageN.seq").
#include "DataTree.h"
#include "Generators.h"
#include "IniWriter.h"
#include "StageSequences.h"
#include "Stages.h"

#include <cstring>
#include <string>

namespace {

struct TCamera {
    const char* blocks;
    double vertical, horizontal, angle;
};
// About twenty units behind the car (camera y = Horizontal - 40): the whole car, gunner
// included, stays below the middle of the view from the start line to top speed with nitro
// (the view widens with speed), at 4:3 to 16:9, while the road shows the traffic's firing band
// (up to 60 units ahead) and never its far end. Higher and steeper between the city's
// buildings, lower and flatter over the open desert.
constexpr TCamera kCameras[] = {
    {"grass", 44, 20, -41},
    {"city", 48, 20, -40},
    {"desert", 42, 20, -42},
    {"winter", 46, 20, -41},
};

const TCamera& CameraFor(const char* blocks) {
    for (const TCamera& c : kCameras)
        if (std::strcmp(c.blocks, blocks) == 0) return c;
    return kCameras[0];
}

// Drift in hundredths of a unit per second: rain falls fast and slants a little, snow
// drifts sideways as it sinks.
struct TDrift {
    int x, y, z;
};
TDrift DriftFor(const std::string& weather) {
    if (weather == "W_RAIN") return {150, 0, -4000};
    if (weather == "W_SNOW") return {300, 0, -700};
    return {0, 0, -1000};
}

void WriteSpans(TIniWriter& ini, const TTraffic& traffic) {
    ini.Key("Sections", static_cast<int>(traffic.spans.size()) - 1);
    for (size_t j = 0; j < traffic.spans.size(); ++j) {
        const TSpan& span = traffic.spans[j];
        const std::string key = "Section_" + std::to_string(j);
        if (span.bonus) ini.Key(key + "_Bonus", span.bonus);
        ini.Key(key + "_Begin", span.begin);
        ini.Key(key + "_End", span.end);
        ini.Key(key + "_Min", span.min);
        ini.Key(key + "_Max", span.max);
    }
}

void WriteTraffic(TIniWriter& ini, const TTraffic& traffic) {
    if (traffic.type >= 0) {
        ini.Key("Type", traffic.type);
        ini.Key("SpecialMission", traffic.special ? traffic.special : "SM_NONE");
    } else {
        // Every behaviour key is written: unmatched names would keep the previous type's.
        traffic.values.Write(ini);
        ini.Key("Type", "-1");
        ini.Key("Count", static_cast<int>(traffic.models.size()));
        for (size_t k = 0; k < traffic.models.size(); ++k)
            ini.Key("Car_" + std::to_string(k), CarModel(traffic.models[k]));
    }
    WriteSpans(ini, traffic);
}

// The sequence file of stage `number`, relative to Data\Maps.
std::string SequenceName(int number, const TStage& stage) {
    return std::string(stage.blocks) + "\\Stage" + std::to_string(number) + ".seq";
}

std::string Mission(int number, const TStage& stage) {
    TIniWriter ini;
    ini.Comment("Kestrova stage " + std::to_string(number) + ": " + stage.blocks + ", " +
                std::to_string(stage.length) + " blocks in " + std::to_string(stage.time) + " s");

    const TCamera& camera = CameraFor(stage.blocks);
    ini.Section("Camera");
    ini.Real("Vertical", camera.vertical);
    ini.Real("Horizontal", camera.horizontal);
    ini.Real("Angle", camera.angle);

    ini.Section("Player");
    ini.Real("Health", 1000);
    ini.Key("MaxSpeed", stage.maxSpeed);
    ini.Key("MinSpeed", stage.minSpeed);
    ini.Key("UziBullets", stage.uziBullets);
    ini.Key("MachinegunBullets", 0);
    ini.Key("ShotgunBullets", 0);
    ini.Key("BazookaBullets", 0);
    ini.Key("Rockets", stage.rockets);

    const TSpecialMission& special = stage.special;
    ini.Section("SpecialMission");
    ini.Key("Enabled", !special.text.empty());
    ini.Key("Text", special.text);
    ini.Key("Score", special.score);
    ini.Key("Uzi", special.uzi);
    ini.Key("ShotGun", special.shotgun);
    ini.Key("Machinegun", special.machinegun);
    ini.Key("Bazooka", 0);
    ini.Key("Rockets", special.rockets);

    ini.Section("Mission");
    ini.Key("Blocks", stage.blocks);
    ini.Key("Reward", stage.reward);
    if (stage.sequenced) ini.Key("TrackFile", SequenceName(number, stage));
    ini.Key("Time", stage.time);
    ini.Key("Music", "Stage" + std::to_string((number - 1) / 3 + 1) + ".ogg");
    const TDrift drift = DriftFor(stage.weather);
    ini.Key("Weather", stage.weather);
    ini.Key("WeatherX", drift.x);
    ini.Key("WeatherY", drift.y);
    ini.Key("WeatherZ", drift.z);
    ini.Key("Fog", stage.fog ? "YES" : "NO");
    ini.Key("FogDensity", stage.fog ? 25 : 0);

    if (!stage.sequenced) {
        // Random blocks: the track ends after the finish block, in world units.
        ini.Section("main");
        ini.Key("TrackLength", stage.length * 40);
    }

    const int carTypes = static_cast<int>(stage.traffic.size()) + 1;
    ini.Section("Traffic");
    ini.Key("Speed", stage.trafficSpeed);
    ini.Key("MaxCount", stage.trafficMaxCount);
    ini.Key("CarTypesCount", carTypes);
    for (size_t i = 0; i < stage.traffic.size(); ++i) {
        ini.Section("CarType_" + std::to_string(i));
        WriteTraffic(ini, stage.traffic[i]);
    }
    ini.Section("CarType_" + std::to_string(carTypes - 1));
    ini.Comment("Not traffic: marks the finish block.");
    ini.Key("Section_0_Begin", stage.length);
    return ini.Text();
}

} // namespace

void GenerateMissions(TDataTree& tree) {
    const std::vector<TStage>& stages = Stages();
    for (size_t i = 0; i < stages.size(); ++i) {
        const int number = static_cast<int>(i) + 1;
        if (stages[i].sequenced) {
            // As long as the stage: the finish block closes the sequence.
            const std::string folder = std::string("Data/Maps/") + stages[i].blocks + "/";
            tree.Text(folder + "Stage" + std::to_string(number) + ".seq",
                      StageSequence(tree.ReadText(folder + "main.trk"), stages[i].length, 700 + number));
        }
        tree.Text("Data/Maps/Track" + std::to_string(number) + ".cfg", Mission(number, stages[i]));
    }
}
