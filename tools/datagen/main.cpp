// datagen: writes the game's whole data set into a "Data" tree, the same bytes on every run.
#include "DataTree.h"
#include "Generators.h"

#include "Canvas.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

int Usage() {
    std::fprintf(
        stderr,
        "usage: datagen [--static FOLDER] [--contact-sheet FILE.png [--previews FOLDER]] OUTPUT_ROOT\n"
        "  writes OUTPUT_ROOT/Data/...; FOLDER's files are copied verbatim into OUTPUT_ROOT\n"
        "  --previews adds the PNGs of FOLDER (datagen_preview's renderings) to the contact sheet\n");
    return 2;
}

// The renderings of datagen_preview, in name order, for the contact sheet.
void AddPreviews(TDataTree& tree, const std::string& folder) {
    std::vector<std::filesystem::path> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.path().extension() == ".png") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    for (const auto& file : files) {
        cairo_surface_t* picture = cairo_image_surface_create_from_png(file.c_str());
        if (cairo_surface_status(picture) == CAIRO_STATUS_SUCCESS) {
            TCanvas canvas(cairo_image_surface_get_width(picture), cairo_image_surface_get_height(picture),
                           false);
            cairo_set_source_surface(canvas.Cr(), picture, 0, 0);
            cairo_paint(canvas.Cr());
            tree.Preview("previews/" + file.filename().string(), canvas);
        }
        cairo_surface_destroy(picture);
    }
}

} // namespace

int main(int argc, char** argv) {
    std::string staticFolder, contactSheet, previews, root;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--static") == 0 && i + 1 < argc)
            staticFolder = argv[++i];
        else if (std::strcmp(argv[i], "--contact-sheet") == 0 && i + 1 < argc)
            contactSheet = argv[++i];
        else if (std::strcmp(argv[i], "--previews") == 0 && i + 1 < argc)
            previews = argv[++i];
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
        GenerateStageScenes(tree);
        GenerateExitScreen(tree);
        GenerateSounds(tree);
        GenerateGameTables(tree);
        GenerateMusic(tree);
        GeneratePlayerCar(tree);
        GenerateCarModels(tree);
        GenerateGunnerModels(tree);
        GenerateObjectModels(tree);
        GenerateHazardPatches(tree);
        GenerateMapTable(tree);
        GenerateTrackBlocks(tree);
        // Stage sequences chain the blocks of the lists written just before.
        GenerateMissions(tree);
        if (!staticFolder.empty()) tree.CopyFolder(staticFolder);
        if (!previews.empty()) AddPreviews(tree, previews);
        if (!contactSheet.empty()) WriteContactSheet(tree, contactSheet);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "datagen: %s\n", e.what());
        return 1;
    }
    return 0;
}
