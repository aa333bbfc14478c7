#pragma once

#include <string>
#include <utility>
#include <vector>

namespace lumivane {

/// Ordered (name, value) pairs of a form POST; names and values go out unchanged.
using FormFields = std::vector<std::pair<std::string, std::string>>;

/// The operations the program asks of its HTTP client, behind an interface so the
/// news and update code can be tested with a fake.
class WebClient {
public:
    virtual ~WebClient() = default;

    /// The reply body of a multipart form POST; raises lumivane::Error on any failure.
    virtual std::string postForm(const std::string& url, const FormFields& fields) = 0;
    /// True when the whole reply body of a GET was written to path; never raises and
    /// leaves no file behind on failure.
    virtual bool downloadToFile(const std::string& url, const std::string& path) = 0;
    /// Closes the open connection, if any.
    virtual void disconnect() = 0;
};

} // namespace lumivane
