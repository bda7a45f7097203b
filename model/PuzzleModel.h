// The puzzle being worked on in the main window, as data: the window forwards the person's gestures
// and commands here and draws what the model shows.
//
// The model is in the edit state while the person enters a puzzle: the gestures change the digits
// entered, and each change goes onto the undo history. SetSuDoku solves the digits entered silently
// and enters the set state, where the gestures change nothing but the person's own work and the
// solution can be revealed whole (Solve) or cell by cell (SolveCell). Only SetSuDoku enters the set
// state; only Clear leaves it.
//
// It is a façade over parts that each own their state: the digits and marks the person writes, with
// their history (OwnWork); the puzzle set and its solve (SolvedPuzzle); what Solve Cell and hints
// added (Revelations); the replay along either path (BoardReplay); the hint (HintSession); the
// collection (CollectionFile). What the board shows is worked out from them when asked.
//
// Cells are numbered 0..80 row by row from the top left (cell = row * 9 + column, both 0-based).
// A shown cell is a text ("" for empty, "1".."9", or the "?" of a cell the solver could not
// determine) and whose it is: the person's (black) or the solver's (blue).
//
// Whoever shows the model listens to it: after every command below that may change what it shows
// (the cells, the verdicts, the step line and which commands are enabled) each listener is called
// once, however much the command changed, and then reads what it needs.
//
// The technique path and a hint's step can take seconds on the hardest puzzles. Once its owner asks
// to be told when work has finished (SetWorkFinishedNotice), the model works them out on threads of
// its own, stops what a change of the board makes useless, and brings finished work in when the
// owner calls TakeFinishedWork on its own thread; without a notice it works them out at once.
#pragma once

#include "BackgroundWork.h"
#include "BoardFile.h"
#include "BoardReplay.h"
#include "CellText.h"
#include "Engine.h"
#include "Game.h"
#include "HintSession.h"
#include "OwnWork.h"
#include "CollectionFile.h"
#include "Revelations.h"
#include "SolveReplay.h"
#include "SolvedPuzzle.h"
#include "TechniqueReplay.h"
#include "TechniqueView.h"

