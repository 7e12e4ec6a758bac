// The help file as the HTML Help viewer reads it: read back from the built
// Zenka.chm, not from its sources.
#include <chm_lib.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <optional>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "common/cp932.h"

namespace zenka {
namespace {

class ChmFile {
public:
    explicit ChmFile(const char* path) : file_(chm_open(path)) {}
    ~ChmFile() {
        if (file_) chm_close(file_);
    }
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    bool Open() const { return file_ != nullptr; }

    // The object's bytes; nothing when the file has no such object.
    std::optional<std::string> Read(const std::string& path) const {
        chmUnitInfo unit{};
        if (chm_resolve_object(file_, path.c_str(), &unit) != CHM_RESOLVE_SUCCESS) return std::nullopt;
        std::string bytes(static_cast<size_t>(unit.length), '\0');
        const LONGINT64 read = chm_retrieve_object(file_, &unit, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                                                   static_cast<LONGINT64>(unit.length));
        if (read != static_cast<LONGINT64>(unit.length)) return std::nullopt;
        return bytes;
    }
    bool Has(const std::string& path) const { return Read(path).has_value(); }

    // The paths of the ordinary files ("/tray.htm").
    std::vector<std::string> Files() const {
        std::vector<std::string> paths;
        chm_enumerate(
            file_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
            [](chmFile*, chmUnitInfo* unit, void* context) {
                static_cast<std::vector<std::string>*>(context)->push_back(unit->path);
                return CHM_ENUMERATOR_CONTINUE;
            },
            &paths);
        return paths;
    }

private:
    chmFile* file_;
};

uint32_t Dword(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    std::memcpy(&value, bytes.data() + at, 4);
    return value;
}

// Text the viewer reads in code page 932: exact code page 932, given back
// as UTF-8; a failure when it is not.
std::string Cp932Text(const std::string& bytes, const std::string& what) {
    const std::string text = Cp932ToUtf8(bytes);
    EXPECT_EQ(text.find("\xEF\xBF\xBD"), std::string::npos) << what << " holds bytes that are not code page 932";
    EXPECT_EQ(Utf8ToCp932(text), bytes) << what << " does not read back as code page 932";
    return text;
}

std::vector<std::string> Matches(const std::string& text, const std::regex& pattern) {
    std::vector<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), pattern), end; it != end; ++it) found.push_back((*it)[1]);
    return found;
}

class HelpFile : public ::testing::Test {
protected:
    ChmFile chm{ZENKA_HELP_FILE};

    // Checks that a link from a page of the file leads somewhere in it: the
    // page, and the anchor within it when the link names one.
    void ExpectResolves(const std::string& link, const std::string& from) {
        const size_t hash = link.find('#');
        const std::string page = link.substr(0, hash);
        const auto target = chm.Read("/" + page);
        if (!target) {
            ADD_FAILURE() << from << " links to " << link << ", which the help file lacks";
            return;
        }
        if (hash == std::string::npos) return;
        const std::string anchor = link.substr(hash + 1);
        EXPECT_TRUE(target->find("id=\"" + anchor + "\"") != std::string::npos ||
                    target->find("name=\"" + anchor + "\"") != std::string::npos)
            << from << " links to " << link << ", whose anchor is not there";
    }
};

TEST_F(HelpFile, EveryContextNumberTheProgramOpensLeadsToItsTopic) {
    ASSERT_TRUE(chm.Open()) << ZENKA_HELP_FILE;
    // The tray menu's help item, the calendar window, and the tabs of the
    // settings dialog (the day-list tabs share 6).
    const std::map<uint32_t, std::string> topics = {
        {1, "tray.htm"},      {4, "color.htm"}, {5, "calendar.htm"}, {6, "daylists.htm"},
        {7, "alarm.htm"},     {8, "sync.htm"},  {9, "startup.htm"},  {10, "other.htm"},
    };
    const auto map = chm.Read("/#IVB");
    const auto strings = chm.Read("/#STRINGS");
    ASSERT_TRUE(map && strings) << "the help file has no context map";
    ASSERT_GE(map->size(), 4u);
    ASSERT_EQ(Dword(*map, 0), map->size() - 4);
    std::map<uint32_t, std::string> found;
    for (size_t at = 4; at + 8 <= map->size(); at += 8) {
        const uint32_t offset = Dword(*map, at + 4);
        ASSERT_LT(offset, strings->size());
        found[Dword(*map, at)] = strings->c_str() + offset;
    }
    EXPECT_EQ(found, topics);
    for (const auto& [context, topic] : found) {
        EXPECT_TRUE(chm.Has("/" + topic)) << "context " << context << " names " << topic << ", which is not in the file";
    }
}

