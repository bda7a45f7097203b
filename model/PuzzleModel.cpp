#include "PuzzleModel.h"

#include "CellText.h"
#include "SavedGames.h"
#include "PuzzleText.h"

#include <filesystem>

namespace {

// Makes the folder (its parent must exist) unless it is there; false, with why, when it is not a
// folder afterwards.
bool MakeFolder(const std::string& folder, PuzzleModel::SaveFolderChoice& choice)
{
    using Problem = PuzzleModel::SaveFolderChoice::Problem;
    // Without its closing '/', which would hide a file of the same name.
    const std::filesystem::path path = std::filesystem::u8path(folder).parent_path();
    std::error_code error;
    std::error_code ignored;
    if (std::filesystem::create_directory(path, error) || std::filesystem::is_directory(path, ignored))
        return true;
    choice.missing = folder;
    choice.problem = std::filesystem::exists(path, ignored) ? Problem::FileInTheWay : Problem::SystemError;
    choice.systemError = choice.problem == Problem::SystemError ? error.value() : 0;
    return false;
}

// A cell's text as the grid shows a value: empty for a cell without a digit.
std::string ShownText(int value)
{
    const std::string text = ValueToText(value);
    return text == "?" ? std::string() : text;
}

int DigitOrEmpty(int value)
{
    return value >= 1 && value <= 9 ? value : Puzzle::kEmpty;
}

}  // namespace

PuzzleModel::ChangeScope::~ChangeScope()
{
    if (--m_model.m_changeDepth == 0) {
        for (const std::function<void()>& listener : m_model.m_listeners)
            listener();
    }
}


bool PuzzleModel::IsEnabled(Command command) const
{
    const bool set = IsSet();
    switch (command) {
    case Command::SetSuDoku:
    case Command::Open:
    case Command::Paste:
    case Command::NewPuzzle: return !set;
    case Command::Solve:
    case Command::SolveCell:
    case Command::SaveAs:
    case Command::Reset:
    case Command::Clear:
    case Command::ShowSolveLogic: return set;
    case Command::PreviousStep: return set && StepPosition() > 0;
    case Command::NextStep: return set && StepPosition() < StepCount();
    // A puzzle without solution has nothing to hint at.
    case Command::Hint: return set && m_puzzle.SolutionCount() >= 1 && HasEmptyCell();
    case Command::Copy: return true;
    case Command::PreviousPuzzle: return m_collection.HasPrevious();
    case Command::NextPuzzle: return m_collection.HasNext();
    case Command::GoToPuzzle: return m_collection.IsOpen();
    // The solution judges own digits only where it is the only one.
    case Command::CheckOwnDigits: return set && m_work.IsOn() && m_puzzle.HasOneSolution();
    case Command::FillInCandidates: return set && m_work.IsOn();
    }
    return false;
}

PuzzleModel::ShownBoard PuzzleModel::Shown() const
{
    ShownBoard shown;
    if (!IsSet()) {
        for (int cell = 0; cell < kCellCount; ++cell)
            shown[static_cast<std::size_t>(cell)] = {ShownText(m_work.Digit(cell)),
                                                     m_laidEmpty.test(static_cast<std::size_t>(cell))};
        return shown;
    }
    const Puzzle& givens = m_puzzle.Givens();
    const Puzzle digits = m_replay.Digits(m_puzzle.Outcome());
    for (int cell = 0; cell < kCellCount; ++cell) {
        ShownCell& shownCell = shown[static_cast<std::size_t>(cell)];
        // Unlike the solver's board, a revealed cell the solver could not determine shows "?".
        if (m_revealed.IsRevealed(cell))
            shownCell = {ValueToText(RevealedDigit(cell)), true};
        else if (const int own = ShownOwnDigit(cell); own != Puzzle::kEmpty)
            shownCell = {ShownText(own), false, true};
        else  // the colour follows the puzzle as entered, whichever board is shown
            shownCell = {ShownText(digits[cell]), givens.IsEmpty(cell)};
    }
    return shown;
}

template <typename Edit>
void PuzzleModel::EditEntry(int cell, Edit edit)
{
    if (IsSet())
        return;
    m_work.Change([&](OwnWork::State& state) { edit(state.digits); });
    if (cell < 0)
        m_laidEmpty.reset();
    else
        m_laidEmpty.reset(static_cast<std::size_t>(cell));
}

void PuzzleModel::StepUp(int cell)
{
    const ChangeScope change(*this);
    int next = m_work.Digit(cell) + 1;  // empty -> 1 -> ... -> 9 -> empty
    if (next > 9)
        next = Puzzle::kEmpty;
    else if (next < 1)
        next = 1;
    EditEntry(cell, [&](Puzzle& digits) { digits[cell] = next; });
}

void PuzzleModel::StepDown(int cell)
{
    const ChangeScope change(*this);
    int next = m_work.Digit(cell) - 1;  // empty -> 9 -> ... -> 1 -> empty
    if (next == 0)
        next = Puzzle::kEmpty;
    else if (next < 0)
        next = 9;
    EditEntry(cell, [&](Puzzle& digits) { digits[cell] = next; });
}

