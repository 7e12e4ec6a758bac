// The clock synchronisation icons: a round face of the picture's colour
// with black hands at every size, transparent outside the face.
#include "tools/icongen/sync_art.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>

#include "tools/icongen/icon_art.h"

namespace zenka::icongen {
namespace {

TEST(SyncArt, EachPictureIsAClockFaceOfItsColourWithCrispHandsAtEverySize) {
    const Rgba black{0, 0, 0, 255}, yellow{255, 255, 0, 255}, white{255, 255, 255, 255};
    const Rgba red{255, 0, 0, 255}, green{0, 200, 0, 255};
    for (const SyncIconFile& file : SyncIconFiles()) {
        for (int size : IconSizes()) {
            SCOPED_TRACE(std::string(file.name) + " at " + std::to_string(size));
            const Image image = DrawSyncIcon(file.picture, size);
            ASSERT_EQ(image.width, size);
            const double centre = size / 2 - 0.5;  // also the face's radius
            std::map<uint32_t, int> inner;  // opaque colours well inside the rim, by count
            int partial = 0;
            for (int y = 0; y < size; ++y) {
                for (int x = 0; x < size; ++x) {
                    const Rgba& p = image.At(x, y);
                    const double distance = std::hypot(x + 0.5 - centre, y + 0.5 - centre);
                    if (distance > centre + 0.75) {
                        EXPECT_EQ(p.a, 0) << x << "," << y << " outside the face";
                    }
                    if (distance < centre - std::max(1.0, size / 16.0) - 0.75) {  // within the rim
                        EXPECT_EQ(p.a, 255) << x << "," << y << " inside the face";
                        ++inner[static_cast<uint32_t>(p.r << 16 | p.g << 8 | p.b)];
                    }
                    if (p.a != 0 && p.a != 255) ++partial;
                }
            }
            EXPECT_EQ(image.At(size / 2 - 1, size / 2 - 1), black) << "the hands meet in the middle";
            EXPECT_LT(partial, 4 * size) << "only the outer edge is partly transparent";
            const auto count = [&](const Rgba& c) { return inner[static_cast<uint32_t>(c.r << 16 | c.g << 8 | c.b)]; };
            int face = 0;
            for (const auto& [colour, n] : inner) face += n;
            face -= count(black);
            EXPECT_GT(count(black), 0);
            switch (file.picture) {
                case SyncPicture::InProgress:
                    EXPECT_NEAR(count(yellow), count(white), face / 8) << "dithered half and half";
                    EXPECT_EQ(count(yellow) + count(white), face);
                    break;
                case SyncPicture::Failed: EXPECT_EQ(count(red), face); break;
                case SyncPicture::Succeeded: EXPECT_EQ(count(green), face); break;
            }
        }
    }
}

}  // namespace
}  // namespace zenka::icongen
