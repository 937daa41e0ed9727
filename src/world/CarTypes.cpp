// The traffic tables and the model set-up every car type goes through.
#include "world/CarTypes.h"

#include "world/BonusTypes.h"
#include "world/EnumNames.h"
#include "world/IniFile.h"

std::vector<TWeapon> Weapons;
std::vector<TCarType> CarTypes;
std::vector<TSection> Sections;
TSpecMission SpecMission;

void FindCarNodes(TCarType& type, TWorldAssets& assets) {
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

void ReadCarValues(const TIniFile& ini, const std::string& section, int defaultSpeed, TCarType& type) {
    const int weapon = ini.ReadInteger(section, "Weapon", 0);
    type.Weapon = weapon <= NO_WEAPON ? NO_WEAPON : weapon;
    type.Health = ini.ReadInteger(section, "Health", 1);
    ini.ReadEnum(section, "AttackType", "AT_NONE", kAttackTypeNames, type.AttackType);
    ini.ReadEnum(section, "DriveType", "DT_NORMAL", kDriveTypeNames, type.DriveType);
    type.Mass = ini.ReadInteger(section, "Mass", 1);
    type.Score = ini.ReadInteger(section, "Score", 0);
    type.Speed = ini.ReadInteger(section, "Speed", defaultSpeed);
    type.MinSpeed = ini.ReadInteger(section, "MinSpeed", defaultSpeed);
    type.MaxSpeed = ini.ReadInteger(section, "MaxSpeed", defaultSpeed);
    type.CanSpawnBottom = ini.ReadFlag(section, "CanSpawnBottom", "FALSE");
    type.ExplosionDamage = ini.ReadInteger(section, "ExplosionDamage", 0);
    type.SpecialKind = SM_NONE;
    ini.ReadEnum(section, "BonusType", "BT_NONE", kBonusTypeNames, type.BonusType);
}
