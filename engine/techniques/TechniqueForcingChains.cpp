#include "TechniqueFinders.h"
#include "TechniqueForcing.h"
#include "TechniqueSentences.h"

#include <algorithm>
#include <memory>

namespace technique {

namespace {

using namespace forcing;

// Where every assumption of one polarity leads on one board under one set of rules, kept while the
// finders of one level ask in turn about the same board.
struct Outcomes {
    std::array<bool, kNodes> tried{};
    std::array<bool, kNodes> failed{};
    std::array<int, kNodes> failureWeight{};
    std::array<std::array<CellSet, 9>, kNodes> on{};
    std::array<std::array<CellSet, 9>, kNodes> off{};
    std::array<std::array<std::uint8_t, kEvents>, kNodes> depth{};
};

struct Level {
    bool valid = false;
    Rules rules = Rules::Links;
    Position position;
    bool offValid = false;
    Outcomes assumedTrue;
    Outcomes assumedFalse;
};

struct Scratch {
    Propagation propagation;
    Level level;
    std::vector<int> events;
    std::vector<int> chain;
};

Scratch& TheScratch()
{
    thread_local std::unique_ptr<Scratch> scratch = std::make_unique<Scratch>();
    return *scratch;
}

// The inner chains all the branches of one nested level may follow, some 20 ms of work each:
// enough for every puzzle of the usual hard collections, and a bound on a hint on the very hardest.
int InnerBudget(Rules rules)
{
    return rules == Rules::NestedDynamic ? 8000 : 60000;
}

// False when the board's search was asked to stop before every assumption was followed.
bool Follow(Scratch& scratch, const TechniqueBoard& board, const Position& position, Rules rules, bool assumeTrue,
            Outcomes& outcomes)
{
    if (rules == Rules::Links)
        scratch.propagation.PrepareLinks(position);
    scratch.propagation.SetInnerBudget(InnerBudget(rules));
    for (int cell = 0; cell < kCellCount; ++cell) {
        // A cell's assumptions take a few milliseconds at most, even nested.
        if (board.StopRequested())
            return false;
        const unsigned mask = position.masks[static_cast<std::size_t>(cell)];
        for (int digit = 1; digit <= 9; ++digit) {
            const auto node = static_cast<std::size_t>(Node(cell, digit));
            outcomes.tried[node] = (mask >> (digit - 1) & 1u) != 0;
            if (!outcomes.tried[node])
                continue;
            Propagation& propagation = scratch.propagation;
            outcomes.failed[node] = !propagation.Run(position, rules, Event(Node(cell, digit), assumeTrue));
            outcomes.on[node] = propagation.OnSets();
            outcomes.off[node] = propagation.OffSets();
            outcomes.depth[node] = propagation.Depths();
            if (outcomes.failed[node]) {
                propagation.FailureEvents(scratch.events);
                outcomes.failureWeight[node] = propagation.Ancestors(scratch.events, scratch.chain);
            }
        }
    }
    return true;
}

// The outcomes of the level's rules on this board, followed once for all the level's finders; null
// when the search was asked to stop, and the outcomes half followed are then forgotten.
const Level* LevelFor(const TechniqueBoard& board, Rules rules, bool assumedFalseToo)
{
    Scratch& scratch = TheScratch();
    Level& level = scratch.level;
    const Position position = Position::From(board);
    if (!level.valid || level.rules != rules || !(level.position == position)) {
        level.rules = rules;
        level.position = position;
        level.offValid = false;
        level.valid = Follow(scratch, board, level.position, rules, true, level.assumedTrue);
        if (!level.valid)
            return nullptr;
    }
    if (assumedFalseToo && !level.offValid) {
        level.offValid = Follow(scratch, board, level.position, rules, false, level.assumedFalse);
        if (!level.offValid)
            return nullptr;
    }
    return &level;
}

// Follows the assumption again for the chain that leads to the conclusion (-1: to the contradiction),
// adds it to the step's chains and its candidates not yet in the pattern; returns the chain's weight.
int AddChain(Scratch& scratch, const Position& position, Rules rules, int assumption, int conclusion, TechniqueStep& step)
{
    if (rules == Rules::Links)
        scratch.propagation.PrepareLinks(position);
    scratch.propagation.SetInnerBudget(InnerBudget(rules));
    scratch.propagation.Run(position, rules, assumption);
    if (conclusion >= 0)
        scratch.events = {conclusion};
    else
        scratch.propagation.FailureEvents(scratch.events);
    const int weight = scratch.propagation.Ancestors(scratch.events, scratch.chain);
    step.chains.push_back(scratch.propagation.StepChain(scratch.chain));
    for (const int event : scratch.chain) {
        const CellDigit candidate{CellOf(event), DigitOf(event)};
        if (std::find(step.candidates.begin(), step.candidates.end(), candidate) == step.candidates.end())
            step.candidates.push_back(candidate);
    }
    return weight;
}

void AddCell(std::vector<int>& cells, int cell)
{
    if (std::find(cells.begin(), cells.end(), cell) == cells.end())
        cells.push_back(cell);
    std::sort(cells.begin(), cells.end());
}

int SharedUnit(int a, int b)
{
    if (RowUnit(a) == RowUnit(b))
        return RowUnit(a);
    return ColumnUnit(a) == ColumnUnit(b) ? ColumnUnit(a) : BoxUnit(a);
}

// An assumption that leads to a contradiction: the candidate goes. The shortest such chain.
bool FindContradiction(const TechniqueBoard& board, Rules rules, Technique technique, TechniqueStep& step)
{
    const Level* followed = LevelFor(board, rules, false);
    if (!followed)
        return false;
    const Level& level = *followed;
    int best = -1;
    for (int node = 0; node < kNodes; ++node) {
        const auto index = static_cast<std::size_t>(node);
        if (level.assumedTrue.tried[index] && level.assumedTrue.failed[index]
            && (best == -1 || level.assumedTrue.failureWeight[index] < level.assumedTrue.failureWeight[static_cast<std::size_t>(best)]))
            best = node;
    }
    if (best == -1)
        return false;
    Scratch& scratch = TheScratch();
    const Propagation& propagation = scratch.propagation;
    const int assumption = Event(best, true);
    const int cell = CellOf(assumption);
    const int weight = AddChain(scratch, level.position, rules, assumption, -1, step);
    const Contradiction failure = propagation.Failure();
    step.cells = {cell};
    switch (failure.kind) {
    case Contradiction::NoPlace:
        step.baseUnit = failure.unit;
        step.digits = 1u << (failure.digit - 1);
        break;
    case Contradiction::EmptyCell:
        AddCell(step.cells, failure.cell);
        break;
    case Contradiction::Clash: {
        const int clashCell = CellOf(failure.event);
        const int cause = propagation.ClashCause();
        AddCell(step.cells, clashCell);
        step.digits = 1u << (DigitOf(failure.event) - 1);
        if (cause >= 0 && CellOf(cause) != clashCell) {
            step.coverUnit = SharedUnit(clashCell, CellOf(cause));
            AddCell(step.cells, CellOf(cause));
        } else if (cause >= 0) {
            step.digits |= 1u << (DigitOf(cause) - 1);
        }
        break;
    }
    case Contradiction::None:
        break;
    }
    step.removed = {{cell, DigitOf(assumption)}};
    step.difficulty = ChainDifficulty(RatingBase(technique), weight);
    return true;
}

// One branch: an assumption followed under the level's rules.
struct Branch {
    const Outcomes* outcomes;
    int node;
};

struct Conclusion {
    int event = -1;
    int cost = 0;
};

// The consequence every branch shares, the one whose chains are the shortest; -1 when they share none.
Conclusion Shared(const Branch* branches, int count)
{
    std::array<CellSet, 9> on;
    std::array<CellSet, 9> off;
    for (int digit = 0; digit < 9; ++digit) {
        on[static_cast<std::size_t>(digit)] = CellSet::All();
        off[static_cast<std::size_t>(digit)] = on[static_cast<std::size_t>(digit)];
    }
    for (int branch = 0; branch < count; ++branch) {
        const auto node = static_cast<std::size_t>(branches[branch].node);
        if (branches[branch].outcomes->failed[node])
            return {};
        for (std::size_t digit = 0; digit < 9; ++digit) {
            on[digit] = on[digit] & branches[branch].outcomes->on[node][digit];
            off[digit] = off[digit] & branches[branch].outcomes->off[node][digit];
        }
    }
    Conclusion best;
    for (int digit = 1; digit <= 9; ++digit) {
        for (const bool placed : {true, false}) {
            (placed ? on : off)[static_cast<std::size_t>(digit - 1)].ForEach([&](int cell) {
                const int event = Event(Node(cell, digit), placed);
                int cost = 0;
                for (int branch = 0; branch < count; ++branch)
                    cost += branches[branch].outcomes->depth[static_cast<std::size_t>(branches[branch].node)][static_cast<std::size_t>(event)];
                if (best.event == -1 || cost < best.cost)
                    best = {event, cost};
            });
        }
    }
    return best;
}

struct Pick {
    Conclusion conclusion;
    std::array<Branch, 9> branches{};
    int count = 0;
    int unit = -1;
};

void Consider(Pick& pick, const std::array<Branch, 9>& branches, int count, int unit)
{
    const Conclusion conclusion = Shared(branches.data(), count);
    if (conclusion.event != -1 && (pick.conclusion.event == -1 || conclusion.cost < pick.conclusion.cost))
        pick = {conclusion, branches, count, unit};
}

bool SetForcingStep(const Level& level, const Pick& pick, Technique technique, TechniqueStep& step)
{
    if (pick.conclusion.event == -1)
        return false;
    Scratch& scratch = TheScratch();
    int weight = 0;
    for (int branch = 0; branch < pick.count; ++branch) {
        const Branch& each = pick.branches[static_cast<std::size_t>(branch)];
        weight += AddChain(scratch, level.position, level.rules, Event(each.node, each.outcomes == &level.assumedTrue),
                           pick.conclusion.event, step);
        AddCell(step.cells, each.node / 9);
        step.digits |= 1u << (each.node % 9);
    }
    const CellDigit conclusion{CellOf(pick.conclusion.event), DigitOf(pick.conclusion.event)};
    AddCell(step.cells, conclusion.cell);
    (IsOn(pick.conclusion.event) ? step.placed : step.removed) = {conclusion};
    step.baseUnit = pick.unit;
    step.difficulty = ChainDifficulty(RatingBase(technique), weight);
    return true;
}

// Every candidate of one cell leads to the same consequence.
bool FindCellForcing(const TechniqueBoard& board, Rules rules, Technique technique, TechniqueStep& step)
{
    const Level* followed = LevelFor(board, rules, false);
    if (!followed)
        return false;
    const Level& level = *followed;
    Pick pick;
    for (int cell = 0; cell < kCellCount; ++cell) {
        std::array<Branch, 9> branches{};
        int count = 0;
        for (int digit = 1; digit <= 9; ++digit) {
            if (level.position.masks[static_cast<std::size_t>(cell)] >> (digit - 1) & 1u)
                branches[static_cast<std::size_t>(count++)] = {&level.assumedTrue, Node(cell, digit)};
        }
        if (count >= 2)
            Consider(pick, branches, count, -1);
    }
    return SetForcingStep(level, pick, technique, step);
}

// Every place of a digit in one unit leads to the same consequence.
bool FindUnitForcing(const TechniqueBoard& board, Rules rules, Technique technique, TechniqueStep& step)
{
    const Level* followed = LevelFor(board, rules, false);
    if (!followed)
        return false;
    const Level& level = *followed;
    Pick pick;
    for (int unit = 0; unit < kUnitCount; ++unit) {
        for (int digit = 1; digit <= 9; ++digit) {
            const auto d = static_cast<std::size_t>(digit - 1);
            const CellSet places = level.position.candidates[d] & UnitSet(unit);
            if (!(level.position.placed[d] & UnitSet(unit)).Empty() || places.Empty() || places.Single())
                continue;
            std::array<Branch, 9> branches{};
            int count = 0;
            places.ForEach([&](int cell) { branches[static_cast<std::size_t>(count++)] = {&level.assumedTrue, Node(cell, digit)}; });
            Consider(pick, branches, count, unit);
        }
    }
    return SetForcingStep(level, pick, technique, step);
}

// A candidate true and the same candidate false lead to the same consequence.
bool FindDoubleForcing(const TechniqueBoard& board, Rules rules, Technique technique, TechniqueStep& step)
{
    const Level* followed = LevelFor(board, rules, true);
    if (!followed)
        return false;
    const Level& level = *followed;
    Pick pick;
    for (int node = 0; node < kNodes; ++node) {
        if (!level.assumedTrue.tried[static_cast<std::size_t>(node)])
            continue;
        const std::array<Branch, 9> branches{Branch{&level.assumedTrue, node}, Branch{&level.assumedFalse, node}};
        Consider(pick, branches, 2, -1);
    }
    if (!SetForcingStep(level, pick, technique, step))
        return false;
    step.digits = 1u << (pick.branches[0].node % 9);
    return true;
}

}  // namespace

bool FindNishioForcingChain(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindContradiction(board, Rules::OneDigit, Technique::NishioForcingChain, step);
}

bool FindContradictionForcingChain(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindContradiction(board, Rules::Links, Technique::ContradictionForcingChain, step);
}

bool FindCellForcingChains(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindCellForcing(board, Rules::Links, Technique::CellForcingChains, step);
}

bool FindUnitForcingChains(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindUnitForcing(board, Rules::Links, Technique::UnitForcingChains, step);
}

bool FindDynamicContradictionChain(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindContradiction(board, Rules::Singles, Technique::DynamicContradictionChain, step);
}

bool FindDynamicCellForcingChains(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindCellForcing(board, Rules::Singles, Technique::DynamicCellForcingChains, step);
}

bool FindDynamicUnitForcingChains(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindUnitForcing(board, Rules::Singles, Technique::DynamicUnitForcingChains, step);
}

bool FindDynamicDoubleForcingChains(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindDoubleForcing(board, Rules::Singles, Technique::DynamicDoubleForcingChains, step);
}

bool FindNestedContradictionChain(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindContradiction(board, Rules::Nested, Technique::NestedContradictionChain, step);
}

bool FindNestedCellForcingChains(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindCellForcing(board, Rules::Nested, Technique::NestedCellForcingChains, step);
}

bool FindNestedUnitForcingChains(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindUnitForcing(board, Rules::Nested, Technique::NestedUnitForcingChains, step);
}

bool FindNestedDynamicContradictionChain(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindContradiction(board, Rules::NestedDynamic, Technique::NestedDynamicContradictionChain, step);
}

bool FindNestedDynamicCellForcingChains(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindCellForcing(board, Rules::NestedDynamic, Technique::NestedDynamicCellForcingChains, step);
}

bool FindNestedDynamicUnitForcingChains(const TechniqueBoard& board, TechniqueStep& step)
{
    return FindUnitForcing(board, Rules::NestedDynamic, Technique::NestedDynamicUnitForcingChains, step);
}

namespace {

// ", (x=8, y=5) must be 4." or ", (x=8, y=5) cannot be 4.": the step's conclusion.
void AppendConclusion(std::string& out, const TechniqueStep& step)
{
    const bool placed = !step.placed.empty();
    const CellDigit conclusion = placed ? step.placed.front() : step.removed.front();
    out += ", ";
    AppendCell(out, conclusion.cell);
    out += (placed ? " must be " : " cannot be ") + std::to_string(conclusion.digit) + '.';
}

// The cell the branches start from: the one of the step's cells the conclusion is not in, if any.
int StartCell(const TechniqueStep& step)
{
    const int conclusion = step.placed.empty() ? step.removed.front().cell : step.placed.front().cell;
    for (const int cell : step.cells) {
        if (cell != conclusion)
            return cell;
    }
    return conclusion;
}

}  // namespace

// "if (x=3, y=1) were 6, row y=4 would have no place for digit 2, so it is not 6."
void WriteContradiction(std::string& out, const TechniqueStep& step)
{
    const CellDigit assumed = step.removed.front();
    int other = assumed.cell;
    for (const int cell : step.cells) {
        if (cell != assumed.cell)
            other = cell;
    }
    const int first = step.digits == 0 ? 0 : LowestDigit(step.digits);
    out += "if ";
    AppendCell(out, assumed.cell);
    out += " were " + std::to_string(assumed.digit) + ", ";
    if (step.baseUnit >= 0) {
        AppendUnit(out, step.baseUnit);
        out += " would have no place for digit " + std::to_string(first);
    } else if (step.coverUnit >= 0) {
        out += "digit " + std::to_string(first) + " would go twice into ";
        AppendUnit(out, step.coverUnit);
    } else {
        AppendCell(out, other);
        if (step.digits == 0)
            out += " would have no candidate left";
        else if (std::popcount(step.digits) == 2)
            out += " would have to hold both " + std::to_string(first) + " and "
                + std::to_string(31 - std::countl_zero(step.digits) + 1);
        else
            out += " would have to hold " + std::to_string(first) + ", which a chain inside the branch rules out";
    }
    out += ", so it is not " + std::to_string(assumed.digit) + '.';
}

void WriteCellForcing(std::string& out, const TechniqueStep& step)
{
    out += "whichever of ";
    AppendDigitList(out, step.digits);
    out += " goes into ";
    AppendCell(out, StartCell(step));
    AppendConclusion(out, step);
}

void WriteUnitForcing(std::string& out, const TechniqueStep& step)
{
    out += "wherever digit " + std::to_string(LowestDigit(step.digits)) + " goes in ";
    AppendUnit(out, step.baseUnit);
    AppendConclusion(out, step);
}

void WriteDoubleForcing(std::string& out, const TechniqueStep& step)
{
    out += "whether or not ";
    AppendCell(out, StartCell(step));
    out += " is " + std::to_string(LowestDigit(step.digits));
    AppendConclusion(out, step);
}

}  // namespace technique
