// orvandel-bench: times the engine on puzzle collections, with the full step list, next to the
// first, straightforward engine it replaced, and checks that both tell exactly the same story.
#include "CollectionOpening.h"
#include "PuzzleCollection.h"
#include "PuzzleGenerator.h"
#include "RandomBoards.h"
#include "ReferenceSuDokuBoard.h"
#include "SolutionCount.h"
#include "solutions/SolutionFinder.h"
#include "Engine.h"
#include "SolveTranscript.h"
#include "solver/CellOrder.h"
#include "solver/GridGeometry.h"
#include "solver/SuDokuBoard.h"
#include "TechniqueBench.h"
#include "TimingSummary.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>
#include <vector>

namespace {

const char kUsage[] =
    "Usage: orvandel-bench [OPTIONS] FILE ...\n"
    "Solve every puzzle of each FILE with the full step list, first with the engine, then with the\n"
    "reference engine, and print a Markdown table: puzzles per second, mean, median, 99th percentile\n"
    "and worst time per puzzle, the slowest puzzle, and how many times faster the engine is. Two more\n"
    "rows time the unique-solution count that \"Set Su Doku\" makes within the search (where it first\n"
    "guesses, on the board its reasoning leaves), and the whole of \"Set Su Doku\": consistency check,\n"
    "search with sentences and count, and rating.\n"
    "Times are processor time, taken cold: a round solves each puzzle once, in file order, one pass\n"
    "per row, and of several rounds the row shows the one with the median total.\n"
    "A FILE holds one puzzle a line; in a .jsonl file each line's \"puzzle\" field is the puzzle.\n"
    "\n"
    "Options:\n"
    "  --limit N            solve at most the first N puzzles of each file\n"
    "  --reference-limit N  let the reference engine solve only the first N of them (default 100,\n"
    "                       0 for all): it needs up to seconds for one of the hardest puzzles\n"
    "  --no-reference       time the engine alone\n"
    "  --rounds N           time each collection in N rounds (default 3; the reference engine\n"
    "                       in one)\n"
    "  --random N           also time the whole of \"Set Su Doku\" and the count on N random\n"
    "                       consistent boards of 14 to 30 givens, and show the slowest\n"
    "  --seed S             the seed of those boards (default 1), and of the first generated puzzle\n"
    "  --generate N         also generate N puzzles of each rating, with the seeds S, S + 1, ..., and\n"
    "                       print per rating the puzzles per second, the median time, the attempts\n"
    "                       it took and the givens; the givens are symmetric, the generator's default\n"
    "  --asymmetric         with --generate: givens anywhere\n"
    "  --techniques         instead, explain each puzzle with the technique ladder, once, in file\n"
    "                       order: how many need no guess, the path's time, the slowest hint (the\n"
    "                       easiest step looked for from a position on the path) and the commonest\n"
    "                       hardest techniques\n"
    "  --help               show this help and exit\n"
    "\n"
    "Where both engines solve a puzzle, their results, levels, boards and step lists are compared;\n"
    "the exit status is 1 when any differs, 2 on a usage or input error, 0 otherwise.\n";

struct Options {
    size_t limit = 0;                // 0: every puzzle
    size_t referenceLimit = 100;     // 0: as many as the engine
    bool withReference = true;
    size_t rounds = 3;
    size_t randomBoards = 0;
    size_t seed = 1;
    size_t generate = 0;
    bool symmetric = true;
    bool techniques = false;
    std::vector<std::string> files;
};

bool ParseCount(const char* text, size_t& count, bool zeroAllowed)
{
    char* end = nullptr;
    const long long value = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || value < (zeroAllowed ? 0 : 1))
        return false;
    count = static_cast<size_t>(value);
    return true;
}

