#include "TechniqueFinders.h"
#include "TechniqueLinks.h"
#include "TechniqueSentences.h"

#include <algorithm>
#include <iterator>

namespace technique {

namespace {

// One digit's cluster: cells joined by its conjugate pairs, in the order reached, each coloured by
// the parity of its distance from the first.
struct Cluster {
    int digit = 0;
    std::vector<int> cells;
    int colourOf[kCellCount];
    CellSet colour[2];
    CellSet seen[2];  // the cells that see a cell of each colour

    Cluster(const LinkGraph& graph, int digit, int first)
        : digit(digit)
    {
        std::fill(std::begin(colourOf), std::end(colourOf), -1);
        colourOf[first] = 0;
        cells.push_back(first);
        for (std::size_t head = 0; head < cells.size(); ++head) {
            const int cell = cells[head];
            colour[colourOf[cell]].Add(cell);
            seen[colourOf[cell]] |= PeerSet(cell);
            for (const int partner : graph.Strong(LinkGraph::CandidateNode(cell, digit))) {
                if (colourOf[partner / 9] < 0) {
                    colourOf[partner / 9] = 1 - colourOf[cell];
                    cells.push_back(partner / 9);
                }
            }
        }
    }

    // The conjugate links between every two of its cells, by index into `cells`.
    std::vector<std::vector<int>> Distances(const LinkGraph& graph) const
    {
        std::vector<std::vector<int>> distances;
        for (std::size_t from = 0; from < cells.size(); ++from) {
            std::vector<int> distance(kCellCount, -1);
            std::vector<int> queue{cells[from]};
            distance[static_cast<std::size_t>(cells[from])] = 0;
            for (std::size_t head = 0; head < queue.size(); ++head) {
                const int cell = queue[head];
                for (const int partner : graph.Strong(LinkGraph::CandidateNode(cell, digit))) {
                    if (distance[static_cast<std::size_t>(partner / 9)] < 0) {
                        distance[static_cast<std::size_t>(partner / 9)] = distance[static_cast<std::size_t>(cell)] + 1;
                        queue.push_back(partner / 9);
                    }
                }
            }
            std::vector<int> row;
            for (const int cell : cells)
                row.push_back(distance[static_cast<std::size_t>(cell)]);
            distances.push_back(std::move(row));
        }
        return distances;
    }
};

struct Colouring {
    double difficulty = 0.0;
    int digit = 0;
    std::vector<int> cells;
    std::vector<int> colour;  // the cells of the colour shown
    std::vector<int> removed;
};

std::vector<int> CellList(CellSet mask)
{
    std::vector<int> cells;
    mask.ForEach([&](int cell) { cells.push_back(cell); });
    return cells;
}

// The cluster's step, a wrap or the traps with the shortest proof, when it rates lower than `best`.
void Examine(const LinkGraph& graph, const Cluster& cluster, Colouring& best)
{
    const CellSet all = cluster.colour[0] | cluster.colour[1];
    const CellSet traps = (graph.Holding(cluster.digit) & cluster.seen[0] & cluster.seen[1]).Without(all);
    const bool wraps = !(cluster.seen[0] & cluster.colour[0]).Empty() || !(cluster.seen[1] & cluster.colour[1]).Empty();
    if (traps.Empty() && !wraps)
        return;
    const std::vector<std::vector<int>> distance = cluster.Distances(graph);
    const std::size_t size = cluster.cells.size();
    // Two cells of one colour in one unit: the loop back through that unit is one link more.
    int wrapLinks = 0;
    int wrapColour = 0;
    for (std::size_t a = 0; a < size && wraps; ++a) {
        for (std::size_t b = a + 1; b < size; ++b) {
            const int links = distance[a][b] + 1;
            if (links % 2 == 1 && SharesUnit(cluster.cells[a], cluster.cells[b]) && (wrapLinks == 0 || links < wrapLinks)) {
                wrapLinks = links;
                wrapColour = cluster.colourOf[cluster.cells[a]];
            }
        }
    }
    // A trap's proof: the shortest path between two cells of different colours that it sees.
    int trapLinks = 0;
    std::vector<int> trapped;
    traps.ForEach([&](int cell) {
        int links = 0;
        for (std::size_t a = 0; a < size; ++a) {
            for (std::size_t b = 0; b < size; ++b) {
                const int between = distance[a][b];
                if (between % 2 == 1 && (links == 0 || between < links) && SharesUnit(cell, cluster.cells[a])
                    && SharesUnit(cell, cluster.cells[b]))
                    links = between;
            }
        }
        if (trapLinks != 0 && links > trapLinks)
            return;
        if (links < trapLinks || trapLinks == 0)
            trapped.clear();
        trapLinks = links;
        trapped.push_back(cell);
    });
    // A wrap is rated as the loop it is, a trap as the X-Chain between the two cells it sees.
    const double wrap = wrapLinks == 0 ? 0.0 : ChainDifficulty(RatingBase(Technique::SimpleColouring), wrapLinks);
    const double trap = trapLinks == 0 ? 0.0 : ChainDifficulty(RatingBase(Technique::XChain), trapLinks);
    const bool isWrap = wrap != 0.0 && (trap == 0.0 || wrap <= trap);
    const double difficulty = isWrap ? wrap : trap;
    if (best.difficulty != 0.0 && difficulty >= best.difficulty)
        return;
    best.difficulty = difficulty;
    best.digit = cluster.digit;
    best.cells = CellList(all);
    // A wrap shows the false colour, traps the colour of the cluster's first cell in board order.
    best.colour = CellList(cluster.colour[isWrap ? wrapColour : cluster.colourOf[best.cells.front()]]);
    best.removed = isWrap ? best.colour : trapped;
}

}  // namespace

bool FindSimpleColouring(const TechniqueBoard& board, TechniqueStep& step)
{
    const LinkGraph graph(board, {.bilocal = true});
    Colouring best;
    for (int digit = 1; digit <= 9; ++digit) {
        CellSet coloured;
        graph.Linked(digit).ForEach([&](int cell) {
            if (coloured.Has(cell))
                return;
            const Cluster cluster(graph, digit, cell);
            coloured |= cluster.colour[0] | cluster.colour[1];
            Examine(graph, cluster, best);
        });
    }
    if (best.difficulty == 0.0)
        return false;
    step.difficulty = best.difficulty;
    step.cells = best.cells;
    step.digits = 1u << (best.digit - 1);
    for (const int cell : best.colour)
        step.candidates.push_back({cell, best.digit});
    for (const int cell : best.removed)
        step.removed.push_back({cell, best.digit});
    return true;
}

// "along the conjugate pairs of 7, A and B take one colour and C the other, so one colour holds 7,
// and X, which sees both colours, cannot." A wrap names two cells of the false colour in one unit.
void WriteSimpleColouring(std::string& out, const TechniqueStep& step)
{
    const int digit = LowestDigit(step.digits);
    const std::vector<int> shown = CellsOf(step.candidates);
    std::vector<int> other;
    std::set_difference(step.cells.begin(), step.cells.end(), shown.begin(), shown.end(), std::back_inserter(other));
    out += "along the conjugate pairs of " + std::to_string(digit) + ", ";
    AppendCells(out, shown);
    out += " take one colour and ";
    AppendCells(out, other);
    out += " the other";
    const std::vector<int> removed = CellsOf(step.removed);
    if (removed == shown) {
        for (std::size_t a = 0; a < shown.size(); ++a) {
            for (std::size_t b = a + 1; b < shown.size(); ++b) {
                if (!SharesUnit(shown[a], shown[b]))
                    continue;
                out += "; ";
                AppendCell(out, shown[a]);
                out += " and ";
                AppendCell(out, shown[b]);
                out += " of the first colour share a unit, so " + std::to_string(digit)
                    + " leaves every cell of that colour.";
                return;
            }
        }
    }
    out += ", so one colour holds " + std::to_string(digit) + ", and ";
    AppendCells(out, removed);
    out += removed.size() > 1 ? ", which see both colours, cannot." : ", which sees both colours, cannot.";
}

}  // namespace technique
