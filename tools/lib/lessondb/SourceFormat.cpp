#include "tools/lib/lessondb/SourceFormat.h"

#include <array>
#include <fstream>
#include <optional>
#include <sstream>

#include "tools/lib/lessondb/Utf.h"

namespace lessondb {
namespace {

using platform::Error;

constexpr std::array<const char*, 5> kColumns = {"id", "jp", "cn", "sound", "fy"};

std::string& field(Item& item, std::size_t column)
{
    switch (column) {
    case 0: return item.id;
    case 1: return item.jp;
    case 2: return item.cn;
    case 3: return item.sound;
    default: return item.fy;
    }
}

bool sameAsciiCaseless(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
        if (lower(a[i]) != lower(b[i]))
            return false;
    }
    return true;
}

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> fields;
    for (;;) {
        const std::size_t tab = line.find('\t');
        fields.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos)
            return fields;
        line.remove_prefix(tab + 1);
    }
}

// Reports faults as "FILE:LINE: message".
class Reader {
public:
    explicit Reader(const std::string& fileName) : m_fileName(fileName) {}

    Error fault(std::size_t line, const std::string& message) const
    {
        return Error{Error::Code::BadFormat, m_fileName + ":" + std::to_string(line) + ": " + message};
    }

    // The header's column order: the item column (0..4) of each source field.
    std::optional<Error> readHeader(std::string_view line, std::vector<std::size_t>& order) const
    {
        std::array<bool, kColumns.size()> seen{};
        for (std::string_view name : splitTabs(line)) {
            std::size_t column = 0;
            while (column < kColumns.size() && !sameAsciiCaseless(name, kColumns[column]))
                ++column;
            if (column == kColumns.size())
                return fault(1, "unknown column \"" + std::string(name) + "\" (the columns are id, jp, cn, sound, fy)");
            if (seen[column])
                return fault(1, "column \"" + std::string(kColumns[column]) + "\" named twice");
            seen[column] = true;
            order.push_back(column);
        }
        for (std::size_t column = 0; column < kColumns.size(); ++column)
            if (!seen[column])
                return fault(1, "missing column \"" + std::string(kColumns[column]) + "\"");
        return std::nullopt;
    }

    // RAW with its escapes resolved, checked against what a text column holds.
    std::optional<Error> readField(std::string_view raw, std::size_t line, const char* column, std::string& out) const
    {
        out.clear();
        for (std::size_t i = 0; i < raw.size(); ++i) {
            const char c = raw[i];
            if (c == '\\') {
                const char next = i + 1 < raw.size() ? raw[++i] : '\0';
                const char resolved = next == 't' ? '\t' : next == 'n' ? '\n' : next == 'r' ? '\r' : next == '\\' ? '\\' : '\0';
                if (resolved == '\0')
                    return fault(line, std::string("field \"") + column
                                           + "\": unknown escape after a backslash (write \\t, \\n, \\r or \\\\)");
                out.push_back(resolved);
            } else if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                return fault(line, std::string("field \"") + column + "\": control character "
                                       + std::to_string(static_cast<int>(c)) + " (write tabs and line breaks as \\t, \\n, \\r)");
            } else {
                out.push_back(c);
            }
        }
        const std::size_t units = toUtf16(out).size();
        if (units > kMaxTextUnits)
            return fault(line, std::string("field \"") + column + "\" is " + std::to_string(units)
                                   + " characters long; a text column holds at most 255");
        return std::nullopt;
    }

private:
    const std::string& m_fileName;
};

} // namespace

platform::Result<std::vector<Item>> parseSource(std::string_view text, const std::string& fileName)
{
    const Reader reader(fileName);
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);

    std::vector<Item> items;
    std::vector<std::size_t> order;
    std::size_t lineNumber = 0;
    bool sawHeader = false;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);

        Utf8Problem problem;
        if (!checkStorableUtf8(line, problem))
            return reader.fault(lineNumber, problem.what + " at byte " + std::to_string(problem.offset + 1) + " of the line");
        if (!sawHeader) {
            if (auto error = reader.readHeader(line, order))
                return *error;
            sawHeader = true;
            continue;
        }
        if (line.empty())
            continue;

        const std::vector<std::string_view> fields = splitTabs(line);
        if (fields.size() != order.size())
            return reader.fault(lineNumber, "the line has " + std::to_string(fields.size()) + " fields; the header names "
                                                + std::to_string(order.size()));
        Item item;
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (auto error = reader.readField(fields[i], lineNumber, kColumns[order[i]], field(item, order[i])))
                return *error;
        if (item.id.empty())
            return reader.fault(lineNumber, "empty id");
        items.push_back(std::move(item));
    }
    if (!sawHeader)
        return reader.fault(1, "no header line (the columns are id, jp, cn, sound, fy)");
    return items;
}

platform::Result<std::vector<Item>> readSource(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return Error{Error::Code::NotFound, path + ": cannot open the lesson source"};
    std::ostringstream content;
    content << in.rdbuf();
    if (in.bad())
        return Error{Error::Code::Unreadable, path + ": cannot read the lesson source"};
    return parseSource(content.str(), path);
}

} // namespace lessondb
