#pragma once

#include "brand/BrandChoices.h"
#include "brand/BrandProfile.h"

#include <string>

class QWidget;

namespace lumivane {

class GifControl;
class LinkLabel;
class PictureControl;
class SkinData;

/// The main window's controls the brand shows itself in.
struct BrandWidgets {
    QWidget* panBanner = nullptr;
    PictureControl* imgBanner = nullptr;
    GifControl* gifBanner = nullptr;
    QWidget* panLinks = nullptr;
    LinkLabel* lblLink1URL = nullptr;
    LinkLabel* lblLink2URL = nullptr;
    SkinData* bsSkinData1 = nullptr;
};

/// Chooses the welcome page, banner and links of a read profile, records the choices in
/// it and shows them in the widgets, then loads mainskin.dat and main.ico from the
/// program folder. Files are only read. Entries or files that cannot be used leave their
/// panel hidden; this never stops midway.
void applyBrandPresentation(BrandProfile& profile, const BrandWidgets& widgets,
    const std::string& programFolder, const RandomIndex& random);

/// Loads the bytes of a banner file into the control its image name's format calls for,
/// shows that one, hides the other and fits the banner strip to it. Returns false, leaving
/// the strip hidden, when the format is unknown or the bytes do not decode.
bool showBannerImage(
    const BrandWidgets& widgets, const std::string& imageName, const std::string& bytes);

} // namespace lumivane
