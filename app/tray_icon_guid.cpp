#include "app/tray_icon_guid.h"

#include <string>

#include "common/sha1.h"

namespace zenka {

namespace {

// The name space of Zenka's tray icons; fixed for good, since a change would
// lose every user's "always show" choice.
constexpr Uuid kTrayIconNameSpace{0xFE, 0x15, 0xEC, 0xEA, 0x86, 0x7D, 0x49, 0xA6,
                                  0xAF, 0xC3, 0xAB, 0xDC, 0xC1, 0x95, 0xAD, 0x8F};

const char* RoleName(TrayIconKind icon) {
    switch (icon) {
        case TrayIconKind::Month: return "month";
        case TrayIconKind::Day: return "day";
        case TrayIconKind::Weekday: break;
    }
    return "weekday";
}

}  // namespace

Uuid NameBasedUuid(const Uuid& nameSpace, std::string_view name) {
    std::string bytes(nameSpace.begin(), nameSpace.end());
    bytes.append(name);
    const Sha1Digest digest = Sha1(bytes);
    Uuid uuid{};
    for (size_t i = 0; i < uuid.size(); ++i) uuid[i] = digest[i];
    uuid[6] = static_cast<uint8_t>((uuid[6] & 0x0F) | 0x50);  // version 5
    uuid[8] = static_cast<uint8_t>((uuid[8] & 0x3F) | 0x80);  // the RFC's variant
    return uuid;
}

Uuid TrayIconGuid(std::string_view executablePath, TrayIconKind icon) {
    std::string name(executablePath);
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    name += '\n';
    name += RoleName(icon);
    return NameBasedUuid(kTrayIconNameSpace, name);
}

}  // namespace zenka
