// Cell colours keep the 0x00BBGGRR layout in which the board window names them.
#pragma once

#include <QColor>
#include <cstdint>

using OleColor = std::uint32_t;

constexpr OleColor kPersonColor = 0x000000;  // digits the person entered: black
constexpr OleColor kSolverColor = 0xFF0000;  // digits the program supplied: blue

// 0x00BBGGRR to a Qt colour; the top byte is ignored.
QColor OleColorToQColor(OleColor color);
// The reverse, for colours read back from the grid; transparency is dropped.
OleColor QColorToOleColor(const QColor& color);
