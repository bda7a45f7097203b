// Undo and redo in the main window: every kind of edit reaches the model's history and the keys walk
// it; where a history starts and ends is the model's rule.
#include "AppStartup.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>
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
    bool OpenFile(const QByteArray& bytes)
    {
        prompts.openFile = WriteSavedGame(QStringLiteral("board.sdf"), bytes);
        return ChooseOption(*dialog, "Open");
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
