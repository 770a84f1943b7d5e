#pragma once

#include "platform/draw/Surface.h"

#include <functional>
#include <string>

namespace gallery {

// Where a gallery page saves its pictures: OUT/<page>/<name>.png.
class Writer {
public:
    Writer(std::string folder) : m_folder(std::move(folder)) {}
    void save(const std::string& name, const platform::Surface& picture) const;
    const std::string& folder() const { return m_folder; }

private:
    std::string m_folder;
};

using Page = std::function<void(const Writer&)>;

// Registers a page under NAME; returns a dummy so a page can register itself statically.
int addPage(const std::string& name, Page page);

} // namespace gallery

// Defines and registers a gallery page: GALLERY_PAGE(buttons) { out.save("up", surface); }
#define GALLERY_PAGE(page)                                                        \
    static void gallery_page_##page(const gallery::Writer& out);                  \
    static const int gallery_reg_##page = gallery::addPage(#page, gallery_page_##page); \
    static void gallery_page_##page(const gallery::Writer& out)
