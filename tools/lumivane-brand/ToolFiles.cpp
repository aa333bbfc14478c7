#include "tools/lumivane-brand/ToolFiles.h"

#include "platform/Error.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace lumivane::brandtool {

namespace {

void copyStream(std::istream& in, std::ostream& out, const std::string& name)
{
    char chunk[65536];
    while (in) {
        in.read(chunk, sizeof chunk);
        if (!out.write(chunk, in.gcount())) {
            throw Error("Cannot write the output of " + name);
        }
    }
    if (in.bad()) {
        throw Error("Cannot read " + name);
    }
    out.flush();
    if (!out) {
        throw Error("Cannot write the output of " + name);
    }
}

} // namespace

TemporaryFile::TemporaryFile()
{
    std::string pattern
        = (std::filesystem::temp_directory_path() / "lumivane-brand-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
        throw Error("Cannot create a temporary file in " + pattern);
    }
    close(fd);
    m_path = pattern;
}

TemporaryFile::TemporaryFile(std::string path)
    : m_path(std::move(path))
{
}

TemporaryFile::~TemporaryFile()
{
    if (m_owned) {
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }
}

void TemporaryFile::moveTo(const std::string& target)
{
    std::error_code error;
    std::filesystem::rename(m_path, target, error);
    if (error) {
        throw Error("Cannot create file \"" + target + "\". " + error.message());
    }
    m_owned = false;
}

void copyFileTo(const std::string& path, std::ostream& out)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw Error("Cannot open file \"" + path + "\"");
    }
    copyStream(in, out, "\"" + path + "\"");
}

void copyToFile(std::istream& in, const std::string& path)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out) {
        throw Error("Cannot create file \"" + path + "\"");
    }
    copyStream(in, out, "standard input");
}

ProfileLines readProfileOperand(const std::string& file, bool plain)
{
    if (plain) {
        return {loadPlaintextLines(file), DecryptResult::Success};
    }
    const TemporaryFile plaintext;
    return readProfileLines(file, plaintext.path());
}

} // namespace lumivane::brandtool
