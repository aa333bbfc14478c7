#pragma once

#include <filesystem>
#include <string>

namespace lumivane::test {

/// A fresh folder under the system temp folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    std::string file(const std::string& name) const { return (m_path / name).string(); }

private:
    std::filesystem::path m_path;
};

/// Whole file as bytes; empty when it cannot be read.
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

/// A file under tests/fixtures.
std::string fixturePath(const std::string& name);

} // namespace lumivane::test
