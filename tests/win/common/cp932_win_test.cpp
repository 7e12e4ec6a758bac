// The core's code page 932 tables against the system's own conversion.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "common/cp932.h"
#include "common/utf16_win.h"

namespace zenka {
namespace {

std::wstring SystemDecode(const std::string& bytes) {
    const int n = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, bytes.data(), static_cast<int>(bytes.size()), out.data(), n);
    return out;
}

std::string SystemEncode(const std::wstring& text) {
    BOOL usedDefault = FALSE;
    const int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), nullptr,
                                      0, nullptr, &usedDefault);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()), out.data(), n,
                        nullptr, &usedDefault);
    return usedDefault ? std::string() : out;
}

TEST(Cp932AgainstSystem, EveryByteSequenceDecodesAlike) {
    int compared = 0;
    for (int lead = 0; lead < 0x100; ++lead) {
        for (int trail = 0x00; trail < 0x100; ++trail) {
            const bool single = trail == 0;
            std::string bytes = single ? std::string(1, static_cast<char>(lead))
                                       : std::string{static_cast<char>(lead), static_cast<char>(trail)};
            const std::wstring system = SystemDecode(bytes);
            if (system.empty() || (!single && system.size() != 1)) continue;  // not one character for the system
            ++compared;
            EXPECT_EQ(Cp932ToUtf8(bytes), Narrow(system)) << std::hex << lead << " " << trail;
            if (single) break;
        }
    }
    EXPECT_GT(compared, 7000);
}

TEST(Cp932AgainstSystem, EveryCharacterEncodesAlike) {
    int compared = 0;
    for (char32_t cp = 1; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        const std::wstring text(1, static_cast<wchar_t>(cp));
        const std::string system = SystemEncode(text);
        std::string utf8;
        AppendUtf8(utf8, cp);
        const std::string ours = Utf8ToCp932(utf8);
        if (system.empty()) {
            EXPECT_EQ(ours, "?") << std::hex << static_cast<unsigned>(cp);
        } else {
            ++compared;
            EXPECT_EQ(ours, system) << std::hex << static_cast<unsigned>(cp);
        }
    }
    EXPECT_GT(compared, 7000);
}

}  // namespace
}  // namespace zenka