void PuzzleModel::TypeDigit(int cell, int digit)
{
    const ChangeScope change(*this);
    if (!IsSet())
        EditEntry(cell, [&](Puzzle& digits) { digits[cell] = DigitOrEmpty(digit); });
    else
        WriteOwnDigit(cell, digit);
}

void PuzzleModel::EmptyCell(int cell)
{
    const ChangeScope change(*this);
    if (!IsSet())
        EditEntry(cell, [&](Puzzle& digits) { digits[cell] = Puzzle::kEmpty; });
    else
        WriteOwnDigit(cell, Puzzle::kEmpty);
}

std::size_t PuzzleModel::Paste(std::string_view text)
{
    const ChangeScope change(*this);
    const PuzzleText puzzle = ReadPuzzleText(text);
    if (puzzle.IsBoard())
        EnterPuzzle(puzzle.puzzle);
    return puzzle.cellCount;
}

void PuzzleModel::EnterPuzzle(const Puzzle& puzzle)
{
    const ChangeScope change(*this);
    // As if the person had typed every cell: one step to undo.
    EditEntry(-1, [&](Puzzle& digits) {
        for (int cell = 0; cell < kCellCount; ++cell)
            digits[cell] = DigitOrEmpty(puzzle[cell]);
    });
}

void PuzzleModel::Undo()
{
    const ChangeScope change(*this);
    // The set state's history is the person's own work, locked while own digits are off.
    if (IsSet() && !m_work.IsOn())
        return;
    if (m_work.Undo() && IsSet())
        ShowReplay(StepPosition());
}

void PuzzleModel::Redo()
{
    const ChangeScope change(*this);
    if (IsSet() && !m_work.IsOn())
        return;
    if (m_work.Redo() && IsSet())
        ShowReplay(StepPosition());
}

Puzzle PuzzleModel::ShownPuzzle() const
{
    const ShownBoard shown = Shown();
    Puzzle puzzle;
    for (int cell = 0; cell < kCellCount; ++cell)
        puzzle[cell] = TextToValue(shown[static_cast<std::size_t>(cell)].text);
    return puzzle;
}

void PuzzleModel::StartAfresh()
{
    m_revealed = Revelations();
    m_work.Start();
    ClearOverlays();
}

void PuzzleModel::ClearOverlays()
{
    m_hint.Drop();
    m_check.reset();
    m_wrong.reset();
}

PuzzleModel::SetOutcome PuzzleModel::SetSuDoku()
{
    const ChangeScope change(*this);
    if (IsSet())
        return SetOutcome::Solved;
    if (!m_puzzle.Solve(m_work.Current().digits))
        return SetOutcome::Inconsistent;
    StartAfresh();
    m_replay.Start(m_puzzle.Outcome());
    ExplainTechniques();
    if (m_puzzle.Outcome().result == SolveResult::Solved)
        return SetOutcome::Solved;
    m_replay.ShowSolution();  // what logic found
    return SetOutcome::Unsolvable;
}

void PuzzleModel::Solve()
{
    const ChangeScope change(*this);
    // The end of the replay, with the last step's sentence and marks, so that the board, the step
    // line and the solve-logic window tell the same.
    if (!IsSet())
        return;
    const std::bitset<kCellCount> replaced = GiveWayToSolution();
    if (m_replay.Chosen() == ReplayPath::Techniques && m_replay.StepCount() == 0) {
        // No technique path to walk (not exactly one solution): the solver's board, as on its own path.
        m_replay.ShowSolution();
        ClearOverlays();
    } else {
        ShowReplay(StepCount());
    }
    // Framed as Check frames them, where the solution judges them.
    if (m_puzzle.HasOneSolution())
        m_wrong |= replaced;
}

void PuzzleModel::SolveCell(int cell)
{
    const ChangeScope change(*this);
    if (!IsSet())
        return;
    const HintSession::Stage stage = m_hint.CurrentStage();
    if (stage != HintSession::Stage::None && stage != HintSession::Stage::Taken)
        ShowReplay(StepPosition());  // the hint was for the board before
    const bool replacesWrong = m_puzzle.HasOneSolution() && OwnDigitIsWrong(cell);
    m_revealed.RevealCell(cell);
    if (replacesWrong)
        m_wrong.set(static_cast<std::size_t>(cell));
}

int PuzzleModel::RevealedDigit(int cell) const
{
    return m_revealed.Digit(cell, m_puzzle.Solution());
}

void PuzzleModel::Reset()
{
    const ChangeScope change(*this);
    if (!IsSet())
        return;
    StartAfresh();
    m_replay.Rewind();
}

void PuzzleModel::Clear()
{
    const ChangeScope change(*this);
    // The verdicts belonged to the puzzle just cleared; the next SetSuDoku gives new ones.
    m_puzzle.Clear();
    StartAfresh();
    m_pathWork.Stop();
    m_replay.Start(m_puzzle.Outcome());
    m_laidEmpty.set();
}

