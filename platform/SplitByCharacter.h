#pragma once

#include <string>
#include <vector>

namespace lumivane {

/// Cuts text at every separator into pieces, in order. Each separator ends the
/// current piece, which is kept even when empty; the piece after the last
/// separator is kept only when it is not empty, so "a^^b^" gives a, "", b.
/// The list is emptied first.
void splitByCharacter(const std::string& text, char separator, std::vector<std::string>& pieces);

/// The same, returning the pieces.
std::vector<std::string> splitByCharacter(const std::string& text, char separator);

} // namespace lumivane
