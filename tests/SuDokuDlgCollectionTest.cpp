// The keys of a collection reach the model, the title says where the board is, and the person is
// asked before their digits are lost.
#include "GuiTestSupport.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <QLocale>

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
    QLocale::setDefault(QLocale::c());
}

}  // namespace
