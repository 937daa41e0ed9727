// Pictures of every format drawn as the game draws them come out the right way up, in the
// right colours and with the right transparency.
#include "support/GfxFixture.h"
#include "support/ImageFiles.h"

#include "core/Error.h"
#include "platform/PngWriter.h"

using namespace imagefiles;

namespace {

constexpr int kSide = 16;

// The test picture, y counted from the top: red, green (transparent in RGBA formats) over
// blue (half transparent) and white.
void Quadrant(int side, int x, int y, uint8_t rgba[4]) {
    const bool left = x < side / 2, top = y < side / 2;
    const uint8_t colours[4][4] = {{255, 0, 0, 255}, {0, 255, 0, 0}, {0, 0, 255, 128}, {255, 255, 255, 255}};
    const int index = (top ? 0 : 2) + (left ? 0 : 1);
    std::copy(colours[index], colours[index] + 4, rgba);
}

// The picture's bytes, bottom or top row first, each pixel's channels in `order` (0 red .. 3 alpha).
TBytesOut Picture(bool bottomRowFirst, const std::vector<int>& order, int side = kSide) {
    TBytesOut out;
    for (int row = 0; row < side; ++row)
        for (int x = 0; x < side; ++x) {
            uint8_t p[4];
            Quadrant(side, x, bottomRowFirst ? side - 1 - row : row, p);
            for (int channel : order)
                out.push_back(p[channel]);
        }
    return out;
}
const std::vector<int> kBGR = {2, 1, 0}, kBGRA = {2, 1, 0, 3};

class TextureDraw : public GfxTest {
protected:
    std::string PngFile(const std::string& relative) {
        program_.Write(relative, "");
        EXPECT_TRUE(WritePng(program_.Path() + relative, kSide, kSide, Picture(true, {0, 1, 2, 3})));
        return ProgramDir + relative;
    }
    std::string JpgFile(const std::string& relative) {
        return Put(relative, AsString(EncodeJPG(kSide, kSide, Picture(false, {0, 1, 2}))));
    }