#include <array>
#include <bitset>
#include <cstddef>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class PuzzleModel {
public:
    struct ShownCell {
        std::string text;
        bool bySolver = false;
        bool own = false;  // one of the person's own digits, typed while the puzzle is set

        bool operator==(const ShownCell&) const = default;
    };
    using ShownBoard = std::array<ShownCell, kCellCount>;

    enum class Command {
        SetSuDoku, Solve, SolveCell, Open, SaveAs, Copy, Paste, Reset, Clear, ShowSolveLogic,
        PreviousStep, NextStep, Hint, NewPuzzle,
        PreviousPuzzle, NextPuzzle, GoToPuzzle, CheckOwnDigits, FillInCandidates,
    };
    enum class SetOutcome { Inconsistent, Solved, Unsolvable };
    // Which explanation the replay walks: the solver's steps or the technique path.
    using ReplayPath = BoardReplay::Path;

    // Called after each command.
    void AddListener(std::function<void()> listener) { m_listeners.push_back(std::move(listener)); }

    // --- Work done in the background -------------------------------------------------------------
    // From now on the technique path and hints are worked out in the background; notice is called on
    // the worker's thread each time work has finished, to have the owner call TakeFinishedWork.
    void SetWorkFinishedNotice(std::function<void()> notice);
    // Brings in the work that has finished, and calls the listeners.
    void TakeFinishedWork();
    // Waits for the work under way and brings it in, for an owner without an event loop.
    void FinishWork();
    // The technique path of the puzzle set is still being worked out.
    bool TechniquesPending() const { return m_pathWork.Pending(); }
    // A hint has been asked for and is still being worked out.
    bool HintPending() const { return m_hint.CurrentStage() == HintSession::Stage::Working; }

    bool IsSet() const { return m_puzzle.IsSet(); }
    bool IsEnabled(Command command) const;
    ShownBoard Shown() const;

    // --- Entering a puzzle (edit state only; in the set state they change nothing) -------------
    void StepUp(int cell);    // a click: empty, 1, 2, ... 9, empty
    void StepDown(int cell);  // a right click: empty, 9, 8, ... 1, empty
    void TypeDigit(int cell, int digit);  // 1..9
    void EmptyCell(int cell);
    // Puts a puzzle from text into the cells as if typed, when the text holds exactly one board;
    // returns the number of cells the text holds either way.
    std::size_t Paste(std::string_view text);
    // Puts a whole puzzle into the cells as if typed, as one step to undo: a new puzzle, say.
    void EnterPuzzle(const Puzzle& puzzle);
    // Takes back, or does again, the last change of the edit state.
    void Undo();
    void Redo();

    // --- Commands on the whole puzzle ------------------------------------------------------------
    // Reads the shown cells as the puzzle. A puzzle that repeats a digit in a unit is refused and
    // changes nothing but the Solved and Status verdicts, which judge it. Otherwise it is solved
    // silently; the verdicts are filled, and a puzzle without solution shows what logic found.
    SetOutcome SetSuDoku();
    void Solve();             // shows the whole solution: the replay's end
    // Shows the solution of one cell, "?" where there is none. The cell stays revealed at every
    // step of the replay until Reset or Clear, and the candidates shown count its digit.
    void SolveCell(int cell);
    void Reset();             // back to the puzzle as entered, solution and revealed cells hidden
    void Clear();             // an empty board in the edit state, verdicts and history gone
    // Puts a puzzle into the cells, for the edit state; the history starts afresh.
    void Open(const Puzzle& puzzle);

    // --- Whether closing would lose a puzzle ---------------------------------------------------
    // True while the board holds a puzzle (in the edit state the digits shown, in the set state
    // the puzzle as entered) that is neither empty nor the one last opened or saved, and while the
    // person's own digits or marks are on it, which no file keeps.
    bool HasUnsavedPuzzle() const;
    // The puzzle as entered has just been written to a file.
    void NoteSaved();

    // Opening and saving files (PuzzleModelFiles.cpp). A name ending in ".txt" (in any case) is
    // read as puzzle text, its first puzzle, and a text of more than one puzzle stays open as the
    // collection; any other as a saved board. Anything but a regular file is refused unread.
    struct OpenOutcome {
        enum class Result { Opened, NotAFile, Unreadable, NotABoard } result = Result::Unreadable;
        std::size_t cellCount = 0;  // NotABoard: the cells the text holds
        // A text that turns out to be none from a NUL byte on: that line (from 1, else 0), and
        // the puzzles read before it, which alone are opened.
        long notTextLine = 0;
        std::size_t puzzlesRead = 0;
    };
    OpenOutcome OpenFile(const std::filesystem::path& path);
    // Writes the puzzle as entered, never the solution; false with why when it fails, and the old
    // file is then untouched.
    bool SaveFile(const std::filesystem::path& path, BoardSaveFailure& failure);

    // --- The collection: the text file of several puzzles opened last (PuzzleModelCollection.cpp) --
    // It stays open until another file is opened; moving to one of its puzzles opens that puzzle as
    // Open does, leaving the set state first. Whether the board holds a puzzle that moving would lose
    // is HasUnsavedPuzzle's answer, for the window to ask about.
    using CollectionPlace = ::CollectionPlace;
    std::optional<CollectionPlace> Collection() const { return m_collection.Place(); }
    using MoveOutcome = CollectionMove;
    MoveOutcome GoToPuzzle(std::size_t number);
    MoveOutcome NextPuzzle();
    MoveOutcome PreviousPuzzle();

    // --- The replay of the solve (set state) ------------------------------------------------------
    // SetSuDoku and Reset put the replay at its start, Solve at its end. Moving it shows the board
    // after that many steps (the solver's digits in its colour) with the cells Solve Cell and the
    // hints revealed, marks the step that led there and puts its sentence in StepText. It walks the
    // path chosen, each path keeping its own position; on the technique path the step's pattern is
    // marked and the candidates it removed stay drawn, struck out (Highlights).
    void ChooseReplay(ReplayPath path);
    int StepCount() const;
    int StepPosition() const;
    void GoToStep(int position);  // kept within 0..StepCount()
    void NextStep();
    void PreviousStep();
    // A hint from the technique finder on the board as shown, in three presses: the first marks
    // where to look and names the technique (ShownLook), the second shows what the step removes or
    // places (its sentence in StepText), the third takes it: a digit it places is revealed, the
    // candidates it removes stay removed from the candidates shown. Any other change of the board
    // starts the next hint afresh. Where no technique moves, the hint is a cell of the solution.
    // Worked out in the background, the first stage shows once it has been found (HintPending).
    void Hint();
    // The line under the board: the sentence of the step on show, or a hint's; empty otherwise.
    std::string StepText() const;
    // While the first stage of a hint is on show, where to look; null otherwise.
    const TechniqueLook* ShownLook() const { return m_hint.Look(); }
    const CellMarks& Marks() const { return Picture().marks; }
    // The candidates of the step on show or the hint: those that prove it, those it removes (drawn
    // struck out, even once removed) and the digits it places.
    const CandidateHighlights& Highlights() const { return Picture().highlights; }
    // The chains of the step or hint on show: where they start, and once it is shown whole their links.
    const ChainPicture& Chain() const { return Picture().chain; }
    // The candidates of the cells as shown: in the edit state those the digits shown leave, in
    // the set state those of the replay's board narrowed by the digits revealed, the own digits
    // and the candidates hints removed. The person's own marks do not narrow them.
    CandidateMasks Candidates() const;
    // What each cell shows in small digits: nothing where it shows a digit, else its own marks and
    // the candidates by CandidateLayersOf, with the highlighted digits of the step or hint on show.
    std::array<CandidateLayers, kCellCount> ShownCandidates(bool showCandidates) const;

    // --- The person's own work on the puzzle set (PuzzleModelOwnDigits.cpp) ---------------------
    // While own digits are on (off at first), the set state takes the person's own digits in every
    // cell the puzzle left empty and no command revealed: TypeDigit writes one, EmptyCell takes it
    // away (in a cell without one, its marks), Undo and Redo walk through these changes. They are
    // shown over the replay's board at every step, until Reset or Clear; turned off, they stay
    // shown but locked, Undo and Redo included; the own marks are shown the same way
    // (ShownCandidates). Solve shows the solution whole: an own digit that differs from it gives
    // way, as one step to undo.
    void SetOwnDigitsOn(bool on);
    bool OwnDigitsOn() const { return m_work.IsOn(); }
    // Toggles the person's own mark of digit (1..9) in a cell that takes own digits and shows none.
    void ToggleOwnMark(int cell, int digit);
    // Gives every cell that takes own digits and shows none the candidates the board as shown
    // leaves it, as its own marks: one step to undo.
    void FillInCandidates();
    bool HasOwnWork() const;
    struct CheckResult {
        int wrongDigits = 0;  // own digits that differ from the solution
        int wrongMarks = 0;   // cells whose own marks leave out the solution's digit
    };
    // Frames each of those cells (WrongCells) and keeps the counts on show until the board changes;
    // nothing of the solution is revealed. Only for a puzzle with exactly one solution.
    void Check();
    const std::optional<CheckResult>& ShownCheck() const { return m_check; }
    // The cells framed as wrong: by Check, the one a hint names, or own digits that Solve or Solve
    // Cell replaced with the solution's (where it is the only one).
    const std::bitset<kCellCount>& WrongCells() const { return m_wrong; }
    // --- A highlighted digit and clashing own digits (PuzzleModelHighlight.cpp) -----------------
    // Highlights a digit (1..9): the cells showing it and its own marks and candidates. The digit
    // highlighted already, or 0, clears it; any other value changes nothing.
    void HighlightDigit(int digit);
    int HighlightedDigit() const { return m_highlighted; }
    // HighlightDigit of the digit the cell shows; a cell without one changes nothing.
    void HighlightDigitOf(int cell);
    // The cells showing the highlighted digit; none while no digit is highlighted.
    std::bitset<kCellCount> HighlightedCells() const;
    // Whether placing an own digit takes that digit out of the own marks of the cells that see it,
    // in the same step to undo (on at first).
    void SetCleanMarksOnPlace(bool on) { m_cleanMarks = on; }
    bool CleansMarksOnPlace() const { return m_cleanMarks; }
    // Own digits that repeat a digit on show in their row, column or square, and the cells they
    // repeat: only what the board proves, never the solution. None while not shown (on at first).
    struct Clashes {
        std::bitset<kCellCount> ownDigits;
        std::bitset<kCellCount> repeated;
    };
    Clashes ShownClashes() const;
    void SetShowClashes(bool on);
    bool ShowsClashes() const { return m_showClashes; }
    // Why a hint shows no step. It judges the own work on show (own digits always, marks while own
    // digits are on) before it reasons from the board: a wrong own digit first, then marks that
    // lost the right digit; where the puzzle has several solutions, an own digit that repeats one
    // in its row, column or square, then own digits no solution agrees with. There no marks count,
    // and where no technique moves the hint says that nothing decides another cell.
    using HintStop = ::HintStop;
    const std::optional<HintStop>& StoppedHint() const { return m_hint.Stopped(); }

    // --- The technique path of the puzzle set (explained once by SetSuDoku; TechniquesPending) ----
    using TechniqueLine = ::TechniqueLine;
    // One line per step; none for a puzzle without exactly one solution.
    const std::vector<TechniqueLine>& TechniqueLines() const { return m_replay.Techniques().Lines(); }
    using TechniqueRating = ::TechniqueRating;
    // The puzzle's difficulty on the technique scale; none without exactly one solution or for a
    // puzzle given complete.
    const std::optional<TechniqueRating>& TechniqueDifficulty() const { return m_replay.Techniques().Rating(); }

    // The shown cells as one line of 81 characters, "." for an empty cell or a "?".
    std::string CopyText() const;
    // The puzzle as entered at the last SetSuDoku, for Save As.
    Puzzle EnteredPuzzle() const { return m_puzzle.Givens(); }
    // Where Save As starts below appPath (which ends in '/'): the rating's folder in "Saved Games/",
    // or "Saved Games/" itself when there is no rating. A folder on the way that is missing is
    // made, one level at a time, as at start-up; when one cannot be, Save As starts in the deepest
    // that exists (folder empty when none does), and missing and problem say which and why.
    struct SaveFolderChoice {
        enum class Problem { None, FileInTheWay, SystemError };
        std::string folder;
        std::string missing;
        Problem problem = Problem::None;
        int systemError = 0;  // SystemError: the system's error number
    };
    SaveFolderChoice SaveFolder(const std::string& appPath) const;

    // The verdicts as the window's fields show them: Solved and Status "YES"/"NO" and
    // "OK"/"INCONSISTENT" after SetSuDoku (a refused one too), Reset and Clear, empty again after a
    // move to another puzzle of the collection; Unique "YES"/"NO" and Rating
    // ("Easy" ... "RiverAzevod", or empty) from SetSuDoku until Clear.
    std::string Solved() const { return m_puzzle.Solved(); }
    std::string Status() const { return m_puzzle.Status(); }
    std::string Unique() const { return m_puzzle.Unique(); }
    std::string Rating() const { return m_puzzle.Rating(); }
    // Every text those fields can show.
    static std::vector<std::string> VerdictTexts() { return SolvedPuzzle::VerdictTexts(); }

    // The last solve's step sentences, and its solution count (0, 1 or kSeveralSolutions).
    const StepList& Steps() const { return m_replay.Solver().Sentences(); }
    int SolutionCount() const { return m_puzzle.SolutionCount(); }
    bool HasSeveralSolutions() const { return m_puzzle.SolutionCount() >= kSeveralSolutions; }

    // --- The game: the puzzle and all the person's work on it, as one value ----------------------
    Game CurrentGame() const;
    // Puts a game on the board as it was given, its puzzle set again; the undo history starts
    // afresh. Own work where the puzzle takes none is left out. False, with the puzzle left entered
    // in the edit state, when it cannot be set: it repeats a digit in a unit.
    bool RestoreGame(const Game& game);

