#include "platform/store/MdbReader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <optional>
#include <string_view>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <glib.h>
// glib first: mdbtools.h includes it inside extern "C", where its C++ templates cannot live.
#include <mdbtools.h>

namespace platform {
namespace {

struct HandleCloser {
    void operator()(MdbHandle* mdb) const { mdb_close(mdb); }
};
struct TableFreer {
    void operator()(MdbTableDef* table) const { mdb_free_tabledef(table); }
};

bool sameAsciiName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (g_ascii_tolower(a[i]) != g_ascii_tolower(b[i]))
            return false;
    return true;
}

Error storeError(Error::Code code, const std::string& path, const std::string& why)
{
    return Error { code, "The lesson file " + path + " " + why + "." };
}

// The file mapped into memory, read-only. libmdb reads a page with four seeks and two reads
// of its file, but from memory with none: a 100,000-row file is scanned in a third of the
// time. Empty (data() null) when the file cannot be mapped; libmdb then reads the file.
class FileMapping {
public:
    explicit FileMapping(const std::string& path)
    {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0)
            return;
        struct stat st { };
        if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && st.st_size > 0) {
            void* at = ::mmap(nullptr, static_cast<std::size_t>(st.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
            if (at != MAP_FAILED) {
                m_data = at;
                m_size = static_cast<std::size_t>(st.st_size);
            }
        }
        ::close(fd);
    }
    ~FileMapping()
    {
        if (m_data)
            ::munmap(m_data, m_size);
    }
    FileMapping(const FileMapping&) = delete;
    FileMapping& operator=(const FileMapping&) = delete;

    void* data() const { return m_data; }
    std::size_t size() const { return m_size; }

    // The length of the file at PATH, mapped or not; 0 when it cannot be known.
    static std::size_t lengthOf(const std::string& path)
    {
        struct stat st { };
        return ::stat(path.c_str(), &st) == 0 && st.st_size > 0 ? static_cast<std::size_t>(st.st_size) : 0;
    }

private:
    void* m_data = nullptr;
    std::size_t m_size = 0;
};

// One of the five columns: where libmdb leaves its value after each fetched row.
class ColumnReader {
public:
    // BOUND holds one buffer per bound column (libmdb binds each column to one buffer only).
    void attach(MdbTableDef* table, MdbColumn* column, std::map<MdbColumn*, std::string>& bound)
    {
        m_column = column;
        m_direct = column->col_type == MDB_TEXT || column->col_type == MDB_MEMO;
        if (m_direct)
            return;
        // Numbers, dates and Yes/No go through libmdb's own text conversion.
        auto [buffer, fresh] = bound.try_emplace(column);
        if (fresh) {
            buffer->second.assign(table->entry->mdb->bind_size, '\0');
            mdb_bind_column_by_name(table, column->name, buffer->second.data(), nullptr);
        }
        m_bound = &buffer->second;
    }

    // The value of the row just fetched; valid until the next fetch.
    std::string text(MdbHandle* mdb) const
    {
        if (!m_direct)
            return std::string(m_bound->c_str());
        if (m_column->cur_value_len <= 0)
            return {};
        gchar* s = mdb_col_to_string(mdb, mdb->pg_buf, m_column->cur_value_start, m_column->col_type, m_column->cur_value_len);
        std::string out = s ? s : "";
        g_free(s);
        return out;
    }

private:
    MdbColumn* m_column = nullptr;
    bool m_direct = true;
    const std::string* m_bound = nullptr;
};

// The catalog entry of the table NAME; an Error when the catalog cannot be read (even an
// empty database lists its own system tables) or holds no such table.
Result<MdbCatalogEntry*> findTable(MdbHandle* mdb, const std::string& path, const std::string& name)
{
    GPtrArray* catalog = mdb_read_catalog(mdb, MDB_TABLE);
    if (!catalog || catalog->len == 0)
        return storeError(Error::Code::BadFormat, path, "is damaged (its list of tables cannot be read)");
    for (guint i = 0; i < catalog->len; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(catalog, i));
        if (entry && entry->object_type == MDB_TABLE && sameAsciiName(entry->object_name, name))
            return entry;
    }
    return storeError(Error::Code::BadFormat, path, "has no table \"" + name + "\"");
}

// Whether every page the table's usage map lists lies inside a file of FILEPAGES pages.
// libmdb stops a scan at the first page it cannot read and reports the rows before it as
// the whole table, so a file cut short at a page boundary would read as a shorter list.
bool pagesInsideFile(MdbHandle* mdb, MdbTableDef* table, std::size_t filePages)
{
    if (!table->usage_map || table->map_sz == 0)
        return true; // libmdb then reads page by page up to the end of the file
    for (gint32 page = 0;;) {
        page = mdb_map_find_next(mdb, table->usage_map, static_cast<unsigned>(table->map_sz), static_cast<guint32>(page));
        if (page == 0)
            return true;
        if (page < 0)
            return true; // an unknown map type: libmdb reads page by page as well
        if (static_cast<std::size_t>(page) >= filePages)
            return false;
    }
}

} // namespace

