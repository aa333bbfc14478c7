#include "online/UpdateCheck.h"

#include "brand/ProgramVersion.h"
#include "online/WebClient.h"
#include "platform/IniFile.h"
#include "platform/MessageDialog.h"
#include "platform/ProcessStarter.h"
#include "platform/ProgramFolder.h"

#include <charconv>
#include <cmath>
#include <filesystem>
#include <system_error>

namespace lumivane {

namespace {

constexpr const char* descriptionFileName = "mainappupdate.inf";
constexpr const char* updaterFileName = "Updater";

const char* const noUpdatesMessage = "There's no new updates for this application!";
const char* const missingUpdaterMessage
    = "The updater module is missing. Please reinstall again the current version!";
const char* const closeQuestion = "To update your software the application will close to\n\r"
                                  "replace some files. Do you want to update now?";

std::string offerQuestion(const std::string& versionText)
{
    return "There is a new update: (version " + versionText
        + ") available for your application!. Do you want download this update now?";
}

bool fileExists(const std::string& path)
{
    std::error_code error;
    return std::filesystem::exists(path, error);
}

} // namespace

std::string updateBaseUrl()
{
    return LUMIVANE_UPDATE_BASE_URL;
}

float parseVersion(std::string_view text)
{
    // from_chars takes no "+" and never looks at the locale, so "." is always the separator.
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    float value = 0;
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || result.ec != std::errc {} || result.ptr != end || !std::isfinite(value))
        return 0;
    return value;
}

UpdateCheck::UpdateCheck(std::string programFolder, std::string baseUrl, Services services)
    : m_programFolder(std::move(programFolder))
    , m_baseUrl(std::move(baseUrl))
    , m_services(std::move(services))
{
}

void UpdateCheck::run(bool silent)
{
    const auto target = joinPath(m_programFolder, descriptionFileName);
    const auto url = m_baseUrl + descriptionFileName;
    if (m_services.web.downloadToFile(url, target) && fileExists(target)) {
        const IniFile description(target);
        const auto versionText = description.readString("APPLICATION", "Version", "");
        if (parseVersion(programVersion) < parseVersion(versionText)) {
            offerUpdate(versionText);
            return;
        }
    }
    if (!silent)
        m_services.dialog.inform(noUpdatesMessage);
}

void UpdateCheck::offerUpdate(const std::string& versionText)
{
    auto& dialog = m_services.dialog;
    if (dialog.show(offerQuestion(versionText), MessageKind::Information, MessageButtons::OkCancel)
        != MessageResult::Ok)
        return;
    const auto updater = joinPath(m_programFolder, updaterFileName);
    if (!fileExists(updater)) {
        dialog.warn(missingUpdaterMessage);
        return;
    }
    if (dialog.show(closeQuestion, MessageKind::Information, MessageButtons::OkCancel)
        == MessageResult::Cancel)
        return;
    m_services.starter.open(updater, m_baseUrl + " " + programVersion + " A");
    m_services.closeMainWindow();
}

} // namespace lumivane
