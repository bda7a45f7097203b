// Puzzles as text: the layouts people paste, what is not a cell, and files with several puzzles.
#include "PuzzleFileIndex.h"
#include "PuzzleText.h"
#include "TemporaryFolderTest.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

const std::string kPuzzle = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kOther = "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";

// The rows of a puzzle (or of its first rows) one a line, each row's cells joined by `between`
// and empty cells written as `empty`.
std::string NineLines(const std::string& puzzle, const std::string& between = "", char empty = '.',
                      const std::string& lineEnd = "\n")
{
    std::string text;
    for (size_t row = 0; row < puzzle.size() / 9; ++row) {
        for (size_t column = 0; column < 9; ++column) {
            const char c = puzzle[row * 9 + column];
            text += (c == '.' ? empty : c);
            if (column < 8)
                text += between;
        }
        text += lineEnd;
    }
    return text;
}

std::string DrawnGrid(const std::string& puzzle, const std::string& rule, const std::string& border,
                      const std::string& bar)
{
    std::string text = rule + "\n";
    for (size_t row = 0; row < 9; ++row) {
        text += bar;
        for (size_t column = 0; column < 9; ++column) {
            text += " ";
            text += puzzle[row * 9 + column];
            if (column % 3 == 2)
                text += " " + bar;
        }
        text += "\n";
        if (row % 3 == 2)
            text += (row == 8 ? border : rule) + "\n";
    }
    return text;
}

struct LayoutCase {
    const char* name;
    std::string text;
    std::string board;  // the 81 cells expected, '.' for empty
};

TEST(PuzzleText, EveryCommonLayoutGivesTheSameBoard)
{
    std::string zeros = kPuzzle;
    std::replace(zeros.begin(), zeros.end(), '.', '0');
    std::string boxGrid = "┌───────┬───────┬───────┐\n";
    for (size_t row = 0; row < 9; ++row) {
        boxGrid += "│";
        for (size_t column = 0; column < 9; ++column) {
            boxGrid += std::string(" ") + kPuzzle[row * 9 + column];
            if (column % 3 == 2)
                boxGrid += " │";
        }
        boxGrid += "\n";
        if (row == 2 || row == 5)
            boxGrid += "├───────┼───────┼───────┤\n";
    }
    boxGrid += "└───────┴───────┴───────┘\n";
    const LayoutCase cases[] = {
        {"one line of dots", kPuzzle, kPuzzle},
        {"one line of zeros", zeros, kPuzzle},
        {"one line, trailing newline and blanks", "  " + kPuzzle + "  \n\n", kPuzzle},
        {"nine lines of nine", NineLines(kPuzzle), kPuzzle},
        {"nine lines, blanks between cells", NineLines(kPuzzle, " "), kPuzzle},
        {"nine lines, tabs and underscores", NineLines(kPuzzle, "\t", '_'), kPuzzle},
        {"nine lines, question marks, CRLF", NineLines(kPuzzle, "", '?', "\r\n"), kPuzzle},
        {"nine lines, stars, old Mac line ends", NineLines(kPuzzle, " ", '*', "\r"), kPuzzle},
        {"bands apart with blank lines", NineLines(kPuzzle.substr(0, 27)) + "\n" + NineLines(kPuzzle.substr(27, 27))
                                             + "\n\n" + NineLines(kPuzzle.substr(54)),
         kPuzzle},
        {"grid drawn with | - +", DrawnGrid(kPuzzle, "+-------+-------+-------+", "+-------+-------+-------+", "|"),
         kPuzzle},
        {"grid drawn with star corners", DrawnGrid(kPuzzle, "*-------+-------+-------*", "*-----------------------*", "|"),
         kPuzzle},
        {"grid drawn with = and dotted corners", DrawnGrid(kPuzzle, ".=======.=======.=======.", "'======================='", ":"),
         kPuzzle},
        {"grid drawn with box-drawing characters", boxGrid, kPuzzle},
        {"rows separated by dashes only", NineLines(kPuzzle.substr(0, 27)) + "---------\n"
                                              + NineLines(kPuzzle.substr(27)),
         kPuzzle},
        {"cells separated by commas", [] {
             std::string csv;
             for (size_t cell = 0; cell < 81; ++cell)
                 csv += std::string(1, kPuzzle[cell] == '.' ? '0' : kPuzzle[cell]) + (cell % 9 == 8 ? "\n" : ",");
             return csv;
         }(),
         kPuzzle},
    };
    for (const LayoutCase& c : cases) {
        const PuzzleText text = ReadPuzzleText(c.text);
        EXPECT_EQ(text.cellCount, 81u) << c.name << ":\n" << c.text;
        EXPECT_TRUE(text.IsBoard()) << c.name;
        EXPECT_EQ(text.puzzle.ToLine(), c.board) << c.name;
    }
}

