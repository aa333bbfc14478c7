#pragma once

#include <functional>

namespace lumivane {

/// Lets pending window messages run; the GUI passes processEvents, tests and
/// headless programs pass nothing or a counter.
using MessagePump = std::function<void()>;

} // namespace lumivane