    // Draws the texture over the whole window and reads the middle of each quarter:
    // top left, top right, bottom left, bottom right. PNG rows arrive top first, so the game
    // puts t = 0 at the top for them (like the logo); other formats start at the bottom.
    std::vector<uint32_t> Draw(int texture, bool topRowFirst) {
        glClear(GL_COLOR_BUFFER_BIT);
        out_.DrawTexturedQuad(texture, -1, topRowFirst ? 1 : -1, 1, topRowFirst ? -1 : 1, 0, 0, 1, 1);
        const int low = gl_.Width() / 4, high = 3 * gl_.Width() / 4;
        return {gl_.Pixel(low, high), gl_.Pixel(high, high), gl_.Pixel(low, low), gl_.Pixel(high, low)};
    }
};

TEST_F(TextureDraw, EveryFormatRightWayUpWithItsAlpha) {
    struct TCase {
        std::string path;
        bool topRowFirst;
        bool alpha;
        int tolerance;
        int side = kSide;
    };
    const TCase cases[] = {
        {PngFile("Data/p.png"), true, true, 1},
        {JpgFile("Data/j.jpg"), false, false, 12},
        {Put("Data/t24.tga", AsString(MakeTGA(kSide, kSide, Picture(true, kBGR)))), false, false, 1},
        {Put("Data/t32.tga", AsString(MakeTGA(kSide, kSide, Picture(true, kBGRA), {2, 0, 32, ""}))), false,
         true, 1},
        {Put("Data/b.bmp", AsString(MakeBMP(kSide, kSide, Picture(true, kBGR)))), false, false, 1},
        // Rows of 6 bytes, which the upload must not take as padded to 8; filtered between 2 texels.
        {Put("Data/odd.tga", AsString(MakeTGA(2, 2, Picture(true, kBGR, 2)))), false, false, 12, 2},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.path);
        const int texture = TextureLib->Load(c.path, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
        ASSERT_NE(TextureLib->TextureName(texture), 0u);
        EXPECT_EQ(TextureLib->Width(texture), c.side);
        EXPECT_EQ(TextureLib->Opaque(texture), !c.alpha);
        const std::vector<uint32_t> seen = Draw(texture, c.topRowFirst);
        EXPECT_TRUE(ColourNear(seen[0], 0xFF000000, c.tolerance));
        // Over the black background: alpha 0 leaves black, alpha 128 gives half blue.
        EXPECT_TRUE(ColourNear(seen[1], c.alpha ? 0x00000000 : 0x00FF0000, c.tolerance));
        EXPECT_TRUE(ColourNear(seen[2], c.alpha ? 0x00008000 : 0x0000FF00, c.tolerance));
        EXPECT_TRUE(ColourNear(seen[3], 0xFFFFFF00, c.tolerance));
    }
    EXPECT_TRUE(Boxes().empty());
}

// An interface picture with a sharper version ("@2x") binds that one only while the interface is
// drawn larger, loading it then; one without stays itself, with no message about the missing file.
TEST_F(TextureDraw, InterfacePicturesSwapInTheirSharperVersionWhenLarger) {
    const auto boundName = [](int index) {
        TextureLib->Bind(index);
        GLint name = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
        return static_cast<uint32_t>(name);
    };
    const int plain = TextureLib->LoadInterfacePicture(PngFile("Data/Menu/plain.png"));
    PngFile("Data/Menu/sharp@2x.png");
    const int sharp = TextureLib->LoadInterfacePicture(PngFile("Data/Menu/sharp.png"));
    EXPECT_EQ(boundName(sharp), TextureLib->TextureName(sharp)) << "not before the interface grows";

    TextureLib->SetDetail(true);
    const uint32_t sharper = boundName(sharp);
    EXPECT_NE(sharper, TextureLib->TextureName(sharp));
    EXPECT_NE(sharper, 0u);
    EXPECT_EQ(boundName(plain), TextureLib->TextureName(plain));
    EXPECT_EQ(TextureLib->Width(sharp), kSide) << "the layout keeps the picture's own size";
    PngFile("Data/Menu/later@2x.png");
    const int later = TextureLib->LoadInterfacePicture(PngFile("Data/Menu/later.png"));
    EXPECT_NE(boundName(later), TextureLib->TextureName(later)) << "loaded at once while larger";

    TextureLib->SetDetail(false);
    EXPECT_EQ(boundName(sharp), TextureLib->TextureName(sharp));
    EXPECT_TRUE(Boxes().empty());
}

// The loaders' messages are the unit tests' (ImageLoaderTest); here: no texture is left behind,
// and an unknown extension fails quietly.
TEST_F(TextureDraw, FailedPicturesLeaveNoTexture) {
    const int rle =
        TextureLib->Load(Put("Data/r.tga", AsString(MakeTGA(2, 1, {1, 2, 3, 4, 5, 6}, {10, 0, 24, ""}))),
                         GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
    const int jpeg = TextureLib->Load(JpgFile("Data/j.jpeg"), GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
    EXPECT_NE(jpeg, rle);
    for (const int texture : {rle, jpeg}) {
        EXPECT_EQ(TextureLib->TextureName(texture), 0u);
        EXPECT_EQ(TextureLib->Width(texture), 0);
    }
    EXPECT_EQ(Boxes().size(), 1u);
}

} // namespace

// A picture decoded ahead is the one its later Load gets; a missing one is still Load's to report.
// So is a held one, drawn the same whether its turn came or it was needed; a stage load lets the menu's wait.
TEST_F(TextureDraw, PicturesDecodedAheadStayTheirs) {
    const std::string ahead = JpgFile("Data/ahead.jpg");
    const std::string missing = ProgramDir + "Data\\missing.png";
    TextureLib->DecodeAhead(ahead);
    TextureLib->DecodeAhead(missing);
    const int plain = TextureLib->Load(PngFile("Data/plain.png"), GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
    const int early = TextureLib->Load(ahead, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
    EXPECT_FALSE(TextureLib->Opaque(plain)) << "not the picture decoded ahead";
    const int copy = TextureLib->Load(JpgFile("Data/copy.jpg"), GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
    EXPECT_EQ(Draw(early, false), Draw(copy, false));
    EXPECT_THROW(TextureLib->Load(missing, GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR), EGameError);
    TextureLib->HoldDecoding(THold::UntilStarted);
    const int needed = TextureLib->Load(ahead, GL_LINEAR, GL_LINEAR);
    const int waiting = TextureLib->Load(JpgFile("Data/held.jpg"), GL_LINEAR, GL_LINEAR);
    EXPECT_THROW(TextureLib->Load(missing, GL_LINEAR, GL_LINEAR), EGameError);
    TextureLib->HoldDecoding(THold::None);
    EXPECT_EQ(Draw(needed, false), Draw(copy, false));
    TextureLib->DecodeHeld(THold::UntilStarted);
    EXPECT_EQ(Draw(waiting, false), Draw(copy, false));
    EXPECT_TRUE(Boxes().empty());
    TDecodeQueue queue;
    TDecodeQueue::TTicket menu = queue.Decode(ahead, 0, THold::UntilMenuShown);
    TDecodeQueue::TTicket stage = queue.Decode(ahead, 0, THold::UntilStarted);
    queue.ReleaseHeld(THold::UntilStarted);
    stage.result.wait();
    EXPECT_EQ(menu.result.wait_for(std::chrono::seconds(0)), std::future_status::timeout);
}
