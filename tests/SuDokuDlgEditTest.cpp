// Entering a puzzle in the main window with the mouse and the keyboard, and the grid locked in
// the set state.
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

const QColor kBlack(Qt::black);

// What a person can do to one cell.
enum class Action { Click, RightClick, DoubleClick, RightDoubleClick, Key, KeypadKey };

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
    case Action::KeypadKey: TypeInCell(grid, column, row, gesture.key, Qt::KeypadModifier); break;
    }
}

class CellEditingTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dialog = ShowMainWindow();
        ASSERT_TRUE(dialog);
    }
    CSpreadSheet& Grid() { return GridOf(*dialog); }

    RecordingPrompts prompts;
    std::unique_ptr<CSuDokuDlg> dialog;
};

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
        {"key 0 does nothing", {{Action::Key, Qt::Key_6}, {Action::Key, Qt::Key_0}}, "6"},
        {"letter does nothing", {{Action::Key, Qt::Key_6}, {Action::Key, Qt::Key_A}}, "6"},
        {"keypad digit does nothing", {{Action::KeypadKey, Qt::Key_7}}, ""},
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

TEST_F(CellEditingTest, TheSetStateLocksEveryCell)
{
    const std::string puzzle =
        "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
    TypePuzzle(Grid(), puzzle);
    QTest::mouseClick(ButtonOf(*dialog, QStringLiteral("Set Su Doku")), Qt::LeftButton);
    ASSERT_FALSE(ButtonOf(*dialog, QStringLiteral("Set Su Doku"))->isEnabled());

    const std::string shown = GridText(Grid());
    EXPECT_EQ(shown, puzzle);
    for (const auto& [column, row] : {std::pair{1, 1}, {3, 1}, {9, 9}}) {
        ClickCell(Grid(), column, row);
        RightClickCell(Grid(), column, row);
        DoubleClickCell(Grid(), column, row);
        TypeInCell(Grid(), column, row, Qt::Key_4);
        TypeInCell(Grid(), column, row, Qt::Key_Space);
        emit Grid().RightClick(2, column, row, 0, 0);
    }
    EXPECT_EQ(GridText(Grid()), shown);
    EXPECT_EQ(CellColor(Grid(), 3, 1), kBlack) << "a cell's colour is kept too";
}

}  // namespace
