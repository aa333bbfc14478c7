#pragma once

#include "tests/support/TempDir.h"

#include <map>
#include <string>

namespace lumivane::test {

/// A program folder for brand tests: a profile fixture encrypted into dbsettings.dat,
/// and the banner, skin and icon files beside it.
class BrandFolder {
public:
    std::string path() const { return m_dir.path().string(); }
    std::string file(const std::string& name) const { return m_dir.file(name); }

    /// Encrypts the text into dbsettings.dat.
    void writeProfileText(const std::string& text);
    /// Encrypts tests/fixtures/brand-ui/<name> into dbsettings.dat.
    void writeProfile(const std::string& fixture);
    void writeBytes(const std::string& name, const std::string& bytes);
    /// Copies a file of tests/fixtures/ui into the folder under another name.
    void copyFixture(const std::string& fixture, const std::string& name);

    /// Every file of the folder with its bytes.
    std::map<std::string, std::string> snapshot() const;

private:
    TempDir m_dir;
};

std::string brandFixture(const std::string& name);

} // namespace lumivane::test
