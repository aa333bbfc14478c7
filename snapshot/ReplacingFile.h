#pragma once

#include <cstdio>
#include <string>

namespace lumivane {

/// A file written under a temporary name in the target's folder and renamed
/// over the target only by commit(), so a failed write never replaces a good
/// file with a truncated one. Without commit() the temporary file is removed.
class ReplacingFile {
public:
    /// Raises "Cannot create file "<path>". <reason>" when the folder refuses it.
    explicit ReplacingFile(const std::string& fileName);
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    std::FILE* stream() const { return m_stream; }
    const std::string& fileName() const { return m_fileName; }

    /// Writes all bytes or raises the creation error with the system's reason.
    void write(const void* data, std::size_t size);
    /// Flushes, closes and renames over the target; raises like the constructor.
    void commit();

private:
    [[noreturn]] void fail(int error) const;

    std::string m_fileName;
    std::string m_tempName;
    std::FILE* m_stream = nullptr;
};

} // namespace lumivane
