#include "controls/month_calendar_win.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "common/error_report_win.h"
#include "calendar/default_holidays.h"
#include "calendar/julius.h"
#include "calendar/old_calendar.h"
#include "common/font_win.h"
#include "tests/fakes/fake_clock.h"
#include "tests/win/support/captured_image.h"

namespace zenka {
namespace {

using testing::Image;
using testing::WithBitmap;

class MonthCalendarWindow : public ::testing::Test {
protected:
    void SetUp() override {
        previousReporter_ = SetErrorReporter([this](HWND owner, const std::string& text) {
            reports.push_back(text);
            reportOwners.push_back(owner);
        });
        parent_ = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 400, 400, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(parent_, nullptr);
        calendar = std::make_unique<MonthCalendarControl>(clock);
        calendar->SetHolidayList(DefaultHolidayLines());
        calendar->SetColor(clWhite);
        calendar->OnDayChange = [this](TCustomCalendarEx2k&, int32_t y, uint8_t m, uint8_t d) {
            changes.push_back(std::to_string(y) + "-" + std::to_string(m) + "-" + std::to_string(d));
        };
        // The sunken edge takes two pixels on each side. The client area is
        // no multiple of the cells: they are 40 or 41 by 30 or 31 pixels.
        ASSERT_TRUE(calendar->Create(parent_, 0, 0, 283 + 4, 212 + 4));
        ASSERT_EQ(calendar->ClientWidth(), 283);
        ASSERT_EQ(calendar->ClientHeight(), 212);
    }
    void TearDown() override {
        calendar.reset();
        DestroyWindow(parent_);
        SetErrorReporter(previousReporter_);
    }

