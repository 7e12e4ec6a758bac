#include "tools/icongen/ico_file.h"

#include "tools/icongen/png_file.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zenka::icongen {
namespace {

uint32_t U16(const std::vector<uint8_t>& bytes, size_t at) { return bytes.at(at) | (bytes.at(at + 1) << 8); }
uint32_t U32(const std::vector<uint8_t>& bytes, size_t at) { return U16(bytes, at) | (U16(bytes, at + 2) << 16); }

Image Pattern(int side) {
    Image image(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const bool clear = (x * 3 + y) % 5 == 0;
            image.At(x, y) = clear ? Rgba{} : Rgba{static_cast<uint8_t>(x * 7), static_cast<uint8_t>(y * 5), 9,
                                                  static_cast<uint8_t>(100 + x + y)};
        }
    }
    return image;
}

TEST(IcoFile, DirectoryBitmapsAndMasksDescribeEachImage) {
    const std::vector<Image> images = {Pattern(16), Pattern(20), Pattern(48)};
    const std::vector<uint8_t> file = EncodeIco(images);

    EXPECT_EQ(U16(file, 0), 0u);
    EXPECT_EQ(U16(file, 2), 1u) << "type 1 is an icon";
    ASSERT_EQ(U16(file, 4), images.size());

    uint32_t expectedOffset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        SCOPED_TRACE("image " + std::to_string(i));
        const Image& image = images[i];
        const uint32_t side = static_cast<uint32_t>(image.width);
        const size_t entry = 6 + 16 * i;
        EXPECT_EQ(file[entry], side);
        EXPECT_EQ(file[entry + 1], side);
        EXPECT_EQ(file[entry + 2], 0) << "no palette";
        EXPECT_EQ(file[entry + 3], 0);
        EXPECT_EQ(U16(file, entry + 4), 1u) << "planes";
        EXPECT_EQ(U16(file, entry + 6), 32u) << "bits per pixel";
        const uint32_t size = U32(file, entry + 8);
        const uint32_t offset = U32(file, entry + 12);
        EXPECT_EQ(offset, expectedOffset) << "images follow each other without gaps";
        const uint32_t maskStride = (side + 31) / 32 * 4;
        ASSERT_EQ(size, 40 + side * side * 4 + maskStride * side);
        ASSERT_LE(offset + size, file.size());
        expectedOffset = offset + size;

        EXPECT_EQ(U32(file, offset), 40u) << "BITMAPINFOHEADER";
        EXPECT_EQ(U32(file, offset + 4), side);
        EXPECT_EQ(U32(file, offset + 8), 2 * side) << "height counts the colour image and the mask";
        EXPECT_EQ(U16(file, offset + 12), 1u);
        EXPECT_EQ(U16(file, offset + 14), 32u);
        EXPECT_EQ(U32(file, offset + 16), 0u) << "uncompressed";
        EXPECT_EQ(U32(file, offset + 20), size - 40);

        const size_t pixels = offset + 40;
        const size_t mask = pixels + side * side * 4;
        for (int y = 0; y < image.height; ++y) {
            const size_t row = static_cast<size_t>(image.height - 1 - y);  // bottom-up
            for (int x = 0; x < image.width; ++x) {
                const Rgba& p = image.At(x, y);
                const size_t at = pixels + (row * side + static_cast<size_t>(x)) * 4;
                ASSERT_EQ((Rgba{file[at + 2], file[at + 1], file[at], file[at + 3]}), p) << x << "," << y;
                const bool maskBit = file[mask + row * maskStride + static_cast<size_t>(x / 8)] & (0x80 >> (x % 8));
                ASSERT_EQ(maskBit, p.a == 0) << "the mask marks exactly the transparent pixels, at " << x << "," << y;
            }
        }
    }
    EXPECT_EQ(expectedOffset, file.size()) << "nothing after the last image";
}

TEST(IcoFile, TheLargestImageIsAPngWhoseSizeTheDirectoryWritesAsZero) {
    Image large(256, 256);
    large.At(3, 4) = {1, 2, 3, 4};
    const std::vector<uint8_t> file = EncodeIco({Pattern(16), large});
    const size_t entry = 6 + 16;
    EXPECT_EQ(file[entry], 0) << "256 does not fit the width byte";
    EXPECT_EQ(file[entry + 1], 0);
    const uint32_t size = U32(file, entry + 8);
    const uint32_t offset = U32(file, entry + 12);
    ASSERT_EQ(offset + size, file.size());
    EXPECT_EQ(std::vector<uint8_t>(file.begin() + offset, file.end()), EncodePng(large));
}

TEST(IcoFile, RefusesImagesTheFormatCannotHold) {
    EXPECT_THROW(EncodeIco({}), std::invalid_argument);
    EXPECT_THROW(EncodeIco({Image(16, 15)}), std::invalid_argument);
    EXPECT_THROW(EncodeIco({Image(257, 257)}), std::invalid_argument);
    Image broken(16, 16);
    broken.pixels.pop_back();
    EXPECT_THROW(EncodeIco({broken}), std::invalid_argument);
}

}  // namespace
}  // namespace zenka::icongen
