#include "settings/about_links.h"

#include "settings/settings_texts.h"

namespace zenka {
namespace {

// Percent-encodes everything but the characters a mailto field may carry
// as they are.
std::string PercentEncoded(std::string_view text) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool plain = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                           (byte >= '0' && byte <= '9') || c == '-' || c == '.' || c == '_' || c == '~';
        if (plain) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

}  // namespace

AboutLink MailLink(std::string_view address, std::string_view productAndVersion) {
    if (!address.empty()) return {std::string(address), "mailto:" + std::string(address), kMailLinkHint};
    return {"新しいメールを作成", "mailto:?subject=" + PercentEncoded(productAndVersion), kMailLinkHint};
}

AboutLink WebLink(std::string_view webPage, std::string_view programFolder) {
    if (!webPage.empty()) return {std::string(webPage), std::string(webPage), kWebLinkHint};
    return {kProgramFolderLinkText, std::string(programFolder), std::string(programFolder)};
}

}  // namespace zenka
