#include "ChainPicture.h"

#include <algorithm>
#include <cstdlib>

namespace {

int Distance(int a, int b)
{
    return std::abs(a / 9 - b / 9) + std::abs(a % 9 - b % 9);
}

// The pair of the two nodes' cells that lie nearest each other, the first such pair on a tie.
std::pair<int, int> NearestCells(const ChainNode& from, const ChainNode& to)
{
    std::pair<int, int> nearest{from.cells.front(), to.cells.front()};
    for (const int a : from.cells) {
        for (const int b : to.cells) {
            if (Distance(a, b) < Distance(nearest.first, nearest.second))
                nearest = {a, b};
        }
    }
    return nearest;
}

void AddOnce(std::vector<CellDigit>& candidates, const CellDigit& candidate)
{
    if (std::find(candidates.begin(), candidates.end(), candidate) == candidates.end())
        candidates.push_back(candidate);
}

void AddNode(std::vector<CellDigit>& candidates, const ChainNode& node)
{
    for (const int cell : node.cells)
        AddOnce(candidates, {cell, node.digit});
}

}  // namespace

ChainPicture ChainPictureOf(const TechniqueStep& step, bool links)
{
    ChainPicture picture;
    for (std::size_t branch = 0; branch < step.chains.size(); ++branch) {
        const TechniqueChain& chain = step.chains[branch];
        const ChainNode& start = chain.nodes.front();
        const int colour = static_cast<int>(branch);
        for (const int cell : start.cells)
            picture.starts.push_back({{cell, start.digit}, start.on, colour});
        if (!links)
            continue;
        for (const ChainLink& link : chain.links) {
            const ChainNode& from = chain.nodes[static_cast<std::size_t>(link.from)];
            const ChainNode& to = chain.nodes[static_cast<std::size_t>(link.to)];
            const auto [fromCell, toCell] = NearestCells(from, to);
            picture.arrows.push_back({{fromCell, from.digit}, {toCell, to.digit}, to.on, colour});
        }
    }
    return picture;
}

std::vector<CellDigit> ChainEnds(const TechniqueStep& step)
{
    std::vector<CellDigit> ends;
    for (const TechniqueChain& chain : step.chains)
        AddNode(ends, chain.nodes.front());
    for (const TechniqueChain& chain : step.chains) {
        for (std::size_t node = 0; node < chain.nodes.size(); ++node) {
            const bool leads = std::any_of(chain.links.begin(), chain.links.end(),
                                           [node](const ChainLink& link) { return link.from == static_cast<int>(node); });
            if (!leads)
                AddNode(ends, chain.nodes[node]);
        }
    }
    for (const std::vector<CellDigit>* conclusion : {&step.placed, &step.removed}) {
        for (const CellDigit& candidate : *conclusion)
            AddOnce(ends, candidate);
    }
    return ends;
}
