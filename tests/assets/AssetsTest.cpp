// The format facts of the picture and the icon, read straight from the files' bytes.

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ReadFile(const std::string& name)
{
    std::ifstream file(std::string(TAVRELIN_ASSETS_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

unsigned BigEndian16(const Bytes& b, std::size_t at)
{
    return b.at(at) << 8 | b.at(at + 1);
}
unsigned LittleEndian16(const Bytes& b, std::size_t at)
{
    return b.at(at) | b.at(at + 1) << 8;
}
unsigned LittleEndian32(const Bytes& b, std::size_t at)
{
    return LittleEndian16(b, at) | LittleEndian16(b, at + 2) << 16;
}
unsigned BigEndian32(const Bytes& b, std::size_t at)
{
    return BigEndian16(b, at) << 16 | BigEndian16(b, at + 2);
}

struct JpegFacts {
    unsigned frameMarker = 0;
    unsigned width = 0;
    unsigned height = 0;
    unsigned components = 0;
    unsigned densityUnit = 0;
    unsigned xDensity = 0;
    unsigned yDensity = 0;
};

JpegFacts ReadJpeg(const Bytes& jpeg)
{
    JpegFacts facts;
    std::size_t at = 2;
    while (at + 4 <= jpeg.size() && jpeg[at] == 0xFF) {
        const unsigned marker = jpeg[at + 1];
        const unsigned length = BigEndian16(jpeg, at + 2);
        const auto segment = jpeg.begin() + static_cast<std::ptrdiff_t>(at);
        if (marker == 0xE0 && std::string(segment + 4, segment + 9) == std::string("JFIF\0", 5)) {
            facts.densityUnit = jpeg.at(at + 11);
            facts.xDensity = BigEndian16(jpeg, at + 12);
            facts.yDensity = BigEndian16(jpeg, at + 14);
        }
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            facts.frameMarker = marker;
            facts.height = BigEndian16(jpeg, at + 5);
            facts.width = BigEndian16(jpeg, at + 7);
            facts.components = jpeg.at(at + 9);
            break;
        }
        at += 2 + length;
    }
    return facts;
}

TEST(Picture, IsABaselineJpegOf269By118In3ComponentsAt96Dpi)
{
    const Bytes jpeg = ReadFile("warships.jpg");
    ASSERT_GT(jpeg.size(), 4U);
    ASSERT_EQ(BigEndian16(jpeg, 0), 0xFFD8U);
    const JpegFacts facts = ReadJpeg(jpeg);
    EXPECT_EQ(facts.frameMarker, 0xC0U) << "baseline frames start with SOF0";
    EXPECT_EQ(facts.width, 269U);
    EXPECT_EQ(facts.height, 118U);
    EXPECT_EQ(facts.components, 3U);
    EXPECT_EQ(facts.densityUnit, 1U) << "density in dots per inch";
    EXPECT_EQ(facts.xDensity, 96U);
    EXPECT_EQ(facts.yDensity, 96U);
}

TEST(Icon, HoldsOne32By32ImageIn256ColoursWithATransparencyMask)
{
    const Bytes ico = ReadFile("tavrelin.ico");
    ASSERT_GE(ico.size(), 22U);
    EXPECT_EQ(LittleEndian16(ico, 0), 0U);
    EXPECT_EQ(LittleEndian16(ico, 2), 1U) << "an icon, not a cursor";
    EXPECT_EQ(LittleEndian16(ico, 4), 1U) << "one image";
    EXPECT_EQ(ico[6], 32);
    EXPECT_EQ(ico[7], 32);
    EXPECT_EQ(LittleEndian16(ico, 12), 8U) << "bits a pixel";
    const unsigned offset = LittleEndian32(ico, 18);
    const unsigned bytes = LittleEndian32(ico, 14);
    ASSERT_EQ(offset + bytes, ico.size());

    // The bitmap: 32 wide, 64 high for the colour image and the mask together, 256 palette entries.
    EXPECT_EQ(LittleEndian32(ico, offset + 4), 32U);
    EXPECT_EQ(LittleEndian32(ico, offset + 8), 64U);
    EXPECT_EQ(LittleEndian16(ico, offset + 14), 8U);
    EXPECT_EQ(LittleEndian32(ico, offset + 32), 256U);
    const unsigned maskStart = offset + 40 + 256 * 4 + 32 * 32;
    ASSERT_EQ(maskStart + 32 * 4, ico.size());
    int transparent = 0;
    for (unsigned i = maskStart; i < ico.size(); ++i) {
        for (int bit = 0; bit < 8; ++bit) {
            transparent += (ico[i] >> bit) & 1;
        }
    }
    // A hamburger on a transparent background: some of the square shows through, most does not.
    EXPECT_GT(transparent, 100);
    EXPECT_LT(transparent, 32 * 32 / 2);
    // The corners are background.
    EXPECT_EQ(ico[maskStart] & 0x80, 0x80);
    EXPECT_EQ(ico.back() & 0x01, 0x01);
}

TEST(Icon, ComesAsPngsOfTheSamePixelArtForTheDesktop)
{
    for (const unsigned size : {32U, 64U, 128U, 256U}) {
        const Bytes png = ReadFile("tavrelin-" + std::to_string(size) + ".png");
        ASSERT_GT(png.size(), 24U) << size;
        EXPECT_EQ(BigEndian32(png, 0), 0x89504E47U) << size;
        EXPECT_EQ(BigEndian32(png, 16), size);
        EXPECT_EQ(BigEndian32(png, 20), size);
    }
}

}  // namespace
