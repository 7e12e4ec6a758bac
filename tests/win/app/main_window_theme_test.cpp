// The main window under the system's theme: the tray icons handed to the
// shell come from the set that reads on the taskbar, the calendar window
// and the month schedule view draw dark with the programs' dark theme and
// in the system colours with a high-contrast theme, and each follows a
// change at once. The theme values are written to this run's throwaway
// prefix and taken away again by each test.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "app/main_window_win.h"
#include "common/palette.h"
#include "controls/tray_icon_win.h"
#include "tests/fakes/fake_theme_source.h"
#include "tests/win/app/main_window_fixture.h"
#include "tests/win/support/captured_image.h"
#include "tests/win/support/icon_folder.h"

namespace zenka {
namespace {

using testing::Image;
using testing::MainWindow;
using testing::PrintClient;
using testing::WithBitmap;
using testing::WriteBmpFile;

constexpr wchar_t kPersonalizeKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";
constexpr Color kGround = RgbColor(0x80, 0x40, 0x20);  // no colour the icons or the windows use

// One theme value of the current user, gone again with the object.
class ThemeValue {
public:
    ThemeValue(const wchar_t* name, DWORD value) : name_(name) { Set(value); }
    ~ThemeValue() {
        HKEY key;
        if (RegOpenKeyExW(HKEY_CURRENT_USER, kPersonalizeKey, 0, KEY_SET_VALUE, &key) == ERROR_SUCCESS) {
            RegDeleteValueW(key, name_);
            RegCloseKey(key);
        }
    }
    ThemeValue(const ThemeValue&) = delete;
    ThemeValue& operator=(const ThemeValue&) = delete;

    void Set(DWORD value) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kPersonalizeKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        RegSetValueExW(key, name_, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof(value));
        RegCloseKey(key);
    }

private:
    const wchar_t* name_;
};

// What the system tells every window when the user switches the theme.
void BroadcastThemeChange() {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(HWND_BROADCAST, WM_SETTINGCHANGE, 0, reinterpret_cast<LPARAM>(L"ImmersiveColorSet"),
                        SMTO_ABORTIFHUNG, 2000, &result);
}

Image IconImage(HICON icon) {
    const int cx = GetSystemMetrics(SM_CXSMICON);
    const int cy = GetSystemMetrics(SM_CYSMICON);
    return WithBitmap(cx, cy, kGround, [&](HDC dc) { DrawIconEx(dc, 0, 0, icon, cx, cy, 0, nullptr, DI_NORMAL); });
}

// An icon file as the tray icon loads it, drawn on the test's ground.
Image FilePicture(const std::wstring& relative) {
    const std::wstring path = AppDirOfIcons() + relative;
    auto* icon = static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_LOADFROMFILE));
    EXPECT_NE(icon, nullptr) << Narrow(path);
    Image image = icon ? IconImage(icon) : Image{};
    if (icon) DestroyIcon(icon);
    return image;
}

// The pictures handed to the shell, the last one for each icon, passed on
// to the real shell.
class ShellPictures {
public:
    ShellPictures() {
        previous_ = SetTrayNotifier([this](DWORD message, const NOTIFYICONDATAW& data) {
            if (message != NIM_DELETE && (data.uFlags & NIF_ICON) && data.hIcon) last[data.uID] = IconImage(data.hIcon);
            return Shell_NotifyIconW(message, const_cast<NOTIFYICONDATAW*>(&data));
        });
    }
    ~ShellPictures() { SetTrayNotifier(std::move(previous_)); }
    ShellPictures(const ShellPictures&) = delete;
    ShellPictures& operator=(const ShellPictures&) = delete;

    std::map<UINT, Image> last;

private:
    TrayNotifier previous_;
};

class MainWindowTheme : public MainWindow {
protected:
    MainWindowTheme() {
        // The icons beside zenka.exe in the build tree.
        moreServices = [this](MainWindowServices& services) {
            services.appDir = Narrow(AppDirOfIcons());
            if (fakeTheme) services.theme = &theme;
        };
    }
    UINT DayId() { return static_cast<UINT>(window->Tray()->icons.TaskTray2.Identifier()); }
    UINT WeekdayId() { return static_cast<UINT>(window->Tray()->icons.TaskTray3.Identifier()); }
    Image Calendar() { return PrintClient(window->koyomi1.Handle(), kGround); }
    // The caption label's colours, as the window hands them to it.
    std::pair<Color, Color> LabelColors() {
        HDC dc = CreateCompatibleDC(nullptr);
        auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(Hwnd(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(Child(idLabel1))));
        LOGBRUSH face{};
        GetObjectW(brush, sizeof(face), &face);
        const Color text = GetTextColor(dc);
        DeleteDC(dc);
        return {face.lbColor, text};
    }

    // Where asked, a picture of the window to look at, as no high-contrast
    // theme can be switched on under Wine.
    static void Picture(const wchar_t* name, HWND shown) {
        const wchar_t* folder = _wgetenv(L"ZENKA_TEST_PICTURES");
        if (!folder) return;
        ShowWindow(shown, SW_SHOWNOACTIVATE);
        EXPECT_TRUE(WriteBmpFile(testing::ScreenPicture(shown), std::wstring(folder) + L"\\" + name + L".bmp"));
    }

    bool fakeTheme = false;
    FakeThemeSource theme;
};

