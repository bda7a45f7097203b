// Where the solve-logic window goes beside the main window, as table rows: screen, main window,
// board, window size in; positions out.
#include "WindowPlacement.h"

#include <gtest/gtest.h>

namespace {

TEST(WindowPlacement, BesideWhereThereIsRoomElseBelowNeverOverTheBoard)
{
    const QRect wide(0, 0, 1280, 800);
    const QSize logic(517, 456);
    const struct {
        const char* name;
        QRect screen;
        QRect owner;
        QSize size;
        QPoint window;
        QPoint owner_;  // where the main window ends up
    } rows[] = {
        {"room on the right", wide, {100, 100, 491, 423}, logic, {599, 100}, {100, 100}},
        {"room on the left only", wide, {700, 100, 491, 423}, logic, {175, 100}, {700, 100}},
        {"centred at 1280x800: the main window makes room", wide, {386, 169, 491, 423}, logic, {763, 169}, {264, 169}},
        {"kept on the screen vertically", wide, {100, 500, 491, 300}, logic, {599, 344}, {100, 500}},
        {"a second screen", {1280, 0, 1280, 800}, {1380, 100, 491, 423}, logic, {1879, 100}, {1380, 100}},
        {"a narrow screen: below", {0, 0, 800, 1200}, {150, 50, 491, 423}, logic, {150, 481}, {150, 50}},
        {"below once the main window moves up", {0, 0, 800, 1000}, {150, 400, 491, 423}, logic, {150, 544}, {150, 113}},
        {"no room anywhere: right of the board", {0, 0, 800, 600}, {0, 0, 491, 423}, logic, {384, 0}, {0, 0}},
    };
    for (const auto& row : rows) {
        const QRect board = QRect(10, 40, 366, 366).translated(row.owner.topLeft());
        const WindowPlacement place = PlaceBeside(row.screen, row.owner, board, row.size);
        EXPECT_EQ(place.window, row.window) << row.name;
        EXPECT_EQ(place.owner, row.owner_) << row.name;
        const QRect boardAfter = board.translated(place.owner - row.owner.topLeft());
        EXPECT_FALSE(QRect(place.window, row.size).intersects(boardAfter)) << row.name;
    }
}

}  // namespace
