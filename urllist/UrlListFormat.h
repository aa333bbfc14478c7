#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

/// The three line layouts of a URL list file.
enum class ListFormat { oneUrlPerLine, pipe, comma };

/// Every line a URL list file holds ends with this, the last line included.
inline constexpr std::string_view listLineEnd = "\r\n";

/// Cuts 8-bit text into lines as it arrives, in pieces of any size, in one pass.
/// A line ends at CR LF, a lone CR or a lone LF; a line end at the very end does
/// not start a further line. The first NUL byte ends the text. No encoding is
/// recognised, so a byte-order mark stays at the start of the first line.
class LineCutter {
public:
    /// Gets each line without its line end; the view lives only during the call.
    using Sink = std::function<void(std::string_view line)>;

    explicit LineCutter(Sink sink);

    /// False once a NUL byte has ended the text; later pieces are ignored.
    bool feed(std::string_view bytes);
    /// Hands on the last line when it had no line end.
    void finish();

private:
    void deliver(std::string_view tail);

    Sink m_sink;
    std::string m_partial;
    bool m_afterCr = false;
    bool m_ended = false;
};

/// All lines of a text at once.
std::vector<std::string> cutLines(std::string_view text);

/// Feeds a whole stream through a LineCutter in fixed-size pieces.
/// False when the stream failed before its end or NUL was reached.
bool readLines(std::istream& in, const LineCutter::Sink& sink);

struct ListEntry {
    std::string id;
    std::string url;
};

/// ID and URL of a line in the pipe or comma layout: cut at the first separator;
/// without one, the ID is empty and the whole line is the URL.
ListEntry splitLine(std::string_view line, char separator);

/// The line of a file in the given layout; the one-URL-per-line layout makes
/// the ID with the ID rule for that selector index.
ListEntry parseLine(std::string_view line, ListFormat format, int linkType);

/// The line written for a row, without its line end.
std::string formatLine(ListFormat format, std::string_view id, std::string_view url);

} // namespace lumivane
