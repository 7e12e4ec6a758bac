#include "tools/icongen/ico_file.h"

#include <fstream>
#include <stdexcept>

namespace zenka::icongen {
namespace {

constexpr uint32_t kIconDirSize = 6;
constexpr uint32_t kEntrySize = 16;
constexpr uint32_t kBitmapInfoHeaderSize = 40;

void Put16(std::vector<uint8_t>& out, uint32_t value) {
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t value) {
    Put16(out, value & 0xFFFF);
    Put16(out, value >> 16);
}

// Mask rows are padded to whole 32-bit words.
uint32_t MaskStride(int width) { return (static_cast<uint32_t>(width) + 31) / 32 * 4; }

uint32_t ImageBytes(const Image& image) {
    const uint32_t side = static_cast<uint32_t>(image.width);
    return kBitmapInfoHeaderSize + side * side * 4 + MaskStride(image.width) * side;
}

void PutImage(std::vector<uint8_t>& out, const Image& image) {
    const uint32_t side = static_cast<uint32_t>(image.width);
    Put32(out, kBitmapInfoHeaderSize);
    Put32(out, side);
    Put32(out, side * 2);  // the colour image and the mask, stacked
    Put16(out, 1);         // planes
    Put16(out, 32);        // bits per pixel
    Put32(out, 0);         // BI_RGB
    Put32(out, ImageBytes(image) - kBitmapInfoHeaderSize);
    for (int i = 0; i < 4; ++i) Put32(out, 0);  // resolution and palette: unused

    // Rows go bottom up, pixels as blue, green, red, alpha.
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const Rgba& p = image.At(x, y);
            out.insert(out.end(), {p.b, p.g, p.r, p.a});
        }
    }
    // A set mask bit marks a transparent pixel, for programs that ignore
    // the alpha channel.
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(MaskStride(image.width), 0);
        for (int x = 0; x < image.width; ++x) {
            if (image.At(x, y).a == 0) row[static_cast<size_t>(x / 8)] |= static_cast<uint8_t>(0x80 >> (x % 8));
        }
        out.insert(out.end(), row.begin(), row.end());
    }
}

}  // namespace

std::vector<uint8_t> EncodeIco(const std::vector<Image>& images) {
    if (images.empty() || images.size() > 0xFFFF) throw std::invalid_argument("an icon file holds 1 to 65535 images");
    for (const Image& image : images) {
        if (image.width != image.height || image.width < 1 || image.width > 255) {
            throw std::invalid_argument("icon images must be square and 1 to 255 pixels wide");
        }
        if (image.pixels.size() != static_cast<size_t>(image.width) * static_cast<size_t>(image.height)) {
            throw std::invalid_argument("icon image has the wrong number of pixels");
        }
    }

    std::vector<uint8_t> out;
    Put16(out, 0);  // reserved
    Put16(out, 1);  // an icon, not a cursor
    Put16(out, static_cast<uint32_t>(images.size()));
    uint32_t offset = kIconDirSize + kEntrySize * static_cast<uint32_t>(images.size());
    for (const Image& image : images) {
        out.push_back(static_cast<uint8_t>(image.width));
        out.push_back(static_cast<uint8_t>(image.height));
        out.push_back(0);  // no palette
        out.push_back(0);  // reserved
        Put16(out, 1);     // planes
        Put16(out, 32);    // bits per pixel
        Put32(out, ImageBytes(image));
        Put32(out, offset);
        offset += ImageBytes(image);
    }
    for (const Image& image : images) PutImage(out, image);
    return out;
}

void WriteIcoFile(const std::filesystem::path& path, const std::vector<Image>& images) {
    const std::vector<uint8_t> bytes = EncodeIco(images);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (!out) throw std::runtime_error("cannot write " + path.string());
}

}  // namespace zenka::icongen
