#include "StepRecord.h"

#include "StepText.h"

#include <algorithm>

void AppendSentence(std::string& out, const StepRecord& step)
{
    const int x = step.cell % 9;
    const int y = step.cell / 9;
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

void AppendSentences(StepList& sentences, std::span<const StepRecord> steps)
{
    sentences.reserve(sentences.size() + steps.size());
    for (const StepRecord& step : steps) {
        std::string sentence;
        sentence.reserve(kSentenceCapacity);
        AppendSentence(sentence, step);
        sentences.push_back(std::move(sentence));
    }
}

bool StepRecorder::HasDigitSet() const
{
    return std::any_of(m_records.begin(), m_records.begin() + static_cast<std::ptrdiff_t>(m_size),
                       [](const StepRecord& step) { return step.kind == StepKind::DigitSet; });
}
