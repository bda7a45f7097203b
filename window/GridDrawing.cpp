#include "GridDrawing.h"

#include "ReadableColours.h"

#include <QPainter>
#include <QPalette>
#include <QRectF>

namespace {

constexpr double kCandidateHeightPerCell = 0.24;
constexpr double kFocusFrameWidth = 3;
// From the cell's edge to the frame's line: clear of half a thick line between squares.
constexpr double kFocusFrameInset = 3.5;

// Translucent, so that the shading of the squares still shows through; light enough on a light
// cell for black, blue and green digits, dark enough on a dark cell for their light shades.
QColor MarkTint(CellMark mark, bool darkCell)
{
    switch (mark) {
    case CellMark::Unit: return darkCell ? QColor(110, 95, 0, 110) : QColor(255, 214, 0, 60);
    case CellMark::SetCell: return darkCell ? QColor(140, 70, 0, 140) : QColor(255, 180, 60, 120);
    case CellMark::StepCell: return darkCell ? QColor(0, 100, 30, 160) : QColor(120, 220, 120, 150);
    case CellMark::GuessCell: return darkCell ? QColor(160, 20, 30, 200) : QColor(255, 170, 170, 130);
    case CellMark::None: break;
    }
    return Qt::transparent;
}

// A step's mark wins over the highlighted digit, which shows in its cells' digits alone then.
QColor TintOf(const CellPicture& picture)
{
    const bool darkCell = picture.background.lightness() < 128;
    if (picture.mark == CellMark::None && picture.digitHighlight)
        return darkCell ? QColor(0, 90, 150, 130) : QColor(80, 200, 255, 90);
    return MarkTint(picture.mark, darkCell);
}

struct HighlightColours {
    QColor pattern;
    QColor placed;
    QColor ring;  // round a placed digit
    QColor removed;
};

// Tints under the digit, so that it stays readable in its own colour; on a dark cell darker tints
// and a lighter red.
HighlightColours HighlightColoursOn(const QColor& background)
{
    if (background.lightness() < 128)
        return {QColor(40, 90, 200), QColor(30, 120, 50), QColor(150, 240, 160), QColor(255, 120, 120)};
    return {QColor(150, 200, 255), QColor(140, 225, 150), QColor(0, 110, 20), QColor(215, 0, 0)};
}

}  // namespace

bool IsDarkPalette(const QPalette& palette)
{
    return palette.color(QPalette::Base).lightness() < 128;
}

CellPicture ForDarkPalette(CellPicture picture)
{
    picture.background = picture.background == ShadedSquareColor() ? QColor(58, 56, 84) : QColor(36, 36, 40);
    // The solver's digits are blue on the board, the person's own green; anything else is given.
    const QColor ownDigit(110, 220, 140);
    picture.textColor = picture.textColor == QColor(Qt::blue)    ? QColor(140, 190, 255)
                        : picture.textColor == OwnDigitColour() ? ownDigit
                                                                 : QColor(236, 236, 236);
    picture.candidateColor = QColor(170, 170, 170);
    picture.ownMarkColor = ownDigit;
    return picture;
}

QColor OwnDigitColour()
{
    return QColor(0, 100, 40);
}

QColor DarkPaletteLineColor()
{
    return QColor(200, 200, 200);
}

QColor ShadedSquareColor()
{
    return QColor(220, 217, 253);
}

bool IsShadedCell(int row, int column)
{
    // Squares 0, 2, 4, 6 and 8 (left to right, then top to bottom) are the corners and the centre.
    return ((row / 3) * 3 + column / 3) % 2 == 0;
}

QFont CellFont()
{
    QFont font(QStringLiteral("Times New Roman"), 18, QFont::Bold);
    font.setStyleHint(QFont::Serif);
    return font;
}

CellInk InkOf(const CellPicture& picture)
{
    const QColor tint = TintOf(picture);
    const double share = tint.alphaF();
    const auto mix = [share](int over, int under) { return qRound(over * share + under * (1.0 - share)); };
    const QColor background(mix(tint.red(), picture.background.red()), mix(tint.green(), picture.background.green()),
                            mix(tint.blue(), picture.background.blue()));
    const QColor text = picture.clashingDigit ? AlertRed(background) : picture.textColor;
    return {background, ReadableOn(text, background), ReadableOn(picture.candidateColor, background),
            ReadableOn(picture.ownMarkColor, background)};
}

QColor AlertRed(const QColor& background)
{
    return background.lightness() < 128 ? QColor(255, 110, 110) : QColor(215, 0, 0);
}

FocusFrame FocusFrameOf(const QRectF& cell)
{
    return {cell.adjusted(kFocusFrameInset, kFocusFrameInset, -kFocusFrameInset, -kFocusFrameInset), kFocusFrameWidth};
}

QRectF CandidateArea(const QRectF& cell, bool focusFrame)
{
    if (!focusFrame)
        return cell;
    const double inside = kFocusFrameInset + kFocusFrameWidth / 2;
    return cell.adjusted(inside, inside, -inside, -inside);
}

