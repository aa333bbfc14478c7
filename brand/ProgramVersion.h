#pragma once

namespace lumivane {

/// The built-in program version text: window caption, About box and update check.
inline constexpr const char* programVersion = "2.0";

} // namespace lumivane
