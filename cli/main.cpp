// orvandel-solve: the Vantrel Orvandel solver for the command line and for scripts.
#include "BatchSolver.h"
#include "GeneratedPuzzles.h"
#include "PuzzleInput.h"
#include "ResultOutput.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <exception>
#include <functional>
#include <iostream>
#include <optional>
#include <random>
#include <string>
#include <thread>
#include <vector>

namespace {

constexpr int kExitAllSolved = 0;
constexpr int kExitNotAllSolved = 1;
constexpr int kExitInputError = 2;
// Grids tried for each puzzle of a difficulty band before the generator gives up, unless
// --attempts says otherwise: a few seconds' work. An ordinary band takes a few dozen; a band of the
// hardest techniques may take thousands.
constexpr std::uint64_t kBandAttempts = 3000;
// More threads than this would only wait for one another.
constexpr unsigned kMaxJobs = 1024;

const char kUsage[] =
    "Usage: orvandel-solve [OPTIONS] [PUZZLE ...]\n"
    "Solve 9x9 Su Doku puzzles the way Vantrel Orvandel does, and explain every step.\n"
    "\n"
    "A PUZZLE is a saved board (.sdf), a text file, a puzzle given as text, or - for\n"
    "standard input (the default). Text is read as UTF-8, as the window's Open reads it:\n"
    "1-9 are digits and . 0 _ * ? empty cells; blanks, other marks and drawn grid lines\n"
    "stand between cells; # starts a comment. A line with 81 cells or more is a puzzle\n"
    "(the rest of the line is ignored), and so are consecutive lines that hold 81 cells\n"
    "together, such as nine lines of nine. Lines that make no puzzle are reported and\n"
    "skipped.\n"
    "\n"
    "Options:\n"
    "  --steps         also print the solver's reasoning, one sentence a line\n"
    "  --json          print one JSON object per puzzle, one a line\n"
    "  --techniques    explain with named techniques instead: the puzzle's difficulty\n"
    "                  (from 1.0, a full house, up) and hardest technique; with\n"
    "                  --steps the technique sentences, with --json \"difficulty\",\n"
    "                  \"hardest\" and \"techniques\", with --csv the columns\n"
    "                  difficulty,hardest; only for a puzzle with exactly one solution\n"
    "  --trace         with --json: add the board, the candidates and the marked cells\n"
    "                  after every step, as \"trace\"\n"
    "  --csv           print one CSV line per puzzle under a header line:\n"
    "                  number,puzzle,result,unique,rating,level,solution\n"
    "  -j, --jobs N    solve N puzzles at a time (default: one per core); the output\n"
    "                  is the same, in input order\n"
    "  --summary       after the results, print the counts per result and per rating\n"
    "                  and the puzzles per second on standard error; with --generate,\n"
    "                  the puzzles written, the grids tried and the puzzles per second\n"
    "  --strict        count a puzzle with several solutions as not solved\n"
    "  --generate N    instead of solving, print N new puzzles with exactly one solution,\n"
    "                  minimal, one 81-character line each ('.' an empty cell); with\n"
    "                  --json or --csv, each as its solve result\n"
    "  --rating R      with --generate: easy (the default, unless --difficulty is\n"
    "                  given), mild, hard or riverazevod\n"
    "  --difficulty MIN-MAX\n"
    "                  with --generate: puzzles whose technique difficulty (see\n"
    "                  --techniques) lies from MIN to MAX, such as 2.0-4.5; a puzzle\n"
    "                  not found within 3000 attempts ends the run\n"
    "  --attempts A    with --generate: a puzzle not found within A attempts (grids\n"
    "                  tried) ends the run (default: 3000 with --difficulty, else no\n"
    "                  limit)\n"
    "  --symmetric     with --generate: givens in 180-degree rotational symmetry\n"
    "  --seed S        with --generate: puzzle i (from 0) comes from seed S + i, so the\n"
    "                  same seed gives the same puzzles (default: a random seed)\n"
    "  -h, --help      show this help and exit\n"
    "  --version       show the version and exit\n"
    "\n"
    "Exit status: 0 every puzzle solved (with --generate: every puzzle written), 1 some\n"
    "puzzle unsolvable or inconsistent (with --strict: or with several solutions; with\n"
    "--generate: a puzzle not found), 2 a usage, input or output error.\n";

struct Options {
    BatchOptions batch;
    bool summary = false;
    std::vector<std::string> puzzles;
    std::optional<std::uint64_t> generate;  // the number of puzzles to generate
    std::optional<Difficulty> rating;
    std::optional<DifficultyBand> band;
    bool symmetric = false;
    std::optional<std::uint64_t> seed;
    std::optional<std::uint64_t> attempts;  // for each puzzle generated
};

std::optional<std::uint64_t> ParseNumber(const std::string& text)
{
    std::uint64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return number;
}

// "2.0-4.5": two numbers of the scale, the lower first.
std::optional<DifficultyBand> ParseBand(const std::string& text)
{
    const std::size_t dash = text.find('-', 1);
    if (dash == std::string::npos)
        return std::nullopt;
    DifficultyBand band{};
    const char* const end = text.data() + text.size();
    const auto [lowEnd, lowError] = std::from_chars(text.data(), text.data() + dash, band.lowest);
    const auto [highEnd, highError] = std::from_chars(text.data() + dash + 1, end, band.highest);
    if (lowError != std::errc() || lowEnd != text.data() + dash || highError != std::errc() || highEnd != end
        || !IsValidBand(band))
        return std::nullopt;
    return band;
}

std::string FormatBand(const DifficultyBand& band)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.1f-%.1f", band.lowest, band.highest);
    return text;
}

