// The two context menus of the main window: the tray menu (PopupMenu1) and
// the calendar window's menu (PopupMenu2), item by item, with the command
// each item sends.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace zenka {

enum MenuCommand : uint16_t {
    // PopupMenu1
    cmdK1 = 101,  // show the calendar
    cmdKO1,       // settings
    cmdMnuTsuki,  // month icon
    cmdMnuYoubi,  // weekday icon
    cmdMnuSync,   // synchronise the clock
    cmdI1,        // re-place the icons
    cmdK3,        // help
    cmdPopAbout,  // about box
    cmdExit1,     // end the application
    // PopupMenu2
    cmdK2 = 201,     // settings
    cmdPopMemo,      // month schedule view
    cmdPopW,         // open the month schedule view with the calendar
    cmdB1,           // enlarged layout
    cmdPopMonStart,  // weeks start on Monday
    cmdPopKinrin,    // neighbouring days
    cmdPopLine,      // dividing lines
    cmdPopWareki,    // era years
    cmdPopSekki,     // solar terms and 雑節
    cmdExit2,        // close the calendar
};

struct MenuItemDef {
    MenuCommand command;
    const char* name;     // the item's name in the program
    const char* caption;  // with its access key
    char shortcut;        // a letter key that runs the item, or 0
    bool separatorAfter;
};

std::span<const MenuItemDef> TrayMenuItems();      // PopupMenu1
std::span<const MenuItemDef> CalendarMenuItems();  // PopupMenu2

// The item of the menu whose shortcut is the given virtual-key
// code (letters are their upper-case codes), if any.
std::optional<MenuCommand> MenuShortcutCommand(std::span<const MenuItemDef> items, uint16_t virtualKey);

}  // namespace zenka
