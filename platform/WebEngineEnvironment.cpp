#include "platform/WebEngineEnvironment.h"

#include <cstdlib>
#include <string>
#include <unistd.h>

namespace lumivane {

void prepareWebEngineEnvironment()
{
    if (geteuid() == 0)
        setenv("QTWEBENGINE_DISABLE_SANDBOX", "1", 0);

    const std::string flag = "--disable-features=PaintHolding";
    const char* current = std::getenv("QTWEBENGINE_CHROMIUM_FLAGS");
    std::string flags = current ? current : "";
    if (flags.find(flag) == std::string::npos) {
        flags = flags.empty() ? flag : flags + " " + flag;
        setenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.c_str(), 1);
    }
}

} // namespace lumivane
