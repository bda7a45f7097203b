// Undo and redo of the person's grid edits in the main window: clicks, right clicks,
// double-clicks, keys and pastes, the keys that walk the history, and where a history ends.
#include "AppStartup.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

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
    bool OpenFile(const QByteArray& bytes)
    {
        prompts.openFile = WriteSavedGame(QStringLiteral("board.sdf"), bytes);
        return ChooseOption(*dialog, kIdFileOpen);
    }
};

TEST_F(UndoTest, UndoAndRedoWalkBackAndForthThroughEveryKindOfEdit)
{
    // Start from an opened board, so that cells carry both colours.
    ASSERT_TRUE(OpenFile(QByteArray("12") + QByteArray(79, '?')));
    std::vector<std::string> states{Shown()};
    const std::vector<std::pair<const char*, std::function<void()>>> edits = {
        {"click", [&] { ClickCell(Grid(), 3, 1); }},
        {"right click", [&] { RightClickCell(Grid(), 4, 2); }},
        {"key", [&] { TypeInCell(Grid(), 5, 5, Qt::Key_7); }},
        {"space bar", [&] { TypeInCell(Grid(), 1, 1, Qt::Key_Space); }},
        {"paste", [&] { Paste(kPuzzle); }},
        {"click after paste", [&] { ClickCell(Grid(), 9, 9); }},
    };
    for (const auto& [name, edit] : edits) {
        edit();
        ASSERT_NE(Shown(), states.back()) << name;
        states.push_back(Shown());
    }
    ASSERT_EQ(GridText(Grid()).substr(0, 9), "53..7....");
    ASSERT_EQ(CellText(Grid(), 9, 9), QString());  // 9 stepped up to empty

    for (size_t step = states.size() - 1; step > 0; --step) {
        Undo();
        EXPECT_EQ(Shown(), states[step - 1]) << "undo to state " << step - 1;
    }
    Undo();  // nothing left to undo
    EXPECT_EQ(Shown(), states.front());

    for (size_t step = 1; step < states.size(); ++step) {
        if (step % 2 == 0)
            RedoWithShift();
        else
            RedoWithY();
        EXPECT_EQ(Shown(), states[step]) << "redo to state " << step;
    }
    RedoWithY();  // nothing left to redo
    EXPECT_EQ(Shown(), states.back());
    EXPECT_TRUE(InEditState());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(UndoTest, ADoubleClickIsUndoneOneStepAtATime)
{
    // The first press and release is a click, the second press the double-click: each steps the
    // digit up once, and each is a step of its own.
    DoubleClickCell(Grid(), 2, 2);
    ASSERT_EQ(CellText(Grid(), 2, 2), QStringLiteral("2"));
    Undo();
    EXPECT_EQ(CellText(Grid(), 2, 2), QStringLiteral("1"));
    Undo();
    EXPECT_EQ(CellText(Grid(), 2, 2), QString());
}

TEST_F(UndoTest, KeysThatChangeNothingLeaveNoStep)
{
    TypeInCell(Grid(), 1, 1, Qt::Key_5);
    TypeInCell(Grid(), 1, 1, Qt::Key_A);       // a letter
    TypeInCell(Grid(), 1, 1, Qt::Key_5);       // the same digit again
    TypeInCell(Grid(), 2, 1, Qt::Key_Space);   // an empty cell emptied
    TypeInCell(Grid(), 2, 1, Qt::Key_3, Qt::KeypadModifier);  // the keypad
    Undo();
    EXPECT_EQ(GridText(Grid()), std::string(81, '.'));
}

TEST_F(UndoTest, ANewEditAfterUndoDropsWhatCouldBeRedone)
{
    ClickCell(Grid(), 1, 1);
    ClickCell(Grid(), 2, 1);
    Undo();
    ClickCell(Grid(), 3, 1);
    RedoWithY();
    EXPECT_EQ(GridText(Grid()).substr(0, 3), "1.1");
    Undo();
    Undo();
    EXPECT_EQ(GridText(Grid()), std::string(81, '.'));
}

TEST_F(UndoTest, NothingIsUndoneInTheSetState)
{
    TypePuzzle(Grid(), kPuzzle);
    Press(QStringLiteral("Set Su Doku"));
    ASSERT_FALSE(InEditState());
    const std::string set = Shown();
    Undo();
    RedoWithY();
    EXPECT_EQ(Shown(), set);

    Press(QStringLiteral("Solve"));
    const std::string solved = Shown();
    Undo();
    EXPECT_EQ(Shown(), solved);
    EXPECT_FALSE(InEditState());
}

TEST_F(UndoTest, ARefusedSetSuDokuKeepsTheHistory)
{
    TypeInCell(Grid(), 1, 1, Qt::Key_4);
    TypeInCell(Grid(), 9, 1, Qt::Key_4);  // the same digit twice in a row
    Press(QStringLiteral("Set Su Doku"));
    ASSERT_EQ(prompts.messages.size(), 1);
    ASSERT_TRUE(InEditState());
    Undo();
    EXPECT_EQ(GridText(Grid()), "4" + std::string(80, '.'));
    Press(QStringLiteral("Set Su Doku"));
    EXPECT_FALSE(InEditState());
}

TEST_F(UndoTest, ClearAndOpenStartAFreshHistory)
{
    TypePuzzle(Grid(), kPuzzle);
    Press(QStringLiteral("Set Su Doku"));
    prompts.answers = {QMessageBox::Yes};
    ASSERT_TRUE(ChooseOption(*dialog, kIdClearBoard));
    ASSERT_TRUE(InEditState());
    const std::string cleared = Shown();
    Undo();
    RedoWithY();
    EXPECT_EQ(Shown(), cleared);

    ClickCell(Grid(), 5, 5);
    Paste(kPuzzle);
    ASSERT_TRUE(OpenFile(QByteArray(81, '?').replace(40, 1, "8")));
    const std::string opened = Shown();
    Undo();
    EXPECT_EQ(Shown(), opened);

    // A cancelled Open changes nothing, the history included.
    ClickCell(Grid(), 1, 1);
    prompts.openFile.clear();
    ASSERT_TRUE(ChooseOption(*dialog, kIdFileOpen));
    Undo();
    EXPECT_EQ(Shown(), opened);
}

}  // namespace