// Returns 0 to go on, or the exit status to end with.
int ParseOptions(int argc, char* argv[], Options& options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--help") {
            std::fputs(kUsage, stdout);
            return -1;
        }
        if (argument == "--no-reference") {
            options.withReference = false;
        } else if (argument == "--asymmetric") {
            options.symmetric = false;
        } else if (argument == "--techniques") {
            options.techniques = true;
        } else if (argument == "--limit" || argument == "--reference-limit" || argument == "--rounds" ||
                   argument == "--random" || argument == "--seed" || argument == "--generate") {
            size_t& count = argument == "--limit"             ? options.limit
                            : argument == "--reference-limit" ? options.referenceLimit
                            : argument == "--random"          ? options.randomBoards
                            : argument == "--seed"            ? options.seed
                            : argument == "--generate"        ? options.generate
                                                              : options.rounds;
            const bool zeroAllowed = argument == "--reference-limit" || argument == "--seed";
            if (i + 1 >= argc || !ParseCount(argv[i + 1], count, zeroAllowed)) {
                std::fprintf(stderr, "orvandel-bench: %s needs a %s number\n", argument.c_str(),
                             zeroAllowed ? "non-negative" : "positive");
                return 2;
            }
            ++i;
        } else if (argument.rfind("--", 0) == 0) {
            std::fprintf(stderr, "orvandel-bench: unknown option '%s' (see --help)\n", argument.c_str());
            return 2;
        } else {
            options.files.push_back(argument);
        }
    }
    if (options.files.empty() && options.randomBoards == 0 && options.generate == 0) {
        std::fputs("orvandel-bench: no puzzle file given (see --help)\n", stderr);
        return 2;
    }
    return 0;
}


void PrintRow(const std::string& collection, const char* engine, const TimingSummary& summary, int worstLine,
              const std::string& speedUp)
{
    std::printf("| %s | %s | %zu | %.0f | %.3f | %.3f | %.3f | %.3f | %d | %s |\n", collection.c_str(), engine,
                summary.count, summary.PuzzlesPerSecond(), Milliseconds(summary.MeanSeconds()),
                Milliseconds(summary.medianSeconds), Milliseconds(summary.percentile99Seconds),
                Milliseconds(summary.worstSeconds), worstLine, speedUp.c_str());
    std::fflush(stdout);
}

void PrintHeader()
{
    std::printf("| Collection | Engine | Puzzles | Puzzles/s | Mean | Median | 99th pct | Worst | Worst line | Speed-up |\n");
    std::printf("|---|---|---:|---:|---:|---:|---:|---:|---:|---:|\n");
}


// All that "Set Su Doku" does, once.
double TimePipeline(const Puzzle& puzzle, SolveOutcome& outcome)
{
    const double start = ThreadSeconds();
    SolvePuzzle(puzzle, outcome);
    const double seconds = ThreadSeconds() - start;
    if (outcome.steps.size() > 100000)
        std::abort();  // keeps the work from being optimised away; no search writes that much
    return seconds;
}

// Processor time of each of `count` runs, in order: work(i) for i = 0 .. count - 1.
template <class Work>
std::vector<double> TimePass(size_t count, Work&& work)
{
    std::vector<double> seconds(count);
    for (size_t i = 0; i < count; ++i) {
        const double start = ThreadSeconds();
        work(i);
        seconds[i] = ThreadSeconds() - start;
    }
    return seconds;
}

// The unique-solution count that "Set Su Doku" makes: inside the search, where it first guesses,
// on the board its reasoning leaves. A puzzle that reasoning solves, or that is inconsistent,
// needs none, and takes no time here. The reasoning before it is not timed.
double TimeCount(const Puzzle& puzzle)
{
    CSuDokuBoard board;
    board.Load(puzzle);
    if (!board.IsConsistent())
        return 0;
    StepList steps;
    board.ApplyLogic(steps);
    if (board.IsSolved() || !board.IsConsistent())
        return 0;
    std::uint16_t candidates[kCellCount];
    for (int cell = 0; cell < kCellCount; ++cell)
        candidates[grid::PuzzleCell(cell)] = board.m_nCandidates[grid::CellX(cell)][grid::CellY(cell)];
    std::uint8_t solution[kCellCount];
    const double start = ThreadSeconds();
    if (solutions::CountSolutions(candidates, kSeveralSolutions, solution) < 0)
        std::abort();  // keeps the count from being optimised away; it is never negative
    return ThreadSeconds() - start;
}

struct CollectionReport {
    std::vector<std::string> worstPuzzles;  // one line per engine
    std::string countToSearch;              // the count's time over the search's
    size_t differences = 0;
};

