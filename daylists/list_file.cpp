#include "daylists/list_file.h"

#include "common/cp932.h"
#include "common/whole_file.h"

namespace zenka {

const char* const kListFileFilter = "テキスト ファイル(*.txt)|*.txt";
const char* const kListFileDefaultExtension = "txt";

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
// How many unreadable lines a message names before it only counts the rest.
constexpr size_t kLinesNamed = 10;

// The bytes of each line, up to a NUL; no trail byte of code page 932 and
// no byte of a UTF-8 character is a CR or LF, so the bytes can be split
// before they are read.
std::vector<std::string> SplitLines(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        const size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
    }
    return lines;
}

// Malformed bytes become U+FFFD; everything else stays.
std::string RepairUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (size_t i = 0; i < bytes.size();) {
        size_t length;
        AppendUtf8(out, DecodeUtf8(bytes, i, length));
        i += length;
    }
    return out;
}

bool HasWideUtf8Character(std::string_view bytes) {
    for (char c : bytes) {
        if ((static_cast<unsigned char>(c) & 0xF0) >= 0xE0) return true;  // a lead byte of three or four
    }
    return false;
}

std::string UnreadableLinesMessage(const std::string& path, const std::vector<size_t>& lines) {
    std::string numbers;
    for (size_t i = 0; i < lines.size() && i < kLinesNamed; ++i) {
        if (i > 0) numbers += ", ";
        numbers += std::to_string(lines[i]);
    }
    if (lines.size() > kLinesNamed) numbers += " ほか " + std::to_string(lines.size() - kLinesNamed);
    return "ファイル " + path + " の " + numbers +
           " 行目には読めない文字があります。読めない文字は「\xEF\xBF\xBD」に置き換えて読み込みました。";
}

}  // namespace

std::string ProposedListFileName(DayListKind kind) { return std::string(DayListName(kind)) + "リスト"; }

DecodedListFile DecodeListFile(std::string_view bytes) {
    const bool marked = bytes.starts_with(kUtf8Mark);
    if (marked) bytes.remove_prefix(kUtf8Mark.size());
    const std::vector<std::string> raw = SplitLines(bytes);
    // The lines end at a NUL; so must the test of the whole.
    const bool utf8File = marked || IsUtf8Text(bytes.substr(0, bytes.find('\0')));

    DecodedListFile file;
    file.lines.reserve(raw.size());
    for (size_t i = 0; i < raw.size(); ++i) {
        const std::string& line = raw[i];
        bool readable;
        if (utf8File) {
            readable = IsUtf8Text(line);
            file.lines.push_back(readable ? line : RepairUtf8(line));
        } else if (HasWideUtf8Character(line) && IsUtf8Text(line)) {
            readable = true;
            file.lines.push_back(line);
        } else {
            readable = IsCp932Text(line);
            file.lines.push_back(Cp932ToUtf8(line));
        }
        if (!readable) file.unreadableLines.push_back(i + 1);
    }
    return file;
}

std::vector<std::string> SplitListFileLines(std::string_view bytes) { return DecodeListFile(bytes).lines; }

std::string EncodeListFile(const std::vector<std::string>& lines) {
    bool cp932 = true;
    for (const std::string& line : lines) cp932 = cp932 && Cp932CanHold(line);
    std::string bytes;
    if (cp932) {
        for (const std::string& line : lines) bytes += Utf8ToCp932(line) + std::string(kLineEnd);
        // Rarely, code page 932 bytes also make sense as UTF-8 and would be
        // read back as other characters; such a file goes as UTF-8 too.
        if (DecodeListFile(bytes).lines == lines) return bytes;
    }
    bytes = kUtf8Mark;
    for (const std::string& line : lines) bytes += line + std::string(kLineEnd);
    return bytes;
}

std::optional<std::vector<std::string>> LoadListFile(const std::string& path, const ShowMessage& show) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        show("ファイル " + path + " は開けません");
        return std::nullopt;
    }
    DecodedListFile file = DecodeListFile(*bytes);
    if (!file.unreadableLines.empty()) show(UnreadableLinesMessage(path, file.unreadableLines));
    return std::move(file.lines);
}

bool SaveListFile(const std::string& path, const std::vector<std::string>& lines, const ShowMessage& show) {
    const FileReplacement replacement = ReplaceWholeFile(path, EncodeListFile(lines));
    if (replacement) return true;
    show("ファイル " + path + " を作成できません: " + WhyNotReplaced(replacement, path));
    return false;
}

}  // namespace zenka