void PuzzleModel::Open(const Puzzle& puzzle)
{
    const ChangeScope change(*this);
    if (IsSet())
        return;
    OwnWork::State entered;
    for (int cell = 0; cell < kCellCount; ++cell) {
        entered.digits[cell] = DigitOrEmpty(puzzle[cell]);
        m_laidEmpty.set(static_cast<std::size_t>(cell), entered.digits.IsEmpty(cell));
    }
    m_work.Start(entered);
    m_savedPuzzle = puzzle;
}

Puzzle PuzzleModel::PuzzleOnBoard() const
{
    return IsSet() ? EnteredPuzzle() : ShownPuzzle();
}

bool PuzzleModel::HasUnsavedPuzzle() const
{
    const Puzzle puzzle = PuzzleOnBoard();
    return HasOwnWork() || (puzzle != Puzzle() && puzzle != m_savedPuzzle);
}

void PuzzleModel::NoteSaved()
{
    m_savedPuzzle = EnteredPuzzle();
}

void PuzzleModel::ShowReplay(int position)
{
    m_replay.GoTo(position);
    ClearOverlays();
}

const StepPicture& PuzzleModel::Picture() const
{
    static const StepPicture kNothing;
    if (!IsSet())
        return kNothing;
    return m_hint.Marks() ? m_hint.Picture() : m_replay.Picture();
}

std::string PuzzleModel::StepText() const
{
    if (!IsSet())
        return {};
    const HintSession::Stage stage = m_hint.CurrentStage();
    // Where to look is said in the window's words; the replay's sentence stays meanwhile.
    if (stage == HintSession::Stage::Effect || stage == HintSession::Stage::Taken)
        return m_hint.Sentence();
    return m_replay.Sentence();
}

void PuzzleModel::ChooseReplay(ReplayPath path)
{
    const ChangeScope change(*this);
    if (m_replay.Choose(path) && IsSet())
        ShowReplay(StepPosition());
}

int PuzzleModel::StepCount() const
{
    return m_replay.StepCount();
}

int PuzzleModel::StepPosition() const
{
    return m_replay.Position();
}

void PuzzleModel::GoToStep(int position)
{
    const ChangeScope change(*this);
    if (IsSet())
        ShowReplay(position);
}

void PuzzleModel::NextStep()
{
    const ChangeScope change(*this);
    if (IsEnabled(Command::NextStep))
        ShowReplay(StepPosition() + 1);
}

void PuzzleModel::PreviousStep()
{
    const ChangeScope change(*this);
    if (IsEnabled(Command::PreviousStep))
        ShowReplay(StepPosition() - 1);
}

CandidateMasks PuzzleModel::Candidates() const
{
    return ComputedCandidates();
}

std::array<CandidateLayers, kCellCount> PuzzleModel::ShownCandidates(bool showCandidates) const
{
    const ShownBoard board = Shown();
    const CandidateMasks candidates = ComputedCandidates();
    const CandidateHighlights& highlights = Highlights();
    std::array<CandidateLayers, kCellCount> shown{};
    for (std::size_t cell = 0; cell < shown.size(); ++cell) {
        if (!board[cell].text.empty())
            continue;
        const auto stepDigits = static_cast<std::uint16_t>(highlights.pattern[cell] | highlights.removed[cell] |
                                                           highlights.placed[cell]);
        const std::uint16_t marks = IsSet() ? m_work.MarksOf(static_cast<int>(cell)) : 0;
        shown[cell] = CandidateLayersOf(marks, candidates[cell], stepDigits, showCandidates);
    }
    return shown;
}

CandidateMasks PuzzleModel::ComputedCandidates() const
{
    if (!IsSet())
        return PeerCandidates(ShownPuzzle());
    CandidateMasks candidates = m_replay.Candidates();
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int digit = RevealedDigit(cell);
        if (m_revealed.IsRevealed(cell) && digit >= 1 && digit <= 9)
            PlaceCandidate(candidates, cell, digit);
        if (const int own = ShownOwnDigit(cell); own != Puzzle::kEmpty)
            PlaceCandidate(candidates, cell, own);
    }
    const ShownBoard shown = Shown();
    for (std::size_t cell = 0; cell < candidates.size(); ++cell) {
        if (shown[cell].text.empty())
            candidates[cell] &= static_cast<std::uint16_t>(~m_revealed.Struck()[cell]);
    }
    return candidates;
}

std::string PuzzleModel::CopyText() const
{
    // The grid as shown: a revealed digit is copied, a "?" is an empty cell.
    return ShownPuzzle().ToLine();
}

PuzzleModel::SaveFolderChoice PuzzleModel::SaveFolder(const std::string& appPath) const
{
    const std::string rating = Rating();
    std::vector<std::string> folders = {appPath + kSavedGamesFolder};
    if (!rating.empty())
        folders.push_back(appPath + SavedGameFolder(rating));
    SaveFolderChoice choice;
    for (const std::string& folder : folders) {
        if (!MakeFolder(folder, choice))
            break;
        choice.folder = folder;
    }
    return choice;
}
