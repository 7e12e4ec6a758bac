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

    // Whether the value is there, whatever its type: a value ReadText gives
    // nothing for may still be there, in a form that has no text.
    virtual bool HasValue(std::string_view section, std::string_view name) {
        return ReadText(section, name).has_value();
    }

    // Each of these is one step that either happens or not; a false return
    // says it did not. Writing creates the section when it is missing.
    virtual bool WriteText(std::string_view section, std::string_view name, std::string_view text) = 0;
    // Removing what is not there succeeds.
    virtual bool EraseValue(std::string_view section, std::string_view name) = 0;
    // Copies the value into another section as it is stored, type and all,
    // so that a value without a text form can be kept. Copying what is not
    // there fails.
    virtual bool CopyValue(std::string_view fromSection, std::string_view toSection, std::string_view name) {
        const std::optional<std::string> text = ReadText(fromSection, name);
        return text && WriteText(toSection, name, *text);
    }

    // Removes the section with all its values. Unlike the other writes this
    // may stop half-way (the values go one by one), leaving some of them.
    virtual bool EraseSection(std::string_view section) = 0;
};

}  // namespace zenka
