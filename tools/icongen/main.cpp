// icongen <folder>: draws the tray icons and writes them into
// <folder>/<colour>/, the "Icon" folder that lies beside zenka.exe.
#include <exception>
#include <iostream>

#include "tools/icongen/icon_set.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: icongen <output folder>\n";
        return 2;
    }
    try {
        zenka::icongen::WriteIconFolders(argv[1]);
    } catch (const std::exception& e) {
        std::cerr << "icongen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
