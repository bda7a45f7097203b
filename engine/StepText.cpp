#include "StepText.h"

#include <charconv>

namespace {

// The digits of a mask, listed as DigitText lists them.
struct DigitList {
    unsigned mask;
};

void Piece(std::string& out, std::string_view text)
{
    out += text;
}

void Piece(std::string& out, char c)
{
    out += c;
}

void Piece(std::string& out, int value)
{
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

template <typename Digits>
void AppendDigitSetWording(std::string& out, int unitKind, const Digits& digits, int x, int y)
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

// The sentence an Append function writes, as a string of its own.
template <typename Append>
std::string Sentence(const Append& append)
{
    std::string text;
    text.reserve(kSentenceCapacity);
    append(text);
    return text;
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

void AppendDigitSetSentence(std::string& out, int unitKind, std::string_view digitText, int x, int y)
{
    AppendDigitSetWording(out, unitKind, digitText, x, y);
}

void AppendDigitSetSentence(std::string& out, int unitKind, unsigned digitMask, int x, int y)
{
    AppendDigitSetWording(out, unitKind, DigitList{digitMask}, x, y);
}

void AppendGuessSentence(std::string& out, int x, int y, int digit, int guessLevel)
{
    Put(out, "Guessing x=", x + 1, ", y=", y + 1, ", digit=", digit, ", recursion level=", guessLevel, '.');
}

std::string DeterminedSentence(int x, int y, int digit)
{
    return Sentence([&](std::string& out) { AppendDeterminedSentence(out, x, y, digit); });
}

std::string HiddenSingleSentence(int unitKind, int x, int y, int digit)
{
    return Sentence([&](std::string& out) { AppendHiddenSingleSentence(out, unitKind, x, y, digit); });
}

std::string DigitSetSentence(int unitKind, const std::string& digitText, int x, int y)
{
    return Sentence([&](std::string& out) { AppendDigitSetSentence(out, unitKind, std::string_view(digitText), x, y); });
}

std::string GuessSentence(int x, int y, int digit, int guessLevel)
{
    return Sentence([&](std::string& out) { AppendGuessSentence(out, x, y, digit, guessLevel); });
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

std::string DigitText(unsigned digitMask)
{
    return Sentence([&](std::string& out) { AppendDigitText(out, digitMask); });
}
