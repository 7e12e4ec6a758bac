// The identifiers of the three date icons.
#include "app/tray_icon_guid.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace zenka {
namespace {

std::string Text(const Uuid& uuid) {
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (size_t i = 0; i < uuid.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) text += '-';
        text += digits[uuid[i] >> 4];
        text += digits[uuid[i] & 15];
    }
    return text;
}

TEST(TrayIconGuid, IsTheNameBasedUuidOfThePathAndTheRole) {
    // RFC 4122's DNS name space and a published example of version 5.
    const Uuid dns{0x6b, 0xa7, 0xb8, 0x10, 0x9d, 0xad, 0x11, 0xd1, 0x80, 0xb4, 0x00, 0xc0, 0x4f, 0xd4, 0x30, 0xc8};
    EXPECT_EQ(Text(NameBasedUuid(dns, "python.org")), "886313e1-3b8a-5372-9b90-0c9aee199e5d");

    const std::string path = "C:\\Users\\hanako\\Desktop\\Zenka\\zenka.exe";
    std::set<std::string> all;
    for (const char* where : {"C:\\Users\\hanako\\Desktop\\Zenka\\zenka.exe", "D:\\Tools\\Zenka\\zenka.exe"}) {
        for (TrayIconKind kind : {TrayIconKind::Month, TrayIconKind::Day, TrayIconKind::Weekday}) {
            const Uuid guid = TrayIconGuid(where, kind);
            EXPECT_EQ(guid[6] >> 4, 5) << "version 5";
            EXPECT_EQ(guid[8] >> 6, 2) << "the RFC's variant";
            EXPECT_EQ(guid, TrayIconGuid(where, kind)) << "the same at every start";
            all.insert(Text(guid));
        }
    }
    EXPECT_EQ(all.size(), 6u) << "one per role, and a moved copy gets its own";

    EXPECT_EQ(TrayIconGuid("c:\\users\\HANAKO\\desktop\\zenka\\ZENKA.EXE", TrayIconKind::Day),
              TrayIconGuid(path, TrayIconKind::Day))
        << "letter case does not make another file";
    EXPECT_NE(TrayIconGuid("C:\\Users\\はなこ\\zenka.exe", TrayIconKind::Day),
              TrayIconGuid("C:\\Users\\はなこ\\zenka2.exe", TrayIconKind::Day));
}

}  // namespace
}  // namespace zenka
