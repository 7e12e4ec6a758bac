// The whole set of icon files: two sets, one for a light taskbar and one for
// a dark one, each with one folder per day colour holding the numbers 1.ico
// to 31.ico and the weekdays w1.ico (Sunday) to w7.ico.
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
    Rgb colour;  // the day colour as the settings hold it
};

// The five colours a day can be shown in, with their folder names.
const std::array<IconFolder, 5>& IconFolders();

// The least contrast of a picture's ink with a taskbar it is made for: the
// figure for the parts of a picture one needs to see.
inline constexpr double kIconInkContrast = 3.0;

struct IconSet {
    // Below the Icon folder: "" for the light set, "Dark" for the dark one.
    const char* folder;
    // The taskbar colours the set is made to be read on.
    std::vector<Rgb> taskbars;
};

// The light set in Icon\<colour>\, for light taskbars (Windows' own,
// #f3f3f3, and Wine's grey), and the dark set in Icon\Dark\<colour>\, for
// a dark taskbar (#202020).
const std::array<IconSet, 2>& IconSets();

// The colour the day colour's pictures are inked in within the set: the
// day colour in a shade that has the ink contrast on each of the set's
// taskbars, with a margin above it for taskbars tinted a little otherwise.
Rgb InkColour(Rgb dayColour, const IconSet& set);

struct IconFile {
    std::string name;
    IconSubject subject;
};

// The 38 files of one folder.
std::vector<IconFile> IconFiles();

// One image per size of IconSizes(), in that order.
std::vector<Image> IconImages(const IconSubject& subject, Rgb colour);

// Writes root/<set>/<colour>/<file> for every set, folder and file,
// creating the folders; throws std::runtime_error naming the file it could
// not write.
void WriteIconFolders(const std::filesystem::path& root);

}  // namespace zenka::icongen
