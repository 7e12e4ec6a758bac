#include "daylists/list_file.h"

#include "common/cp932.h"
#include "common/whole_file.h"
#include "daylists/list_file_lines.h"

namespace zenka {

const char* const kListFileFilter = "テキスト ファイル(*.txt)|*.txt";
const char* const kListFileDefaultExtension = "txt";

namespace {

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEnd = "\r\n";
// How many unreadable lines a message names before it only counts the rest.
constexpr size_t kLinesNamed = 10;

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
    std::vector<std::string> raw = SplitListFileLines(bytes);
    // The splitter has cut the text at a NUL; so must the test of the whole.
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
    if (ReplaceWholeFile(path, EncodeListFile(lines))) return true;
    show("ファイル " + path + " を作成できません");
    return false;
}

}  // namespace zenka
