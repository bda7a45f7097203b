// Entering a puzzle in the main window with the mouse and the keyboard: each gesture reaches the
// model, whose rules (stepping, the set state's lock) are tested there.
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

// What a person can do to one cell.
enum class Action { Click, RightClick, DoubleClick, RightDoubleClick, Key };

struct Gesture {
    Action action;
    int key = 0;  // for the key actions
};

void Perform(CSpreadSheet& grid, const Gesture& gesture, int column, int row)
{
    switch (gesture.action) {
    case Action::Click: ClickCell(grid, column, row); break;
    case Action::RightClick: RightClickCell(grid, column, row); break;
    case Action::DoubleClick: DoubleClickCell(grid, column, row); break;
    case Action::RightDoubleClick: DoubleClickCell(grid, column, row, Qt::RightButton); break;
    case Action::Key: TypeInCell(grid, column, row, gesture.key); break;
    }
}

class CellEditingTest : public MainWindowTest {};

TEST_F(CellEditingTest, EachGestureReachesTheCell)
{
    // The stepping rules themselves are the model's; here each gesture of the grid reaches them.
    const struct {
        const char* name;
        std::vector<Gesture> gestures;
        QString after;
    } rows[] = {
        {"click", {{Action::Click}}, "1"},
        {"right click", {{Action::RightClick}}, "9"},
        {"double-click steps twice", {{Action::DoubleClick}}, "2"},
        {"quick right clicks all count", std::vector<Gesture>(2, {Action::RightDoubleClick}), "6"},
        {"digit key", {{Action::Key, Qt::Key_5}}, "5"},
        {"space empties", {{Action::Key, Qt::Key_5}, {Action::Key, Qt::Key_Space}}, ""},
    };
    for (const auto& row : rows) {
        TypeInCell(Grid(), 5, 6, Qt::Key_Space);
        for (const Gesture& gesture : row.gestures)
            Perform(Grid(), gesture, 5, 6);
        EXPECT_EQ(CellText(Grid(), 5, 6), row.after) << row.name;
        EXPECT_EQ(GridText(Grid()).substr(0, 49) + GridText(Grid()).substr(50),
                  std::string(80, '.')) << row.name << ": only the cell itself changes";
    }
}

TEST_F(CellEditingTest, ARightClickOfAnotherKindChangesNothing)
{
    TypeInCell(Grid(), 2, 2, Qt::Key_5);
    for (short kind : {1, 3, -1})
        emit Grid().RightClick(kind, 2, 2, 0, 0);
    EXPECT_EQ(CellText(Grid(), 2, 2), QStringLiteral("5"));
    emit Grid().RightClick(2, 2, 2, 0, 0);
    EXPECT_EQ(CellText(Grid(), 2, 2), QStringLiteral("4"));
}

TEST_F(CellEditingTest, KeysActOnTheCellWithTheFocus)
{
    ClickCell(Grid(), 1, 1);
    QTest::keyClick(&Grid(), Qt::Key_Right);
    QTest::keyClick(&Grid(), Qt::Key_Right);
    QTest::keyClick(&Grid(), Qt::Key_Down);
    QTest::keyClick(&Grid(), Qt::Key_8);
    EXPECT_EQ(CellText(Grid(), 3, 2), QStringLiteral("8"));
    EXPECT_EQ(CellText(Grid(), 1, 1), QStringLiteral("1"));
}

TEST_F(CellEditingTest, ARightClickInTheGridOpensNoMenu)
{
    QWidget* popup = nullptr;
    QTimer::singleShot(0, [&] {
        popup = QApplication::activePopupWidget();
        if (popup)
            popup->close();
    });
    RightClickCell(Grid(), 4, 4);
    QTest::qWait(1);
    EXPECT_EQ(popup, nullptr);
    EXPECT_EQ(CellText(Grid(), 4, 4), QStringLiteral("9"));
}

}  // namespace
