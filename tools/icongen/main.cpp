// icongen <folder>: draws the tray icons and writes them into
// <folder>/<colour>/, the "Icon" folder that lies beside zenka.exe.
// icongen --sync <folder>: draws the three clock synchronisation icons,
// which the program carries as resources, into <folder>.
#include <exception>
#include <iostream>
#include <string>

#include "tools/icongen/icon_set.h"
#include "tools/icongen/sync_art.h"

int main(int argc, char** argv) {
    const bool sync = argc == 3 && std::string(argv[1]) == "--sync";
    if (argc != 2 && !sync) {
        std::cerr << "usage: icongen <output folder>\n       icongen --sync <output folder>\n";
        return 2;
    }
    try {
        if (sync) {
            zenka::icongen::WriteSyncIcons(argv[2]);
        } else {
            zenka::icongen::WriteIconFolders(argv[1]);
        }
    } catch (const std::exception& e) {
        std::cerr << "icongen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
