#include "tests/fakes/memory_key_store.h"

#include <algorithm>
#include <cctype>

namespace zenka {
namespace {

bool SameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

template <typename Map>
auto FindName(Map& map, std::string_view name) {
    return std::find_if(map.begin(), map.end(), [&](const auto& entry) { return SameName(entry.first, name); });
}

bool IsUnreadable(const std::string& text) { return !text.empty() && text[0] == '\0'; }

}  // namespace

MemoryKeyStore::Contents::iterator MemoryKeyStore::FindSection(std::string_view section) {
    return FindName(data_, section);
}

bool MemoryKeyStore::Step() {
    ++steps_;
    if (!failAt_ || steps_ < *failAt_) return true;
    return !(steps_ == *failAt_ || failUntilEnd_);
}

void MemoryKeyStore::FailStep(size_t n, bool untilEnd) {
    failAt_ = steps_ + n;
    failUntilEnd_ = untilEnd;
}

std::optional<std::string> MemoryKeyStore::ReadText(std::string_view section, std::string_view name) {
    log_.push_back("read " + std::string(section) + "/" + std::string(name));
    const auto s = FindSection(section);
    if (s == data_.end()) return std::nullopt;
    const auto v = FindName(s->second, name);
    if (v == s->second.end() || IsUnreadable(v->second)) return std::nullopt;
    return v->second;
}

const std::string* MemoryKeyStore::FindValue(std::string_view section, std::string_view name) {
    const auto s = FindSection(section);
    if (s == data_.end()) return nullptr;
    const auto v = FindName(s->second, name);
    return v == s->second.end() ? nullptr : &v->second;
}

bool MemoryKeyStore::HasValue(std::string_view section, std::string_view name) {
    log_.push_back("has " + std::string(section) + "/" + std::string(name));
    return FindValue(section, name) != nullptr;
}

bool MemoryKeyStore::CopyValue(std::string_view fromSection, std::string_view toSection, std::string_view name) {
    log_.push_back("copy " + std::string(fromSection) + "/" + std::string(name) + " to " + std::string(toSection));
    const std::string* value = FindValue(fromSection, name);
    if (!value) return false;
    const std::string copy = *value;
    if (!Step()) return false;
    Put(toSection, name, copy);
    return true;
}

void MemoryKeyStore::Put(std::string_view section, std::string_view name, std::string_view text) {
    auto s = FindSection(section);
    if (s == data_.end()) s = data_.emplace(std::string(section), std::map<std::string, std::string>{}).first;
    const auto v = FindName(s->second, name);
    if (v == s->second.end()) {
        s->second.emplace(std::string(name), std::string(text));
    } else {
        v->second = text;
    }
}

bool MemoryKeyStore::WriteText(std::string_view section, std::string_view name, std::string_view text) {
    log_.push_back("write " + std::string(section) + "/" + std::string(name) + "=" + std::string(text));
    if (!Step()) return false;
    Put(section, name, text);
    return true;
}

bool MemoryKeyStore::EraseValue(std::string_view section, std::string_view name) {
    log_.push_back("erase-value " + std::string(section) + "/" + std::string(name));
    if (!Step()) return false;
    const auto s = FindSection(section);
    if (s == data_.end()) return true;
    const auto v = FindName(s->second, name);
    if (v != s->second.end()) s->second.erase(v);
    return true;
}

bool MemoryKeyStore::EraseSection(std::string_view section) {
    log_.push_back("erase " + std::string(section));
    const auto s = FindSection(section);
    if (s == data_.end()) return Step();
    // One value at a time, as the registry removes a key's contents.
    while (!s->second.empty()) {
        if (!Step()) return false;
        s->second.erase(s->second.begin());
    }
    if (!Step()) return false;
    data_.erase(s);
    return true;
}

}  // namespace zenka
