#include "StepRecord.h"

#include "GridGeometry.h"
#include "StepText.h"

void StepRecorder::AppendSentencesTo(StepList& steps) const
{
    steps.reserve(steps.size() + m_size);
    for (size_t i = 0; i < m_size; ++i) {
        const StepRecord& step = m_records[i];
        const int x = grid::CellX(step.cell);
        const int y = grid::CellY(step.cell);
        switch (step.kind) {
        case StepKind::Determined:
            steps.push_back(DeterminedSentence(x, y, step.digit));
            break;
        case StepKind::HiddenSingle:
            steps.push_back(HiddenSingleSentence(step.unitKind, x, y, step.digit));
            break;
        case StepKind::DigitSet:
            steps.push_back(DigitSetSentence(step.unitKind, DigitText(step.digitMask), x, y));
            break;
        case StepKind::Guess:
            steps.push_back(GuessSentence(x, y, step.digit, step.guessLevel));
            break;
        }
    }
}