TEST(PuzzleText, CaptionsCommentsAndNotesAddNoCells)
{
    const LayoutCase cases[] = {
        {"caption with a number", "Puzzle 1:\n" + NineLines(kPuzzle), kPuzzle},
        {"caption after the grid", NineLines(kPuzzle) + "Solution: page 42\n", kPuzzle},
        {"numbered caption with dots", "No. 17 (hard)\n" + NineLines(kPuzzle, " "), kPuzzle},
        {"count before a word", "17 clues\n" + kPuzzle, kPuzzle},
        {"comment lines", "# from the collection, 2024\n#12\n" + kPuzzle + "\n", kPuzzle},
        {"comment after the puzzle", kPuzzle + " # 3 stars, 0.5 s\n", kPuzzle},
        {"note after the puzzle", kPuzzle + " rated 7.2 by 3 solvers\n", kPuzzle},
        {"note after each row", [] {
             std::string text;
             for (size_t row = 0; row < 9; ++row)
                 text += kPuzzle.substr(row * 9, 9) + "   row " + std::to_string(row + 1) + "\n";
             return text;
         }(),
         kPuzzle},
        {"row labels of one letter", [] {
             std::string text;
             for (size_t row = 0; row < 9; ++row)
                 text += std::string(1, static_cast<char>('A' + row)) + " " + kPuzzle.substr(row * 9, 9) + "\n";
             return text;
         }(),
         kPuzzle},
    };
    for (const LayoutCase& c : cases) {
        const PuzzleText text = ReadPuzzleText(c.text);
        EXPECT_EQ(text.cellCount, 81u) << c.name << ":\n" << c.text;
        EXPECT_EQ(text.puzzle.ToLine(), c.board) << c.name;
    }
}

TEST(PuzzleText, NonAsciiTextIsReadAsUtf8)
{
    std::string fullwidth;
    for (const char c : kPuzzle) {
        if (c == '.')
            fullwidth += "\xEF\xBC\x90";  // fullwidth 0
        else
            fullwidth += std::string("\xEF\xBC") + static_cast<char>('\x90' + (c - '0'));
    }
    std::string latin1 = NineLines(kPuzzle);
    latin1.insert(0, "R\xE4tsel f\xFCr Anf\xE4nger 1\n");  // Latin-1, not UTF-8
    const LayoutCase cases[] = {
        {"German caption", "Sudoku für Anfänger — Nr. 12\n" + NineLines(kPuzzle), kPuzzle},
        {"Cyrillic caption", "Судоку №5\n" + NineLines(kPuzzle), kPuzzle},
        {"Japanese caption", "数独 問題 3\n" + NineLines(kPuzzle), kPuzzle},
        {"stars and emoji", "★★★ 🧩\n" + kPuzzle, kPuzzle},
        {"no-break spaces between cells", NineLines(kPuzzle, "\xC2\xA0"), kPuzzle},
        {"middle dots between cells", NineLines(kPuzzle, "·"), kPuzzle},
        {"fullwidth digits", fullwidth, kPuzzle},
        {"Latin-1 caption", latin1, kPuzzle},
        {"byte order mark", "\xEF\xBB\xBF" + kPuzzle, kPuzzle},
        {"overlong and stray bytes", "\xE0\x80\xB1\xC0\xB1\xFF\xFE\x80 " + kPuzzle + "\xF0\x9F", kPuzzle},
    };
    for (const LayoutCase& c : cases) {
        const PuzzleText text = ReadPuzzleText(c.text);
        EXPECT_EQ(text.cellCount, 81u) << c.name;
        EXPECT_EQ(text.puzzle.ToLine(), c.board) << c.name;
    }
}

struct CountCase {
    const char* name;
    std::string text;
    size_t cells;
};