Status scanLessonRowsWithMdb(const std::string& path, const std::string& table, const LessonColumns& names, const std::string& id,
    const std::function<void(LessonRow&&)>& sink)
{
    const FileMapping mapping(path);
    std::unique_ptr<MdbHandle, HandleCloser> mdb(
        mapping.data() ? mdb_open_buffer(mapping.data(), mapping.size(), MDB_NOFLAGS) : mdb_open(path.c_str(), MDB_NOFLAGS));
    if (!mdb)
        return storeError(Error::Code::Unreadable, path, "cannot be opened as an Access database");
    if (mdb->f->jet_version != MDB_VER_JET4)
        return storeError(Error::Code::Unsupported, path, "is not an Access 2000-2003 (Jet 4) database");

    // The catalog owns its entries; the entry stays valid while the catalog is not read again.
    const Result<MdbCatalogEntry*> entry = findTable(mdb.get(), path, table);
    if (!entry)
        return entry.error();
    std::unique_ptr<MdbTableDef, TableFreer> def(mdb_read_table(entry.value()));
    if (!def || !mdb_read_columns(def.get()))
        return storeError(Error::Code::BadFormat, path, "is damaged (the table \"" + table + "\" cannot be read)");
    const std::size_t length = mapping.data() ? mapping.size() : FileMapping::lengthOf(path);
    if (!pagesInsideFile(mdb.get(), def.get(), length / static_cast<std::size_t>(mdb->fmt->pg_size)))
        return storeError(Error::Code::BadFormat, path, "is damaged (cut short: the table \"" + table + "\" has pages past its end)");

    const std::array<const std::string*, 5> kNames = { &names.id, &names.jp, &names.cn, &names.sound, &names.fy };
    std::array<ColumnReader, 5> columns;
    std::map<MdbColumn*, std::string> bound;
    for (std::size_t k = 0; k < kNames.size(); ++k) {
        MdbColumn* found = nullptr;
        for (guint i = 0; i < def->num_cols && !found; ++i) {
            auto* column = static_cast<MdbColumn*>(g_ptr_array_index(def->columns, i));
            if (sameAsciiName(column->name, *kNames[k]))
                found = column;
        }
        if (!found)
            return storeError(Error::Code::BadFormat, path, "has no column \"" + *kNames[k] + "\" in the table \"" + table + "\"");
        columns[k].attach(def.get(), found, bound);
    }

    mdb_rewind_table(def.get());
    while (mdb_fetch_row(def.get())) {
        if (columns[0].text(mdb.get()) != id)
            continue;
        sink(LessonRow { columns[1].text(mdb.get()), columns[2].text(mdb.get()), columns[3].text(mdb.get()), columns[4].text(mdb.get()) });
    }
    return success();
}

Result<std::vector<LessonRow>> readLessonRowsWithMdb(
    const std::string& path, const std::string& table, const LessonColumns& columns, const std::string& id)
{
    std::vector<LessonRow> rows;
    Status scanned = scanLessonRowsWithMdb(path, table, columns, id, [&](LessonRow&& row) { rows.push_back(std::move(row)); });
    if (!scanned)
        return scanned.error();
    return rows;
}

namespace {

void putU32(std::string& out, std::size_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    out.append(reinterpret_cast<const char*>(&u), sizeof u);
}

void putText(std::string& out, const std::string& s)
{
    putU32(out, s.size());
    out.append(s);
}

// Reads back what putU32 / putText wrote; any shortfall makes the whole decode fail.
class Cursor {
public:
    explicit Cursor(std::string_view bytes)
        : m_rest(bytes)
    {
    }
    bool u32(std::uint32_t& v)
    {
        if (m_rest.size() < sizeof v)
            return false;
        std::memcpy(&v, m_rest.data(), sizeof v);
        m_rest.remove_prefix(sizeof v);
        return true;
    }
    bool text(std::string& s)
    {
        std::uint32_t n = 0;
        if (!u32(n) || m_rest.size() < n)
            return false;
        s.assign(m_rest.substr(0, n));
        m_rest.remove_prefix(n);
        return true;
    }
    bool atEnd() const { return m_rest.empty(); }

private:
    std::string_view m_rest;
};

} // namespace

std::string readLessonRowsEncoded(const std::string& path, const std::string& table, const LessonColumns& columns, const std::string& id)
{
    // "R", the row count, then four length-prefixed texts per row; or "E", the code, the text.
    std::string out = "R";
    putU32(out, 0);
    std::size_t count = 0;
    const Status scanned = scanLessonRowsWithMdb(path, table, columns, id, [&](LessonRow&& row) {
        putText(out, row.jp);
        putText(out, row.cn);
        putText(out, row.sound);
        putText(out, row.fy);
        ++count;
    });
    if (!scanned) {
        out = "E";
        putU32(out, static_cast<std::size_t>(scanned.error().code));
        putText(out, scanned.error().message);
        return out;
    }
    const auto n = static_cast<std::uint32_t>(count);
    std::memcpy(out.data() + 1, &n, sizeof n);
    return out;
}

std::optional<Result<std::vector<LessonRow>>> decodeRows(std::string_view bytes)
{
    if (bytes.empty())
        return std::nullopt;
    const char tag = bytes.front();
    Cursor in(bytes.substr(1));
    if (tag == 'E') {
        std::uint32_t code = 0;
        Error error;
        if (!in.u32(code) || code > static_cast<std::uint32_t>(Error::Code::Other) || !in.text(error.message) || !in.atEnd())
            return std::nullopt;
        error.code = static_cast<Error::Code>(code);
        return Result<std::vector<LessonRow>>(error);
    }
    std::uint32_t count = 0;
    if (tag != 'R' || !in.u32(count))
        return std::nullopt;
    std::vector<LessonRow> rows;
    rows.reserve(std::min<std::size_t>(count, bytes.size() / 16));
    for (std::uint32_t i = 0; i < count; ++i) {
        LessonRow row;
        if (!in.text(row.jp) || !in.text(row.cn) || !in.text(row.sound) || !in.text(row.fy))
            return std::nullopt;
        rows.push_back(std::move(row));
    }
    if (!in.atEnd())
        return std::nullopt;
    return Result<std::vector<LessonRow>>(std::move(rows));
}

} // namespace platform
