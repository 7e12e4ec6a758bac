#include "app/cleanup_paths.h"

#include <algorithm>

namespace zenka {
namespace {

char FoldCase(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameText(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

// Backslashes only, without the "\\?\" prefix ("\\?\UNC\" becomes "\\")
// and without trailing backslashes.
std::string Canonical(std::string_view path) {
    std::string text(path);
    std::replace(text.begin(), text.end(), '/', '\\');
    if (SameText(std::string_view(text).substr(0, 8), "\\\\?\\UNC\\")) {
        text = "\\\\" + text.substr(8);
    } else if (text.rfind("\\\\?\\", 0) == 0) {
        text = text.substr(4);
    }
    while (!text.empty() && text.back() == '\\') text.pop_back();
    return text;
}

// A path no component of which is "." or "..": such a path could climb out
// of a folder while its text seems to lie inside.
bool HasNoDotComponents(std::string_view path) {
    size_t begin = 0;
    while (begin <= path.size()) {
        size_t end = path.find('\\', begin);
        if (end == std::string_view::npos) end = path.size();
        const std::string_view part = path.substr(begin, end - begin);
        if (part == "." || part == "..") return false;
        begin = end + 1;
    }
    return true;
}

bool IsDrivePath(std::string_view text) {
    return text.size() >= 3 && text[1] == ':' && text[2] == '\\' &&
           ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'));
}

// Runs of backslashes become one, as the system makes them of a path it
// resolves.
std::string SingleBackslashes(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c != '\\' || out.empty() || out.back() != '\\') out += c;
    }
    return out;
}

}  // namespace

std::optional<std::string> ExtendedPath(std::string_view path) {
    std::string extended;
    if (path.rfind("\\\\?\\", 0) == 0) {
        // Taken as it stands: a slash there is part of a name, not a separator.
        if (path.find('/') != std::string_view::npos) return std::nullopt;
        extended = std::string(path);
    } else {
        std::string text(path);
        std::replace(text.begin(), text.end(), '/', '\\');
        if (IsDrivePath(text)) {
            extended = "\\\\?\\" + SingleBackslashes(text);
        } else if (text.rfind("\\\\", 0) == 0 && text.size() > 2 && text[2] != '\\' && text[2] != '.' &&
                   text[2] != '?') {
            extended = "\\\\?\\UNC\\" + SingleBackslashes(std::string_view(text).substr(2));
        } else {
            return std::nullopt;
        }
    }
    if (!HasNoDotComponents(extended.substr(4))) return std::nullopt;
    return extended;
}

bool PathLiesInside(std::string_view path, std::string_view folder) {
    const std::string inner = Canonical(path);
    const std::string outer = Canonical(folder);
    if (outer.empty() || IsRootOrNotAbsolute(outer) || !HasNoDotComponents(inner) || !HasNoDotComponents(outer)) {
        return false;
    }
    return inner.size() > outer.size() + 1 && inner[outer.size()] == '\\' &&
           SameText(std::string_view(inner).substr(0, outer.size()), outer);
}

bool SameFolder(std::string_view a, std::string_view b) {
    const std::string x = Canonical(a);
    return !x.empty() && SameText(x, Canonical(b));
}

bool IsRootOrNotAbsolute(std::string_view path) {
    const std::string text = Canonical(path);
    // A drive: "C:" and something below it.
    if (text.size() >= 2 && text[1] == ':' && ((text[0] >= 'A' && text[0] <= 'Z') || (text[0] >= 'a' && text[0] <= 'z'))) {
        return text.size() < 4 || text[2] != '\\';
    }
    // A share: "\\server\share" and something below it.
    if (text.rfind("\\\\", 0) == 0) {
        const size_t server = text.find('\\', 2);
        if (server == std::string::npos || server == 2) return true;
        const size_t share = text.find('\\', server + 1);
        return share == std::string::npos || share == server + 1 || share + 1 >= text.size();
    }
    return true;
}

std::optional<std::string> RecentFolderToEmpty(const std::string& registryValue, const std::string& shellFolder) {
    if (IsRootOrNotAbsolute(registryValue) || !SameFolder(registryValue, shellFolder)) return std::nullopt;
    return registryValue;
}

std::optional<std::string> TemporaryFolderToEmpty(const std::string& temporaryFolder,
                                                  const std::vector<std::string>& kept) {
    if (IsRootOrNotAbsolute(temporaryFolder)) return std::nullopt;
    for (const std::string& folder : kept) {
        if (SameFolder(temporaryFolder, folder) || PathLiesInside(folder, temporaryFolder)) return std::nullopt;
    }
    return temporaryFolder;
}

bool HasShortcutExtension(std::string_view name) {
    const size_t dot = name.rfind('.');
    return dot != std::string_view::npos && SameText(name.substr(dot), ".lnk");
}

}  // namespace zenka
