// What the person writes on the board, with one history to take it back: in the edit state the
// puzzle being entered, in the set state their own digits and pencil marks over the givens.
#pragma once

#include "Engine.h"
#include "SolveReplay.h"
#include "UndoHistory.h"

#include <cstdint>

class OwnWork {
public:
    struct State {
        Puzzle digits;
        CandidateMasks marks{};  // per cell, bit d - 1 for digit d; none in the edit state

        bool operator==(const State&) const = default;
    };

    const State& Current() const { return m_state; }
    int Digit(int cell) const { return m_state.digits[cell]; }
    std::uint16_t MarksOf(int cell) const { return m_state.marks[static_cast<std::size_t>(cell)]; }
    bool IsEmpty() const { return m_state == State{}; }

    // Runs edit on the state and keeps the state before for Undo when it changed anything; true then.
    template <typename Edit>
    bool Change(Edit edit)
    {
        State before = m_state;
        edit(m_state);
        if (m_state == before)
            return false;
        m_history.Record(std::move(before));
        return true;
    }
    bool Undo() { return m_history.Undo(m_state); }
    bool Redo() { return m_history.Redo(m_state); }
    // Begins again from state, with nothing to undo.
    void Start(const State& state);
    void Start() { Start(State{}); }

    // Whether the set state takes own digits and marks; when off they stay on show, locked.
    bool IsOn() const { return m_on; }
    void SetOn(bool on) { m_on = on; }

private:
    State m_state;
    UndoHistory<State> m_history;
    bool m_on = false;
};
