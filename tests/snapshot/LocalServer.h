#pragma once

#include "LoopbackServer.h"

#include <functional>

namespace lumivane::test {

/// Test pages on 127.0.0.1:
///   /colour/RRGGBB  a page of that background colour with a black block
///   /missing        404 with a body
///   /hang           never answers until the server stops
///   /popups         a page that raises dialogs and opens windows
///   /frame-error    a page whose iframe cannot load
class LocalServer : public LoopbackServer {
public:
    LocalServer();
};

/// Pumps events until the condition holds or the time is over.
bool waitFor(const std::function<bool()>& condition, int timeoutMs);

} // namespace lumivane::test
