#include "SolveReport.h"

#include "SolutionCount.h"

#include <cstdio>
#include <ostream>

namespace {

char PuzzleChar(int value)
{
    return (value >= 1 && value <= 9) ? static_cast<char>('0' + value) : '.';
}

// The board's cell for the transcript: a digit, '.' for undetermined, '!' for a cell without candidates.
char BoardChar(int value)
{
    return value == -2 ? '!' : PuzzleChar(value);
}

const char* ResultName(SolveResult result)
{
    switch (result) {
    case SolveResult::Solved:
        return "solved";
    case SolveResult::Unsolvable:
        return "unsolvable";
    case SolveResult::Inconsistent:
        return "inconsistent";
    }
    return "";
}

void WriteJsonString(std::ostream& out, const std::string& text)
{
    out << '"';
    for (const char c : text) {
        switch (c) {
        case '"':
            out << "\\\"";
            break;
        case '\\':
            out << "\\\\";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\r':
            out << "\\r";
            break;
        case '\t':
            out << "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
                out << escaped;
            } else {
                out << c;
            }
        }
    }
    out << '"';
}

}  // namespace

SolveOutcome SolvePuzzle(const int puzzle[81])
{
    SolveOutcome outcome{};
    std::copy(puzzle, puzzle + 81, outcome.puzzle);
    int solution[81];
    outcome.solutionCount = CountSolutions(puzzle, solution);
    outcome.board.Load(puzzle);
    if (!outcome.board.IsConsistent()) {
        outcome.result = SolveResult::Inconsistent;
        return outcome;
    }
    // A puzzle's only solution settles every guess of the search without looking again.
    const bool solved = outcome.solutionCount == 1 ? outcome.board.Search(outcome.steps, solution)
                                                   : outcome.board.Search(outcome.steps);
    outcome.result = solved ? SolveResult::Solved : SolveResult::Unsolvable;
    outcome.rating = RateSearch(solved, outcome.board.m_nGuessLevel, outcome.steps);
    return outcome;
}

void PrintText(std::ostream& out, const SolveOutcome& outcome, bool withSteps)
{
    // Both the search and the consistency check end with an evaluation, so the verdicts are current.
    const bool consistent = outcome.board.m_bConsistent;
    const bool solved = outcome.board.m_bSolved;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column)
            out << PuzzleChar(outcome.board.GetValueRowCol(row, column));
        out << '\n';
    }
    out << "Status: " << (consistent ? "OK" : "INCONSISTENT") << '\n';
    out << "Solved: " << (solved ? "YES" : "NO") << '\n';
    out << "Unique: " << (outcome.solutionCount == 1 ? "YES" : "NO") << '\n';
    if (outcome.rating)
        out << "Rating: " << DifficultyName(*outcome.rating) << '\n';
    if (outcome.result == SolveResult::Inconsistent)
        out << "This puzzle contains an inconsistency, it cannot be solved.\n";
    else if (outcome.result == SolveResult::Unsolvable)
        out << "This puzzle is unsolvable. Best guess so far will be shown.\n";
    if (withSteps) {
        for (const std::string& step : outcome.steps)
            out << step << '\n';
    }
}

void PrintJson(std::ostream& out, const SolveOutcome& outcome)
{
    std::string puzzle;
    std::string board;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            puzzle += PuzzleChar(outcome.puzzle[row * 9 + column]);
            board += BoardChar(outcome.board.GetValueRowCol(row, column));
        }
    }
    out << "{\"puzzle\":\"" << puzzle << "\",\"result\":\"" << ResultName(outcome.result)
        << "\",\"level\":" << outcome.board.m_nGuessLevel << ",\"board\":\"" << board << "\",\"steps\":[";
    for (size_t i = 0; i < outcome.steps.size(); ++i) {
        if (i > 0)
            out << ',';
        WriteJsonString(out, outcome.steps[i]);
    }
    out << "],\"unique\":" << (outcome.solutionCount == 1 ? "true" : "false") << ",\"rating\":";
    if (outcome.rating)
        out << '"' << DifficultyName(*outcome.rating) << '"';
    else
        out << "null";
    out << "}\n";
}
