// Forcing chains' propagation: from one assumption (a candidate true, or false) the consequences
// that follow, each with the events it follows from, on the board kept as one 81-cell set per digit.
// Only the forcing chain finders use it.
#pragma once

#include "DigitMask.h"
#include "TechniqueBoard.h"

#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace technique::forcing {

// A set of the 81 cells: bits 0..63 in the low word, 64..80 in the high one.
struct Cells {
    std::uint64_t low = 0;
    std::uint64_t high = 0;

    constexpr bool Has(int cell) const { return ((cell < 64 ? low >> cell : high >> (cell - 64)) & 1u) != 0; }
    constexpr void Add(int cell) { (cell < 64 ? low : high) |= std::uint64_t{1} << (cell & 63); }
    constexpr void Erase(int cell) { (cell < 64 ? low : high) &= ~(std::uint64_t{1} << (cell & 63)); }
    constexpr bool Empty() const { return (low | high) == 0; }
    // Without a popcount instruction to rely on, the counts the propagation asks for by bit tricks.
    constexpr bool Single() const { return (low == 0) != (high == 0) && ((low & (low - 1)) | (high & (high - 1))) == 0; }
    constexpr bool Pair() const { return !Single() && !Empty() && WithoutFirst().Single(); }
    constexpr Cells WithoutFirst() const { return low != 0 ? Cells{low & (low - 1), high} : Cells{0, high & (high - 1)}; }
    constexpr int First() const { return low != 0 ? std::countr_zero(low) : 64 + std::countr_zero(high); }
    constexpr Cells operator&(const Cells& other) const { return {low & other.low, high & other.high}; }
    constexpr Cells operator|(const Cells& other) const { return {low | other.low, high | other.high}; }
    constexpr Cells Without(const Cells& other) const { return {low & ~other.low, high & ~other.high}; }
    constexpr bool operator==(const Cells&) const = default;
};

// Two bits set in a candidate mask.
constexpr bool AreTwoDigits(unsigned mask) { return mask != 0 && IsSingleBit(mask & (mask - 1)); }

// Calls visit(cell) for each cell of the set, in ascending order.
template <class Visit>
void ForEach(const Cells& cells, Visit visit)
{
    for (std::uint64_t bits = cells.low; bits != 0; bits &= bits - 1)
        visit(std::countr_zero(bits));
    for (std::uint64_t bits = cells.high; bits != 0; bits &= bits - 1)
        visit(64 + std::countr_zero(bits));
}

const Cells& UnitSet(int unit);
const Cells& PeerSet(int cell);

// The board as sets: where each digit is a candidate and where it is placed.
struct Position {
    std::array<Cells, 9> candidates{};  // index digit - 1
    std::array<Cells, 9> placed{};
    std::array<std::uint16_t, kCellCount> masks{};  // each cell's candidates, 0 when placed
    Cells filled;

    static Position From(const TechniqueBoard& board);
    bool operator==(const Position&) const = default;
};

// A candidate is a node, cell * 9 + digit - 1; an event is a node made true or false.
constexpr int kNodes = kCellCount * 9;
constexpr int kEvents = kNodes * 2;
constexpr int Node(int cell, int digit) { return cell * 9 + digit - 1; }
constexpr int Event(int node, bool on) { return node * 2 + (on ? 1 : 0); }
constexpr int CellOf(int event) { return event / 18; }
constexpr int DigitOf(int event) { return event / 2 % 9 + 1; }
constexpr bool IsOn(int event) { return (event & 1) != 0; }

// What the consequences may use, from the narrowest.
enum class Rules {
    OneDigit,  // the assumption's digit only, on the board as it changes: placements by hidden singles
    Links,     // the board as given: a cell's two candidates, a unit's two places of a digit
    Singles,   // the board as it changes: naked and hidden singles
    Nested,    // as Singles, and where they stall, a candidate that leads to a Links contradiction goes
    NestedDynamic,  // as Nested with a Singles contradiction
};

