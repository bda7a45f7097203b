// A technique step's chains drawn over the board: an arrow from candidate to candidate for each
// link, solid where it makes its candidate true (a strong link), dashed where it rules it out (a
// weak one); a ring round each candidate a chain starts from, solid where it is assumed true;
// each branch of a forcing chain in a colour of its own.
#pragma once

#include "ChainPicture.h"

#include <QColor>

class QPainter;
class QRectF;

// How many branches have colours of their own; more take them again from the first.
constexpr int kChainColours = 6;
// The colour of a branch (from 0) on the light or the dark board, distinct from the other
// branches' and from the red of struck candidates, and visible on every tint a cell can have.
QColor ChainColour(int branch, bool dark);

// Draws the chain over `board`, the square of the 81 cells, with the candidates where DrawCell puts
// them; the cell with the focus frame (0..80, or -1 for none) keeps its candidates inside it.
void DrawChain(QPainter& painter, const QRectF& board, const ChainPicture& chain, bool dark, int focusCell);
