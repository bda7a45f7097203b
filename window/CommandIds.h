// The numbers by which the items of the window's own system menu are known.
#pragma once

// Only the upper twelve bits of a system command identify it.
constexpr int kIdmAboutBox = 16;
constexpr int kScClose = 0xF060;
constexpr int kSystemCommandMask = 0xFFF0;
