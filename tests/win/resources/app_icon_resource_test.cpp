// The application's icon as the system loads it from the program: every
// size it asks for, the 256-pixel one decoded from its PNG.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "common/app_icon_id.h"

namespace zenka {
namespace {

// The icon's colour pixels, top row first, as 0xAARRGGBB.
std::vector<uint32_t> Pixels(HICON icon, int size) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return {};
    std::vector<uint32_t> pixels(static_cast<size_t>(size) * static_cast<size_t>(size));
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = size;
    bmi.bmiHeader.biHeight = -size;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor, 0, static_cast<UINT>(size), pixels.data(), &bmi, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return pixels;
}

TEST(AppIconResource, EverySizeLoadsWithTheRedTopOfThePage) {
    for (int size : {16, 24, 32, 48, 256}) {
        SCOPED_TRACE(size);
        auto icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_ZENKA), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        const std::vector<uint32_t> pixels = Pixels(icon, size);
        ASSERT_FALSE(pixels.empty());
        const auto side = static_cast<size_t>(size);
        const uint32_t top = pixels[side / 4 * side + side / 2];
        EXPECT_EQ(top & 0xFFFFFF, 0xD03030u) << std::hex << top;
        EXPECT_EQ(pixels[0] >> 24, 0u) << "the corner is clear";
        DestroyIcon(icon);
    }
}

}  // namespace
}  // namespace zenka
