#include "CellText.h"

std::string ValueToText(int value)
{
    if (value == -1)
        return "?";
    return std::to_string(value);
}

int TextToValue(const std::string& text)
{
    if (text.size() != 1)
        return -1;
    const int digit = static_cast<signed char>(text[0]) - '0';
    return (digit >= 1 && digit <= 9) ? digit : -1;
}

CandidateLayers CandidateLayersOf(std::uint16_t ownMarks, std::uint16_t candidates, std::uint16_t stepDigits,
                                  bool showCandidates)
{
    if (ownMarks != 0)
        return {ownMarks, static_cast<std::uint16_t>(stepDigits & ~ownMarks)};
    if (showCandidates || stepDigits != 0)
        return {0, static_cast<std::uint16_t>(candidates | stepDigits)};
    return {};
}
