// Pictures of windows as their paint routines draw them, read back pixel by
// pixel.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
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

// The window as it shows on the screen, frame and children included, once
// it has painted.
inline Image ScreenPicture(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    RECT outer{};
    GetWindowRect(window, &outer);
    return WithBitmap(outer.right - outer.left, outer.bottom - outer.top, clBlack, [&outer](HDC dc) {
        HDC screen = GetDC(nullptr);
        BitBlt(dc, 0, 0, outer.right - outer.left, outer.bottom - outer.top, screen, outer.left, outer.top, SRCCOPY);
        ReleaseDC(nullptr, screen);
    });
}

// Writes the picture as a 24-bit BMP file, to look at; false where the
// file cannot be written.
inline bool WriteBmpFile(const Image& image, const std::wstring& path) {
    const uint32_t row = (static_cast<uint32_t>(image.width) * 3 + 3) & ~3u;
    const uint32_t data = row * image.height;
    std::vector<uint8_t> bytes(54 + data, 0);
    const auto put = [&bytes](size_t at, uint32_t value, int size) {
        for (int i = 0; i < size; ++i) bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    bytes[0] = 'B';
    bytes[1] = 'M';
    put(2, static_cast<uint32_t>(bytes.size()), 4);
    put(10, 54, 4);
    put(14, 40, 4);
    put(18, image.width, 4);
    put(22, image.height, 4);  // bottom-up
    put(26, 1, 2);
    put(28, 24, 2);
    put(34, data, 4);
    for (int y = 0; y < image.height; ++y) {
        uint8_t* out = &bytes[54 + static_cast<size_t>(image.height - 1 - y) * row];
        for (int x = 0; x < image.width; ++x) {
            const Color c = image.At(x, y);
            *out++ = BlueOf(c);
            *out++ = GreenOf(c);
            *out++ = RedOf(c);
        }
    }
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const bool ok = WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                    written == bytes.size();
    CloseHandle(file);
    return ok;
}

}  // namespace zenka::testing
