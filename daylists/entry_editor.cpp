#include "daylists/entry_editor.h"

#include "calendar/day_rule.h"
#include "calendar/number_text.h"

namespace zenka {
namespace {

// The texts the controls are filled from, in the order they go in.
struct EditorTexts {
    std::string year, mode, month, day, weekNumber, weekday, content;
};

EditorTexts TextsOf(const std::vector<std::string_view>& f, const CivilDate& date) {
    EditorTexts t;
    t.year = std::to_string(date.year);
    t.mode = "0";
    t.day = std::to_string(date.day);
    t.weekNumber = std::to_string(WeekNumberOfDay(date.day));
    t.weekday = std::to_string(JuliusDayOfWeek(DateToJulius(date.year, date.month, date.day)));
    switch (f.size()) {
        case 3: t.month = f[0], t.day = f[1], t.content = f[2]; break;
        case 4: t.month = f[0], t.weekNumber = f[1], t.weekday = f[2], t.content = f[3]; break;
        case 5: t.year = f[0], t.mode = f[1], t.month = f[2], t.day = f[3], t.content = f[4]; break;
        default: t.year = f[0], t.mode = f[1], t.month = f[2], t.weekNumber = f[3], t.weekday = f[4], t.content = f[5];
    }
    return t;
}

// The year mode item a mode field picks; a mode the box does not offer
// shows as "のみ".
int32_t YearModeItemOf(const std::string& text) {
    const std::optional<int32_t> mode = ParseDecimal(text);
    return mode && *mode >= kOnlyThatYear && *mode <= kThatYearAndLater ? *mode : kOnlyThatYear;
}

}  // namespace

EntryControls InitialEditorControls() { return InitialEntryControls(DayListKind::Yotei); }

EditorFilling FillEditorControls(std::string_view line, const CivilDate& date) {
    EditorFilling out;
    EntryControls& c = out.controls;
    c = InitialEditorControls();
    const std::vector<std::string_view> fields = SplitFields(line);
    if (fields.size() < 3 || fields.size() > 6) {
        PresetEntryControls(c, date);
        c.yearChecked = false;
        c.content = line;
        return out;
    }
    c.yearChecked = fields.size() >= 5;
    c.weekForm = fields.size() == 4 || fields.size() == 6;
    const EditorTexts t = TextsOf(fields, date);

    // Each number goes in as it is read, so a text that is no number stops
    // the filling there.
    const std::string* reading = nullptr;
    const auto number = [&reading](const std::string& text) {
        reading = &text;
        return StrToInt(text);
    };
    try {
        c.year = kYearBox.Clamp(number(t.year));
        c.yearMode = YearModeItemOf(t.mode);
        c.month = c.weekMonth = kMonthBox.Clamp(number(t.month));
        c.day = kDayBox.Clamp(number(t.day));
        c.weekNumber = kWeekNumberBox.Clamp(number(t.weekNumber));
        c.weekday = WeekdayItemOf(number(t.weekday));
        c.content = t.content;
    } catch (const EConvertError&) {
        out.error = "'" + *reading + "' は整数ではありません";
    }
    return out;
}

std::optional<std::string> EditorLine(const EntryControls& controls) {
    if (controls.content.empty() || controls.content.find(',') != std::string::npos) return std::nullopt;
    return ComposeDayRule(controls, kOnlyThatYear);
}

}  // namespace zenka
