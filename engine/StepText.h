// The step sentences, formatted from their fixed English templates. Coordinates are given 0-based
// and printed 1-based; unit kind 0 is a column, 1 a row, anything else a square.
//
// Each writes the sentence at the end of a caller's buffer, so that a caller printing thousands of
// sentences allocates nothing per sentence.
#pragma once

#include <cstddef>
#include <string>

// Room for every sentence of a 9x9 board (the longest, a square's digit set of all nine digits,
// has 74 characters): reserving it makes a sentence of its own one allocation.
inline constexpr size_t kSentenceCapacity = 80;

void AppendDeterminedSentence(std::string& out, int x, int y, int digit);
void AppendHiddenSingleSentence(std::string& out, int unitKind, int x, int y, int digit);
// The set's digits are those of a 9-bit mask, listed as AppendDigitText lists them.
void AppendDigitSetSentence(std::string& out, int unitKind, unsigned digitMask, int x, int y);
void AppendGuessSentence(std::string& out, int x, int y, int digit, int guessLevel);

// The digits of a 9-bit mask (bit d - 1 for digit d), ascending and joined by commas: "1,5,9".
void AppendDigitText(std::string& out, unsigned digitMask);
