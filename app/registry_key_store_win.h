// The settings store on the current user's registry: one key, a subkey per
// section, every value a REG_SZ string, read and written through the Unicode
// functions so Japanese text survives whatever the system's code page.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/key_store.h"

namespace zenka {

// HKEY_CURRENT_USER\Software\Brindlex\Zenka.
extern const wchar_t* const kSettingsKeyPath;

class RegistryKeyStore : public KeyStore {
public:
    // Opens the key under HKEY_CURRENT_USER with full access, creating it
    // when missing. When even that fails every read finds nothing and every
    // write fails.
    explicit RegistryKeyStore(const std::wstring& keyPath = kSettingsKeyPath);
    ~RegistryKeyStore() override;
    RegistryKeyStore(const RegistryKeyStore&) = delete;
    RegistryKeyStore& operator=(const RegistryKeyStore&) = delete;

    bool IsOpen() const { return key_ != nullptr; }

    // A string value gives its text (up to its first NUL; of a multi-string
    // value, its first string), a DWORD or QWORD its decimal number; values
    // of other types have no text, though HasValue finds them and CopyValue
    // keeps them.
    std::optional<std::string> ReadText(std::string_view section, std::string_view name) override;
    bool HasValue(std::string_view section, std::string_view name) override;
    bool CopyValue(std::string_view fromSection, std::string_view toSection, std::string_view name) override;
    bool WriteText(std::string_view section, std::string_view name, std::string_view text) override;
    bool EraseValue(std::string_view section, std::string_view name) override;
    bool EraseSection(std::string_view section) override;

private:
    HKEY key_ = nullptr;
};

}  // namespace zenka
