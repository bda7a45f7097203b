// The saved-board file, on real files in a temporary folder.
#include "BoardFile.h"
#include "TemporaryFolderTest.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

class BoardFileTest : public TemporaryFolderTest {
protected:
    static std::string ValuesText(const int values[81])
    {
        std::string text;
        for (int cell = 0; cell < 81; ++cell)
            text += values[cell] == -1 ? '.' : static_cast<char>('0' + values[cell]);
        return text;
    }
    std::string ReadAsText(const fs::path& path)
    {
        int values[81];
        EXPECT_TRUE(ReadBoardFile(path, values)) << path;
        return ValuesText(values);
    }
};

TEST_F(BoardFileTest, SavedCornersGiveTheDocumentedBytesAndReadBack)
{
    int values[81];
    std::fill(values, values + 81, -1);
    values[0] = 5;
    values[80] = 3;
    const fs::path path = folder / "corners.sdf";
    ASSERT_TRUE(WriteBoardFile(path, values));
    EXPECT_EQ(ReadBytes(path), "5" + std::string(79, '?') + "3");
    EXPECT_EQ(ReadAsText(path), "5" + std::string(79, '.') + "3");
}

TEST_F(BoardFileTest, RoundTripKeepsEveryCell)
{
    const std::string puzzle = "4.....8.5.3..........7......2.....6.....8.4......1.......6.3.7.5..2.....1.4......";
    int values[81];
    for (int cell = 0; cell < 81; ++cell)
        values[cell] = puzzle[static_cast<size_t>(cell)] == '.' ? -1 : puzzle[static_cast<size_t>(cell)] - '0';
    const fs::path path = folder / "round.sdf";
    ASSERT_TRUE(WriteBoardFile(path, values));
    EXPECT_EQ(fs::file_size(path), 81u);
    EXPECT_EQ(ReadAsText(path), puzzle);
}

struct ReadCase {
    const char* name;
    std::string bytes;
    std::string board;  // '.' for an empty cell
};

TEST_F(BoardFileTest, ReadingTakesBytesPositionally)
{
    std::string nineLines;
    for (int row = 1; row <= 9; ++row)
        nineLines += "123456789\r\n";
    std::string shiftedByLineEnds;
    for (int i = 0; i < 81; ++i) {
        const char c = nineLines[static_cast<size_t>(i)];
        shiftedByLineEnds += (c >= '1' && c <= '9') ? c : '.';
    }
    const ReadCase cases[] = {
        {"zeros, blanks and NULs are empty", std::string(27, '0') + std::string(27, ' ') + std::string(27, '\0'),
         std::string(81, '.')},
        {"nine lines with CR LF shift later cells", nineLines, shiftedByLineEnds},
        {"bytes after the 81st are ignored", std::string(81, '7') + "123", std::string(81, '7')},
        {"short file: cells after its end are empty", "12345677", "12345677" + std::string(73, '.')},
        {"empty file is an empty board", "", std::string(81, '.')},
        {"junk bytes are empty cells", std::string("\x80\xff\x01?x-") + std::string(75, '\xfe'), std::string(81, '.')},
    };
    for (const ReadCase& c : cases)
        EXPECT_EQ(ReadAsText(WriteFile("case.sdf", c.bytes)), c.board) << c.name;
}

TEST_F(BoardFileTest, MissingFileOrFolderIsNotReadAndLeavesValuesAlone)
{
    int values[81];
    std::fill(values, values + 81, 4);
    EXPECT_FALSE(ReadBoardFile(folder / "missing.sdf", values));
    EXPECT_FALSE(ReadBoardFile(folder, values));
    EXPECT_EQ(ValuesText(values), std::string(81, '4'));
}

TEST_F(BoardFileTest, SavingReplacesALongerFileWhole)
{
    const fs::path path = WriteFile("old.sdf", std::string(200, '9'));
    int values[81];
    std::fill(values, values + 81, 2);
    ASSERT_TRUE(WriteBoardFile(path, values));
    EXPECT_EQ(ReadBytes(path), std::string(81, '2'));
    EXPECT_EQ(FileCount(), 1) << "no file left behind";
}

TEST_F(BoardFileTest, FailedWriteKeepsTheOldFileAndSaysWhy)
{
    const std::string old = "1" + std::string(80, '?');
    const fs::path path = WriteFile("kept.sdf", old);
    int values[81];
    std::fill(values, values + 81, 8);

    // A file size limit makes the write itself fail part-way, for any user, root included.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 40;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    std::string error;
    const bool written = WriteBoardFile(path, values, &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FileCount(), 1) << "no partial file left";
}

TEST_F(BoardFileTest, UnwritableFolderFailsAndKeepsTheOldFile)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not bind root; the file size test covers failed writes";
    const std::string old = std::string(81, '6');
    const fs::path path = WriteFile("kept.sdf", old);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    int values[81];
    std::fill(values, values + 81, 1);
    std::string error;
    EXPECT_FALSE(WriteBoardFile(path, values, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_EQ(ReadBytes(path), old);
}

TEST_F(BoardFileTest, SavingIntoAMissingFolderFails)
{
    int values[81];
    std::fill(values, values + 81, -1);
    std::string error;
    EXPECT_FALSE(WriteBoardFile(folder / "no-such-folder" / "board.sdf", values, &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
