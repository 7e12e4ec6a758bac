// A folder of the system's temporary folder that a test makes for itself
// and removes when done. Its name is new each time: the same test of
// another checkout, or of the same checkout natively and under Wine, may
// run at the same time, and neither may remove the other's files.
#pragma once

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>

namespace zenka::testing {

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name) {
        const std::filesystem::path temporary = std::filesystem::temp_directory_path();
        std::random_device random;
        for (int tries = 0; tries < 100; ++tries) {
            const std::filesystem::path folder = temporary / ("zenka-" + name + "-" + std::to_string(random()));
            // Made now, so this test's own; a name that is taken is tried no further.
            if (std::filesystem::create_directory(folder)) {
                path_ = folder;
                return;
            }
        }
        throw std::runtime_error("no free name for a scratch folder in " + temporary.string());
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A path as the UTF-8 text the code under test takes.
inline std::string Utf8(const std::filesystem::path& path) {
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

}  // namespace zenka::testing
