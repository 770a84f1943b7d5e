#include "tests/fakes/InMemoryProfile.h"

#include <algorithm>
#include <cctype>

namespace fakes {

InMemoryProfile::InMemoryProfile(std::initializer_list<Write> values)
{
    for (const Write& v : values)
        set(v.section, v.key, v.value);
}

std::pair<std::string, std::string> InMemoryProfile::keyOf(std::string_view section, std::string_view key)
{
    const auto lower = [](std::string_view s) {
        std::string out(s);
        std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return out;
    };
    return { lower(section), lower(key) };
}

void InMemoryProfile::set(std::string_view section, std::string_view key, std::string_view value)
{
    m_values[keyOf(section, key)] = std::string(value);
}

std::optional<std::string> InMemoryProfile::value(std::string_view section, std::string_view key) const
{
    const auto it = m_values.find(keyOf(section, key));
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

std::string InMemoryProfile::read(std::string_view section, std::string_view key, std::string_view fallback) const
{
    reads.push_back(std::string(section) + "/" + std::string(key));
    return value(section, key).value_or(std::string(fallback));
}

platform::Status InMemoryProfile::write(std::string_view section, std::string_view key, std::string_view value)
{
    writes.push_back({ std::string(section), std::string(key), std::string(value) });
    if (m_failure)
        return *m_failure;
    set(section, key, value);
    return platform::success();
}

} // namespace fakes
