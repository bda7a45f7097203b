// The saved-board file (.sdf): exactly 81 bytes, one per cell, row by row from the top left.
// A digit is stored as its ASCII character "1".."9", an empty cell as "?". On reading, every byte
// other than "1".."9" is an empty cell, so files from any source open without complaint.
#pragma once

#include "Puzzle.h"

#include <filesystem>
#include <string>

// Why a save failed. The system's error number, when it gave one, is kept too: its own words say
// more than the reason (a full disk, a folder without write permission).
struct BoardSaveFailure {
    enum class Reason { NotARegularFile, ReadOnly, NotCreated, NotWritten, NotReplaced };
    Reason reason = Reason::NotCreated;
    int systemError = 0;  // errno; 0 when the system gave none
};

// Reads the board into puzzle. Bytes beyond the 81st are never read;
// cells past the end of a shorter file are empty. Returns false, leaving puzzle untouched, when
// the file cannot be opened or read or is not a regular file (a FIFO or a device never blocks it).
bool ReadBoardFile(const std::filesystem::path& path, Puzzle& puzzle);

// Writes the board's 81 cell bytes, as ReplaceFileContent does.
bool WriteBoardFile(const std::filesystem::path& path, const Puzzle& puzzle, BoardSaveFailure* failure = nullptr);

// Writes bytes as the file's whole content. The content goes to a new file in the same folder first
// ("<name>.saving-NNNNNN", flushed to the disk) and replaces the old file only once it is
// complete, so a failed save never damages what was there; such files left by a save that was
// killed are removed by the next save of the same file, while one that another save is still
// writing (it holds a lock on it) is left alone. A replaced file keeps its mode, and its owner and
// group where the system permits. A symbolic link is written through: the file it names gets the
// content and the link stays. A read-only file, or anything but a regular file, is refused. Returns
// false on failure, with why in *failure when given.
bool ReplaceFileContent(const std::filesystem::path& path, const std::string& bytes,
                        BoardSaveFailure* failure = nullptr);
