#pragma once

namespace lumivane {

/// Qt WebEngine needs its sandbox off when running as root, and Chromium's
/// paint holding shows blank pages for half a second after a load. Call before
/// the QApplication is created.
void prepareWebEngineEnvironment();

} // namespace lumivane
