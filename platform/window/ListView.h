#pragma once

#include "platform/window/Control.h"

#include <string>
#include <vector>

namespace platform {

// The item list: columns with headers and widths (twips), rows numbered from 1 with a text,
// a small icon (a picture of the form's image list, numbered from 1) and sub-items 1..n, and
// at most one selected row. Events: "Click" after a click (the selection already moved),
// "KeyUp" with the key code after a key was released (an arrow key has moved the selection
// by then), "DblClick".
class ListView : public Control {
public:
    struct Column {
        std::string header;
        int width = 0; // twips
    };
    struct Row {
        std::string text;
        int icon = 0;
        std::vector<std::string> subItems; // subItems[0] is sub-item 1
    };

    // The width a column gets when none is given (twips).
    static constexpr int kDefaultColumnWidth = 1440;

    ListView(Form& form, std::string name, int index = -1);

    void addColumn(const std::string& header, int width = kDefaultColumnWidth);
    const std::vector<Column>& columns() const { return m_columns; }

    // Adds a row at the end; returns its number (1-based).
    int addRow(std::string text, int icon);
    // Sets sub-item N (1-based) of row ROW; out-of-range rows are ignored.
    void setSubItem(int row, int n, std::string text);
    // Removes every row; nothing is selected afterwards.
    void clear();
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    const Row& row(int number) const { return m_rows.at(static_cast<size_t>(number - 1)); }
    // Sub-item N (1-based; 0 is the row text) of row ROW, or "" when either does not exist.
    std::string cell(int row, int n) const;

    // The selected row's number, 0 when none.
    int selectedRow() const { return m_selected; }
    // Selects row NUMBER (0 or out of range: nothing selected). No event is raised.
    void select(int number);

    // The view reports the learner's own selection moves here (no event).
    void selectedByUser(int number);
    // The view has shown the rows as they are now. Until then, further changes of the rows
    // are not reported again: filling a list reports once, however many rows it adds.
    void rowsShown() { m_rowsReported = false; }
    // Picture for the list background and the small icons.
    void setIcons(std::vector<Picture> icons);
    const std::vector<Picture>& icons() const { return m_icons; }

private:
    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
    std::vector<Picture> m_icons;
    int m_selected = 0;
    bool m_rowsReported = false;

    void rowsChanged();
};

} // namespace platform