CollectionReport BenchCollection(const PuzzleCollection& collection, const Options& options)
{
    CollectionReport report;
    const size_t referenceCount = !options.withReference ? 0
        : options.referenceLimit == 0 ? collection.puzzles.size()
                                      : std::min(options.referenceLimit, collection.puzzles.size());
    std::vector<Puzzle> givens;
    givens.reserve(collection.puzzles.size());
    for (const CollectionPuzzle& puzzle : collection.puzzles)
        givens.push_back(Puzzle::FromLine(puzzle.text));
    const size_t puzzles = givens.size();
    CSuDokuBoard board;
    SolveTranscript transcript;
    SolveOutcome outcome;
    // Each round times every row in a pass of its own, the rows one after another, so that the
    // machine's drift reaches every row alike.
    std::vector<std::vector<double>> fastRounds;
    std::vector<std::vector<double>> countRounds;
    std::vector<std::vector<double>> pipelineRounds;
    for (size_t round = 0; round < options.rounds; ++round) {
        fastRounds.push_back(TimePass(puzzles, [&](size_t i) { Solve(givens[i].data(), board, transcript); }));
        // The count's own time, without the reasoning that leads to it.
        countRounds.emplace_back(puzzles);
        for (size_t i = 0; i < puzzles; ++i)
            countRounds.back()[i] = TimeCount(givens[i]);
        pipelineRounds.emplace_back(puzzles);
        for (size_t i = 0; i < puzzles; ++i)
            pipelineRounds.back()[i] = TimePipeline(givens[i], outcome);
    }
    const std::vector<double>& fastSeconds = MedianRound(fastRounds);
    const std::vector<double>& countSeconds = MedianRound(countRounds);
    const std::vector<double>& pipelineSeconds = MedianRound(pipelineRounds);

    // The reference engine needs up to seconds a puzzle: one round, and then the comparison.
    std::vector<SolveTranscript> referenceTranscripts(referenceCount);
    reference::CSuDokuBoard referenceBoard;
    const std::vector<double> referenceSeconds = TimePass(referenceCount, [&](size_t i) {
        Solve(givens[i].data(), referenceBoard, referenceTranscripts[i]);
        RecordBoard(referenceBoard, referenceTranscripts[i]);
    });
    for (size_t i = 0; i < referenceCount; ++i) {
        Solve(givens[i].data(), board, transcript);
        RecordBoard(board, transcript);
        if (!(transcript == referenceTranscripts[i])) {
            if (report.differences == 0)
                std::fprintf(stderr, "orvandel-bench: %s line %d: the engines disagree on %s\n",
                             collection.name.c_str(), collection.puzzles[i].line, collection.puzzles[i].text.c_str());
            ++report.differences;
        }
    }

    const TimingSummary fast = Summarize(fastSeconds);
    const int fastWorstLine = fast.count > 0 ? collection.puzzles[fast.worstIndex].line : 0;
    std::string speedUp = "-";
    if (!referenceSeconds.empty()) {
        double fastOnSame = 0;
        for (size_t i = 0; i < referenceSeconds.size(); ++i)
            fastOnSame += fastSeconds[i];
        const TimingSummary slow = Summarize(referenceSeconds);
        char text[32];
        const double ratio = fastOnSame > 0 ? slow.totalSeconds / fastOnSame : 0.0;
        std::snprintf(text, sizeof text, ratio < 10 ? "%.1fx" : "%.0fx", ratio);
        speedUp = text;
    }
    PrintRow(collection.name, "engine", fast, fastWorstLine, speedUp);
    if (fast.count > 0)
        report.worstPuzzles.push_back(collection.name + ", engine, line " + std::to_string(fastWorstLine) + ": " +
                                      collection.puzzles[fast.worstIndex].text);
    const TimingSummary count = Summarize(countSeconds);
    PrintRow(collection.name, "solution count", count, collection.puzzles[count.worstIndex].line, "-");
    const TimingSummary pipeline = Summarize(pipelineSeconds);
    PrintRow(collection.name, "Set Su Doku", pipeline, collection.puzzles[pipeline.worstIndex].line, "-");
    report.worstPuzzles.push_back(collection.name + ", Set Su Doku, line " +
                                  std::to_string(collection.puzzles[pipeline.worstIndex].line) + ": " +
                                  collection.puzzles[pipeline.worstIndex].text);
    size_t worstRatio = 0;
    for (size_t i = 0; i < countSeconds.size(); ++i) {
        if (countSeconds[i] * fastSeconds[worstRatio] > countSeconds[worstRatio] * fastSeconds[i])
            worstRatio = i;
    }
    char ratios[160];
    std::snprintf(ratios, sizeof ratios, "%s: %.2f in all, %.2f at worst (line %d)", collection.name.c_str(),
                  count.totalSeconds / fast.totalSeconds, countSeconds[worstRatio] / fastSeconds[worstRatio],
                  collection.puzzles[worstRatio].line);
    report.countToSearch = ratios;
    if (!referenceSeconds.empty()) {
        const TimingSummary slow = Summarize(referenceSeconds);
        const int slowWorstLine = collection.puzzles[slow.worstIndex].line;
        PrintRow(collection.name, "reference", slow, slowWorstLine, "1x");
        report.worstPuzzles.push_back(collection.name + ", reference, line " + std::to_string(slowWorstLine) + ": " +
                                      collection.puzzles[slow.worstIndex].text);
    }
    return report;
}

