#include "ResultOutput.h"

#include <cerrno>

ResultOutput::ResultOutput(std::FILE* file) : m_file(file)
{
    // The blocks are large already; the file's own buffer would only copy them again.
    std::setvbuf(m_file, nullptr, _IONBF, 0);
    m_buffer.reserve(kBlockSize * 2);
}

void ResultOutput::Flush()
{
    if (m_buffer.empty())
        return;
    errno = 0;
    const size_t written = std::fwrite(m_buffer.data(), 1, m_buffer.size(), m_file);
    if (written != m_buffer.size() || std::fflush(m_file) != 0)
        throw WriteFailure{errno != 0 ? errno : EIO};
    m_buffer.clear();
}
