// datagen: writes the game's whole data set into a "Data" tree, the same bytes on every run.
#include "DataTree.h"
#include "Generators.h"

#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

namespace {

int Usage() {
    std::fprintf(stderr,
                 "usage: datagen [--static FOLDER] [--contact-sheet FILE.png] OUTPUT_ROOT\n"
                 "  writes OUTPUT_ROOT/Data/...; FOLDER's files are copied verbatim into OUTPUT_ROOT\n");
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::string staticFolder, contactSheet, root;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--static") == 0 && i + 1 < argc)
            staticFolder = argv[++i];
        else if (std::strcmp(argv[i], "--contact-sheet") == 0 && i + 1 < argc)
            contactSheet = argv[++i];
        else if (argv[i][0] == '-' || !root.empty())
            return Usage();
        else
            root = argv[i];
    }
    if (root.empty()) return Usage();
    try {
        TDataTree tree(root);
        GenerateMenuPictures(tree);
        GenerateHudPictures(tree);
        GenerateTextures(tree);
        GenerateSprites(tree);
        GenerateHelpPictures(tree);
        GenerateScenes(tree);
        GenerateSounds(tree);
        GenerateGameTables(tree);
        GenerateMusic(tree);
        GeneratePlayerCar(tree);
        GenerateCarModels(tree);
        GenerateGunnerModels(tree);
        GenerateObjectModels(tree);
        GenerateMapTable(tree);
        GenerateTrackBlocks(tree);
        // Stage sequences chain the blocks of the lists written just before.
        GenerateMissions(tree);
        if (!staticFolder.empty()) tree.CopyFolder(staticFolder);
        if (!contactSheet.empty()) WriteContactSheet(tree, contactSheet);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
