#include "cli/cal_format.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <fstream>
#include <optional>
#include <ostream>
#include <span>
#include <sstream>

#include "calendar/comma_text.h"
#include "calendar/date_text.h"
#include "calendar/day_walk.h"
#include "calendar/era.h"
#include "calendar/julius.h"
#include "calendar/number_text.h"
#include "calendar/old_calendar.h"
#include "calendar/sekki.h"
#include "common/cp932.h"

namespace zenka::cli {

namespace {

constexpr const char* kWeekdayLetters[8] = {"", "日", "月", "火", "水", "木", "金", "土"};

const char* AnsiColour(DayFontIndex font) {
    switch (font) {
        case kFontSaturday: return "\x1b[34m";
        case kFontSunday:
        case kFontHoliday: return "\x1b[31m";
        case kFontSpecialDay: return "\x1b[32m";
        case kFontYoteiDay: return "\x1b[33m";
        default: return nullptr;
    }
}

std::string Coloured(const std::string& text, DayFontIndex font, bool color) {
    const char* code = color ? AnsiColour(font) : nullptr;
    return code ? code + text + "\x1b[0m" : text;
}

int32_t ParseNumber(const std::string& text, const char* what) {
    const std::optional<int64_t> value = ReadNumber(text, {.signs = "-"});
    if (!value) throw UsageError(std::string(what) + " は数で指定してください: " + text);
    return static_cast<int32_t>(*value);
}

int32_t ParseDate(const std::string& text) {
    try {
        return ParseDateText(text);
    } catch (const EDateTextError& e) {
        throw UsageError(e.what());
    }
}

std::string Pad(int value, size_t width) {
    std::string text = std::to_string(value);
    return std::string(text.size() < width ? width - text.size() : 0, ' ') + text;
}

}  // namespace

std::string UsageText() {
    return "使い方: zenka-cal [オプション] [年 [月]]\n"
           "  年と月の月間カレンダーと、日ごとの曜日・祝日名などを表示します。\n"
           "  --monday           月曜日から始める\n"
           "  --rokuyo           六曜を表示する\n"
           "  --sekki            二十四節気と雑節 (1900年から2100年まで) を表示する\n"
           "  --holidays FILE    休日リストをファイルから読む (既定は初期状態の休日リスト)\n"
           "  --special FILE     特別日リストをファイルから読む\n"
           "  --schedule FILE    予定日リストをファイルから読む\n"
           "  --no-equinox       春分の日・秋分の日を自動で休日にしない\n"
           "  --no-color         色を付けない\n"
           "  --tsv FROM TO      FROM から TO まで (YYYY-MM-DD) 一日一行のタブ区切りで出力する:\n"
           "                     日付, 曜日番号, 属性, フォント番号, 旧暦月, 旧暦日, 六曜番号, 名前,\n"
           "                     節気・雑節 (カンマ区切り)\n"
           "  リストファイルはシフトJISかUTF-8で一行に一つの規則を書きます。\n";
}

CalOptions ParseArguments(const std::vector<std::string>& args) {
    CalOptions options;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size()) throw UsageError(arg + " には値が必要です");
            return args[++i];
        };
        if (arg == "--monday") {
            options.mondayFirst = true;
        } else if (arg == "--rokuyo") {
            options.rokuyo = true;
        } else if (arg == "--sekki") {
            options.sekki = true;
        } else if (arg == "--no-equinox") {
            options.equinox = false;
        } else if (arg == "--no-color") {
            options.color = false;
        } else if (arg == "--holidays") {
            options.holidaysFile = value();
        } else if (arg == "--special") {
            options.specialFile = value();
        } else if (arg == "--schedule") {
            options.scheduleFile = value();
        } else if (arg == "--tsv") {
            const int32_t from = ParseDate(value());
            const int32_t to = ParseDate(value());
            if (from > to) throw UsageError("--tsv の FROM が TO より後になっています");
            options.tsv = CalOptions::Range{from, to};
        } else if (arg == "-h" || arg == "--help") {
            options.help = true;
        } else if (arg.size() > 1 && arg[0] == '-' && !(arg[1] >= '0' && arg[1] <= '9')) {
            throw UsageError("知らないオプションです: " + arg);
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() > 2) throw UsageError("引数が多すぎます");
    if (!positional.empty()) {
        options.year = ParseNumber(positional[0], "年");
        if (!IsSupportedYear(*options.year)) {
            throw UsageError(std::string(kSupportedRangeMessage) + ": " + positional[0] + "年");
        }
    }
    if (positional.size() == 2) {
        const int32_t month = ParseNumber(positional[1], "月");
        if (month < 1 || month > 12) throw UsageError("月は 1 から 12 で指定してください: " + positional[1]);
        options.month = static_cast<uint8_t>(month);
    }
    if (options.tsv && !positional.empty()) throw UsageError("--tsv と年月は同時に指定できません");
    return options;
}

