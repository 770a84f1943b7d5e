// gallery OUT_DIR [PAGE...]: renders every registered page (or the named ones) to PNG files
// under OUT_DIR/<page>/, for the README and for looking at.

#include "tools/gallery/Gallery.h"

#include <cstdio>
#include <filesystem>
#include <map>

#include "platform/Runtime.h"

namespace gallery {
namespace {

std::map<std::string, Page>& pages()
{
    static std::map<std::string, Page> all;
    return all;
}

} // namespace

int addPage(const std::string& name, Page page)
{
    pages()[name] = std::move(page);
    return 0;
}

void Writer::save(const std::string& name, const platform::Surface& picture) const
{
    std::filesystem::create_directories(m_folder);
    const std::string path = m_folder + "/" + name + ".png";
    if (!picture.savePng(path))
        std::fprintf(stderr, "gallery: cannot write %s\n", path.c_str());
}

} // namespace gallery

int main(int argc, char** argv)
{
    platform::Runtime::preferHeadless();
    platform::Runtime runtime(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: gallery OUT_DIR [PAGE...]\n");
        return 2;
    }
    const std::string out = argv[1];
    int rendered = 0;
    for (const auto& [name, page] : gallery::pages()) {
        bool wanted = argc == 2;
        for (int i = 2; i < argc; ++i)
            wanted = wanted || name == argv[i];
        if (!wanted)
            continue;
        page(gallery::Writer(out + "/" + name));
        std::printf("%s\n", name.c_str());
        ++rendered;
    }
    return rendered > 0 || gallery::pages().empty() ? 0 : 1;
}
