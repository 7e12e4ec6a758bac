// The settings and day lists on the in-memory store; tests/win runs the same
// cases on the registry.
#include "tests/common/key_store_contract.h"

#include "tests/fakes/memory_key_store.h"

namespace zenka::contract {
namespace {

// Hands out store objects that all work on one in-memory store, as each
// opening of the registry key works on the same key.
class MemoryFactory {
public:
    std::unique_ptr<KeyStore> Open() { return std::make_unique<Forward>(store_); }

    std::vector<std::string> ValueNames(std::string_view section) {
        std::vector<std::string> names;
        for (const auto& [name, sectionValues] : store_.Data()) {
            if (name != section) continue;
            for (const auto& [value, text] : sectionValues) names.push_back(value);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    bool HasSection(std::string_view section) { return store_.Data().count(std::string(section)) != 0; }
    void PutWithoutText(std::string_view section, std::string_view name, std::string_view payload) {
        store_.Data()[std::string(section)][std::string(name)] = MemoryKeyStore::Unreadable(payload);
    }
    std::optional<std::string> PayloadWithoutText(std::string_view section, std::string_view name) {
        const std::string& value = store_.Data()[std::string(section)][std::string(name)];
        const std::string mark = MemoryKeyStore::Unreadable("");
        if (value.compare(0, mark.size(), mark) != 0) return std::nullopt;
        return value.substr(mark.size());
    }

private:
    class Forward : public KeyStore {
    public:
        explicit Forward(MemoryKeyStore& target) : target_(target) {}
        std::optional<std::string> ReadText(std::string_view s, std::string_view n) override {
            return target_.ReadText(s, n);
        }
        bool WriteText(std::string_view s, std::string_view n, std::string_view t) override {
            return target_.WriteText(s, n, t);
        }
        bool HasValue(std::string_view s, std::string_view n) override { return target_.HasValue(s, n); }
        bool EraseValue(std::string_view s, std::string_view n) override { return target_.EraseValue(s, n); }
        bool CopyValue(std::string_view f, std::string_view t, std::string_view n) override {
            return target_.CopyValue(f, t, n);
        }
        bool EraseSection(std::string_view s) override { return target_.EraseSection(s); }

    private:
        MemoryKeyStore& target_;
    };

    MemoryKeyStore store_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(InMemory, KeyStoreContract, MemoryFactory);

}  // namespace
}  // namespace zenka::contract
