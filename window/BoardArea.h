// The board and the step bar under it, in whatever room the window gives them: the board as the
// largest square that leaves room for the bar (never smaller than its natural size), the bar right
// under it and as wide as the room, so that a wider window shows a longer sentence whole.
#pragma once

#include <QWidget>

class CSpreadSheet;

class CBoardArea : public QWidget {
public:
    // Takes both widgets in as its children; spacing is the gap between them in pixels.
    CBoardArea(CSpreadSheet& grid, QWidget& stepBar, int spacing, QWidget* parent);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    CSpreadSheet& m_grid;
    QWidget& m_stepBar;
    int m_spacing;
};
