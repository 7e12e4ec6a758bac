// A key store in memory, for tests: sections and value names match without
// regard to ASCII letter case, as in the registry. It records every
// operation, and can be told to fail a chosen write step to stand in for a
// write error or for the process ending at that point.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/key_store.h"

namespace zenka {

class MemoryKeyStore : public KeyStore {
public:
    // Section name -> value name -> text, names as first written.
    using Contents = std::map<std::string, std::map<std::string, std::string>>;

    std::optional<std::string> ReadText(std::string_view section, std::string_view name) override;
    bool HasValue(std::string_view section, std::string_view name) override;
    bool CopyValue(std::string_view fromSection, std::string_view toSection, std::string_view name) override;
    bool WriteText(std::string_view section, std::string_view name, std::string_view text) override;
    bool EraseValue(std::string_view section, std::string_view name) override;
    bool EraseSection(std::string_view section) override;

    // A stored value that has no text form (a registry value of another
    // type): ReadText gives nothing for it, HasValue finds it, CopyValue
    // copies it as it is. The payload tells such values apart.
    static std::string Unreadable(std::string_view payload) { return std::string(1, '\0') + std::string(payload); }

    // Every operation so far, one line each: "read Form/Layer",
    // "has ListB/Max", "write Form/Layer=255", "erase-value ListB/Max", "erase ListB",
    // "copy ListB/Item[1] to ListB.new".
    const std::vector<std::string>& Log() const { return log_; }
    void ClearLog() { log_.clear(); }

    // Write steps: a written or copied value, an erased value, and for an erased
    // section each of its values, then the section itself. Step n (from 1,
    // counted from now) fails and changes nothing; with untilEnd every
    // later step fails too, as when the process has ended.
    void FailStep(size_t n, bool untilEnd);
    void StopFailing() { failAt_.reset(); }
    size_t StepsTaken() const { return steps_; }

    const Contents& Data() const { return data_; }
    Contents& Data() { return data_; }

private:
    bool Step();
    Contents::iterator FindSection(std::string_view section);
    const std::string* FindValue(std::string_view section, std::string_view name);
    void Put(std::string_view section, std::string_view name, std::string_view text);

    Contents data_;
    std::vector<std::string> log_;
    size_t steps_ = 0;
    std::optional<size_t> failAt_;
    bool failUntilEnd_ = false;
};

}  // namespace zenka
