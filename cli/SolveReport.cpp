#include "SolveReport.h"

#include "SolutionCount.h"

#include <algorithm>
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

void AppendPuzzle(std::string& out, const int (&puzzle)[81])
{
    for (const int value : puzzle)
        out += PuzzleChar(value);
}

void AppendBoard(std::string& out, const CSuDokuBoard& board)
{
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column)
            out += BoardChar(board.GetValueRowCol(row, column));
    }
}

void AppendNumber(std::string& out, long value)
{
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

bool NeedsJsonEscape(char c)
{
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
}

// Escapes out[from, end) in place for a JSON string. The sentence templates hold nothing that
// needs it, so this normally only looks.
void EscapeJsonTail(std::string& out, size_t from)
{
    const auto first = std::find_if(out.begin() + static_cast<std::ptrdiff_t>(from), out.end(), NeedsJsonEscape);
    if (first == out.end())
        return;
    const std::string tail(first, out.end());
    out.erase(first, out.end());
    for (const char c : tail) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static const char kHex[] = "0123456789abcdef";
                out += "\\u00";
                out += kHex[(c >> 4) & 0xf];
                out += kHex[c & 0xf];
            } else {
                out += c;
            }
        }
    }
}

}  // namespace

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

void SolvePuzzle(const int puzzle[81], SolveOutcome& outcome)
{
    std::copy(puzzle, puzzle + 81, outcome.puzzle);
    outcome.steps.Truncate(0);
    outcome.rating.reset();
    int solution[81];
    outcome.solutionCount = CountSolutions(puzzle, solution);
    outcome.board = CSuDokuBoard();
    outcome.board.Load(puzzle);
    if (!outcome.board.IsConsistent()) {
        outcome.result = SolveResult::Inconsistent;
        return;
    }
    // The steps kept as records, so that they are written without a string of their own; a
    // puzzle's only solution settles every guess without looking again, and any solution spares
    // the search its own first count.
    const bool solved =
        outcome.board.Search(outcome.steps, outcome.solutionCount > 0 ? solution : nullptr, outcome.solutionCount);
    outcome.result = solved ? SolveResult::Solved : SolveResult::Unsolvable;
    outcome.rating = RateSearch(solved, outcome.board.m_nGuessLevel, outcome.steps.HasDigitSet());
}

void AppendText(std::string& out, const SolveOutcome& outcome, bool withSteps)
{
    // Both the search and the consistency check end with an evaluation, so the verdicts are current.
    const bool consistent = outcome.board.m_bConsistent;
    const bool solved = outcome.board.m_bSolved;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column)
            out += PuzzleChar(outcome.board.GetValueRowCol(row, column));
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
    if (withSteps) {
        for (size_t i = 0; i < outcome.steps.Size(); ++i) {
            AppendSentence(out, outcome.steps[i]);
            out += '\n';
        }
    }
}

void AppendJson(std::string& out, const SolveOutcome& outcome)
{
    out += "{\"puzzle\":\"";
    AppendPuzzle(out, outcome.puzzle);
    out += "\",\"result\":\"";
    out += ResultName(outcome.result);
    out += "\",\"level\":";
    AppendNumber(out, outcome.board.m_nGuessLevel);
    out += ",\"board\":\"";
    AppendBoard(out, outcome.board);
    out += "\",\"steps\":[";
    for (size_t i = 0; i < outcome.steps.Size(); ++i) {
        out += i > 0 ? ",\"" : "\"";
        const size_t start = out.size();
        AppendSentence(out, outcome.steps[i]);
        EscapeJsonTail(out, start);
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
    AppendNumber(out, outcome.board.m_nGuessLevel);
    out += ',';
    AppendBoard(out, outcome.board);
    out += '\n';
}
