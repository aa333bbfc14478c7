#include "brand/BrandPresentation.h"

#include "platform/ProgramFolder.h"
#include "ui/AppIcon.h"
#include "ui/GifControl.h"
#include "ui/LinkLabel.h"
#include "ui/PictureControl.h"
#include "ui/SkinData.h"

#include <QByteArray>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace lumivane {

namespace {

// No banner is anywhere near this; a larger file is treated as damaged.
constexpr std::uintmax_t maxBannerBytes = 16 * 1024 * 1024;

std::optional<std::string> readBannerFile(const std::string& path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > maxBannerBytes)
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (!in.eof() && in.fail())
        return std::nullopt;
    return bytes;
}

// The banner file keeps its neutral name: its bytes are decoded with the format the image
// name tells, so no file of the program folder is ever renamed or overwritten.
void showBanner(BrandProfile& profile, const BrandWidgets& widgets,
    const std::optional<BannerChoice>& banner, const std::string& programFolder)
{
    if (!banner || banner->imageName.empty()) {
        widgets.panBanner->hide();
        return;
    }
    const auto path = joinPath(programFolder, "banner" + std::to_string(banner->number) + ".dat");
    const auto bytes = readBannerFile(path);
    if (!bytes || !showBannerImage(widgets, profile.bannerImageName, *bytes))
        widgets.panBanner->hide();
}

void showLinks(const BrandProfile& profile, const BrandWidgets& widgets)
{
    widgets.panLinks->setVisible(!profile.link1Caption.empty());
    widgets.lblLink1URL->setCaption(profile.link1Caption);
    widgets.lblLink1URL->setUrl(profile.link1Url);
    widgets.lblLink2URL->setCaption(profile.link2Caption);
    widgets.lblLink2URL->setUrl(profile.link2Url);
}

void loadSkinAndIcon(
    BrandProfile& profile, const BrandWidgets& widgets, const std::string& programFolder)
{
    const auto skin = joinPath(programFolder, "mainskin.dat");
    std::error_code error;
    if (std::filesystem::exists(skin, error) && widgets.bsSkinData1->loadFromCompressedFile(skin))
        widgets.bsSkinData1->apply();
    profile.iconFileName = "main.ico";
    const auto icon = joinPath(programFolder, profile.iconFileName);
    if (std::filesystem::exists(icon, error))
        loadApplicationIcon(icon);
}

} // namespace

bool showBannerImage(
    const BrandWidgets& widgets, const std::string& imageName, const std::string& bytes)
{
    const auto format = bannerImageFormat(imageName);
    if (!format)
        return false;
    const QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QWidget* shown = nullptr;
    if (*format == "gif") {
        if (!widgets.gifBanner->loadFromData(data))
            return false;
        shown = widgets.gifBanner;
        widgets.imgBanner->hide();
    } else {
        if (!widgets.imgBanner->loadFromData(data, format->c_str()))
            return false;
        shown = widgets.imgBanner;
        widgets.gifBanner->hide();
    }
    shown->show();
    widgets.panBanner->setFixedHeight(shown->height() + 10);
    return true;
}

void applyBrandPresentation(BrandProfile& profile, const BrandWidgets& widgets,
    const std::string& programFolder, const RandomIndex& random)
{
    profile.welcomePage = chooseWelcome(profile.Welcome, random);

    const auto banner = chooseBanner(profile.Banner, random);
    if (banner) {
        profile.bannerClickUrl = banner->clickUrl;
        profile.bannerImageName = banner->imageName;
    }
    if (!profile.bannerClickUrl.empty()) {
        widgets.imgBanner->setCursor(Qt::PointingHandCursor);
        widgets.gifBanner->setCursor(Qt::PointingHandCursor);
    }
    showBanner(profile, widgets, banner, programFolder);

    const auto links = chooseLinks(profile.Link, random);
    profile.link1Caption = links.link1Caption;
    profile.link1Url = links.link1Url;
    profile.link2Caption = links.link2Caption;
    profile.link2Url = links.link2Url;
    showLinks(profile, widgets);

    loadSkinAndIcon(profile, widgets, programFolder);
}

} // namespace lumivane
