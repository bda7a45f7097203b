#include "TechniqueForcing.h"

#include <algorithm>
#include <memory>

namespace technique::forcing {

namespace {

struct Sets {
    std::array<Cells, kUnitCount> units{};
    std::array<Cells, kCellCount> peers{};
};

constexpr Sets MakeSets()
{
    Sets sets;
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)})
            sets.units[static_cast<std::size_t>(unit)].Add(cell);
    }
    for (int cell = 0; cell < kCellCount; ++cell) {
        auto& peers = sets.peers[static_cast<std::size_t>(cell)];
        for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)})
            peers = peers | sets.units[static_cast<std::size_t>(unit)];
        peers.Erase(cell);
    }
    return sets;
}

constexpr Sets kSets = MakeSets();

constexpr unsigned Bit(int digit) { return 1u << (digit - 1); }

template <class Visit>
void ForEachDigit(unsigned digits, Visit visit)
{
    for (; digits != 0; digits &= digits - 1)
        visit(std::countr_zero(digits) + 1);
}

}  // namespace

const Cells& UnitSet(int unit)
{
    return kSets.units[static_cast<std::size_t>(unit)];
}

const Cells& PeerSet(int cell)
{
    return kSets.peers[static_cast<std::size_t>(cell)];
}

Position Position::From(const TechniqueBoard& board)
{
    Position position;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (!board.IsEmpty(cell)) {
            position.placed[static_cast<std::size_t>(board.Value(cell) - 1)].Add(cell);
            position.filled.Add(cell);
            continue;
        }
        position.masks[static_cast<std::size_t>(cell)] = static_cast<std::uint16_t>(board.Candidates(cell));
        ForEachDigit(board.Candidates(cell), [&](int digit) { position.candidates[static_cast<std::size_t>(digit - 1)].Add(cell); });
    }
    return position;
}

bool Propagation::Run(const Position& base, Rules rules, int assumption)
{
    if (++m_generation == 0) {
        m_stamp.fill(0);
        m_generation = 1;
    }
    m_base = &base;
    m_rules = rules;
    m_digit = DigitOf(assumption);
    if (rules != Rules::Links)
        m_state = base;
    m_on = {};
    m_off = {};
    m_failure = {};
    m_parentsUsed = 0;
    m_queueHead = 0;
    m_queueTail = 0;
    Emit(assumption, 0, 0);
    for (;;) {
        while (m_failure.kind == Contradiction::None && m_queueHead < m_queueTail) {
            const int event = m_queue[static_cast<std::size_t>(m_queueHead++)];
            if (rules == Rules::Links)
                ApplyLinks(event);
            else if (IsOn(event))
                ApplyOn(event);
            else
                ApplyOff(event);
        }
        if (m_failure.kind != Contradiction::None)
            return false;
        if ((rules != Rules::Nested && rules != Rules::NestedDynamic) || !NestedStep())
            return true;
    }
}

void Propagation::PushParent(int event)
{
    if (m_parentsUsed < static_cast<int>(m_parents.size()))
        m_parents[static_cast<std::size_t>(m_parentsUsed++)] = static_cast<std::int16_t>(event);
}

// The event follows from the parents pushed since parentsBegin.
void Propagation::Emit(int event, int parentsBegin, int extra)
{
    const auto index = static_cast<std::size_t>(event);
    if (m_failure.kind != Contradiction::None || Known(event)) {
        m_parentsUsed = parentsBegin;
        return;
    }
    if (Known(event ^ 1)) {
        m_failure.kind = Contradiction::Clash;
        m_failure.event = event;
        m_failureParentsBegin = parentsBegin;
        m_failureParentsEnd = m_parentsUsed;
        return;
    }
    int depth = 0;
    for (int parent = parentsBegin; parent < m_parentsUsed; ++parent)
        depth = std::max(depth, m_depth[static_cast<std::size_t>(m_parents[static_cast<std::size_t>(parent)])] + 1);
    m_stamp[index] = m_generation;
    m_depth[index] = static_cast<std::uint8_t>(std::min(depth, 255));
    m_parentsBegin[index] = parentsBegin;
    m_parentsCount[index] = static_cast<std::uint16_t>(m_parentsUsed - parentsBegin);
    m_extra[index] = static_cast<std::uint16_t>(extra);
    m_index[index] = static_cast<std::int16_t>(m_queueTail);
    m_queue[static_cast<std::size_t>(m_queueTail++)] = static_cast<std::int16_t>(event);
    (IsOn(event) ? m_on : m_off)[static_cast<std::size_t>(DigitOf(event) - 1)].Add(CellOf(event));
}

