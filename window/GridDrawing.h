// How the board looks, shared by the grid on screen and the printed page: the checkerboard of
// shaded squares, the cell font, the digits and the lines between cells and squares.
#pragma once

#include "Puzzle.h"
#include "SolveReplay.h"

#include <QColor>
#include <QFont>
#include <QRectF>
#include <QString>

#include <array>
#include <cstdint>

class QPainter;
class QPalette;

// The candidates a step is shown with (bit d - 1 for digit d): those of its pattern on a tint,
// those it removes struck out in red, those it places on a green tint. They are drawn whether or
// not they are still candidates.
struct CandidateHighlight {
    std::uint16_t pattern = 0;
    std::uint16_t removed = 0;
    std::uint16_t placed = 0;

    bool operator==(const CandidateHighlight&) const = default;
};

// The person's own digits and marks, typed while the puzzle is set: neither the givens' black nor
// the solver's blue.
QColor OwnDigitColour();

struct CellPicture {
    QString text;
    QColor textColor;
    QColor background;
    std::uint16_t candidates = 0;  // drawn small in a cell without text; bit d - 1 for digit d
    CellMark mark = CellMark::None;  // a step's cells are tinted over the background
    QColor candidateColor = QColor(96, 96, 96);
    bool focusFrame = false;  // the cell has the focus frame: the candidates keep inside it
    CandidateHighlight highlight{};
    bool wrongFrame = false;  // a red frame: the person's digit or marks here are not right
    std::uint16_t ownMarks = 0;  // the person's own marks, drawn beside the candidates in their colour
    QColor ownMarkColor = OwnDigitColour();
    bool digitHighlight = false;  // shows the highlighted digit: tinted where no step's mark is
    bool clashingDigit = false;   // an own digit that repeats one it sees: red
    bool clashFrame = false;      // a digit that an own digit repeats: a dashed red frame
};
// The 81 cells row by row, element (row - 1) * 9 + (column - 1).
using BoardPicture = std::array<CellPicture, kCellCount>;

// What a print shows besides the digits themselves.
struct PrintOptions {
    bool colors = true;     // digits in their own colours rather than all black
    bool gridLines = true;  // the lines between cells and squares
    bool shading = true;    // the checkerboard of shaded squares
};

// Whether a palette is a dark one: its text fields are darker than middle grey.
bool IsDarkPalette(const QPalette& palette);
// The cell as the screen shows it under a dark palette: dark cells, the shaded squares a slightly
// lighter shade, the givens light grey, the solver's digits a light blue and the person's own a
// light green. The board itself keeps its light colours, which printing uses.
CellPicture ForDarkPalette(CellPicture picture);
// The lines between cells under a dark palette.
QColor DarkPaletteLineColor();

// The shading of the four corner squares and the centre square.
QColor ShadedSquareColor();
// True for cells (0-based) of the four corner squares and the centre square.
bool IsShadedCell(int row, int column);
// Times New Roman, bold, 18 points.
QFont CellFont();
// The share of a cell's side that the digits' height takes, so printing scales like the screen.
constexpr double kDigitHeightPerCell = 0.6;

// The colours a cell is drawn in: its background with its mark's tint over it (a lighter tint on a
// light cell, a darker one on a dark cell, so that every kind of digit keeps its own colour on it),
// and its text, candidates and own marks, each in the nearest shade of its colour that is readable
// on that background.
struct CellInk {
    QColor background;
    QColor text;
    QColor candidates;
    QColor ownMarks;
};
CellInk InkOf(const CellPicture& picture);
// The red of what is not right or clashes: a lighter one on a dark cell.
QColor AlertRed(const QColor& background);

// The frame that marks the cell with the focus: the line's centre and its width. It keeps clear of
// the lines between cells.
struct FocusFrame {
    QRectF centreLine;
    double width;
};
FocusFrame FocusFrameOf(const QRectF& cell);
// Where a cell's candidates are laid out: the whole cell, or what lies inside its focus frame, so
// that the frame never covers a digit.
QRectF CandidateArea(const QRectF& cell, bool focusFrame);
// The place of a digit's candidate (1 top left to 9 bottom right) within the cell's CandidateArea.
QRectF CandidatePlace(const QRectF& cell, bool focusFrame, int digit);

// Fills the cell with its background, tinted by its mark, and centres its text in it; a cell
// without text shows its candidates and own marks, 1 top left to 9 bottom right; all in the cell's ink.
void DrawCell(QPainter& painter, const QRectF& cell, const CellPicture& picture, const QFont& font);
// The small digits of a cell in a 3x3 layout within its CandidateArea: its candidates grey, its own
// marks in their colour, with the highlighted ones among them; their size follows the whole cell,
// the highlights' colours the background (lighter ones on a dark cell).
void DrawCandidates(QPainter& painter, const QRectF& cell, const CellPicture& picture, const CellInk& ink);
// Thin lines between cells, thick ones between squares; the outer border too when asked.
void DrawGridLines(QPainter& painter, const QRectF& board, double thinWidth, double thickWidth, bool withBorder,
                   const QColor& color = Qt::black);
// The whole board scaled into the square `board`.
void DrawBoard(QPainter& painter, const QRectF& board, const BoardPicture& cells, const PrintOptions& options);
