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

PuzzleModel::CheckResult PuzzleModel::CountWrong(std::bitset<kCellCount>* cells) const
{
    CheckResult result;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (m_boardEntered[cell] != Puzzle::kEmpty ||
            m_revealed.test(static_cast<std::size_t>(cell)))
            continue;
        const int right = m_boardSolved.Value(cell);
        const int own = m_own.digits[cell];
        const unsigned marks = m_own.marks[static_cast<std::size_t>(cell)];
        bool wrong = false;
        if (own != Puzzle::kEmpty) {
            wrong = own != right;
            result.wrongDigits += wrong ? 1 : 0;
        } else if (marks != 0 && right >= 1 && right <= 9 && (marks >> (right - 1) & 1u) == 0) {
            wrong = true;
            ++result.wrongMarks;
        }
        if (cells && wrong)
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

std::optional<CellDigit> PuzzleModel::FirstWrongOwnCell() const
{
    if (m_solve.solutionCount != 1)
        return std::nullopt;
    std::bitset<kCellCount> wrong;
    CountWrong(&wrong);
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (wrong.test(static_cast<std::size_t>(cell)))
            return CellDigit{cell, m_own.digits.IsEmpty(cell) ? 0 : m_own.digits[cell]};
    }
    return std::nullopt;
}
