#include "TechniqueFinders.h"

#include <algorithm>
#include <bit>

namespace technique {

namespace {

// One digit's cells joined by its conjugate pairs.
struct ConjugateGraph {
    int partners[kCellCount][3] = {};
    int partnerCount[kCellCount] = {};

    ConjugateGraph(const TechniqueBoard& board, int digit)
    {
        for (int unit = 0; unit < kUnitCount; ++unit) {
            const unsigned places = board.Places(unit, digit);
            if (std::popcount(places) != 2)
                continue;
            const std::array<int, 9>& cells = UnitCells(unit);
            const int a = cells[static_cast<std::size_t>(std::countr_zero(places))];
            const int b = cells[static_cast<std::size_t>(31 - std::countl_zero(places))];
            Join(a, b);
            Join(b, a);
        }
    }

    void Join(int from, int to)
    {
        int* begin = partners[from];
        int* end = begin + partnerCount[from];
        if (std::find(begin, end, to) == end)
            partners[from][partnerCount[from]++] = to;
    }
};

// A cluster: its cells in the order reached, and the number of links between any two of them
// (whose parity is whether their colours differ).
struct Cluster {
    std::vector<int> cells;
    std::vector<std::vector<int>> distance;  // by index into cells

    int Colour(std::size_t index) const { return distance[0][index] & 1; }
};

Cluster Grow(const ConjugateGraph& graph, int first)
{
    Cluster cluster;
    cluster.cells.push_back(first);
    for (std::size_t head = 0; head < cluster.cells.size(); ++head) {
        const int cell = cluster.cells[head];
        for (int i = 0; i < graph.partnerCount[cell]; ++i) {
            const int partner = graph.partners[cell][i];
            if (std::find(cluster.cells.begin(), cluster.cells.end(), partner) == cluster.cells.end())
                cluster.cells.push_back(partner);
        }
    }
    const std::size_t size = cluster.cells.size();
    const auto indexOf = [&](int cell) {
        return static_cast<std::size_t>(std::find(cluster.cells.begin(), cluster.cells.end(), cell) - cluster.cells.begin());
    };
    for (std::size_t from = 0; from < size; ++from) {
        std::vector<int> distance(size, -1);
        std::vector<std::size_t> queue{from};
        distance[from] = 0;
        for (std::size_t head = 0; head < queue.size(); ++head) {
            const int cell = cluster.cells[queue[head]];
            for (int i = 0; i < graph.partnerCount[cell]; ++i) {
                const std::size_t next = indexOf(graph.partners[cell][i]);
                if (distance[next] < 0) {
                    distance[next] = distance[queue[head]] + 1;
                    queue.push_back(next);
                }
            }
        }
        cluster.distance.push_back(std::move(distance));
    }
    return cluster;
}

struct Colouring {
    double difficulty = 0.0;
    int digit = 0;
    std::vector<int> cells;
    std::vector<int> colour;  // the cells of the colour shown
    std::vector<int> removed;
};

// The cluster's step, a wrap or the traps with the shortest proof, when it rates lower than `best`.
void Examine(const TechniqueBoard& board, int digit, const Cluster& cluster, Colouring& best)
{
    const std::size_t size = cluster.cells.size();
    int wrapLinks = 0;
    int wrapColour = 0;
    for (std::size_t a = 0; a < size; ++a) {
        for (std::size_t b = a + 1; b < size; ++b) {
            const int links = cluster.distance[a][b];
            // Two cells of one colour in one unit: the loop back through that unit is one link more.
            if (links % 2 == 0 && SharesUnit(cluster.cells[a], cluster.cells[b]) && (wrapLinks == 0 || links + 1 < wrapLinks)) {
                wrapLinks = links + 1;
                wrapColour = cluster.Colour(a);
            }
        }
    }
    int trapLinks = 0;
    std::vector<int> traps;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!(board.Candidates(cell) >> (digit - 1) & 1u)
            || std::find(cluster.cells.begin(), cluster.cells.end(), cell) != cluster.cells.end())
            continue;
        std::vector<std::size_t> seen;
        for (std::size_t index = 0; index < size; ++index) {
            if (SharesUnit(cell, cluster.cells[index]))
                seen.push_back(index);
        }
        // The shortest path between two cells it sees of different colours.
        int links = 0;
        for (const std::size_t a : seen) {
            for (const std::size_t b : seen) {
                const int between = cluster.distance[a][b];
                if (between % 2 == 1 && (links == 0 || between < links))
                    links = between;
            }
        }
        if (links == 0 || (trapLinks != 0 && links > trapLinks))
            continue;
        if (links < trapLinks || trapLinks == 0)
            traps.clear();
        trapLinks = links;
        traps.push_back(cell);
    }
    const double wrap = wrapLinks == 0 ? 0.0 : ChainDifficulty(6.5, wrapLinks);
    const double trap = trapLinks == 0 ? 0.0 : ChainDifficulty(6.6, trapLinks);
    const bool isWrap = wrap != 0.0 && (trap == 0.0 || wrap <= trap);
    const double difficulty = isWrap ? wrap : trap;
    if (difficulty == 0.0 || (best.difficulty != 0.0 && difficulty >= best.difficulty))
        return;
    best.difficulty = difficulty;
    best.digit = digit;
    best.cells = cluster.cells;
    std::sort(best.cells.begin(), best.cells.end());
    best.colour.clear();
    const int shown = isWrap ? wrapColour : cluster.Colour(static_cast<std::size_t>(
                                                std::min_element(cluster.cells.begin(), cluster.cells.end()) - cluster.cells.begin()));
    for (std::size_t index = 0; index < size; ++index) {
        if (cluster.Colour(index) == shown)
            best.colour.push_back(cluster.cells[index]);
    }
    std::sort(best.colour.begin(), best.colour.end());
    best.removed = isWrap ? best.colour : traps;
}

}  // namespace

bool FindSimpleColouring(const TechniqueBoard& board, TechniqueStep& step)
{
    Colouring best;
    for (int digit = 1; digit <= 9; ++digit) {
        const ConjugateGraph graph(board, digit);
        bool coloured[kCellCount] = {};
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (coloured[cell] || graph.partnerCount[cell] == 0)
                continue;
            const Cluster cluster = Grow(graph, cell);
            for (const int member : cluster.cells)
                coloured[member] = true;
            Examine(board, digit, cluster, best);
        }
    }
    if (best.difficulty == 0.0)
        return false;
    step.difficulty = best.difficulty;
    step.cells = best.cells;
    step.digits = 1u << (best.digit - 1);
    for (const int cell : best.colour)
        step.pattern.push_back({cell, best.digit});
    for (const int cell : best.removed)
        step.removed.push_back({cell, best.digit});
    return true;
}

}  // namespace technique
