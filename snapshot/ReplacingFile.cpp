#include "snapshot/ReplacingFile.h"

#include "platform/Error.h"

#include <atomic>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace lumivane {

namespace {

std::atomic<unsigned> tempCounter {0};

// Room for the dots, process id, counter and ".tmp" within a file name's 255
// bytes, so any target name that fits gets a temporary name that fits too.
constexpr std::size_t maxTempBaseBytes = 200;

std::string folderPrefix(const std::string& fileName)
{
    const std::size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

std::string baseName(const std::string& fileName)
{
    const std::size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

// O_EXCL with the usual 0666 mode: the file gets the permissions a plainly
// created one would, and an unrelated file is never opened by accident.
int createUnique(const std::string& fileName, std::string& tempName)
{
    for (;;) {
        tempName = folderPrefix(fileName) + "." + baseName(fileName).substr(0, maxTempBaseBytes)
            + "." + std::to_string(getpid()) + "." + std::to_string(tempCounter++) + ".tmp";
        const int fd = open(tempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
}

} // namespace

ReplacingFile::ReplacingFile(const std::string& fileName)
    : m_fileName(fileName)
{
    const int fd = createUnique(fileName, m_tempName);
    if (fd < 0)
        fail(errno);
    m_stream = fdopen(fd, "wb");
    if (!m_stream) {
        const int error = errno;
        close(fd);
        unlink(m_tempName.c_str());
        fail(error);
    }
}

ReplacingFile::~ReplacingFile()
{
    if (m_stream) {
        std::fclose(m_stream);
        unlink(m_tempName.c_str());
    }
}

void ReplacingFile::write(const void* data, std::size_t size)
{
    if (size != 0 && std::fwrite(data, 1, size, m_stream) != size)
        fail(errno);
}

void ReplacingFile::commit()
{
    const bool written = std::fflush(m_stream) == 0;
    const int writeError = errno;
    const bool closed = std::fclose(m_stream) == 0;
    const int closeError = errno;
    m_stream = nullptr;
    if (!written || !closed) {
        unlink(m_tempName.c_str());
        fail(!written ? writeError : closeError);
    }
    if (std::rename(m_tempName.c_str(), m_fileName.c_str()) != 0) {
        const int error = errno;
        unlink(m_tempName.c_str());
        fail(error);
    }
}

void ReplacingFile::fail(int error) const
{
    throw Error("Cannot create file \"" + m_fileName + "\". " + std::strerror(error));
}

} // namespace lumivane
