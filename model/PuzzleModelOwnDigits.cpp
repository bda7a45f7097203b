// The person's own digits and pencil marks on the puzzle set, their undo history, and Check, which
// compares them with the solution.
#include "PuzzleModel.h"

void PuzzleModel::SetOwnDigitsOn(bool on)
{
    const ChangeScope change(*this);
    m_work.SetOn(on);
}

bool PuzzleModel::TakesOwnDigit(int cell) const
{
    return IsSet() && m_work.IsOn() && m_puzzle.Givens().IsEmpty(cell) && !m_revealed.IsRevealed(cell);
}

int PuzzleModel::ShownOwnDigit(int cell) const
{
    // A cell revealed after the person typed into it shows the solution instead; the digits
    // entered before a puzzle is set are no own digits.
    return !IsSet() || m_revealed.IsRevealed(cell) ? Puzzle::kEmpty : m_work.Digit(cell);
}

template <typename Edit>
void PuzzleModel::ChangeOwnWork(Edit edit)
{
    // Drawn afresh: a hint or a check on show was for the board before.
    if (m_work.Change(edit))
        ShowReplay(StepPosition());
}

void PuzzleModel::WriteOwnDigit(int cell, int digit)
{
    if (!TakesOwnDigit(cell))
        return;
    ChangeOwnWork([&](OwnWork::State& own) {
        // Emptying a cell without a digit takes its marks away.
        if (digit == Puzzle::kEmpty && own.digits.IsEmpty(cell))
            own.marks[static_cast<std::size_t>(cell)] = 0;
        own.digits[cell] = digit;
        if (digit != Puzzle::kEmpty && m_cleanMarks) {
            const auto placed = static_cast<std::uint16_t>(1u << (digit - 1));
            ForEachSeenCell(cell, [&](int peer) { own.marks[static_cast<std::size_t>(peer)] &= ~placed; });
        }
    });
}

void PuzzleModel::ToggleOwnMark(int cell, int digit)
{
    const ChangeScope change(*this);
    if (!TakesOwnDigit(cell) || m_work.Digit(cell) != Puzzle::kEmpty || digit < 1 || digit > 9)
        return;
    ChangeOwnWork([&](OwnWork::State& own) {
        own.marks[static_cast<std::size_t>(cell)] ^= static_cast<std::uint16_t>(1u << (digit - 1));
    });
}

void PuzzleModel::FillInCandidates()
{
    const ChangeScope change(*this);
    if (!IsEnabled(Command::FillInCandidates))
        return;
    const CandidateMasks computed = ComputedCandidates();
    ChangeOwnWork([&](OwnWork::State& own) {
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (TakesOwnDigit(cell) && own.digits.IsEmpty(cell))
                own.marks[static_cast<std::size_t>(cell)] = computed[static_cast<std::size_t>(cell)];
        }
    });
}

bool PuzzleModel::HasOwnWork() const
{
    return IsSet() && !m_work.IsEmpty();
}

bool PuzzleModel::OwnDigitIsWrong(int cell) const
{
    const int own = ShownOwnDigit(cell);
    return own != Puzzle::kEmpty && own != m_puzzle.Solution()[cell];
}

bool PuzzleModel::OwnMarksAreWrong(int cell, const ShownBoard& shown) const
{
    // Only marks on show count: own digits off hide them all, and a digit in the cell hides its own.
    if (!TakesOwnDigit(cell) || !shown[static_cast<std::size_t>(cell)].text.empty())
        return false;
    const unsigned marks = m_work.MarksOf(cell);
    const int right = m_puzzle.Solution()[cell];
    return marks != 0 && right >= 1 && right <= 9 && (marks >> (right - 1) & 1u) == 0;
}

PuzzleModel::CheckResult PuzzleModel::CountWrong(std::bitset<kCellCount>* cells) const
{
    CheckResult result;
    const ShownBoard shown = Shown();
    for (int cell = 0; cell < kCellCount; ++cell) {
        const bool wrongDigit = OwnDigitIsWrong(cell);
        const bool wrongMarks = !wrongDigit && OwnMarksAreWrong(cell, shown);
        result.wrongDigits += wrongDigit ? 1 : 0;
        result.wrongMarks += wrongMarks ? 1 : 0;
        if (cells && (wrongDigit || wrongMarks))
            cells->set(static_cast<std::size_t>(cell));
    }
    return result;
}

void PuzzleModel::Check()
{
    const ChangeScope change(*this);
    if (!IsEnabled(Command::CheckOwnDigits))
        return;
    ShowReplay(StepPosition());
    m_check = CountWrong(&m_wrong);
}

std::optional<PuzzleModel::HintStop> PuzzleModel::OwnWorkFault() const
{
    using Reason = HintStop::Reason;
    if (m_puzzle.HasOneSolution()) {
        // A wrong digit first: marks that lost the right digit are often its consequence.
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (OwnDigitIsWrong(cell))
                return HintStop{Reason::WrongDigit, cell, ShownOwnDigit(cell)};
        }
        const ShownBoard shown = Shown();
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (OwnMarksAreWrong(cell, shown))
                return HintStop{Reason::WrongMarks, cell};
        }
        return std::nullopt;
    }
    // Several solutions: no digit is wrong as such, but one that repeats another in a unit, or
    // digits that together leave no solution, break the board every step would reason from.
    const Puzzle shown = ShownPuzzle();
    for (int cell = 0; cell < kCellCount; ++cell) {
        const int own = ShownOwnDigit(cell);
        if (own == Puzzle::kEmpty)
            continue;
        if (const int other = RepeatedPeer(shown, cell); other >= 0)
            return HintStop{Reason::ClashingDigit, cell, own, other};
    }
    if (HasOwnWork() && CountSolutions(shown.data()) == 0)
        return HintStop{Reason::NoSolutionLeft};
    return std::nullopt;
}

std::bitset<kCellCount> PuzzleModel::GiveWayToSolution()
{
    std::bitset<kCellCount> replaced;
    if (m_puzzle.SolutionCount() < 1)
        return replaced;
    for (int cell = 0; cell < kCellCount; ++cell)
        replaced.set(static_cast<std::size_t>(cell), OwnDigitIsWrong(cell));
    // What hints placed from own digits that differ from the solution shown gives way with them.
    m_revealed.GiveWayToSolution(m_puzzle.Solution());
    ChangeOwnWork([&](OwnWork::State& own) {
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (replaced.test(static_cast<std::size_t>(cell)))
                own.digits[cell] = Puzzle::kEmpty;
        }
    });
    return replaced;
}