TEST(PuzzleText, TextsWithoutExactlyOneBoardReportWhatTheyHold)
{
    const CountCase cases[] = {
        {"nothing", "", 0},
        {"only words", "Nothing to see here.\n", 0},
        {"a short line", kPuzzle.substr(0, 64), 64},
        {"eight rows", NineLines(kPuzzle).substr(0, 80), 72},
        {"one cell too many", kPuzzle + "5", 82},
        {"two puzzles", kPuzzle + "\n" + kOther + "\n", 162},
        {"puzzle and its solution", NineLines(kPuzzle, " ") + "\n" + NineLines(kOther, " "), 162},
    };
    for (const CountCase& c : cases) {
        const PuzzleText text = ReadPuzzleText(c.text);
        EXPECT_EQ(text.cellCount, c.cells) << c.name;
        EXPECT_FALSE(text.IsBoard()) << c.name;
    }
}

TEST(PuzzleText, CellsPastTheCountAreEmptyAndTheFirst81AreKept)
{
    PuzzleText text = ReadPuzzleText("123");
    EXPECT_EQ(text.puzzle.ToLine(), "123" + std::string(78, '.'));
    text = ReadPuzzleText(kOther + kPuzzle);
    EXPECT_EQ(text.cellCount, 162u);
    EXPECT_EQ(text.puzzle.ToLine(), kOther);
}

TEST(PuzzleText, TenMegabytesAreCountedWhole)
{
    std::string manyPuzzles;
    const std::string line = kPuzzle + "\n";
    while (manyPuzzles.size() < 10 * 1024 * 1024)
        manyPuzzles += line;
    const size_t puzzles = manyPuzzles.size() / line.size();
    EXPECT_EQ(ReadPuzzleText(manyPuzzles).cellCount, puzzles * 81);

    const std::string oneLine(10 * 1024 * 1024, '7');
    EXPECT_EQ(ReadPuzzleText(oneLine).cellCount, oneLine.size());

    std::string accents;
    while (accents.size() < 10 * 1024 * 1024)
        accents += "é";
    EXPECT_EQ(ReadPuzzleText(accents).cellCount, 0u);
    EXPECT_EQ(ReadPuzzleText(accents + "\n" + kPuzzle).cellCount, 81u);
}

TEST(PuzzleText, WritingGivesOneLineThatReadsBack)
{
    Puzzle values = Puzzle::FromLine(kPuzzle);
    EXPECT_EQ(values.ToLine(), kPuzzle);
    EXPECT_EQ(ReadPuzzleText(values.ToLine()).puzzle, values);
    values[2] = -2;
    values[3] = 0;
    values[4] = 10;
    EXPECT_EQ(values.ToLine(), "53..." + kPuzzle.substr(5));
    EXPECT_EQ(Puzzle::FromLine("12").ToLine('?'), "12" + std::string(79, '?')) << "a short line ends in empty cells";
}

class PuzzleFileTest : public TemporaryFolderTest {
protected:
    // The first puzzle of a file as Open takes it, or the cells the file held.
    PuzzleText ReadFile(const std::string& name, const std::string& bytes)
    {
        PuzzleFileIndex index;
        EXPECT_TRUE(index.Build(WriteFile(name, bytes))) << name;
        PuzzleText text;
        text.isBoard = index.Count() > 0 && index.Read(0, text.puzzle) == PuzzleFileIndex::ReadResult::Read;
        text.cellCount = text.isBoard ? 81 : index.CellCount();
        return text;
    }
};

struct FileCase {
    const char* name;
    std::string bytes;
    size_t cells;
    std::string board;  // checked when cells is 81
};

TEST_F(PuzzleFileTest, TheFirstPuzzleOfAFile)
{
    std::string puzzleAndSolution = kPuzzle + kOther;
    const FileCase cases[] = {
        {"one line", kPuzzle, 81, kPuzzle},
        {"collection, one a line", "# two puzzles\n" + kPuzzle + "\n" + kOther + "\n", 81, kPuzzle},
        {"collection with ratings", kOther + "  2.3\n" + kPuzzle + "  9.1\n", 81, kOther},
        {"puzzle and solution on one line", puzzleAndSolution + "\n" + kOther + "\n", 81, kPuzzle},
        {"drawn grids with captions", "Puzzle 1\n" + DrawnGrid(kOther, "+---+", "+---+", "|") + "\nPuzzle 2\n"
                                          + DrawnGrid(kPuzzle, "+---+", "+---+", "|"),
         81, kOther},
        {"nine lines, then more", NineLines(kPuzzle, " ", '0', "\r\n") + "\r\n" + kOther + "\r\n", 81, kPuzzle},
        {"no line end at the end", NineLines(kPuzzle).substr(0, 89), 81, kPuzzle},
        {"too few cells", kPuzzle.substr(0, 64) + "\n", 64, ""},
        {"nothing", "", 0, ""},
        {"grids side by side", [] {
             std::string text;
             for (size_t row = 0; row < 9; ++row)
                 text += kPuzzle.substr(row * 9, 9) + "   " + kOther.substr(row * 9, 9) + "\n";
             return text;
         }(),
         162, ""},
        {"stray cells before a one-line puzzle", "12345\n" + kPuzzle + "\n", 81, kPuzzle},
        {"eight rows, a caption, then a grid", NineLines(kOther).substr(0, 80) + "Puzzle 2\n" + NineLines(kPuzzle), 81,
         kPuzzle},
    };
    for (const FileCase& c : cases) {
        const PuzzleText text = ReadFile("puzzles.txt", c.bytes);
        EXPECT_EQ(text.cellCount, c.cells) << c.name;
        EXPECT_EQ(text.IsBoard(), c.cells == 81) << c.name;
        if (c.cells == 81) {
            EXPECT_EQ(text.puzzle.ToLine(), c.board) << c.name;
        }
    }
}