std::optional<unsigned> ParseJobs(const std::string& text)
{
    unsigned jobs = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), jobs);
    if (error != std::errc() || end != text.data() + text.size() || jobs < 1 || jobs > kMaxJobs)
        return std::nullopt;
    return jobs;
}

unsigned DefaultJobs()
{
    return std::max(std::thread::hardware_concurrency(), 1u);
}

int UsageError(const std::string& message)
{
    std::cerr << "orvandel-solve: " << message << " (see --help)\n";
    return kExitInputError;
}

void ReportWriteFailure(const WriteFailure& failure)
{
    // A reader that has gone needs no message; a full disk or a failing device does.
    if (failure.error != EPIPE)
        std::cerr << "orvandel-solve: cannot write the results: " << std::strerror(failure.error) << '\n';
}

// A value given as "--name V" or "--name=V": true when argument is that option; the value is then
// taken, or left empty when it is missing.
bool TakeValue(const std::string& argument, const char* name, int& i, int argc, char* argv[],
               std::optional<std::string>& value)
{
    const std::string option = name;
    if (argument == option) {
        value = i + 1 < argc ? std::optional<std::string>(argv[++i]) : std::nullopt;
        return true;
    }
    if (argument.rfind(option + "=", 0) != 0)
        return false;
    value = argument.substr(option.size() + 1);
    return true;
}

// Writes the answer to --help or --version; a failed write is an output error.
int Answer(const char* text)
{
    errno = 0;
    std::cout << text << std::flush;
    if (std::cout)
        return kExitAllSolved;
    ReportWriteFailure(WriteFailure{errno != 0 ? errno : EIO});
    return kExitInputError;
}

std::uint64_t RandomSeed()
{
    std::random_device device;
    return (std::uint64_t{device()} << 32) ^ device();
}

// Runs the work; false, after a message, when it stopped because the output could not be
// written or for any other failure.
bool RunReportingFailures(const std::function<void()>& work)
{
    try {
        work();
    } catch (const WriteFailure& failure) {
        ReportWriteFailure(failure);
        return false;
    } catch (const std::exception& error) {
        std::cerr << "orvandel-solve: stopped: " << error.what() << '\n';
        return false;
    }
    return true;
}

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// What the puzzle had to be, for the message when none was found: "difficulty 9.0-9.5",
// "rating Hard" or both.
std::string Wanted(const GeneratorOptions& generator)
{
    std::string wanted;
    if (generator.band)
        wanted = "difficulty " + FormatBand(*generator.band);
    if (generator.rating)
        wanted += (wanted.empty() ? "rating " : " and rating ") + std::string(DifficultyName(*generator.rating));
    return wanted;
}

int Generate(const Options& options, ResultOutput& output, std::chrono::steady_clock::time_point start)
{
    GenerateRequest request;
    request.count = *options.generate;
    // A band alone asks for any rating.
    request.generator.rating = options.band ? options.rating : options.rating.value_or(Difficulty::Easy);
    request.generator.band = options.band;
    request.generator.maxAttempts = options.attempts.value_or(options.band ? kBandAttempts : 0);
    request.generator.symmetric = options.symmetric;
    request.generator.seed = options.seed ? *options.seed : RandomSeed();
    request.format = options.batch.format;
    request.trace = options.batch.trace;
    request.jobs = options.batch.jobs;
    GenerateResult result;
    if (!RunReportingFailures([&] { result = WriteGeneratedPuzzles(request, output); }))
        return kExitInputError;
    if (result.missing) {
        std::cerr << "orvandel-solve: no puzzle of " << Wanted(request.generator) << " found in "
                  << request.generator.maxAttempts << (request.generator.maxAttempts == 1 ? " attempt" : " attempts")
                  << " (puzzle " << *result.missing + 1 << ", seed "
                  << request.generator.seed + *result.missing << "); "
                  << (options.band ? "few puzzles reach that band, try a wider one\n" : "try more attempts\n");
    }
    if (options.summary) {
        const std::uint64_t written = result.missing.value_or(request.count);
        const double seconds = SecondsSince(start);
        char line[160];
        std::snprintf(line, sizeof line, "%llu puzzles written, %llu attempts; %.1f puzzles/s",
                      static_cast<unsigned long long>(written), static_cast<unsigned long long>(result.attempts),
                      seconds > 0 ? static_cast<double>(written) / seconds : 0.0);
        std::cerr << "orvandel-solve: " << line << '\n';
    }
    if (!std::cerr)
        return kExitInputError;
    return result.missing ? kExitNotAllSolved : kExitAllSolved;
}

}  // namespace

