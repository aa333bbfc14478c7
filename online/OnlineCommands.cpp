#include "online/OnlineCommands.h"

#include "brand/BrandProfile.h"
#include "online/BrandNews.h"
#include "online/FNews.h"
#include "online/NewMessageCheck.h"
#include "online/UpdateCheck.h"
#include "ui/BalloonHint.h"
#include "ui/QtText.h"

#include <QCoreApplication>
#include <QWidget>

namespace lumivane {

OnlineCommands::OnlineCommands(
    MainWindow mainWindow, std::unique_ptr<ProcessStarter> starter, std::string baseUrl)
    : QObject(mainWindow.window)
    , m_main(std::move(mainWindow))
    , m_starter(starter ? std::move(starter) : std::make_unique<DetachedProcessStarter>())
    , m_updateBaseUrl(baseUrl.empty() ? updateBaseUrl() : std::move(baseUrl))
    , m_http([] { QCoreApplication::processEvents(); })
    , m_hint(new BalloonHint(this))
{
}

OnlineCommands::~OnlineCommands() = default;

void OnlineCommands::newsButtonClick()
{
    const auto brand = newsBrandOf(m_main.brand);
    NewsService news(m_http, m_main.dialog, brand);
    auto& newsList = m_main.newsList();
    if (!fetchNewsForWindow(news, brand, newsList, m_main.dialog))
        return;
    const auto folder = m_main.programFolder;
    TfrmNews frmNews(
        {news, brand, newsList, [folder](const std::string& id) { WriteLastNewsId(folder, id); }},
        m_main.window);
    frmNews.exec();
}

void OnlineCommands::updateCheck(bool silent)
{
    QWidget* window = m_main.window;
    UpdateCheck(m_main.programFolder, m_updateBaseUrl,
        {m_http, m_main.dialog, *m_starter, [window] { window->close(); }})
        .run(silent);
}

void OnlineCommands::startupCheck()
{
    const auto brand = newsBrandOf(m_main.brand);
    NewsService news(m_http, m_main.dialog, brand);
    runStartupCheck(news, brand,
        {[this] { return ReadLastNewsId(m_main.programFolder); },
            [this](const std::string& text) { m_hint->showHintAt(*m_main.newsButton, toQt(text)); },
            [this] { updateCheck(true); }});
}

void OnlineCommands::disconnectAtClose()
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        try {
            m_http.disconnect();
        } catch (...) {
            // A failed disconnect at close changes nothing the user could act on.
        }
    }
}

} // namespace lumivane
