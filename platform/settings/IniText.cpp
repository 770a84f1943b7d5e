#include "platform/settings/IniText.h"

namespace platform::ini {

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a';
}

namespace {

std::string_view trimmed(std::string_view s)
{
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// One line of the file, as offsets into its text.
struct Line {
    enum class Kind { Section, Key, Other };
    Kind kind = Kind::Other;
    std::size_t begin = 0; // first byte
    std::size_t contentEnd = 0; // end of the line without its break ("\n" or "\r\n")
    std::size_t next = 0; // first byte of the next line
    bool hasBreak = false;
    bool isBlank = true;
    std::string_view name; // section or key name, trimmed
    std::string_view value; // key lines: the value, trimmed
    std::size_t valueStart = 0; // key lines: first byte after '=' and the blanks after it
};

// Walks the lines of a text one at a time (a huge file never becomes a huge list).
class LineReader {
public:
    explicit LineReader(std::string_view text)
        : m_text(text)
    {
    }

    bool next(Line& line)
    {
        if (m_pos >= m_text.size())
            return false;
        line = Line {};
        line.begin = m_pos;
        const std::size_t newline = m_text.find('\n', m_pos);
        line.hasBreak = newline != std::string_view::npos;
        std::size_t end = line.hasBreak ? newline : m_text.size();
        line.next = line.hasBreak ? newline + 1 : m_text.size();
        if (line.hasBreak && end > m_pos && m_text[end - 1] == '\r')
            --end;
        line.contentEnd = end;
        m_pos = line.next;
        classify(line);
        return true;
    }

private:
    void classify(Line& line) const
    {
        const std::string_view raw = m_text.substr(line.begin, line.contentEnd - line.begin);
        const std::string_view body = trimmed(raw);
        line.isBlank = body.empty();
        if (body.empty() || body.front() == ';')
            return;
        if (body.front() == '[') {
            const std::size_t close = body.rfind(']');
            if (close != std::string_view::npos) {
                line.kind = Line::Kind::Section;
                line.name = trimmed(body.substr(1, close - 1));
            }
            return;
        }
        const std::size_t eq = raw.find('=');
        if (eq == std::string_view::npos)
            return;
        line.kind = Line::Kind::Key;
        line.name = trimmed(raw.substr(0, eq));
        std::size_t start = eq + 1;
        while (start < raw.size() && isBlank(raw[start]))
            ++start;
        line.valueStart = line.begin + start;
        line.value = trimmed(raw.substr(start));
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

std::string_view withoutQuotes(std::string_view v)
{
    if (v.size() > 1 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        return v.substr(1, v.size() - 2);
    return v;
}

std::string_view lineBreakOf(std::string_view text)
{
    const std::size_t newline = text.find('\n');
    if (newline == std::string_view::npos || (newline > 0 && text[newline - 1] == '\r'))
        return "\r\n";
    return "\n";
}

// Where the first section named SECTION lies and what it holds.
struct SectionPlace {
    bool found = false;
    bool hasKey = false;
    Line key; // the first line of the key, when present
    Line lastContent; // the last non-blank line of the section (its header at least)
};

SectionPlace locate(std::string_view text, std::string_view section, std::string_view key)
{
    SectionPlace place;
    LineReader reader(text);
    Line line;
    bool inside = false;
    while (reader.next(line)) {
        if (line.kind == Line::Kind::Section) {
            if (inside)
                break; // the first section of that name has ended
            inside = sameName(line.name, section);
            if (inside) {
                place.found = true;
                place.lastContent = line;
            }
            continue;
        }
        if (!inside)
            continue;
        if (!line.isBlank)
            place.lastContent = line;
        if (!place.hasKey && line.kind == Line::Kind::Key && sameName(line.name, key)) {
            place.hasKey = true;
            place.key = line;
        }
    }
    return place;
}

} // namespace

bool sameName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    return true;
}

std::optional<std::string_view> findValue(std::string_view text, std::string_view section, std::string_view key)
{
    const SectionPlace place = locate(text, section, key);
    if (!place.hasKey)
        return std::nullopt;
    std::string_view value = withoutQuotes(place.key.value);
    return value.substr(0, value.find('\0'));
}

std::string withValue(std::string_view text, std::string_view section, std::string_view key, std::string_view value)
{
    const std::string_view br = lineBreakOf(text);
    const std::string keyLine = std::string(key) + "=" + std::string(value);
    const SectionPlace place = locate(text, section, key);
    std::string out;
    out.reserve(text.size() + keyLine.size() + section.size() + 8);

    if (place.hasKey) {
        out.append(text.substr(0, place.key.valueStart));
        out.append(value);
        out.append(text.substr(place.key.contentEnd));
        return out;
    }
    if (place.found) {
        const Line& last = place.lastContent;
        out.append(text.substr(0, last.next));
        if (last.hasBreak) {
            out.append(keyLine).append(br);
        } else {
            out.append(br).append(keyLine);
        }
        out.append(text.substr(last.next));
        return out;
    }
    out.append(text);
    const bool endsWithBreak = text.empty() || text.back() == '\n';
    if (!endsWithBreak)
        out.append(br);
    out.append("[").append(section).append("]").append(br).append(keyLine);
    if (endsWithBreak)
        out.append(br);
    return out;
}

} // namespace platform::ini