// How a branch ended in contradiction; none when kind is None.
struct Contradiction {
    enum Kind { None, Clash, EmptyCell, NoPlace } kind = None;
    int event = -1;  // Clash: the event that met its opposite, already known
    int cell = -1;   // EmptyCell
    int unit = -1;   // NoPlace, with digit
    int digit = 0;
};

class Propagation {
public:
    // Links rules read the board's two-candidate cells and two-place units from a table made here,
    // once for every run on the same board.
    void PrepareLinks(const Position& base);
    // Nested rules: how many inner chains the runs from now on may follow between them; once they
    // are spent, a branch goes on by singles alone, which is sound but finds less.
    void SetInnerBudget(int chains) { m_innerBudget = chains; }
    // Follows the assumption's consequences until nothing more follows or a contradiction.
    // Returns false on a contradiction.
    bool Run(const Position& base, Rules rules, int assumption);

    bool Known(int event) const { return m_stamp[static_cast<std::size_t>(event)] == m_generation; }
    const std::array<Cells, 9>& OnSets() const { return m_on; }
    const std::array<Cells, 9>& OffSets() const { return m_off; }
    // How far each known event lies from the assumption, capped at 255; 0 for the assumption.
    const std::array<std::uint8_t, kEvents>& Depths() const { return m_depth; }
    const Contradiction& Failure() const { return m_failure; }
    // The events the contradiction follows from: the clashing pair, or the removals that emptied
    // the cell or the unit.
    void FailureEvents(std::vector<int>& events) const;
    // The events that lead to the given ones, assumption first, each once, in the order they followed;
    // returns their weight: one each, plus the size of every inner chain a nested step used.
    int Ancestors(const std::vector<int>& events, std::vector<int>& chain);
    // The events Ancestors gave as a step's chain: a node each, a link from each of its parents; a
    // clash adds the event that met its opposite, with the links into it.
    TechniqueChain StepChain(const std::vector<int>& chain) const;
    // A clash's cause: the placement that took the clashing candidate away, -1 when a nested step did.
    int ClashCause() const;

private:
    void Emit(int event, int parentsBegin, int extra);
    void EmitFrom(int event, int parent);
    void PushParent(int event);
    void ApplyOn(int event);
    void ApplyOff(int event);
    void ApplyLinks(int event);
    bool NestedStep();
    void AddInnerSupport(const Propagation& inner, const std::vector<int>& innerChain);
    void AddRemovals(int cell, int unit, int digit);

    const Position* m_base = nullptr;
    Position m_state;
    Rules m_rules = Rules::Singles;
    int m_digit = 0;
    std::uint32_t m_generation = 0;
    std::array<std::uint32_t, kEvents> m_stamp{};
    std::array<std::uint8_t, kEvents> m_depth{};
    std::array<int, kEvents> m_parentsBegin{};
    std::array<std::uint16_t, kEvents> m_parentsCount{};
    std::array<std::uint16_t, kEvents> m_extra{};
    std::array<std::int16_t, kEvents> m_index{};  // the order in which the events followed
    std::array<std::int16_t, 16384> m_parents{};
    int m_parentsUsed = 0;
    int m_failureParentsBegin = 0;
    int m_failureParentsEnd = 0;
    std::array<std::uint32_t, kEvents> m_visited{};
    std::uint32_t m_visit = 0;
    std::vector<int> m_work;
    std::array<std::int16_t, kEvents> m_queue{};
    int m_queueHead = 0;
    int m_queueTail = 0;
    std::array<Cells, 9> m_on{};
    std::array<Cells, 9> m_off{};
    Contradiction m_failure;
    int m_innerBudget = 0;
    // Links: for each candidate, the candidates that hold when it does not, -1 after the last.
    std::array<std::array<std::int16_t, 4>, kNodes> m_strong{};
};

}  // namespace technique::forcing
