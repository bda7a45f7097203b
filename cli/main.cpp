// orvandel-solve: the Vantrel Orvandel solver for the command line and for scripts.
#include "PuzzleInput.h"
#include "SolveReport.h"

#include <cstring>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kExitAllSolved = 0;
constexpr int kExitSomeNotSolved = 1;
constexpr int kExitInputError = 2;

const char kUsage[] =
    "Usage: orvandel-solve [OPTIONS] [PUZZLE ...]\n"
    "Solve 9x9 Su Doku puzzles the way Vantrel Orvandel does, and explain every step.\n"
    "\n"
    "A PUZZLE is a saved board (.sdf), a text file with one puzzle a line, an 81-character\n"
    "puzzle, or - for standard input (the default). In text, 1-9 are digits and any other\n"
    "character is an empty cell; the first 81 characters of a line are the puzzle, blank lines\n"
    "and lines starting with # are skipped.\n"
    "\n"
    "Options:\n"
    "  --steps     also print the solver's reasoning, one sentence a line\n"
    "  --json      print one JSON object per puzzle, one a line\n"
    "  --help      show this help and exit\n"
    "  --version   show the version and exit\n"
    "\n"
    "Exit status: 0 every puzzle solved, 1 some puzzle unsolvable or inconsistent,\n"
    "2 a usage or input error.\n";

struct Options {
    bool steps = false;
    bool json = false;
    std::vector<std::string> puzzles;
};

}  // namespace

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    Options options;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (optionsEnded || argument == "-" || argument.rfind("--", 0) != 0) {
            options.puzzles.push_back(argument);
        } else if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--steps") {
            options.steps = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--help") {
            std::cout << kUsage;
            return kExitAllSolved;
        } else if (argument == "--version") {
            std::cout << "orvandel-solve " ORVANDEL_VERSION "\n";
            return kExitAllSolved;
        } else {
            std::cerr << "orvandel-solve: unknown option '" << argument << "' (see --help)\n";
            return kExitInputError;
        }
    }
    if (options.puzzles.empty())
        options.puzzles.push_back("-");

    int status = kExitAllSolved;
    bool first = true;
    const PuzzleSink solve = [&](const Puzzle& puzzle) {
        const SolveOutcome outcome = SolvePuzzle(puzzle.values);
        if (outcome.result != SolveResult::Solved && status == kExitAllSolved)
            status = kExitSomeNotSolved;
        if (options.json) {
            PrintJson(std::cout, outcome);
        } else {
            if (!first)
                std::cout << '\n';
            PrintText(std::cout, outcome, options.steps);
        }
        first = false;
    };
    const ErrorSink report = [&](const std::string& message) {
        std::cout.flush();
        std::cerr << "orvandel-solve: " << message << '\n';
        status = kExitInputError;
    };
    for (const std::string& argument : options.puzzles)
        ReadPuzzleArgument(argument, solve, report);
    std::cout.flush();
    return status;
}
