// The text file of several puzzles opened last, and the place in it of the puzzle on the board.
// It stays open until another file is opened or it can no longer be read.
#pragma once

#include "Engine.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>

class PuzzleFileIndex;

struct CollectionPlace {
    // 1-based: the puzzle opened last; 0 when the file, changed since, no longer holds it there.
    std::size_t number = 0;
    std::size_t count = 0;
    std::filesystem::path path;
    std::size_t previous = 0;  // where PreviousPuzzle and NextPuzzle go; 0 where there is none
    std::size_t next = 0;
    // The line of a NUL byte that ended the text, the puzzles after it uncounted; 0 when none.
    long notTextLine = 0;
};

struct CollectionMove {
    enum class Result {
        Moved,
        NoSuchPuzzle,  // no collection, or the number is outside 1..count; nothing changed
        // The file is not as it was when opened: it has been read again (the place tells the new
        // count) and the board is left as it was, for the person to choose again.
        Changed,
        Unreadable,    // the file can no longer be read or holds no puzzle now: the collection closes
    } result = Result::NoSuchPuzzle;
};

class CollectionFile {
public:
    // Opens the file's index at its first puzzle; null closes the collection.
    void Open(std::shared_ptr<const PuzzleFileIndex> index);
    // Opens the text file at path again at puzzle number (1-based); false, and closed, when the
    // file holds no such puzzle or fewer than two.
    bool Reopen(const std::filesystem::path& path, std::size_t number);
    bool IsOpen() const { return m_index != nullptr; }
    std::optional<CollectionPlace> Place() const;
    bool HasPrevious() const;
    bool HasNext() const;

    // Reads puzzle number (1-based) into puzzle and moves there. onBoard, the puzzle the place
    // stands for, tells whether a file that changed still holds it there.
    CollectionMove Go(std::size_t number, const Puzzle& onBoard, Puzzle& puzzle);

private:
    // Shared by copies, as it never changes once read.
    std::shared_ptr<const PuzzleFileIndex> m_index;
    std::size_t m_position = 0;  // 0-based
    // False once the file, read again, no longer holds that puzzle there; the moves still go from
    // where it stood.
    bool m_puzzleOnBoard = true;
};