// Times "Set Su Doku" and the count on random consistent boards. Each board is timed once; the
// slowest ones are timed again `retimed` times, so that a pause of the machine is not taken for a
// slow board.
void BenchRandomBoards(const Options& options)
{
    RandomBoards boards(options.seed, 14, 30);
    struct Slow {
        double seconds;
        std::string text;
    };
    std::vector<Slow> slowest;  // the slowest boards, slowest first
    const size_t kept = 10;
    const size_t retimed = 5;
    std::vector<double> pipelineSeconds;
    std::vector<double> countSeconds;
    pipelineSeconds.reserve(options.randomBoards);
    SolveOutcome outcome;
    countSeconds.reserve(options.randomBoards);
    for (size_t i = 0; i < options.randomBoards; ++i) {
        const Puzzle board = boards.Next();
        const double seconds = TimePipeline(board, outcome);
        pipelineSeconds.push_back(seconds);
        countSeconds.push_back(TimeCount(board));
        if (slowest.size() < kept || seconds > slowest.back().seconds) {
            slowest.push_back({seconds, board.ToLine()});
            std::sort(slowest.begin(), slowest.end(), [](const Slow& a, const Slow& b) { return a.seconds > b.seconds; });
            if (slowest.size() > kept)
                slowest.pop_back();
        }
    }
    for (Slow& slow : slowest) {
        const Puzzle board = Puzzle::FromLine(slow.text);
        slow.seconds = TimePipeline(board, outcome);
        for (size_t run = 1; run < retimed; ++run)
            slow.seconds = std::min(slow.seconds, TimePipeline(board, outcome));
    }
    std::sort(slowest.begin(), slowest.end(), [](const Slow& a, const Slow& b) { return a.seconds > b.seconds; });
    const std::string name = "random, 14-30 givens, seed " + std::to_string(options.seed);
    std::printf("\n");
    PrintHeader();
    TimingSummary pipeline = Summarize(pipelineSeconds);
    if (!slowest.empty())
        pipeline.worstSeconds = slowest.front().seconds;
    PrintRow(name, "Set Su Doku", pipeline, 0, "-");
    PrintRow(name, "solution count", Summarize(countSeconds), 0, "-");
    std::printf("\nSlowest random boards, Set Su Doku, fastest of %zu runs:\n", retimed);
    for (const Slow& slow : slowest)
        std::printf("- %.3f ms: %s\n", Milliseconds(slow.seconds), slow.text.c_str());
}

