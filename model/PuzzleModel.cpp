#include "PuzzleModel.h"

#include "CellText.h"
#include "Difficulty.h"
#include "PuzzleText.h"
#include "SolutionCount.h"
#include "StepRecord.h"

#include <filesystem>
#include <optional>

namespace {

const std::string kYes = "YES";
const std::string kNo = "NO";
const std::string kConsistent = "OK";
const std::string kInconsistent = "INCONSISTENT";
const std::string kSavedGames = "Saved Games/";

constexpr Difficulty kRatings[] = {Difficulty::Easy, Difficulty::Mild, Difficulty::Hard, Difficulty::RiverAzevod};

// A cell's text as the grid shows a value: empty for a cell without a digit.
std::string ShownText(int value)
{
    const std::string text = ValueToText(value);
    return text == "?" ? std::string() : text;
}

int ValueOf(const PuzzleModel::ShownCell& cell)
{
    return TextToValue(cell.text);
}

// Whether the person can see a change: a text changed, or a digit changed colour. A colour change of
// an empty cell shows nothing and is no step to undo.
bool IsVisibleChange(const PuzzleModel::ShownBoard& before, const PuzzleModel::ShownBoard& after)
{
    for (std::size_t cell = 0; cell < before.size(); ++cell) {
        if (before[cell] != after[cell] && (before[cell].text != after[cell].text || !after[cell].text.empty()))
            return true;
    }
    return false;
}

}  // namespace

bool PuzzleModel::IsEnabled(Command command) const
{
    switch (command) {
    case Command::SetSuDoku:
    case Command::Open:
    case Command::Paste: return !m_bSet;
    case Command::Solve:
    case Command::SolveCell:
    case Command::SaveAs:
    case Command::Reset:
    case Command::Clear:
    case Command::ShowSolveLogic: return m_bSet;
    case Command::Copy: return true;
    }
    return false;
}

template <typename Edit>
void PuzzleModel::RecordEdit(Edit edit)
{
    const ShownBoard before = m_shown;
    edit();
    if (!IsVisibleChange(before, m_shown))
        return;
    m_undo.push_back(before);
    m_redo.clear();
}

void PuzzleModel::WritePersonCell(int cell, int value)
{
    m_shown[static_cast<std::size_t>(cell)] = {ShownText(value), false};
}

void PuzzleModel::StepUp(int cell)
{
    if (m_bSet)
        return;
    int next = ValueOf(m_shown[static_cast<std::size_t>(cell)]) + 1;  // empty -> 1 -> ... -> 9 -> empty
    if (next > 9)
        next = -1;
    else if (next < 1)
        next = 1;
    RecordEdit([&] { WritePersonCell(cell, next); });
}

void PuzzleModel::StepDown(int cell)
{
    if (m_bSet)
        return;
    int next = ValueOf(m_shown[static_cast<std::size_t>(cell)]) - 1;  // empty -> 9 -> ... -> 1 -> empty
    if (next == 0)
        next = -1;
    else if (next < 0)
        next = 9;
    RecordEdit([&] { WritePersonCell(cell, next); });
}

void PuzzleModel::TypeDigit(int cell, int digit)
{
    if (!m_bSet)
        RecordEdit([&] { WritePersonCell(cell, digit); });
}

void PuzzleModel::EmptyCell(int cell)
{
    if (!m_bSet)
        RecordEdit([&] { WritePersonCell(cell, -1); });
}

std::size_t PuzzleModel::Paste(std::string_view text)
{
    const PuzzleText puzzle = ReadPuzzleText(text);
    if (m_bSet || !puzzle.IsBoard())
        return puzzle.cellCount;
    // As if the person had typed every cell: one step to undo.
    RecordEdit([&] {
        for (int cell = 0; cell < 81; ++cell)
            WritePersonCell(cell, puzzle.values[static_cast<std::size_t>(cell)]);
    });
    return puzzle.cellCount;
}

void PuzzleModel::Undo()
{
    StepHistory(m_undo, m_redo);
}

void PuzzleModel::Redo()
{
    StepHistory(m_redo, m_undo);
}

void PuzzleModel::StepHistory(std::vector<ShownBoard>& from, std::vector<ShownBoard>& to)
{
    if (m_bSet || from.empty())
        return;
    to.push_back(m_shown);
    m_shown = from.back();
    from.pop_back();
}

void PuzzleModel::ReadShown(CSuDokuBoard& board) const
{
    int values[81];
    for (std::size_t cell = 0; cell < m_shown.size(); ++cell)
        values[cell] = ValueOf(m_shown[cell]);
    board.Load(values);
}

