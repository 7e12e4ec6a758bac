#include "daylists/profile_file.h"

#include <algorithm>

#include "common/cp932.h"

namespace zenka {
namespace {

// The blanks the Windows profile functions strip: space, tab, the line and
// page breaks, and ^Z (an end-of-file mark some old files carry).
bool IsBlank(char c) { return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

char FoldCase(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return FoldCase(x) == FoldCase(y); });
}

bool IsQuote(char c) { return c == '"' || c == '\''; }

bool EnclosedInQuotes(std::string_view value) {
    return value.size() >= 2 && IsQuote(value.front()) && value.back() == value.front();
}

std::string Utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](size_t i) {
        const auto hi = static_cast<unsigned char>(bytes[bigEndian ? i : i + 1]);
        const auto lo = static_cast<unsigned char>(bytes[bigEndian ? i + 1 : i]);
        return static_cast<char32_t>((hi << 8) | lo);
    };
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            } else {
                cp = 0xFFFD;
            }
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

// What a value is written as so that reading gives it back.
std::string WrittenValue(std::string_view value) {
    std::string text(value);
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    const bool needsQuotes = !text.empty() && (IsBlank(text.front()) || IsBlank(text.back()) || EnclosedInQuotes(text));
    return needsQuotes ? "\"" + text + "\"" : text;
}

}  // namespace

ProfileFile ProfileFile::Parse(std::string_view bytes) {
    enum class Encoding { Cp932, Utf8 } encoding = Encoding::Cp932;
    std::string converted;
    if (bytes.starts_with("\xEF\xBB\xBF")) {
        bytes.remove_prefix(3);
        encoding = Encoding::Utf8;
    } else if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        converted = Utf16ToUtf8(bytes.substr(2), bytes[0] == '\xFE');
        bytes = converted;
        encoding = Encoding::Utf8;
    }

    ProfileFile file;
    file.sections_.emplace_back();  // the lines before any section header
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = pos;
        while (end < bytes.size() && bytes[end] != '\r' && bytes[end] != '\n') ++end;
        const std::string_view raw = bytes.substr(pos, end - pos);
        // One line end each: CR LF, a lone LF or a lone CR.
        pos = end;
        if (pos < bytes.size()) pos += bytes.substr(pos).starts_with("\r\n") ? 2 : 1;

        Line line;
        if (encoding == Encoding::Cp932) {
            line.cp932 = std::string(raw);
            line.text = Cp932ToUtf8(raw);
        } else {
            line.text = raw;
        }
        const std::string_view trimmed = Trim(line.text);
        if (trimmed.empty()) {
            file.sections_.back().lines.push_back(std::move(line));
            continue;
        }
        if (trimmed.front() == '[') {
            const size_t close = trimmed.find(']');
            if (close != std::string_view::npos) {
                Section section;
                section.hasHeader = true;
                section.name = Trim(trimmed.substr(1, close - 1));
                section.header = std::move(line);
                file.sections_.push_back(std::move(section));
                continue;
            }
            // Without its bracket the line is an ordinary key line.
        }
        line.isKey = true;
        const size_t equals = trimmed.find('=');
        if (equals == std::string_view::npos) {
            line.key = trimmed;
        } else {
            line.key = Trim(trimmed.substr(0, equals));
            line.value = std::string(Trim(trimmed.substr(equals + 1)));
        }
        file.sections_.back().lines.push_back(std::move(line));
    }
    return file;
}

template <typename Visit>
void ProfileFile::ForEachLine(Visit&& visit) const {
    for (const Section& section : sections_) {
        if (section.hasHeader) visit(section.header);
        for (const Line& line : section.lines) visit(line);
    }
}

std::string ProfileFile::Serialize() const {
    bool cp932 = true;
    ForEachLine([&cp932](const Line& line) { cp932 = cp932 && (line.cp932 || Cp932CanHold(line.text)); });
    std::string out = cp932 ? "" : "\xEF\xBB\xBF";
    ForEachLine([&](const Line& line) {
        out += !cp932 ? line.text : line.cp932 ? *line.cp932 : Utf8ToCp932(line.text);
        out += "\r\n";
    });
    return out;
}

ProfileFile::Section* ProfileFile::FindSection(std::string_view name) {
    name = Trim(name);
    for (Section& section : sections_) {
        // The lines before any header answer to the empty name.
        if (SameName(section.name, name)) return &section;
    }
    return nullptr;
}

const ProfileFile::Section* ProfileFile::FindSection(std::string_view name) const {
    return const_cast<ProfileFile*>(this)->FindSection(name);
}

std::optional<std::string> ProfileFile::Get(std::string_view section, std::string_view key) const {
    const Section* found = FindSection(section);
    if (!found) return std::nullopt;
    key = Trim(key);
    for (const Line& line : found->lines) {
        if (!line.isKey || !SameName(line.key, key)) continue;
        if (!line.value) return std::nullopt;
        std::string_view value = *line.value;
        if (EnclosedInQuotes(value)) value = value.substr(1, value.size() - 2);
        return std::string(value);
    }
    return std::nullopt;
}

ProfileFile::Line ProfileFile::KeyLine(std::string_view key, std::string_view value) {
    Line line;
    line.isKey = true;
    line.key = Trim(key);
    line.value = WrittenValue(value);
    line.text = line.key + "=" + *line.value;
    return line;
}

void ProfileFile::Set(std::string_view section, std::string_view key, std::string_view value) {
    Section* target = FindSection(section);
    if (!target) {
        AddSection(section, {});
        target = &sections_.back();
    }
    Line written = KeyLine(key, value);
    for (Line& line : target->lines) {
        if (line.isKey && SameName(line.key, written.key)) {
            // The key keeps the spelling it has in the file.
            written.text = line.key + "=" + *written.value;
            written.key = line.key;
            line = std::move(written);
            return;
        }
    }
    // After the section's last line that is not blank, so that the blank
    // lines separating it from the next section stay where they are.
    auto last = std::find_if(target->lines.rbegin(), target->lines.rend(),
                             [](const Line& l) { return !Trim(l.text).empty(); });
    target->lines.insert(last.base(), std::move(written));
}

void ProfileFile::AddSection(std::string_view section,
                             const std::vector<std::pair<std::string, std::string>>& entries) {
    Section added;
    added.hasHeader = true;
    added.name = Trim(section);
    added.header.text = "[" + added.name + "]";
    added.lines.reserve(entries.size());
    for (const auto& [key, value] : entries) added.lines.push_back(KeyLine(key, value));
    sections_.push_back(std::move(added));
}

void ProfileFile::EraseSection(std::string_view section) {
    section = Trim(section);
    const auto found = std::find_if(sections_.begin(), sections_.end(),
                                    [&](const Section& s) { return SameName(s.name, section); });
    if (found != sections_.end()) sections_.erase(found);
}

bool ProfileFile::HasSection(std::string_view section) const { return FindSection(section) != nullptr; }

std::vector<std::string> ProfileFile::SectionNames() const {
    std::vector<std::string> names;
    for (const Section& section : sections_) {
        if (section.hasHeader) names.push_back(section.name);
    }
    return names;
}

}  // namespace zenka
