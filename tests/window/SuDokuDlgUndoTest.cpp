// Undo and redo in the main window: the keys walk the model's history, and a new puzzle from the
// menu goes onto it; what the history holds is the model's rule.
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>

namespace {

const std::string kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

class UndoTest : public MainWindowTest {
protected:
    void Keys(Qt::Key key, Qt::KeyboardModifiers modifiers) { PressKeysInGrid(*dialog, key, modifiers); }
    void Undo() { Keys(Qt::Key_Z, Qt::ControlModifier); }
    void RedoWithShift() { Keys(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); }
    void RedoWithY() { Keys(Qt::Key_Y, Qt::ControlModifier); }
    void Paste(const std::string& puzzle)
    {
        QGuiApplication::clipboard()->setText(QString::fromStdString(puzzle));
        Keys(Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(UndoTest, TheKeysWalkTheHistory)
{
    const std::string before = Shown();
    Paste(kPuzzle);
    const std::string pasted = Shown();
    ASSERT_NE(pasted, before);
    Undo();
    EXPECT_EQ(Shown(), before);
    RedoWithShift();
    EXPECT_EQ(Shown(), pasted);
    Undo();
    RedoWithY();
    EXPECT_EQ(Shown(), pasted);
}

TEST_F(UndoTest, ANewPuzzleGoesIntoTheGridAsTypedAndUndoTakesItBack)
{
    ClickCell(Grid(), 1, 1);
    const std::string before = Shown();
    // Options, then the first item (the New Puzzle menu), its first rating (Easy), with the keys.
    QTimer::singleShot(0, [] {
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Right);
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Return);
    });
    QTest::mouseClick(ButtonOf(*dialog, QStringLiteral("Options")), Qt::LeftButton);
    const std::string puzzle = GridText(Grid());
    EXPECT_GE(81 - std::count(puzzle.begin(), puzzle.end(), '.'), 17) << puzzle;
    EXPECT_TRUE(InEditState());
    Undo();
    EXPECT_EQ(Shown(), before);
    RedoWithY();
    EXPECT_EQ(GridText(Grid()), puzzle);
    Press(QStringLiteral("Set Su Doku"));
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Unique")), QStringLiteral("YES"));
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Rating")), QStringLiteral("Easy"));
}

}  // namespace
