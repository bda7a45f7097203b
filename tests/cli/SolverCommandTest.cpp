// orvandel-solve as a person or a script runs it: arguments, files, output and exit status.
#include "PuzzleInput.h"
#include "PuzzleText.h"
#include "TemporaryFolderTest.h"

#include <regex>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;

const std::string kEasy = "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kEasySolved =
    "534678912\n672195348\n198342567\n859761423\n426853791\n713924856\n961537284\n287419635\n345286179\n";
const std::string kRepeat = "11" + std::string(79, '.');
const std::string kNoSolution = "48.3............71.2.......1.5....6....2..8.............1.76...3.....4......5....";
// kEasySolved without a rectangle of four cells reading 3 1 / 1 3: two solutions, and one guess.
const std::string kTwoSolutions =
    "53467891267219534819834256785976.42.42685.79.713924856961537284287419635345286179";

struct CommandRun {
    std::string out;
    std::string err;
    int status = -1;
};

class SolverCommandTest : public TemporaryFolderTest {
protected:
    CommandRun Solve(const std::string& arguments, const std::string& input = "",
                     const std::string& outputTo = "stdout.txt", const std::string& errorsTo = "stderr.txt")
    {
        WriteFile("stdin.txt", input);
        const std::string command = std::string("cd '") + folder.string() + "' && '" + ORVANDEL_SOLVE + "' "
            + arguments + " < stdin.txt > " + outputTo + " 2> " + errorsTo;
        const int raw = std::system(command.c_str());
        CommandRun run;
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.out = ReadBytes(folder / "stdout.txt");
        run.err = ReadBytes(folder / "stderr.txt");
        return run;
    }
};

TEST_F(SolverCommandTest, PuzzleOnTheCommandLinePrintsGridAndVerdicts)
{
    const CommandRun run = Solve(kEasy);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, kEasySolved + "Status: OK\nSolved: YES\nUnique: YES\nRating: Easy\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(SolverCommandTest, StepsFollowTheVerdicts)
{
    const CommandRun run = Solve("--steps " + kEasy);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out.rfind(kEasySolved + "Status: OK\nSolved: YES\nUnique: YES\nRating: Easy\n", 0), 0u);
    EXPECT_NE(run.out.find("\nIn "), std::string::npos);
    EXPECT_EQ(run.out.find("Guessing"), std::string::npos) << "this one falls to logic alone";
}

TEST_F(SolverCommandTest, TechniquesReplaceTheStepsAndAddTheDifficulty)
{
    const std::string firstStep = "Hidden Single: in the square x=4..6, y=1..3, digit 8 fits only in cell (x=6, y=1), so it goes there.";
    const CommandRun steps = Solve("--techniques --steps " + kEasy + " " + kTwoSolutions);
    EXPECT_EQ(steps.status, 0);
    EXPECT_NE(steps.out.find("Rating: Easy\nDifficulty: 1.2 (hardest: Hidden Single)\n" + firstStep + "\n"), std::string::npos);
    EXPECT_EQ(steps.out.find("\nIn "), std::string::npos) << "the solver's sentences give way";
    EXPECT_NE(steps.out.find("Rating: Hard\nNo technique path: the puzzle does not have exactly one solution.\n"),
              std::string::npos);
    const CommandRun json = Solve("--techniques --json " + kEasy + " " + kTwoSolutions);
    EXPECT_NE(json.out.find(",\"rating\":\"Easy\",\"difficulty\":1.2,\"hardest\":\"Hidden Single\",\"techniques\":[{"
                            "\"technique\":\"Hidden Single\",\"difficulty\":1.2,\"sentence\":\"" + firstStep
                            + "\",\"cells\":[[6,1]],\"placed\":[[6,1,8]],\"removed\":[]},"), std::string::npos) << json.out;
    EXPECT_NE(json.out.find(",\"difficulty\":null,\"hardest\":null,\"techniques\":[]}\n"), std::string::npos);
}

