#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace lumivane {

/// Ordered (name, value) pairs of a form POST; names and values go out unchanged.
using FormFields = std::vector<std::pair<std::string, std::string>>;

/// A download without a size limit.
inline constexpr std::uint64_t unlimitedDownload = std::numeric_limits<std::uint64_t>::max();

/// The operations the program asks of its HTTP client, behind an interface so the
/// news and update code can be tested with a fake.
class WebClient {
public:
    virtual ~WebClient() = default;

    /// The reply body of a multipart form POST; raises lumivane::Error on any failure.
    virtual std::string postForm(const std::string& url, const FormFields& fields) = 0;
    /// True when the whole reply body of a GET was written to path; never raises and
    /// leaves no file behind on failure. A body longer than maxBytes is a failure, found
    /// before more than maxBytes reach the disk.
    virtual bool downloadToFile(
        const std::string& url, const std::string& path, std::uint64_t maxBytes = unlimitedDownload)
        = 0;
    /// Closes the open connection, if any.
    virtual void disconnect() = 0;
};

} // namespace lumivane