void Propagation::EmitFrom(int event, int parent)
{
    const int begin = m_parentsUsed;
    PushParent(parent);
    Emit(event, begin, 0);
}

void Propagation::ApplyOn(int event)
{
    const int cell = CellOf(event);
    const int digit = DigitOf(event);
    const auto d = static_cast<std::size_t>(digit - 1);
    if (m_rules != Rules::OneDigit) {
        ForEachDigit(m_state.masks[static_cast<std::size_t>(cell)] & ~Bit(digit),
                     [&](int other) { EmitFrom(Event(Node(cell, other), false), event); });
        m_state.masks[static_cast<std::size_t>(cell)] = 0;
        m_state.filled.Add(cell);
    }
    ForEach(PeerSet(cell) & m_state.candidates[d], [&](int peer) { EmitFrom(Event(Node(peer, digit), false), event); });
    m_state.placed[d].Add(cell);
    m_state.candidates[d].Erase(cell);
}

void Propagation::ApplyOff(int event)
{
    const int cell = CellOf(event);
    const int digit = DigitOf(event);
    const auto d = static_cast<std::size_t>(digit - 1);
    const auto c = static_cast<std::size_t>(cell);
    m_state.candidates[d].Erase(cell);
    m_state.masks[c] = static_cast<std::uint16_t>(m_state.masks[c] & ~Bit(digit));
    if (m_rules != Rules::OneDigit && !m_state.filled.Has(cell)) {
        const unsigned left = m_state.masks[c];
        if (left == 0) {
            m_failure.kind = Contradiction::EmptyCell;
            m_failure.cell = cell;
            return;
        }
        if (IsSingleBit(left)) {
            const int begin = m_parentsUsed;
            ForEachDigit(m_base->masks[c] & ~left, [&](int gone) { PushParent(Event(Node(cell, gone), false)); });
            Emit(Event(Node(cell, std::countr_zero(left) + 1), true), begin, 0);
        }
    }
    for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)}) {
        const Cells& unitSet = UnitSet(unit);
        if (!(m_state.placed[d] & unitSet).Empty())
            continue;
        const Cells places = m_state.candidates[d] & unitSet;
        if (places.Empty()) {
            m_failure.kind = Contradiction::NoPlace;
            m_failure.unit = unit;
            m_failure.digit = digit;
            return;
        }
        if (places.Single()) {
            const int begin = m_parentsUsed;
            ForEach((m_base->candidates[d] & unitSet).Without(places),
                    [&](int gone) { PushParent(Event(Node(gone, digit), false)); });
            Emit(Event(Node(places.First(), digit), true), begin, 0);
        }
    }
}

void Propagation::ApplyLinks(int event)
{
    const int cell = CellOf(event);
    const int digit = DigitOf(event);
    const auto d = static_cast<std::size_t>(digit - 1);
    const unsigned mask = m_base->masks[static_cast<std::size_t>(cell)];
    if (IsOn(event)) {
        ForEachDigit(mask & ~Bit(digit), [&](int other) { EmitFrom(Event(Node(cell, other), false), event); });
        ForEach(PeerSet(cell) & m_base->candidates[d], [&](int peer) { EmitFrom(Event(Node(peer, digit), false), event); });
        return;
    }
    for (const int partner : m_strong[static_cast<std::size_t>(Node(cell, digit))]) {
        if (partner < 0)
            break;
        EmitFrom(Event(partner, true), event);
    }
}