TEST_F(SolverCommandTest, TraceAddsTheReplayAndEndsOnTheBoard)
{
    const std::string puzzles = kEasy + "\n" + kNoSolution + "\n" + kTwoSolutions + "\n";
    const CommandRun plain = Solve("--json -", puzzles);
    const CommandRun traced = Solve("--json --trace -", puzzles);
    std::istringstream plainLines(plain.out);
    std::istringstream tracedLines(traced.out);
    std::string plainLine;
    std::string line;
    int lines = 0;
    while (std::getline(plainLines, plainLine) && std::getline(tracedLines, line)) {
        ++lines;
        EXPECT_EQ(line.rfind(plainLine.substr(0, plainLine.size() - 1) + ",\"trace\":[{\"board\":\"", 0), 0u) << line;
        const std::string board = line.substr(line.find("\"board\":\"") + 9, 81);
        EXPECT_EQ(line.substr(line.rfind("{\"board\":\"") + 10, 81), board) << "the last step ends on the board";
        EXPECT_NE(line.find("\"candidates\":[\""), std::string::npos);
        EXPECT_NE(line.find("\"cells\":[["), std::string::npos);
    }
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(Solve("--trace -", puzzles).status, 2) << "a trace needs --json";
}

TEST_F(SolverCommandTest, FailuresGiveTheWindowsMessageAndStatusOne)
{
    const CommandRun repeat = Solve(kRepeat);
    EXPECT_EQ(repeat.status, 1);
    EXPECT_NE(repeat.out.find("Status: INCONSISTENT\nSolved: NO\nUnique: NO\n"
                              "This puzzle contains an inconsistency, it cannot be solved.\n"),
              std::string::npos);

    const CommandRun unsolvable = Solve(kNoSolution);
    EXPECT_EQ(unsolvable.status, 1);
    EXPECT_NE(unsolvable.out.find(
                  "Status: OK\nSolved: NO\nUnique: NO\nThis puzzle is unsolvable. Best guess so far will be shown.\n"),
              std::string::npos);
}

TEST_F(SolverCommandTest, StandardInputSkipsBlankAndCommentLinesAndIgnoresTails)
{
    const std::string input = "# a collection\n\n" + kEasy + " rated easy\r\n   \n" + kRepeat + "\n";
    const CommandRun run = Solve("--json", input);
    EXPECT_EQ(run.status, 1);
    const auto firstLineEnd = run.out.find('\n');
    ASSERT_NE(firstLineEnd, std::string::npos);
    EXPECT_EQ(run.out.substr(0, 11 + 81), "{\"puzzle\":\"" + kEasy);
    EXPECT_NE(run.out.find("\"result\":\"solved\",\"level\":0"), std::string::npos);
    EXPECT_NE(run.out.find("{\"puzzle\":\"" + kRepeat + "\",\"result\":\"inconsistent\",\"level\":0,\"board\":\"11."),
              std::string::npos);
    EXPECT_NE(run.out.find("\"steps\":[],\"unique\":false,\"rating\":null}\n"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 2);
}

TEST_F(SolverCommandTest, SeveralSolutionsAreReportedBesideTheOneFound)
{
    const CommandRun text = Solve(kTwoSolutions);
    EXPECT_EQ(text.status, 0) << "the solver still finds a solution";
    EXPECT_NE(text.out.find("Status: OK\nSolved: YES\nUnique: NO\nRating: Hard\n"), std::string::npos) << text.out;

    const CommandRun json = Solve("--json " + kTwoSolutions + " " + kEasy + " " + kNoSolution);
    std::istringstream lines(json.out);
    std::string line;
    const char* tails[] = {
        "],\"unique\":false,\"rating\":\"Hard\"}",
        "],\"unique\":true,\"rating\":\"Easy\"}",
        "],\"unique\":false,\"rating\":null}",
    };
    for (const std::string tail : tails) {
        ASSERT_TRUE(std::getline(lines, line));
        ASSERT_GE(line.size(), tail.size());
        EXPECT_EQ(line.substr(line.size() - tail.size()), tail);
    }
    EXPECT_FALSE(std::getline(lines, line));
}

TEST_F(SolverCommandTest, SavedBoardAndTextFilesAreBothRead)
{
    std::string sdf = kEasy;
    std::replace(sdf.begin(), sdf.end(), '.', '?');
    WriteFile("easy.SDF", sdf);
    WriteFile("list.txt", kEasy + "\n" + kEasy + "\n");
    const CommandRun run = Solve("--json easy.SDF list.txt");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 3);
}