    HWND Window() const { return calendar->Handle(); }
    void Key(WORD key) { SendMessageW(Window(), WM_KEYDOWN, key, 1); }
    void Press(UINT message, int x, int y) { SendMessageW(Window(), message, 0, MAKELPARAM(x, y)); }
    Image Capture() const {
        return WithBitmap(calendar->ClientWidth(), calendar->ClientHeight(), clFuchsia, [this](HDC dc) {
            SendMessageW(Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
        });
    }
    std::string Selected() const {
        return std::to_string(calendar->Year()) + "-" + std::to_string(calendar->Month()) + "-" +
               std::to_string(calendar->Day());
    }
    // Large fonts, so that every text has pixels of its exact colour.
    void UseLargeFonts() {
        for (uint8_t i = 0; i < 8; ++i) {
            FontDescription font = calendar->Fonts().Font(DayFontIndex(i));
            font.height = i == kFontRokuyo ? -13 : -22;
            font.bold = i != kFontRokuyo;
            calendar->Fonts().SetFont(DayFontIndex(i), font);
        }
    }

    FakeClock clock{2006, 1, 1};
    std::unique_ptr<MonthCalendarControl> calendar;
    std::vector<std::string> changes;
    std::vector<std::string> reports;
    std::vector<HWND> reportOwners;

private:
    HWND parent_ = nullptr;
    ErrorReporter previousReporter_;
};

TEST_F(MonthCalendarWindow, KeysAndPressesMoveTheDateAndFireOncePerChange) {
    EXPECT_EQ(SendMessageW(Window(), WM_GETDLGCODE, 0, 0), DLGC_WANTARROWS | DLGC_WANTCHARS);
    EXPECT_TRUE(GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_TRUE(GetWindowLongW(Window(), GWL_STYLE) & WS_TABSTOP);

    std::vector<std::string> keysSeen;
    calendar->OnKeyDown = [&](MonthCalendarControl&, WORD key) {
        keysSeen.push_back(std::to_string(key) + "@" + Selected());
    };
    Key(VK_RIGHT);
    Key(VK_DOWN);
    Key(VK_NEXT);
    Key(VK_PRIOR);
    Key(VK_UP);
    Key(VK_LEFT);
    Key('A');
    EXPECT_EQ(changes, (std::vector<std::string>{"2006-1-2", "2006-1-9", "2006-2-9", "2006-1-9", "2006-1-2",
                                                 "2006-1-1"}));
    // OnKeyDown comes after the control's own step, for every key.
    ASSERT_EQ(keysSeen.size(), 7u);
    EXPECT_EQ(keysSeen[0], std::to_string(VK_RIGHT) + "@2006-1-2");
    EXPECT_EQ(keysSeen[6], "65@2006-1-1");

    // 1 January is in row 2, column 0; column 6 runs from 242 to the right
    // edge.
    changes.clear();
    int clicks = 0, doubleClicks = 0, mouseDowns = 0;
    calendar->OnClick = [&](MonthCalendarControl&) { ++clicks; };
    calendar->OnDblClick = [&](MonthCalendarControl&) { ++doubleClicks; };
    calendar->OnMouseDown = [&](MonthCalendarControl&, int, int) { ++mouseDowns; };
    Press(WM_LBUTTONDOWN, 100, 100);  // column 2, row 3: 10 January
    Press(WM_LBUTTONUP, 100, 100);
    Press(WM_LBUTTONDOWN, 100, 15);   // the header
    Press(WM_LBUTTONUP, 100, 15);
    Press(WM_RBUTTONDOWN, 20, 35);    // 25 December, a neighbour
    Press(WM_LBUTTONDOWN, 282, 65);   // the last pixel column of row 2: 7 January
    Press(WM_LBUTTONUP, 282, 65);
    Press(WM_LBUTTONDBLCLK, 282, 65);
    Press(WM_LBUTTONUP, 282, 65);
    EXPECT_EQ(changes, (std::vector<std::string>{"2006-1-10", "2006-1-7"}));
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_EQ(mouseDowns, 5);

    calendar->SetNeighborJump(true);
    Press(WM_RBUTTONDOWN, 20, 35);
    EXPECT_EQ(Selected(), "2005-12-25");
    EXPECT_TRUE(reports.empty());
}

TEST_F(MonthCalendarWindow, ErrorsReachTheErrorReportAndKeepTheDate) {
    calendar->SetDate(1582, 9, 7);
    changes.clear();
    bool keyEvent = false;
    calendar->OnKeyDown = [&](MonthCalendarControl&, WORD) { keyEvent = true; };
    Key(VK_NEXT);
    EXPECT_EQ(reports, (std::vector<std::string>{"1582/10/5-10/14は存在しません。"}));
    ASSERT_EQ(reportOwners.size(), 1u);
    EXPECT_EQ(reportOwners[0], Window());
    EXPECT_EQ(Selected(), "1582-9-7");
    EXPECT_TRUE(changes.empty());
    EXPECT_FALSE(keyEvent);

    // A malformed line is drawn as not matching and handed to the host after
    // each drawing that met it (telling it once is the host's part); it stops
    // neither the drawing nor the change of date.
    reports.clear();
    std::vector<std::string> unreadable;
    calendar->OnUnreadableLines = [&](const std::vector<EDayRuleError>& lines) {
        for (const EDayRuleError& line : lines) unreadable.push_back(line.line);
    };
    calendar->SetDate(2006, 1, 1);
    calendar->SetHolidayList({"1,x,壊れた行"});
    ASSERT_FALSE(unreadable.empty());
    EXPECT_EQ(unreadable.front(), "1,x,壊れた行");
    unreadable.clear();
    calendar->NextDay();
    EXPECT_FALSE(unreadable.empty());
    EXPECT_EQ(changes.back(), "2006-1-2");
    EXPECT_TRUE(reports.empty());

    // An error raised by a host's handler ends at the same edge.
    reports.clear();
    calendar->OnKeyDown = [](MonthCalendarControl&, WORD) { throw std::runtime_error("handler failed"); };
    Key('T');
    EXPECT_EQ(reports, (std::vector<std::string>{"handler failed"}));
}

TEST_F(MonthCalendarWindow, PaintsSelectedDayNeighboursLinesAndHeader) {
    UseLargeFonts();
    calendar->SetShowNeighbor(true);
    calendar->SetShowLine(true);
    const Image image = Capture();
    EXPECT_EQ(image.Count({0, 0, 283, 212}, clFuchsia), 0) << "the bitmap covers the client area";

    // 1 January 2006, a holiday, is selected: the cell filled with red in
    // the shade that reads on white, its number in white.
    const Palette& palette = calendar->Palette();
    const CellColors shade = palette.Selected(clRed, clWhite);
    ASSERT_NE(shade.fill, clRed) << "pure red is too light for white text";
    const Rect selected = calendar->CellRect(0, 2);
    EXPECT_EQ(image.At(selected.left, selected.top), shade.fill);
    EXPECT_EQ(image.At(selected.right - 1, selected.bottom - 1), shade.fill);
    EXPECT_GT(image.Count(selected, clWhite), 5);
    EXPECT_GT((image.Count(selected, clWhite) + image.Count(selected, shade.fill)) * 10,
              selected.Width() * selected.Height() * 9)
        << "the shade and white fill the selected cell";

    // 25 December 2005, a Sunday of the month before: the shade faded
    // towards white as far as the neighbour colour (silver) says.
    const Rect sunday = calendar->CellRect(0, 1);
    EXPECT_GT(image.Count(sunday, palette.NeighbourText(clRed, clWhite, 192 / 255.0)), 5);
    EXPECT_EQ(image.Count(sunday, shade.fill), 0);

    // Lines on every week cell's left and top edges only.
    for (int row = 1; row < calendar->RowCount(); ++row) {
        for (int column = 0; column < 7; ++column) {
            if (row == 2 && column == 0) continue;  // filled over by the selection
            const Rect cell = calendar->CellRect(column, row);
            EXPECT_EQ(image.At(cell.left, cell.top + 2), clSilver) << "left edge of " << column << "," << row;
            EXPECT_EQ(image.At(cell.left + 2, cell.top), clSilver) << "top edge of " << column << "," << row;
            EXPECT_EQ(image.At(cell.right - 1, cell.bottom - 2), clWhite) << "right of " << column << "," << row;
        }
    }
    // No line along the outer right and bottom edges: only the ends of the
    // cells' top and left edges reach them.
    EXPECT_EQ(image.Count({282, 30, 283, 212}, clSilver), calendar->RowCount() - 1);
    EXPECT_EQ(image.Count({0, 211, 283, 212}, clSilver), 7);

    // The header: weekday names in white on the header colour, no lines.
    const Rect header = calendar->CellRect(3, 0);
    EXPECT_EQ(image.At(header.left, header.top + 2), clNavy);
    EXPECT_EQ(image.At(header.left + 2, header.top), clNavy);
    EXPECT_GT(image.Count(header, clWhite), 5);

    // Without neighbours their cells keep only the lines.
    calendar->SetShowNeighbor(false);
    const Image bare = Capture();
    const Rect inner{sunday.left + 1, sunday.top + 1, sunday.right, sunday.bottom};
    EXPECT_EQ(bare.Count(inner, clWhite), inner.Width() * inner.Height());
    EXPECT_EQ(bare.At(sunday.left, sunday.top + 2), clSilver);
}

TEST_F(MonthCalendarWindow, RokuyoStripOnlyInsideTheOldCalendarTable) {
    // Cells 50 pixels high keep the numbers clear of the 13-pixel strip.
    MoveWindow(Window(), 0, 0, 283 + 4, 350 + 4, FALSE);
    calendar->SetDate(2006, 1, 15);
    const Image plain = Capture();
    calendar->SetShowRokuyo(true);
    const Image withRokuyo = Capture();
    const Rect cell = calendar->CellRect(2, 2);  // 3 January 2006
    const Rect strip{cell.left, cell.bottom - 13, cell.right, cell.bottom};
    EXPECT_EQ(plain.Count(strip, clBlack), 0);
    EXPECT_GT(withRokuyo.Count(strip, clBlack), 5);

    // A year the table does not reach, whatever its range is now.
    int32_t outside = 0;
    for (int32_t year : {1850, 2200, 1700, 2500}) {
        if (OldCalendarLookup(DateToJulius(year, 1, 1)).month == 0 &&
            OldCalendarLookup(DateToJulius(year, 1, 31)).month == 0) {
            outside = year;
            break;
        }
    }
    ASSERT_NE(outside, 0) << "no year outside the old-calendar table";
    calendar->SetDate(outside, 1, 15);
    const Image outsideWithRokuyo = Capture();
    calendar->SetShowRokuyo(false);
    EXPECT_EQ(outsideWithRokuyo, Capture()) << "no strip and the numbers centred in whole cells";
}

TEST_F(MonthCalendarWindow, NeverErasesAndRedrawsAtANewSize) {
    const Image untouched = WithBitmap(20, 20, clFuchsia, [this](HDC dc) {
        EXPECT_NE(SendMessageW(Window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0), 0);
    });
    EXPECT_EQ(untouched.Count({0, 0, 20, 20}, clFuchsia), 400);

    MoveWindow(Window(), 0, 0, 144 + 4, 130 + 4, FALSE);
    EXPECT_EQ(calendar->ClientWidth(), 144);
    const Image small = Capture();
    EXPECT_EQ(small.Count({0, 0, 144, 130}, clFuchsia), 0);
    EXPECT_EQ(small.At(143, 1), clNavy);
}

// Whether the font selected into dc has a glyph of its own for every
// character of text.
bool FontHasGlyphs(HDC dc, std::wstring_view text) {
    std::vector<WORD> glyphs(text.size());
    if (GetGlyphIndicesW(dc, text.data(), static_cast<int>(text.size()), glyphs.data(),
                         GGI_MARK_NONEXISTING_GLYPHS) != text.size()) {
        return false;
    }
    for (WORD glyph : glyphs) {
        if (glyph == 0xFFFF) return false;
    }
    return true;
}

TEST(JapaneseFonts, MissingFacesFallBackToAFaceWithJapanese) {
    for (const char* face : {kJapaneseUiFace, "存在しない書体", "Tahoma"}) {
        FontDescription description;
        description.face = face;
        HFONT font = CreateFontFor(description);
        ASSERT_NE(font, nullptr);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, font);
        EXPECT_TRUE(FontHasGlyphs(dc, L"日月火水木金土先勝友引")) << face;
        SelectObject(dc, old);
        DeleteDC(dc);
        DeleteObject(font);
    }
}

}  // namespace
}  // namespace zenka
