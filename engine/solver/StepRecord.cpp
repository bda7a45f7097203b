#include "StepRecord.h"

#include "StepText.h"

#include <algorithm>

namespace {

// Writes the step's sentence at `end`, which has kSentenceRoom characters free; returns its end.
char* WriteSentence(char* end, const StepRecord& step)
{
    const int x = step.cell % 9;
    const int y = step.cell / 9;
    switch (step.kind) {
    case StepKind::Determined:
        return WriteDeterminedSentence(end, x, y, step.digit);
    case StepKind::HiddenSingle:
        return WriteHiddenSingleSentence(end, step.unitKind, x, y, step.digit);
    case StepKind::DigitSet:
        return WriteDigitSetSentence(end, step.unitKind, unsigned{step.digitMask}, x, y);
    case StepKind::Guess:
        return WriteGuessSentence(end, x, y, step.digit, step.guessLevel);
    }
    return end;
}

}  // namespace

void AppendSentence(std::string& out, const StepRecord& step)
{
    char sentence[kSentenceRoom];
    out.append(sentence, static_cast<size_t>(WriteSentence(sentence, step) - sentence));
}

void AppendSentences(std::string& out, std::span<const StepRecord> steps, std::string_view separator)
{
    // The sentences gather on the stack and go into `out` a few thousand characters at a time: a
    // sentence appended on its own costs about as many instructions again as writing it.
    char buffer[4096];
    char* end = buffer;
    const auto flush = [&] {
        out.append(buffer, static_cast<size_t>(end - buffer));
        end = buffer;
    };
    const auto room = [&] { return static_cast<size_t>(buffer + sizeof buffer - end); };
    for (size_t i = 0; i < steps.size(); ++i) {
        if (i > 0 && separator.size() <= room()) {
            end = std::copy(separator.begin(), separator.end(), end);
        } else if (i > 0) {
            flush();
            out.append(separator);
        }
        if (room() < kSentenceRoom)
            flush();
        end = WriteSentence(end, steps[i]);
    }
    flush();
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
