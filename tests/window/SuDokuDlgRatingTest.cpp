// The Unique and Rating fields of the main window: where they stand, that Set Su Doku fills them
// and Clear empties them, the note on several solutions, and where Save As starts.
#include "AppStartup.h"
#include "Engine.h"
#include "GuiTestSupport.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <QLineEdit>

#include <memory>


namespace {

const QString kSeveralSolutionsNote =
    QStringLiteral("This puzzle has more than one solution; the steps below lead to one of them.");

const std::string kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// kPuzzle without its 8 in row 3, column 3: it has several solutions.
const std::string kGivenRemoved =
    "53..7....6..195....9.....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

class VerdictTest : public MainWindowTest {
protected:
    QString Field(const char* name) { return FieldOf(*dialog, QString::fromLatin1(name)); }
    void ClearConfirmed()
    {
        prompts.answers = {QMessageBox::Yes};
        ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Clear));
    }
    QString SolveLogicText() { return SolveLogicLines(*dialog); }
    // Where a cancelled Save As started.
    QString SaveAsStart()
    {
        prompts.saveFile.clear();
        EXPECT_TRUE(ChooseOption(*dialog, OptionsAction::SaveAs));
        return prompts.fileDialogs.isEmpty() ? QString() : prompts.fileDialogs.last().settings.startPath;
    }
};

TEST_F(VerdictTest, UniqueAndRatingStandUnderSolvedInTheFieldsStyle)
{
    const auto* solved = dialog->findChild<QLineEdit*>(QStringLiteral("Solved"));
    const auto* unique = dialog->findChild<QLineEdit*>(QStringLiteral("Unique"));
    const auto* status = dialog->findChild<QLineEdit*>(QStringLiteral("Status"));
    const auto* rating = dialog->findChild<QLineEdit*>(QStringLiteral("Rating"));
    ASSERT_TRUE(solved && unique && status && rating);
    EXPECT_LT(solved->y(), unique->y());
    EXPECT_LT(unique->y(), status->y());
    EXPECT_LT(status->y(), rating->y());
    for (const QLineEdit* field : {unique, rating}) {
        EXPECT_TRUE(field->isReadOnly());
        EXPECT_EQ(field->alignment(), solved->alignment());
        EXPECT_EQ(field->x(), solved->x());
        EXPECT_EQ(field->width(), solved->width());
        EXPECT_EQ(field->text(), QString());
    }
    // Everything fits in the window.
    EXPECT_LE(rating->geometry().bottom(), dialog->height());
}

// The rules behind the fields are the model's and are tested there; here, that the window shows
// them and acts on them.
TEST_F(VerdictTest, SetSuDokuFillsTheFieldsAndSaveAsStartsInTheRatingsFolder)
{
    auto expected = std::make_unique<SolveOutcome>();
    SolvePuzzle(Puzzle::FromLine(kGivenRemoved), *expected);
    ASSERT_TRUE(expected->rating);
    const QString rating = QString::fromLatin1(DifficultyName(*expected->rating));

    SetPuzzle(kGivenRemoved);
    EXPECT_EQ(Field("Unique"), QStringLiteral("NO"));
    EXPECT_EQ(Field("Solved"), QStringLiteral("YES"));
    EXPECT_EQ(Field("Rating"), rating);
    EXPECT_TRUE(SolveLogicText().startsWith(kSeveralSolutionsNote + u'\n'));
    EXPECT_EQ(SaveAsStart(), appPath + QStringLiteral("Saved Games/") + rating + u'/');
    Press(QStringLiteral("Solve"));
    EXPECT_TRUE(IsValidSolution(GridText(Grid()), kGivenRemoved)) << GridText(Grid());

    ClearConfirmed();
    EXPECT_EQ(Field("Unique"), QString());
    EXPECT_EQ(Field("Rating"), QString());
    SetPuzzle(kPuzzle);
    EXPECT_EQ(Field("Unique"), QStringLiteral("YES"));
    EXPECT_FALSE(SolveLogicText().startsWith(kSeveralSolutionsNote));
}

}  // namespace
