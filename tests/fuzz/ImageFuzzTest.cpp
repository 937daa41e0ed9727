// Truncated and damaged BMP, TGA, JPG and PNG files through the image readers: each ends in a
// picture of the size it claims, a message box or a raised game error; never a crash, a read past
// the data, a hang or a picture beyond the pixel cap.
#include "core/Error.h"
#include "fuzz/Damage.h"
#include "resources/OpenIL.h"
#include "resources/Textures.h"
#include "support/ImageBoxes.h"
#include "support/ImageFiles.h"

#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <zlib.h>

using namespace imagefiles;

namespace {

using TDecoder = std::function<bool(const TBytes&, TImage&)>;

class ImageFuzz : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        InitIL();
        fuzzlimits::CapMemory();
    }
    static size_t BoxCount() { return TImageBoxes::Texts().size(); }

    // One decode: a complete picture, or exactly one box, or a game error.
    void Check(const TDecoder& decode, const TBytes& data) {
        const size_t before = BoxCount();
        TImage image;
        try {
            if (decode(data, image)) {
                EXPECT_EQ(BoxCount(), before);
                ASSERT_GT(image.width, 0);
                ASSERT_GT(image.height, 0);
                EXPECT_LE(int64_t{image.width} * image.height, kMaxImagePixels);
                EXPECT_EQ(image.pixels.size(), size_t(image.width) * image.height * image.components);
            } else {
                EXPECT_EQ(BoxCount(), before + 1);
            }
        } catch (const EGameError&) {
            EXPECT_EQ(BoxCount(), before);
        }
    }

    TBytes RandomBytes(size_t count) {
        TBytes bytes(count);
        for (uint8_t& b : bytes)
            b = static_cast<uint8_t>(random_());
        return bytes;
    }

    std::mt19937 random_{20261206};
    TImageBoxes boxes_;
};

const TDecoder kBMP = [](const TBytes& data, TImage& image) { return DecodeBMP(data, image); };
const TDecoder kTGA = [](const TBytes& data, TImage& image) { return DecodeTGA(data, "fuzz.tga", image); };
const TDecoder kJPG = [](const TBytes& data, TImage& image) {
    return DecodeJPG(data, "f.jpg", TImageSource::LooseFile, image);
};
const TDecoder kPNG = [](const TBytes& data, TImage& image) { return DecodePNG(data, "f.png", image); };

void PutBigEndian(TBytes& bytes, size_t at, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * (size - 1 - i)));
}

// The PNG with IHDR claiming width x height, its checksum made right so the claim is believed.
TBytes PngClaiming(TBytes png, uint32_t width, uint32_t height) {
    PutBigEndian(png, 16, width, 4);
    PutBigEndian(png, 20, height, 4);
    PutBigEndian(png, 29, static_cast<uint32_t>(crc32(0, &png[12], 17)), 4);
    return png;
}

// The JPEG with its frame header claiming width x height.
TBytes JpgClaiming(TBytes jpg, uint16_t width, uint16_t height) {
    for (size_t at = 2; at + 9 < jpg.size(); ++at)
        if (jpg[at] == 0xFF && jpg[at + 1] == 0xC0) {
            PutBigEndian(jpg, at + 5, height, 2);
            PutBigEndian(jpg, at + 7, width, 2);
            break;
        }
    return jpg;
}

// Sizes a damaged header may claim: around the cap, and up to what each field can hold.
constexpr uint32_t kClaims[] = {1, 4095, 4096, 4097, 8192, 16384, 65535, 1u << 20, 0x7FFFFFFF, 0xFFFFFFFF};

TEST_F(ImageFuzz, TruncatedAndDamagedFilesOfEveryFormat) {
    const TBytes rgb = RandomBytes(16 * 8 * 3);
    const std::pair<TDecoder, TBytes> files[] = {{kBMP, MakeBMP(5, 3, RandomBytes(48), {24, 4, 0})},
                                                 {kTGA, MakeTGA(3, 2, RandomBytes(24), {2, 0, 32, "id"})},
                                                 {kTGA, MakeTGA(5, 3, RandomBytes(45), {2, 0, 24, ""})},
                                                 {kJPG, EncodeJPG(16, 8, rgb)},
                                                 {kPNG, EncodePNGRows(16, 8, 8, PNG_COLOR_TYPE_RGB, rgb)}};
    for (const auto& [decode, file] : files)
        FuzzReader(std::string(file.begin(), file.end()), 1500, [&, &decode = decode](const std::string& bytes) {
            Check(decode, TBytes(bytes.begin(), bytes.end()));
        });
}

TEST_F(ImageFuzz, ClaimedSizesBeyondTheCapAreRefusedBeforeDecoding) {
    // A picture that inflates: all zeros, small on disk.
    Check(kPNG, EncodePNGRows(4097, 4096, 8, PNG_COLOR_TYPE_RGB, {}));
    EXPECT_EQ(BoxCount(), 1u);
    const TBytes png = EncodePNGRows(64, 64, 8, PNG_COLOR_TYPE_RGB_ALPHA, {});
    const TBytes jpg = EncodeJPG(64, 64, TBytes(64 * 64 * 3, 0));
    // BMP and TGA headers take the claim as it is (TGA: its low 16 bits) over 48 bytes of pixels.
    const TBytes pixels = RandomBytes(48);
    for (const uint32_t width : kClaims)
        for (const uint32_t height : kClaims) {
            TFuzzInput input("claiming " + std::to_string(width) + " x " + std::to_string(height));
            Check(kPNG, PngClaiming(png, width, height));
            Check(kJPG, JpgClaiming(jpg, static_cast<uint16_t>(width), static_cast<uint16_t>(height)));
            Check(kBMP, MakeBMP(static_cast<int>(width), static_cast<int>(height), pixels));
            Check(kTGA, MakeTGA(static_cast<int>(width), static_cast<int>(height), pixels));
        }
}

} // namespace
