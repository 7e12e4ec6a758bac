#include "tools/icongen/stroke_raster.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <vector>

namespace zenka::icongen {
namespace {

struct Point {
    double x = 0, y = 0;
};

// A straight run of a stroke: a band of half-width radius around the
// segment, lengthened at an end by a square cap or closed there by a disc.
struct Segment {
    Point a, b;
    double extendA = 0, extendB = 0;
    bool roundA = true, roundB = true;
};

class CentreLineBox {
public:
    explicit CentreLineBox(const GlyphBox& box)
        : left_(box.x + box.pen / 2), top_(box.y + box.pen / 2), width_(box.width - box.pen), height_(box.height - box.pen) {}

    // Rounding the offset keeps a stroke's centre at the same distance from
    // a pixel edge as the box's own edge strokes.
    double X(double fraction) const { return left_ + std::round(fraction * width_); }
    double Y(double fraction) const { return top_ + std::round(fraction * height_); }

private:
    double left_, top_, width_, height_;
};

void AppendPoint(std::vector<Point>& points, Point p) {
    if (points.empty() || std::hypot(points.back().x - p.x, points.back().y - p.y) > 1e-9) points.push_back(p);
}

std::vector<Point> Flatten(const Stroke& stroke, const CentreLineBox& box) {
    std::vector<Point> points;
    for (const StrokePiece& piece : stroke.pieces) {
        if (piece.kind == StrokePiece::Kind::Line) {
            AppendPoint(points, {box.X(piece.x1), box.Y(piece.y1)});
            continue;
        }
        const double x0 = box.X(piece.x0), x1 = box.X(piece.x1);
        const double y0 = box.Y(piece.y0), y1 = box.Y(piece.y1);
        const double cx = (x0 + x1) / 2, cy = (y0 + y1) / 2, rx = (x1 - x0) / 2, ry = (y1 - y0) / 2;
        const double sweep = piece.a1 - piece.a0;
        const int steps = std::max(1, static_cast<int>(std::ceil(std::abs(sweep) / 5.0)));
        for (int i = 0; i <= steps; ++i) {
            const double angle = (piece.a0 + sweep * i / steps) * std::numbers::pi / 180.0;
            AppendPoint(points, {cx + rx * std::cos(angle), cy + ry * std::sin(angle)});
        }
    }
    return points;
}

std::vector<Segment> Segments(const std::vector<Point>& points, Cap cap, double radius) {
    std::vector<Segment> segments;
    if (points.size() == 1) {
        segments.push_back({points[0], points[0]});
        return segments;
    }
    for (size_t i = 0; i + 1 < points.size(); ++i) segments.push_back({points[i], points[i + 1]});
    const bool closed = std::hypot(points.front().x - points.back().x, points.front().y - points.back().y) < 1e-6;
    if (cap == Cap::Square && !closed) {
        segments.front().roundA = false;
        segments.front().extendA = radius;
        segments.back().roundB = false;
        segments.back().extendB = radius;
    }
    return segments;
}

// Signed distance from a point to the segment's band: negative inside.
class SegmentDistance {
public:
    SegmentDistance(const Segment& s, double radius) : s_(s), radius_(radius) {
        const double dx = s.b.x - s.a.x, dy = s.b.y - s.a.y;
        const double length = std::hypot(dx, dy);
        if (length > 1e-9) {
            ux_ = dx / length;
            uy_ = dy / length;
            halfLength_ = (length + s.extendA + s.extendB) / 2;
            middle_ = (length + s.extendB - s.extendA) / 2;
            band_ = true;
        }
    }

    double operator()(double x, double y) const {
        double d = std::numeric_limits<double>::infinity();
        if (s_.roundA) d = std::hypot(x - s_.a.x, y - s_.a.y) - radius_;
        if (s_.roundB) d = std::min(d, std::hypot(x - s_.b.x, y - s_.b.y) - radius_);
        if (band_) {
            // The distance to a rectangle, in the segment's own frame.
            const double qx = x - s_.a.x, qy = y - s_.a.y;
            const double along = std::abs(qx * ux_ + qy * uy_ - middle_) - halfLength_;
            const double across = std::abs(qx * uy_ - qy * ux_) - radius_;
            const double outside = std::hypot(std::max(along, 0.0), std::max(across, 0.0));
            d = std::min(d, outside + std::min(std::max(along, across), 0.0));
        }
        return d;
    }

    double Reach() const { return radius_ + std::max(s_.extendA, s_.extendB); }

private:
    Segment s_;
    double radius_;
    double ux_ = 0, uy_ = 0, halfLength_ = 0, middle_ = 0;
    bool band_ = false;
};

}  // namespace

void DrawStrokeGlyph(const StrokeGlyph& glyph, const GlyphBox& box, double grow, Coverage& canvas) {
    const CentreLineBox centres(box);
    const double radius = box.pen / 2 + grow;
    // Distance from each pixel's centre to the nearest ink; a pixel is
    // covered in proportion to how far its centre lies inside the edge, which
    // leaves pixels whose edges coincide with a stroke's edges fully covered
    // or fully empty.
    std::vector<double> distance(canvas.values.size(), std::numeric_limits<double>::infinity());
    for (const Stroke& stroke : glyph.strokes) {
        for (const Segment& s : Segments(Flatten(stroke, centres), stroke.cap, radius)) {
            const SegmentDistance to(s, radius);
            const double reach = to.Reach() + 1;
            const int x0 = std::max(0, static_cast<int>(std::floor(std::min(s.a.x, s.b.x) - reach)));
            const int x1 = std::min(canvas.width - 1, static_cast<int>(std::ceil(std::max(s.a.x, s.b.x) + reach)));
            const int y0 = std::max(0, static_cast<int>(std::floor(std::min(s.a.y, s.b.y) - reach)));
            const int y1 = std::min(canvas.height - 1, static_cast<int>(std::ceil(std::max(s.a.y, s.b.y) + reach)));
            for (int y = y0; y <= y1; ++y) {
                for (int x = x0; x <= x1; ++x) {
                    double& d = distance[static_cast<size_t>(y) * static_cast<size_t>(canvas.width) + static_cast<size_t>(x)];
                    d = std::min(d, to(x + 0.5, y + 0.5));
                }
            }
        }
    }
    for (size_t i = 0; i < distance.size(); ++i) {
        const float covered = static_cast<float>(std::clamp(0.5 - distance[i], 0.0, 1.0));
        canvas.values[i] = std::max(canvas.values[i], covered);
    }
}

}  // namespace zenka::icongen
