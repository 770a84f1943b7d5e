#pragma once

// Reads a table back through libmdb, the library the program reads lesson files with.

#include <optional>
#include <string>
#include <vector>

#include <glib.h>

#include <mdbtools.h>

namespace lessondbtest {

using Cell = std::optional<std::string>; // UTF-8 text, or nullopt for Null

struct ReadBack {
    std::string error;               // empty when the file opened and the table was found
    std::vector<std::string> tables; // user tables, in catalog order
    std::vector<std::string> columns;
    std::vector<std::vector<Cell>> rows;
    long long storedRowCount = -1;   // the row count the table definition records
};

inline ReadBack readWithLibmdb(const std::string& path, const std::string& tableName = "study")
{
    ReadBack result;
    MdbHandle* mdb = mdb_open(path.c_str(), MDB_NOFLAGS);
    if (!mdb) {
        result.error = "mdb_open failed";
        return result;
    }
    MdbCatalogEntry* found = nullptr;
    if (GPtrArray* catalog = mdb_read_catalog(mdb, MDB_TABLE)) {
        for (guint i = 0; i < catalog->len; ++i) {
            auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
            if (!mdb_is_user_table(entry))
                continue;
            result.tables.emplace_back(entry->object_name);
            if (tableName == entry->object_name)
                found = entry;
        }
    }
    MdbTableDef* table = found ? mdb_read_table(found) : nullptr;
    if (!table) {
        result.error = "table " + tableName + " not found";
        mdb_close(mdb);
        return result;
    }
    result.storedRowCount = table->num_rows;
    mdb_read_columns(table);
    mdb_rewind_table(table);
    std::vector<std::vector<char>> buffers(table->num_cols, std::vector<char>(MDB_BIND_SIZE));
    for (unsigned i = 0; i < table->num_cols; ++i) {
        auto* column = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, i));
        result.columns.emplace_back(column->name);
        mdb_bind_column(table, static_cast<int>(i + 1), buffers[i].data(), nullptr);
    }
    std::vector<MdbField> fields(table->num_cols);
    while (mdb_fetch_row(table)) {
        // The bound texts cannot tell Null from "": crack the row again for the Null flags.
        int start = 0;
        size_t size = 0;
        mdb_find_row(mdb, static_cast<int>(table->cur_row) - 1, &start, &size);
        mdb_crack_row(table, start, size, fields.data());
        std::vector<Cell> row;
        for (unsigned i = 0; i < table->num_cols; ++i)
            row.push_back(fields[i].is_null ? Cell() : Cell(buffers[i].data()));
        result.rows.push_back(std::move(row));
    }
    mdb_free_tabledef(table);
    mdb_close(mdb);
    return result;
}

} // namespace lessondbtest