TEST_F(MainWindowTheme, OnADarkTaskbarTheIconsComeFromTheDarkSetAndFollowTheSwitch) {
    ThemeValue taskbar(L"SystemUsesLightTheme", 0);
    testing::SetSetting("Icon", "Youbi", "1");
    ShellPictures shell;
    Start();  // 1 January 2006: a Sunday and a holiday, in red
    ASSERT_TRUE(shell.last.count(DayId()));
    const Image darkDay = FilePicture(L"Icon\\Dark\\Red\\1.ico");
    const Image lightDay = FilePicture(L"Icon\\Red\\1.ico");
    ASSERT_NE(darkDay, lightDay) << "the two sets differ";
    EXPECT_EQ(shell.last[DayId()], darkDay);
    EXPECT_EQ(shell.last[WeekdayId()], FilePicture(L"Icon\\Dark\\Red\\w1.ico"));

    taskbar.Set(1);
    BroadcastThemeChange();
    EXPECT_EQ(shell.last[DayId()], lightDay) << "the change applies at once";
    EXPECT_EQ(shell.last[WeekdayId()], FilePicture(L"Icon\\Red\\w1.ico"));
    EXPECT_TRUE(messages.empty()) << "a redraw of the same day brings no schedule notice again";

    taskbar.Set(0);
    BroadcastThemeChange();
    EXPECT_EQ(shell.last[DayId()], darkDay);
}

TEST_F(MainWindowTheme, DarkProgramsDrawTheCalendarWindowAndScheduleViewDarkAndFollowTheSwitch) {
    ThemeValue apps(L"AppsUseLightTheme", 0);
    StartCalendarOnly();
    const Palette dark = PaletteFor(window->Theme());
    ASSERT_EQ(dark.scheme, DrawingScheme::Dark);
    EXPECT_EQ(LabelColors(), std::pair(dark.face, dark.faceText));
    const Image calendar = Calendar();
    const int area = calendar.width * calendar.height;
    EXPECT_GT(calendar.Count({0, 0, calendar.width, calendar.height}, *dark.ground) * 2, area) << "a dark ground";
    EXPECT_GT(calendar.Count({0, 0, calendar.width, calendar.height}, clWhite), 20) << "light ordinary days";
    const Image button = PrintClient(Child(idPanelButton1), kGround);
    EXPECT_GT(button.Count({0, 0, button.width, button.height}, dark.face) * 2, button.width * button.height);
    EXPECT_GT(button.Count({0, 0, button.width, button.height}, dark.faceText), 0) << "the arrows in light";

    Menu(cmdPopMemo);
    ASSERT_NE(window->MonthSchedule(), nullptr);
    HWND list = window->MonthSchedule()->Child(idMemoListBox1);
    Image lines = PrintClient(list, kGround);
    EXPECT_GT(lines.Count({0, 0, lines.width, lines.height}, *dark.ground) * 2, lines.width * lines.height);

    apps.Set(1);
    BroadcastThemeChange();
    const Palette light = PaletteFor(window->Theme());
    ASSERT_EQ(light.scheme, DrawingScheme::Light);
    EXPECT_EQ(LabelColors(), std::pair(light.face, light.faceText));
    const Image lightCalendar = Calendar();
    EXPECT_GT(lightCalendar.Count({0, 0, calendar.width, calendar.height}, clWhite) * 2, area)
        << "the white the window sets up";
    lines = PrintClient(list, kGround);
    EXPECT_GT(lines.Count({0, 0, lines.width, lines.height}, clWhite) * 2, lines.width * lines.height)
        << "the open schedule view follows";
}

TEST_F(MainWindowTheme, HighContrastDrawsInTheSystemColoursAndFollowsAColourChange) {
    fakeTheme = true;
    theme.state.highContrast = true;
    theme.state.system = HighContrastBlack();
    StartCalendarOnly();
    const Image calendar = Calendar();
    const Rect all{0, 0, calendar.width, calendar.height};
    const int area = calendar.width * calendar.height;
    EXPECT_GT(calendar.Count(all, clBlack) * 2, area);
    EXPECT_GT(calendar.Count(all, clWhite), 20) << "every day in the window text colour";
    EXPECT_GT(calendar.Count(all, theme.state.system.highlight), 20) << "the selected day in the highlight";
    EXPECT_EQ(calendar.Count(all, clRed), 0) << "no colour of the settings";
    Picture(L"calendar-high-contrast-black", Hwnd());

    theme.state.system = HighContrastWhite();
    SendMessageW(Hwnd(), WM_SYSCOLORCHANGE, 0, 0);
    const Image white = Calendar();
    EXPECT_GT(white.Count(all, clWhite) * 2, area);
    EXPECT_GT(white.Count(all, theme.state.system.highlight), 20);
    EXPECT_EQ(LabelColors(), std::pair(clWhite, clBlack));

    // The schedule view too: the list on the window colour, every line in
    // the window text colour.
    Menu(cmdPopMemo);
    ASSERT_NE(window->MonthSchedule(), nullptr);
    const Image lines = PrintClient(window->MonthSchedule()->Child(idMemoListBox1), kGround);
    const Rect list{0, 0, lines.width, lines.height};
    EXPECT_GT(lines.Count(list, clWhite) * 2, lines.width * lines.height);
    EXPECT_EQ(lines.Count(list, clRed) + lines.Count(list, clBlue), 0);

    Picture(L"schedule-high-contrast-white", window->MonthSchedule()->Handle());
    Picture(L"calendar-high-contrast-white", Hwnd());
}

}  // namespace
}  // namespace zenka
