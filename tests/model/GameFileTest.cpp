// The game file: a game comes back whole, and a damaged file gives its puzzle and the sound rest.
#include "GameFile.h"
#include "PuzzleText.h"
#include "TemporaryFolderTest.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr const char* kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// Own digits r1c3=4 and r1c4=6, marks in r1c6 and r2c2, r1c9 revealed by a hint (2), r2c3 by Solve Cell,
// 1 removed from r3c1.
Game WorkedGame()
{
    Game game;
    game.puzzle = Puzzle::FromLine(kPuzzle);
    game.set = game.ownDigitsOn = true;
    game.ownDigits[2] = 4;
    game.ownDigits[3] = 6;
    game.ownMarks[5] = 0b010000010;  // 2 and 8
    game.ownMarks[10] = 0b001001000;  // 4 and 7
    game.revealed.set(8).set(11);
    game.hintPlaced[8] = 2;
    game.struck[18] = 0b000000001;  // 1
    game.collection = "/home/me/top 95.txt";
    game.number = 12;
    return game;
}

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    return text.replace(text.find(from), from.size(), to);
}

TEST(GameFileTest, GamesComeBackWhole)
{
    Game entering;
    entering.puzzle = Puzzle::FromLine("12.4");
    Game plain;
    plain.puzzle = Puzzle::FromLine(kPuzzle);
    plain.set = true;
    const std::pair<const char*, Game> rows[] = {{"worked", WorkedGame()}, {"entering", entering}, {"plain", plain}};
    for (const auto& [name, game] : rows) {
        const std::string text = GameFileText(game);
        const std::optional<GameFileReading> read = ReadGameFileText(text);
        ASSERT_TRUE(read) << name;
        EXPECT_EQ(read->game, game) << name;
        EXPECT_TRUE(read->dropped.none()) << name;
        EXPECT_EQ(ReadPuzzleText(text).puzzle, game.puzzle) << name << ": the first puzzle of the text";
    }
}

TEST(GameFileTest, DamagedFilesKeepTheSoundPart)
{
    const std::string text = GameFileText(WorkedGame());
    using Part = GameFilePart;
    struct Row {
        const char* name;
        std::string text;
        Part dropped;
        std::function<bool(const Game&)> kept;
    };
    const Game worked = WorkedGame();
    const auto sameOwnDigits = [&](const Game& game) { return game.ownDigits == worked.ownDigits; };
    const Row rows[] = {
        {"cut short", text.substr(0, text.find("revealed")), Part::CutShort,
         [&](const Game& game) { return sameOwnDigits(game) && game.ownMarks == worked.ownMarks && game.revealed.none(); }},
        {"marks for a given", Replaced(text, "marks:", "marks: r1c1=3"), Part::Marks,
         [&](const Game& game) { return game.ownMarks == worked.ownMarks; }},
        {"mark a given rules out", Replaced(text, "r1c6=28", "r1c6=258"), Part::Marks,
         [&](const Game& game) { return game.ownMarks == worked.ownMarks; }},
        {"digit clashing with a given", Replaced(text, "..46", "..45"), Part::OwnDigits,
         [&](const Game& game) { return game.ownDigits[2] == 4 && game.ownDigits.IsEmpty(3); }},
        {"digit on a given", Replaced(text, "own digits: ..", "own digits: 1."), Part::OwnDigits, sameOwnDigits},
        {"a time of -1", Replaced(text, "end", "time: -1\nend"), Part::UnknownLines, sameOwnDigits},
        {"a number of 10^30", Replaced(text, "number: 12", "number: 1000000000000000000000000000000"),
         Part::Collection, [](const Game& game) { return game.collection.empty() && game.number == 0; }},
        {"hint digit clashing", Replaced(text, "r1c9=2", "r1c9=5"), Part::Revealed,
         [](const Game& game) { return game.revealed.test(8) && game.hintPlaced.IsEmpty(8); }},
        {"a later version", Replaced(text, "game 1", "game 2"), Part::LaterVersion,
         [](const Game& game) { return game.set && game.ownDigits == Puzzle() && !game.ownDigitsOn; }},
    };
    for (const Row& row : rows) {
        const std::optional<GameFileReading> read = ReadGameFileText(row.text);
        ASSERT_TRUE(read) << row.name;
        EXPECT_EQ(read->game.puzzle, worked.puzzle) << row.name;
        EXPECT_EQ(read->dropped.count(), 1u) << row.name;
        EXPECT_TRUE(read->Dropped(row.dropped)) << row.name;
        EXPECT_TRUE(row.kept(read->game)) << row.name;
    }
}

TEST(GameFileTest, OtherTextsAreNoGame)
{
    const std::pair<const char*, std::string> rows[] = {
        {"a puzzle", std::string(kPuzzle) + "\n"},
        {"no puzzle first", Replaced(GameFileText(WorkedGame()), "53..7", "")},
        {"empty", ""},
    };
    for (const auto& [name, text] : rows)
        EXPECT_FALSE(ReadGameFileText(text)) << name;
}

class GameFileOnDiskTest : public TemporaryFolderTest {};

TEST_F(GameFileOnDiskTest, HundredMegabytesOfMarksReadOnlyTheStart)
{
    const std::string text = GameFileText(WorkedGame());
    const std::size_t marksAt = text.find("marks:") + 6;
    const std::filesystem::path path = folder / "big.sdg";
    std::ofstream file(path, std::ios::binary);
    file << text.substr(0, marksAt);
    std::string megabyte;
    while (megabyte.size() < (1u << 20))
        megabyte += " r1c6=28";
    for (int count = 0; count < 100; ++count)
        file << megabyte;
    file << text.substr(marksAt);
    file.close();
    const std::optional<GameFileReading> read = ReadGameFile(path);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->game.ownDigits, WorkedGame().ownDigits);
    EXPECT_TRUE(read->Dropped(GameFilePart::TooLong));
}

}  // namespace
