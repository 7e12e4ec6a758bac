#include "common/whole_file.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace zenka {
namespace {

std::filesystem::path PathOf(const std::string& utf8) {
    return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

std::filesystem::path FreshName(const std::filesystem::path& target, int n) {
    std::filesystem::path fresh = target;
    fresh += FreshNameSuffix(n);
    return fresh;
}

// The new files earlier replacements left behind; false when one stays.
bool RemoveLeftovers(const std::filesystem::path& target) {
    bool removed = true;
    for (int n = 0; n < kFreshNameTries; ++n) {
        const std::filesystem::path fresh = FreshName(target, n);
        std::error_code error;
        if (std::filesystem::is_regular_file(std::filesystem::symlink_status(fresh, error))) {
            removed = std::filesystem::remove(fresh, error) && removed;
        }
    }
    return removed;
}

// Writes the bytes to a file of a new name beside the target, never over a
// file that is there already; its name, or why not.
FileReplacement::Outcome WriteFreshFileBeside(const std::filesystem::path& target, std::string_view bytes,
                                              std::filesystem::path& fresh) {
    for (int n = 0; n < kFreshNameTries; ++n) {
        fresh = FreshName(target, n);
        std::FILE* out = std::fopen(fresh.c_str(), "wbx");  // x: only a new file
        if (!out) {
            if (errno == EEXIST) continue;
            return FileReplacement::NotWritten;
        }
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
        if (std::fclose(out) == 0 && written) return FileReplacement::Replaced;
        std::error_code ignored;  // nothing more to do when even this fails
        std::filesystem::remove(fresh, ignored);
        return FileReplacement::NotWritten;
    }
    return FileReplacement::NoFreshName;
}

}  // namespace

FileReading ReadWholeFileOrWhyNot(const std::string& path) {
    const std::filesystem::path file = PathOf(path);
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(file, error);
    // Only "no such entry" is a missing file; a link that leads nowhere
    // counts as one too, since what it names is not there. Any other
    // failure to look (a looping link, a folder that may not be searched)
    // leaves open what is there.
    if (status.type() == std::filesystem::file_type::not_found) return {FileReading::Missing, {}};
    if (error || status.type() != std::filesystem::file_type::regular) return {FileReading::Unreadable, {}};
    try {
        std::ifstream in(file, std::ios::binary);
        if (!in) return {FileReading::Unreadable, {}};
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (in.bad()) return {FileReading::Unreadable, {}};
        return {FileReading::Read, std::move(bytes)};
    } catch (const std::exception&) {
        return {FileReading::Unreadable, {}};
    }
}

bool MakeParentFolder(const std::string& path) {
    const std::filesystem::path folder = PathOf(path).parent_path();
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return std::filesystem::is_directory(folder, error);
}

FileReplacement ReplaceWholeFile(const std::string& path, std::string_view bytes) {
    const std::filesystem::path target = PathOf(path);
    // A file marked read-only is not to be written, and replacing it would
    // get round that (some systems allow it).
    std::error_code statusError;
    const auto status = std::filesystem::status(target, statusError);
    if (!statusError && std::filesystem::exists(status) &&
        ((status.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none ||
         std::filesystem::is_directory(status))) {
        return {FileReplacement::ReadOnly};
    }
    std::filesystem::path fresh;
    FileReplacement::Outcome outcome = WriteFreshFileBeside(target, bytes, fresh);
    if (outcome == FileReplacement::NoFreshName && RemoveLeftovers(target)) {
        outcome = WriteFreshFileBeside(target, bytes, fresh);
    }
    if (outcome != FileReplacement::Replaced) return {outcome};
    std::error_code error;
    std::filesystem::rename(fresh, target, error);
    if (error) {
        std::error_code ignored;  // the old file stands; the new one is only litter
        std::filesystem::remove(fresh, ignored);
        return {FileReplacement::NotMoved};
    }
    RemoveLeftovers(target);
    return {};
}

}  // namespace zenka
