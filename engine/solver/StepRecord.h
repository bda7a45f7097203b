// Steps as the solver takes them, recorded compactly: the search throws away the steps of every
// failed guess, so only the steps that survive are ever turned into sentences.
#pragma once

#include "Engine.h"
#include "CellOrder.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>

// A step as the working board (CandidateGrid) takes it: as StepRecord, but its cell is the
// working board's, x * 9 + y.
struct WorkingStep {
    StepKind kind;
    std::uint8_t unitKind;
    std::uint8_t cell;
    std::uint16_t digitMask;
    int digit;
    int guessLevel;
};

// The unit kind a sentence is written for: 0 column, 1 row, and a square for anything else.
inline std::uint8_t SentenceUnitKind(int unitKind)
{
    return static_cast<std::uint8_t>(unitKind == 0 || unitKind == 1 ? unitKind : 2);
}

// The steps of one solve. Its capacity needs no growing: every step clears at least one
// candidate of the board it was taken on, and the steps kept at any moment belong to one chain
// of boards, each a copy of the one before, so there are never more steps than candidates.
class StepRecorder {
public:
    static constexpr size_t kCapacity = 81 * 9;

    // The record keeps the cell row by row: this is where a step leaves the working numbering.
    void Append(const WorkingStep& step)
    {
        assert(m_size < kCapacity);
        m_records[m_size++] = {step.kind, step.unitKind, static_cast<std::uint8_t>(grid::PuzzleCell(step.cell)), step.digitMask, step.digit,
                               step.guessLevel};
    }
    size_t Size() const { return m_size; }
    // Forgets every step after the first `size`: those of a failed guess.
    void Truncate(size_t size) { m_size = size; }
    std::span<const StepRecord> Records() const { return {m_records.data(), m_size}; }
    // Whether any step restricted a cell to a digit set.
    bool HasDigitSet() const;
    void AppendSentencesTo(StepList& steps) const { AppendSentences(steps, Records()); }

private:
    std::array<StepRecord, kCapacity> m_records;
    size_t m_size = 0;
};
