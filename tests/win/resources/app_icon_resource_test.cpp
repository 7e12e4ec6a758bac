// The application's icon as the system loads it from the program: every
// size it asks for, the 256-pixel one decoded from its PNG.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "common/app_icon_id.h"
#include "tests/win/support/dib32.h"

namespace zenka {
namespace {

TEST(AppIconResource, EverySizeLoadsWithTheRedTopOfThePage) {
    for (int size : {16, 24, 32, 48, 256}) {
        SCOPED_TRACE(size);
        auto icon = static_cast<HICON>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_ZENKA), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        const std::vector<uint32_t> pixels = testing::IconPixels(icon);
        ASSERT_EQ(pixels.size(), static_cast<size_t>(size * size));
        const auto side = static_cast<size_t>(size);
        const uint32_t top = pixels[side / 4 * side + side / 2];
        EXPECT_EQ(top & 0xFFFFFF, 0xD03030u) << std::hex << top;
        EXPECT_EQ(pixels[0] >> 24, 0u) << "the corner is clear";
        DestroyIcon(icon);
    }
}

}  // namespace
}  // namespace zenka
