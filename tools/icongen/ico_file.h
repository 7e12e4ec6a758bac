// Writes images into the .ico format: one directory entry per image, each
// image a 32-bit BMP with alpha followed by its one-bit AND mask.
#pragma once

#include <cstdint>
#include <filesystem>
#include <vector>

#include "tools/icongen/bitmap.h"

namespace zenka::icongen {

// Images must be square, 1 to 255 pixels wide, and no more than 65535 of
// them; anything else throws std::invalid_argument.
std::vector<uint8_t> EncodeIco(const std::vector<Image>& images);

// Writes the images as one .ico file; throws std::runtime_error naming the
// file it could not write.
void WriteIcoFile(const std::filesystem::path& path, const std::vector<Image>& images);

}  // namespace zenka::icongen
