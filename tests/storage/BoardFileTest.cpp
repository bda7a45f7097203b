// The saved-board file, on real files in a temporary folder.
#include "BoardFile.h"
#include "TemporaryFolderTest.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <thread>
#include <tuple>
#include <sys/resource.h>
#include <sys/stat.h>

namespace {

namespace fs = std::filesystem;

class BoardFileTest : public TemporaryFolderTest {
protected:
    std::string ReadAsText(const fs::path& path)
    {
        Puzzle puzzle;
        EXPECT_TRUE(ReadBoardFile(path, puzzle)) << path;
        return puzzle.ToLine();
    }
};

TEST_F(BoardFileTest, SavedCornersGiveTheDocumentedBytesAndReadBack)
{
    Puzzle values;
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
    const Puzzle values = Puzzle::FromLine(puzzle);
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
    Puzzle values = Puzzle::FromLine(std::string(81, '4'));
    EXPECT_FALSE(ReadBoardFile(folder / "missing.sdf", values));
    EXPECT_FALSE(ReadBoardFile(folder, values));
    EXPECT_EQ(values.ToLine(), std::string(81, '4'));
}

TEST_F(BoardFileTest, SavingReplacesALongerFileWhole)
{
    const fs::path path = WriteFile("old.sdf", std::string(200, '9'));
    Puzzle values = Puzzle::FromLine(std::string(81, '2'));
    ASSERT_TRUE(WriteBoardFile(path, values));
    EXPECT_EQ(ReadBytes(path), std::string(81, '2'));
    EXPECT_EQ(FileCount(), 1) << "no file left behind";
}

TEST_F(BoardFileTest, FailedWriteKeepsTheOldFileAndSaysWhy)
{
    const std::string old = "1" + std::string(80, '?');
    const fs::path path = WriteFile("kept.sdf", old);
    Puzzle values = Puzzle::FromLine(std::string(81, '8'));

    // A file size limit makes the write itself fail part-way, for any user, root included.
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    struct rlimit small = saved;
    small.rlim_cur = 40;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    BoardSaveFailure failure;
    const bool written = WriteBoardFile(path, values, &failure);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(failure.reason, BoardSaveFailure::Reason::NotWritten);
    EXPECT_EQ(failure.systemError, EFBIG);
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
    Puzzle values = Puzzle::FromLine(std::string(81, '1'));
    BoardSaveFailure failure;
    EXPECT_FALSE(WriteBoardFile(path, values, &failure));
    EXPECT_EQ(failure.reason, BoardSaveFailure::Reason::NotCreated);
    EXPECT_EQ(failure.systemError, EACCES);
    EXPECT_EQ(ReadBytes(path), old);
}

TEST_F(BoardFileTest, SavingIntoAMissingFolderFails)
{
    const Puzzle values;
    BoardSaveFailure failure;
    EXPECT_FALSE(WriteBoardFile(folder / "no-such-folder" / "board.sdf", values, &failure));
    EXPECT_EQ(failure.reason, BoardSaveFailure::Reason::NotCreated);
    EXPECT_EQ(failure.systemError, ENOENT);
}

TEST_F(BoardFileTest, FifosAndDevicesAreRefusedWithoutWaiting)
{
    const fs::path fifo = folder / "fifo.sdf";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", folder / "endless.sdf");
    Puzzle values = Puzzle::FromLine(std::string(81, '4'));
    for (const fs::path& path : {fifo, folder / "endless.sdf", fs::path("/dev/null")})
        EXPECT_FALSE(ReadBoardFile(path, values)) << path;
    EXPECT_EQ(values.ToLine(), std::string(81, '4'));
}

TEST_F(BoardFileTest, StaleTemporariesOfTheSameBoardGoOnTheNextSave)
{
    const fs::path board = WriteFile("b.sdf", std::string(81, '1'));
    const std::string stale[] = {"b.sdf.saving-000042", "b.sdf.saving-7"};
    const std::string kept[] = {"b.sdf.saving-notes", "c.sdf.saving-000042", "b.sdf.saving-1234567"};
    for (const std::string& name : stale)
        WriteFile(name, "x");
    for (const std::string& name : kept)
        WriteFile(name, "x");
    Puzzle values = Puzzle::FromLine(std::string(81, '3'));
    ASSERT_TRUE(WriteBoardFile(board, values));
    for (const std::string& name : stale)
        EXPECT_FALSE(fs::exists(folder / name)) << name;
    for (const std::string& name : kept)
        EXPECT_TRUE(fs::exists(folder / name)) << name;
    EXPECT_EQ(ReadBytes(board), std::string(81, '3'));
}

TEST_F(BoardFileTest, SavesOfOneBoardAtTheSameTimeAllSucceed)
{
    // Each save's clean-up of stale temporaries runs while the other save writes its own.
    const fs::path board = folder / "shared.sdf";
    int failures[2] = {0, 0};
    const auto saveRepeatedly = [&](int saver) {
        const Puzzle values = Puzzle::FromLine(std::string(81, static_cast<char>('1' + saver)));
        for (int round = 0; round < 100; ++round)
            failures[saver] += WriteBoardFile(board, values) ? 0 : 1;
    };
    std::thread other(saveRepeatedly, 0);
    saveRepeatedly(1);
    other.join();
    EXPECT_EQ(failures[0] + failures[1], 0);
    const std::string saved = ReadBytes(board);
    EXPECT_TRUE(saved == std::string(81, '1') || saved == std::string(81, '2')) << saved;
    EXPECT_EQ(FileCount(), 1) << "no temporary file left";
}

TEST_F(BoardFileTest, SavingOverAFileKeepsItsOwnerAndMode)
{
    const fs::path path = WriteFile("owned.sdf", std::string(81, '9'));
    // Only the superuser may give a file away; anyone keeps the mode, whatever the umask.
    const uid_t owner = ::geteuid() == 0 ? 4242 : ::geteuid();
    const gid_t group = ::geteuid() == 0 ? 4343 : ::getegid();
    ASSERT_EQ(::chown(path.c_str(), owner, group) | ::chmod(path.c_str(), 0641), 0);
    const mode_t umask = ::umask(077);
    EXPECT_TRUE(WriteBoardFile(path, Puzzle::FromLine(std::string(81, '4'))));
    ::umask(umask);
    struct stat saved {};
    ASSERT_EQ(::stat(path.c_str(), &saved), 0);
    EXPECT_EQ(std::tuple(saved.st_uid, saved.st_gid, saved.st_mode & 07777), std::tuple(owner, group, 0641u));
}

TEST_F(BoardFileTest, ALinkIsWrittenThroughAndStaysALink)
{
    fs::create_directory(folder / "boards");
    const fs::path real = WriteFile("boards/real.sdf", std::string(81, '1'));
    const fs::path link = folder / "link.sdf";
    fs::create_symlink("boards/real.sdf", link);
    Puzzle values = Puzzle::FromLine(std::string(81, '5'));
    ASSERT_TRUE(WriteBoardFile(link, values));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), std::string(81, '5'));
}

