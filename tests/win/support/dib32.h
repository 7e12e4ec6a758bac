// 32-bit top-down device-independent bitmaps, the one pixel format the
// tests read pictures in: 0xAARRGGBB per pixel, the top row first.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

namespace zenka::testing {

inline BITMAPINFO Dib32Format(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

// A bitmap to draw into, and its pixels; nothing where it cannot be made.
inline HBITMAP CreateDib32(int width, int height, uint32_t*& pixels) {
    const BITMAPINFO info = Dib32Format(width, height);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    pixels = static_cast<uint32_t*>(bits);
    return bitmap;
}

// The colour pixels of an icon at its own size; nothing for no icon.
inline std::vector<uint32_t> IconPixels(HICON icon) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {};
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    BITMAPINFO format = Dib32Format(bitmap.bmWidth, bitmap.bmHeight);
    std::vector<uint32_t> pixels(static_cast<size_t>(bitmap.bmWidth) * static_cast<size_t>(bitmap.bmHeight));
    HDC dc = GetDC(nullptr);
    GetDIBits(dc, info.hbmColor, 0, static_cast<UINT>(bitmap.bmHeight), pixels.data(), &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return pixels;
}

}  // namespace zenka::testing
