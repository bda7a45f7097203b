#include "TechniqueLinks.h"

#include <algorithm>

namespace technique {

namespace {

struct PeerTable {
    CellMask peers[kCellCount];
    int cells[kCellCount];
};

constexpr PeerTable MakePeerTable()
{
    PeerTable table{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        table.cells[cell] = cell;
        for (int other = 0; other < kCellCount; ++other) {
            const bool shares = cell / 9 == other / 9 || cell % 9 == other % 9
                || (cell / 27 == other / 27 && cell % 9 / 3 == other % 9 / 3);
            if (other != cell && shares)
                table.peers[cell].Add(other);
        }
    }
    return table;
}

constexpr PeerTable kPeerTable = MakePeerTable();

// The cell of a square's segment: segments 0..2 are its rows, 3..5 its columns.
int SegmentCell(int box, int segment, int index)
{
    const int top = box / 3 * 3;
    const int left = box % 3 * 3;
    return segment < 3 ? (top + segment) * 9 + left + index : (top + index) * 9 + left + segment - 3;
}

// Bit counts without std::popcount, which the default target makes a library call.
bool HasTwo(unsigned mask)
{
    const unsigned rest = mask & (mask - 1);
    return rest != 0 && (rest & (rest - 1)) == 0;
}

bool HasMoreThanTwo(unsigned mask)
{
    const unsigned rest = mask & (mask - 1);
    return (rest & (rest - 1)) != 0;
}

}  // namespace

CellMask Peers(int cell)
{
    return kPeerTable.peers[cell];
}

LinkGraph::LinkGraph(const TechniqueBoard& board, Kinds kinds)
    : m_kinds(kinds)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (unsigned digits = board.Candidates(cell); digits != 0; digits &= digits - 1)
            m_holding[std::countr_zero(digits)].Add(cell);
    }
    if (m_kinds.groups)
        AddGroups(board);
    m_strong.resize(static_cast<std::size_t>(NodeCount()));
    m_strongCount.assign(static_cast<std::size_t>(NodeCount()), 0);
    if (m_kinds.bivalue) {
        for (int cell = 0; cell < kCellCount; ++cell) {
            const unsigned digits = board.Candidates(cell);
            if (HasTwo(digits))
                Link(CandidateNode(cell, std::countr_zero(digits) + 1), CandidateNode(cell, 32 - std::countl_zero(digits)));
        }
    }
    if (m_kinds.bilocal)
        AddBilocalLinks(board);
    for (int digit = 1; digit <= 9; ++digit) {
        for (const int group : m_groupsOf[digit - 1]) {
            if (HasStrong(group))
                m_linkedGroups[digit - 1].push_back(group);
        }
    }
}

std::span<const int> LinkGraph::Cells(int node) const
{
    if (!IsGroup(node))
        return {&kPeerTable.cells[node / 9], 1};
    const GroupNode& group = Group(node);
    return {group.cells, static_cast<std::size_t>(group.count)};
}

void LinkGraph::AddGroups(const TechniqueBoard& board)
{
    for (int digit = 1; digit <= 9; ++digit) {
        for (int box = 0; box < 9; ++box) {
            for (int segment = 0; segment < 6; ++segment) {
                m_groupAt[digit - 1][box][segment] = -1;
                GroupNode group{digit, 0, {}, {}, ~CellMask{}};
                for (int index = 0; index < 3; ++index) {
                    const int cell = SegmentCell(box, segment, index);
                    if (board.Candidates(cell) >> (digit - 1) & 1u) {
                        group.cells[group.count++] = cell;
                        group.cellMask.Add(cell);
                        group.seenByAll &= Peers(cell);
                    }
                }
                if (group.count < 2)
                    continue;
                const int node = NodeCount();
                m_groupAt[digit - 1][box][segment] = node;
                m_groupsOf[digit - 1].push_back(node);
                m_groups.push_back(group);
            }
        }
    }
}

