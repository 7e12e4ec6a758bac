// zenka.exe's version resource carries the version constant.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/utf16_win.h"
#include "common/version.h"

namespace zenka {
namespace {

std::wstring BuiltZenkaExe() {
    wchar_t self[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + Widen(ZENKA_EXE_FROM_TESTS);
}

TEST(VersionResource, ZenkaExeCarriesTheVersionConstant) {
    const std::wstring exe = BuiltZenkaExe();
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
    ASSERT_GT(size, 0u) << Narrow(exe);
    std::vector<BYTE> data(size);
    ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, data.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(data.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(HIWORD(fixed->dwFileVersionMS), kVersionMajor);
    EXPECT_EQ(LOWORD(fixed->dwFileVersionMS), kVersionMinor);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);

    const auto text = [&](const wchar_t* name) {
        wchar_t* value = nullptr;
        UINT chars = 0;
        const std::wstring query = std::wstring(L"\\StringFileInfo\\041104B0\\") + name;
        if (!VerQueryValueW(data.data(), query.c_str(), reinterpret_cast<void**>(&value), &chars) || !value) {
            return std::string("(missing)");
        }
        return Narrow(std::wstring(value));
    };
    EXPECT_EQ(text(L"ProductVersion"), kVersionText);
    EXPECT_EQ(text(L"FileVersion"), std::string(kVersionText) + ".0.0");
    EXPECT_EQ(text(L"FileDescription"), "Zenka") << "the name the taskbar's settings list the icons under";
    EXPECT_EQ(text(L"OriginalFilename"), "zenka.exe");
}

}  // namespace
}  // namespace zenka