struct ErrorCase {
    const char* name;
    std::string arguments;
    std::string input;
    std::string message;  // part of the error output
    int puzzlesSolved;     // output lines in --json mode
};

TEST_F(SolverCommandTest, InputErrorsNameWhatAndWhereAndGiveStatusTwo)
{
    const ErrorCase cases[] = {
        {"unknown option", "--fast", "", "unknown option '--fast'", 0},
        {"missing file", "--json nowhere.txt", "", "cannot open 'nowhere.txt'", 0},
        {"80 cells and a slash", "--json " + kEasy.substr(0, 80) + "/", "", "no such file, and not a puzzle", 0},
        {"control characters shown escaped", "--json \"$(printf 'a\\nb\\001')\"", "", "cannot open 'a\\nb\\x01'", 0},
        {"overlong line", "--json -", kEasy + "\n" + std::string(kMaxLineBytes + 1, '1') + "\n" + kEasy,
         "<stdin>:2: the line is longer than 1 MiB; skipped", 2},
        {"not text", "--json /dev/zero", "", "/dev/zero:1: holds a NUL byte; this is not a text file", 0},
        {"no jobs", "-j 0 " + kEasy, "", "the number of jobs must be 1 to", 0},
        {"two formats", "--json --csv " + kEasy, "", "--json and --csv cannot be combined", 0},
        {"folder", "--json .", "", "cannot read '.': it is a directory", 0},
        {"short line, the rest still solved", "--json -", kEasy + "\n12345\n" + kEasy + "\n",
         "<stdin>:2: the line holds 5 cells; a puzzle needs 81", 2},
        {"short line in a named file", "--json short.txt", "", "short.txt:1: the line holds 3 cells", 0},
        {"middle dots for empty cells", "--json -", "53··7····6··195····98····6·8···6···34··8·3··17···2···6·6····28····419··5····8··79\n",
         "<stdin>:1: the line holds 30 cells; a puzzle needs 81", 0},
        {"not UTF-8", "--json -", kEasy + "\xFF\n" + kEasy + "\n", "<stdin>:1: the line is not UTF-8 text", 1},
        {"words but no puzzle", "--json -", "Puzzle 1\n", "<stdin>: holds no puzzle", 0},
        {"a JSON line", "--json -", "{\"puzzle\":\"" + kEasy + "\"}\n" + kEasy, "<stdin>:1: the line holds words among its 81 cells", 1},
        {"a FIFO as a board", "--json fifo.sdf", "", "cannot read 'fifo.sdf': not a regular file", 0},
        {"an empty board file", "--json empty.sdf", "", "cannot read 'empty.sdf': the file holds 0 bytes", 0},
        {"a short board file", "--json short.sdf", "", "the file holds 40 bytes; a saved board needs 81", 0},
    };
    WriteFile("short.txt", "123\n");
    WriteFile("empty.sdf", "");
    WriteFile("short.sdf", kEasy.substr(0, 40));
    ASSERT_EQ(::mkfifo((folder / "fifo.sdf").c_str(), 0600), 0);
    for (const ErrorCase& c : cases) {
        const CommandRun run = Solve(c.arguments, c.input);
        EXPECT_EQ(run.status, 2) << c.name;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.name << ": " << run.err;
        EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), c.puzzlesSolved) << c.name;
    }
}

TEST_F(SolverCommandTest, HelpAndVersion)
{
    const CommandRun help = Solve("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: orvandel-solve [OPTIONS] [PUZZLE ...]\n", 0), 0u);
    EXPECT_EQ(Solve("-h").out, help.out);
    const CommandRun version = Solve("--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("orvandel-solve ") + ORVANDEL_VERSION + "\n");
}

