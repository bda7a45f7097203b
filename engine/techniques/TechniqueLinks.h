// The links between a board's candidates that chains are built from, made once per search.
// A node is a candidate (a digit in a cell) or, where asked for, a grouped node: a digit's places
// in one square within one row or column, two or three cells, true when one of them holds it.
// A strong link joins two nodes of which at least one is true (a cell's only two candidates, a
// unit's only two places for a digit); a weak link two nodes of which at most one is (a cell's two
// candidates, one digit in cells that see each other).
#pragma once

#include "TechniqueBoard.h"

#include <array>
#include <bit>
#include <cstdint>
#include <span>
#include <vector>

namespace technique {

// A set of cells as two words, iterated in ascending order.
struct CellMask {
    std::uint64_t low = 0;   // cells 0..63
    std::uint64_t high = 0;  // cells 64..80

    static constexpr CellMask Of(int cell)
    {
        CellMask mask;
        mask.Add(cell);
        return mask;
    }
    constexpr void Add(int cell) { (cell < 64 ? low : high) |= std::uint64_t{1} << (cell & 63); }
    constexpr bool Has(int cell) const { return ((cell < 64 ? low : high) >> (cell & 63)) & 1u; }
    bool Any() const { return (low | high) != 0; }
    friend CellMask operator&(CellMask a, CellMask b) { return {a.low & b.low, a.high & b.high}; }
    friend CellMask operator|(CellMask a, CellMask b) { return {a.low | b.low, a.high | b.high}; }
    CellMask operator~() const { return {~low, ~high}; }
    CellMask& operator|=(CellMask other) { return *this = *this | other; }
    CellMask& operator&=(CellMask other) { return *this = *this & other; }
    template <class Visit>
    void ForEach(Visit visit) const
    {
        for (std::uint64_t bits = low; bits != 0; bits &= bits - 1)
            visit(std::countr_zero(bits));
        for (std::uint64_t bits = high; bits != 0; bits &= bits - 1)
            visit(64 + std::countr_zero(bits));
    }
};

// The cells sharing a unit with the cell, the cell itself left out.
CellMask Peers(int cell);

// Nodes are numbered cell * 9 + digit - 1 for candidates, from kCandidateNodes on for groups.
class LinkGraph {
public:
    // Which links a search uses.
    struct Kinds {
        bool bilocal = false;  // strong: a unit's only two places for a digit
        bool bivalue = false;  // strong: a cell's only two candidates
        bool cellWeak = false; // weak: two candidates of one cell
        bool groups = false;   // grouped nodes, in bilocal links and weak links of one digit
    };

    static constexpr int kCandidateNodes = 729;
    // A candidate has at most four partners (its cell, row, column and square), a group two.
    static constexpr int kMaxStrong = 4;
    static int CandidateNode(int cell, int digit) { return cell * 9 + digit - 1; }

    LinkGraph(const TechniqueBoard& board, Kinds kinds);

    const Kinds& LinkKinds() const { return m_kinds; }
    int NodeCount() const { return kCandidateNodes + static_cast<int>(m_groups.size()); }
    static bool IsGroup(int node) { return node >= kCandidateNodes; }
    int Digit(int node) const { return IsGroup(node) ? Group(node).digit : node % 9 + 1; }
    // The node's cells in ascending order.
    std::span<const int> Cells(int node) const;
    // The cells that see every cell of the node, its own cells left out.
    CellMask SeenByAll(int node) const { return IsGroup(node) ? Group(node).seenByAll : Peers(node / 9); }
    // The board's cells holding the digit.
    CellMask Holding(int digit) const { return m_holding[digit - 1]; }
    // The cells whose candidate node of the digit has a strong link.
    CellMask Linked(int digit) const { return m_linked[digit - 1]; }
    // The nodes strongly linked to the node.
    std::span<const std::int16_t> Strong(int node) const
    {
        return {m_strong[static_cast<std::size_t>(node)].data(), m_strongCount[static_cast<std::size_t>(node)]};
    }
    bool HasStrong(int node) const { return m_strongCount[static_cast<std::size_t>(node)] != 0; }
    // The node's cells as a mask.
    CellMask MaskOf(int node) const { return IsGroup(node) ? Group(node).cellMask : CellMask::Of(node / 9); }
    // Whether at most one of two different nodes is true: two digits of one cell, or one digit in
    // nodes whose cells all see each other.
    bool Weak(int a, int b) const
    {
        if (Digit(a) != Digit(b))
            return !IsGroup(a) && !IsGroup(b) && a / 9 == b / 9;
        return a != b && !(MaskOf(b) & ~SeenByAll(a)).Any();
    }
    // The grouped nodes of the digit that have a strong link.
    std::span<const int> LinkedGroups(int digit) const { return m_linkedGroups[digit - 1]; }

private:
    struct GroupNode {
        int digit;
        int count;
        int cells[3];
        CellMask cellMask;
        CellMask seenByAll;
    };
    const GroupNode& Group(int node) const { return m_groups[static_cast<std::size_t>(node - kCandidateNodes)]; }
    void AddGroups(const TechniqueBoard& board);
    void AddBilocalLinks(const TechniqueBoard& board);
    // The node whose cells are exactly `cells`, the digit's places in a unit (one cell, or a
    // group's), -1 if none.
    int NodeOfPlaces(int digit, const std::vector<int>& cells) const;
    void Link(int a, int b);

    Kinds m_kinds;
    CellMask m_holding[9];
    CellMask m_linked[9];
    std::vector<GroupNode> m_groups;
    std::vector<int> m_groupsOf[9];
    std::vector<int> m_linkedGroups[9];
    // With groups: by digit, square, and its rows then its columns, the group node or -1.
    int m_groupAt[9][9][6];
    std::vector<std::array<std::int16_t, kMaxStrong>> m_strong;
    std::vector<std::uint8_t> m_strongCount;
};

}  // namespace technique
