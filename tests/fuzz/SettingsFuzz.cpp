// The settings file reader and writer on any file and any names and value.
//
// The input gives a section, a key and a value (as UTF-8, or as code page 936 bytes turned
// into UTF-8 when the first byte is odd) and the old file's bytes. The file is written to
// disk and the value set through IniProfileFile; then:
// - a refused write leaves the file byte for byte as it was;
// - after a write that succeeded, reading the key gives the value as the Windows reader
//   returns it (blanks and one pair of quotes taken off, cut to 255 bytes);
// - every line of the file but the key's own is unchanged: the new file is the old one with
//   one line replaced, or with the key's line (and its section's) inserted;
// - every other key of the old file still reads as before;
// - setting the same value again changes nothing (for a value that starts with no blank: the
//   blanks a value starts with join those after '=' on its line, which a write keeps).

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <fuzzer/FuzzedDataProvider.h>

#include "platform/settings/Gbk.h"
#include "platform/settings/IniProfileFile.h"
#include "platform/settings/IniText.h"
#include "tests/fuzz/FuzzTemp.h"

namespace {

using platform::ini::findValue;
using platform::ini::sameName;

[[noreturn]] void fail(const char* what, std::string_view detail = {})
{
    std::fprintf(stderr, "settings invariant broken: %s\n", what);
    if (!detail.empty())
        std::fprintf(stderr, "  %.*s\n", static_cast<int>(detail.size()), detail.data());
    std::abort();
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f' || c == '\x1a';
}

// What the Windows reader gives back for a value written as BYTES (code page 936).
std::string expectedRead(std::string_view bytes)
{
    while (!bytes.empty() && isBlank(bytes.front()))
        bytes.remove_prefix(1);
    while (!bytes.empty() && isBlank(bytes.back()))
        bytes.remove_suffix(1);
    if (bytes.size() > 1 && (bytes.front() == '"' || bytes.front() == '\'') && bytes.back() == bytes.front())
        bytes = bytes.substr(1, bytes.size() - 2);
    return platform::gbk::toUtf8(bytes.substr(0, platform::gbk::cutPoint(bytes, 255)));
}

// The lines of TEXT, each with its line break.
std::vector<std::string_view> linesOf(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t newline = text.find('\n');
        const std::size_t length = newline == std::string_view::npos ? text.size() : newline + 1;
        lines.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

std::string_view withoutBreak(std::string_view line)
{
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

// Checks that AFTER is BEFORE with one line replaced or up to two lines inserted (a line
// break may be added to BEFORE's last line when it had none).
void checkOnlyTheKeyLineChanged(std::string_view before, std::string_view after)
{
    const std::vector<std::string_view> a = linesOf(before);
    const std::vector<std::string_view> b = linesOf(after);
    std::size_t head = 0;
    while (head < a.size() && head < b.size() && a[head] == b[head])
        ++head;
    std::size_t tail = 0;
    while (tail < a.size() - head && tail < b.size() - head && a[a.size() - 1 - tail] == b[b.size() - 1 - tail])
        ++tail;
    const std::size_t removed = a.size() - head - tail;
    const std::size_t added = b.size() - head - tail;
    if (removed == added && added <= 1)
        return; // the key's line, its value replaced (or the same as it was)
    if (removed == 0 && added >= 1 && added <= 2)
        return; // the key's line, after its section's header when that was new
    // The old last line had no line break: it gains one, then the new lines follow.
    if (removed == 1 && head + 1 == a.size() && a.back().back() != '\n' && added >= 2 && added <= 3
        && b[head].substr(0, a.back().size()) == a.back()
        && (b[head].substr(a.back().size()) == "\n" || b[head].substr(a.back().size()) == "\r\n"))
        return;
    fail("lines other than the key's changed", std::string(before) + "\n-- became --\n" + std::string(after));
}

struct Name {
    std::string section;
    std::string key;
};

// The section and key names of up to 16 key lines of TEXT.
std::vector<Name> keysOf(std::string_view text)
{
    std::vector<Name> names;
    std::string section;
    bool inSection = false;
    for (std::string_view line : linesOf(text)) {
        std::string_view body = withoutBreak(line);
        while (!body.empty() && isBlank(body.front()))
            body.remove_prefix(1);
        if (body.empty() || body.front() == ';')
            continue;
        if (body.front() == '[' && body.find(']') != std::string_view::npos) {
            inSection = true;
            section = std::string(body.substr(1, body.rfind(']') - 1));
            while (!section.empty() && isBlank(section.back()))
                section.pop_back();
            while (!section.empty() && isBlank(section.front()))
                section.erase(0, 1);
            continue;
        }
        const std::size_t eq = body.find('=');
        if (!inSection || eq == std::string_view::npos)
            continue;
        std::string key(body.substr(0, eq));
        while (!key.empty() && isBlank(key.back()))
            key.pop_back();
        names.push_back({ section, key });
        if (names.size() == 16)
            break;
    }
    return names;
}

// A name or value from the input: UTF-8 as given, or code page 936 bytes decoded.
std::string text(FuzzedDataProvider& in, bool asGbk, std::size_t maxLength)
{
    const std::string raw = in.ConsumeRandomLengthString(maxLength);
    return asGbk ? platform::gbk::toUtf8(raw) : raw;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const bool asGbk = in.ConsumeIntegral<std::uint8_t>() & 1;
    const std::string section = text(in, asGbk, 40);
    const std::string key = text(in, asGbk, 40);
    const std::string value = text(in, asGbk, 300);
    const std::string before = in.ConsumeRemainingBytesAsString();

    // The line rules on any text: reading never fails, whatever the names.
    (void)findValue(before, section, key);

    const std::string path = fuzz::writeTempFile("system.ini", before);
    platform::IniProfileFile profile(path);
    const platform::Status written = profile.write(section, key, value);
    const std::string after = fuzz::readFile(path);
    if (!written) {
        if (after != before)
            fail("a refused write changed the file", written.error().message);
        if (written.error().message.find(path) == std::string::npos)
            fail("the error does not name the file", written.error().message);
        return 0;
    }
    // A write succeeds only for names and a value code page 936 can hold.
    const std::string gbkSection = platform::gbk::fromUtf8(section).value();
    const std::string gbkKey = platform::gbk::fromUtf8(key).value();
    const std::string gbkValue = platform::gbk::fromUtf8(value).value();

    const std::string fallback = "\x01(none)";
    const std::string read = profile.read(section, key, fallback);
    if (read != expectedRead(gbkValue))
        fail("the key does not read back as written", "wrote \"" + value + "\", read \"" + read + "\"");
    checkOnlyTheKeyLineChanged(before, after);
    for (const Name& other : keysOf(before)) {
        if (sameName(other.section, gbkSection) && sameName(other.key, gbkKey))
            continue;
        if (findValue(before, other.section, other.key) != findValue(after, other.section, other.key))
            fail("another key reads differently after the write", "[" + other.section + "] " + other.key);
    }
    if ((gbkValue.empty() || !isBlank(gbkValue.front())) && platform::ini::withValue(after, gbkSection, gbkKey, gbkValue) != after)
        fail("setting the same value again changed the file");
    return 0;
}
