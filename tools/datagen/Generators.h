// The generator's modules, one per kind of data; each writes its files into the tree.
#pragma once

#include <string>

class TDataTree;

void GenerateMenuPictures(TDataTree& tree);
void GenerateHudPictures(TDataTree& tree);
void GenerateTextures(TDataTree& tree);
void GenerateSprites(TDataTree& tree);
void GenerateHelpPictures(TDataTree& tree);
void GenerateScenes(TDataTree& tree);
void GenerateStageScenes(TDataTree& tree);
// The exit screen: "wdata\config.ini" with its background and buttons.
void GenerateExitScreen(TDataTree& tree);
void GenerateSounds(TDataTree& tree);
void GenerateGameTables(TDataTree& tree);
// Needs the block sets written first.
void GenerateMissions(TDataTree& tree);
void GenerateMusic(TDataTree& tree);
void GeneratePlayerCar(TDataTree& tree);
void GenerateCarModels(TDataTree& tree);
void GenerateGunnerModels(TDataTree& tree);
void GenerateObjectModels(TDataTree& tree);
void GenerateHazardPatches(TDataTree& tree);
void GenerateMapTable(TDataTree& tree);
void GenerateTrackBlocks(TDataTree& tree);
void GenerateTrackTextures(TDataTree& tree);

// One PNG with a labelled thumbnail of every picture in the tree, for looking them over.
void WriteContactSheet(const TDataTree& tree, const std::string& path);