QRectF CandidatePlace(const QRectF& cell, bool focusFrame, int digit)
{
    const QRectF area = CandidateArea(cell, focusFrame);
    const double third = area.width() / 3.0;
    return {area.left() + (digit - 1) % 3 * third, area.top() + (digit - 1) / 3 * third, third, third};
}

void DrawCell(QPainter& painter, const QRectF& cell, const CellPicture& picture, const QFont& font)
{
    const CellInk ink = InkOf(picture);
    painter.fillRect(cell, ink.background);
    if (picture.wrongFrame || picture.clashFrame) {
        // Inside the focus frame's place, so that both show.
        const double width = qMax(1.0, cell.width() / 20.0);
        const double inset = width / 2 + 1;
        painter.setPen(QPen(AlertRed(ink.background), width, picture.wrongFrame ? Qt::SolidLine : Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(cell.adjusted(inset, inset, -inset, -inset));
    }
    if (picture.text.isEmpty()) {
        DrawCandidates(painter, cell, picture, ink);
        return;
    }
    painter.setFont(font);
    painter.setPen(ink.text);
    painter.drawText(cell, Qt::AlignCenter, picture.text);
}

void DrawCandidates(QPainter& painter, const QRectF& cell, const CellPicture& picture, const CellInk& ink)
{
    const CandidateHighlight& highlight = picture.highlight;
    const unsigned candidates = picture.candidates | picture.ownMarks | highlight.removed | highlight.placed;
    if (candidates == 0)
        return;
    const HighlightColours colours = HighlightColoursOn(ink.background);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(qMax(1, qRound(cell.height() * kCandidateHeightPerCell)));
    painter.setFont(font);
    const double third = CandidateArea(cell, picture.focusFrame).width() / 3.0;
    for (int digit = 1; digit <= 9; ++digit) {
        if ((candidates >> (digit - 1) & 1u) == 0)
            continue;
        const QRectF place = CandidatePlace(cell, picture.focusFrame, digit);
        const unsigned bit = 1u << (digit - 1);
        const bool removed = (highlight.removed & bit) != 0;
        const bool placed = (highlight.placed & bit) != 0;
        const QColor& color = (picture.ownMarks & bit) != 0 ? ink.ownMarks : ink.candidates;
        QColor under = ink.background;
        if ((highlight.pattern & bit) != 0 || placed) {
            // A placed digit gets a ring as well, to stand out on a cell tinted green.
            under = placed ? colours.placed : colours.pattern;
            painter.setPen(placed ? QPen(colours.ring, qMax(1.0, third * 0.08)) : QPen(Qt::NoPen));
            painter.setBrush(under);
            const double inset = third * 0.06;
            painter.drawEllipse(place.adjusted(inset, inset, -inset, -inset));
            painter.setBrush(Qt::NoBrush);
        }
        painter.setPen(ReadableOn(removed ? colours.removed : color, under));
        painter.drawText(place, Qt::AlignCenter, QString::number(digit));
        if (removed) {
            painter.setPen(QPen(colours.removed, qMax(1.0, third * 0.09)));
            const double margin = third * 0.18;
            painter.drawLine(place.bottomLeft() + QPointF(margin, -margin),
                             place.topRight() + QPointF(-margin, margin));
        }
    }
}

void DrawGridLines(QPainter& painter, const QRectF& board, double thinWidth, double thickWidth, bool withBorder,
                   const QColor& color)
{
    const double cell = board.width() / 9.0;
    const int first = withBorder ? 0 : 1;
    const int last = withBorder ? 9 : 8;
    for (int line = first; line <= last; ++line) {
        painter.setPen(QPen(color, line % 3 == 0 ? thickWidth : thinWidth, Qt::SolidLine, Qt::SquareCap));
        const double x = board.left() + line * cell;
        const double y = board.top() + line * cell;
        painter.drawLine(QPointF(x, board.top()), QPointF(x, board.bottom()));
        painter.drawLine(QPointF(board.left(), y), QPointF(board.right(), y));
    }
}

void DrawBoard(QPainter& painter, const QRectF& board, const BoardPicture& cells, const PrintOptions& options)
{
    const double cell = board.width() / 9.0;
    QFont font = CellFont();
    font.setPixelSize(qMax(1, qRound(cell * kDigitHeightPerCell)));
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            CellPicture picture = cells[static_cast<size_t>(row * 9 + column)];
            if (!options.colors)
                picture.textColor = picture.ownMarkColor = Qt::black;
            if (!options.shading)
                picture.background = Qt::white;
            DrawCell(painter, QRectF(board.left() + column * cell, board.top() + row * cell, cell, cell), picture, font);
        }
    }
    if (options.gridLines)
        DrawGridLines(painter, board, cell / 40.0, cell * 3.0 / 40.0, true);
}
