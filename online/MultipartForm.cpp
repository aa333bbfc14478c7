#include "online/MultipartForm.h"

#include <cstdio>

namespace lumivane {

std::string multipartBoundary(const std::tm& localTime, int milliseconds)
{
    char digits[32];
    std::snprintf(digits, sizeof digits, "%02d%02d%02d%02d%02d%02d%03d", localTime.tm_mon + 1,
        localTime.tm_mday, localTime.tm_year % 100, localTime.tm_hour, localTime.tm_min,
        localTime.tm_sec, milliseconds % 1000);
    return std::string("--------") + digits;
}

std::string multipartBoundaryNow()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local {};
    localtime_r(&seconds, &local);
    const auto milliseconds
        = duration_cast<std::chrono::milliseconds>(now.time_since_epoch()) % 1000;
    return multipartBoundary(local, static_cast<int>(milliseconds.count()));
}

std::string multipartBody(const FormFields& fields, const std::string& boundary)
{
    std::string body;
    for (const auto& [name, value] : fields) {
        body += "--" + boundary + "\r\n";
        body += "Content-Disposition: form-data; name=\"" + name + "\"\r\n";
        body += "\r\n";
        body += value + "\r\n";
    }
    body += "\r\n--" + boundary + "--\r\n";
    return body;
}

} // namespace lumivane
