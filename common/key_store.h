// Named text values grouped in sections: the shape in which every setting and
// day list is kept (on Windows, a registry key with one subkey per section).
// The core reads and writes through this interface only, so the rules of
// reading, the defaults and the order of writes are tested without Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zenka {

class KeyStore {
public:
    virtual ~KeyStore() = default;

    // The value's text, or nothing when the section or the value is missing
    // or the value has no text form. Section and value names are matched
    // without regard to letter case.
    virtual std::optional<std::string> ReadText(std::string_view section, std::string_view name) = 0;

    // Each of these is one step that either happens or not; a false return
    // says it did not. Writing creates the section when it is missing.
    virtual bool WriteText(std::string_view section, std::string_view name, std::string_view text) = 0;
    // Removing what is not there succeeds.
    virtual bool EraseValue(std::string_view section, std::string_view name) = 0;

    // Removes the section with all its values. Unlike the other writes this
    // may stop half-way (the values go one by one), leaving some of them.
    virtual bool EraseSection(std::string_view section) = 0;
};

}  // namespace zenka
