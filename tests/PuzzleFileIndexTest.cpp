// A file of many puzzles read again at any puzzle: the same puzzles as one pass of the reader, and
// a clear answer once the file is not the one indexed.
#include "PuzzleFileIndex.h"
#include "PuzzleText.h"
#include "TemporaryFolderTest.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <string>
#include <vector>

namespace {

// A different valid-looking puzzle for each n: its number's digits spread over empty cells.
std::string NumberedPuzzle(std::size_t n)
{
    std::string line(81, '.');
    for (std::size_t digit = 0; digit < 6; ++digit, n /= 9)
        line[digit * 13] = static_cast<char>('1' + n % 9);
    return line;
}

class AllPuzzles : public PuzzleTextReceiver {
public:
    bool OnPuzzle(const Puzzle& puzzle) override
    {
        found.push_back(puzzle.ToLine());
        return true;
    }
    void OnProblem(const PuzzleTextProblem&) override {}
    std::vector<std::string> found;
};

std::vector<std::string> ReadInOnePass(const std::string& text)
{
    AllPuzzles all;
    PuzzleLineReader reader(all);
    if (reader.Feed(text))
        reader.Finish();
    return all.found;
}

class PuzzleFileIndexTest : public TemporaryFolderTest {};

TEST_F(PuzzleFileIndexTest, EveryPuzzleReadsAsOnePassFindsIt)
{
    const auto build = [](std::size_t count, auto&& write) {
        std::string text;
        for (std::size_t n = 0; n < count; ++n)
            text += write(n);
        return text;
    };
    const struct {
        const char* name;
        std::string text;
    } rows[] = {
        {"one a line", build(300, [](std::size_t n) { return NumberedPuzzle(n) + "\n"; })},
        {"nine lines under a caption, CRLF", build(150, [](std::size_t n) {
             std::string grid = "Puzzle " + std::to_string(n) + "\r\n";
             for (std::size_t row = 0; row < 9; ++row)
                 grid += NumberedPuzzle(n).substr(row * 9, 9) + "\r\n";
             return grid;
         })},
        {"lone CR line ends, stray short lines", build(200, [](std::size_t n) {
             return NumberedPuzzle(n) + (n % 7 == 0 ? "\r12345\r" : "\r");
         })},
        {"nine lines without captions, a row split in two", build(140, [](std::size_t n) {
             const std::string puzzle = NumberedPuzzle(n);
             return puzzle.substr(0, 4) + "\n" + puzzle.substr(4) + "\n";
         })},
        {"the last without a line end", build(130, [](std::size_t n) { return "\n" + NumberedPuzzle(n); })},
        {"none: notes and a huge line", "# nothing here\n" + std::string(kMaxLineBytes + 10, '7') + "\n12345\n"},
    };
    for (const auto& row : rows) {
        const std::vector<std::string> expected = ReadInOnePass(row.text);
        PuzzleFileIndex index;
        ASSERT_TRUE(index.Build(WriteFile("many.txt", row.text))) << row.name;
        ASSERT_EQ(index.Count(), expected.size()) << row.name;
        // Backwards, so that each read starts afresh rather than where the last stopped.
        for (std::size_t at = expected.size(); at-- > 0;) {
            Puzzle puzzle;
            ASSERT_EQ(index.Read(at, puzzle), PuzzleFileIndex::ReadResult::Read) << row.name << " " << at;
            ASSERT_EQ(puzzle.ToLine(), expected[at]) << row.name << " " << at;
        }
        Puzzle untouched = Puzzle::FromLine(NumberedPuzzle(1));
        EXPECT_EQ(index.Read(expected.size(), untouched), PuzzleFileIndex::ReadResult::Changed) << row.name;
        EXPECT_EQ(untouched.ToLine(), NumberedPuzzle(1)) << row.name;
    }
}

TEST_F(PuzzleFileIndexTest, AFileChangedOrGoneIsToldApart)
{
    std::string text;
    for (std::size_t n = 0; n < 100; ++n)
        text += NumberedPuzzle(n) + "\n";
    using Result = PuzzleFileIndex::ReadResult;
    const struct {
        const char* name;
        void (*change)(const std::filesystem::path& file, const std::string& text);
        Result result;
    } rows[] = {
        {"unchanged", [](const std::filesystem::path&, const std::string&) {}, Result::Read},
        {"grown", [](const std::filesystem::path& file, const std::string& text) {
             std::ofstream(file, std::ios::binary) << text << text;
         }, Result::Changed},
        {"shrunk", [](const std::filesystem::path& file, const std::string&) {
             std::filesystem::resize_file(file, 82 * 10);
         }, Result::Changed},
        {"replaced by another of the same size", [](const std::filesystem::path& file, const std::string& text) {
             std::ofstream(file.string() + ".new", std::ios::binary) << text;
             std::filesystem::rename(file.string() + ".new", file);
         }, Result::Changed},
        {"removed", [](const std::filesystem::path& file, const std::string&) { std::filesystem::remove(file); },
         Result::Unreadable},
        {"a FIFO in its place", [](const std::filesystem::path& file, const std::string&) {
             std::filesystem::remove(file);
             ::mkfifo(file.c_str(), 0600);
         }, Result::Unreadable},
    };
    for (const auto& row : rows) {
        const std::filesystem::path file = folder / (std::string(row.name) + ".txt");
        WriteFile(file.filename().string(), text);
        PuzzleFileIndex index;
        ASSERT_TRUE(index.Build(file)) << row.name;
        row.change(file, text);
        Puzzle puzzle;
        EXPECT_EQ(index.Read(50, puzzle), row.result) << row.name;
        if (row.result == Result::Read) {
            EXPECT_EQ(puzzle.ToLine(), NumberedPuzzle(50));
        }
    }
}

}  // namespace
