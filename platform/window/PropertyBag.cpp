#include "platform/window/PropertyBag.h"

#include <algorithm>

namespace platform {
namespace {

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

} // namespace

const PropertyValue* PropertyBag::find(std::string_view name) const
{
    for (const Entry& e : m_entries)
        if (sameName(e.name, name))
            return &e.value;
    return nullptr;
}

void PropertyBag::set(std::string_view name, PropertyValue value)
{
    for (Entry& e : m_entries)
        if (sameName(e.name, name)) {
            e.value = std::move(value);
            return;
        }
    m_entries.push_back({std::string(name), std::move(value)});
}

void PropertyBag::remove(std::string_view name)
{
    std::erase_if(m_entries, [&](const Entry& e) { return sameName(e.name, name); });
}

std::int32_t PropertyBag::readInt(std::string_view name, std::int32_t fallback) const
{
    const PropertyValue* v = find(name);
    if (!v)
        return fallback;
    if (const auto* i = std::get_if<std::int32_t>(v))
        return *i;
    if (const auto* b = std::get_if<bool>(v))
        return *b ? -1 : 0;
    return fallback;
}

bool PropertyBag::readBool(std::string_view name, bool fallback) const
{
    const PropertyValue* v = find(name);
    if (!v)
        return fallback;
    if (const auto* b = std::get_if<bool>(v))
        return *b;
    if (const auto* i = std::get_if<std::int32_t>(v))
        return *i != 0;
    return fallback;
}

std::string PropertyBag::readString(std::string_view name, const std::string& fallback) const
{
    const PropertyValue* v = find(name);
    if (const auto* s = v ? std::get_if<std::string>(v) : nullptr)
        return *s;
    return fallback;
}

FontInfo PropertyBag::readFont(std::string_view name, const FontInfo& fallback) const
{
    const PropertyValue* v = find(name);
    if (const auto* f = v ? std::get_if<FontInfo>(v) : nullptr)
        return *f;
    return fallback;
}

Picture PropertyBag::readPicture(std::string_view name) const
{
    const PropertyValue* v = find(name);
    if (const auto* p = v ? std::get_if<Picture>(v) : nullptr)
        return *p;
    return Picture::absent();
}

void PropertyBag::writeInt(std::string_view name, std::int32_t value, std::int32_t fallback)
{
    if (value == fallback)
        remove(name);
    else
        set(name, value);
}

void PropertyBag::writeBool(std::string_view name, bool value, bool fallback)
{
    if (value == fallback)
        remove(name);
    else
        set(name, value);
}

void PropertyBag::writeString(std::string_view name, const std::string& value, const std::string& fallback)
{
    if (value == fallback)
        remove(name);
    else
        set(name, value);
}

void PropertyBag::writeFont(std::string_view name, const FontInfo& value, const FontInfo& fallback)
{
    if (value == fallback)
        remove(name);
    else
        set(name, value);
}

void PropertyBag::writePicture(std::string_view name, const Picture& value)
{
    if (!value.hasImage())
        remove(name);
    else
        set(name, value);
}

} // namespace platform
