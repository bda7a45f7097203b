#include "TechniqueFinders.h"
#include "TechniqueLinks.h"
#include "TechniqueSentences.h"

#include <algorithm>
#include <bit>

namespace technique {

namespace {

// Longer chains are no help to a person; where none this short proves anything, forcing chains do.
constexpr int kMaxLinks = 20;

struct Chain {
    std::vector<int> nodes;  // from the first end to the last, links strong, weak, ..., strong
    bool loop = false;       // the last node sees the first: a weak link closes the chain
    std::vector<CellDigit> removed;
};

// Breadth first from each start node, assumed false, along strong links (a false node makes its
// partner true) and weak links (a true node makes its partner false): every node reached true
// after a strong link ends a chain, one of whose ends is true, so a candidate in conflict with
// both ends goes. Breadth first and a bound that shrinks to the best chain found keep the first
// chain reported the shortest, the first start in node order winning a tie.
class ChainSearch {
public:
    ChainSearch(const TechniqueBoard& board, const LinkGraph& graph, bool sameDigitEnds)
        : m_board(board)
        , m_graph(graph)
        , m_sameDigitEnds(sameDigitEnds)
        , m_stamp(static_cast<std::size_t>(2 * graph.NodeCount()), 0)
        , m_parent(static_cast<std::size_t>(2 * graph.NodeCount()), -1)
        , m_depth(static_cast<std::size_t>(2 * graph.NodeCount()), 0)
    {
    }

    bool Shortest(Chain& chain)
    {
        m_bound = kMaxLinks + 1;
        for (int start = 0; start < m_graph.NodeCount(); ++start) {
            if (m_graph.HasStrong(start))
                Search(start, chain);
        }
        return m_bound <= kMaxLinks;
    }

private:
    static int State(int node, bool isTrue) { return 2 * node + (isTrue ? 1 : 0); }

    bool Visit(int state, int parent)
    {
        const auto at = static_cast<std::size_t>(state);
        if (m_stamp[at] == m_generation)
            return false;
        m_stamp[at] = m_generation;
        m_parent[at] = parent;
        m_depth[at] = parent < 0 ? 0 : m_depth[static_cast<std::size_t>(parent)] + 1;
        const int node = state / 2;
        if (!(state & 1) && !LinkGraph::IsGroup(node))
            m_falseCells[node % 9].Add(node / 9);
        m_queue.push_back(state);
        return true;
    }

    // What conflicts with `node`, digit by digit.
    void Conflicts(int node, CellSet (&conflicts)[9]) const
    {
        const int digit = m_graph.Digit(node);
        for (int other = 1; other <= 9; ++other)
            conflicts[other - 1] = CellSet{};
        conflicts[digit - 1] = m_graph.SeenByAll(node) & m_graph.Holding(digit);
        if (LinkGraph::IsGroup(node))
            return;
        const int cell = node / 9;
        for (unsigned digits = m_board.Candidates(cell) & ~(1u << (digit - 1)); digits != 0; digits &= digits - 1)
            conflicts[std::countr_zero(digits)] = CellSet::Of(cell);
    }

    void Search(int start, Chain& chain)
    {
        ++m_generation;
        m_queue.clear();
        for (CellSet& cells : m_falseCells)
            cells = CellSet{};
        CellSet startConflicts[9];
        Conflicts(start, startConflicts);
        Visit(State(start, false), -1);
        for (std::size_t head = 0; head < m_queue.size(); ++head) {
            const int state = m_queue[head];
            const int node = state / 2;
            const int depth = m_depth[static_cast<std::size_t>(state)];
            if (state & 1) {
                // A weak link on, then a strong one: only worth it below the bound.
                if (depth + 2 < m_bound)
                    VisitWeak(node, state);
                continue;
            }
            if (depth + 1 >= m_bound)
                break;
            for (const int partner : m_graph.Strong(node)) {
                if (Visit(State(partner, true), state) && End(start, partner, startConflicts, chain))
                    return;
            }
        }
    }

    void VisitWeak(int node, int state)
    {
        const int digit = m_graph.Digit(node);
        const CellSet seen = m_graph.SeenByAll(node);
        (m_graph.Linked(digit) & seen).Without(m_falseCells[digit - 1])
            .ForEach([&](int cell) { Visit(State(LinkGraph::CandidateNode(cell, digit), false), state); });
        for (const int group : m_graph.LinkedGroups(digit)) {
            const bool weak = LinkGraph::IsGroup(node) ? m_graph.MaskOf(group).Within(seen) : m_graph.SeenByAll(group).Has(node / 9);
            if (weak)
                Visit(State(group, false), state);
        }
        if (!m_graph.LinkKinds().cellWeak || LinkGraph::IsGroup(node))
            return;
        const int cell = node / 9;
        for (unsigned digits = m_board.Candidates(cell) & ~(1u << (digit - 1)); digits != 0; digits &= digits - 1) {
            const int other = std::countr_zero(digits) + 1;
            if (m_graph.Linked(other).Has(cell))
                Visit(State(LinkGraph::CandidateNode(cell, other), false), state);
        }
    }

