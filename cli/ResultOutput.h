// Standard output for the results, written in large blocks. A write that fails ends the run: the
// caller must never report success for results that did not arrive.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// Thrown when a write fails; error is the errno value (EPIPE: the reader has gone).
struct WriteFailure {
    int error;
};

class ResultOutput {
public:
    explicit ResultOutput(std::FILE* file);
    ~ResultOutput() = default;
    ResultOutput(const ResultOutput&) = delete;
    ResultOutput& operator=(const ResultOutput&) = delete;

    void Write(std::string_view bytes)
    {
        m_buffer += bytes;
        if (m_buffer.size() >= kBlockSize)
            Flush();
    }
    // Hands everything written so far to the file; throws WriteFailure.
    void Flush();

private:
    static constexpr size_t kBlockSize = size_t{1} << 16;
    std::FILE* m_file;
    std::string m_buffer;
};
