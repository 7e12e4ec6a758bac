#include "tools/icongen/icon_art.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "tools/icongen/icon_set.h"
#include "tools/icongen/pixel_glyphs.h"
#include "tools/icongen/stroke_glyphs.h"

namespace zenka::icongen {
namespace {

// The ink of every file at every size, drawn once for all the tests here.
const std::map<std::pair<std::string, int>, IconInk>& AllInk() {
    static const auto inks = [] {
        std::map<std::pair<std::string, int>, IconInk> result;
        for (const IconFile& file : IconFiles()) {
            for (int size : IconSizes()) result.emplace(std::pair(file.name, size), DrawIconInk(file.subject, size));
        }
        return result;
    }();
    return inks;
}

double Total(const Coverage& c) {
    double sum = 0;
    for (float v : c.values) sum += v;
    return sum;
}

TEST(IconArt, FilesAreTheNumbersAndWeekdaysAtEverySize) {
    const std::vector<IconFile> files = IconFiles();
    ASSERT_EQ(files.size(), 38u);
    EXPECT_EQ(files.front().name, "1.ico");
    EXPECT_EQ(files[30].name, "31.ico");
    EXPECT_EQ(files[31].name, "w1.ico");
    EXPECT_EQ(files.back().name, "w7.ico");
    EXPECT_EQ(IconSizes().front(), 16);
    EXPECT_EQ(IconSizes()[3], 32);
    for (size_t i = 1; i < IconSizes().size(); ++i) EXPECT_LT(IconSizes()[i - 1], IconSizes()[i]);
}

TEST(IconArt, EveryGlyphStaysInsideItsBoxAtEverySize) {
    for (int size : IconSizes()) {
        if (IsPixelSize(size)) continue;
        for (int weekday = 0; weekday <= 1; ++weekday) {
            for (int value = weekday ? 1 : 0; value <= (weekday ? 7 : 9); ++value) {
                SCOPED_TRACE(std::string(weekday ? "weekday " : "digit ") + std::to_string(value) + " at " +
                             std::to_string(size));
                // Lay the glyph out as in a real icon, then draw it with room around its box.
                const IconSubject subject{weekday ? IconSubject::Kind::Weekday : IconSubject::Kind::Number,
                                          weekday ? value : (value == 0 ? 10 : value)};
                GlyphPlacement glyph = LayOut(subject, size).back();
                ASSERT_EQ(glyph.value, value);
                const int margin = 8;
                glyph.box.x = margin;
                glyph.box.y = margin;
                Coverage canvas(glyph.box.width + 2 * margin, glyph.box.height + 2 * margin);
                DrawStrokeGlyph(weekday ? StrokeWeekday(value) : StrokeDigit(value), glyph.box, 0, canvas);
                double inside = 0, outside = 0;
                for (int y = 0; y < canvas.height; ++y) {
                    for (int x = 0; x < canvas.width; ++x) {
                        const bool inBox = x >= margin && y >= margin && x < margin + glyph.box.width &&
                                           y < margin + glyph.box.height;
                        (inBox ? inside : outside) += canvas.At(x, y);
                    }
                }
                EXPECT_EQ(outside, 0) << "ink outside the glyph's box";
                EXPECT_GT(inside, 0.08 * glyph.box.width * glyph.box.height) << "too little ink";
            }
        }
    }
}

TEST(IconArt, SixteenPixelPicturesAreWholePixelsFittingTheirCells) {
    for (int digit = 0; digit <= 9; ++digit) {
        const Coverage& d = PixelDigit(digit);
        EXPECT_EQ(d.height, 14);
        EXPECT_LE(d.width, 7);
        // The width is the ink's width, so the gap between digits is exact.
        double left = 0, right = 0, top = 0, bottom = 0;
        for (int y = 0; y < d.height; ++y) left += d.At(0, y), right += d.At(d.width - 1, y);
        for (int x = 0; x < d.width; ++x) top += d.At(x, 0), bottom += d.At(x, d.height - 1);
        EXPECT_TRUE(left > 0 && right > 0 && top > 0 && bottom > 0) << "digit " << digit << " has empty edges";
    }
    for (int weekday = 1; weekday <= 7; ++weekday) {
        EXPECT_EQ(PixelWeekday(weekday).width, 14);
        EXPECT_EQ(PixelWeekday(weekday).height, 14);
    }
    for (const IconFile& file : IconFiles()) {
        const IconInk& ink = AllInk().at({file.name, 16});
        for (size_t i = 0; i < ink.ink.values.size(); ++i) {
            ASSERT_TRUE(ink.ink.values[i] == 0 || ink.ink.values[i] == 1) << file.name << ": blurred ink at 16 px";
            ASSERT_TRUE(ink.halo.values[i] == 0 || ink.halo.values[i] == 1) << file.name << ": blurred halo at 16 px";
        }
    }
}

TEST(IconArt, NumbersFitTheIconWithAGapBetweenDigits) {
    for (int size : IconSizes()) {
        for (int n = 1; n <= 31; ++n) {
            SCOPED_TRACE(std::to_string(n) + " at " + std::to_string(size));
            const std::vector<GlyphPlacement> glyphs = LayOut({IconSubject::Kind::Number, n}, size);
            ASSERT_EQ(glyphs.size(), n >= 10 ? 2u : 1u);
            for (const GlyphPlacement& g : glyphs) {
                EXPECT_GE(g.box.x, 0);
                EXPECT_GE(g.box.y, 0);
                EXPECT_LE(g.box.x + g.box.width, size);
                EXPECT_LE(g.box.y + g.box.height, size);
                EXPECT_GE(g.box.height, size * 3 / 4) << "digits use most of the height";
            }
            if (glyphs.size() == 2) {
                EXPECT_EQ(glyphs[0].value, n / 10);
                EXPECT_GE(glyphs[1].box.x, glyphs[0].box.x + glyphs[0].box.width + 1);
            }
            // Centred: the space left and right differs by at most a pixel.
            const int left = glyphs.front().box.x;
            const int right = size - glyphs.back().box.x - glyphs.back().box.width;
            EXPECT_LE(std::abs(left - right), 1);
        }
    }
}

TEST(IconArt, EveryPictureIsDrawnAndDiffersFromTheOthers) {
    for (int size : IconSizes()) {
        std::map<std::vector<float>, std::string> seen;
        for (const IconFile& file : IconFiles()) {
            const IconInk& ink = AllInk().at({file.name, size});
            EXPECT_GT(Total(ink.ink), size * size / 12.0) << file.name << " at " << size << " is nearly empty";
            EXPECT_GT(Total(ink.halo), Total(ink.ink)) << file.name << " at " << size << " has no halo";
            const auto [where, fresh] = seen.emplace(ink.ink.values, file.name);
            EXPECT_TRUE(fresh) << file.name << " looks the same as " << where->second << " at " << size;
        }
    }
}

TEST(IconArt, OpaquePixelsHaveTheFolderColourOnATransparentGround) {
    for (const IconFolder& folder : IconFolders()) {
        for (const IconFile& file : IconFiles()) {
            for (int size : IconSizes()) {
                SCOPED_TRACE(std::string(folder.name) + "/" + file.name + " at " + std::to_string(size));
                const Image image = PaintIcon(AllInk().at({file.name, size}), folder.colour);
                ASSERT_EQ(image.width, size);
                int opaque = 0, clear = 0;
                for (const Rgba& p : image.pixels) {
                    if (p.a == 255) {
                        ++opaque;
                        ASSERT_EQ((Rgb{p.r, p.g, p.b}), folder.colour);
                    } else if (p.a == 0) {
                        ++clear;
                        ASSERT_EQ(p, Rgba{}) << "transparent pixels are all zero";
                    }
                }
                EXPECT_GE(opaque, size) << "too little solid ink";
                EXPECT_GE(clear, size) << "too little transparent ground";
            }
        }
    }
}

TEST(IconArt, HaloContrastsWithTheInk) {
    // A pixel of pure halo: left of the top-left corner of 日, whose ink starts at (3, 1).
    const IconInk ink = DrawIconInk({IconSubject::Kind::Weekday, 1}, 16);
    const Rgba black = PaintIcon(ink, {0, 0, 0}).At(2, 1);
    const Rgba green = PaintIcon(ink, {0, 255, 0}).At(2, 1);
    EXPECT_EQ((Rgb{black.r, black.g, black.b}), (Rgb{255, 255, 255})) << "light around dark ink";
    EXPECT_EQ((Rgb{green.r, green.g, green.b}), (Rgb{0, 0, 0})) << "dark around light ink";
    EXPECT_GT(black.a, 0);
    EXPECT_LT(black.a, 255);
}

TEST(IconArt, SubjectsOutsideTheSetAreRefused) {
    EXPECT_THROW(LayOut({IconSubject::Kind::Number, 0}, 16), std::invalid_argument);
    EXPECT_THROW(LayOut({IconSubject::Kind::Number, 32}, 16), std::invalid_argument);
    EXPECT_THROW(LayOut({IconSubject::Kind::Weekday, 8}, 16), std::invalid_argument);
    EXPECT_THROW(LayOut({IconSubject::Kind::Number, 5}, 17), std::invalid_argument);
}

}  // namespace
}  // namespace zenka::icongen
