#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

namespace testpaths {

// A fresh folder under the system's temporary folder, removed with everything in it (modes
// restored first) when the test ends.
class TempFolder {
public:
    TempFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "maintest.XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            ADD_FAILURE() << "mkdtemp failed";
        m_path = pattern;
    }
    ~TempFolder()
    {
        std::error_code ec;
        for (auto it = std::filesystem::recursive_directory_iterator(m_path, ec); it != std::filesystem::recursive_directory_iterator();
             it.increment(ec))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::permissions(m_path, std::filesystem::perms::owner_all, std::filesystem::perm_options::add, ec);
        std::filesystem::remove_all(m_path, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(std::string_view name) const { return (m_path / name).string(); }

    std::string write(std::string_view name, std::string_view bytes) const
    {
        const std::filesystem::path p = m_path / name;
        std::filesystem::create_directories(p.parent_path());
        std::ofstream(p, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return p.string();
    }
    std::string read(std::string_view name) const
    {
        std::ifstream in(m_path / name, std::ios::binary);
        return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    }
    // Names of every entry below the folder, relative to it.
    std::set<std::string> entries() const
    {
        std::set<std::string> names;
        for (const auto& e : std::filesystem::recursive_directory_iterator(m_path))
            names.insert(std::filesystem::relative(e.path(), m_path).string());
        return names;
    }

private:
    std::filesystem::path m_path;
};

} // namespace testpaths