// What a line reader found, one entry a line: a puzzle, or "lines <first>-<last>: <kind> <cells>".
class FoundInText : public PuzzleTextReceiver {
public:
    bool OnPuzzle(const Puzzle& puzzle) override
    {
        found.push_back(puzzle.ToLine());
        return true;
    }
    void OnProblem(const PuzzleTextProblem& problem) override
    {
        const char* kinds[] = {"not a puzzle", "not UTF-8", "too long", "not text", "among words"};
        found.push_back("lines " + std::to_string(problem.firstLine) + "-" + std::to_string(problem.lastLine) + ": "
                        + kinds[static_cast<int>(problem.kind)] + " " + std::to_string(problem.cellCount));
    }
    std::vector<std::string> found;
};

struct StreamCase {
    const char* name;
    std::string text;
    std::vector<std::string> found;
};

TEST(PuzzleLineReader, DividesATextIntoPuzzlesAndReportsTheRest)
{
    const std::string bom = "\xEF\xBB\xBF";
    const StreamCase cases[] = {
        {"one a line, CRLF, byte-order marks where files were joined",
         bom + kPuzzle + "\r\n" + bom + kOther + "\r\n" + bom + kPuzzle, {kPuzzle, kOther, kPuzzle}},
        {"a short line between", kPuzzle + "\n12345\n" + kOther, {kPuzzle, "lines 2-2: not a puzzle 5", kOther}},
        {"a grid one cell short, then a grid", NineLines(kOther).substr(0, 88) + "\n" + NineLines(kPuzzle),
         {"lines 1-9: not a puzzle 80", kPuzzle}},
        {"every line a cell short", kPuzzle.substr(0, 80) + "\n" + kOther.substr(0, 80) + "\n" + kPuzzle,
         {"lines 1-1: not a puzzle 80", "lines 2-2: not a puzzle 80", kPuzzle}},
        {"eight rows and a caption", NineLines(kOther).substr(0, 80) + "Puzzle 2\n" + NineLines(kPuzzle),
         {"lines 1-8: not a puzzle 72", kPuzzle}},
        {"letters for empty cells, and captions", "Puzzle 12 (3 stars)\n53xx7xxxx6xx195xxxx98xxxx6x8xxx6xxx34xx8\n# 1 2 3 4 5 6 7 8 9\n" + kOther,
         {"lines 2-2: among words 15", kOther}},
        {"middle dots for empty cells", "53··7····6··195····98····6·8···6···34··8·3··17···2···6·6····28····419··5····8··79",
         {"lines 1-1: not a puzzle 30"}},
        {"not UTF-8, CR line ends", kPuzzle + "\r" + kOther + "\xC0\xB1\r" + kPuzzle, {kPuzzle, "lines 2-2: not UTF-8 0", kPuzzle}},
        {"cut inside a character", kPuzzle + "\n" + kOther + "\xE2\x80", {kPuzzle, "lines 2-2: not UTF-8 0"}},
        {"a NUL byte stops", kPuzzle + "\n1" + std::string(1, '\0') + "2\n" + kOther, {kPuzzle, "lines 2-2: not text 0"}},
        {"an overlong line", std::string(kMaxLineBytes + 1, '7') + "\n" + kOther, {"lines 1-1: too long 0", kOther}},
    };
    for (const StreamCase& c : cases) {
        FoundInText found;
        PuzzleLineReader reader(found);
        // In two pieces cut mid-line, as blocks of a stream come.
        if (reader.Feed(std::string_view(c.text).substr(0, c.text.size() / 2 + 1))
            && reader.Feed(std::string_view(c.text).substr(c.text.size() / 2 + 1)))
            reader.Finish();
        EXPECT_EQ(found.found, c.found) << c.name;
    }
}