TEST_F(SolverCommandTest, LineEndsAndByteOrderMarkDoNotChangeThePuzzles)
{
    const std::string lines[] = {
        kEasy + "\n" + kRepeat + "\n",
        "\xEF\xBB\xBF" + kEasy + "\r\n" + kRepeat,
        kEasy + "\r" + kRepeat + "\r",
        "\xEF\xBB\xBF# comment\r\r" + kEasy + "\r\n\r" + kRepeat + "\n",
    };
    const std::string expected = Solve("--json", lines[0]).out;
    ASSERT_EQ(std::count(expected.begin(), expected.end(), '\n'), 2);
    for (const std::string& input : lines) {
        const CommandRun run = Solve("--json", input);
        EXPECT_EQ(run.out, expected) << input;
        EXPECT_EQ(run.err, "") << input;
    }
}

TEST_F(SolverCommandTest, TextMeansWhatTheWindowReadsInIt)
{
    std::string fullwidth;  // kEasy with fullwidth digits and fullwidth 0 for the empty cells
    for (const char c : kEasy)
        fullwidth += std::string("\xEF\xBC") + static_cast<char>('\x90' + (c == '.' ? 0 : c - '0'));
    std::string grid;  // nine lines of nine, blanks between the cells
    for (size_t cell = 0; cell < kEasy.size(); ++cell)
        grid += std::string(1, kEasy[cell]) + (cell % 9 == 8 ? "\n" : " ");
    const std::string bom = "\xEF\xBB\xBF";
    const std::string expected = Solve("--csv", kEasy + "\n" + kRepeat + "\n" + kEasy + "\n" + kRepeat + "\n").out;
    const std::pair<const char*, std::string> inputs[] = {
        {"fullwidth digits", fullwidth + "\n" + kRepeat + "\n" + fullwidth + "\n" + kRepeat},
        {"nine-line grids", grid + kRepeat + "\n" + grid + kRepeat},
        {"files joined, each with its byte-order mark", bom + kEasy + "\n" + kRepeat + "\n" + bom + kEasy + "\n" + kRepeat},
    };
    for (const auto& [name, input] : inputs) {
        const CommandRun run = Solve("--csv", input);
        EXPECT_EQ(run.out, expected) << name;
        EXPECT_EQ(run.err, "") << name;
        EXPECT_EQ(run.status, 1) << name;
    }
    WriteFile("grid.txt", grid);
    EXPECT_EQ(Solve("--csv grid.txt \"$(cat grid.txt)\"").out, Solve("--csv " + kEasy + " " + kEasy).out);
}

TEST_F(SolverCommandTest, AFailedWriteOfAnAnswerOrTheSummaryIsAnOutputError)
{
    for (const char* arguments : {"--version", "--help"}) {
        const CommandRun run = Solve(arguments, "", "/dev/full");
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_NE(run.err.find("No space left on device"), std::string::npos) << arguments;
    }
    EXPECT_EQ(Solve("--summary " + kEasy, "", "stdout.txt", "/dev/full").status, 2);
    EXPECT_EQ(Solve("--summary " + kEasy).status, 0);
}

TEST_F(SolverCommandTest, CsvNumbersThePuzzlesAcrossArgumentsAndSummaryCountsThem)
{
    const CommandRun run = Solve("--csv --summary " + kEasy + " " + kRepeat + " -", kTwoSolutions + "\n");
    EXPECT_EQ(run.status, 1);
    std::string solution = kEasySolved;
    solution.erase(std::remove(solution.begin(), solution.end(), '\n'), solution.end());
    EXPECT_EQ(run.out.substr(0, run.out.rfind("\n3,")),
              "number,puzzle,result,unique,rating,level,solution\n1," + kEasy + ",solved,true,Easy,0," + solution
                  + "\n2," + kRepeat + ",inconsistent,false,,0," + kRepeat);
    EXPECT_EQ(run.out.find("3," + kTwoSolutions + ",solved,false,Hard,1,"), run.out.rfind("\n3,") + 1);
    EXPECT_NE(run.err.find(": 3 puzzles: 2 solved, 0 unsolvable, 1 inconsistent; 1 unique; "
                           "1 Easy, 0 Mild, 1 Hard, 0 RiverAzevod; "),
              std::string::npos)
        << run.err;
}

