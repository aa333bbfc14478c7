#include "ui/Gunzip.h"

#include <zlib.h>

#include <array>

namespace lumivane {

namespace {

constexpr int gzipOnly = 16 + MAX_WBITS;

class Inflater {
public:
    Inflater() { m_ok = inflateInit2(&m_stream, gzipOnly) == Z_OK; }
    ~Inflater()
    {
        if (m_ok)
            inflateEnd(&m_stream);
    }
    Inflater(const Inflater&) = delete;
    Inflater& operator=(const Inflater&) = delete;

    bool ok() const { return m_ok; }
    z_stream& stream() { return m_stream; }

private:
    z_stream m_stream {};
    bool m_ok = false;
};

} // namespace

std::optional<std::string> gunzip(const std::string& compressed, std::size_t maxSize)
{
    Inflater inflater;
    if (!inflater.ok() || compressed.empty())
        return std::nullopt;
    z_stream& stream = inflater.stream();
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
    stream.avail_in = static_cast<uInt>(compressed.size());

    std::string out;
    std::array<char, 16384> chunk;
    for (;;) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        const int status = inflate(&stream, Z_NO_FLUSH);
        if (status != Z_OK && status != Z_STREAM_END)
            return std::nullopt;
        out.append(chunk.data(), chunk.size() - stream.avail_out);
        if (out.size() > maxSize)
            return std::nullopt;
        if (status == Z_STREAM_END) {
            if (stream.avail_in == 0)
                return out;
            // Concatenated members, as `gzip -c a b` writes them.
            if (inflateReset(&stream) != Z_OK)
                return std::nullopt;
        }
    }
}

} // namespace lumivane
