#include "tests/fakes/InMemoryLessonSource.h"

namespace fakes {

platform::Result<std::vector<platform::LessonRow>> InMemoryLessonSource::query(const std::string& table, const std::string& id)
{
    queries.push_back({ table, id });
    if (m_failure)
        return *m_failure;
    const auto it = m_rows.find(id);
    return it == m_rows.end() ? std::vector<platform::LessonRow> {} : it->second;
}

} // namespace fakes
