// Random, mutated and truncated BMP and TGA files (and truncated JPG and PNG files) through
// the image readers: each ends in a picture of the size it claims, a message box or a
// raised game error; never a crash, a read past the data, a hang or a picture beyond the
// pixel cap. Every input runs under the fuzz limits of time and memory.
#include "core/Error.h"
#include "resources/OpenIL.h"
#include "resources/Textures.h"
#include "support/FuzzLimits.h"
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
        TFuzzInput input("image of " + std::to_string(data.size()) + " bytes, round " +
                         std::to_string(++round_));
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

    // Valid files of random size and content, to be damaged.
    TBytes RandomBMP() {
        const int width = 1 + random_() % 9, height = 1 + random_() % 9;
        const size_t stride = (width * 3 + 3) & ~3;
        return MakeBMP(width, height, RandomBytes(stride * height), {24, uint32_t(random_() % 3) * 4, 0});
    }
    TBytes RandomTGA() {
        const int width = 1 + random_() % 9, height = 1 + random_() % 9;
        const int bits = random_() % 2 ? 24 : 32;
        return MakeTGA(width, height, RandomBytes(size_t(width) * height * bits / 8),
                       {2, 0, bits, std::string(random_() % 4, 'i')});
    }

    void Damage(TBytes& bytes) {
        switch (random_() % 3) {
        case 0: // cut anywhere
            bytes.resize(random_() % (bytes.size() + 1));
            break;
        case 1: // a few wrong bytes, mostly in the headers
            for (int n = 1 + random_() % 4; n > 0; --n)
                bytes[random_() % std::min<size_t>(bytes.size(), 60)] = static_cast<uint8_t>(random_());
            break;
        default: // a wrong 16- or 32-bit header field
            for (int i = 0; i < 4; ++i)
                bytes[(12 + 2 * (random_() % 20) + i) % bytes.size()] = static_cast<uint8_t>(random_());
            break;
        }
    }

    std::mt19937 random_{20261206};
    TImageBoxes boxes_;
    int round_ = 0;
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

void PutLittleEndian(TBytes& bytes, size_t at, uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
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

TEST_F(ImageFuzz, EveryPrefixOfAValidFileIsRejectedCleanly) {
    const std::pair<TDecoder, TBytes> files[] = {{kBMP, MakeBMP(4, 3, RandomBytes(36))},
                                                 {kTGA, MakeTGA(3, 2, RandomBytes(24), {2, 0, 32, "id"})}};
    for (const auto& [decode, file] : files)
        for (size_t length = 0; length < file.size(); ++length) {
            const size_t before = BoxCount();
            TImage image;
            EXPECT_FALSE(decode(TBytes(file.begin(), file.begin() + length), image)) << length;
            EXPECT_EQ(BoxCount(), before + 1);
        }
}

TEST_F(ImageFuzz, DamagedBmpAndTga) {
    for (int i = 0; i < 4000; ++i) {
        TBytes bmp = RandomBMP();
        Damage(bmp);
        Check(kBMP, bmp);
        TBytes tga = RandomTGA();
        Damage(tga);
        Check(kTGA, tga);
    }
}

TEST_F(ImageFuzz, TruncatedAndDamagedJpgAndPng) {
    const TDecoder& jpg = kJPG;
    const TDecoder& png = kPNG;
    TBytes rgb = RandomBytes(16 * 8 * 3);
    const TBytes jpeg = EncodeJPG(16, 8, rgb);
    for (size_t length = 0; length < jpeg.size(); length += 1 + length / 16) {
        TBytes cut(jpeg.begin(), jpeg.begin() + length);
        Check(jpg, cut);
        if (!cut.empty()) cut[random_() % cut.size()] ^= 0x55;
        Check(jpg, cut);
    }

    const TBytes encoded = EncodePNG(16, 8, 3, IL_RGB, rgb);
    ASSERT_FALSE(encoded.empty());
    for (size_t length = 0; length <= encoded.size(); length += 1 + length / 16) {
        TBytes cut(encoded.begin(), encoded.begin() + length);
        Check(png, cut);
        if (cut.size() > 8) cut[8 + random_() % (cut.size() - 8)] ^= 0x55;
        Check(png, cut);
    }
    for (int i = 0; i < 500; ++i) {
        TBytes damaged = encoded;
        for (int n = 1 + random_() % 3; n > 0; --n)
            damaged[8 + random_() % (damaged.size() - 8)] = static_cast<uint8_t>(random_());
        Check(png, damaged);
    }
}

TEST_F(ImageFuzz, ClaimedSizesBeyondTheCapAreRefusedBeforeDecoding) {
    // A picture that inflates: all zeros, small on disk.
    Check(kPNG, EncodePNGRows(4097, 4096, 8, PNG_COLOR_TYPE_RGB, {}));
    EXPECT_EQ(BoxCount(), 1u);
    const TBytes png = EncodePNGRows(64, 64, 8, PNG_COLOR_TYPE_RGB_ALPHA, {});
    const TBytes jpg = EncodeJPG(64, 64, TBytes(64 * 64 * 3, 0));
    const TBytes bmp = MakeBMP(4, 4, RandomBytes(48)), tga = MakeTGA(4, 4, RandomBytes(48));
    for (const uint32_t width : kClaims)
        for (const uint32_t height : kClaims) {
            Check(kPNG, PngClaiming(png, width, height));
            Check(kJPG, JpgClaiming(jpg, static_cast<uint16_t>(width), static_cast<uint16_t>(height)));
            TBytes claimingBmp = bmp;
            PutLittleEndian(claimingBmp, 18, width, 4);
            PutLittleEndian(claimingBmp, 22, height, 4);
            Check(kBMP, claimingBmp);
            TBytes claimingTga = tga;
            PutLittleEndian(claimingTga, 12, width, 2);
            PutLittleEndian(claimingTga, 14, height, 2);
            Check(kTGA, claimingTga);
        }
}

} // namespace
