// What a shown cell holds: its text, a digit or the placeholder "?" of an empty cell; or, while it
// has no digit, small digits in two layers, the person's own marks and the computed candidates.
#pragma once

#include <cstdint>
#include <string>

// -1 (empty) gives the placeholder "?"; any other value its decimal text ("7", "-2").
std::string ValueToText(int value);
// Exactly one character "1".."9" gives 1..9; everything else (empty text, "0", "?", "12") gives -1.
int TextToValue(const std::string& text);

// The small digits of a cell without a digit, bit d - 1 for digit d, each layer drawn in its own colour.
struct CandidateLayers {
    std::uint16_t own = 0;       // the person's own marks
    std::uint16_t computed = 0;  // candidates the board leaves

    bool operator==(const CandidateLayers&) const = default;
};
// The person's marks always show, and in their cell they stand for the candidates, which show
// elsewhere while showCandidates asks for them. A step or hint on show shows the digits it is
// about in a cell (stepDigits) whatever else does: among the cell's candidates where it has no
// marks, beside the marks where it has.
CandidateLayers CandidateLayersOf(std::uint16_t ownMarks, std::uint16_t candidates, std::uint16_t stepDigits,
                                  bool showCandidates);