private:
    // Calls the listeners when the outermost command ends, so a command made of others reports once.
    class ChangeScope {
    public:
        explicit ChangeScope(PuzzleModel& model) : m_model(model) { ++m_model.m_changeDepth; }
        ~ChangeScope();
        ChangeScope(const ChangeScope&) = delete;
        ChangeScope& operator=(const ChangeScope&) = delete;

    private:
        PuzzleModel& m_model;
    };

    // The puzzle's work begins afresh (SetSuDoku, Reset, Clear): nothing revealed, no own work and
    // no history, nothing marked, the replay at its start.
    void StartAfresh();
    // Forgets what is drawn over the board: a hint, a check and the cells framed; the work on a hint stops.
    void ClearOverlays();
    // Moves the replay and shows its board, its marks and its sentence.
    void ShowReplay(int position);
    // The marks on show: a hint's, else those of the replay's step.
    const StepPicture& Picture() const;
    Puzzle ShownPuzzle() const;  // a "?" is an empty cell
    Puzzle PuzzleOnBoard() const;
    int RevealedDigit(int cell) const;
    // The board as shown, with its candidates, for the technique finder.
    technique::TechniqueBoard ShownTechniqueBoard() const;
    bool HasEmptyCell() const;
    // Starts the technique path of the puzzle set, or works it out at once (see SetWorkFinishedNotice).
    void ExplainTechniques();
    // Takes the finished work in, waiting for it first when asked to.
    void BringInWork(bool wait);
    // Runs an edit of the digits entered (edit state) that writes one cell, or every cell (-1).
    template <typename Edit>
    void EditEntry(int cell, Edit edit);

    bool TakesOwnDigit(int cell) const;
    // Puzzle::kEmpty takes the cell's digit away.
    void WriteOwnDigit(int cell, int digit);
    // The own digit the cell shows, or Puzzle::kEmpty.
    int ShownOwnDigit(int cell) const;
    // Runs a change of the own work and records it for undo when it changed anything.
    template <typename Edit>
    void ChangeOwnWork(Edit edit);
    bool OwnDigitIsWrong(int cell) const;
    bool OwnMarksAreWrong(int cell, const ShownBoard& shown) const;
    std::optional<HintStop> OwnWorkFault() const;
    // Calls visit for each cell in the row, column or square of cell, but cell; some twice.
    template <typename Visit>
    static void ForEachSeenCell(int cell, Visit visit)
    {
        for (const int unit : {technique::RowUnit(cell), technique::ColumnUnit(cell), technique::BoxUnit(cell)}) {
            for (const int other : technique::UnitCells(unit)) {
                if (other != cell)
                    visit(other);
            }
        }
    }
    // A cell that cell sees and that shows the same digit, or -1.
    static int RepeatedPeer(const Puzzle& shown, int cell);
    // Takes back the own digits that differ from the solution, as one step to undo; the cells.
    std::bitset<kCellCount> GiveWayToSolution();
    CheckResult CountWrong(std::bitset<kCellCount>* cells) const;
    // The candidates the board as shown leaves, own digits included, whatever the marks.
    CandidateMasks ComputedCandidates() const;

    SolvedPuzzle m_puzzle;
    // Edit state: the digits entered. Set state: the own digits and marks over the givens.
    OwnWork m_work;
    Revelations m_revealed;  // since SetSuDoku or Reset
    BoardReplay m_replay;
    int m_highlighted = 0;  // none
    bool m_cleanMarks = true;
    bool m_showClashes = true;
    std::optional<CheckResult> m_check;
    std::bitset<kCellCount> m_wrong;
    Puzzle m_savedPuzzle;  // as last opened or saved; empty at first
    // Edit state: the cells Clear or Open left empty and the person has not written since, which
    // are the solver's, as the rest of such a board.
    std::bitset<kCellCount> m_laidEmpty;
    CollectionFile m_collection;
    std::vector<std::function<void()>> m_listeners;
    int m_changeDepth = 0;  // commands under way
    std::function<void()> m_workFinished;  // empty: no work in the background
    // Last, so that they stop before the rest goes.
    BackgroundWork<technique::Explanation> m_pathWork;
    HintSession m_hint;
};
