#include "StepRecord.h"

#include "GridGeometry.h"
#include "StepText.h"

#include <algorithm>

void AppendSentence(std::string& out, const StepRecord& step)
{
    const int x = grid::CellX(step.cell);
    const int y = grid::CellY(step.cell);
    switch (step.kind) {
    case StepKind::Determined:
        AppendDeterminedSentence(out, x, y, step.digit);
        break;
    case StepKind::HiddenSingle:
        AppendHiddenSingleSentence(out, step.unitKind, x, y, step.digit);
        break;
    case StepKind::DigitSet:
        AppendDigitSetSentence(out, step.unitKind, unsigned{step.digitMask}, x, y);
        break;
    case StepKind::Guess:
        AppendGuessSentence(out, x, y, step.digit, step.guessLevel);
        break;
    }
}

bool StepRecorder::HasDigitSet() const
{
    return std::any_of(m_records.begin(), m_records.begin() + static_cast<std::ptrdiff_t>(m_size),
                       [](const StepRecord& step) { return step.kind == StepKind::DigitSet; });
}

void StepRecorder::AppendSentencesTo(StepList& steps) const
{
    steps.reserve(steps.size() + m_size);
    for (size_t i = 0; i < m_size; ++i) {
        std::string sentence;
        sentence.reserve(kSentenceCapacity);
        AppendSentence(sentence, m_records[i]);
        steps.push_back(std::move(sentence));
    }
}
