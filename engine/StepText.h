// The step sentences, formatted from their fixed English templates. Coordinates are given 0-based
// and printed 1-based; unit kind 0 is a column, 1 a row, anything else a square.
#pragma once

#include <string>

std::string DeterminedSentence(int x, int y, int digit);
std::string HiddenSingleSentence(int unitKind, int x, int y, int digit);
// digitText lists the digits of the set, e.g. "2,7".
std::string DigitSetSentence(int unitKind, const std::string& digitText, int x, int y);
std::string GuessSentence(int x, int y, int digit, int guessLevel);

// The digits of a 9-bit mask (bit d - 1 for digit d), ascending and joined by commas: "1,5,9".
std::string DigitText(unsigned digitMask);
