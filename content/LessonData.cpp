#include "content/LessonData.h"

namespace content {

void LessonData::setDatabaseName(const std::string& path) { m_path = path; }

void LessonData::setRecordSource(const std::string& query, const std::string& table, const std::string& id)
{
    m_query = query;
    m_table = table;
    m_id = id;
}

bool LessonData::refresh()
{
    m_rows.clear();
    m_cursor = 0;
    m_error.clear();
    if (!m_source || m_openedPath != m_path) {
        m_source = m_opener ? m_opener(m_path) : nullptr;
        m_openedPath = m_path;
    }
    if (!m_source) {
        m_error = "cannot open the lesson data file \"" + m_path + "\"";
        return false;
    }
    auto rows = m_source->query(m_table, m_id);
    if (!rows) {
        m_error = rows.error().message;
        return false;
    }
    m_rows = std::move(rows).value();
    return true;
}

void LessonData::fillList(platform::ListView& list, int icon, int& newItem)
{
    while (!eof()) {
        platform::LessonRow& row = m_rows[m_cursor];
        newItem = list.addRow(std::move(row.jp), icon);
        list.setSubItem(newItem, 1, std::move(row.cn));
        list.setSubItem(newItem, 2, std::move(row.sound));
        list.setSubItem(newItem, 3, std::move(row.fy));
        moveNext();
    }
}

} // namespace content