TEST_F(PuzzleFileTest, ReadingStopsAtTheFirstPuzzle)
{
    std::string collection;
    while (collection.size() < 10 * 1024 * 1024)
        collection += kOther + "\n" + kPuzzle + "\n";
    std::istringstream in(collection);
    const PuzzleText text = ReadFirstPuzzle(in);
    EXPECT_EQ(text.puzzle.ToLine(), kOther);
    EXPECT_LT(static_cast<size_t>(in.tellg()), collection.size() / 10) << "read far beyond the first line";
}

// A different puzzle for each n: its digits in base 9 spread over empty cells.
std::string Numbered(std::size_t n)
{
    std::string line(81, '.');
    for (std::size_t digit = 0; digit < 6; ++digit, n /= 9)
        line[digit * 13] = static_cast<char>('1' + n % 9);
    return line;
}

std::string Many(std::size_t count, std::string (*write)(std::size_t))
{
    std::string text;
    for (std::size_t n = 0; n < count; ++n)
        text += write(n);
    return text;
}

class AllPuzzles : public PuzzleTextReceiver {
public:
    bool OnPuzzle(const Puzzle& puzzle) override { return found.push_back(puzzle.ToLine()), true; }
    void OnProblem(const PuzzleTextProblem&) override {}
    std::vector<std::string> found;
};

TEST_F(PuzzleFileTest, ACollectionReadsAgainAtEveryPuzzleAsOnePassFindsIt)
{
    const std::string rows[] = {
        Many(300, [](std::size_t n) { return Numbered(n) + "\n"; }),
        Many(150, [](std::size_t n) { return "Puzzle " + std::to_string(n) + "\r\n" + Numbered(n).insert(40, "\r\n") + "\r\n"; }),
        Many(200, [](std::size_t n) { return Numbered(n) + (n % 7 == 0 ? "\r12345\r" : "\r"); }),  // lone CRs
        Many(140, [](std::size_t n) { return Numbered(n).insert(4, "\n") + "\n"; }),  // a row split in two
        "# none\n" + std::string(kMaxLineBytes + 10, '7') + "\n12345\n",
    };
    for (const std::string& text : rows) {
        AllPuzzles all;
        PuzzleLineReader reader(all);
        reader.Feed(text);
        reader.Finish();
        PuzzleFileIndex index;
        ASSERT_TRUE(index.Build(WriteFile("many.txt", text)));
        ASSERT_EQ(index.Count(), all.found.size()) << text.substr(0, 100);
        for (std::size_t at = all.found.size(); at-- > 0;) {  // backwards: each read starts afresh
            Puzzle puzzle;
            ASSERT_EQ(index.Read(at, puzzle), PuzzleFileIndex::ReadResult::Read) << at;
            ASSERT_EQ(puzzle.ToLine(), all.found[at]) << at;
        }
        Puzzle untouched;
        EXPECT_EQ(index.Read(all.found.size(), untouched), PuzzleFileIndex::ReadResult::Changed);
        EXPECT_EQ(untouched, Puzzle());
    }
}

}  // namespace

TEST_F(PuzzleFileTest, AMoveReadsOnlyNearItsPuzzleHoweverLongTheCommentsBeforeIt)
{
    const std::filesystem::path path = WriteFile("far.txt", Many(20'000, [](std::size_t) { return "#" + std::string(98, '-') + "\n"; }) + kPuzzle);
    PuzzleFileIndex index;
    ASSERT_TRUE(index.Build(path));
    const auto modified = std::filesystem::last_write_time(path);  // kept: puzzles over all but the last 300 kB, unseen
    for (std::fstream file(path, std::ios::in | std::ios::out | std::ios::binary); file.tellp() < 1'700'000;)
        file << kOther + std::string(18, ' ') + "\n";
    std::filesystem::last_write_time(path, modified);
    Puzzle puzzle;
    EXPECT_TRUE(index.Read(0, puzzle) == PuzzleFileIndex::ReadResult::Read && puzzle.ToLine() == kPuzzle);
}
