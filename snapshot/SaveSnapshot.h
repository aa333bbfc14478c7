#pragma once

#include <string>

namespace lumivane {

class WebBrowser;

/// The sizes a capture uses, read from the settings at every call.
struct SnapshotSizes {
    int browserWidth = 0;
    int browserHeight = 0;
    int thumbWidth = 0;
    int thumbHeight = 0;
};

/// Draws the browser's loaded page into a white page image of the browser's
/// size, shrinks it to the thumbnail size and writes it in the format of the
/// file name's extension. No document writes nothing and is no error; every
/// other failure raises, with both images released.
void SaveSnapshot(WebBrowser& browser, const SnapshotSizes& sizes, const std::string& fileName);

} // namespace lumivane
