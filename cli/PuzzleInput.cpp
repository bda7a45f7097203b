#include "PuzzleInput.h"

#include "BoardFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

bool IsBlank(const std::string& line)
{
    return std::all_of(line.begin(), line.end(), [](unsigned char c) { return std::isspace(c) != 0; });
}

bool HasSdfExtension(const std::string& argument)
{
    std::string extension = std::filesystem::path(argument).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".sdf";
}

// Splits a stream into lines and hands each complete line on.
class LineReader {
public:
    LineReader(const std::string& sourceName, PuzzleReceiver& receiver) : m_sourceName(sourceName), m_receiver(receiver)
    {
    }

    // False when the block holds a NUL byte: reading stops there.
    bool Take(const char* bytes, size_t count)
    {
        for (size_t i = 0; i < count; ++i) {
            const char c = bytes[i];
            const bool afterCr = m_afterCr;
            m_afterCr = c == '\r';
            if (c == '\n' && afterCr)
                continue;  // the second half of a CRLF
            if (c == '\n' || c == '\r') {
                EndLine();
            } else if (c == '\0') {
                m_receiver.OnError(Where(m_lineNumber + 1) + "holds a NUL byte; this is not a text file, reading stopped");
                return false;
            } else if (m_line.size() < kMaxLineLength) {
                m_line += c;
            } else {
                m_overlong = true;  // the rest of the line is dropped as it comes
            }
        }
        return true;
    }

    void Finish()
    {
        if (!m_line.empty() || m_overlong)
            EndLine();
    }

    std::string Where(long lineNumber) const { return m_sourceName + ":" + std::to_string(lineNumber) + ": "; }

private:
    void EndLine()
    {
        ++m_lineNumber;
        if (m_lineNumber == 1 && m_line.compare(0, 3, kByteOrderMark) == 0)
            m_line.erase(0, 3);
        if (m_overlong) {
            m_receiver.OnError(Where(m_lineNumber) + "the line is longer than 1 MiB; skipped");
        } else if (IsBlank(m_line) || m_line.front() == '#') {
            // nothing to solve
        } else if (m_line.size() < static_cast<size_t>(kCellCount)) {
            m_receiver.OnError(Where(m_lineNumber) + "the line has " + std::to_string(m_line.size())
                               + " characters; a puzzle needs 81");
        } else {
            m_receiver.OnPuzzle(Puzzle::FromLine(m_line));
        }
        m_line.clear();
        m_overlong = false;
    }

    const std::string& m_sourceName;
    PuzzleReceiver& m_receiver;
    std::string m_line;
    long m_lineNumber = 0;
    bool m_afterCr = false;
    bool m_overlong = false;
};

}  // namespace

std::string QuotedName(const std::string& name)
{
    static const char kHex[] = "0123456789abcdef";
    std::string quoted = "'";
    for (const char c : name) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\n') {
            quoted += "\\n";
        } else if (c == '\t') {
            quoted += "\\t";
        } else if (c == '\r') {
            quoted += "\\r";
        } else if (byte < 0x20 || byte == 0x7f) {
            quoted += "\\x";
            quoted += kHex[byte >> 4];
            quoted += kHex[byte & 0xf];
        } else {
            quoted += c;
        }
    }
    return quoted + "'";
}

void ReadPuzzleLines(std::istream& in, const std::string& sourceName, PuzzleReceiver& receiver)
{
    LineReader lines(sourceName, receiver);
    std::streambuf& input = *in.rdbuf();
    char block[1 << 16];
    try {
        for (;;) {
            std::streamsize available = input.in_avail();
            if (available <= 0) {
                receiver.OnInputWait();
                if (input.sgetc() == std::char_traits<char>::eof())
                    break;
                available = std::max<std::streamsize>(input.in_avail(), 1);
            }
            const std::streamsize count = input.sgetn(block, std::min<std::streamsize>(available, sizeof block));
            if (count <= 0)
                break;
            if (!lines.Take(block, static_cast<size_t>(count)))
                return;
        }
    } catch (const std::ios_base::failure&) {
        // The stream buffer reports a failed read (a folder as standard input, an I/O error) so.
        receiver.OnError(sourceName + ": reading stopped: " + std::strerror(errno));
        return;
    }
    lines.Finish();
}

void ReadPuzzleArgument(const std::string& argument, PuzzleReceiver& receiver)
{
    if (argument == "-") {
        ReadPuzzleLines(std::cin, "<stdin>", receiver);
        return;
    }
    std::error_code ignored;
    const bool exists = std::filesystem::exists(argument, ignored);
    if (!exists && argument.size() == static_cast<size_t>(kCellCount) && argument.find('/') == std::string::npos) {
        receiver.OnPuzzle(Puzzle::FromLine(argument));
        return;
    }
    const std::string name = QuotedName(argument);
    if (!exists) {
        receiver.OnError("cannot open " + name + ": no such file, and "
                         + (argument.size() == static_cast<size_t>(kCellCount) ? "a puzzle holds no '/'" : "not an 81-character puzzle"));
        return;
    }
    if (std::filesystem::is_directory(argument, ignored)) {
        receiver.OnError("cannot read " + name + ": it is a directory");
        return;
    }
    if (HasSdfExtension(argument)) {
        Puzzle puzzle;
        if (ReadBoardFile(argument, puzzle))
            receiver.OnPuzzle(puzzle);
        else
            receiver.OnError("cannot read " + name + ": " + std::strerror(errno));
        return;
    }
    std::ifstream file(argument, std::ios::binary);
    if (!file) {
        receiver.OnError("cannot open " + name + ": " + std::strerror(errno));
        return;
    }
    ReadPuzzleLines(file, name.substr(1, name.size() - 2), receiver);
}
