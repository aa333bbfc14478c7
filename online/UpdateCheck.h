#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace lumivane {

class MessageDialog;
class ProcessStarter;
class WebClient;

/// The vendor's update folder the program checks (an http URL ending in "/liveupdate/lumivane/"),
/// fixed when the program is built.
std::string updateBaseUrl();

/// A version text as a single-precision number: optional sign, digits, an optional "." and
/// digits, an optional exponent, nothing else. Anything else, the empty text and values that
/// are not finite give 0, so a damaged file never offers an update.
float parseVersion(std::string_view text);

/// The update check: fetch mainappupdate.inf into the program folder, compare its version with
/// the program's, and on the user's consent start the Updater and close the main window.
class UpdateCheck {
public:
    struct Services {
        WebClient& web;
        MessageDialog& dialog;
        ProcessStarter& starter;
        /// Closes the main window, which ends the program.
        std::function<void()> closeMainWindow;
    };

    UpdateCheck(std::string programFolder, std::string baseUrl, Services services);

    /// Silent only hides the "no new updates" message; the offer is shown either way.
    void run(bool silent);

private:
    void offerUpdate(const std::string& versionText);

    std::string m_programFolder;
    std::string m_baseUrl;
    Services m_services;
};

} // namespace lumivane
