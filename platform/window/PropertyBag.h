#pragma once

#include "platform/draw/FontInfo.h"
#include "platform/draw/Picture.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace platform {

using PropertyValue = std::variant<std::int32_t, bool, std::string, FontInfo, Picture>;

// A control instance's stored properties: typed name/value pairs kept by its container with
// the rest of the form data. Names match without regard to (ASCII) case. Writing a value
// equal to its default stores nothing (and removes an earlier entry); a picture without an
// image is never stored; reading a name that is not stored gives the default. The container
// keeps the instance's size beside them as "_extentx" and "_extenty" (HIMETRIC).
class PropertyBag {
public:
    struct Entry {
        std::string name;
        PropertyValue value;
    };

    std::int32_t readInt(std::string_view name, std::int32_t fallback) const;
    bool readBool(std::string_view name, bool fallback) const;
    std::string readString(std::string_view name, const std::string& fallback) const;
    FontInfo readFont(std::string_view name, const FontInfo& fallback) const;
    Picture readPicture(std::string_view name) const; // absent when not stored

    void writeInt(std::string_view name, std::int32_t value, std::int32_t fallback);
    void writeBool(std::string_view name, bool value, bool fallback);
    void writeString(std::string_view name, const std::string& value, const std::string& fallback);
    void writeFont(std::string_view name, const FontInfo& value, const FontInfo& fallback);
    void writePicture(std::string_view name, const Picture& value);

    // Stores VALUE as it is, whatever the default (used when loading form data).
    void set(std::string_view name, PropertyValue value);
    const PropertyValue* find(std::string_view name) const;
    bool contains(std::string_view name) const { return find(name) != nullptr; }
    void remove(std::string_view name);

    const std::vector<Entry>& entries() const { return m_entries; }
    bool empty() const { return m_entries.empty(); }

private:
    std::vector<Entry> m_entries; // in the order first written
};

} // namespace platform
