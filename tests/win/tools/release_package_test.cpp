// The release package as a Windows user gets it: tests/win/tools/package_test.sh
// unpacks the zip into a fresh Wine prefix and runs this test with
// ZENKA_PACKAGE_DIR naming the unpacked Zenka folder. zenka.exe is started
// from there and must find its icons and its help file beside it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "app/main_window_win.h"
#include "common/cp932.h"
#include "common/utf16_win.h"
#include "tests/win/support/captured_image.h"
#include "tests/win/support/test_process.h"
#include "tests/win/support/zenka_test_support.h"

namespace zenka {
namespace {

using testing::Image;
using testing::Setting;
using testing::TestProcess;
using testing::WaitUntil;
using testing::WindowText;
using testing::WithBitmap;

std::wstring PackageFolder() {
    const wchar_t* folder = _wgetenv(L"ZENKA_PACKAGE_DIR");
    if (!folder || !*folder) return {};
    std::wstring path(folder);
    if (path.back() != L'\\') path += L'\\';
    return path;
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

HWND TopWindowOf(DWORD processId, const wchar_t* className) {
    struct Search {
        DWORD processId;
        const wchar_t* className;
        HWND found;
    } search{processId, className, nullptr};
    EnumWindows(
        [](HWND hwnd, LPARAM lParam) {
            auto* s = reinterpret_cast<Search*>(lParam);
            wchar_t name[64] = {};
            GetClassNameW(hwnd, name, 64);
            DWORD pid = 0;
            GetWindowThreadProcessId(hwnd, &pid);
            if (pid != s->processId || std::wstring(name) != s->className) return TRUE;
            s->found = hwnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Wine's taskbar, where the notification icons stand at the right end.
std::optional<RECT> Taskbar() {
    HWND tray = FindWindowW(L"Shell_TrayWnd", nullptr);
    RECT r;
    if (!tray || !IsWindowVisible(tray) || !GetWindowRect(tray, &r)) return std::nullopt;
    return r;
}

// What the screen shows in the rectangle.
Image ScreenPixels(const RECT& r) {
    HDC screen = GetDC(nullptr);
    Image image = WithBitmap(r.right - r.left, r.bottom - r.top, clBlack, [&](HDC dc) {
        BitBlt(dc, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
    });
    ReleaseDC(nullptr, screen);
    return image;
}

// An icon file as the taskbar draws it: at the notification area's size,
// on the taskbar's ground.
Image IconOnGround(const std::wstring& file, Color ground) {
    const int cx = GetSystemMetrics(SM_CXSMICON);
    const int cy = GetSystemMetrics(SM_CYSMICON);
    auto* icon = static_cast<HICON>(LoadImageW(nullptr, file.c_str(), IMAGE_ICON, cx, cy, LR_LOADFROMFILE));
    Image image = WithBitmap(cx, cy, ground, [&](HDC dc) {
        if (icon) DrawIconEx(dc, 0, 0, icon, cx, cy, 0, nullptr, DI_NORMAL);
    });
    if (icon) DestroyIcon(icon);
    return image;
}

bool Near(Color x, Color y) {
    return std::abs(RedOf(x) - RedOf(y)) <= 8 && std::abs(GreenOf(x) - GreenOf(y)) <= 8 &&
           std::abs(BlueOf(x) - BlueOf(y)) <= 8;
}

// Whether the picture stands in the screen's image with its top-left
// corner at (left, top).
bool ShownAt(const Image& screen, const Image& picture, int left, int top) {
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            if (!Near(screen.At(left + x, top + y), picture.At(x, y))) return false;
        }
    }
    return true;
}

// Where the screen's image shows the picture, searching its right end.
std::optional<POINT> Find(const Image& screen, const Image& picture, int searchWidth) {
    for (int top = 0; top + picture.height <= screen.height; ++top) {
        for (int left = screen.width - picture.width; left >= 0 && left >= screen.width - searchWidth; --left) {
            if (ShownAt(screen, picture, left, top)) return POINT{left, top};
        }
    }
    return std::nullopt;
}

TEST(ReleasePackage, ZenkaRunsFromTheUnpackedFolderWithItsIconsAndHelpBesideIt) {
    const std::wstring folder = PackageFolder();
    if (folder.empty()) GTEST_SKIP() << "tests/win/tools/package_test.sh runs this on the unpacked package";

    for (const wchar_t* file : {L"zenka.exe", L"Zenka.chm", L"readme.txt"}) {
        EXPECT_TRUE(FileExists(folder + file)) << Narrow(file);
    }
    // Both sets: for a light taskbar and, under Dark, for a dark one.
    int icons = 0;
    for (const wchar_t* set : {L"Icon\\", L"Icon\\Dark\\"}) {
        for (const wchar_t* colour : {L"Black", L"Red", L"Green", L"Blue", L"Pink"}) {
            const std::wstring dir = folder + set + colour + L"\\";
            for (int n = 1; n <= 31; ++n) icons += FileExists(dir + std::to_wstring(n) + L".ico");
            for (int w = 1; w <= 7; ++w) icons += FileExists(dir + L"w" + std::to_wstring(w) + L".ico");
        }
    }
    EXPECT_EQ(icons, 2 * 5 * 38);

    testing::ClearSettings();
    // Started from elsewhere: the program finds its files by its own place,
    // not by the working folder.
    TestProcess zenka(L"\"" + folder + L"zenka.exe\"", L"C:\\windows");
    ASSERT_TRUE(zenka.Started());
    HWND window = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        window = TopWindowOf(zenka.Id(), kMainWindowClass);
        return window && !WindowText(GetDlgItem(window, idLabel1)).empty();
    })) << "zenka.exe shows no main window";

    // The taskbar shows today's day picture from the package's Icon folder
    // (in the colour of today's kind of day), and not another day's.
    SYSTEMTIME today;
    GetLocalTime(&today);
    const std::wstring day = std::to_wstring(today.wDay) + L".ico";
    const std::wstring otherDay = std::to_wstring(today.wDay % 28 + 1) + L".ico";
    std::wstring found;
    EXPECT_TRUE(WaitUntil([&] {
        const std::optional<RECT> taskbar = Taskbar();
        if (!taskbar) return false;
        const Image screen = ScreenPixels(*taskbar);
        const Color ground = screen.At(screen.width - 1, screen.height / 2);
        for (const wchar_t* colour : {L"Black", L"Red", L"Green", L"Blue", L"Pink"}) {
            const std::wstring colourFolder = folder + L"Icon\\" + colour + L"\\";
            const std::optional<POINT> at = Find(screen, IconOnGround(colourFolder + day, ground), 240);
            if (!at) continue;
            if (ShownAt(screen, IconOnGround(colourFolder + otherDay, ground), at->x, at->y)) continue;
            found = colourFolder + day;
            return true;
        }
        return false;
    })) << "the taskbar does not show the picture of the " << today.wDay << "th";
    EXPECT_FALSE(found.empty());

    // The help file beside it opens in the system's HTML Help viewer at
    // every topic the program asks for, and at no other.
    HMODULE viewer = LoadLibraryW(L"hhctrl.ocx");
    ASSERT_NE(viewer, nullptr);
    using HtmlHelpFn = HWND(WINAPI*)(HWND, LPCWSTR, UINT, DWORD_PTR);
    const auto htmlHelp = reinterpret_cast<HtmlHelpFn>(reinterpret_cast<void*>(GetProcAddress(viewer, "HtmlHelpW")));
    ASSERT_NE(htmlHelp, nullptr);
    const std::wstring help = folder + L"Zenka.chm";
    constexpr UINT kHelpContext = 0x000F;  // HH_HELP_CONTEXT
    constexpr UINT kCloseAll = 0x0012;     // HH_CLOSE_ALL
    for (DWORD context : {1u, 4u, 5u, 6u, 7u, 8u, 9u, 10u}) {
        HWND shown = htmlHelp(nullptr, help.c_str(), kHelpContext, context);
        EXPECT_NE(shown, nullptr) << "context " << context;
        if (shown) {
            EXPECT_EQ(WindowText(shown), "Zenka ヘルプ") << "context " << context;
        }
        htmlHelp(nullptr, nullptr, kCloseAll, 0);
    }
    EXPECT_EQ(htmlHelp(nullptr, help.c_str(), kHelpContext, 3), nullptr) << "a number no topic has";
    htmlHelp(nullptr, nullptr, kCloseAll, 0);
    FreeLibrary(viewer);

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(zenka.WaitForExit(), 0u);
    EXPECT_EQ(Setting("Form", "Name3"), "Zenka 2006") << "the settings were saved at the close";
    testing::ClearSettings();
}

}  // namespace
}  // namespace zenka
