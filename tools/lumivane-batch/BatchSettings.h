#pragma once

#include "tools/lumivane-batch/BatchOptions.h"

#include <string>

namespace lumivane {
class IniFile;
}

namespace lumivane::batch {

/// Pixels per side the browser and the thumbnail may have: larger pages do not
/// fit the engine's surfaces, and N of them would not fit in memory.
inline constexpr int maxSide = 8192;

/// Everything a run uses, decided once before the first page loads.
struct BatchSettings {
    std::string folder;
    int browserWidth = 0;
    int browserHeight = 0;
    int thumbWidth = 0;
    int thumbHeight = 0;
    bool keepAspect = true;
    bool skip = true;
    int linkType = 0;
    std::string ext;
    std::string pageImages; ///< empty: no page images
    /// Notes for the user, such as a thumbnail height the aspect formula replaced.
    std::vector<std::string> notes;
};

/// The desktop program's settings rules over config.ini, with the options
/// given applied on top in the same order. Raises UsageError for an empty
/// folder, a missing thumbnail height with the aspect lock off, and sizes of
/// 0 or above maxSide, wherever they came from, and page images that would
/// replace BMP thumbnails of the same name.
BatchSettings resolveSettings(const BatchOptions& options, const IniFile& config);

/// Jobs from the option, else the number of cores, at least 2.
int resolveJobs(const BatchOptions& options, unsigned hardwareThreads);

} // namespace lumivane::batch
