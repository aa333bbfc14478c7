#include "urllist/UrlListExport.h"

#include "platform/Error.h"
#include "urllist/UrlList.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

namespace lumivane {

namespace {

Error writeError(const std::string& path, int code)
{
    return Error("Cannot write the URL list file " + path + ": " + std::strerror(code));
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::string exportText(const UrlList& list, ListFormat format)
{
    std::string text;
    for (std::size_t i = 0; i < list.count(); ++i) {
        const auto& row = list.row(i);
        if (!row.selected)
            continue;
        text += formatLine(format, row.id, row.url);
        text += listLineEnd;
    }
    return text;
}

void saveListFile(const UrlList& list, const std::string& path, ListFormat format)
{
    const std::string text = exportText(list, format);
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        throw writeError(path, errno);
    const bool written = std::fwrite(text.data(), 1, text.size(), file.get()) == text.size();
    const int writeCode = errno;
    if (std::fclose(file.release()) != 0 || !written)
        throw writeError(path, written ? errno : writeCode);
}

} // namespace lumivane
