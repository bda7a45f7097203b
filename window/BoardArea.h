// The board and the step bar under it, in whatever room the window gives them: the board as the
// largest square that leaves room for the bar (never smaller than its natural size), the bar right
// under it and as wide as the room, as high as its sentence needs at that width. A bar that
// needs another line takes it from a board larger than natural, else the window grows.
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
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int BarHeight(int width) const;
    void Arrange();

    CSpreadSheet& m_grid;
    QWidget& m_stepBar;
    int m_spacing;
};
