// The keys and menu commands of a collection reach the model, and the title says where the board is.
#include "GuiTestSupport.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <QLocale>

namespace {

class CollectionWindowTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        puzzles = ReadPuzzleFile("magictour_top1465.txt");
        ASSERT_TRUE(dialog->OpenBoardFile(QStringLiteral(ORVANDEL_TEST_DATA "/magictour_top1465.txt")));
    }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    std::vector<std::string> puzzles;
};

TEST_F(CollectionWindowTest, KeysMoveThroughTheFileAndTheTitleSaysWhere)
{
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Vantrel Orvandel - Puzzle 1 of 1,465"));
    EXPECT_TRUE(prompts.messages.isEmpty()) << "opening a collection asks nothing";
    const struct {
        const char* name;
        int key;
        std::size_t number;  // afterwards
    } rows[] = {{"Ctrl+PgDown", Qt::Key_PageDown, 2}, {"Ctrl+PgUp", Qt::Key_PageUp, 1}, {"Ctrl+G", Qt::Key_G, 1465}};
    prompts.numberAnswer = 1465;
    for (const auto& row : rows) {
        PressKeysInGrid(*dialog, row.key, Qt::ControlModifier);
        EXPECT_EQ(GridText(Grid()), puzzles[row.number - 1]) << row.name;
        EXPECT_EQ(dialog->windowTitle(),
                  QStringLiteral("Vantrel Orvandel - Puzzle %1 of 1,465").arg(QLocale().toString(qulonglong{row.number})))
            << row.name;
    }
    ASSERT_EQ(prompts.numberQuestions.size(), 1);
    EXPECT_EQ(prompts.numberQuestions[0].value, 1) << "it offers the puzzle on show";
    EXPECT_EQ(prompts.numberQuestions[0].maximum, 1465);
    EXPECT_FALSE(OptionEnabled(*dialog, "NextPuzzle"));

    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    PressKeysInGrid(*dialog, Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Vantrel Orvandel - Puzzle 1.464 of 1.465"));
}

TEST_F(CollectionWindowTest, APuzzleOfThePersonsIsLostOnlyWhenTheyAgree)
{
    const int empty = static_cast<int>(puzzles[0].find('.'));
    TypeInCell(Grid(), empty % 9 + 1, empty / 9 + 1, Qt::Key_5, Qt::KeypadModifier);
    const std::string typed = GridText(Grid());
    ASSERT_NE(typed, puzzles[0]) << "the keypad's digit reached the cell";
    prompts.answers = {QMessageBox::No};
    PressKeysInGrid(*dialog, Qt::Key_PageDown, Qt::ControlModifier);
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("Go to puzzle 2? The puzzle on the board will be lost."));
    EXPECT_EQ(GridText(Grid()), typed);
    prompts.answers = {QMessageBox::Yes};
    PressKeysInGrid(*dialog, Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(GridText(Grid()), puzzles[1]);
}

}  // namespace