int main(int argc, char* argv[])
{
    const auto start = std::chrono::steady_clock::now();
    std::ios::sync_with_stdio(false);
    Options options;
    options.batch.jobs = DefaultJobs();
    bool optionsEnded = false;
    bool json = false;
    bool csv = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        std::optional<std::string> given;  // the value of an option such as --generate
        const bool isOption = !optionsEnded && argument.size() >= 2 && argument[0] == '-'
            && (argument[1] == '-' || argument == "-h" || argument.rfind("-j", 0) == 0);
        if (!isOption) {
            options.puzzles.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--steps") {
            options.batch.steps = true;
        } else if (argument == "--json") {
            json = true;
        } else if (argument == "--techniques") {
            options.batch.techniques = true;
        } else if (argument == "--trace") {
            options.batch.trace = true;
        } else if (argument == "--csv") {
            csv = true;
        } else if (argument == "--summary") {
            options.summary = true;
        } else if (argument == "--strict") {
            options.batch.strict = true;
        } else if (argument == "--symmetric") {
            options.symmetric = true;
        } else if (TakeValue(argument, "--generate", i, argc, argv, given)) {
            options.generate = given ? ParseNumber(*given) : std::nullopt;
            if (!options.generate || *options.generate == 0)
                return UsageError("'--generate' needs a number of puzzles from 1, not "
                                  + QuotedName(given.value_or("")));
        } else if (TakeValue(argument, "--rating", i, argc, argv, given)) {
            options.rating = given ? DifficultyFromName(*given) : std::nullopt;
            if (!options.rating)
                return UsageError("the rating must be easy, mild, hard or riverazevod, not "
                                  + QuotedName(given.value_or("")));
        } else if (TakeValue(argument, "--difficulty", i, argc, argv, given)) {
            options.band = given ? ParseBand(*given) : std::nullopt;
            if (!options.band)
                return UsageError("the difficulty must be a band MIN-MAX of the technique scale, such as 2.0-4.5, "
                                  "with 1.0 <= MIN <= MAX, not " + QuotedName(given.value_or("")));
        } else if (TakeValue(argument, "--seed", i, argc, argv, given)) {
            options.seed = given ? ParseNumber(*given) : std::nullopt;
            if (!options.seed)
                return UsageError("the seed must be a number from 0 to 18446744073709551615, not "
                                  + QuotedName(given.value_or("")));
        } else if (TakeValue(argument, "--attempts", i, argc, argv, given)) {
            options.attempts = given ? ParseNumber(*given) : std::nullopt;
            if (!options.attempts || *options.attempts == 0)
                return UsageError("'--attempts' needs a number from 1, not " + QuotedName(given.value_or("")));
        } else if (argument.rfind("-j", 0) == 0 || argument == "--jobs" || argument.rfind("--jobs=", 0) == 0) {
            // -j 4, -j4, --jobs 4 and --jobs=4
            std::string value;
            if (argument == "-j" || argument == "--jobs") {
                if (i + 1 == argc)
                    return UsageError("'" + argument + "' needs a number of jobs");
                value = argv[++i];
            } else {
                value = argument.substr(argument[1] == 'j' ? 2 : 7);
            }
            const std::optional<unsigned> jobs = ParseJobs(value);
            if (!jobs)
                return UsageError("the number of jobs must be 1 to " + std::to_string(kMaxJobs) + ", not "
                                  + QuotedName(value));
            options.batch.jobs = *jobs;
        } else if (argument == "--help" || argument == "-h") {
            return Answer(kUsage);
        } else if (argument == "--version") {
            return Answer("orvandel-solve " ORVANDEL_VERSION "\n");
        } else {
            return UsageError("unknown option " + QuotedName(argument));
        }
    }
    if (json && csv)
        return UsageError("--json and --csv cannot be combined");
    if (options.batch.trace && !json)
        return UsageError("--trace needs --json");
    options.batch.format = json ? OutputFormat::Json : csv ? OutputFormat::Csv : OutputFormat::Text;
    if (!options.generate && (options.rating || options.band || options.symmetric || options.seed || options.attempts))
        return UsageError("--rating, --difficulty, --symmetric, --seed and --attempts need --generate");
    if (options.generate && !options.puzzles.empty())
        return UsageError("--generate reads no puzzles");
    if (options.generate && (options.batch.steps || options.batch.strict || options.batch.techniques))
        return UsageError("--generate cannot be combined with --steps, --strict or --techniques");
    if (options.puzzles.empty())
        options.puzzles.push_back("-");

    ResultOutput output(stdout);
    if (options.generate)
        return Generate(options, output, start);
    BatchSolver batch(options.batch, output, std::cerr);
    const bool finished = RunReportingFailures([&] {
        for (const std::string& argument : options.puzzles)
            ReadPuzzleArgument(argument, batch);
        batch.Finish();
    });
    if (!finished)
        return kExitInputError;
    if (options.summary)
        std::cerr << "orvandel-solve: " << batch.Summary(SecondsSince(start)) << '\n';
    // A summary or an input error message that could not be written is an output error too.
    return std::cerr ? batch.ExitStatus() : kExitInputError;
}
