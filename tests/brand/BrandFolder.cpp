#include "tests/brand/BrandFolder.h"

#include "brand/ContainerFiles.h"

#include <filesystem>

namespace lumivane::test {

std::string brandFixture(const std::string& name)
{
    return readFile(fixturePath("brand-ui/" + name));
}

void BrandFolder::writeProfileText(const std::string& text)
{
    const auto plain = file("profile.txt");
    writeFile(plain, text);
    EncryptFileToFile(plain, file("dbsettings.dat"));
    std::filesystem::remove(plain);
}

void BrandFolder::writeProfile(const std::string& fixture)
{
    writeProfileText(brandFixture(fixture));
}

void BrandFolder::writeBytes(const std::string& name, const std::string& bytes)
{
    writeFile(file(name), bytes);
}

void BrandFolder::copyFixture(const std::string& fixture, const std::string& name)
{
    writeBytes(name, readFile(fixturePath("ui/" + fixture)));
}

std::map<std::string, std::string> BrandFolder::snapshot() const
{
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(m_dir.path()))
        files[entry.path().filename().string()] = readFile(entry.path().string());
    return files;
}

} // namespace lumivane::test
