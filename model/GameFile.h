// The game file (.sdg): a game as text a person can read and mail. Its first line is the puzzle's
// 81 cells, so whatever reads the first puzzle of a text gets the puzzle; every later line is a
// comment to puzzle readers ("# "):
//
//   53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79
//   # Vantrel Orvandel game 1
//   # state: set                    (or "entering": the first line holds the digits being entered)
//   # my digits: on                 (or "off")
//   # own digits: ..46.....(81)     the person's digits, "." where none
//   # marks: r1c6=28 r2c2=47        the person's marks, cell by cell
//   # revealed: r1c9=2 r2c3         cells revealed; "=digit" when a hint placed that digit there
//   # removed by hints: r3c1=1      candidates the hints taken removed
//   # collection: /home/me/top95.txt
//   # number: 12                    the puzzle's place in that collection, from 1
//   # end
//
// Reading keeps what is sound and says what it dropped: work in a given's cell, a digit that
// clashes with a given of its row, column or square, a line it does not understand, whatever
// follows the puzzle in a later version's file, and the tail of a file cut short or longer than
// any game. It never reads more than kMaxGameFileBytes.
#pragma once

#include "BoardFile.h"
#include "Game.h"

#include <bitset>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::size_t kMaxGameFileBytes = std::size_t{64} << 10;

// Parts of a game file that were read but not taken, in the order a message names them.
enum class GameFilePart {
    State,         // the state line
    MyDigits,      // the My Digits line
    OwnDigits,     // own digits
    Marks,         // marks
    Revealed,      // revealed cells and the hints' digits
    Removed,       // candidates removed by hints
    Collection,    // the collection and number
    UnknownLines,  // lines of no known kind
    LaterVersion,  // all but the puzzle: the file is of a later version
    CutShort,      // the file ends before its end line
    TooLong,       // the file is longer than kMaxGameFileBytes; the rest was not read
};
inline constexpr std::size_t kGameFilePartCount = static_cast<std::size_t>(GameFilePart::TooLong) + 1;

struct GameFileReading {
    Game game;
    std::bitset<kGameFilePartCount> dropped;

    bool Dropped(GameFilePart part) const { return dropped.test(static_cast<std::size_t>(part)); }
};

// The game as the file's text.
std::string GameFileText(const Game& game);
// The game in a text; none when the text is no game file (its second line names none, or its first
// is not a puzzle). cutAtBound: the text is the start of a longer file.
std::optional<GameFileReading> ReadGameFileText(std::string_view text, bool cutAtBound = false);

// The game in the file at path; none when the file cannot be read or is no game file.
std::optional<GameFileReading> ReadGameFile(const std::filesystem::path& path);
// Writes the game as ReplaceFileContent writes, so a failed save leaves the old file whole.
bool WriteGameFile(const std::filesystem::path& path, const Game& game, BoardSaveFailure* failure = nullptr);
