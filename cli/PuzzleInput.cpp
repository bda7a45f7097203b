#include "PuzzleInput.h"

#include "FilePrefix.h"
#include "PuzzleText.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <vector>

namespace {

bool HasSdfExtension(const std::string& argument)
{
    std::string extension = std::filesystem::path(argument).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".sdf";
}

std::string Cells(std::size_t count)
{
    return std::to_string(count) + (count == 1 ? " cell" : " cells");
}

// Hands the reader's puzzles on, and its problems as messages that say where they are.
class SourceMessages : public PuzzleTextReceiver {
public:
    SourceMessages(const std::string& sourceName, PuzzleReceiver& receiver)
        : m_sourceName(sourceName), m_receiver(receiver)
    {
    }

    bool OnPuzzle(const Puzzle& puzzle) override
    {
        ++m_puzzles;
        m_receiver.OnPuzzle(puzzle);
        return true;
    }

    void OnProblem(const PuzzleTextProblem& problem) override
    {
        ++m_problems;
        std::string where = m_sourceName + ":" + std::to_string(problem.firstLine);
        if (problem.lastLine != problem.firstLine)
            where += "-" + std::to_string(problem.lastLine);
        where += ": ";
        switch (problem.kind) {
        case PuzzleTextProblem::Kind::NotAPuzzle:
            m_receiver.OnError(where + (problem.lastLine != problem.firstLine ? "the lines hold " : "the line holds ")
                               + Cells(problem.cellCount) + "; a puzzle needs 81");
            break;
        case PuzzleTextProblem::Kind::NotUtf8:
            m_receiver.OnError(where + "the line is not UTF-8 text; skipped");
            break;
        case PuzzleTextProblem::Kind::TooLong:
            m_receiver.OnError(where + "the line is longer than 1 MiB; skipped");
            break;
        case PuzzleTextProblem::Kind::AmongWords:
            m_receiver.OnError(where + "the line holds words among its " + Cells(problem.cellCount)
                               + "; read as a note, not as a puzzle");
            break;
        case PuzzleTextProblem::Kind::NotText:
            m_receiver.OnError(where + "holds a NUL byte; this is not a text file, reading stopped");
            break;
        }
    }

    // Words without a single puzzle are no collection of puzzles, though no line is wrong as such.
    void Finish(const PuzzleLineReader& reader)
    {
        if (m_puzzles == 0 && m_problems == 0 && reader.NoteLines() > 0)
            m_receiver.OnError(m_sourceName + ": holds no puzzle, only words");
    }

private:
    const std::string& m_sourceName;
    PuzzleReceiver& m_receiver;
    long m_puzzles = 0;
    long m_problems = 0;
};

// An argument that names no file: the puzzles it holds itself, or none when any part of it is no
// puzzle.
std::vector<Puzzle> PuzzlesOfArgument(const std::string& argument)
{
    class Collect : public PuzzleTextReceiver {
    public:
        bool OnPuzzle(const Puzzle& puzzle) override
        {
            puzzles.push_back(puzzle);
            return true;
        }
        void OnProblem(const PuzzleTextProblem&) override { wrong = true; }

        std::vector<Puzzle> puzzles;
        bool wrong = false;
    } collect;
    PuzzleLineReader reader(collect);
    if (reader.Feed(argument))
        reader.Finish();
    if (collect.wrong)
        collect.puzzles.clear();
    return collect.puzzles;
}

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
    SourceMessages messages(sourceName, receiver);
    PuzzleLineReader reader(messages);
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
            if (!reader.Feed(std::string_view(block, static_cast<size_t>(count))))
                return;
        }
    } catch (const std::ios_base::failure&) {
        // The stream buffer reports a failed read (a folder as standard input, an I/O error) so.
        receiver.OnError(sourceName + ": reading stopped: " + std::strerror(errno));
        return;
    }
    reader.Finish();
    messages.Finish(reader);
}

void ReadPuzzleArgument(const std::string& argument, PuzzleReceiver& receiver)
{
    if (argument == "-") {
        ReadPuzzleLines(std::cin, "<stdin>", receiver);
        return;
    }
    std::error_code ignored;
    const std::string name = QuotedName(argument);
    if (!std::filesystem::exists(argument, ignored)) {
        const std::vector<Puzzle> puzzles = PuzzlesOfArgument(argument);
        if (puzzles.empty())
            receiver.OnError("cannot open " + name + ": no such file, and not a puzzle");
        for (const Puzzle& puzzle : puzzles)
            receiver.OnPuzzle(puzzle);
        return;
    }
    if (std::filesystem::is_directory(argument, ignored)) {
        receiver.OnError("cannot read " + name + ": it is a directory");
        return;
    }
    if (HasSdfExtension(argument)) {
        // Opened without waiting, so a FIFO given as a board never blocks the run.
        std::string bytes;
        std::string reason;
        if (!ReadFilePrefix(argument, kCellCount, bytes, &reason))
            receiver.OnError("cannot read " + name + ": " + reason);
        else if (bytes.size() < static_cast<size_t>(kCellCount))
            receiver.OnError("cannot read " + name + ": the file holds " + std::to_string(bytes.size())
                             + (bytes.size() == 1 ? " byte" : " bytes") + "; a saved board needs 81");
        else
            receiver.OnPuzzle(Puzzle::FromLine(bytes));
        return;
    }
    std::ifstream file(argument, std::ios::binary);
    if (!file) {
        receiver.OnError("cannot open " + name + ": " + std::strerror(errno));
        return;
    }
    ReadPuzzleLines(file, name.substr(1, name.size() - 2), receiver);
}