std::string ReadListFileBytes(const std::string& path) {
    std::error_code error;
    const std::filesystem::path file(std::u8string(path.begin(), path.end()));
    if (std::filesystem::is_directory(file, error)) throw UsageError("フォルダはリストファイルとして読めません: " + path);
    std::ifstream in(file, std::ios::binary);
    if (!in) throw UsageError("ファイルを読めません: " + path);
    std::string bytes;
    char buffer[64 * 1024];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) bytes.append(buffer, static_cast<size_t>(in.gcount()));
    if (in.bad()) throw UsageError("ファイルを読めません: " + path);
    return bytes;
}

std::string BlankControls(std::string text) {
    size_t out = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        const auto next = i + 1 < text.size() ? static_cast<unsigned char>(text[i + 1]) : 0u;
        if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {  // U+0080..U+009F in UTF-8
            text[out++] = ' ';
            ++i;
        } else {
            text[out++] = byte < 0x20 || byte == 0x7F ? ' ' : text[i];
        }
    }
    text.resize(out);
    return text;
}

void CheckListLines(const DayList& list, std::string_view source) {
    for (size_t i = 0; i < list.Lines().size(); ++i) {
        const std::string& line = list.Lines()[i];
        if (const auto bad = DayRule(line).FirstBadField()) {
            throw UsageError(std::string(DayListName(list.Kind())) + "リスト " + std::string(source) + " の " +
                             std::to_string(i + 1) + " 行目 \"" + line + "\": '" + *bad +
                             "' は有効な整数ではありません");
        }
    }
}

std::string RenderMonth(const DayRuleSet& rules, int32_t year, uint8_t month, const CalOptions& options,
                        bool color) {
    std::string out = MonthCaption(year, month) + "\n";
    const int firstColumn = options.mondayFirst ? 2 : 1;  // weekday number of the first column
    // A weekday letter is two columns wide, as is a day number.
    for (int c = 0; c < 7; ++c) out += std::string(c ? " " : "") + kWeekdayLetters[(firstColumn - 1 + c) % 7 + 1];
    out += "\n";

    // Day numbers, not dates, drive the walk, so October 1582 passes from
    // the 4th straight to the 15th.
    const int32_t first = DateToJulius(year, month, 1);
    const int32_t last = DateToJulius(year, month, DaysInMonth(year, month));
    std::string row(static_cast<size_t>((JuliusDayOfWeek(first) - firstColumn + 7) % 7) * 3, ' ');
    for (int32_t j = first; j <= last; ++j) {
        const CivilDate date = JuliusToDate(j);
        const DayFontIndex font = GetDayFont(rules, date.year, date.month, date.day);
        row += Coloured(Pad(date.day, 2), font, color);
        if ((JuliusDayOfWeek(j) - firstColumn + 7) % 7 == 6 || j == last) {
            out += row + "\n";
            row.clear();
        } else {
            row += " ";
        }
    }
    out += "\n";

    for (int32_t j = first; j <= last; ++j) {
        const CivilDate date = JuliusToDate(j);
        const DayFontIndex font = GetDayFont(rules, date.year, date.month, date.day);
        std::string line = Pad(date.day, 2) + "(" + kWeekdayLetters[JuliusDayOfWeek(j)] + ")";
        if (options.rokuyo) {
            const uint8_t rokuyo = RokuyoIndex(j);
            if (rokuyo != 0) line += std::string(RokuyoNames(rokuyo)) + " ";
        }
        if (options.sekki) {
            for (const SekkiMark& mark : SekkiMarksOf(j)) line += std::string(mark.name) + " ";
        }
        line += BlankControls(GetDayNames(rules, date.year, date.month, date.day));
        while (!line.empty() && line.back() == ' ') line.pop_back();
        out += Coloured(line, font, color) + "\n";
    }
    return out;
}

