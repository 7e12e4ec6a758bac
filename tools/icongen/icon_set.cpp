#include "tools/icongen/icon_set.h"

#include <stdexcept>
#include <system_error>

#include "common/contrast.h"
#include "tools/icongen/ico_file.h"

namespace zenka::icongen {

const std::array<IconFolder, 5>& IconFolders() {
    static const std::array<IconFolder, 5> folders = {{
        {"Black", {0, 0, 0}},
        {"Red", {255, 0, 0}},
        {"Green", {0, 255, 0}},
        {"Blue", {0, 0, 255}},
        {"Pink", {255, 0, 255}},
    }};
    return folders;
}

namespace {

// Taskbars of the same darkness differ in their tint and transparency; the
// shades are made for a little more than the contrast they must have.
constexpr double kInkContrastMargin = 0.3;

Color ToColor(Rgb c) { return RgbColor(c.r, c.g, c.b); }
Rgb ToRgb(Color c) { return {RedOf(c), GreenOf(c), BlueOf(c)}; }

}  // namespace

const std::array<IconSet, 2>& IconSets() {
    static const std::array<IconSet, 2> sets = {{
        {"", {{0xf3, 0xf3, 0xf3}, {0xd4, 0xd0, 0xc8}}},
        {"Dark", {{0x20, 0x20, 0x20}}},
    }};
    return sets;
}

Rgb InkColour(Rgb dayColour, const IconSet& set) {
    // Each step only moves the shade away from grounds of the set's
    // darkness, so it keeps what the steps before reached.
    Color ink = ToColor(dayColour);
    for (const Rgb& taskbar : set.taskbars) {
        if (ContrastRatio(ink, ToColor(taskbar)) < kIconInkContrast) {
            ink = ReadableOn(ink, ToColor(taskbar), kIconInkContrast + kInkContrastMargin);
        }
    }
    return ToRgb(ink);
}

std::vector<IconFile> IconFiles() {
    std::vector<IconFile> files;
    for (int n = 1; n <= 31; ++n) files.push_back({std::to_string(n) + ".ico", {IconSubject::Kind::Number, n}});
    for (int w = 1; w <= 7; ++w) files.push_back({"w" + std::to_string(w) + ".ico", {IconSubject::Kind::Weekday, w}});
    return files;
}

std::vector<Image> IconImages(const IconSubject& subject, Rgb colour) {
    std::vector<Image> images;
    for (int size : IconSizes()) images.push_back(PaintIcon(DrawIconInk(subject, size), colour));
    return images;
}

void WriteIconFolders(const std::filesystem::path& root) {
    for (const IconSet& set : IconSets()) {
        for (const IconFolder& folder : IconFolders()) {
            const std::filesystem::path path = root / set.folder / folder.name;
            std::error_code error;
            std::filesystem::create_directories(path, error);
            if (error) throw std::runtime_error("cannot create " + path.string() + ": " + error.message());
        }
    }
    for (const IconFile& file : IconFiles()) {
        // The ink does not depend on the colour: draw it once per file.
        std::vector<IconInk> inks;
        for (int size : IconSizes()) inks.push_back(DrawIconInk(file.subject, size));
        for (const IconSet& set : IconSets()) {
            for (const IconFolder& folder : IconFolders()) {
                const Rgb ink = InkColour(folder.colour, set);
                std::vector<Image> images;
                for (const IconInk& each : inks) images.push_back(PaintIcon(each, ink));
                WriteIcoFile(root / set.folder / folder.name / file.name, images);
            }
        }
    }
}

}  // namespace zenka::icongen
