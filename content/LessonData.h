#pragma once

#include "platform/store/LessonSource.h"
#include "platform/window/ListView.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace content {

// The window's data source: the path of the lesson data file, the query last given to it
// and the rows it returned, walked with a cursor. The file is opened on the first query.
// A query that fails leaves no rows and keeps the error for the caller.
class LessonData {
public:
    using Opener = std::function<std::unique_ptr<platform::LessonSource>(const std::string& path)>;

    explicit LessonData(Opener opener) : m_opener(std::move(opener)) {}

    void setDatabaseName(const std::string& path);
    const std::string& databaseName() const { return m_path; }

    // The query text (kept as given) and what it selects: the rows of TABLE whose id is ID.
    void setRecordSource(const std::string& query, const std::string& table, const std::string& id);
    const std::string& recordSource() const { return m_query; }

    // Runs the query; the cursor is on the first row. Returns false when it failed (error()).
    bool refresh();
    const std::string& error() const { return m_error; }

    bool eof() const { return m_cursor >= m_rows.size(); }
    const platform::LessonRow& current() const { return m_rows.at(m_cursor); }
    void moveNext()
    {
        if (!eof())
            ++m_cursor;
    }
    void moveFirst() { m_cursor = 0; }
    size_t rowCount() const { return m_rows.size(); }

    // Adds a list row for every row from the cursor to the end, each with small icon ICON
    // and sub-items 1..3 "cn", "sound", "fy"; NEW_ITEM ends as the number of the last row
    // added. The cursor ends past the last row; the rows' texts are handed to the list, so
    // the rows passed read as empty afterwards (the list is the working copy).
    void fillList(platform::ListView& list, int icon, int& newItem);

private:
    Opener m_opener;
    std::unique_ptr<platform::LessonSource> m_source;
    std::string m_path;
    std::string m_openedPath;
    std::string m_query;
    std::string m_table;
    std::string m_id;
    std::vector<platform::LessonRow> m_rows;
    size_t m_cursor = 0;
    std::string m_error;
};

} // namespace content
