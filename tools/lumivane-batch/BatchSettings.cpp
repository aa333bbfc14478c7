#include "tools/lumivane-batch/BatchSettings.h"

#include "app/SettingsPanel.h"
#include "platform/IniFile.h"

#include <algorithm>
#include <filesystem>

namespace lumivane::batch {

namespace {

std::string sizeText(int width, int height)
{
    return std::to_string(width) + "x" + std::to_string(height);
}

void checkSize(const std::string& what, int width, int height, bool fromOption)
{
    if (width >= 1 && width <= maxSide && height >= 1 && height <= maxSide)
        return;
    throw UsageError(what + " " + sizeText(width, height) + (fromOption ? "" : " (from config.ini)")
        + " is out of range: each side must be from 1 to " + std::to_string(maxSide) + " pixels");
}

void applyOptions(SettingsPanel& panel, const BatchOptions& options)
{
    if (options.folder)
        panel.setFolder(*options.folder);
    if (options.browser) {
        panel.setBrowserX(options.browser->width);
        panel.setBrowserY(options.browser->height.value_or(0));
    }
    if (options.thumb) {
        panel.setThumbX(options.thumb->width);
        if (options.thumb->height)
            panel.setThumbY(*options.thumb->height);
    }
    // Setting the box runs its rule again, so the height follows the final sizes.
    panel.setKeepAspectRatio(options.keepAspect.value_or(panel.keepAspectRatio()));
    if (options.skip)
        panel.setSkip(*options.skip);
    if (options.linkType)
        panel.setLinkType(*options.linkType);
    panel.setExt(options.ext);
}

void checkThumbHeight(const BatchOptions& options, BatchSettings& settings)
{
    const bool heightGiven = options.thumb && options.thumb->height;
    if (!settings.keepAspect && options.thumb && !heightGiven)
        throw UsageError("--thumb " + std::to_string(options.thumb->width)
            + "x needs a height when the aspect lock is off (--no-keep-aspect)");
    if (settings.keepAspect && heightGiven && *options.thumb->height != settings.thumbHeight) {
        settings.notes.push_back("thumbnail height " + std::to_string(*options.thumb->height)
            + " replaced by " + std::to_string(settings.thumbHeight)
            + " from the aspect formula (--no-keep-aspect keeps the height given)");
    }
}

bool sameFolder(const std::string& first, const std::string& second)
{
    std::error_code ignored;
    const auto normal = [&ignored](const std::string& folder) {
        auto path = std::filesystem::weakly_canonical(std::filesystem::absolute(folder), ignored)
                        .lexically_normal();
        return path.has_filename() ? path : path.parent_path();
    };
    return normal(first) == normal(second);
}

// A BMP thumbnail and the page image would both be <ID>.bmp in that folder.
void checkPageImageFolder(const BatchSettings& settings)
{
    if (settings.pageImages.empty() || settings.ext != "bmp"
        || !sameFolder(settings.pageImages, settings.folder))
        return;
    throw UsageError("--page-images \"" + settings.pageImages
        + "\" is the output folder: with --format bmp each page image would replace its "
          "thumbnail; give the page images a folder of their own");
}

} // namespace

BatchSettings resolveSettings(const BatchOptions& options, const IniFile& config)
{
    if (options.browser && !options.browser->height)
        throw UsageError("--browser needs a height as well, for example 800x600");
    SettingsPanel panel;
    panel.load(config);
    applyOptions(panel, options);

    BatchSettings settings;
    settings.folder = panel.folder();
    settings.browserWidth = panel.browserX();
    settings.browserHeight = panel.browserY();
    settings.thumbWidth = panel.thumbX();
    settings.thumbHeight = panel.thumbY();
    settings.keepAspect = panel.keepAspectRatio();
    settings.skip = panel.skip();
    settings.linkType = panel.linkType();
    settings.ext = panel.ext();
    settings.pageImages = options.pageImages.value_or("");

    if (settings.folder.empty())
        throw UsageError("no output folder: give --folder DIR or set Folder in " + config.path());
    checkSize(
        "browser size", settings.browserWidth, settings.browserHeight, options.browser.has_value());
    checkThumbHeight(options, settings);
    checkSize(
        "thumbnail size", settings.thumbWidth, settings.thumbHeight, options.thumb.has_value());
    checkPageImageFolder(settings);
    return settings;
}

int resolveJobs(const BatchOptions& options, unsigned hardwareThreads)
{
    if (options.jobs)
        return *options.jobs;
    return std::clamp(static_cast<int>(std::min(hardwareThreads, 1024u)), 2, maxJobs);
}

} // namespace lumivane::batch
