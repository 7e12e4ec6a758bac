#include "app/registry_key_store_win.h"

#include <cstdint>
#include <cstring>
#include <vector>

#include "common/utf16_win.h"

namespace zenka {

const wchar_t* const kSettingsKeyPath = L"Software\\Brindlex\\Zenka";

namespace {

// Closes a subkey when it goes out of scope.
class SubKey {
public:
    SubKey(HKEY parent, std::string_view name, REGSAM access, bool create) {
        const std::wstring wide = Widen(name);
        const LONG status = create ? RegCreateKeyExW(parent, wide.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                                     access, nullptr, &key_, nullptr)
                                   : RegOpenKeyExW(parent, wide.c_str(), 0, access, &key_);
        if (status != ERROR_SUCCESS) key_ = nullptr;
    }
    ~SubKey() {
        if (key_) RegCloseKey(key_);
    }
    SubKey(const SubKey&) = delete;
    SubKey& operator=(const SubKey&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

std::optional<std::string> TextOfData(DWORD type, const std::vector<BYTE>& data, DWORD size) {
    switch (type) {
    case REG_SZ:
    case REG_EXPAND_SZ:
    case REG_MULTI_SZ: {  // of several strings, the first
        std::wstring text(reinterpret_cast<const wchar_t*>(data.data()), size / sizeof(wchar_t));
        text.resize(text.find(L'\0') == std::wstring::npos ? text.size() : text.find(L'\0'));
        return Narrow(text);
    }
    case REG_DWORD: {
        if (size < sizeof(DWORD)) return std::nullopt;
        DWORD number;
        std::memcpy(&number, data.data(), sizeof number);
        return std::to_string(number);
    }
    case REG_QWORD: {
        if (size < sizeof(uint64_t)) return std::nullopt;
        uint64_t number;
        std::memcpy(&number, data.data(), sizeof number);
        return std::to_string(number);
    }
    default:
        return std::nullopt;
    }
}

// A value's type and data as stored; nothing when it is not there.
struct RawValue {
    DWORD type = 0;
    std::vector<BYTE> data;
};

std::optional<RawValue> ReadRaw(HKEY key, std::string_view name) {
    const std::wstring valueName = Widen(name);
    RawValue value;
    value.data.resize(256);
    for (;;) {
        auto size = static_cast<DWORD>(value.data.size());
        const LONG status = RegQueryValueExW(key, valueName.c_str(), nullptr, &value.type, value.data.data(), &size);
        if (status == ERROR_MORE_DATA) {
            // The value may grow between the two calls; ask again.
            value.data.resize(static_cast<size_t>(size) + sizeof(wchar_t));
            continue;
        }
        if (status != ERROR_SUCCESS) return std::nullopt;
        value.data.resize(size);
        return value;
    }
}

}  // namespace

RegistryKeyStore::RegistryKeyStore(const std::wstring& keyPath) {
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key_, nullptr) != ERROR_SUCCESS) {
        key_ = nullptr;
    }
}

RegistryKeyStore::~RegistryKeyStore() {
    if (key_) RegCloseKey(key_);
}

std::optional<std::string> RegistryKeyStore::ReadText(std::string_view section, std::string_view name) {
    if (!key_) return std::nullopt;
    SubKey sub(key_, section, KEY_QUERY_VALUE, false);
    if (!sub.get()) return std::nullopt;
    const std::optional<RawValue> value = ReadRaw(sub.get(), name);
    if (!value) return std::nullopt;
    return TextOfData(value->type, value->data, static_cast<DWORD>(value->data.size()));
}

bool RegistryKeyStore::HasValue(std::string_view section, std::string_view name) {
    if (!key_) return false;
    SubKey sub(key_, section, KEY_QUERY_VALUE, false);
    return sub.get() &&
           RegQueryValueExW(sub.get(), Widen(name).c_str(), nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

bool RegistryKeyStore::CopyValue(std::string_view fromSection, std::string_view toSection, std::string_view name) {
    if (!key_) return false;
    std::optional<RawValue> value;
    {
        SubKey from(key_, fromSection, KEY_QUERY_VALUE, false);
        if (from.get()) value = ReadRaw(from.get(), name);
    }
    if (!value) return false;
    SubKey to(key_, toSection, KEY_SET_VALUE, true);
    return to.get() && RegSetValueExW(to.get(), Widen(name).c_str(), 0, value->type, value->data.data(),
                                      static_cast<DWORD>(value->data.size())) == ERROR_SUCCESS;
}

bool RegistryKeyStore::WriteText(std::string_view section, std::string_view name, std::string_view text) {
    if (!key_) return false;
    SubKey sub(key_, section, KEY_SET_VALUE, true);
    if (!sub.get()) return false;
    const std::wstring wide = Widen(text);
    const auto bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(sub.get(), Widen(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                          bytes) == ERROR_SUCCESS;
}

bool RegistryKeyStore::EraseValue(std::string_view section, std::string_view name) {
    if (!key_) return false;
    SubKey sub(key_, section, KEY_SET_VALUE, false);
    if (!sub.get()) return true;  // no section, so no value either
    const LONG status = RegDeleteValueW(sub.get(), Widen(name).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool RegistryKeyStore::EraseSection(std::string_view section) {
    // An empty name would be the settings key itself, with every section.
    if (!key_ || section.empty()) return false;
    const LONG status = RegDeleteTreeW(key_, Widen(section).c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

}  // namespace zenka
