#pragma once

#include "platform/store/LessonSource.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace fakes {

// A lesson table held in memory: rows by id, in the order given. A query for an id with no
// rows gives an empty list; an error set with fail() is returned by every later query instead.
// Each query is recorded (table and id), so a test can see how often and for what the store
// was asked.
class InMemoryLessonSource : public platform::LessonSource {
public:
    struct Query {
        std::string table;
        std::string id;
        bool operator==(const Query&) const = default;
    };

    InMemoryLessonSource() = default;
    explicit InMemoryLessonSource(std::map<std::string, std::vector<platform::LessonRow>> rowsById)
        : m_rows(std::move(rowsById))
    {
    }

    void setRows(const std::string& id, std::vector<platform::LessonRow> rows) { m_rows[id] = std::move(rows); }
    void fail(platform::Error error) { m_failure = std::move(error); }
    void succeed() { m_failure.reset(); }

    platform::Result<std::vector<platform::LessonRow>> query(const std::string& table, const std::string& id) override;

    int queryCount() const { return static_cast<int>(queries.size()); }

    std::vector<Query> queries;

private:
    std::map<std::string, std::vector<platform::LessonRow>> m_rows;
    std::optional<platform::Error> m_failure;
};

} // namespace fakes
