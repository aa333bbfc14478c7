#include "platform/SplitByCharacter.h"

namespace lumivane {

void splitByCharacter(const std::string& text, char separator, std::vector<std::string>& pieces)
{
    pieces.clear();
    std::string current;
    for (char c : text) {
        if (c == separator) {
            pieces.push_back(current);
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty())
        pieces.push_back(current);
}

std::vector<std::string> splitByCharacter(const std::string& text, char separator)
{
    std::vector<std::string> pieces;
    splitByCharacter(text, separator, pieces);
    return pieces;
}

} // namespace lumivane
