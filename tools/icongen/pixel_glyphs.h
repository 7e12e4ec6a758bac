// The pictures for 16-pixel icons, drawn by hand on the pixel grid so that
// every stroke falls on whole pixels: at that size any smoothing would blur.
#pragma once

#include "tools/icongen/bitmap.h"

namespace zenka::icongen {

// Digits are 14 rows high; two of them with one empty column between fit in
// 15 columns. Each coverage is exactly as wide as its ink.
const Coverage& PixelDigit(int digit);

// Weekday characters 日月火水木金土 for 1 (Sunday) to 7, 14 by 14 pixels.
const Coverage& PixelWeekday(int weekday);

}  // namespace zenka::icongen
