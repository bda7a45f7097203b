// The keys of a collection reach the model, the title says where the board is, and the person is
// asked before their digits are lost.
#include "GuiTestSupport.h"
#include "ModalWatcher.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <QLocale>
#include <QSpinBox>
#include <QTest>

namespace {

using CollectionWindowTest = MainWindowTest;

TEST_F(CollectionWindowTest, KeysMoveThroughTheFileAndTheTitleSaysWhere)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const std::vector<std::string> puzzles = ReadPuzzleFile("magictour_top1465.txt");
    ASSERT_TRUE(dialog->OpenBoardFile(QStringLiteral(ORVANDEL_TEST_DATA "/magictour_top1465.txt")));
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Vantrel Orvandel - Puzzle 1 of 1,465"));
    prompts.numberAnswer = 1465;
    for (const auto& [key, number] : {std::pair{Qt::Key_PageDown, 2}, {Qt::Key_PageUp, 1}, {Qt::Key_G, 1465}}) {
        PressKeysInGrid(*dialog, key, Qt::ControlModifier);
        EXPECT_EQ(GridText(Grid()), puzzles[number - 1]) << key;
    }
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Vantrel Orvandel - Puzzle 1,465 of 1,465"));
    ASSERT_EQ(prompts.numberQuestions.size(), 1);
    EXPECT_EQ(prompts.numberQuestions[0].value, 1) << "it offers the puzzle on show";
    EXPECT_EQ(prompts.numberQuestions[0].maximum, 1465);

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TypeInCell(Grid(), 1, 1, Qt::Key_5, Qt::KeypadModifier);
    prompts.answers = {QMessageBox::No, QMessageBox::Yes};
    PressKeysInGrid(*dialog, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Vantrel Orvandel - Puzzle 1.465 of 1.465")) << "not moved";
    PressKeysInGrid(*dialog, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Vantrel Orvandel - Puzzle 1.464 of 1.465"));
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Go to puzzle 1.464? The puzzle on the board will be lost."));
    prompts.numberAnswer = 1466;
    PressKeysInGrid(*dialog, Qt::Key_G, Qt::ControlModifier);
    EXPECT_EQ(prompts.messages.constLast().text, QStringLiteral("There is no puzzle 1.466 here: this collection holds puzzles 1 to 1.465."));
    QLocale::setDefault(QLocale::c());
    UserPrompts::Install(nullptr);  // the desktop's field, its number selected, reads one past the range whole
    ModalWatcher watcher;
    watcher.beforeClosing = [](QDialog& question) {
        return QTest::keyClicks(question.findChild<QSpinBox*>(), QStringLiteral("1466")), question.accept(), true;
    };
    EXPECT_EQ(UserPrompts::Current().GetNumber(dialog.get(), prompts.numberQuestions.constLast()), 1466);
    UserPrompts::Install(&prompts);
}

TEST_F(CollectionWindowTest, TheTitleNamesNoPuzzleTheFileLostAndANulByteIsTold)
{
    const std::vector<std::string> puzzles = ReadPuzzleFile("magictour_top95.txt");
    const QByteArray first = QByteArray::fromStdString(puzzles[0] + "\n"), second = QByteArray::fromStdString(puzzles[1]);
    ASSERT_TRUE(dialog->OpenBoardFile(WriteSavedGame(QStringLiteral("two.txt"), first + second)));
    PressKeysInGrid(*dialog, Qt::Key_PageDown, Qt::ControlModifier);
    const QString file = WriteSavedGame(QStringLiteral("two.txt"), first + QByteArray("5\0\n", 3) + second);  // puzzle 2 now past the text
    PressKeysInGrid(*dialog, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Vantrel Orvandel"));
    EXPECT_TRUE(prompts.messages.constLast().text.endsWith(QStringLiteral(" Line 2 holds a NUL byte; this is not a text file, so reading stopped there.")));
    ASSERT_TRUE(dialog->OpenBoardFile(file));
    EXPECT_EQ(prompts.messages.constLast().text, QStringLiteral("The file %1 holds a NUL byte in line 2; this is not a text file, so "
                                                                "reading stopped there. Puzzles read before it: 1.").arg(file));
}

}  // namespace
