// The generated track block sets: every block map tokenises with "Map.ptb" into the map syntax
// the block loaders read, names textures, collision types and models that exist, has an exit point
// for each lane its "main.trk" line lets out, and every block can be followed by another.
#include "resources/Extractor.h"
#include "world/MemoryStream.h"
#include "world/Parser.h"
#include "world/TokenReader.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace {

const char* const kSets[] = {"grass", "city", "desert", "winter"};
const std::set<std::string> kCollisionTypes = {"COL_MAINROAD", "COL_GRASS",     "COL_ROAD",
                                               "COL_BACK",     "COL_NOCONTROL", "COL_KILL"};

struct TBlockFile {
    std::set<std::string> textures;
    int brushes = 0;
    std::map<int, int> exits, enters; // lane -> count
    std::vector<int> spawnLanes;
    std::vector<std::string> models;
};

class GeneratedBlocks : public testing::Test {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(KESTROVA_DATA_ARCHIVE))
            GTEST_SKIP() << "no " << KESTROVA_DATA_ARCHIVE << " (configure with KESTROVA_DATA=ON)";
        archive_.Open(KESTROVA_DATA_ARCHIVE);
    }

    TBytes Member(const std::string& path) {
        const int index = archive_.FindMember(path);
        EXPECT_GE(index, 0) << path << " is not in the archive";
        return index < 0 ? TBytes() : archive_.ReadMember(index);
    }
    bool Has(const std::string& path) const { return archive_.FindMember(path) >= 0; }

    // The block names, read as the track loader reads them.
    std::vector<std::string> BlockList(const std::string& set) {
        return TTextFile("Data\\Maps\\" + set + "\\main.trk", archive_).ReadAllLines();
    }

    // Reads a map the way the block loaders do: brushes of six 21-token faces, then entities.
    TBlockFile Read(const std::string& path, bool collision) {
        TBlockFile block;
        TTextParser parser(Member("Data\\Tables\\Map.ptb"), "Map.ptb");
        TMemoryStream stream(Member(path));
        TTokenReader tokens(parser, stream);
        while (!tokens.Token().empty() && tokens.Token() != "classname") {
            for (int face = 0; face < 6; ++face) {
                TVector4 point{};
                for (int p = 0; p < 3; ++p)
                    tokens.ReadPoint(point);
                const std::string texture = tokens.Token();
                EXPECT_FALSE(texture.empty()) << path;
                block.textures.insert(texture);
                tokens.Advance();
                tokens.SkipTokens(3);
                tokens.ReadNumber();
                tokens.SkipTokens(3);
                for (int n = 0; n < 4; ++n)
                    tokens.ReadNumber();
            }
            ++block.brushes;
        }
        if (collision) {
            EXPECT_TRUE(tokens.Token().empty()) << path << ": a collision map holds brushes only";
            return block;
        }
        while (tokens.Token() == "classname") {
            tokens.Advance();
            std::string kind = tokens.Token();
            std::transform(kind.begin(), kind.end(), kind.begin(),
                           [](unsigned char c) { return std::toupper(c); });
            tokens.Advance();
            std::map<std::string, std::string> keys;
            while (!tokens.Token().empty() && tokens.Token() != "classname") {
                const std::string key = tokens.Token();
                tokens.Advance();
                keys[key] = tokens.Token();
                tokens.Advance();
            }
            EXPECT_NO_THROW(ParseTriple(keys["origin"])) << path << " " << kind;
            if (kind == "OBJECT_SIMPLE") {
                block.models.push_back(keys["Model"]);
                EXPECT_NO_THROW(ParseTriple(keys["angles"])) << path;
            } else if (kind == "EXIT_POINT") {
                ++block.exits[std::stoi(keys["point_id"])];
            } else if (kind == "ENTER_POINT") {
                ++block.enters[std::stoi(keys["point_id"])];
            } else if (kind == "SPAWN_POINT") {
                block.spawnLanes.push_back(std::stoi(keys["exit_id"]));
            } else {
                ADD_FAILURE() << path << ": unexpected entity " << kind;
            }
        }
        return block;
    }

    TExtractor archive_;
};

