// Zenka's own icon at every size it comes in.
#include "tools/icongen/app_icon.h"

#include <gtest/gtest.h>

#include "tools/icongen/ico_file.h"

namespace zenka::icongen {
namespace {

TEST(AppIcon, EverySizeShowsThePageItsTopAndToday) {
    const Rgba red{208, 48, 48, 255};
    const Rgba paper{255, 255, 255, 255};
    for (int size : AppIconSizes()) {
        SCOPED_TRACE(size);
        const Image icon = DrawAppIcon(size);
        ASSERT_EQ(icon.width, size);
        ASSERT_EQ(icon.height, size);
        const auto at = [&](double fx, double fy) {
            return icon.At(static_cast<int>(fx * size), static_cast<int>(fy * size));
        };
        EXPECT_EQ(at(0.02, 0.02).a, 0) << "the corner above the page is clear";
        EXPECT_EQ(at(0.5, 0.25), red) << "the page's top";
        EXPECT_EQ(at(0.5, 0.47), paper) << "between the top and the days";
        int today = 0;  // red below the top: today's dot
        for (int y = size / 2; y < size; ++y) {
            for (int x = 0; x < size; ++x) today += icon.At(x, y) == red ? 1 : 0;
        }
        EXPECT_GT(today, 0);
        if (size < 32) {
            for (const Rgba& p : icon.pixels) {
                ASSERT_TRUE(p.a == 0 || p.a == 255) << "small sizes have sharp edges only";
            }
        }
    }
    EXPECT_EQ(AppIconSizes().front(), 16);
    EXPECT_EQ(AppIconSizes().back(), 256);
    EXPECT_THROW(DrawAppIcon(8), std::invalid_argument);
}

}  // namespace
}  // namespace zenka::icongen
