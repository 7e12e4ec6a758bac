// A rectangle of pixels: left and top inside, right and bottom just outside.
#pragma once

namespace zenka {

struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }

    friend bool operator==(const Rect&, const Rect&) = default;
};

}  // namespace zenka
