#include "StepText.h"

#include <charconv>
#include <cstddef>
#include <cstring>

namespace {

// The digits of a mask, listed as AppendDigitText lists them.
struct DigitList {
    unsigned mask;
};

// The pieces are written on the stack and the sentence appended at once, so the string's room is
// checked once a sentence instead of once a piece. The longest sentence is under 100 characters.
constexpr size_t kSentenceRoom = 160;

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

// The digits in ascending order, separated by commas.
void Piece(char*& end, DigitList digits)
{
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

// Appends the pieces in order: the template's words and its numbers.
template <typename... Pieces>
void Put(std::string& out, const Pieces&... pieces)
{
    char sentence[kSentenceRoom];
    char* end = sentence;
    (Piece(end, pieces), ...);
    out.append(sentence, static_cast<size_t>(end - sentence));  // the pointer-and-length form: no aliasing checks
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
    Put(out, DigitList{digitMask});
}
