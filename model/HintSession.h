// A hint from the technique finder on the board as shown, in three presses: where to look, then
// what the step removes or places, then the step taken. Worked out on a thread of its own when the
// owner is told of finished work; any change of the board drops it.
#pragma once

#include "BackgroundWork.h"
#include "Engine.h"
#include "TechniqueView.h"

#include <functional>
#include <optional>
#include <string>

// Why a hint shows no step; see PuzzleModel::StoppedHint.
struct HintStop {
    enum class Reason { WrongDigit, WrongMarks, ClashingDigit, NoSolutionLeft, SeveralSolutions };
    Reason reason = Reason::WrongDigit;
    int cell = -1;       // the own digit or marks named (framed); -1 where none is
    int digit = 0;       // that own digit
    int otherCell = -1;  // ClashingDigit: the cell of the digit it repeats

    bool operator==(const HintStop&) const = default;
};

class HintSession {
public:
    enum class Stage {
        None,
        Working,  // being found in the background
        Pattern,  // where to look is on show
        Effect,   // what the step does is on show
        Taken,    // the step has been taken; its placements stay marked until the board changes
    };
    Stage CurrentStage() const { return m_stage; }

    // Looks for the easiest step on board: at once without finished, else in the background,
    // calling finished on the worker's thread once it has been found. Without a solution, no
    // step is a guess.
    void Find(const technique::TechniqueBoard& board, const std::optional<Puzzle>& solution,
              const std::function<void()>& finished);
    // Brings in the step found in the background, waiting for it first when asked to; true when one came.
    bool TakeFinished(bool wait);
    // The second press: the step shown whole.
    void ShowEffect();
    // The third press; the step the caller applies to the board.
    const TechniqueStep& Take();
    // No hint on show, the work on one stopped.
    void Drop();
    // Shows why no hint is given instead.
    void Refuse(const HintStop& why) { m_stop = why; }

    const std::optional<HintStop>& Stopped() const { return m_stop; }
    // While where to look is on show; null otherwise.
    const TechniqueLook* Look() const { return m_stage == Stage::Pattern ? &m_look : nullptr; }
    // Whether the hint, not the replay, marks the board; then its marks, and once the step is shown
    // whole its sentence.
    bool Marks() const { return m_stage == Stage::Pattern || m_stage == Stage::Effect || m_stage == Stage::Taken; }
    const StepPicture& Picture() const { return m_picture; }
    std::string Sentence() const;

private:
    void ShowPattern(const std::optional<TechniqueStep>& step);

    Stage m_stage = Stage::None;
    TechniqueStep m_step;  // with the board it is found on
    technique::TechniqueBoard m_board{Puzzle()};
    TechniqueLook m_look;
    StepPicture m_picture;
    std::optional<HintStop> m_stop;
    BackgroundWork<std::optional<TechniqueStep>> m_work;  // last, so that it stops before the rest goes
};
