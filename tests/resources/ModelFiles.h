// Model and effect files for tests: CR LF text, a skeleton to build on, a texture source
// that needs no GL, and recorded answers to the Yes/No checks.
#pragma once

#include "support/Dialogs.h"
#include "support/ErrorOf.h"
#include <gtest/gtest.h>
#include <optional>

#include <string>
#include <vector>

#include "core/Error.h"
#include "resources/StrFunc.h"
#include "resources/TextureSource.h"
#include "support/ScratchProgram.h"

class TFakeTextures : public TTextureSource {
public:
    int Load(const std::string& path) override {
        loaded.push_back(path);
        return static_cast<int>(loaded.size());
    }
    void Bind(int) override {}
    std::vector<std::string> loaded;
};

// Lines as the game's text reader wants them, each ended by CR LF.
inline std::string CrLf(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// Two nodes: "root" at the origin and "arm" one unit along x, turned a quarter about z.
inline std::vector<std::string> TwoNodes() {
    return {"nodes", "0 \"root\" -1", "1 \"arm\" 0", "end"};
}
inline std::vector<std::string> TwoNodeFrame(int time, const std::string& root = "0 0 0 0 0 0 0",
                                             const std::string& arm = "1 1 0 0 0 0 1.5707963") {
    return {"time " + std::to_string(time), root, arm};
}

// A mesh: "version 1", the nodes, a skeleton of the given frames and the triangle lines.
inline std::string Mesh(const std::vector<std::string>& nodes, const std::vector<std::string>& frames,
                        const std::vector<std::string>& triangles) {
    std::vector<std::string> lines = {"version 1"};
    lines.insert(lines.end(), nodes.begin(), nodes.end());
    lines.push_back("skeleton");
    lines.insert(lines.end(), frames.begin(), frames.end());
    lines.push_back("end");
    lines.push_back("triangles");
    lines.insert(lines.end(), triangles.begin(), triangles.end());
    lines.push_back("end");
    return CrLf(lines);
}

// One triangle of `material` on `node`, its corners at (x, 0, 0), (x, 1, 0), (x, 0, 1).
inline std::vector<std::string> Triangle(const std::string& material, int node = 0, float x = 0) {
    const std::string n = std::to_string(node) + " " + std::to_string(x) + " ";
    return {material, n + "0 0 0 0 1 0 0", n + "1 0 0 0 1 1 0", n + "0 1 0 0 1 0 1"};
}

inline std::vector<std::string> Join(std::vector<std::vector<std::string>> parts) {
    std::vector<std::string> all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// Loose files only (an empty archive) in a scratch program directory, fake textures, and every Yes/No check
// answered by `answer`.
class TModelFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        questions_.emplace(nullptr, &Record);
        Questions().clear();
        Answer() = true;
    }
    void TearDown() override { questions_.reset(); }
    std::string Write(const std::string& relative, const std::string& text) {
        return dir_.Write(relative, text);
    }
    std::string Path(const std::string& relative) const { return dir_.Path() + relative; }

    static std::vector<std::string>& Questions() {
        static std::vector<std::string> questions;
        return questions;
    }
    static bool& Answer() {
        static bool answer = true;
        return answer;
    }

    TScratchProgram dir_;
    TFakeTextures textures_;

private:
    static bool Record(const std::string& caption, const std::string& text) {
        EXPECT_EQ(caption, "Warning");
        Questions().push_back(text);
        return Answer();
    }
    std::optional<TDialogCatcher> questions_;
};
