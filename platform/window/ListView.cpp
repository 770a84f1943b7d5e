#include "platform/window/ListView.h"

namespace platform {

ListView::ListView(Form& form, std::string name, int index) : Control(form, ControlKind::ListView, std::move(name), index) { setTakesFocus(true); }

void ListView::addColumn(const std::string& header, int width)
{
    m_columns.push_back({header, width});
    notify(ControlChange::Columns);
}

int ListView::addRow(const std::string& text, int icon)
{
    m_rows.push_back({text, icon, {}});
    notify(ControlChange::Rows);
    return rowCount();
}

void ListView::setSubItem(int row, int n, const std::string& text)
{
    if (row < 1 || row > rowCount() || n < 1)
        return;
    auto& subs = m_rows[static_cast<size_t>(row - 1)].subItems;
    if (subs.size() < static_cast<size_t>(n))
        subs.resize(static_cast<size_t>(n));
    subs[static_cast<size_t>(n - 1)] = text;
    notify(ControlChange::Rows);
}

void ListView::clear()
{
    m_rows.clear();
    m_selected = 0;
    notify(ControlChange::Rows);
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
