// The board grid: a 9x9 table behind the few operations and four events the board window uses.
//
// Columns and rows are numbered 1..9. The addressed cell is the one chosen by the last SetRow and
// SetCol; GetText, SetText and SetFoundBySolver act on it, and operations on an address outside the
// board do nothing (GetText then reads empty). The active cell is the one with the focus, moved by
// the mouse and the arrow keys, and by Enter to the next cell (left to right, then down); it starts
// at row 1, column 1. The grid keeps Enter and Escape to itself. Its focus frame is dimmed while
// the grid does not have the keyboard focus. Under a dark palette the screen shows the board in
// dark colours; what it prints stays light.
//
// The person cannot type into a cell: the grid only reports clicks and keys, and the window's
// handlers decide what the cells show.
#pragma once

#include "CellText.h"
#include "ChainDrawing.h"
#include "GridDrawing.h"

#include <QTableWidget>

class CSpreadSheet : public QTableWidget {
    Q_OBJECT

public:
    explicit CSpreadSheet(QWidget* parent = nullptr);

    int GetActiveCol() const;  // 1..9
    int GetActiveRow() const;  // 1..9
    // The cell with the focus, numbered row by row from 0 as the model numbers cells.
    int ActiveCell() const;
    void SetCol(int column);
    void SetRow(int row);
    // Whether the addressed cell's digit was found by the solver (blue) or is the person's (black);
    // it stays until set again.
    void SetFoundBySolver(bool bySolver);
    // Whether the addressed cell's digit is one of the person's own, typed on a set puzzle (their
    // third colour); SetFoundBySolver takes it back.
    void SetOwnDigit(bool own);
    // Whether the addressed cell is framed red as not right.
    void SetWrongFrame(bool wrong);
    // Whether the addressed cell shows the highlighted digit, tinted.
    void SetDigitHighlight(bool highlighted);
    // Whether the addressed cell's own digit repeats one it sees (red), and whether its digit is
    // one that an own digit repeats (a dashed red frame).
    void SetClash(bool clashingDigit, bool repeated);
    // Exactly what was last written; empty for a cell never written.
    QString GetText() const;
    void SetText(const QString& text);
    // The small digits drawn in the addressed cell while it has no text: the person's marks in
    // their colour, the computed candidates grey; and how the cell is marked.
    void SetCandidates(const CandidateLayers& candidates);
    void SetMark(CellMark mark);
    // The candidates of the addressed cell that a step is shown with.
    void SetHighlight(const CandidateHighlight& highlight);
    // The chains drawn over the whole board, until set again.
    void SetChain(const ChainPicture& chain);
    const ChainPicture& Chain() const { return m_chain; }

    // What the next PrintCells puts on paper besides the digits.
    void SetPrintOptions(bool colors, bool gridLines, bool shading);
    // Asks for a printer through the print dialog, then prints the board as shown, centred and
    // scaled to the page. Tells the person when the printer cannot be opened.
    void PrintCells();

    // The 81 cells as they are shown: text, colours, candidates and marks.
    BoardPicture Picture() const;

    // The board's side at the cell font's own size, and the board made as large as fits in a square
    // of `side` pixels, never smaller than that: its digits and candidates grow with its cells.
    static int NaturalSide();
    void FitInto(int side);

signals:
    // A right press (kind 0), including the second press of a quick pair, which the window system
    // reports as a double-click; x and y are the position in the grid.
    void RightClick(short clickKind, int column, int row, int x, int y);
    // A left press and release on the same cell.
    void Click(int column, int row);
    // The second press of a left double-click; its release raises no Click.
    void DblClick(int column, int row);
    // The release of a digit 1..9 of the main keyboard or the keypad, or of Space (digit 0), while
    // the grid has the focus; other keys raise nothing.
    void DigitTyped(int digit);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    QTableWidgetItem* AddressedItem() const;
    void UpdateFrameColour();
    static void UpdateAccessibleText(QTableWidgetItem& cell);

    int m_cellSize;  // pixels, from the cell font or the room the window gives
    int m_nCol = 1;
    int m_nRow = 1;
    QModelIndex m_pressedCell;  // where the left button went down, for Click on release
    PrintOptions m_printOptions;
    ChainPicture m_chain;
};
