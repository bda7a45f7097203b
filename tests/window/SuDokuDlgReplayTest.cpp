// The reasoning on the board in the main window: the candidates toggle and its setting, the step
// bar and its keys, the hint, and the solve-logic window driving the replay. The rules are the
// model's and are tested there.
#include "GuiTestSupport.h"
#include "ProfileSettings.h"
#include "ReadableColours.h"
#include "SolveLogicDlg.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

namespace {

const std::string kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

class ReplayTest : public MainWindowTest {
protected:
    void Keys(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) { PressKeysInGrid(*dialog, key, modifiers); }
    QString StepField() { return dialog->findChild<QLabel*>(QStringLiteral("Step"))->text(); }
    QToolButton& StepButton(const char* name) { return *dialog->findChild<QToolButton*>(QString::fromLatin1(name)); }
    int Candidates(int row, int column) { return Grid().Picture()[static_cast<std::size_t>(row * 9 + column)].candidates; }
};

TEST_F(ReplayTest, CandidatesAreShownOnRequestAndTheChoiceIsRemembered)
{
    TypePuzzle(Grid(), kPuzzle);
    EXPECT_EQ(Candidates(0, 2), 0);
    Keys(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(Candidates(0, 2), 0b1011) << "row 1, column 3 can hold 1, 2 or 4; printing draws the same picture";
    EXPECT_EQ(Candidates(0, 0), 0) << "a cell with a digit shows the digit";
    ProfileSettings store;
    EXPECT_TRUE(Settings(store).ShowCandidates());
    {
        // A new window starts with the remembered choice.
        CSuDokuDlg again(appPath);
        EXPECT_EQ(GridOf(again).Picture()[2].candidates, 0x1FF) << "on the empty board from the start";
        again.OpenBoardFile(WriteSavedGame(QStringLiteral("board.sdf"), QByteArray::fromStdString(kPuzzle)));
        EXPECT_EQ(GridOf(again).Picture()[2].candidates, 0b1011);
    }

    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::ShowCandidates));
    EXPECT_EQ(Candidates(0, 2), 0);
    EXPECT_EQ(dialog->focusWidget(), &Grid()) << "the next digit typed goes to the board";
    ProfileSettings after;
    EXPECT_FALSE(Settings(after).ShowCandidates());
}

TEST_F(ReplayTest, TheStepBarTheKeysAndTheHintMoveThroughTheSolve)
{
    EXPECT_FALSE(StepButton("NextStep").isEnabled());
    SetPuzzle(kPuzzle);
    EXPECT_FALSE(StepButton("PreviousStep").isEnabled());
    EXPECT_EQ(StepField(), QString());

    Keys(Qt::Key_Right, Qt::ControlModifier);
    const QString first = StepField();
    EXPECT_FALSE(first.isEmpty());
    EXPECT_EQ(dialog->findChild<QLabel*>(QStringLiteral("Step"))->toolTip(), first);
    EXPECT_NE(GridText(Grid()), kPuzzle) << "the step's digit is shown";
    EXPECT_TRUE(StepButton("PreviousStep").isEnabled());

    Keys(Qt::Key_H);
    WaitForBackgroundWork(*dialog);
    EXPECT_TRUE(StepField().contains(QStringLiteral(": look at "))) << StepField().toStdString();
    const BoardPicture marked = Grid().Picture();
    EXPECT_TRUE(std::any_of(marked.begin(), marked.end(), [](const CellPicture& cell) { return cell.mark != CellMark::None; }));
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Hint));
    EXPECT_NE(StepField(), first);

    StepButton("PreviousStep").click();
    EXPECT_EQ(GridText(Grid()), kPuzzle);
    EXPECT_FALSE(ChooseOption(*dialog, OptionsAction::PreviousStep));
}