TEST_F(GeneratedBlocks, EveryBlockMapTokenisesIntoTheMapSyntax) {
    for (const char* set : kSets) {
        const std::vector<std::string> blocks = BlockList(set);
        EXPECT_GE(blocks.size(), 10u) << set;
        EXPECT_LE(blocks.size(), 20u) << set;
        for (const std::string& name : blocks) {
            const std::string base = std::string("Data\\Maps\\") + set + "\\" + name;
            SCOPED_TRACE(base);
            const TBlockFile map = Read(base + ".map", false);
            EXPECT_GT(map.brushes, 0);
            for (const std::string& texture : map.textures)
                EXPECT_TRUE(Has("Data\\Textures\\" + texture + ".jpg")) << texture;
            for (const std::string& model : map.models)
                EXPECT_TRUE(Has("Data\\Objects\\" + model + ".hsa")) << model;

            const TBlockFile collision = Read(base + "_col.map", true);
            for (const std::string& type : collision.textures)
                EXPECT_TRUE(kCollisionTypes.count(type)) << type;
            // Where the car slides, a patch of oil or ice shows it (GeneratedData checks their edges).
            if (collision.textures.count("COL_NOCONTROL")) {
                EXPECT_TRUE(std::any_of(map.models.begin(), map.models.end(), [](const std::string& m) {
                    return m.size() > 6 && m.substr(m.size() - 6) == "_patch";
                }));
            }

            // Lanes: the exit points are exactly the lanes the list line lets out, one each; traffic
            // only spawns on lanes that leave the block and picks its lane among those.
            ASSERT_GE(name.size(), 13u);
            for (int lane = 1; lane <= 6; ++lane) {
                const bool exits = name[7 + lane - 1] == '1';
                EXPECT_EQ(map.exits.count(lane) ? map.exits.at(lane) : 0, exits ? 1 : 0) << "lane " << lane;
                EXPECT_LE(map.enters.count(lane) ? map.enters.at(lane) : 0, exits ? 1 : 0) << "lane " << lane;
            }
            for (int lane : map.spawnLanes)
                EXPECT_EQ(name[7 + lane - 1], '1') << "spawn point on lane " << lane;
        }
    }
}

// Random tracks pick the next block among those entering with the lanes the last one leaves with:
// some block must always qualify, never the start block. Sequence files (the sets' own and the stages') chain
// the same way and start at block 0.
TEST_F(GeneratedBlocks, LaneFlagsChainInEverySetAndSequence) {
    for (const char* set : kSets) {
        SCOPED_TRACE(set);
        const std::vector<std::string> blocks = BlockList(set);
        ASSERT_FALSE(blocks.empty());
        std::set<std::string> enters;
        for (const std::string& name : blocks)
            enters.insert(name.substr(0, 6));
        for (const std::string& name : blocks) {
            EXPECT_TRUE(enters.count(name.substr(7, 6))) << name << " has no block to follow it";
            EXPECT_NE(name.substr(7, 6), blocks[0].substr(0, 6))
                << name << ": a random track would draw the start block after it";
        }
        // A random track opens with blocks 1, 2, 3, 1.
        ASSERT_GE(blocks.size(), 4u);
        for (int slot : {1, 2, 3})
            EXPECT_EQ(blocks[slot].substr(7, 6), blocks[slot % 3 + 1].substr(0, 6))
                << "opening block " << slot;
        // The start block is the finish of every sequence: it runs straight.
        const auto enterLanes = [&](int32_t block) { return blocks[block].substr(block == 0 ? 7 : 0, 6); };

        const std::string folder = std::string("Data\\Maps\\") + set + "\\";
        int sequences = 0;
        for (int member = 0; member < archive_.EntryCount(); ++member) {
            const std::string& sequence = archive_.MemberName(member);
            if (sequence.rfind(folder, 0) != 0 || sequence.substr(sequence.size() - 4) != ".seq") continue;
            ++sequences;
            const TBytes bytes = archive_.ReadMember(member);
            ASSERT_EQ(bytes.size() % 4, 0u) << sequence;
            std::vector<int32_t> order;
            for (size_t i = 0; i < bytes.size(); i += 4)
                order.push_back(bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16 | bytes[i + 3] << 24);
            ASSERT_GE(order.size(), 9u) << sequence;
            EXPECT_EQ(order.front(), 0) << sequence;
            EXPECT_EQ(order.back(), 0) << sequence << ": the start block is the finish";
            for (size_t i = 0; i < order.size(); ++i) {
                ASSERT_GE(order[i], 0);
                ASSERT_LT(order[i], static_cast<int32_t>(blocks.size()));
                if (i > 0) {
                    EXPECT_EQ(blocks[order[i - 1]].substr(7, 6), enterLanes(order[i]))
                        << sequence << " entry " << i;
                }
            }
        }
        EXPECT_GE(sequences, 2);
    }
}

} // namespace
