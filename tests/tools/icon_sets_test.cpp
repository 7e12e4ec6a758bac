// The tray icon sets as the build wrote them: every file of both sets, at
// every size it holds, read back from the Icon folder beside zenka.exe. The
// ink of a picture must keep its colour's hue and read on each taskbar its
// set is made for; the clock synchronisation's pictures and the program's
// own icon must read on light and dark taskbars alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "common/contrast.h"
#include "tests/common/hue.h"
#include "tools/icongen/app_icon.h"
#include "tools/icongen/icon_art.h"
#include "tools/icongen/icon_set.h"
#include "tools/icongen/sync_art.h"

namespace zenka::icongen {
namespace {

uint32_t U16(const std::vector<uint8_t>& b, size_t at) { return b.at(at) | (b.at(at + 1) << 8); }
uint32_t U32(const std::vector<uint8_t>& b, size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

// The 32-bit images of an icon file, as a reader of the format sees them.
std::vector<Image> ReadIcoFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<Image> images;
    if (bytes.size() < 6 || U16(bytes, 2) != 1) return images;
    for (uint32_t i = 0; i < U16(bytes, 4); ++i) {
        const size_t entry = 6 + 16 * i;
        const uint32_t offset = U32(bytes, entry + 12);
        const int side = static_cast<int>(U32(bytes, offset + 4));
        if (U32(bytes, offset) != 40 || U16(bytes, offset + 14) != 32) continue;
        Image image(side, side);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const size_t at = offset + 40 + (static_cast<size_t>(side - 1 - y) * side + x) * 4;
                image.At(x, y) = {bytes.at(at + 2), bytes.at(at + 1), bytes.at(at), bytes.at(at + 3)};
            }
        }
        images.push_back(image);
    }
    return images;
}

Color ColorOf(Rgb c) { return RgbColor(c.r, c.g, c.b); }
Color ColorOf(const Rgba& c) { return RgbColor(c.r, c.g, c.b); }

using testing::Hue;

// The part of the picture one sees on the taskbar: the opaque pixels that
// the taskbar does not surround through pixels too close to its own colour.
// A dark rim on a dark taskbar is not seen, the face inside it is.
double SeenShare(const Image& image, Color taskbar) {
    const int w = image.width, h = image.height;
    std::vector<bool> reached(static_cast<size_t>(w * h), false);
    std::vector<std::pair<int, int>> todo;
    const auto blends = [&](int x, int y) {
        const Rgba& p = image.At(x, y);
        const Color over = Mix(taskbar, ColorOf(p), p.a / 255.0);
        return ContrastRatio(over, taskbar) < kIconInkContrast;
    };
    for (int x = 0; x < w; ++x) todo.insert(todo.end(), {{x, 0}, {x, h - 1}});
    for (int y = 0; y < h; ++y) todo.insert(todo.end(), {{0, y}, {w - 1, y}});
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= w || y >= h || reached[y * w + x] || !blends(x, y)) continue;
        reached[y * w + x] = true;
        todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    int opaque = 0, seen = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (image.At(x, y).a < 128) continue;
            ++opaque;
            seen += !reached[y * w + x];
        }
    }
    return opaque ? static_cast<double>(seen) / opaque : 0;
}

const Color kLightTaskbar = RgbColor(0xf3, 0xf3, 0xf3);
const Color kDarkTaskbar = RgbColor(0x20, 0x20, 0x20);

TEST(IconSets, EveryPictureOfBothSetsIsInkedInItsHueAndReadsOnItsTaskbarsAtEverySize) {
    ASSERT_EQ(IconSets()[0].taskbars.front(), (Rgb{0xf3, 0xf3, 0xf3}));
    ASSERT_EQ(IconSets()[1].taskbars.front(), (Rgb{0x20, 0x20, 0x20}));
    for (const IconSet& set : IconSets()) {
        for (const IconFolder& folder : IconFolders()) {
            const std::string dir = std::string(ZENKA_ICON_DIR) + "/" + set.folder + (*set.folder ? "/" : "") +
                                    folder.name + "/";
            const Color day = ColorOf(folder.colour);
            const Color ink = ColorOf(InkColour(folder.colour, set));
            SCOPED_TRACE(dir);
            if (IsGrey(day)) {
                EXPECT_TRUE(IsGrey(ink)) << "black stays without hue";
            } else {
                EXPECT_NEAR(Hue(ink), Hue(day), 1.0) << "the day's kind keeps its hue";
            }
            for (const IconFile& file : IconFiles()) {
                const std::vector<Image> images = ReadIcoFile(dir + file.name);
                ASSERT_EQ(images.size(), IconSizes().size()) << file.name;
                for (const Image& image : images) {
                    int fill = 0;
                    for (const Rgba& p : image.pixels) {
                        if (p.a != 255) continue;
                        ++fill;
                        ASSERT_EQ(ColorOf(p), ink) << file.name << " at " << image.width;
                    }
                    EXPECT_GE(fill, image.width) << file.name << " at " << image.width;
                }
            }
            for (const Rgb& taskbar : set.taskbars) {
                EXPECT_GE(ContrastRatio(ink, ColorOf(taskbar)), kIconInkContrast)
                    << "on " << int(taskbar.r) << "," << int(taskbar.g) << "," << int(taskbar.b);
            }
        }
    }
}

TEST(IconSets, SyncPicturesAndTheProgramIconReadOnLightAndDarkTaskbars) {
    for (Color taskbar : {kLightTaskbar, kDarkTaskbar}) {
        for (const SyncIconFile& file : SyncIconFiles()) {
            for (int size : IconSizes()) {
                EXPECT_GE(SeenShare(DrawSyncIcon(file.picture, size), taskbar), 0.6)
                    << file.name << " at " << size << " on " << std::hex << taskbar;
            }
        }
        for (int size : AppIconSizes()) {
            EXPECT_GE(SeenShare(DrawAppIcon(size), taskbar), 0.6) << "program icon at " << size << " on " << std::hex
                                                                  << taskbar;
        }
    }
    // The measure itself: a black disc is lost on a dark taskbar.
    Image black(16, 16);
    for (Rgba& p : black.pixels) p = {0, 0, 0, 255};
    EXPECT_EQ(SeenShare(black, kDarkTaskbar), 0);
    EXPECT_EQ(SeenShare(black, kLightTaskbar), 1);
}

}  // namespace
}  // namespace zenka::icongen
