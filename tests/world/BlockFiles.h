// Track block files for tests: the shipped tokenizer table, simple object models, and
// textures of known sizes without GL.
#pragma once

#include "resources/ModelFiles.h"
#include "resources/ModelLib.h"
#include "support/Dialogs.h"
#include "world/BlockTextures.h"
#include "world/MapController.h"
#include "world/MapTable.h"
#include "world/MapText.h"

class TSizedTextures : public TBlockTextures {
public:
    int Load(const std::string& path) override {
        loaded.push_back(path);
        return static_cast<int>(loaded.size());
    }
    int Width(int) const override {
        ++sized;
        return 64;
    }
    int Height(int) const override { return 32; }
    void Bind(int texture) const override { bound.push_back(texture); }
    std::vector<std::string> loaded;
    mutable std::vector<int> bound;
    mutable int sized = 0;
};

// Map units to world units.
constexpr float W = 1.25f / 64;

// Loose files in a temporary program directory, with the shipped tokenizer table.
class TBlockFilesTest : public TModelFilesTest {
protected:
    void SetUp() override {
        TModelFilesTest::SetUp();
        savedModelLib_ = ModelLib;
        ModelLib = &modelLib_;
        messages_.emplace(&RecordMessage);
        Messages().clear();
        const TBytes table = BuildMapTable();
        Write("Data/Tables/Map.ptb", std::string(table.begin(), table.end()));
    }
    void TearDown() override {
        ModelLib = savedModelLib_;
        messages_.reset();
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
    TModelLib* savedModelLib_ = nullptr;
    std::optional<TDialogCatcher> messages_;
};
