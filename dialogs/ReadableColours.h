// Text colours that stay readable on their background in light and dark palettes alike: the
// contrast ratio of the Web Content Accessibility Guidelines, and a colour's nearest shade that
// reaches a ratio.
#pragma once

#include <QColor>

class QTextDocument;

// The least contrast ratio of ordinary text to its background, 4.5:1.
constexpr double kReadableContrast = 4.5;

// (L1 + 0.05) / (L2 + 0.05) of the relative luminances of two opaque colours, lighter over darker:
// 1 for equal colours, 21 for black and white.
double ContrastRatio(const QColor& a, const QColor& b);

// The colour unchanged when it reaches the ratio on the background; otherwise its shade nearest to
// it that does, mixed towards white on a dark background and towards black on a light one (or the
// other way where that way cannot reach the ratio), so that a blue stays a blue.
QColor ReadableOn(const QColor& colour, const QColor& background, double ratio = kReadableContrast);

// Gives every text of the document that carries a colour of its own the readable shade of that
// colour on the background; text in the palette's colour is left alone.
void MakeTextReadable(QTextDocument& document, const QColor& background);
