// Pictures of windows as their paint routines draw them, read back pixel by
// pixel.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "common/color.h"
#include "common/rect.h"
#include "tests/win/support/dib32.h"

namespace zenka::testing {

// A window's client area as its paint routine draws it.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<Color> pixels;

    Color At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    int Count(const Rect& r, Color color) const {
        int n = 0;
        for (int y = r.top; y < r.bottom; ++y) {
            for (int x = r.left; x < r.right; ++x) n += At(x, y) == color;
        }
        return n;
    }
    friend bool operator==(const Image&, const Image&) = default;
};

// Runs fn with a 32-bit top-down bitmap selected into a memory DC; the
// bitmap's pixels are given back as colours.
template <class Fn>
Image WithBitmap(int width, int height, Color fill, Fn fn) {
    uint32_t* raw = nullptr;
    HBITMAP dib = CreateDib32(width, height, raw);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, dib);
    RECT all{0, 0, width, height};
    HBRUSH brush = CreateSolidBrush(fill);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    fn(dc);
    GdiFlush();
    Image image{width, height, {}};
    for (int i = 0; i < width * height; ++i) {
        const uint32_t p = raw[i];  // 0x00RRGGBB
        image.pixels.push_back(RgbColor((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF));
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(dib);
    return image;
}

// The window's client area as its WM_PRINTCLIENT draws it, on fill.
inline Image PrintClient(HWND window, Color fill) {
    RECT client{};
    GetClientRect(window, &client);
    return WithBitmap(client.right, client.bottom, fill, [window](HDC dc) {
        SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
    });
}

}  // namespace zenka::testing
