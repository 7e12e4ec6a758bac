// The whole set of icon files: one folder per day colour, each holding the
// numbers 1.ico to 31.ico and the weekdays w1.ico (Sunday) to w7.ico.
#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/icongen/bitmap.h"
#include "tools/icongen/icon_art.h"

namespace zenka::icongen {

struct IconFolder {
    const char* name;
    Rgb colour;
};

// The five colours a day can be shown in, with their folder names.
const std::array<IconFolder, 5>& IconFolders();

struct IconFile {
    std::string name;
    IconSubject subject;
};

// The 38 files of one folder.
std::vector<IconFile> IconFiles();

// One image per size of IconSizes(), in that order.
std::vector<Image> IconImages(const IconSubject& subject, Rgb colour);

// Writes root/<colour>/<file> for every folder and file, creating the
// folders; throws std::runtime_error naming the file it could not write.
void WriteIconFolders(const std::filesystem::path& root);

}  // namespace zenka::icongen