    // Whether the chain from `start` to `end` proves something; if so it becomes the best. Ends
    // that see each other close it into a loop: one node of each weak link is then true, so what
    // conflicts with both nodes of any weak link goes.
    bool End(int start, int end, const CellSet (&startConflicts)[9], Chain& chain)
    {
        if (m_sameDigitEnds && m_graph.Digit(start) != m_graph.Digit(end))
            return false;
        const bool loop = end != start && m_graph.Weak(end, start);
        if (!loop && !ConflictsWith(startConflicts, end))
            return false;
        std::vector<int> nodes;
        CellSet common[9];
        AddCommonConflicts(startConflicts, end, common);
        if (loop) {
            nodes = Path(end);
            for (std::size_t i = 1; i + 1 < nodes.size(); i += 2) {
                CellSet conflicts[9];
                Conflicts(nodes[i], conflicts);
                AddCommonConflicts(conflicts, nodes[i + 1], common);
            }
        }
        std::vector<CellDigit> removed;
        CellSet any;
        for (const CellSet& cells : common)
            any |= cells;
        any.ForEach([&](int cell) {
            for (int digit = 1; digit <= 9; ++digit) {
                if (common[digit - 1].Has(cell))
                    removed.push_back({cell, digit});
            }
        });
        if (removed.empty())
            return false;
        if (nodes.empty())
            nodes = Path(end);
        m_bound = static_cast<int>(nodes.size()) - 1;
        chain.nodes = std::move(nodes);
        chain.loop = loop;
        chain.removed = std::move(removed);
        return true;
    }

    // The chain's nodes from the start to `end`, reached true.
    std::vector<int> Path(int end) const
    {
        std::vector<int> nodes;
        for (int state = State(end, true); state >= 0; state = m_parent[static_cast<std::size_t>(state)])
            nodes.push_back(state / 2);
        std::reverse(nodes.begin(), nodes.end());
        return nodes;
    }

    // Whether something in `conflicts` conflicts with `node` too.
    bool ConflictsWith(const CellSet (&conflicts)[9], int node) const
    {
        const int digit = m_graph.Digit(node);
        if (!(conflicts[digit - 1] & m_graph.SeenByAll(node)).Empty())
            return true;
        if (LinkGraph::IsGroup(node))
            return false;
        const int cell = node / 9;
        for (unsigned digits = m_board.Candidates(cell) & ~(1u << (digit - 1)); digits != 0; digits &= digits - 1) {
            if (conflicts[std::countr_zero(digits)].Has(cell))
                return true;
        }
        return false;
    }

    // Adds to `common` what conflicts with both `conflicts`' node and `node`.
    void AddCommonConflicts(const CellSet (&conflicts)[9], int node, CellSet (&common)[9]) const
    {
        CellSet nodeConflicts[9];
        Conflicts(node, nodeConflicts);
        for (int digit = 0; digit < 9; ++digit)
            common[digit] |= conflicts[digit] & nodeConflicts[digit];
    }

