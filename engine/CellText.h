// The text form of a cell value, shared by the window, the saved-board file and the command line.
#pragma once

#include <string>

// -1 (empty) gives the placeholder "?"; any other value its decimal text ("7", "-2").
std::string ValueToText(int value);
// Exactly one character "1".."9" gives 1..9; everything else (empty text, "0", "?", "12") gives -1.
int TextToValue(const std::string& text);