void Propagation::PrepareLinks(const Position& base)
{
    for (int cell = 0; cell < kCellCount; ++cell) {
        const unsigned mask = base.masks[static_cast<std::size_t>(cell)];
        ForEachDigit(mask, [&](int digit) {
            auto& partners = m_strong[static_cast<std::size_t>(Node(cell, digit))];
            partners.fill(-1);
            std::size_t count = 0;
            if (AreTwoDigits(mask))
                partners[count++] = static_cast<std::int16_t>(Node(cell, std::countr_zero(mask & ~Bit(digit)) + 1));
            const auto d = static_cast<std::size_t>(digit - 1);
            for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)}) {
                const Cells& unitSet = UnitSet(unit);
                const Cells places = base.candidates[d] & unitSet;
                if ((base.placed[d] & unitSet).Empty() && places.Pair()) {
                    Cells other = places;
                    other.Erase(cell);
                    partners[count++] = static_cast<std::int16_t>(Node(other.First(), digit));
                }
            }
        });
    }
}

// Where singles stall: every candidate left whose links (or singles) on the board as it now stands
// lead to a contradiction goes, each with the removals its inner chain rests on as parents.
bool Propagation::NestedStep()
{
    thread_local std::unique_ptr<Propagation> inner = std::make_unique<Propagation>();
    thread_local std::vector<int> failure;
    thread_local std::vector<int> chain;
    const Rules innerRules = m_rules == Rules::NestedDynamic ? Rules::Singles : Rules::Links;
    bool found = false;
    if (innerRules == Rules::Links)
        inner->PrepareLinks(m_state);
    for (int cell = 0; cell < kCellCount; ++cell) {
        ForEachDigit(m_state.masks[static_cast<std::size_t>(cell)], [&](int digit) {
            const int off = Event(Node(cell, digit), false);
            if (Known(off) || m_innerBudget <= 0)
                return;
            --m_innerBudget;
            if (inner->Run(m_state, innerRules, off ^ 1))
                return;
            inner->FailureEvents(failure);
            const int weight = inner->Ancestors(failure, chain);
            const int begin = m_parentsUsed;
            AddInnerSupport(*inner, chain);
            Emit(off, begin, weight);
            found = true;
        });
    }
    return found && m_failure.kind == Contradiction::None;
}

// The removals of this branch from the cell, or from the unit's places of the digit.
void Propagation::AddRemovals(int cell, int unit, int digit)
{
    if (cell >= 0) {
        const auto c = static_cast<std::size_t>(cell);
        ForEachDigit(m_base->masks[c] & ~m_state.masks[c], [&](int gone) { PushParent(Event(Node(cell, gone), false)); });
        return;
    }
    const auto d = static_cast<std::size_t>(digit - 1);
    ForEach((m_base->candidates[d] & UnitSet(unit)).Without(m_state.candidates[d]),
            [&](int gone) { PushParent(Event(Node(gone, digit), false)); });
}

// The removals of this branch that the inner chain rests on: those that left a cell its last
// candidates or a unit its last places of a digit, where the inner chain places one or fails.
void Propagation::AddInnerSupport(const Propagation& inner, const std::vector<int>& innerChain)
{
    const Contradiction& failure = inner.m_failure;
    if (failure.kind == Contradiction::EmptyCell)
        AddRemovals(failure.cell, -1, 0);
    else if (failure.kind == Contradiction::NoPlace)
        AddRemovals(-1, failure.unit, failure.digit);
    for (const int event : innerChain) {
        const auto index = static_cast<std::size_t>(event);
        if (!IsOn(event) || inner.m_parentsCount[index] == 0)
            continue;
        const int from = inner.m_parents[static_cast<std::size_t>(inner.m_parentsBegin[index])];
        const int cell = CellOf(event);
        const int digit = DigitOf(event);
        if (CellOf(from) == cell) {
            AddRemovals(cell, -1, 0);
            continue;
        }
        for (const int unit : {RowUnit(cell), ColumnUnit(cell), BoxUnit(cell)}) {
            if (UnitSet(unit).Has(CellOf(from)))
                AddRemovals(-1, unit, digit);
        }
    }
}