TEST_F(HelpFile, IsJapaneseAndEveryPageDeclaresItsEncoding) {
    ASSERT_TRUE(chm.Open()) << ZENKA_HELP_FILE;
    const auto system = chm.Read("/#SYSTEM");
    ASSERT_TRUE(system);
    std::optional<uint32_t> language;
    std::string title;
    for (size_t at = 4; at + 4 <= system->size();) {
        const uint16_t code = static_cast<uint16_t>(Dword(*system, at) & 0xFFFF);
        const uint16_t length = static_cast<uint16_t>(Dword(*system, at) >> 16);
        const std::string data = system->substr(at + 4, length);
        if (code == 4 && length >= 4) language = Dword(data, 0);
        if (code == 3) title = Cp932Text(data.substr(0, data.find('\0')), "the title");
        at += 4 + length;
    }
    EXPECT_EQ(language, 0x0411u) << "the Japanese language identifier";
    EXPECT_EQ(title, "Zenka ヘルプ");

    int pages = 0;
    for (const std::string& path : chm.Files()) {
        if (!path.ends_with(".htm")) continue;
        ++pages;
        const std::string page = Cp932Text(*chm.Read(path), path);
        EXPECT_NE(page.find("<meta http-equiv=\"Content-Type\" content=\"text/html; charset=Shift_JIS\">"),
                  std::string::npos)
            << path << " does not declare its encoding";
        const auto titles = Matches(page, std::regex("<title>([^<]*)</title>"));
        EXPECT_TRUE(titles.size() == 1 && !titles[0].empty()) << path << " has no title";
    }
    EXPECT_GE(pages, 15);
}

TEST_F(HelpFile, EveryLinkResolvesWithinTheFile) {
    ASSERT_TRUE(chm.Open()) << ZENKA_HELP_FILE;
    const std::regex link("(?:href|src)=\"([^\"]*)\"");
    int links = 0;
    for (const std::string& path : chm.Files()) {
        if (!path.ends_with(".htm")) continue;
        const std::string page = Cp932ToUtf8(*chm.Read(path));
        for (const std::string& target : Matches(page, link)) {
            ASSERT_FALSE(target.empty()) << path;
            ASSERT_EQ(target.find("://"), std::string::npos) << path << " links out of the help file: " << target;
            ++links;
            ExpectResolves(target[0] == '#' ? path.substr(1) + target : target, path);
        }
    }
    EXPECT_GT(links, 100);
}

TEST_F(HelpFile, ContentsAndIndexNameExistingPagesInCodePage932) {
    ASSERT_TRUE(chm.Open()) << ZENKA_HELP_FILE;
    const std::regex name("<param name=\"Name\" value=\"([^\"]*)\">");
    const std::regex local("<param name=\"Local\" value=\"([^\"]*)\">");
    std::set<std::string> inContents;
    for (const char* sitemap : {"/toc.hhc", "/index.hhk"}) {
        const auto bytes = chm.Read(sitemap);
        ASSERT_TRUE(bytes) << sitemap;
        const std::string text = Cp932Text(*bytes, sitemap);
        const auto names = Matches(text, name);
        const auto locals = Matches(text, local);
        EXPECT_EQ(names.size(), locals.size()) << sitemap << ": every entry names its page";
        EXPECT_GE(names.size(), 15u) << sitemap;
        for (const std::string& entry : names) EXPECT_FALSE(entry.empty()) << sitemap << " has an entry without a name";
        for (const std::string& target : locals) {
            ExpectResolves(target, sitemap);
            if (std::string(sitemap) == "/toc.hhc") inContents.insert("/" + target.substr(0, target.find('#')));
        }
    }
    EXPECT_NE(Cp932ToUtf8(*chm.Read("/toc.hhc")).find("予定日・特別日・休日リスト"), std::string::npos);
    for (const std::string& path : chm.Files()) {
        if (path.ends_with(".htm")) {
            EXPECT_TRUE(inContents.contains(path)) << path << " is missing from the contents";
        }
    }
}

TEST_F(HelpFile, MenuItemsAreWrittenAsTheScreenShowsThem) {
    ASSERT_TRUE(chm.Open()) << ZENKA_HELP_FILE;
    // An access key's marker is not on screen: the menu shows "閉じる(X)",
    // and "&amp;X" in a page would show the reader "&X".
    const std::regex marker("(.{0,12}&(?:amp;)?[A-Za-z0-9]\\))");
    for (const std::string& path : chm.Files()) {
        if (!path.ends_with(".htm")) continue;
        const std::string page = Cp932ToUtf8(*chm.Read(path));
        for (const std::string& found : Matches(page, marker)) ADD_FAILURE() << path << " writes " << found;
    }
    EXPECT_NE(Cp932ToUtf8(*chm.Read("/tray.htm")).find("閉じる(X)"), std::string::npos);
}

}  // namespace
}  // namespace zenka
