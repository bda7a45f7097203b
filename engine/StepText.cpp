#include "StepText.h"

#include <cstdarg>
#include <cstdio>

namespace {

#if defined(__GNUC__)
__attribute__((format(printf, 1, 2)))
#endif
std::string FormatStep(const char* templateText, ...)
{
    // Every template is short; the longest sentence with its numbers fits easily.
    char buffer[160];
    va_list args;
    va_start(args, templateText);
    const int length = std::vsnprintf(buffer, sizeof buffer, templateText, args);
    va_end(args);
    if (length < 0)
        return {};
    if (static_cast<size_t>(length) < sizeof buffer)
        return std::string(buffer, static_cast<size_t>(length));
    std::string text(static_cast<size_t>(length), '\0');
    va_start(args, templateText);
    std::vsnprintf(text.data(), text.size() + 1, templateText, args);
    va_end(args);
    return text;
}

}  // namespace

std::string DeterminedSentence(int x, int y, int digit)
{
    return FormatStep("Cell (x=%d, y=%d) now determined: can be nothing other than digit %d.", x + 1, y + 1, digit);
}

std::string HiddenSingleSentence(int unitKind, int x, int y, int digit)
{
    switch (unitKind) {
    case 0:
        return FormatStep("In column x=%d, digit %d must go in row y=%d.", x + 1, digit, y + 1);
    case 1:
        return FormatStep("In row y=%d, digit %d must go in column x=%d.", y + 1, digit, x + 1);
    default:
        return FormatStep("In its square, digit %d must go in cell (x=%d, y=%d).", digit, x + 1, y + 1);
    }
}

std::string DigitSetSentence(int unitKind, const std::string& digitText, int x, int y)
{
    switch (unitKind) {
    case 0:
        return FormatStep("In column x=%d, one of digits %s must go in row y=%d.", x + 1, digitText.c_str(), y + 1);
    case 1:
        return FormatStep("In row y=%d, one of digits %s must go in column x=%d.", y + 1, digitText.c_str(), x + 1);
    default:
        return FormatStep("In its square, one of digits %s must go in cell (x=%d, y=%d).", digitText.c_str(), x + 1,
                          y + 1);
    }
}

std::string GuessSentence(int x, int y, int digit, int guessLevel)
{
    return FormatStep("Guessing x=%d, y=%d, digit=%d, recursion level=%d.", x + 1, y + 1, digit, guessLevel);
}

std::string DigitText(unsigned digitMask)
{
    std::string text;
    for (int d = 1; d <= 9; ++d) {
        if (digitMask & (1u << (d - 1))) {
            if (!text.empty())
                text += ',';
            text += static_cast<char>('0' + d);
        }
    }
    return text;
}
