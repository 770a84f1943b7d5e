#include "platform/window/ListView.h"

namespace platform {

ListView::ListView(Form& form, std::string name, int index) : Control(form, ControlKind::ListView, std::move(name), index) { setTakesFocus(true); }

void ListView::addColumn(const std::string& header, int width)
{
    m_columns.push_back({header, width});
    notify(ControlChange::Columns);
}

void ListView::rowsChanged()
{
    if (m_rowsReported)
        return;
    m_rowsReported = true;
    notify(ControlChange::Rows);
}

int ListView::addRow(std::string text, int icon)
{
    Row row{std::move(text), icon, {}};
    row.subItems.reserve(3);
    m_rows.push_back(std::move(row));
    rowsChanged();
    return rowCount();
}

void ListView::setSubItem(int row, int n, std::string text)
{
    if (row < 1 || row > rowCount() || n < 1)
        return;
    auto& subs = m_rows[static_cast<size_t>(row - 1)].subItems;
    if (subs.size() < static_cast<size_t>(n))
        subs.resize(static_cast<size_t>(n));
    subs[static_cast<size_t>(n - 1)] = std::move(text);
    rowsChanged();
}

void ListView::clear()
{
    m_rows.clear();
    m_selected = 0;
    rowsChanged();
    notify(ControlChange::Selection);
}

std::string ListView::cell(int row, int n) const
{
    if (row < 1 || row > rowCount() || n < 0)
        return {};
    const Row& r = m_rows[static_cast<size_t>(row - 1)];
    if (n == 0)
        return r.text;
    return static_cast<size_t>(n) <= r.subItems.size() ? r.subItems[static_cast<size_t>(n - 1)] : std::string();
}

void ListView::select(int number)
{
    m_selected = (number >= 1 && number <= rowCount()) ? number : 0;
    notify(ControlChange::Selection);
}

void ListView::selectedByUser(int number) { m_selected = (number >= 1 && number <= rowCount()) ? number : 0; }

void ListView::setIcons(std::vector<Picture> icons)
{
    m_icons = std::move(icons);
    notify(ControlChange::Rows);
}

} // namespace platform
