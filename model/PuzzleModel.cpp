#include "PuzzleModel.h"

#include "CellText.h"
#include "SavedGames.h"
#include "Difficulty.h"
#include "PuzzleFileIndex.h"
#include "PuzzleText.h"

#include <filesystem>

namespace {

const std::string kYes = "YES";
const std::string kNo = "NO";
const std::string kConsistent = "OK";
const std::string kInconsistent = "INCONSISTENT";


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

PuzzleModel::ChangeScope::~ChangeScope()
{
    if (--m_model.m_changeDepth == 0) {
        for (const std::function<void()>& listener : m_model.m_listeners)
            listener();
    }
}

bool PuzzleModel::IsEnabled(Command command) const
{
    switch (command) {
    case Command::SetSuDoku:
    case Command::Open:
    case Command::Paste:
    case Command::NewPuzzle: return !m_bSet;
    case Command::Solve:
    case Command::SolveCell:
    case Command::SaveAs:
    case Command::Reset:
    case Command::Clear:
    case Command::ShowSolveLogic: return m_bSet;
    case Command::PreviousStep: return m_bSet && StepPosition() > 0;
    case Command::NextStep: return m_bSet && StepPosition() < StepCount();
    // A puzzle without solution has nothing to hint at.
    case Command::Hint: return m_bSet && m_solve.solutionCount >= 1 && HasEmptyCell();
    case Command::Copy: return true;
    case Command::PreviousPuzzle: return m_collection && m_collectionIndex > 0;
    case Command::NextPuzzle: return m_collection && m_collectionIndex + 1 < m_collection->Count();
    case Command::GoToPuzzle: return m_collection != nullptr;
    // The solution judges own digits only where it is the only one.
    case Command::CheckOwnDigits: return m_bSet && m_ownDigitsOn && m_solve.solutionCount == 1;
    case Command::FillInCandidates: return m_bSet && m_ownDigitsOn;
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
    const ChangeScope change(*this);
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
    const ChangeScope change(*this);
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
    const ChangeScope change(*this);
    if (!m_bSet)
        RecordEdit([&] { WritePersonCell(cell, digit); });
    else
        WriteOwnDigit(cell, digit);
}

void PuzzleModel::EmptyCell(int cell)
{
    const ChangeScope change(*this);
    if (!m_bSet)
        RecordEdit([&] { WritePersonCell(cell, -1); });
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
    if (m_bSet)
        return;
    // As if the person had typed every cell: one step to undo.
    RecordEdit([&] {
        for (int cell = 0; cell < kCellCount; ++cell)
            WritePersonCell(cell, puzzle[cell]);
    });
}

void PuzzleModel::Undo()
{
    const ChangeScope change(*this);
    StepHistory(m_undo, m_redo);
}

void PuzzleModel::Redo()
{
    const ChangeScope change(*this);
    StepHistory(m_redo, m_undo);
}

void PuzzleModel::StepHistory(std::vector<ShownBoard>& from, std::vector<ShownBoard>& to)
{
    if (m_bSet) {
        // The set state's history is the person's own work, locked while own digits are off.
        if (!m_ownDigitsOn)
            return;
        std::vector<OwnWork>& ownFrom = &from == &m_undo ? m_ownUndo : m_ownRedo;
        std::vector<OwnWork>& ownTo = &from == &m_undo ? m_ownRedo : m_ownUndo;
        if (ownFrom.empty())
            return;
        ownTo.push_back(m_own);
        m_own = ownFrom.back();
        ownFrom.pop_back();
        ShowReplay(StepPosition());
        return;
    }
    if (from.empty())
        return;
    to.push_back(m_shown);
    m_shown = from.back();
    from.pop_back();
}

Puzzle PuzzleModel::ShownPuzzle() const
{
    Puzzle puzzle;
    for (int cell = 0; cell < kCellCount; ++cell)
        puzzle[cell] = ValueOf(m_shown[static_cast<std::size_t>(cell)]);
    return puzzle;
}

void PuzzleModel::ShowBoard(const Puzzle& board)
{
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            // The colour always follows the puzzle as entered, whichever board is shown.
            const bool entered = !m_boardEntered.IsEmpty(row * 9 + column);
            m_shown[static_cast<std::size_t>(row * 9 + column)] = {ShownText(board[row * 9 + column]), !entered};
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
    const ChangeScope change(*this);
    if (m_bSet)
        return SetOutcome::Solved;
    const Puzzle puzzle = ShownPuzzle();
    m_boardEntered = puzzle;
    SolvePuzzle(puzzle, m_solve);
    m_boardSolved = m_solve.board;
    if (m_solve.result == SolveResult::Inconsistent) {
        UpdateStatus();  // a Status left from another board would contradict the refusal
        return SetOutcome::Inconsistent;
    }
    m_bSet = true;
    m_revealed.reset();
    m_own = {};
    m_ownUndo.clear();
    m_ownRedo.clear();

    m_strUnique = m_solve.solutionCount == 1 ? kYes : kNo;
    m_listLogic.clear();
    AppendSentences(m_listLogic, m_solve.steps);
    m_strRating = m_solve.rating ? DifficultyName(*m_solve.rating) : std::string();
    m_replay.Start(puzzle, m_solve.steps);
    ExplainTechniques(puzzle);
    m_struck = {};
    ClearMarks();

    const bool solved = m_solve.result == SolveResult::Solved;
    if (!solved)
        ShowBoard(m_boardSolved.Values());
    UpdateStatus();
    return solved ? SetOutcome::Solved : SetOutcome::Unsolvable;
}

void PuzzleModel::Solve()
{
    const ChangeScope change(*this);
    // The end of the replay, with the last step's sentence and marks, so that the board, the step
    // line and the solve-logic window tell the same.
    if (!m_bSet)
        return;
    const std::bitset<kCellCount> replaced = GiveWayToSolution();
    if (m_replayPath == ReplayPath::Techniques && m_techniqueReplay.StepCount() == 0) {
        // No technique path to walk (not exactly one solution): the solver's board, as on its own path.
        ShowBoard(m_boardSolved.Values());
        ShowRevealed();
        ClearMarks();
    } else {
        ShowReplay(StepCount());
    }
    // Framed as Check frames them, where the solution judges them.
    if (m_solve.solutionCount == 1)
        m_wrong |= replaced;
}

void PuzzleModel::SolveCell(int cell)
{
    const ChangeScope change(*this);
    if (!m_bSet)
        return;
    if (m_hintStage != HintStage::None)
        ShowReplay(StepPosition());  // the hint was for the board before
    const bool replacesWrong = m_solve.solutionCount == 1 && OwnDigitIsWrong(cell);
    m_revealed.set(static_cast<std::size_t>(cell));
    ShowRevealed();
    if (replacesWrong)
        m_wrong.set(static_cast<std::size_t>(cell));
}

void PuzzleModel::ShowRevealed()
{
    // Unlike Solve, a cell the solver could not determine shows "?".
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (m_revealed.test(static_cast<std::size_t>(cell)))
            m_shown[static_cast<std::size_t>(cell)] = {ValueToText(RevealedDigit(cell)), true};
        else if (const int own = ShownOwnDigit(cell); own != Puzzle::kEmpty)
            m_shown[static_cast<std::size_t>(cell)] = {ShownText(own), false, true};
    }
}

int PuzzleModel::RevealedDigit(int cell) const
{
    // Where several solutions remain, a hint places what the board proves, not the solver's pick.
    return m_hintPlaced.IsEmpty(cell) ? m_boardSolved.Value(cell) : m_hintPlaced[cell];
}

void PuzzleModel::Reset()
{
    const ChangeScope change(*this);
    if (!m_bSet)
        return;
    m_revealed.reset();
    m_hintPlaced = Puzzle();
    m_own = {};
    m_ownUndo.clear();
    m_ownRedo.clear();
    m_struck = {};
    ShowBoard(m_boardEntered);
    m_replay.GoTo(0);
    m_techniqueReplay.GoTo(0);
    ClearMarks();
    UpdateStatus();
}

void PuzzleModel::Clear()
{
    const ChangeScope change(*this);
    m_bSet = false;
    m_revealed.reset();
    m_hintPlaced = Puzzle();
    m_own = {};
    m_ownUndo.clear();
    m_ownRedo.clear();
    m_boardSolved = SolverBoard();
    m_boardEntered = Puzzle();
    ShowBoard(m_boardSolved.Values());
    // The verdicts belonged to the puzzle just cleared; the next SetSuDoku gives new ones.
    m_strUnique.clear();
    m_strRating.clear();
    m_undo.clear();
    m_redo.clear();
    m_replay.Start(Puzzle(), {});
    m_pathWork.Stop();
    ShowExplanation(technique::Explanation());
    m_struck = {};
    ClearMarks();
    UpdateStatus();
}

void PuzzleModel::Open(const Puzzle& puzzle)
{
    const ChangeScope change(*this);
    if (m_bSet)
        return;
    m_boardSolved = SolverBoard(puzzle);
    m_boardEntered = puzzle;
    ShowBoard(m_boardSolved.Values());
    m_undo.clear();
    m_redo.clear();
    m_savedPuzzle = puzzle;
}

Puzzle PuzzleModel::PuzzleOnBoard() const
{
    return m_bSet ? EnteredPuzzle() : ShownPuzzle();
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

void PuzzleModel::ClearMarks()
{
    m_marks.fill(CellMark::None);
    m_highlights = CandidateHighlights();
    m_chain = ChainPicture();
    m_stepText.clear();
    m_hintStage = HintStage::None;
    m_hintWork.Stop();  // a hint for the board before
    m_check.reset();
    m_wrong.reset();
    m_hintStop.reset();
}

void PuzzleModel::ShowReplay(int position)
{
    const auto showDigits = [this](const Puzzle& digits) {
        for (int cell = 0; cell < kCellCount; ++cell) {
            const bool entered = !m_boardEntered.IsEmpty(cell);
            m_shown[static_cast<std::size_t>(cell)] = {ShownText(digits[cell]), !entered};
        }
    };
    if (m_replayPath == ReplayPath::Techniques) {
        m_techniqueReplay.GoTo(position);
        showDigits(m_techniqueReplay.Digits());
    } else {
        m_replay.GoTo(position);
        if (m_replay.Position() == m_replay.StepCount()) {
            // Where the steps of a puzzle without solution run into a contradiction, the solver's
            // own board tells what it made of it: the end of the replay is what Solve shows.
            ShowBoard(m_boardSolved.Values());
        } else {
            showDigits(m_replay.Digits());
        }
    }
    ShowRevealed();
    ClearMarks();
    if (m_replayPath == ReplayPath::Techniques) {
        const StepPicture picture = m_techniqueReplay.Picture();
        m_marks = picture.marks;
        m_highlights = picture.highlights;
        m_chain = picture.chain;
        if (const TechniqueStep* step = m_techniqueReplay.StepTaken())
            m_stepText = TechniqueSentence(*step);
        return;
    }
    m_marks = m_replay.Marks();
    m_highlights = m_replay.Highlights();
    if (m_replay.Position() > 0)
        m_stepText = m_listLogic[static_cast<std::size_t>(m_replay.Position() - 1)];
}

void PuzzleModel::ChooseReplay(ReplayPath path)
{
    const ChangeScope change(*this);
    if (path == m_replayPath)
        return;
    m_replayPath = path;
    if (m_bSet)
        ShowReplay(StepPosition());
}

int PuzzleModel::StepCount() const
{
    return m_replayPath == ReplayPath::Techniques ? m_techniqueReplay.StepCount() : m_replay.StepCount();
}

int PuzzleModel::StepPosition() const
{
    return m_replayPath == ReplayPath::Techniques ? m_techniqueReplay.Position() : m_replay.Position();
}

void PuzzleModel::GoToStep(int position)
{
    const ChangeScope change(*this);
    if (m_bSet)
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
    const CandidateMasks candidates = ComputedCandidates();
    std::array<CandidateLayers, kCellCount> shown{};
    for (std::size_t cell = 0; cell < shown.size(); ++cell) {
        if (!m_shown[cell].text.empty())
            continue;
        const auto stepDigits = static_cast<std::uint16_t>(m_highlights.pattern[cell] | m_highlights.removed[cell] |
                                                           m_highlights.placed[cell]);
        shown[cell] = CandidateLayersOf(m_bSet ? m_own.marks[cell] : 0, candidates[cell], stepDigits, showCandidates);
    }
    return shown;
}

CandidateMasks PuzzleModel::ComputedCandidates() const
{
    if (!m_bSet)
        return PeerCandidates(ShownPuzzle());
    CandidateMasks candidates =
        m_replayPath == ReplayPath::Techniques ? m_techniqueReplay.Candidates() : m_replay.Candidates();
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int digit = RevealedDigit(cell);
        if (m_revealed.test(static_cast<std::size_t>(cell)) && digit >= 1 && digit <= 9)
            PlaceCandidate(candidates, cell, digit);
        if (const int own = ShownOwnDigit(cell); own != Puzzle::kEmpty)
            PlaceCandidate(candidates, cell, own);
    }
    for (std::size_t cell = 0; cell < candidates.size(); ++cell) {
        if (m_shown[cell].text.empty())
            candidates[cell] &= static_cast<std::uint16_t>(~m_struck[cell]);
    }
    return candidates;
}

std::string PuzzleModel::CopyText() const
{
    // The grid as shown: a revealed digit is copied, a "?" is an empty cell.
    return ShownPuzzle().ToLine();
}

Puzzle PuzzleModel::EnteredPuzzle() const
{
    return m_boardEntered;
}

PuzzleModel::SaveFolderChoice PuzzleModel::SaveFolder(const std::string& appPath) const
{
    std::vector<std::string> folders = {appPath + kSavedGamesFolder};
    if (!m_strRating.empty())
        folders.push_back(appPath + SavedGameFolder(m_strRating));
    SaveFolderChoice choice;
    for (const std::string& folder : folders) {
        if (!MakeFolder(folder, choice))
            break;
        choice.folder = folder;
    }
    return choice;
}

std::vector<std::string> PuzzleModel::VerdictTexts()
{
    std::vector<std::string> texts = {kYes, kNo, kConsistent, kInconsistent};
    for (const Difficulty rating : kDifficulties)
        texts.emplace_back(DifficultyName(rating));
    return texts;
}