int LinkGraph::NodeOfPlaces(int digit, const std::vector<int>& cells) const
{
    if (cells.empty())
        return -1;
    if (cells.size() == 1)
        return CandidateNode(cells.front(), digit);
    if (!m_kinds.groups || cells.size() > 3)
        return -1;
    const int first = cells.front();
    const int box = BoxUnit(first) - 18;
    const bool sameRow = std::all_of(cells.begin(), cells.end(), [&](int cell) { return RowUnit(cell) == RowUnit(first); });
    const bool sameColumn = std::all_of(cells.begin(), cells.end(), [&](int cell) { return ColumnUnit(cell) == ColumnUnit(first); });
    if (!std::all_of(cells.begin(), cells.end(), [&](int cell) { return BoxUnit(cell) - 18 == box; })
        || (!sameRow && !sameColumn))
        return -1;
    const int segment = sameRow ? first / 9 % 3 : 3 + first % 3;
    const int node = m_groupAt[digit - 1][box][segment];
    return node >= 0 && Group(node).count == static_cast<int>(cells.size()) ? node : -1;
}

void LinkGraph::AddBilocalLinks(const TechniqueBoard& board)
{
    std::vector<int> places;
    std::vector<int> rest;
    for (int unit = 0; unit < kUnitCount; ++unit) {
        const std::array<int, 9>& cells = UnitCells(unit);
        unsigned placesOf[9] = {};  // by digit, bit i for the unit's cell i
        for (int index = 0; index < 9; ++index) {
            for (unsigned digits = board.Candidates(cells[static_cast<std::size_t>(index)]); digits != 0; digits &= digits - 1)
                placesOf[std::countr_zero(digits)] |= 1u << index;
        }
        for (int digit = 1; digit <= 9; ++digit) {
            const unsigned mask = placesOf[digit - 1];
            if (HasTwo(mask)) {
                Link(CandidateNode(cells[static_cast<std::size_t>(std::countr_zero(mask))], digit),
                     CandidateNode(cells[static_cast<std::size_t>(std::countr_zero(mask & (mask - 1)))], digit));
            }
            if (!m_kinds.groups || !HasMoreThanTwo(mask))
                continue;
            places.clear();
            for (unsigned bits = mask; bits != 0; bits &= bits - 1)
                places.push_back(cells[static_cast<std::size_t>(std::countr_zero(bits))]);
            if (unit < 18) {
                // A line: its places in exactly two squares, each part one node.
                const int box = BoxUnit(places.front());
                const auto split = std::partition_point(places.begin(), places.end(), [&](int cell) { return BoxUnit(cell) == box; });
                std::vector<int> first(places.begin(), split);
                rest.assign(split, places.end());
                if (!rest.empty() && std::all_of(rest.begin(), rest.end(), [&](int cell) { return BoxUnit(cell) == BoxUnit(rest.front()); })) {
                    const int a = NodeOfPlaces(digit, first);
                    const int b = NodeOfPlaces(digit, rest);
                    if (a >= 0 && b >= 0)
                        Link(a, b);
                }
                continue;
            }
            // A square: one group and what is left, when that is one node.
            for (const int group : m_groupsOf[digit - 1]) {
                const std::span<const int> cells = Cells(group);
                if (BoxUnit(cells.front()) != unit)
                    continue;
                rest.clear();
                for (const int cell : places) {
                    if (std::find(cells.begin(), cells.end(), cell) == cells.end())
                        rest.push_back(cell);
                }
                const int other = NodeOfPlaces(digit, rest);
                if (other >= 0)
                    Link(group, other);
            }
        }
    }
}

void LinkGraph::Link(int a, int b)
{
    for (const auto& [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
        auto& links = m_strong[static_cast<std::size_t>(from)];
        std::uint8_t& count = m_strongCount[static_cast<std::size_t>(from)];
        if (std::find(links.begin(), links.begin() + count, to) != links.begin() + count || count == kMaxStrong)
            continue;
        links[count++] = static_cast<std::int16_t>(to);
        if (!IsGroup(from))
            m_linked[Digit(from) - 1].Add(from / 9);
    }
}

}  // namespace technique