TEST_F(BoardFileTest, AReadOnlyFileIsRefusedAndKept)
{
    const fs::path path = WriteFile("read-only.sdf", std::string(81, '7'));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read);
    Puzzle values = Puzzle::FromLine(std::string(81, '2'));
    BoardSaveFailure failure;
    EXPECT_FALSE(WriteBoardFile(path, values, &failure));
    EXPECT_EQ(failure.reason, BoardSaveFailure::Reason::ReadOnly);
    EXPECT_EQ(failure.systemError, 0);
    EXPECT_EQ(ReadBytes(path), std::string(81, '7'));
}

TEST_F(BoardFileTest, NamesUpToTheFileSystemsLimitAreSaved)
{
    // 255 bytes each; in the second the temporary name's cut falls inside the two bytes of an "é".
    const std::string names[] = {std::string(251, 'n') + ".sdf",
                                 std::string(240, 'n') + "\xc3\xa9" + std::string(9, 'm') + ".sdf"};
    for (const std::string& name : names) {
        const Puzzle values = Puzzle::FromLine(std::string(81, '6'));
        BoardSaveFailure failure;
        EXPECT_TRUE(WriteBoardFile(folder / name, values, &failure)) << name.size() << ": " << failure.systemError;
        EXPECT_EQ(ReadBytes(folder / name), std::string(81, '6'));
        ASSERT_TRUE(WriteBoardFile(folder / name, values, &failure)) << "again, over the first";
    }
    EXPECT_EQ(FileCount(), 2) << "no temporary file left";
}

}  // namespace
