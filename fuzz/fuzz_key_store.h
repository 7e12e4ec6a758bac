// A key store read from a fuzz input, for the targets that load settings and
// day lists: one value a line, "section<TAB>name<TAB>text"; a text that
// begins with byte 01 stands for a value without a text form (a registry
// value of another type). Names match without regard to ASCII letter case.
#pragma once

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "common/key_store.h"

namespace zenka::fuzz {

class FuzzKeyStore : public KeyStore {
public:
    struct Value {
        bool hasText = true;
        std::string data;
        bool operator==(const Value&) const = default;
    };
    using Contents = std::map<std::pair<std::string, std::string>, Value>;

    FuzzKeyStore() = default;
    explicit FuzzKeyStore(std::string_view input) {
        while (!input.empty()) {
            const size_t end = std::min(input.find('\n'), input.size());
            const std::string_view line = input.substr(0, end);
            input.remove_prefix(std::min(end + 1, input.size()));
            const size_t tab1 = line.find('\t');
            const size_t tab2 = tab1 == std::string_view::npos ? tab1 : line.find('\t', tab1 + 1);
            if (tab2 == std::string_view::npos) continue;
            std::string_view text = line.substr(tab2 + 1);
            const bool hasText = text.empty() || text[0] != '\x01';
            if (!hasText) text.remove_prefix(1);
            values_[Key(line.substr(0, tab1), line.substr(tab1 + 1, tab2 - tab1 - 1))] = {hasText, std::string(text)};
        }
    }

    std::optional<std::string> ReadText(std::string_view section, std::string_view name) override {
        const auto found = values_.find(Key(section, name));
        if (found == values_.end() || !found->second.hasText) return std::nullopt;
        return found->second.data;
    }
    bool HasValue(std::string_view section, std::string_view name) override {
        return values_.count(Key(section, name)) != 0;
    }
    bool WriteText(std::string_view section, std::string_view name, std::string_view text) override {
        values_[Key(section, name)] = {true, std::string(text)};
        return true;
    }
    bool EraseValue(std::string_view section, std::string_view name) override {
        values_.erase(Key(section, name));
        return true;
    }
    bool EraseSection(std::string_view section) override {
        if (section.empty()) return false;
        const std::string lower = Lower(section);
        for (auto it = values_.begin(); it != values_.end();) {
            it = it->first.first == lower ? values_.erase(it) : std::next(it);
        }
        return true;
    }
    bool CopyValue(std::string_view fromSection, std::string_view toSection, std::string_view name) override {
        const auto found = values_.find(Key(fromSection, name));
        if (found == values_.end()) return false;
        const Value copy = found->second;
        values_[Key(toSection, name)] = copy;
        return true;
    }

    const Contents& Values() const { return values_; }

private:
    static std::string Lower(std::string_view text) {
        std::string lower(text);
        for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return lower;
    }
    static std::pair<std::string, std::string> Key(std::string_view section, std::string_view name) {
        return {Lower(section), Lower(name)};
    }

    Contents values_;
};

}  // namespace zenka::fuzz