TEST_F(SolverCommandTest, StrictCountsSeveralSolutionsAsNotSolved)
{
    EXPECT_EQ(Solve("--csv " + kTwoSolutions).status, 0);
    EXPECT_EQ(Solve("--csv --strict " + kTwoSolutions).status, 1);
    EXPECT_EQ(Solve("--csv --strict " + kEasy).status, 0);
}

TEST_F(SolverCommandTest, ParallelRunsWriteWhatOneThreadWritesInInputOrder)
{
    // More puzzles than one batch holds, with input errors among them.
    std::ifstream collection(std::string(ORVANDEL_TEST_DATA) + "/magictour_top1465.txt");
    std::string input;
    std::string line;
    for (int i = 0; i < 1100 && std::getline(collection, line); ++i)
        input += line + (i % 500 == 7 ? "\n12345\n" : "\n");
    for (const char* format : {"--steps", "--json", "--csv"}) {
        const CommandRun one = Solve(std::string(format) + " -j 1", input);
        ASSERT_EQ(one.status, 2) << format;
        ASSERT_EQ(std::count(one.err.begin(), one.err.end(), '\n'), 3) << format;
        const CommandRun three = Solve(std::string(format) + " --jobs=3 - " + kNoSolution, input);
        EXPECT_EQ(three.status, 2) << format;
        EXPECT_EQ(three.err, one.err) << format;
        EXPECT_EQ(three.out.substr(0, one.out.size()), one.out) << format;
        EXPECT_GT(three.out.size(), one.out.size()) << format;
    }
}

TEST_F(SolverCommandTest, GeneratedPuzzlesAreLinesThatSolveToTheRatingAskedFor)
{
    const CommandRun one = Solve("--generate 3 --seed 5 --rating mild -j 1");
    EXPECT_EQ(one.status, 0);
    EXPECT_EQ(one.err, "");
    EXPECT_TRUE(std::regex_match(one.out, std::regex("([.1-9]{81}\n){3}"))) << one.out;
    EXPECT_EQ(Solve("--generate=3 --seed=5 --rating=MILD -j 2").out, one.out);
    std::string puzzles = one.out;
    std::replace(puzzles.begin(), puzzles.end(), '\n', ' ');
    const CommandRun solved = Solve(puzzles);
    EXPECT_EQ(solved.status, 0);
    int mild = 0;
    for (size_t at = 0; (at = solved.out.find("Rating: Mild\n", at)) != std::string::npos; ++at)
        ++mild;
    EXPECT_EQ(mild, 3) << solved.out;
    const CommandRun json = Solve("--json --generate 3 --seed 5 --rating mild");
    EXPECT_EQ(json.out.find("{\"puzzle\":\"" + one.out.substr(0, 81) + "\",\"result\":\"solved\""), 0u) << json.out;
    for (const char* bad : {"--generate 3 --rating tricky", "--generate 0", "--generate", "--generate 2 --seed -1",
                            "--seed 4", "--generate 2 --steps", "--difficulty 2-3", "--generate 1 --difficulty 4.5-2.0",
                            "--generate 1 --difficulty 0.5-2", "--generate 1 --difficulty 3", "--generate 1 --difficulty 2-x",
                            "--generate 1 --difficulty inf-inf", "--generate 1 --difficulty 1-inf",
                            "--generate 1 --difficulty nan-nan", "--attempts 5", "--generate 1 --attempts 0"})
        EXPECT_EQ(Solve(bad).status, 2) << bad;
    EXPECT_NE(Solve("--generate 1 --difficulty 4.5-2.0").err.find("such as 2.0-4.5"), std::string::npos);
    // A band alone takes any rating; the path's difficulty lies in it.
    const CommandRun band = Solve("--generate 2 --seed 3 --difficulty 2.6-4.5");
    EXPECT_EQ(band.status, 0) << band.err;
    const CommandRun rated = Solve("--techniques --csv -", band.out);
    EXPECT_TRUE(std::regex_search(rated.out, std::regex(",(2\\.[6-9]|3\\.\\d|4\\.[0-5]),[^,\n]+\n.*,(2\\.[6-9]|3\\.\\d|4\\.[0-5]),[^,\n]+\n$")))
        << rated.out;
}

