// The Unique and Rating fields of the main window: what they show for puzzles with no, one and
// several solutions and of every rating, that counting leaves the solve untouched, when the
// fields are filled and emptied, and where Save As starts for each rating.
#include "AppStartup.h"
#include "CommandIds.h"
#include "GuiTestSupport.h"
#include "TestBoards.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <map>

namespace {

const QString kSeveralSolutionsNote =
    QStringLiteral("This puzzle has more than one solution; the steps below lead to one of them.");

const std::string kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// kPuzzle without its 8 in row 3, column 3, and two of its several solutions.
const std::string kGivenRemoved =
    "53..7....6..195....9.....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kFirstSolution =
    "534276918678195342192348567859761423426853791713924856961537284287419635345682179";
const std::string kSecondSolution =
    "534276918682195347197348562859761423426853791713924856961537284278419635345682179";
// kPuzzle's solution without four cells, two in row 4 and two in row 5 in two squares, that hold
// 1 and 4 crosswise: the two digits can swap places, so there are exactly two solutions.
const std::string kSwappableCorners =
    "53467891267219534819834256785976.42.42685.79.713924856961537284287419635345286179";
// No repeats, but the top-right cell can hold nothing: 1..8 are in its row and 9 below it.
const std::string kNoSolution =
    "12345678.........9...............................................................";

class VerdictTest : public MainWindowTest {
protected:
    QString Field(const char* name) { return FieldOf(*dialog, QString::fromLatin1(name)); }
    void ClearConfirmed()
    {
        prompts.answers = {QMessageBox::Yes};
        ASSERT_TRUE(ChooseOption(*dialog, kIdClearBoard));
    }
    QString SolveLogicText()
    {
        QString shown = QStringLiteral("not shown");
        WithModalWindow([&] { ASSERT_TRUE(ChooseOption(*dialog, kIdShowSolveLogic)); },
                        [&](QWidget* window) { shown = window->findChild<QPlainTextEdit*>()->toPlainText(); });
        return shown;
    }
    // Where a cancelled Save As started.
    QString SaveAsStart()
    {
        prompts.saveFile.clear();
        EXPECT_TRUE(ChooseOption(*dialog, kIdFileSaveAs));
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

struct CountCase {
    const char* name;
    std::string puzzle;
    const char* unique;
    bool several;
};

void PrintTo(const CountCase& c, std::ostream* out)
{
    *out << c.name;
}

class SolutionCountCase : public VerdictTest, public ::testing::WithParamInterface<CountCase> {};

TEST_P(SolutionCountCase, UniqueTellsAndTheSolveStaysAsWithoutTheCount)
{
    const CountCase& c = GetParam();
    CSuDokuBoard board = BoardFromText(c.puzzle);
    StepList steps;
    const bool solvable = board.Search(steps);
    std::string expectedBoard = BoardToText(board);
    std::replace(expectedBoard.begin(), expectedBoard.end(), '!', '#');  // "-2" is no single character
    QString expectedLogic = c.several ? kSeveralSolutionsNote + u'\n' : QString();
    for (const std::string& sentence : steps)
        expectedLogic += QString::fromStdString(sentence) + u'\n';

    SetPuzzle(c.puzzle);
    EXPECT_EQ(Field("Unique"), QString::fromLatin1(c.unique));
    EXPECT_EQ(Field("Solved"), solvable ? QStringLiteral("YES") : QStringLiteral("NO"));
    EXPECT_EQ(Field("Status"), board.IsConsistent() ? QStringLiteral("OK") : QStringLiteral("INCONSISTENT"));
    if (solvable) {
        EXPECT_EQ(GridText(Grid()), c.puzzle);  // the solution stays hidden
    }
    Press(QStringLiteral("Solve"));
    EXPECT_EQ(GridText(Grid()), expectedBoard);
    EXPECT_EQ(SolveLogicText(), expectedLogic);
}

INSTANTIATE_TEST_SUITE_P(
    Verdicts, SolutionCountCase,
    ::testing::Values(CountCase{"OneSolution", kPuzzle, "YES", false},
                      CountCase{"TwoSolutionsInASwappableRectangle", kSwappableCorners, "NO", true},
                      CountCase{"NoSolution", kNoSolution, "NO", false}),
    [](const ::testing::TestParamInfo<CountCase>& info) { return std::string(info.param.name); });

TEST_F(VerdictTest, WithSeveralSolutionsSolveShowsTheOneTheSolverFound)
{
    // The puzzle really has several solutions, whatever the window says.
    ASSERT_NE(kFirstSolution, kSecondSolution);
    ASSERT_TRUE(IsValidSolution(kFirstSolution, kGivenRemoved));
    ASSERT_TRUE(IsValidSolution(kSecondSolution, kGivenRemoved));

    SetPuzzle(kGivenRemoved);
    EXPECT_EQ(Field("Unique"), QStringLiteral("NO"));
    EXPECT_EQ(Field("Solved"), QStringLiteral("YES"));
    Press(QStringLiteral("Solve"));
    const std::string shown = GridText(Grid());
    EXPECT_TRUE(IsValidSolution(shown, kGivenRemoved)) << shown;

    // Solve Cell reveals the same solution, cell by cell.
    Grid().setCurrentCell(2, 0);
    Press(QStringLiteral("Solve Cell"));
    EXPECT_EQ(CellText(Grid(), 1, 3).toStdString(), shown.substr(18, 1));
}

TEST_F(VerdictTest, TheFieldsFollowTheSetPuzzleAndAClearEmptiesThem)
{
    // A refused puzzle leaves them as they were.
    SetPuzzle("55" + std::string(79, '.'));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(Field("Unique"), QString());
    EXPECT_EQ(Field("Rating"), QString());
    ClickCell(Grid(), 2, 1);  // 5 -> 6: consistent now
    Press(QStringLiteral("Set Su Doku"));
    EXPECT_EQ(Field("Unique"), QStringLiteral("NO"));
    ClearConfirmed();

    SetPuzzle(kPuzzle);
    EXPECT_EQ(Field("Unique"), QStringLiteral("YES"));
    EXPECT_EQ(Field("Rating"), QStringLiteral("Easy"));

    // Reset and a declined Clear keep the verdicts of the puzzle still set.
    prompts.answers = {QMessageBox::Yes};
    ASSERT_TRUE(ChooseOption(*dialog, kIdResetBoard));
    prompts.answers = {QMessageBox::No};
    ASSERT_TRUE(ChooseOption(*dialog, kIdClearBoard));
    EXPECT_EQ(Field("Unique"), QStringLiteral("YES"));
    EXPECT_EQ(Field("Rating"), QStringLiteral("Easy"));

    // A confirmed Clear empties them, while Status and Solved describe the empty board.
    ClearConfirmed();
    EXPECT_EQ(Field("Unique"), QString());
    EXPECT_EQ(Field("Rating"), QString());
    EXPECT_EQ(Field("Status"), QStringLiteral("OK"));
    EXPECT_EQ(Field("Solved"), QStringLiteral("NO"));

    // The next puzzle gets its own.
    SetPuzzle(kNoSolution);
    EXPECT_EQ(Field("Unique"), QStringLiteral("NO"));
    EXPECT_EQ(Field("Rating"), QString());
}

// Puzzles of the golden transcripts, by the rating their transcript calls for: three guesses or
// more (the final "level") RiverAzevod, one or two Hard; without guesses, Mild when a digit-set
// sentence ("one of digits") was needed, otherwise Easy.
std::map<QString, std::vector<std::string>> GoldenPuzzlesByRating(size_t perRating)
{
    QFile golden(QStringLiteral(ORVANDEL_TEST_DATA "/golden.jsonl"));
    std::map<QString, std::vector<std::string>> puzzles;
    if (!golden.open(QIODevice::ReadOnly))
        return puzzles;
    while (!golden.atEnd()) {
        const QJsonObject transcript = QJsonDocument::fromJson(golden.readLine()).object();
        if (transcript.value(QStringLiteral("result")).toString() != QStringLiteral("solved"))
            continue;
        const int level = transcript.value(QStringLiteral("level")).toInt();
        bool digitSets = false;
        for (const QJsonValue& step : transcript.value(QStringLiteral("steps")).toArray())
            digitSets = digitSets || step.toString().contains(QStringLiteral("one of digits"));
        const QString rating = level >= 3   ? QStringLiteral("RiverAzevod")
                               : level >= 1 ? QStringLiteral("Hard")
                               : digitSets  ? QStringLiteral("Mild")
                                            : QStringLiteral("Easy");
        std::vector<std::string>& ofRating = puzzles[rating];
        if (ofRating.size() < perRating)
            ofRating.push_back(transcript.value(QStringLiteral("puzzle")).toString().toStdString());
    }
    return puzzles;
}

TEST_F(VerdictTest, RatingFollowsWhatTheSolverNeededAndSaveAsStartsInItsFolder)
{
    const auto puzzles = GoldenPuzzlesByRating(1);
    ASSERT_EQ(puzzles.size(), 4u) << "the transcripts hold every rating";
    for (const auto& [rating, ofRating] : puzzles) {
        for (const std::string& puzzle : ofRating) {
            SetPuzzle(puzzle);
            EXPECT_EQ(Field("Rating"), rating) << puzzle;
            EXPECT_EQ(Field("Solved"), QStringLiteral("YES")) << puzzle;
            EXPECT_EQ(SaveAsStart(), appPath + QStringLiteral("Saved Games/") + rating + u'/') << puzzle;
            ClearConfirmed();
        }
    }
    for (const RecordingPrompts::Message& message : prompts.messages)
        EXPECT_EQ(message.text, QStringLiteral("Are you sure you want to clear the board?"));
}

}  // namespace
