#pragma once

#include "brand/ProfileFile.h"

#include <iosfwd>
#include <string>

namespace lumivane::brandtool {

/// A file removed when it goes out of scope (unless kept), so no half-made output is left.
class TemporaryFile {
public:
    /// A fresh, empty file in the system's temporary folder.
    TemporaryFile();
    /// The given path, which need not exist yet.
    explicit TemporaryFile(std::string path);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& path() const { return m_path; }
    /// Renames the file to target; it is then no longer removed.
    void moveTo(const std::string& target);

private:
    std::string m_path;
    bool m_owned = true;
};

/// Copies the whole file to out. Raises lumivane::Error when reading or writing fails.
void copyFileTo(const std::string& path, std::ostream& out);
/// Copies everything from in to a new file. Raises lumivane::Error when that fails.
void copyToFile(std::istream& in, const std::string& path);

/// The lines of a profile FILE operand: a plaintext file with --plain, else a container
/// decrypted through a temporary file. Raises lumivane::Error when a file cannot be read.
ProfileLines readProfileOperand(const std::string& file, bool plain);

} // namespace lumivane::brandtool