// Generates options.generate puzzles of each rating and prints a row per rating. The attempts are
// counted by the generator's cancellation question, which it asks before each attempt.
void BenchGenerator(const Options& options)
{
    std::printf("Build: %s. Generated puzzles, %s givens, seeds %zu to %zu; processor time.\n\n", ORVANDEL_BUILD_TYPE,
                options.symmetric ? "symmetric" : "asymmetric", options.seed, options.seed + options.generate - 1);
    std::printf("| Rating | Puzzles | Puzzles/s | Median s | Worst s | Attempts per puzzle "
                "| Givens min / median / max |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---|\n");
    for (const Difficulty rating : {Difficulty::Easy, Difficulty::Mild, Difficulty::Hard, Difficulty::RiverAzevod}) {
        std::vector<double> seconds;
        std::vector<int> givens;
        size_t attempts = 0;
        for (size_t i = 0; i < options.generate; ++i) {
            GeneratorOptions generator;
            generator.rating = rating;
            generator.symmetric = options.symmetric;
            generator.seed = options.seed + i;
            const double start = ThreadSeconds();
            const std::optional<Puzzle> puzzle = GeneratePuzzle(generator, [&] {
                ++attempts;
                return false;
            });
            seconds.push_back(ThreadSeconds() - start);
            const auto isGiven = [](int cell) { return cell != Puzzle::kEmpty; };
            givens.push_back(static_cast<int>(std::count_if(puzzle->cells.begin(), puzzle->cells.end(), isGiven)));
        }
        std::sort(givens.begin(), givens.end());
        const TimingSummary summary = Summarize(seconds);
        std::printf("| %s | %zu | %.1f | %.4f | %.4f | %.1f | %d / %d / %d |\n", DifficultyName(rating), summary.count,
                    summary.PuzzlesPerSecond(), summary.medianSeconds, summary.worstSeconds,
                    static_cast<double>(attempts) / static_cast<double>(options.generate), givens.front(),
                    givens[givens.size() / 2], givens.back());
        std::fflush(stdout);
    }
}

// The technique ladder's table over the files; 2 when a file cannot be read.
int BenchTechniqueFiles(const Options& options)
{
    std::printf("Build: %s. Processor time per puzzle in milliseconds, the whole technique path.\n\n",
                ORVANDEL_BUILD_TYPE);
    PrintTechniqueHeader();
    int status = 0;
    for (const std::string& path : options.files) {
        PuzzleCollection collection;
        std::string error;
        if (!ReadCollection(path, options.limit, collection, error)) {
            std::fprintf(stderr, "orvandel-bench: %s\n", error.c_str());
            status = 2;
        } else if (!collection.puzzles.empty()) {
            BenchTechniques(collection);
        }
    }
    return status;
}

}  // namespace

int main(int argc, char* argv[])
{
    Options options;
    if (const int status = ParseOptions(argc, argv, options); status != 0)
        return status < 0 ? 0 : status;
    if (options.techniques)
        return BenchTechniqueFiles(options);
    if (options.generate > 0) {
        BenchGenerator(options);
        if (options.files.empty() && options.randomBoards == 0)
            return 0;
        std::printf("\n");
    }

    std::printf("Build: %s. Processor time per puzzle in milliseconds, full step list included", ORVANDEL_BUILD_TYPE);
    std::printf("; each puzzle solved once a round, in file order; the median of %zu rounds", options.rounds);
    std::printf(".\n\n");
    PrintHeader();
    std::vector<std::string> worstPuzzles;
    std::vector<std::string> countToSearch;
    size_t differences = 0;
    bool inputError = false;
    for (const std::string& path : options.files) {
        PuzzleCollection collection;
        std::string error;
        if (!ReadCollection(path, options.limit, collection, error)) {
            std::fprintf(stderr, "orvandel-bench: %s\n", error.c_str());
            inputError = true;
            continue;
        }
        if (collection.puzzles.empty())
            continue;
        const CollectionReport report = BenchCollection(collection, options);
        worstPuzzles.insert(worstPuzzles.end(), report.worstPuzzles.begin(), report.worstPuzzles.end());
        countToSearch.push_back(report.countToSearch);
        differences += report.differences;
    }
    std::printf("\nSlowest puzzles:\n");
    for (const std::string& line : worstPuzzles)
        std::printf("- %s\n", line.c_str());
    std::printf("\nSolution count over search, time:\n");
    for (const std::string& line : countToSearch)
        std::printf("- %s\n", line.c_str());
    BenchCollectionOpening(options.files);
    if (options.randomBoards > 0)
        BenchRandomBoards(options);
    if (options.withReference)
        std::printf("\nDifferences between the engines: %zu\n", differences);
    if (inputError)
        return 2;
    return differences > 0 ? 1 : 0;
}
