// The generated "Data" tree on disk, and the record of its pictures for the contact sheet.
#pragma once

#include "ImageFiles.h"

#include <cairo.h>
#include <string>
#include <vector>

class TCanvas;

class TDataTree {
public:
    explicit TDataTree(std::string root);
    ~TDataTree();
    TDataTree(const TDataTree&) = delete;
    TDataTree& operator=(const TDataTree&) = delete;

    // Paths are relative to the tree root with '/' separators, e.g. "Data/Menu/Logo.png".
    // `canvas` is the picture as the player should see it; `orientation` says how the game draws it.
    void Png(const std::string& path, const TCanvas& canvas,
             TOrientation orientation = TOrientation::AsDrawn);
    void Jpg(const std::string& path, const TCanvas& canvas, int quality = 90);
    void Tga(const std::string& path, const TCanvas& canvas);
    void Text(const std::string& path, const std::string& bytes);
    // A file written earlier in this run, for generators that build on another's output.
    std::string ReadText(const std::string& path) const;
    void Wav(const std::string& path, const std::vector<float>& mono, int rate);
    void Ogg(const std::string& path, const std::vector<float>& stereo, int rate, double quality);
    // A picture shown on the contact sheet but not written into the tree (model and block previews).
    void Preview(const std::string& name, const TCanvas& canvas) { Remember(name, canvas); }
    // Copies every file below `folder` to the same relative path in the tree.
    void CopyFolder(const std::string& folder);

    struct TPicture {
        std::string path;
        int width, height;
        cairo_surface_t* thumbnail; // as the player sees it
    };
    const std::vector<TPicture>& Pictures() const { return pictures_; }

private:
    std::string Prepare(const std::string& path) const;
    void Remember(const std::string& path, const TCanvas& canvas);

    std::string root_;
    std::vector<TPicture> pictures_;
};
