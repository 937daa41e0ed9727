// Track block files for tests: box brushes in the editor's map text, entities, the shipped
// tokenizer table, simple object models, and textures of known sizes without GL.
#pragma once

#include <map>
#include <utility>

#include "app/Globals.h"
#include "resources/ModelFiles.h"
#include "resources/ModelLib.h"
#include "world/BlockTextures.h"
#include "world/MapController.h"
#include "world/MapTable.h"

class TSizedTextures : public TBlockTextures {
public:
    int Load(const std::string& path) override {
        loaded.push_back(path);
        return static_cast<int>(loaded.size());
    }
    int Width(int) const override { return width; }
    int Height(int) const override { return height; }
    void Bind(int texture) const override { bound.push_back(texture); }
    std::vector<std::string> loaded;
    mutable std::vector<int> bound;
    int width = 64;
    int height = 32;
};

struct TBrushText {
    int x0, y0, z0, x1, y1, z1; // map units
    std::string texture = "road";
    std::string numbers = "0 ] [ 0 -1 0 0 ] 0 1 1"; // u-offset ] [ v axis v-offset ] rotation scales
};

// Six faces, top and bottom first; each face names three corners of the box (the first,
// fourth and third of the face's outline, anticlockwise from outside), so that the
// game's normal cross(p3 - p1, p2 - p1) points outwards.
inline std::string BrushText(const TBrushText& b) {
    using P = std::array<int, 3>;
    const std::vector<std::array<P, 4>> quads = {
        {P{b.x0, b.y0, b.z1}, P{b.x1, b.y0, b.z1}, P{b.x1, b.y1, b.z1}, P{b.x0, b.y1, b.z1}},
        {P{b.x0, b.y0, b.z0}, P{b.x0, b.y1, b.z0}, P{b.x1, b.y1, b.z0}, P{b.x1, b.y0, b.z0}},
        {P{b.x1, b.y0, b.z0}, P{b.x1, b.y1, b.z0}, P{b.x1, b.y1, b.z1}, P{b.x1, b.y0, b.z1}},
        {P{b.x0, b.y0, b.z0}, P{b.x0, b.y0, b.z1}, P{b.x0, b.y1, b.z1}, P{b.x0, b.y1, b.z0}},
        {P{b.x0, b.y1, b.z0}, P{b.x0, b.y1, b.z1}, P{b.x1, b.y1, b.z1}, P{b.x1, b.y1, b.z0}},
        {P{b.x0, b.y0, b.z0}, P{b.x1, b.y0, b.z0}, P{b.x1, b.y0, b.z1}, P{b.x0, b.y0, b.z1}},
    };
    const auto point = [](const P& p) {
        return "( " + std::to_string(p[0]) + " " + std::to_string(p[1]) + " " + std::to_string(p[2]) + " ) ";
    };
    std::string text = "{\n";
    for (const auto& q : quads)
        text += point(q[0]) + point(q[3]) + point(q[2]) + b.texture + " [ 1 0 0 " + b.numbers + "\n";
    return text + "}\n";
}

inline std::string EntityText(const std::string& kind,
                              const std::vector<std::pair<std::string, std::string>>& keys) {
    std::string text = "{\n\"classname\" \"" + kind + "\"\n";
    for (const auto& [key, value] : keys)
        text += "\"" + key + "\" \"" + value + "\"\n";
    return text + "}\n";
}

inline std::string MapText(const std::vector<TBrushText>& brushes, const std::string& entities = "") {
    std::string text = "// Game: Kestrova\n{\n\"classname\" \"worldspawn\"\n";
    for (const TBrushText& brush : brushes)
        text += BrushText(brush);
    return text + "}\n" + entities;
}

// Loose files in a temporary program directory, with the shipped tokenizer table.
class TBlockFilesTest : public TModelFilesTest {
protected:
    void SetUp() override {
        TModelFilesTest::SetUp();
        savedProgramDir_ = ProgramDir;
        ProgramDir = dir_.Path();
        savedModelLib_ = ModelLib;
        ModelLib = &modelLib_;
        savedMessageBox_ = MapMessageBox;
        MapMessageBox = &RecordMessage;
        Messages().clear();
        const TBytes table = BuildMapTable();
        Write("Data/Tables/Map.ptb", std::string(table.begin(), table.end()));
    }
    void TearDown() override {
        ProgramDir = savedProgramDir_;
        ModelLib = savedModelLib_;
        MapMessageBox = savedMessageBox_;
        TModelFilesTest::TearDown();
    }

    // A block "name" in the program directory; returns its base name.
    std::string WriteBlock(const std::string& name, const std::string& map,
                           const std::string& collision = "") {
        Write(name + ".map", map);
        Write(name + "_col.map", collision);
        return Path(name);
    }
    // A model "Data/Objects/name.hsa" of one triangle, with an optional ".col" radius file.
    void WriteObjectModel(const std::string& name, const std::string& radius = "") {
        Write("Data/Objects/" + name + ".smd",
              Mesh({"nodes", "0 root -1", "end"}, {"time 0", "0 0 0 0 0 0 0"}, Triangle("wood.tga")));
        Write("Data/Objects/" + name + ".hsa", CrLf({name + ".smd"}));
        if (!radius.empty()) Write("Data/Objects/" + name + ".col", radius + "\r\n");
    }

    static std::vector<std::string>& Messages() {
        static std::vector<std::string> messages;
        return messages;
    }

    TSizedTextures blockTextures_;
    TModelLib modelLib_{textures_};

private:
    static void RecordMessage(const std::string& caption, const std::string& text) {
        EXPECT_EQ(caption, "Error");
        Messages().push_back(text);
    }
    std::string savedProgramDir_;
    TModelLib* savedModelLib_ = nullptr;
    TMapMessageBox savedMessageBox_ = nullptr;
};
