// The about box's two links: what each shows and what it hands to the
// system to open.
#pragma once

#include <string>
#include <string_view>

namespace zenka {

struct AboutLink {
    std::string shown;
    std::string target;  // a mailto: or web address, or a folder
    std::string hint;    // says where the link leads
    bool operator==(const AboutLink&) const = default;
};

// The maker's mail address; without one, a new mail whose subject names
// the product and version, for the user's mail program to fill in.
AboutLink MailLink(std::string_view address, std::string_view productAndVersion);

// The maker's web page; without one, the folder the program lies in, with
// its help file and icons: the link says what it does, not where (a local
// path means nothing as a web address), and its hint names the folder.
AboutLink WebLink(std::string_view webPage, std::string_view programFolder);

}  // namespace zenka
