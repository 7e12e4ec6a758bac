#include "tools/icongen/icon_set.h"

#include <stdexcept>
#include <system_error>

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
    for (const IconFolder& folder : IconFolders()) {
        std::error_code error;
        std::filesystem::create_directories(root / folder.name, error);
        if (error) throw std::runtime_error("cannot create " + (root / folder.name).string() + ": " + error.message());
    }
    for (const IconFile& file : IconFiles()) {
        // The ink does not depend on the colour: draw it once per file.
        std::vector<IconInk> inks;
        for (int size : IconSizes()) inks.push_back(DrawIconInk(file.subject, size));
        for (const IconFolder& folder : IconFolders()) {
            std::vector<Image> images;
            for (const IconInk& ink : inks) images.push_back(PaintIcon(ink, folder.colour));
            WriteIcoFile(root / folder.name / file.name, images);
        }
    }
}

}  // namespace zenka::icongen
