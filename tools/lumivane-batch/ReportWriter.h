#pragma once

#include <map>
#include <ostream>
#include <string>

namespace lumivane::batch {

/// How one row of the run ended.
struct RowResult {
    std::string number;
    std::string id;
    std::string url;
    std::string status;
    std::string file; ///< the thumbnail written or found; empty otherwise
    long long millis = 0; ///< from navigation to the files written
    std::string error; ///< the reason of an "Error", or a warning
};

/// A CSV field: quoted, with quotes doubled, when it holds a comma, a quote or
/// a line break; the bytes are kept as they are.
std::string csvField(const std::string& text);

/// Writes the report "number,id,url,status,file,millis,error" in list order
/// while rows end in any order: a row waits until every row before it ended.
class ReportWriter {
public:
    /// Null writes nothing but still keeps the order.
    explicit ReportWriter(std::ostream* out);

    /// The row at this 0-based position of the run has ended.
    void add(long long sequence, RowResult result);
    /// Rows ended but not yet written, waiting for an earlier one.
    std::size_t waiting() const { return m_waiting.size(); }
    long long written() const { return m_next; }

private:
    void write(const RowResult& result);

    std::ostream* m_out;
    long long m_next = 0;
    std::map<long long, RowResult> m_waiting;
};

} // namespace lumivane::batch
