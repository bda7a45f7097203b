// A list of steps walked one at a time: the board before the first step and after each, and where
// the walk stands. The solve's steps and the technique path's are each replayed by one of these.
#pragma once

#include <algorithm>
#include <span>
#include <utility>
#include <vector>

template <typename Step, typename Board>
class StepReplay {
public:
    explicit StepReplay(Board empty) : m_boards{std::move(empty)} {}

    // Starts before the first step, on start; take(board, step) takes a step on a board.
    template <typename Take>
    void Start(Board start, std::span<const Step> steps, Take take)
    {
        m_steps.assign(steps.begin(), steps.end());
        m_boards.assign(1, start);
        m_boards.reserve(m_steps.size() + 1);
        for (const Step& step : m_steps) {
            take(start, step);
            m_boards.push_back(start);
        }
        m_position = 0;
    }

    int StepCount() const { return static_cast<int>(m_steps.size()); }
    // 0 before any step; k after the k-th.
    int Position() const { return m_position; }
    // Moves to the position, kept within 0..StepCount().
    void GoTo(int position) { m_position = std::clamp(position, 0, StepCount()); }

    // The step that led to the position; null at the start.
    const Step* StepTaken() const { return m_position > 0 ? &m_steps[Index() - 1] : nullptr; }
    // The board at the position, and the one StepTaken was taken on (only while there is one).
    const Board& BoardNow() const { return m_boards[Index()]; }
    const Board& BoardBefore() const { return m_boards[Index() - 1]; }

private:
    std::size_t Index() const { return static_cast<std::size_t>(m_position); }

    std::vector<Step> m_steps;
    std::vector<Board> m_boards;  // m_boards[k]: after k steps
    int m_position = 0;
};
