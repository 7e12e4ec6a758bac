// Writes an image as a PNG file (8-bit RGBA), compressed with deflate, as
// icon files keep their 256-pixel images.
#pragma once

#include <cstdint>
#include <vector>

#include "tools/icongen/bitmap.h"

namespace zenka::icongen {

std::vector<uint8_t> EncodePng(const Image& image);

// A zlib stream (RFC 1950) of the bytes: deflate with the fixed codes and
// back-references within the last 32 KiB.
std::vector<uint8_t> ZlibCompress(const std::vector<uint8_t>& data);

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);
uint32_t Adler32(const std::vector<uint8_t>& data);

}  // namespace zenka::icongen
