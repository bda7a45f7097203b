#include "SolveReport.h"

#include "SolveReplay.h"

#include <charconv>

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

// The 81 cells row by row, each as cellChar(value) writes it, into the string at once: this runs
// twice for every puzzle of a collection.
template <class CellChar>
void AppendCells(std::string& out, const Puzzle& values, CellChar cellChar)
{
    const std::size_t start = out.size();
    out.resize(start + kCellCount);
    char* cells = out.data() + start;
    for (int cell = 0; cell < kCellCount; ++cell)
        cells[cell] = cellChar(values[cell]);
}

void AppendBoard(std::string& out, const SolverBoard& board)
{
    AppendCells(out, board.Values(), [](int value) { return BoardChar(value); });
}

void AppendPuzzle(std::string& out, const Puzzle& puzzle)
{
    AppendCells(out, puzzle, [](int value) { return PuzzleChar(value); });
}

void AppendNumber(std::string& out, long value)
{
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// The replay of the solve, step by step, as the window shows it.
void AppendTrace(std::string& out, const SolveOutcome& outcome)
{
    SolveReplay replay;
    replay.Start(outcome.puzzle, outcome.steps);
    out += ",\"trace\":[";
    for (int position = 1; position <= replay.StepCount(); ++position) {
        replay.GoTo(position);
        out += position > 1 ? ",{\"board\":\"" : "{\"board\":\"";
        // A solve without solution ends in a contradiction; its last board is the one the search left.
        AppendPuzzle(out, position < replay.StepCount() ? replay.Digits() : outcome.board.Values());
        out += "\",\"candidates\":[";
        for (int cell = 0; cell < kCellCount; ++cell) {
            out += cell > 0 ? ",\"" : "\"";
            for (int digit = 1; digit <= 9; ++digit) {
                if (replay.Candidates()[static_cast<size_t>(cell)] >> (digit - 1) & 1u)
                    out += static_cast<char>('0' + digit);
            }
            out += '"';
        }
        out += "],\"cells\":[";
        const CellMarks marks = replay.Marks();
        bool first = true;
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (marks[static_cast<size_t>(cell)] == CellMark::None)
                continue;
            out += first ? "[" : ",[";
            first = false;
            AppendNumber(out, cell % 9 + 1);
            out += ',';
            AppendNumber(out, cell / 9 + 1);
            out += ']';
        }
        out += "]}";
    }
    out += ']';
}

}  // namespace

void AppendText(std::string& out, const SolveOutcome& outcome, bool withSteps)
{
    // Both the search and the consistency check end with an evaluation, so the verdicts are current.
    const bool consistent = outcome.board.IsConsistent();
    const bool solved = outcome.board.IsSolved();
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column)
            out += PuzzleChar(outcome.board.Value(row * 9 + column));
        out += '\n';
    }
    out += consistent ? "Status: OK\n" : "Status: INCONSISTENT\n";
    out += solved ? "Solved: YES\n" : "Solved: NO\n";
    out += outcome.solutionCount == 1 ? "Unique: YES\n" : "Unique: NO\n";
    if (outcome.rating) {
        out += "Rating: ";
        out += DifficultyName(*outcome.rating);
        out += '\n';
    }
    if (outcome.result == SolveResult::Inconsistent)
        out += "This puzzle contains an inconsistency, it cannot be solved.\n";
    else if (outcome.result == SolveResult::Unsolvable)
        out += "This puzzle is unsolvable. Best guess so far will be shown.\n";
    if (withSteps && !outcome.steps.empty()) {
        AppendSentences(out, outcome.steps, "\n");
        out += '\n';
    }
}

void AppendJson(std::string& out, const SolveOutcome& outcome, bool withTrace)
{
    out += "{\"puzzle\":\"";
    AppendPuzzle(out, outcome.puzzle);
    out += "\",\"result\":\"";
    out += ResultName(outcome.result);
    out += "\",\"level\":";
    AppendNumber(out, outcome.board.GuessLevel());
    out += ",\"board\":\"";
    AppendBoard(out, outcome.board);
    out += "\",\"steps\":[";
    if (!outcome.steps.empty()) {
        // The sentences are built from fixed words and numbers only: nothing to escape.
        out += '"';
        AppendSentences(out, outcome.steps, "\",\"");
        out += '"';
    }
    out += "],\"unique\":";
    out += outcome.solutionCount == 1 ? "true" : "false";
    out += ",\"rating\":";
    if (outcome.rating) {
        out += '"';
        out += DifficultyName(*outcome.rating);
        out += '"';
    } else {
        out += "null";
    }
    if (withTrace)
        AppendTrace(out, outcome);
    out += "}\n";
}

void AppendCsv(std::string& out, long number, const SolveOutcome& outcome)
{
    // No field can hold a comma, a quote or a line break, so none is quoted.
    AppendNumber(out, number);
    out += ',';
    AppendPuzzle(out, outcome.puzzle);
    out += ',';
    out += ResultName(outcome.result);
    out += outcome.solutionCount == 1 ? ",true," : ",false,";
    if (outcome.rating)
        out += DifficultyName(*outcome.rating);
    out += ',';
    AppendNumber(out, outcome.board.GuessLevel());
    out += ',';
    AppendBoard(out, outcome.board);
    out += '\n';
}
