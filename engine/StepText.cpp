#include "StepText.h"

#include <charconv>
#include <cstddef>

namespace {

// The digits of a mask, listed as AppendDigitText lists them.
struct DigitList {
    unsigned mask;
};

// A template's words: their length is known when compiled, so no terminator is looked for.
template <size_t N>
void Piece(std::string& out, const char (&text)[N])
{
    out.append(text, N - 1);
}

void Piece(std::string& out, char c)
{
    out += c;
}

void Piece(std::string& out, int value)
{
    // Nearly every number is a digit, a row or a column.
    if (value >= 0 && value <= 9) {
        out += static_cast<char>('0' + value);
        return;
    }
    char digits[12];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

void Piece(std::string& out, DigitList digits)
{
    AppendDigitText(out, digits.mask);
}

// Appends the pieces in order: the template's words and its numbers.
template <typename... Pieces>
void Put(std::string& out, const Pieces&... pieces)
{
    (Piece(out, pieces), ...);
}

void AppendDigitSetWording(std::string& out, int unitKind, DigitList digits, int x, int y)
{
    switch (unitKind) {
    case 0:
        Put(out, "In column x=", x + 1, ", one of digits ", digits, " must go in row y=", y + 1, '.');
        break;
    case 1:
        Put(out, "In row y=", y + 1, ", one of digits ", digits, " must go in column x=", x + 1, '.');
        break;
    default:
        Put(out, "In its square, one of digits ", digits, " must go in cell (x=", x + 1, ", y=", y + 1, ").");
    }
}

}  // namespace

void AppendDeterminedSentence(std::string& out, int x, int y, int digit)
{
    Put(out, "Cell (x=", x + 1, ", y=", y + 1, ") now determined: can be nothing other than digit ", digit, '.');
}

void AppendHiddenSingleSentence(std::string& out, int unitKind, int x, int y, int digit)
{
    switch (unitKind) {
    case 0:
        Put(out, "In column x=", x + 1, ", digit ", digit, " must go in row y=", y + 1, '.');
        break;
    case 1:
        Put(out, "In row y=", y + 1, ", digit ", digit, " must go in column x=", x + 1, '.');
        break;
    default:
        Put(out, "In its square, digit ", digit, " must go in cell (x=", x + 1, ", y=", y + 1, ").");
    }
}

void AppendDigitSetSentence(std::string& out, int unitKind, unsigned digitMask, int x, int y)
{
    AppendDigitSetWording(out, unitKind, DigitList{digitMask}, x, y);
}

void AppendGuessSentence(std::string& out, int x, int y, int digit, int guessLevel)
{
    Put(out, "Guessing x=", x + 1, ", y=", y + 1, ", digit=", digit, ", recursion level=", guessLevel, '.');
}

void AppendDigitText(std::string& out, unsigned digitMask)
{
    bool first = true;
    for (int d = 1; d <= 9; ++d) {
        if (digitMask & (1u << (d - 1))) {
            if (!first)
                out += ',';
            out += static_cast<char>('0' + d);
            first = false;
        }
    }
}
