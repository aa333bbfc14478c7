#include "tools/lumivane-batch/HeadlessEnvironment.h"

#include "platform/WebEngineEnvironment.h"

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace lumivane::batch {

namespace {

void appendChromiumFlag(const std::string& flag)
{
    const char* current = std::getenv("QTWEBENGINE_CHROMIUM_FLAGS");
    std::string flags = current ? current : "";
    if (flags.find(flag) != std::string::npos)
        return;
    flags = flags.empty() ? flag : flags + " " + flag;
    setenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.c_str(), 1);
}

// The engine's start-up report, the offscreen platform's notes and the pages'
// console output would bury the progress; LUMIVANE_BATCH_VERBOSE shows them.
void criticalOnly(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

HeadlessEnvironment::HeadlessEnvironment()
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    prepareWebEngineEnvironment();
    appendChromiumFlag("--disable-gpu");
    // Chromium's own log lines would break the progress line as well.
    if (!std::getenv("LUMIVANE_BATCH_VERBOSE")) {
        qInstallMessageHandler(criticalOnly);
        appendChromiumFlag("--log-level=3");
    }
    if (std::getenv("XDG_RUNTIME_DIR"))
        return;
    std::string pattern
        = (std::filesystem::temp_directory_path() / "lumivane-batch-XXXXXX").string();
    if (mkdtemp(pattern.data())) {
        m_runtimeFolder = pattern;
        setenv("XDG_RUNTIME_DIR", m_runtimeFolder.c_str(), 1);
    }
}

HeadlessEnvironment::~HeadlessEnvironment()
{
    if (m_runtimeFolder.empty())
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_runtimeFolder, ignored);
}

} // namespace lumivane::batch
