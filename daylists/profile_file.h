// A profile file ("INI" file): [section] lines and key=value lines, in code
// page 932. It is read and written the way the Windows profile functions do,
// so files this writes read the same through them and the other way round:
// - section and key names match without regard to letter case (A-Z);
// - of two sections or keys with one name, the first counts;
// - names and values lose the blanks around them, and a value enclosed in a
//   pair of like quotes (' or ") loses the pair.
// Values come back whole, however long (the Windows functions cut them to
// their caller's buffer). A file is written in code page 932, its lines
// that this does not change byte for byte; when some text in it is beyond
// code page 932, the whole file is written as UTF-8 with a byte order mark
// instead, which reads back here as it was.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zenka {

class ProfileFile {
public:
    // Code page 932 bytes; a UTF-8 or UTF-16 byte-order mark switches to
    // that encoding, as the Windows functions do.
    static ProfileFile Parse(std::string_view bytes);
    // Code page 932, or UTF-8 with its mark when code page 932 lacks a
    // character of the file.
    std::string Serialize() const;

    // Texts are UTF-8. Nothing when the section or key is missing or the
    // key's line has no "=".
    std::optional<std::string> Get(std::string_view section, std::string_view key) const;

    // Replaces the first such key's value, or adds the key at the end of the
    // first such section, or adds the section at the end of the file. A
    // value with blanks at either end, or enclosed in like quotes, is written
    // enclosed in double quotes so that it reads back as it was; line breaks
    // in a value become blanks.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // Adds a section at the end of the file holding these keys in order,
    // their values written as Set writes them; quicker than Set key by key
    // for a long list.
    void AddSection(std::string_view section, const std::vector<std::pair<std::string, std::string>>& entries);

    // Removes the first section of that name with all its lines; a later
    // one of the same name then answers in its place.
    void EraseSection(std::string_view section);
    bool HasSection(std::string_view section) const;

    // Section names in file order (for checks). The lines before the first
    // section header form a section without a header whose name is empty.
    std::vector<std::string> SectionNames() const;

private:
    struct Line {
        std::string text;  // UTF-8, without line end
        // The line's bytes as read from a code page 932 file, written back
        // as they are; nothing for other lines.
        std::optional<std::string> cp932;
        bool isKey = false;
        std::string key;                   // UTF-8, without blanks around
        std::optional<std::string> value;  // UTF-8; nothing without "="
    };
    struct Section {
        bool hasHeader = false;  // false only for the lines before any header
        std::string name;        // UTF-8, between the brackets, without blanks
        Line header;
        std::vector<Line> lines;
    };

    static Line KeyLine(std::string_view key, std::string_view value);
    template <typename Visit>
    void ForEachLine(Visit&& visit) const;
    Section* FindSection(std::string_view name);
    const Section* FindSection(std::string_view name) const;

    std::vector<Section> sections_;
};

}  // namespace zenka
