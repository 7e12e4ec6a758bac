// The clean-up's path decisions on any texts the registry or the system
// could hand over: two paths, split at the first NUL byte.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/cleanup_paths.h"
#include "fuzz/fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    const size_t split = input.find('\0');
    const std::string first = input.substr(0, split);
    const std::string second = split == std::string::npos ? std::string() : input.substr(split + 1);

    const bool inside = zenka::PathLiesInside(first, second);
    // Nothing lies inside a root or inside itself, and nothing lies inside
    // what lies inside it.
    if (inside && (zenka::IsRootOrNotAbsolute(second) || zenka::SameFolder(first, second) ||
                   zenka::PathLiesInside(second, first))) {
        std::abort();
    }
    if (const auto recent = zenka::RecentFolderToEmpty(first, second)) {
        if (*recent != first || zenka::IsRootOrNotAbsolute(*recent)) std::abort();
    }
    if (const auto temp = zenka::TemporaryFolderToEmpty(first, {second})) {
        if (zenka::SameFolder(*temp, second) || zenka::PathLiesInside(second, *temp)) std::abort();
    }
    if (const auto extended = zenka::ExtendedPath(first)) {
        FUZZ_CHECK(extended->rfind("\\\\?\\", 0) == 0 && zenka::ExtendedPath(*extended) == extended);
        // The path handed to the system names what its text was proven to.
        const auto folder = zenka::ExtendedPath(second);
        if (inside && folder) FUZZ_CHECK(zenka::PathLiesInside(*extended, *folder));
    }
    zenka::HasShortcutExtension(first);
    return 0;
}