    const TechniqueBoard& m_board;
    const LinkGraph& m_graph;
    const bool m_sameDigitEnds;
    std::vector<int> m_stamp;
    std::vector<int> m_parent;
    std::vector<int> m_depth;
    std::vector<int> m_queue;
    CellSet m_falseCells[9];  // the candidate nodes reached false in this search, by digit
    int m_generation = 0;
    int m_bound = 0;  // a chain must have fewer links than this to be reported
};

// A loop is rated on `loopBase`, one link longer than its chain.
bool FindChain(const TechniqueBoard& board, LinkGraph::Kinds kinds, bool sameDigitEnds, Technique base, Technique loopBase,
               TechniqueStep& step)
{
    const LinkGraph graph(board, kinds);
    ChainSearch search(board, graph, sameDigitEnds);
    Chain chain;
    if (!search.Shortest(chain))
        return false;
    // Its start assumed false, each node the opposite of the one before: strong links make a node
    // true, weak ones false.
    TechniqueChain drawn;
    for (const int node : chain.nodes) {
        const std::span<const int> cells = graph.Cells(node);
        const int at = static_cast<int>(drawn.nodes.size());
        drawn.nodes.push_back({graph.Digit(node), {cells.begin(), cells.end()}, at % 2 == 1});
        if (at > 0)
            drawn.links.push_back({at - 1, at});
        for (const int cell : cells) {
            step.candidates.push_back({cell, graph.Digit(node)});
            step.cells.push_back(cell);
        }
        step.digits |= 1u << (graph.Digit(node) - 1);
    }
    if (chain.loop) {
        // The pattern closes on its first node again.
        const int first = chain.nodes.front();
        for (const int cell : graph.Cells(first))
            step.candidates.push_back({cell, graph.Digit(first)});
        drawn.links.push_back({static_cast<int>(drawn.nodes.size()) - 1, 0});
    }
    step.chains = {std::move(drawn)};
    std::sort(step.cells.begin(), step.cells.end());
    step.cells.erase(std::unique(step.cells.begin(), step.cells.end()), step.cells.end());
    step.removed = std::move(chain.removed);
    const int links = static_cast<int>(chain.nodes.size()) - (chain.loop ? 0 : 1);
    step.difficulty = ChainDifficulty(RatingBase(chain.loop ? loopBase : base), links);
    return true;
}

}  // namespace

bool FindXChain(const TechniqueBoard& board, TechniqueStep& step)
{
    // A loop on one digit is what colouring finds, and rated as its loops are.
    return FindChain(board, {.bilocal = true}, true, Technique::XChain, Technique::SimpleColouring, step);
}

bool FindXYChain(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindChain(board, {.bivalue = true}, true, Technique::XYChain, Technique::XYChain, step);
}

bool FindAlternatingChain(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindChain(board, {.bilocal = true, .bivalue = true, .cellWeak = true, .groups = true}, false,
                     Technique::AlternatingChain, Technique::AlternatingChain, step);
}

namespace {

// A chain's node: "(x=1, y=2)" on one digit, else "7 in (x=1, y=2)" or "7 in [(x=1, y=2), (x=2, y=2)]".
void AppendNode(std::string& out, const ChainNode& node, bool oneDigit)
{
    if (!oneDigit)
        out += std::to_string(node.digit) + " in ";
    if (node.cells.size() > 1)
        out += '[';
    for (std::size_t i = 0; i < node.cells.size(); ++i) {
        if (i > 0)
            out += ", ";
        AppendCell(out, node.cells[i]);
    }
    if (node.cells.size() > 1)
        out += ']';
}

}  // namespace

// "X-Chain on 7: (x=1, y=2) = (x=1, y=8) - (x=5, y=8) = (x=5, y=3), so one of its ends holds 7
// and (x=5, y=2) cannot." An XY-Chain writes each cell once with its two digits; a loop, written
// back to its first node, removes what conflicts with both nodes of any weak link.
void WriteChain(std::string& out, const TechniqueStep& step)
{
    const TechniqueChain& chain = step.chains.front();
    const bool loop = chain.links.size() == chain.nodes.size();
    std::vector<ChainNode> nodes = chain.nodes;
    if (loop)
        nodes.push_back(nodes.front());
    const int first = nodes.front().digit;
    const bool oneDigit = step.technique != Technique::AlternatingChain;
    if (step.technique == Technique::XChain)
        out.insert(out.size() - 2, " on " + std::to_string(first));  // "X-Chain on 7: "
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (step.technique == Technique::XYChain) {
            // Strong links join a cell's two digits, weak ones the cells.
            if (i % 2 == 1)
                continue;
            if (i > 0)
                out += " - ";
            AppendCell(out, nodes[i].cells.front());
            if (i + 1 < nodes.size())
                out += ' ' + std::to_string(nodes[i].digit) + '=' + std::to_string(nodes[i + 1].digit);
            continue;
        }
        if (i > 0)
            out += i % 2 == 1 ? " = " : " - ";
        AppendNode(out, nodes[i], oneDigit);
    }
    if (loop && step.technique == Technique::XChain) {
        out += ", which closes into a loop: one cell of each weak link holds " + std::to_string(first) + ", so ";
        AppendCells(out, CellsOf(step.removed));
        out += " cannot.";
    } else if (loop) {
        out += ", which closes into a loop: one node of each weak link is true, so what conflicts with both goes: ";
        AppendRemovals(out, step.removed);
        out += '.';
    } else if (oneDigit) {
        out += ", so one of its ends holds " + std::to_string(first) + " and ";
        AppendCells(out, CellsOf(step.removed));
        out += " cannot.";
    } else {
        out += ", so one of its ends is true, and what conflicts with both goes: ";
        AppendRemovals(out, step.removed);
        out += '.';
    }
}

}  // namespace technique
