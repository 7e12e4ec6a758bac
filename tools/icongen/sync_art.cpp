#include "tools/icongen/sync_art.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <system_error>

#include "tools/icongen/ico_file.h"
#include "tools/icongen/icon_art.h"

namespace zenka::icongen {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 200, 0};

// Samples per pixel along each axis.
constexpr int kSamples = 8;

struct Box {
    double left, top, right, bottom;
    bool Contains(double x, double y) const { return x >= left && x < right && y >= top && y < bottom; }
};

Rgb FaceColour(SyncPicture picture, int x, int y, int cell) {
    switch (picture) {
        case SyncPicture::Failed: return kRed;
        case SyncPicture::Succeeded: return kGreen;
        case SyncPicture::InProgress: break;
    }
    return ((x / cell + y / cell) % 2 == 0) ? kYellow : kWhite;
}

uint8_t Mix(double total, int count) { return static_cast<uint8_t>(std::lround(total / count)); }

}  // namespace

const std::array<SyncIconFile, 3>& SyncIconFiles() {
    static const std::array<SyncIconFile, 3> files = {{
        {"sync_busy.ico", SyncPicture::InProgress},
        {"sync_failed.ico", SyncPicture::Failed},
        {"sync_succeeded.ico", SyncPicture::Succeeded},
    }};
    return files;
}

Image DrawSyncIcon(SyncPicture picture, int size) {
    if (std::find(IconSizes().begin(), IconSizes().end(), size) == IconSizes().end()) {
        throw std::invalid_argument("no sync icon of size " + std::to_string(size));
    }
    // The centre lies on a pixel's middle, so that strokes of an odd width
    // cover whole pixels; the face is one pixel narrower than the icon.
    const double centre = size / 2 - 0.5;
    const double radius = centre;
    const double rim = std::max(1.0, size / 16.0);
    const double pen = size >= 32 ? 3 : 1;
    // The hands end on pixel edges too.
    const Box minuteHand{centre - pen / 2, std::floor(centre - radius * 0.72), centre + pen / 2, centre + pen / 2};
    const Box hourHand{centre - pen / 2, centre - pen / 2, std::ceil(centre + radius * 0.55), centre + pen / 2};
    const int cell = std::max(1, size / 16);

    Image image(size, size);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const Rgb face = FaceColour(picture, x, y, cell);
            double r = 0, g = 0, b = 0;
            int covered = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    const double px = x + (sx + 0.5) / kSamples;
                    const double py = y + (sy + 0.5) / kSamples;
                    const double distance = std::hypot(px - centre, py - centre);
                    if (distance > radius) continue;
                    const bool ink = distance > radius - rim || minuteHand.Contains(px, py) || hourHand.Contains(px, py);
                    const Rgb colour = ink ? kBlack : face;
                    r += colour.r;
                    g += colour.g;
                    b += colour.b;
                    ++covered;
                }
            }
            if (covered == 0) continue;
            Rgba& pixel = image.At(x, y);
            pixel = {Mix(r, covered), Mix(g, covered), Mix(b, covered),
                     static_cast<uint8_t>(std::lround(255.0 * covered / (kSamples * kSamples)))};
        }
    }
    return image;
}

void WriteSyncIcons(const std::filesystem::path& folder) {
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) throw std::runtime_error("cannot create " + folder.string() + ": " + error.message());
    for (const SyncIconFile& file : SyncIconFiles()) {
        std::vector<Image> images;
        for (int size : IconSizes()) images.push_back(DrawSyncIcon(file.picture, size));
        WriteIcoFile(folder / file.name, images);
    }
}

}  // namespace zenka::icongen
