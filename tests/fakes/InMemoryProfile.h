#pragma once

#include "platform/settings/ProfileFile.h"

#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fakes {

// A settings file held in memory: values by section and key (names matched without ASCII
// case, as the real file does), every write recorded in order. Reads give the stored value
// or the fallback; values are not cut or decoded. A failure set with failWrites() makes
// every later write fail with that error (and leaves the values as they were).
class InMemoryProfile : public platform::ProfileFile {
public:
    struct Write {
        std::string section;
        std::string key;
        std::string value;
        bool operator==(const Write&) const = default;
    };

    InMemoryProfile() = default;
    // Starts with VALUES: {section, key, value} triples.
    InMemoryProfile(std::initializer_list<Write> values);

    void set(std::string_view section, std::string_view key, std::string_view value);
    // The value stored, if any (writes included).
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    void failWrites(platform::Error error) { m_failure = std::move(error); }

    std::string read(std::string_view section, std::string_view key, std::string_view fallback) const override;
    platform::Status write(std::string_view section, std::string_view key, std::string_view value) override;

    // Every write asked for, the failed ones included.
    std::vector<Write> writes;
    // Every key read, as "section/key", in order.
    mutable std::vector<std::string> reads;

private:
    static std::pair<std::string, std::string> keyOf(std::string_view section, std::string_view key);
    std::map<std::pair<std::string, std::string>, std::string> m_values;
    std::optional<platform::Error> m_failure;
};

} // namespace fakes
