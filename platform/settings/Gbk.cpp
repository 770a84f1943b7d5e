#include "platform/settings/Gbk.h"

#include <cerrno>

#include <iconv.h>

namespace platform::gbk {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD"; // U+FFFD in UTF-8

bool isLead(unsigned char c)
{
    return c >= 0x81 && c <= 0xFE;
}
bool isTrail(unsigned char c)
{
    return c >= 0x40 && c <= 0xFE && c != 0x7F;
}

// One iconv conversion descriptor, closed when it goes out of scope.
class Converter {
public:
    Converter(const char* to, const char* from)
        : m_cd(::iconv_open(to, from))
    {
    }
    ~Converter()
    {
        if (valid())
            ::iconv_close(m_cd);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of IN as it can, appending to OUT; returns 0 when all of IN was
    // converted, else the errno that stopped it (IN then starts at the offending bytes).
    int convert(std::string_view& in, std::string& out)
    {
        char buffer[256];
        while (!in.empty()) {
            char* src = const_cast<char*>(in.data());
            std::size_t srcLeft = in.size();
            char* dst = buffer;
            std::size_t dstLeft = sizeof buffer;
            const std::size_t rc = ::iconv(m_cd, &src, &srcLeft, &dst, &dstLeft);
            const int error = rc == static_cast<std::size_t>(-1) ? errno : 0;
            out.append(buffer, static_cast<std::size_t>(dst - buffer));
            in.remove_prefix(in.size() - srcLeft);
            if (error && error != E2BIG)
                return error;
        }
        return 0;
    }

private:
    iconv_t m_cd;
};

} // namespace

std::string toUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    Converter converter("UTF-8", "GBK");
    if (!converter.valid()) {
        // No GBK converter installed: keep ASCII, show everything else as unreadable.
        for (unsigned char c : bytes)
            out += c < 0x80 ? std::string(1, static_cast<char>(c)) : std::string(kReplacement);
        return out;
    }
    while (converter.convert(bytes, out) != 0) {
        out += kReplacement;
        bytes.remove_prefix(1);
    }
    return out;
}

std::optional<std::string> fromUtf8(std::string_view utf8)
{
    std::string out;
    Converter converter("GBK", "UTF-8");
    if (!converter.valid() || converter.convert(utf8, out) != 0)
        return std::nullopt;
    return out;
}

std::size_t cutPoint(std::string_view bytes, std::size_t limit)
{
    if (bytes.size() <= limit)
        return bytes.size();
    std::size_t i = 0;
    while (i < limit) {
        const bool pair
            = isLead(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size() && isTrail(static_cast<unsigned char>(bytes[i + 1]));
        const std::size_t width = pair ? 2 : 1;
        if (i + width > limit)
            break;
        i += width;
    }
    return i;
}

} // namespace platform::gbk
