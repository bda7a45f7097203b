// The grid reports keys as Windows virtual-key codes, so that the board window's key rules read
// as numbers: main-keyboard digits 0x30..0x39, keypad digits 0x60..0x69, space 0x20, letters the
// codes of their capitals.
#pragma once

#include <Qt>
#include <optional>

// The virtual-key code of a Qt key, or nothing for a key the grid does not report.
std::optional<short> WindowsKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);
// Shift 1, Control 2, Alt 4, combined.
short WindowsShiftState(Qt::KeyboardModifiers modifiers);
