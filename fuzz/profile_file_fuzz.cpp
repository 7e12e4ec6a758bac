// The profile-file reader (the backup file): any bytes parse; writing what
// was read and reading it again changes nothing; a value set reads back.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "daylists/profile_file.h"
#include "fuzz/fuzz_check.h"

using zenka::ProfileFile;

namespace {

// Names that need no care in a profile file: letters, digits and '_'.
bool IsName(std::string_view text) {
    if (text.empty()) return false;
    for (const char c : text) {
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_')) return false;
    }
    return true;
}

bool IsPlainText(std::string_view text) {
    for (const char c : text) {
        if (c < 0x20 || c > 0x7E) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ProfileFile file = ProfileFile::Parse(bytes);
    const std::string written = file.Serialize();
    FUZZ_CHECK(ProfileFile::Parse(written).Serialize() == written);
    for (const std::string& section : file.SectionNames()) {
        (void)file.Get(section, "Item[0]");
        (void)file.HasSection(section);
    }

    // The input's first line, cut at two tabs, names a section, a key and a
    // value to set.
    const std::string_view first = bytes.substr(0, bytes.find('\n'));
    const size_t tab1 = first.find('\t');
    const size_t tab2 = tab1 == std::string_view::npos ? tab1 : first.find('\t', tab1 + 1);
    if (tab2 == std::string_view::npos) return 0;
    const std::string_view section = first.substr(0, tab1);
    const std::string_view key = first.substr(tab1 + 1, tab2 - tab1 - 1);
    const std::string_view value = first.substr(tab2 + 1);
    file.Set(section, key, value);
    if (IsName(section) && IsName(key) && IsPlainText(value)) FUZZ_CHECK(file.Get(section, key) == value);
    const ProfileFile again = ProfileFile::Parse(file.Serialize());
    if (IsName(section) && IsName(key) && IsPlainText(value)) FUZZ_CHECK(again.Get(section, key) == value);
    file.EraseSection(section);
    (void)file.Serialize();
    return 0;
}
