#include "StepText.h"

#include <charconv>
#include <cstddef>
#include <cstring>

namespace {

// What must go somewhere: "digit 5", or for a digit set "one of digits 1,5,9" (a mask's digits
// in ascending order, separated by commas).
struct OneDigit {
    int digit;
};
struct OneOfDigits {
    unsigned mask;
};

// A template's words: their length is known when compiled, so no terminator is looked for.
template <size_t N>
void Piece(char*& end, const char (&text)[N])
{
    std::memcpy(end, text, N - 1);
    end += N - 1;
}

void Piece(char*& end, char c)
{
    *end++ = c;
}

void Piece(char*& end, int value)
{
    // Nearly every number is a digit, a row or a column.
    if (value >= 0 && value <= 9) {
        *end++ = static_cast<char>('0' + value);
        return;
    }
    end = std::to_chars(end, end + 12, value).ptr;
}

void Piece(char*& end, OneDigit what)
{
    Piece(end, "digit ");
    Piece(end, what.digit);
}

void Piece(char*& end, OneOfDigits digits)
{
    Piece(end, "one of digits ");
    bool first = true;
    for (int d = 1; d <= 9; ++d) {
        if (digits.mask & (1u << (d - 1))) {
            if (!first)
                *end++ = ',';
            *end++ = static_cast<char>('0' + d);
            first = false;
        }
    }
}

// Writes the pieces in order, the template's words and its numbers, and returns the new end.
template <typename... Pieces>
char* Put(char* end, const Pieces&... pieces)
{
    (Piece(end, pieces), ...);
    return end;
}

// Where a unit's digit, or one of its digits, must go.
template <typename What>
char* PutMustGo(char* end, int unitKind, const What& what, int x, int y)
{
    switch (unitKind) {
    case 0:
        return Put(end, "In column x=", x + 1, ", ", what, " must go in row y=", y + 1, '.');
    case 1:
        return Put(end, "In row y=", y + 1, ", ", what, " must go in column x=", x + 1, '.');
    default:
        return Put(end, "In its square, ", what, " must go in cell (x=", x + 1, ", y=", y + 1, ").");
    }
}

}  // namespace

char* WriteDeterminedSentence(char* end, int x, int y, int digit)
{
    return Put(end, "Cell (x=", x + 1, ", y=", y + 1, ") now determined: can be nothing other than digit ", digit, '.');
}

char* WriteHiddenSingleSentence(char* end, int unitKind, int x, int y, int digit)
{
    return PutMustGo(end, unitKind, OneDigit{digit}, x, y);
}

char* WriteDigitSetSentence(char* end, int unitKind, unsigned digitMask, int x, int y)
{
    return PutMustGo(end, unitKind, OneOfDigits{digitMask}, x, y);
}

char* WriteGuessSentence(char* end, int x, int y, int digit, int guessLevel)
{
    return Put(end, "Guessing x=", x + 1, ", y=", y + 1, ", digit=", digit, ", recursion level=", guessLevel, '.');
}
