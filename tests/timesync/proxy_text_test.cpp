// The proxy setting's text and the splitter it is cut with.
#include "timesync/proxy_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "timesync/divide.h"

namespace zenka {
namespace {

TEST(TDivide, CutsAtEveryDelimiterKeepingEmptyPieces) {
    const struct {
        std::string text;
        std::vector<std::string> items;
    } cases[] = {
        {"cache:8080", {"cache", "8080"}},
        {"", {""}},
        {":", {"", ""}},
        {"a:", {"a", ""}},
        {"a:b:c", {"a", "b", "c"}},
        {" a :\"b:c\"", {" a ", "\"b", "c\""}},  // nothing trimmed, no quoting
        {"plain", {"plain"}},
    };
    for (const auto& c : cases) {
        const TDivide divide(c.text, ':');
        EXPECT_EQ(divide.Items(), c.items) << c.text;
        EXPECT_EQ(divide.Count(), static_cast<int32_t>(c.items.size())) << c.text;
    }
}

TEST(ProxyText, BlankIsDirectAndAnythingElseMustBeHostColonDecimalPort) {
    using Kind = ProxyChoice::Kind;
    const ProxyChoice direct{Kind::Direct, {}};
    const ProxyChoice invalid{Kind::Invalid, {}};
    const struct {
        std::string text;
        ProxyChoice choice;
    } cases[] = {
        {"", direct},
        {"   \t ", direct},
        {"cache:8080", {Kind::Proxy, {"cache", 8080}}},
        {" cache:8080", {Kind::Proxy, {" cache", 8080}}},  // the host as stored
        {"127.0.0.1:1", {Kind::Proxy, {"127.0.0.1", 1}}},
        {"proxy.example.jp:65535", {Kind::Proxy, {"proxy.example.jp", 65535}}},
        {"cache", invalid},
        {"cache:", invalid},
        {"a:b:c", invalid},
        {":8080", invalid},
        {"cache:80a", invalid},
        {"cache: 8080", invalid},
        {"cache:8080 ", invalid},
        {"cache:+80", invalid},
        {"cache:-80", invalid},
        {"cache:0", invalid},
        {"cache:65536", invalid},
        {"cache:99999999999999999999", invalid},
        {"[::1]:8080", invalid},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseProxyText(c.text), c.choice) << '"' << c.text << '"';
}

}  // namespace
}  // namespace zenka