namespace {

// Writes a number of 0..255 in decimal; returns the end.
char* PutSmall(char* p, unsigned value) {
    if (value >= 100) *p++ = static_cast<char>('0' + value / 100);
    if (value >= 10) *p++ = static_cast<char>('0' + value / 10 % 10);
    *p++ = static_cast<char>('0' + value % 10);
    return p;
}

char* PutTwoDigits(char* p, unsigned value) {
    *p++ = static_cast<char>('0' + value / 10);
    *p++ = static_cast<char>('0' + value % 10);
    return p;
}

// YYYY-MM-DD, the year of at least four digits after its sign.
char* PutDate(char* p, const CivilDate& date) {
    if (date.year < 0) *p++ = '-';
    const uint32_t year = date.year < 0 ? 0u - static_cast<uint32_t>(date.year) : static_cast<uint32_t>(date.year);
    char digits[10];
    const char* end = std::to_chars(digits, digits + sizeof digits, year).ptr;
    for (ptrdiff_t pad = 4 - (end - digits); pad > 0; --pad) *p++ = '0';
    for (const char* d = digits; d < end; ++d) *p++ = *d;
    *p++ = '-';
    p = PutTwoDigits(p, date.month);
    *p++ = '-';
    return PutTwoDigits(p, date.day);
}

// The day's solar term and 雑節, comma-joined.
void AppendSekkiNames(std::string& buffer, std::span<const SekkiMark> marks) {
    bool first = true;
    for (const SekkiMark& mark : marks) {
        if (!first) buffer += ',';
        buffer += mark.name;
        first = false;
    }
}

}  // namespace

void WriteTsv(std::ostream& out, const DayRuleSet& rules, int32_t fromJulius, int32_t toJulius) {
    constexpr size_t kChunk = 64 * 1024;
    std::string buffer;
    buffer.reserve(kChunk + 1024);
    // The days are walked in order; only the first is converted, and each
    // day's classification tells the next whether the day before it is a
    // holiday.
    WalkDay day = WalkDayOf(fromJulius);
    OldCalendarWalk oldCalendar(fromJulius);
    SekkiWalk sekki(fromJulius);
    std::optional<bool> dayBeforeOwnHoliday;
    for (;;) {
        const DayClassification kind = ClassifyDay(rules, day, dayBeforeOwnHoliday);
        dayBeforeOwnHoliday = kind.ownHoliday;
        const OldDate& old = oldCalendar.Date();
        // Everything up to the names fits a short line.
        char line[64];
        char* p = PutDate(line, day.date);
        for (const unsigned field :
             {unsigned{day.weekday}, unsigned{kind.flags}, unsigned{DayFontOf(kind.flags)}, unsigned{old.month},
              unsigned{old.day}, unsigned{RokuyoOf(old)}}) {
            *p++ = '\t';
            p = PutSmall(p, field);
        }
        *p++ = '\t';
        buffer.append(line, static_cast<size_t>(p - line));
        // A tab or line break inside a name would break the record.
        if (!kind.names.empty()) buffer += BlankControls(JoinCommaText(kind.names));
        buffer += '\t';
        AppendSekkiNames(buffer, sekki.Marks());
        buffer += '\n';
        if (buffer.size() >= kChunk) {
            out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
            buffer.clear();
        }
        if (day.julius == toJulius) break;
        day = DayAfter(day);
        oldCalendar.Next();
        sekki.Next();
    }
    out.write(buffer.data(), static_cast<std::streamsize>(buffer.size()));
}

std::string RenderTsv(const DayRuleSet& rules, int32_t fromJulius, int32_t toJulius) {
    std::ostringstream out;
    WriteTsv(out, rules, fromJulius, toJulius);
    return out.str();
}

}  // namespace zenka::cli
