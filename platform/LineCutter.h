#pragma once

#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace lumivane {

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

} // namespace lumivane
