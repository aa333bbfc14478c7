#pragma once

#include <string>

namespace lumivane::batch {

/// Sets up Qt and Qt WebEngine for a run without a display before the
/// application object exists: the offscreen platform unless the user chose
/// one, no GPU, the engine's own needs (sandbox as root, paint holding), and a
/// private runtime folder when XDG_RUNTIME_DIR is unset; Qt's own messages
/// only when they are critical. Removes the runtime folder when it goes.
class HeadlessEnvironment {
public:
    HeadlessEnvironment();
    ~HeadlessEnvironment();
    HeadlessEnvironment(const HeadlessEnvironment&) = delete;
    HeadlessEnvironment& operator=(const HeadlessEnvironment&) = delete;

private:
    std::string m_runtimeFolder;
};

} // namespace lumivane::batch
