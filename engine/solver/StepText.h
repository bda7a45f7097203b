// The step sentences, formatted from their fixed English templates. Coordinates are given 0-based
// and printed 1-based; unit kind 0 is a column, 1 a row, anything else a square.
//
// Each writes the sentence into a caller's buffer, which needs kSentenceRoom characters free, and
// returns the sentence's end, so that a caller printing thousands of sentences gathers many of
// them before it copies them on.
#pragma once

#include <cstddef>

// Room for every sentence: the longest, a square's digit set of all nine digits, has 74
// characters, and a number beyond the board's (a guess level in the hundreds) adds a few.
inline constexpr size_t kSentenceRoom = 160;
// What a sentence of its own reserves: every sentence of a 9x9 board fits.
inline constexpr size_t kSentenceCapacity = 80;

char* WriteDeterminedSentence(char* end, int x, int y, int digit);
char* WriteHiddenSingleSentence(char* end, int unitKind, int x, int y, int digit);
// The set's digits are those of a 9-bit mask, ascending and separated by commas: "1,5,9".
char* WriteDigitSetSentence(char* end, int unitKind, unsigned digitMask, int x, int y);
char* WriteGuessSentence(char* end, int x, int y, int digit, int guessLevel);
