// Zenka's own icon, the picture of the program file, its windows and the
// about box: a page of a wall calendar with a red top and two rings, its
// days as dots, today's in red.
#pragma once

#include <vector>

#include "tools/icongen/bitmap.h"

namespace zenka::icongen {

// Every size the icon file holds: 16 to 48 for lists, menus and title
// bars at 100 % to 300 %, 256 for the largest views.
const std::vector<int>& AppIconSizes();

// The picture at one size. Edges of the page, its top and the dots lie on
// whole pixels, so the small sizes stay sharp.
Image DrawAppIcon(int size);

}  // namespace zenka::icongen
