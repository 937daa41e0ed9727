// Model descriptors, mesh files, texture groups, hit boxes and the file checks.
#include "resources/HSAModel.h"
#include "resources/ModelFiles.h"
#include "resources/ModelLib.h"

#include <gtest/gtest.h>

namespace {

class ModelLoadTest : public TModelFilesTest {
protected:
    // A two-node mesh with one triangle on each node.
    std::string WriteMesh(const std::string& name, const std::string& material = "skin.png") {
        return Write(
            name, Mesh(TwoNodes(), TwoNodeFrame(0), Join({Triangle(material, 0), Triangle(material, 1, 2)})));
    }
    std::string WriteAnimation(const std::string& name, int frames) {
        std::vector<std::vector<std::string>> parts = {{"version 1"}, TwoNodes(), {"skeleton"}};
        for (int i = 0; i < frames; ++i)
            parts.push_back(TwoNodeFrame(i));
        parts.push_back({"end"});
        return Write(name, CrLf(Join(parts)));
    }
};

TEST_F(ModelLoadTest, VersionOneDescriptorNamesItsMeshOnLineOneAndTheBoxHoldsEveryVertex) {
    WriteMesh("car.smd");
    WriteAnimation("drive.smd", 3);
    Write("car.hb", "1 0 2.5 -1 -1 -1 1 1 1\r\n");
    const std::string path = Write("car.hsa", CrLf({"car.smd", "car.hb", "drive.smd", "10"}));
    THSAModel model(textures_);
    model.Load(path, false);
    EXPECT_EQ(model.ActorCount(), 1);
    EXPECT_TRUE(model.CurrentActor().hasHitBoxes);
    ASSERT_EQ(model.AnimationCount(), 1);
    EXPECT_EQ(model.Animation(0)->frameTime, 100);
    EXPECT_EQ(model.Animation(0)->duration, 300);
    EXPECT_EQ(model.Animation(0)->fileName, Path("drive.smd"));
    EXPECT_EQ(model.Animation(1), nullptr);
    EXPECT_TRUE(Questions().empty());
    // The bounding box holds the origin and every vertex: (0..2, 0..1, 0..1).
    const auto& box = model.CurrentActor().boundingBox;
    EXPECT_EQ(box[0].y, 1);
    EXPECT_EQ(box[6].x, 2);
    EXPECT_EQ(box[6].z, 1);
}

TEST_F(ModelLoadTest, VersionTwoDescriptorWithMeshesHitBoxesAndAnUnpairedLine) {
    WriteMesh("body.smd");
    WriteMesh("parts/wheel.smd", "rim.png");
    WriteAnimation("a1.smd", 2);
    WriteAnimation("a2.smd", 4);
    Write("body.Hb", "3 1 0.5 0 0 0 1 1 1\r\n");
    const std::string path = Write("car.hsa", CrLf({"version 2", "2", "body.smd", "parts\\wheel.smd",
                                                    "body.Hb", "a1.smd", "25", "a2.smd", "30", "a3.smd"}));
    THSAModel model(textures_);
    model.Load(path, true);
    EXPECT_EQ(model.ActorCount(), 2);
    EXPECT_TRUE(model.CurrentActor().hasHitBoxes);
    EXPECT_EQ(model.CurrentActor().hitBoxes[2].boxes.size(), 1u);
    ASSERT_EQ(model.AnimationCount(), 2);
    EXPECT_EQ(model.Animation(0)->frameTime, 40);
    EXPECT_EQ(model.Animation(1)->frameTime, 33);
    EXPECT_EQ(model.Animation(1)->duration, 132);
    // The wheel's material comes from the wheel's own folder.
    EXPECT_EQ(textures_.loaded.back(), Path("parts\\rim.png"));
}

TEST_F(ModelLoadTest, MaterialRunsMakeTextureGroups) {
    const std::string mesh = Write(
        "m.smd", Mesh(TwoNodes(), TwoNodeFrame(0),
                      Join({Triangle("A.png"), Triangle("A.png"), Triangle("B.png"), Triangle("A.png")})));
    THSAModel model(textures_);
    model.Load(Write("m.hsa", CrLf({"m.smd"})), false);
    const auto& groups = model.CurrentActor().textureGroups;
    ASSERT_EQ(groups.size(), 3u);
    EXPECT_EQ(groups[0].VertexCount(), 6);
    EXPECT_EQ(groups[2].materialPath, Path("A.png"));
    EXPECT_EQ(groups[1].texture, 2);
}

TEST_F(ModelLoadTest, NodeNamesKeepCommasForFullStopsAndFindNodeNamesTheMissingOne) {
    Write("m.smd",
          Mesh({"nodes", "0 \"left.wheel\" -1", "1 gun 0", "end"}, TwoNodeFrame(0), Triangle("a.png")));
    THSAModel model(textures_);
    model.Load(Write("m.hsa", CrLf({"m.smd"})), false);
    EXPECT_EQ(model.FindNode("left,wheel"), 0);
    EXPECT_EQ(model.FindNode("gun"), 1);
    EXPECT_EQ(ErrorOf([&] { model.FindNode("Gun"); }), "Node \"Gun\" not found.");
    EXPECT_EQ(model.CurrentActor().nodes[0].children, std::vector<int>{1});
}

TEST_F(ModelLoadTest, HitBoxListsKeepEveryBoxAndTheLastTypeValue) {
    WriteMesh("m.smd");
    Write("m.HB", CrLf({"3 1 0.5 0 0 0 1 1 1", "", "3 0 0,75 -1 -2 -3 4 5 6", "7 0 9 0 0 0 1 1 1"}));
    THSAModel model(textures_);
    model.Load(Write("m.hsa", CrLf({"m.smd", "m.HB"})), false);
    const TActor& actor = model.CurrentActor();
    ASSERT_EQ(actor.hitBoxes[2].boxes.size(), 2u);
    EXPECT_FLOAT_EQ(actor.hitBoxes[2].typeValue, 0.75f);
    EXPECT_FLOAT_EQ(actor.hitBoxes[6].typeValue, 9);
    const THitBox& box = actor.hitBoxes[2].boxes[1];
    EXPECT_EQ(box.node, 0);
    // Corners: (x1 y1 z1), (x2 y1 z1), (x2 y2 z1), (x1 y2 z1), then the same at z2.
    EXPECT_EQ(box.corners[2].x, 4);
    EXPECT_EQ(box.corners[7].z, 6);
}

TEST_F(ModelLoadTest, BadHitBoxLinesNameFileAndLine) {
    WriteMesh("m.smd");
    THSAModel model(textures_);
    const std::string descriptor = Write("m.hsa", CrLf({"m.smd", "m.hb"}));
    const std::string hb = Path("m.hb");
    Write("m.hb", CrLf({"1 0 1 0 0 0 1 1 1", "3 1 0.5 0 0"}));
    EXPECT_EQ(ErrorOf([&] { model.Load(descriptor, false); }),
              "Bad hit box in " + hb + ", line 2: fewer than nine values");
    Write("m.hb", "8 0 1 0 0 0 1 1 1");
    EXPECT_EQ(ErrorOf([&] { model.Load(descriptor, false); }),
              "Bad hit box in " + hb + ", line 1: type 8 is not 1 to 7");
    Write("m.hb", "1 2 1 0 0 0 1 1 1");
    EXPECT_EQ(ErrorOf([&] { model.Load(descriptor, false); }),
              "Bad hit box in " + hb + ", line 1: node 2 is not in the model");
}

TEST_F(ModelLoadTest, ChecksAskAndNoEndsTheProgram) {
    // A wrong first line and a frame out of sequence: Yes reads on after each.
    const std::string frames = Mesh(TwoNodes(), Join({TwoNodeFrame(0), TwoNodeFrame(2)}), Triangle("a.png"));
    Write("m.smd", "version 2\r\n" + frames.substr(11));
    THSAModel model(textures_);
    model.Load(Write("m.hsa", CrLf({"m.smd"})), false);
    EXPECT_EQ(model.CurrentActor().bindPose.FrameCount(), 2);
    EXPECT_EQ(Questions(),
              (std::vector<std::string>{"Check for \"version 1\". Founded \"version 2\". Continue?",
                                        "Check for \"1\". Founded \"2\". Continue?"}));

    // An animation of another skeleton, answered No.
    WriteMesh("m.smd");
    Write("walk.smd", CrLf(Join({{"version 1", "nodes", "0 a -1", "1 b 0", "2 c 1", "end", "skeleton"},
                                 TwoNodeFrame(0),
                                 {"end"}})));
    const std::string animated = Write("a.hsa", CrLf({"m.smd", "walk.smd", "10"}));
    Answer() = false;
    EXPECT_THROW(model.Load(animated, false), EUserAbort);
    EXPECT_EQ(Questions().back(), "Wrong animation file. File Name = \"" + animated +
                                      "\". Actor node count = 2. Animation node count = 3. Continue?");
}

TEST_F(ModelLoadTest, MalformedDescriptorsGiveClearErrors) {
    WriteMesh("m.smd");
    WriteAnimation("a.smd", 1);
    THSAModel model(textures_);
    const std::string empty = Write("empty.hsa", "");
    EXPECT_EQ(ErrorOf([&] { model.Load(empty, false); }), "Model descriptor " + empty + " is empty");
    const std::string many = Write("many.hsa", CrLf({"version 2", "3", "m.smd"}));
    EXPECT_EQ(ErrorOf([&] { model.Load(many, false); }),
              "Model descriptor " + many + " names 3 meshes but lists 1 lines");
    const std::string rate = Write("rate.hsa", CrLf({"m.smd", "a.smd", "0"}));
    EXPECT_EQ(ErrorOf([&] { model.Load(rate, false); }),
              "Model descriptor " + rate + " gives a.smd a frame rate of 0 (1 to 1000 frames per second)");
    const std::string noFrames = Write("nf.smd", Mesh(TwoNodes(), {}, Triangle("a.png")));
    EXPECT_EQ(ErrorOf([&] { model.Load(Write("nf.hsa", CrLf({"nf.smd"})), false); }),
              noFrames + " has a skeleton without frames");
    const std::string badBone = Write("bb.smd", Mesh(TwoNodes(), TwoNodeFrame(0), Triangle("a.png", 2)));
    EXPECT_EQ(ErrorOf([&] { model.Load(Write("bb.hsa", CrLf({"bb.smd"})), false); }),
              badBone + " has a vertex of node 2, which it does not have");
    const std::string badParent =
        Write("bp.smd", Mesh({"nodes", "0 a 1", "1 b -1", "end"}, TwoNodeFrame(0), {}));
    EXPECT_EQ(ErrorOf([&] { model.Load(Write("bp.hsa", CrLf({"bp.smd"})), false); }),
              "Node \"a\" of " + badParent + " has parent 1, which is not an earlier node");
}

TEST_F(ModelLoadTest, LibraryLoadsEachPathOnceAndCachesNoFailure) {
    WriteMesh("m.smd");
    const std::string path = Write("m.hsa", CrLf({"m.smd"}));
    TModelLib library(textures_);
    THSAModel* first = library.Load(path, false);
    EXPECT_EQ(library.Load(path, true), first);
    EXPECT_EQ(library.EntryCount(), 1);
    const std::string broken = Path("broken.hsa");
    EXPECT_EQ(ErrorOf([&] { library.Load(broken, false); }), "File not found " + broken);
    EXPECT_EQ(ErrorOf([&] { library.Load(broken, false); }), "File not found " + broken);
    EXPECT_EQ(library.EntryCount(), 1);
}

// Quoted names keep commas for full stops and numbers take a decimal comma: the node and hit
// box tests. What is left is what no model here has.
TEST(StrFuncTest, NumbersOutOfRangeAndExtensionsOfDottedFolders) {
    std::string rest = "  12 \"open";
    EXPECT_EQ(NextToken(rest), "12");
    EXPECT_EQ(NextToken(rest), "open");
    EXPECT_EQ(NextToken(rest), "");
    EXPECT_EQ(ErrorOf([] { ParseInt("99999999999"); }), "'99999999999' is not a valid integer value");
    EXPECT_EQ(ErrorOf([] { ParseFloat("nan"); }), "'nan' is not a valid floating point value");
    EXPECT_EQ(ExtractFileExt("dir.v2/car"), "");
}

// Numbers read in place are the numbers, and the errors, of NextToken and the number readers.
TEST(StrFuncTest, LineTokensReadWhatNextTokenReads) {
    const auto text = [](auto read) {
        try {
            return std::to_string(read());
        } catch (const EGameError& error) {
            return std::string(error.what());
        }
    };
    for (const std::string line : {" 3 1.5\t-2,25 +4 \"7\" 1e3 8", "2 \"1 5\" 0.5 -0 7 .25 9", "1 2 inf", "1 x 3"}) {
        TLineTokens tokens(line);
        std::string rest = line;
        for (int i = 0; i < 7; ++i) {
            const bool whole = i % 3 == 0;
            const std::string token = NextToken(rest);
            const std::string expected = whole ? text([&] { return ParseInt(token); })
                                               : text([&] { return ParseFloat(token); });
            EXPECT_EQ(whole ? text([&] { return tokens.Int(); }) : text([&] { return tokens.Float(); }), expected)
                << line << " token " << i;
        }
    }
}

} // namespace

TEST_F(ModelLoadTest, AQuestionQuotesOnlyTheStartOfAFileThatIsNoMesh) {
    const std::string mesh = Mesh(TwoNodes(), TwoNodeFrame(0), Triangle("a.png"));
    Write("m.smd", std::string(5000, 'x') + "\n" + mesh.substr(11));
    THSAModel model(textures_);
    model.Load(Write("m.hsa", CrLf({"m.smd"})), false);
    EXPECT_EQ(Questions(), std::vector<std::string>{"Check for \"version 1\". Founded \"" +
                                                    std::string(77, 'x') + "...\". Continue?"});
}
