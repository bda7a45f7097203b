// The text a shown cell holds: a digit, or the placeholder "?" of an empty cell.
#pragma once

#include <string>

// -1 (empty) gives the placeholder "?"; any other value its decimal text ("7", "-2").
std::string ValueToText(int value);
// Exactly one character "1".."9" gives 1..9; everything else (empty text, "0", "?", "12") gives -1.
int TextToValue(const std::string& text);
