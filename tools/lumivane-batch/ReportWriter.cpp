#include "tools/lumivane-batch/ReportWriter.h"

namespace lumivane::batch {

std::string csvField(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

ReportWriter::ReportWriter(std::ostream* out)
    : m_out(out)
{
    if (m_out)
        *m_out << "number,id,url,status,file,millis,error\n";
}

void ReportWriter::add(long long sequence, RowResult result)
{
    m_waiting.emplace(sequence, std::move(result));
    bool wrote = false;
    for (auto first = m_waiting.begin(); first != m_waiting.end() && first->first == m_next;
         first = m_waiting.erase(first)) {
        write(first->second);
        ++m_next;
        wrote = true;
    }
    if (wrote && m_out)
        m_out->flush();
}

void ReportWriter::write(const RowResult& result)
{
    if (!m_out)
        return;
    *m_out << csvField(result.number) << ',' << csvField(result.id) << ',' << csvField(result.url)
           << ',' << csvField(result.status) << ',' << csvField(result.file) << ',' << result.millis
           << ',' << csvField(result.error) << '\n';
}

} // namespace lumivane::batch