void PuzzleModel::ShowBoard(const CSuDokuBoard& board)
{
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            // The colour always follows the puzzle as entered, whichever board is shown.
            const bool entered = m_boardEntered.GetValueRowCol(row, column) != -1;
            m_shown[static_cast<std::size_t>(row * 9 + column)] = {ShownText(board.GetValueRowCol(row, column)),
                                                                    !entered};
        }
    }
}

void PuzzleModel::UpdateStatus()
{
    m_strSolved = m_boardSolved.IsSolved() ? kYes : kNo;
    m_strStatus = m_boardSolved.IsConsistent() ? kConsistent : kInconsistent;
}

PuzzleModel::SetOutcome PuzzleModel::SetSuDoku()
{
    if (m_bSet)
        return SetOutcome::Solved;
    ReadShown(m_boardSolved);
    ReadShown(m_boardEntered);
    if (!m_boardSolved.IsConsistent())
        return SetOutcome::Inconsistent;
    m_bSet = true;

    // Counted on the puzzle as entered, by a solver of its own; a puzzle's only solution then
    // settles every guess of the search, which tells the same steps faster, and any solution
    // spares the search its own first count.
    const std::array<int, 81> puzzle = EnteredPuzzle();
    int solution[81];
    m_nSolutionCount = CountSolutions(puzzle.data(), solution);
    m_strUnique = m_nSolutionCount == 1 ? kYes : kNo;
    StepRecorder records;
    const bool solved = m_boardSolved.Search(records, m_nSolutionCount > 0 ? solution : nullptr, m_nSolutionCount);
    m_listLogic.clear();
    records.AppendSentencesTo(m_listLogic);
    const std::optional<Difficulty> rating = RateSearch(solved, m_boardSolved.m_nGuessLevel, records.HasDigitSet());
    m_strRating = rating ? DifficultyName(*rating) : std::string();

    if (!solved)
        ShowBoard(m_boardSolved);
    UpdateStatus();
    return solved ? SetOutcome::Solved : SetOutcome::Unsolvable;
}

void PuzzleModel::Solve()
{
    if (m_bSet)
        ShowBoard(m_boardSolved);
}

void PuzzleModel::SolveCell(int cell)
{
    // Unlike Solve, a cell the solver could not determine shows "?".
    if (m_bSet)
        m_shown[static_cast<std::size_t>(cell)] = {ValueToText(m_boardSolved.GetValueRowCol(cell / 9, cell % 9)), true};
}

void PuzzleModel::Reset()
{
    if (!m_bSet)
        return;
    ShowBoard(m_boardEntered);
    UpdateStatus();
}

void PuzzleModel::Clear()
{
    m_bSet = false;
    m_boardSolved.Clear();
    m_boardEntered.Clear();
    ShowBoard(m_boardSolved);
    // The verdicts belonged to the puzzle just cleared; the next SetSuDoku gives new ones.
    m_strUnique.clear();
    m_strRating.clear();
    m_undo.clear();
    m_redo.clear();
    UpdateStatus();
}

void PuzzleModel::Open(const int values[81])
{
    if (m_bSet)
        return;
    m_boardSolved.Load(values);
    m_boardEntered.Load(values);
    ShowBoard(m_boardSolved);
    m_undo.clear();
    m_redo.clear();
}

std::string PuzzleModel::CopyText() const
{
    // The grid as shown: a revealed digit is copied, a "?" is an empty cell.
    int values[81];
    for (std::size_t cell = 0; cell < m_shown.size(); ++cell)
        values[cell] = ValueOf(m_shown[cell]);
    return PuzzleToLine(values);
}

std::array<int, 81> PuzzleModel::EnteredPuzzle() const
{
    std::array<int, 81> values;
    for (int cell = 0; cell < 81; ++cell)
        values[static_cast<std::size_t>(cell)] = m_boardEntered.GetValueRowCol(cell / 9, cell % 9);
    return values;
}

std::string PuzzleModel::SaveFolder(const std::string& appPath) const
{
    const std::string savedGames = appPath + kSavedGames;
    if (m_strRating.empty())
        return savedGames;
    // The rating names its folder; should that folder have gone, the dialog starts one level up.
    const std::string ratingFolder = savedGames + m_strRating + '/';
    std::error_code error;
    return std::filesystem::is_directory(std::filesystem::u8path(ratingFolder), error) ? ratingFolder : savedGames;
}

std::vector<std::string> PuzzleModel::VerdictTexts()
{
    std::vector<std::string> texts = {kYes, kNo, kConsistent, kInconsistent};
    for (const Difficulty rating : kRatings)
        texts.emplace_back(DifficultyName(rating));
    return texts;
}
