// The traffic tables and the model set-up every car type goes through.
#include "world/CarTypes.h"

std::vector<TWeapon> Weapons;
std::vector<TCarType> CarTypes;
std::vector<TSection> Sections;
TSpecMission SpecMission;

void SetCarModels(TCarType& type, const std::vector<std::string>& modelPaths, TWorldAssets& assets) {
    type.Models.clear();
    for (const std::string& path : modelPaths)
        type.Models.push_back(assets.LoadModel(path));
    type.ModelCount = static_cast<int>(type.Models.size());
    if (type.Models.empty()) return;
    THSAModel* model = type.Models[0];
    type.WheelRB = assets.FindNode(model, "wheel_rb");
    type.WheelLB = assets.FindNode(model, "wheel_lb");
    type.WheelRT = assets.FindNode(model, "wheel_rt");
    type.WheelLT = assets.FindNode(model, "wheel_lt");
    type.WeaponNode = assets.FindNode(model, "weapon");
    type.Smoke = assets.FindNode(model, "smoke");
    type.Engine = assets.FindNode(model, "engine");
    type.LightLB = assets.FindNode(model, "light_lb");
    type.LightLF = assets.FindNode(model, "light_lf");
    type.LightRB = assets.FindNode(model, "light_rb");
    type.LightRF = assets.FindNode(model, "light_rf");
}