TEST_F(ReplayTest, APuzzleIsSetAtOnceAndItsHintAndDifficultyFollowWhenWorkedOut)
{
    TypePuzzle(Grid(), kPuzzle);
    // Clicked and triggered without handling events between, so the work cannot have come yet.
    ButtonOf(*dialog, QStringLiteral("Set Su Doku"))->click();
    const auto* rating = dialog->findChild<QLineEdit*>(QStringLiteral("Rating"));
    EXPECT_EQ(rating->toolTip(), QStringLiteral("Still working out the techniques."));
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Unique")), QStringLiteral("YES"));
    OptionAction(*dialog, OptionsAction::ShowSolveLogic)->trigger();
    const auto* techniques = dialog->findChild<CSolveLogicDlg*>()->findChild<QListWidget*>(QStringLiteral("Techniques"));
    ASSERT_EQ(techniques->count(), 1);
    EXPECT_EQ(techniques->item(0)->text(), rating->toolTip());
    OptionAction(*dialog, OptionsAction::Hint)->trigger();
    EXPECT_EQ(StepField(), QStringLiteral("Still working out the hint."));
    EXPECT_EQ(Grid().cursor().shape(), Qt::BusyCursor);

    WaitForBackgroundWork(*dialog);
    EXPECT_TRUE(StepField().contains(QStringLiteral(": look at "))) << StepField().toStdString();
    EXPECT_EQ(Grid().cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(rating->toolTip().startsWith(QStringLiteral("Difficulty "))) << rating->toolTip().toStdString();
    EXPECT_GT(techniques->count(), 2) << "the tab filled in";
}

TEST_F(ReplayTest, TheSolveLogicWindowFollowsTheReplayAndDrivesIt)
{
    SetPuzzle(kPuzzle);
    ASSERT_NE(SolveLogicLines(*dialog), QStringLiteral("not shown"));
    auto* lines = dialog->findChild<CSolveLogicDlg*>()->findChild<QListWidget*>(QStringLiteral("Logic"));
    EXPECT_TRUE(dialog->isEnabled()) << "the window is modeless";

    lines->setCurrentRow(4);
    EXPECT_TRUE(lines->item(4)->text().endsWith(StepField())) << "the board shows step 5";
    StepButton("NextStep").click();
    EXPECT_EQ(lines->currentRow(), 5);
    Press(QStringLiteral("Solve"));
    EXPECT_EQ(lines->currentRow(), lines->count() - 1);
    EXPECT_TRUE(lines->item(lines->count() - 1)->text().endsWith(StepField()) && !StepField().isEmpty());
}

TEST_F(ReplayTest, TheTechniquesTabWalksTheTechniquePath)
{
    SetPuzzle(kPuzzle);
    ASSERT_NE(SolveLogicLines(*dialog), QStringLiteral("not shown"));
    auto* logic = dialog->findChild<CSolveLogicDlg*>();
    auto* techniques = logic->findChild<QListWidget*>(QStringLiteral("Techniques"));
    ASSERT_GT(techniques->count(), 2);
    EXPECT_TRUE(techniques->item(0)->text().startsWith(QStringLiteral("1. (1."))) << "numbered, with its difficulty";

    logic->findChild<QTabWidget*>()->setCurrentIndex(CSolveLogicDlg::kTechniquesTab);
    Keys(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(techniques->currentRow(), 0);
    EXPECT_TRUE(techniques->item(0)->text().endsWith(StepField()) && !StepField().isEmpty());
    QApplication::setActiveWindow(logic);  // as a click in it does
    QTest::mouseClick(techniques->viewport(), Qt::LeftButton, {}, techniques->visualItemRect(techniques->item(2)).center());
    EXPECT_TRUE(techniques->item(2)->text().endsWith(StepField()));
    logic->findChild<QTabWidget*>()->setCurrentIndex(CSolveLogicDlg::kSolveLogicTab);
    Keys(Qt::Key_Right, Qt::ControlModifier);
    EXPECT_EQ(logic->findChild<QListWidget*>(QStringLiteral("Logic"))->currentRow(), 0) << "the replay follows the tab chosen";
    // Each tab keeps its place: the line the person clicked, on the list and on the board.
    logic->findChild<QTabWidget*>()->setCurrentIndex(CSolveLogicDlg::kTechniquesTab);
    EXPECT_EQ(techniques->currentRow(), 2);
    EXPECT_TRUE(techniques->item(2)->text().endsWith(StepField()));
}

int PixelsNear(const QImage& image, const QColor& colour)
{
    int count = 0;
    for (int at = 0; at < image.width() * image.height(); ++at) {
        const QColor pixel = image.pixelColor(at % image.width(), at / image.width());
        count += std::abs(pixel.red() - colour.red()) + std::abs(pixel.green() - colour.green()) + std::abs(pixel.blue() - colour.blue()) < 24;
    }
    return count;
}

TEST_F(ReplayTest, AChainStepIsDrawnOnTheBoardFromTheTechniquesTabAndTheHint)
{
    SetPuzzle("..3.7.948.....9.3......3.25.1.5.......23...7.8.4.2....2.5.6.38167..........8.....");  // step 17: three branches
    ASSERT_NE(SolveLogicLines(*dialog), QStringLiteral("not shown"));
    auto* logic = dialog->findChild<CSolveLogicDlg*>();
    logic->findChild<QTabWidget*>()->setCurrentIndex(CSolveLogicDlg::kTechniquesTab);
    logic->findChild<QListWidget*>(QStringLiteral("Techniques"))->setCurrentRow(16);
    ASSERT_TRUE(StepField().startsWith(QStringLiteral("Cell Forcing Chains"))) << StepField().toStdString();
    EXPECT_GT(PixelsNear(Grid().grab().toImage(), ChainColour(1, false)), 20) << "the second branch's arrow and ring";
    logic->findChild<QListWidget*>(QStringLiteral("Techniques"))->setCurrentRow(15);
    Keys(Qt::Key_H);
    WaitForBackgroundWork(*dialog);
    EXPECT_TRUE(Grid().Chain().starts.size() == 3 && Grid().Chain().arrows.empty()) << "first where the chains start";
    Keys(Qt::Key_H);
    EXPECT_FALSE(Grid().Chain().arrows.empty()) << "then every link";
}

TEST_F(ReplayTest, EveryBranchColourStandsOutOnEveryCellTintInBothPalettes)
{
    for (const bool dark : {false, true}) {
        for (CellPicture picture : {Grid().Picture()[0], Grid().Picture()[3]}) {  // shaded and not
            for (const CellMark mark : {CellMark::None, CellMark::Unit, CellMark::SetCell, CellMark::StepCell, CellMark::GuessCell}) {
                picture.mark = mark;
                for (int branch = 0; branch < kChainColours; ++branch)
                    EXPECT_GE(ContrastRatio(ChainColour(branch, dark), InkOf(dark ? ForDarkPalette(picture) : picture).background), 3.0)
                        << dark << ' ' << branch << ' ' << static_cast<int>(mark);
            }
        }
    }
}

}  // namespace
