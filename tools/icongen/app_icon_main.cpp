// appicongen <file.ico>: draws Zenka's own icon at every size into one
// icon file, which the executable carries as its icon.
#include <exception>
#include <fstream>
#include <iostream>

#include "tools/icongen/app_icon.h"
#include "tools/icongen/ico_file.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: appicongen <file.ico>\n";
        return 2;
    }
    try {
        std::vector<zenka::icongen::Image> images;
        for (int size : zenka::icongen::AppIconSizes()) images.push_back(zenka::icongen::DrawAppIcon(size));
        const std::vector<uint8_t> bytes = zenka::icongen::EncodeIco(images);
        std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        file.close();
        if (!file) {
            std::cerr << "appicongen: cannot write " << argv[1] << '\n';
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << "appicongen: " << e.what() << '\n';
        return 1;
    }
    return 0;
}
