// The person's own digits and pencil marks on the puzzle set, their undo history, and Check, which
// compares them with the solution.
#include "PuzzleModel.h"

void PuzzleModel::SetOwnDigitsOn(bool on)
{
    const ChangeScope change(*this);
    m_ownDigitsOn = on;
}

bool PuzzleModel::TakesOwnDigit(int cell) const
{
    return m_bSet && m_ownDigitsOn && m_boardEntered[cell] == Puzzle::kEmpty &&
           !m_revealed.test(static_cast<std::size_t>(cell));
}

int PuzzleModel::ShownOwnDigit(int cell) const
{
    // A cell revealed after the person typed into it shows the solution instead.
    return m_revealed.test(static_cast<std::size_t>(cell)) ? Puzzle::kEmpty : m_own.digits[cell];
}

template <typename Edit>
void PuzzleModel::RecordOwnEdit(Edit edit)
{
    const OwnWork before = m_own;
    edit();
    if (m_own == before)
        return;
    m_ownUndo.push_back(before);
    m_ownRedo.clear();
    // Drawn afresh: a hint or a check on show was for the board before.
    ShowReplay(StepPosition());
}

void PuzzleModel::WriteOwnDigit(int cell, int digit)
{
    if (!TakesOwnDigit(cell))
        return;
    RecordOwnEdit([&] {
        // Emptying a cell without a digit takes its marks away.
        if (digit == Puzzle::kEmpty && m_own.digits.IsEmpty(cell))
            m_own.marks[static_cast<std::size_t>(cell)] = 0;
        m_own.digits[cell] = digit;
    });
}

void PuzzleModel::ToggleOwnMark(int cell, int digit)
{
    const ChangeScope change(*this);
    if (!TakesOwnDigit(cell) || !m_own.digits.IsEmpty(cell) || digit < 1 || digit > 9)
        return;
    RecordOwnEdit([&] { m_own.marks[static_cast<std::size_t>(cell)] ^= static_cast<std::uint16_t>(1u << (digit - 1)); });
}

void PuzzleModel::FillInCandidates()
{
    const ChangeScope change(*this);
    if (!IsEnabled(Command::FillInCandidates))
        return;
    const CandidateMasks computed = ComputedCandidates();
    RecordOwnEdit([&] {
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (TakesOwnDigit(cell) && m_own.digits.IsEmpty(cell))
                m_own.marks[static_cast<std::size_t>(cell)] = computed[static_cast<std::size_t>(cell)];
        }
    });
}

bool PuzzleModel::HasOwnWork() const
{
    return m_own != OwnWork{};
}

bool PuzzleModel::OwnDigitIsWrong(int cell) const
{
    const int own = ShownOwnDigit(cell);
    return own != Puzzle::kEmpty && own != m_boardSolved.Value(cell);
}

bool PuzzleModel::OwnMarksAreWrong(int cell) const
{
    // Only marks on show count: own digits off hide them all, and a digit in the cell hides its own.
    if (!TakesOwnDigit(cell) || !m_shown[static_cast<std::size_t>(cell)].text.empty())
        return false;
    const unsigned marks = m_own.marks[static_cast<std::size_t>(cell)];
    const int right = m_boardSolved.Value(cell);
    return marks != 0 && right >= 1 && right <= 9 && (marks >> (right - 1) & 1u) == 0;
}

PuzzleModel::CheckResult PuzzleModel::CountWrong(std::bitset<kCellCount>* cells) const
{
    CheckResult result;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const bool wrongDigit = OwnDigitIsWrong(cell);
        const bool wrongMarks = !wrongDigit && OwnMarksAreWrong(cell);
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
    if (m_solve.solutionCount == 1) {
        // A wrong digit first: marks that lost the right digit are often its consequence.
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (OwnDigitIsWrong(cell))
                return HintStop{Reason::WrongDigit, cell, ShownOwnDigit(cell)};
        }
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (OwnMarksAreWrong(cell))
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
        for (const int unit : {technique::RowUnit(cell), technique::ColumnUnit(cell), technique::BoxUnit(cell)}) {
            for (const int other : technique::UnitCells(unit)) {
                if (other != cell && shown[other] == own)
                    return HintStop{Reason::ClashingDigit, cell, own, other};
            }
        }
    }
    if (HasOwnWork() && CountSolutions(shown.data()) == 0)
        return HintStop{Reason::NoSolutionLeft};
    return std::nullopt;
}

std::bitset<kCellCount> PuzzleModel::GiveWayToSolution()
{
    std::bitset<kCellCount> replaced;
    if (m_solve.solutionCount < 1)
        return replaced;
    for (int cell = 0; cell < kCellCount; ++cell) {
        replaced.set(static_cast<std::size_t>(cell), OwnDigitIsWrong(cell));
        // What hints placed from own digits that differ from the solution shown gives way with them.
        if (m_hintPlaced[cell] != m_boardSolved.Value(cell))
            m_hintPlaced[cell] = Puzzle::kEmpty;
    }
    RecordOwnEdit([&] {
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (replaced.test(static_cast<std::size_t>(cell)))
                m_own.digits[cell] = Puzzle::kEmpty;
        }
    });
    return replaced;
}
