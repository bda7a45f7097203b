// The states a piece of work has been in, for Undo and Redo: each change keeps the state before it,
// and stepping back keeps the state left, to step forth to again.
#pragma once

#include <utility>
#include <vector>

template <typename State>
class UndoHistory {
public:
    // Keeps the state before a change; what was undone can no longer be done again.
    void Record(State before)
    {
        m_undo.push_back(std::move(before));
        m_redo.clear();
    }
    // Puts the state before the last change into current; false, and current untouched, when none is kept.
    bool Undo(State& current) { return Step(m_undo, m_redo, current); }
    bool Redo(State& current) { return Step(m_redo, m_undo, current); }
    void Clear()
    {
        m_undo.clear();
        m_redo.clear();
    }

private:
    static bool Step(std::vector<State>& from, std::vector<State>& to, State& current)
    {
        if (from.empty())
            return false;
        to.push_back(std::move(current));
        current = std::move(from.back());
        from.pop_back();
        return true;
    }

    std::vector<State> m_undo;  // oldest first
    std::vector<State> m_redo;  // most recently undone last
};
