// The resource identifier of the application's icon, for the templates
// and the code alike: the executable's icon, the main window's class icon
// and the picture in the about box.
#pragma once

#define IDI_ZENKA 1
