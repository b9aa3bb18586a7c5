#include "table/log_lines.h"

namespace corvane {

void LogLines::appendToHeap(const std::string_view* parts, std::size_t count)
{
    if (!m_heap)
        m_heap = std::make_unique<std::string>(data(), m_size);
    for (std::size_t i = 0; i < count; ++i) {
        m_heap->append(parts[i]);
        m_size += parts[i].size();
    }
}

}  // namespace corvane
