#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace lessondb {

// Little-endian integers into byte strings: every integer of the database file is stored so.

inline void put8(std::string& out, std::size_t at, std::uint8_t value) { out[at] = static_cast<char>(value); }

inline void put16(std::string& out, std::size_t at, std::uint16_t value)
{
    put8(out, at, static_cast<std::uint8_t>(value));
    put8(out, at + 1, static_cast<std::uint8_t>(value >> 8));
}

inline void put32(std::string& out, std::size_t at, std::uint32_t value)
{
    put16(out, at, static_cast<std::uint16_t>(value));
    put16(out, at + 2, static_cast<std::uint16_t>(value >> 16));
}

inline void append16(std::string& out, std::uint16_t value)
{
    out.append(2, '\0');
    put16(out, out.size() - 2, value);
}

inline void append32(std::string& out, std::uint32_t value)
{
    out.append(4, '\0');
    put32(out, out.size() - 4, value);
}

inline std::uint16_t get16(const std::string& in, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(in[at]) | static_cast<unsigned char>(in[at + 1]) << 8);
}

inline std::uint32_t get32(const std::string& in, std::size_t at)
{
    return get16(in, at) | static_cast<std::uint32_t>(get16(in, at + 2)) << 16;
}

} // namespace lessondb
