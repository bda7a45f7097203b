// A text file of many puzzles, read once through to count them and note where to start reading
// again, so that any one of them is then read from near its place rather than from the top: a
// move reads some tens of kilobytes, more only where one line, or lines that may yet make a puzzle,
// run longer. The puzzles are the ones PuzzleLineReader finds; none of them is kept in memory.
#pragma once

#include "Puzzle.h"

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

// The most of a file that is looked at: many times the largest collection in use, and a bound on
// what opening an endless file can cost. Puzzles past it are not counted.
inline constexpr std::size_t kMaxCollectionBytes = std::size_t{256} << 20;

class PuzzleFileIndex {
public:
    enum class ReadResult {
        Read,
        Unreadable,  // the file can no longer be opened or read, or is no longer a regular file
        Changed,     // the file is not the one indexed: written to, shrunk or replaced since
    };

    // Reads the regular file at path (a symbolic link is followed) through once. Returns false,
    // leaving the index as it was, when the file cannot be opened or read or is anything but a
    // regular file (which is never read, so a FIFO cannot block). The reason goes to *error.
    bool Build(const std::filesystem::path& path, std::string* error = nullptr);

    const std::filesystem::path& Path() const { return m_path; }
    std::size_t Count() const { return m_count; }
    // The cells of the text read, for saying what a file without puzzles held.
    std::size_t CellCount() const { return m_cellCount; }
    // The line (from 1) holding a NUL byte, where reading stopped since the file is no text from
    // there on, so the puzzles after it are not counted; 0 when there is none.
    long NotTextLine() const { return m_notTextLine; }

    // Reads puzzle `index` (0-based, below Count()) into puzzle; anything but Read leaves it as it was.
    ReadResult Read(std::size_t index, Puzzle& puzzle) const;

private:
    // A line start at which reading can begin afresh, and the puzzles before it.
    struct Resume {
        std::size_t offset;
        std::size_t puzzlesBefore;
    };
    // What tells this file from a changed one.
    struct Stamp {
        unsigned long long device = 0;
        unsigned long long inode = 0;
        long long size = 0;
        std::timespec modified{};

        bool operator==(const Stamp& other) const;
    };
    static bool StampOf(int descriptor, Stamp& stamp, std::string* error);

    std::filesystem::path m_path;
    Stamp m_stamp;
    std::size_t m_count = 0;
    std::size_t m_cellCount = 0;
    long m_notTextLine = 0;
    std::vector<Resume> m_resumes;  // by offset; the first at the file's start
};