void Propagation::FailureEvents(std::vector<int>& events) const
{
    events.clear();
    switch (m_failure.kind) {
    case Contradiction::Clash:
        events.push_back(m_failure.event ^ 1);
        for (int parent = m_failureParentsBegin; parent < m_failureParentsEnd; ++parent)
            events.push_back(m_parents[static_cast<std::size_t>(parent)]);
        break;
    case Contradiction::EmptyCell:
        ForEachDigit(m_base->masks[static_cast<std::size_t>(m_failure.cell)],
                     [&](int digit) { events.push_back(Event(Node(m_failure.cell, digit), false)); });
        break;
    case Contradiction::NoPlace:
        ForEach(m_base->candidates[static_cast<std::size_t>(m_failure.digit - 1)] & UnitSet(m_failure.unit),
                [&](int cell) { events.push_back(Event(Node(cell, m_failure.digit), false)); });
        break;
    case Contradiction::None:
        break;
    }
}

int Propagation::Ancestors(const std::vector<int>& events, std::vector<int>& chain)
{
    if (++m_visit == 0) {
        m_visited.fill(0);
        m_visit = 1;
    }
    chain.clear();
    m_work.assign(events.begin(), events.end());
    int weight = 0;
    while (!m_work.empty()) {
        const int event = m_work.back();
        m_work.pop_back();
        const auto index = static_cast<std::size_t>(event);
        if (!Known(event) || m_visited[index] == m_visit)
            continue;
        m_visited[index] = m_visit;
        chain.push_back(event);
        weight += 1 + m_extra[index];
        const int begin = m_parentsBegin[index];
        for (int parent = begin; parent < begin + m_parentsCount[index]; ++parent)
            m_work.push_back(m_parents[static_cast<std::size_t>(parent)]);
    }
    std::sort(chain.begin(), chain.end(),
              [&](int a, int b) { return m_index[static_cast<std::size_t>(a)] < m_index[static_cast<std::size_t>(b)]; });
    return weight;
}

TechniqueChain Propagation::StepChain(const std::vector<int>& chain) const
{
    TechniqueChain result;
    std::vector<int> nodeOf(kEvents, -1);
    const auto add = [&](int event, int parentsBegin, int parentsCount) {
        const int node = static_cast<int>(result.nodes.size());
        nodeOf[static_cast<std::size_t>(event)] = node;
        result.nodes.push_back({DigitOf(event), {CellOf(event)}, IsOn(event)});
        for (int parent = parentsBegin; parent < parentsBegin + parentsCount; ++parent) {
            const int from = nodeOf[static_cast<std::size_t>(m_parents[static_cast<std::size_t>(parent)])];
            if (from >= 0)
                result.links.push_back({from, node});
        }
    };
    for (const int event : chain) {
        const auto index = static_cast<std::size_t>(event);
        add(event, m_parentsBegin[index], m_parentsCount[index]);
    }
    if (m_failure.kind == Contradiction::Clash)
        add(m_failure.event, m_failureParentsBegin, m_failureParentsEnd - m_failureParentsBegin);
    return result;
}

int Propagation::ClashCause() const
{
    // The off side of the clash was taken by its first parent, a placement, unless a nested step took it.
    const int off = IsOn(m_failure.event) ? m_failure.event ^ 1 : m_failure.event;
    const bool pending = off == m_failure.event;
    const int begin = pending ? m_failureParentsBegin : m_parentsBegin[static_cast<std::size_t>(off)];
    const int count = pending ? m_failureParentsEnd - m_failureParentsBegin : m_parentsCount[static_cast<std::size_t>(off)];
    if (count != 1)
        return -1;
    const int cause = m_parents[static_cast<std::size_t>(begin)];
    return IsOn(cause) ? cause : -1;
}

}  // namespace technique::forcing
