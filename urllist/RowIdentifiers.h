#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace lumivane {

/// Reads the "Generate File Name From:" selector's item index when a row is made.
using LinkTypeSource = std::function<int()>;

/// 32 lower-case hex digits of the MD5 digest of the text's bytes as held.
std::string md5Id(std::string_view text);

/// Lower-cased, "http://" and "www." removed, "." to "_", "/" to "I".
std::string urlDerivedId(std::string_view text);

/// Index 1 makes the URL-derived ID; every other index, including -1 for a
/// selector showing no entry, makes the MD5 ID so a row never lacks an ID.
std::string rowId(std::string_view source, int linkType);

} // namespace lumivane
