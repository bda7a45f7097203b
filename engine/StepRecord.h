// Steps as the solver takes them, recorded compactly: the search throws away the steps of every
// failed guess, so only the steps that survive are ever turned into sentences.
#pragma once

#include "SuDokuBoard.h"

#include <array>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <string>

enum class StepKind : std::uint8_t {
    Determined,    // a peer left with one candidate by elimination
    HiddenSingle,  // a digit with one place left in a unit
    DigitSet,      // a cell restricted to a digit set
    Guess,
};

struct StepRecord {
    StepKind kind;
    std::uint8_t unitKind;    // for hidden singles and digit sets: 0 column, 1 row, 2 square
    std::uint8_t cell;        // x * 9 + y
    std::uint16_t digitMask;  // the digit set
    int digit;                // the determined, placed or guessed digit
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

    void Append(const StepRecord& record)
    {
        assert(m_size < kCapacity);
        m_records[m_size++] = record;
    }
    size_t Size() const { return m_size; }
    // Forgets every step after the first `size`: those of a failed guess.
    void Truncate(size_t size) { m_size = size; }
    const StepRecord& operator[](size_t i) const { return m_records[i]; }
    // Whether any step restricted a cell to a digit set.
    bool HasDigitSet() const;

    // Appends the sentence of every recorded step, in order.
    void AppendSentencesTo(StepList& steps) const;

private:
    std::array<StepRecord, kCapacity> m_records;
    size_t m_size = 0;
};

// Writes the step's sentence at the end of out.
void AppendSentence(std::string& out, const StepRecord& step);
