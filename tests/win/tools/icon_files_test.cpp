// The generated icon files as Windows itself loads and draws them.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "tests/win/support/dib32.h"
#include "tests/win/support/icon_folder.h"
#include "tools/icongen/icon_set.h"

namespace zenka {
namespace {

struct ColourFolder {
    std::wstring path;  // below the Icon folder, with its trailing backslash
    uint32_t rgb;       // the ink, as a 32-bit DIB keeps a pixel: 0x00RRGGBB
};

// Both sets' folders: Black\ .. Pink\ and Dark\Black\ .. Dark\Pink\.
std::vector<ColourFolder> Folders() {
    std::vector<ColourFolder> folders;
    for (const icongen::IconSet& set : icongen::IconSets()) {
        for (const icongen::IconFolder& folder : icongen::IconFolders()) {
            std::wstring path;
            for (const char* c = set.folder; *c; ++c) path += static_cast<wchar_t>(*c);
            if (!path.empty()) path += L'\\';
            for (const char* c = folder.name; *c; ++c) path += static_cast<wchar_t>(*c);
            const icongen::Rgb ink = icongen::InkColour(folder.colour, set);
            folders.push_back({path + L'\\', (uint32_t{ink.r} << 16) | (uint32_t{ink.g} << 8) | ink.b});
        }
    }
    return folders;
}

std::vector<std::wstring> FileNames() {
    std::vector<std::wstring> names;
    for (int n = 1; n <= 31; ++n) names.push_back(std::to_wstring(n) + L".ico");
    for (int w = 1; w <= 7; ++w) names.push_back(L"w" + std::to_wstring(w) + L".ico");
    return names;
}

HICON LoadIconFile(const std::wstring& path, int size) {
    return static_cast<HICON>(LoadImageW(nullptr, path.c_str(), IMAGE_ICON, size, size, LR_LOADFROMFILE));
}

// A 32-bit top-down bitmap to draw into, filled with one colour.
class Canvas {
public:
    Canvas(int size, uint32_t ground) : size_(size) {
        dc_ = CreateCompatibleDC(nullptr);
        bitmap_ = testing::CreateDib32(size, size, pixels_);
        old_ = SelectObject(dc_, bitmap_);
        for (int i = 0; i < size * size; ++i) pixels_[i] = ground;
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    bool Draw(HICON icon) {
        const bool drawn = DrawIconEx(dc_, 0, 0, icon, size_, size_, 0, nullptr, DI_NORMAL);
        GdiFlush();
        return drawn;
    }
    uint32_t Pixel(int i) const { return pixels_[i] & 0xFFFFFF; }

private:
    int size_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    uint32_t* pixels_ = nullptr;
};

TEST(IconFiles, EveryFileLoadsAtTrayAndDoubleSize) {
    const std::wstring root = IconFolder();
    for (const ColourFolder& folder : Folders()) {
        for (const std::wstring& name : FileNames()) {
            const std::wstring path = root + folder.path + name;
            for (int size : {16, 32}) {
                HICON icon = LoadIconFile(path, size);
                ASSERT_NE(icon, nullptr) << "cannot load " << std::string(path.begin(), path.end()) << " at " << size;
                ICONINFO info = {};
                ASSERT_TRUE(GetIconInfo(icon, &info));
                BITMAP colour = {};
                GetObjectW(info.hbmColor, sizeof(colour), &colour);
                EXPECT_EQ(colour.bmWidth, size);
                EXPECT_EQ(colour.bmHeight, size) << "the image made for that size, not a scaled one";
                EXPECT_EQ(colour.bmBitsPixel, 32);
                DeleteObject(info.hbmColor);
                DeleteObject(info.hbmMask);
                DestroyIcon(icon);
            }
        }
    }
}

// Drawn once on black and once on white, a pixel that comes out the same is
// opaque and must have the folder's colour; one that keeps each ground is
// transparent. Partly covered edge and halo pixels differ between the two.
TEST(IconFiles, DrawnIconsShowTheFolderColourOnATransparentGround) {
    const std::wstring root = IconFolder();
    for (const ColourFolder& folder : Folders()) {
        for (const std::wstring& name : FileNames()) {
            const std::wstring path = root + folder.path + name;
            for (int size : {16, 32}) {
                SCOPED_TRACE(std::string(path.begin(), path.end()) + " at " + std::to_string(size));
                HICON icon = LoadIconFile(path, size);
                ASSERT_NE(icon, nullptr);
                Canvas onBlack(size, 0x000000), onWhite(size, 0xFFFFFF);
                ASSERT_TRUE(onBlack.Draw(icon));
                ASSERT_TRUE(onWhite.Draw(icon));
                DestroyIcon(icon);
                int opaque = 0, clear = 0;
                for (int i = 0; i < size * size; ++i) {
                    if (onBlack.Pixel(i) == onWhite.Pixel(i)) {
                        ++opaque;
                        ASSERT_EQ(onBlack.Pixel(i), folder.rgb) << "opaque pixel " << i % size << "," << i / size;
                    } else if (onBlack.Pixel(i) == 0x000000 && onWhite.Pixel(i) == 0xFFFFFF) {
                        ++clear;
                    }
                }
                EXPECT_GE(opaque, size) << "too little solid ink";
                EXPECT_GE(clear, size) << "too little transparent ground";
            }
        }
    }
}

}  // namespace
}  // namespace zenka