TEST_F(SolverCommandTest, ThePuzzleNotFoundEndsTheRunAfterItsOwnAttemptsWhateverTheJobs)
{
    const auto attemptsSpent = [](const CommandRun& run) {
        std::smatch match;
        return std::regex_search(run.err, match, std::regex(" (\\d+) attempts;")) ? std::stol(match[1]) : -1L;
    };
    // A band none reaches, and one that puzzles 1 to 3 reach.
    for (const auto& [band, message] : {std::pair{"--seed 7 --difficulty 11-12", "(puzzle 1, seed 7)"},
                                        {"--seed 1 --difficulty 3.0-4.5", "(puzzle 4, seed 4)"}}) {
        const std::string arguments = std::string("--generate 1000 --attempts 10 --summary ") + band + " -j ";
        const CommandRun one = Solve(arguments + "1");
        EXPECT_EQ(one.status, 1) << band;
        EXPECT_NE(one.err.find(message), std::string::npos) << one.err;
        // The written puzzles' attempts and the missing one's, none of later puzzles.
        EXPECT_LE(attemptsSpent(one), (std::count(one.out.begin(), one.out.end(), '\n') + 1) * 10) << one.err;
        for (const char* jobs : {"2", "3"}) {
            const CommandRun several = Solve(arguments + jobs);
            EXPECT_EQ(several.status, 1) << band;
            EXPECT_EQ(several.out, one.out) << band;
            EXPECT_EQ(several.err.substr(0, several.err.find('\n')), one.err.substr(0, one.err.find('\n'))) << band;
        }
    }
    // Every puzzle misses there: a job stops at its first, and no later puzzle starts.
    EXPECT_LE(attemptsSpent(Solve("--generate 1000 --attempts 10 --summary --seed 7 --difficulty 11-12 -j 3")), 30);
}

TEST_F(SolverCommandTest, NeitherAGuessNorACompleteGridHasADifficulty)
{
    std::ifstream collection(std::string(ORVANDEL_TEST_DATA) + "/forum_hardest_1905_11plus.txt");
    std::string guessing;
    for (int line = 0; line < 43725; ++line)
        std::getline(collection, guessing);
    std::string complete = kEasySolved;
    std::erase(complete, '\n');
    const std::string json = Solve("--techniques --json " + guessing + " " + complete).out;
    EXPECT_NE(json.find(",\"difficulty\":11.5,\"hardest\":\"Guess\","), std::string::npos) << json;
    EXPECT_NE(json.find("{\"technique\":\"Guess\",\"difficulty\":null,"), std::string::npos);
    EXPECT_NE(json.find(",\"difficulty\":null,\"hardest\":null,\"techniques\":[]}\n"), std::string::npos);
    EXPECT_EQ(Solve("--techniques --steps " + complete).out,
              kEasySolved + "Status: OK\nSolved: YES\nUnique: YES\nRating: Easy\nNothing to explain: the puzzle is complete.\n");
    EXPECT_NE(Solve("--techniques --csv " + complete).out.find(",Easy,0," + complete + ",,\n"), std::string::npos);
}

TEST_F(SolverCommandTest, AFailedWriteEndsTheRunWithStatusTwo)
{
    const CommandRun run = Solve("--json " + kEasy, "", "/dev/full");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("cannot write the results: "), std::string::npos) << run.err;
}

}  // namespace
