// The solve-logic window on its own: numbered sentences under the note, choosing a step, copying.
#include "SolveLogicDlg.h"
#include "WindowPlacement.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace {

QListWidget& Lines(CSolveLogicDlg& dialog)
{
    return *dialog.findChild<QListWidget*>(QStringLiteral("Logic"));
}

QStringList Sentences(int count)
{
    QStringList sentences;
    for (int sentence = 1; sentence <= count; ++sentence)
        sentences << QStringLiteral("In row y=%1, digit %2 must go in column x=3.").arg(sentence % 9 + 1).arg(sentence % 9 + 1);
    return sentences;
}

TEST(SolveLogicPlacement, BesideWhereThereIsRoomElseBelowNeverOverTheBoard)
{
    const std::tuple<QRect, QRect, QPoint, QPoint> rows[] = {  // screen, main window before; window, main window
        {{0, 0, 1280, 800}, {700, 500, 491, 300}, {175, 344}, {700, 500}},
        {{0, 0, 1280, 800}, {100, 100, 491, 423}, {599, 100}, {100, 100}},
        {{1280, 0, 1280, 800}, {1666, 169, 491, 423}, {2043, 169}, {1544, 169}},
        {{0, 0, 800, 1000}, {150, 400, 491, 423}, {150, 544}, {150, 113}},
        {{0, 0, 800, 600}, {0, 0, 491, 423}, {384, 0}, {0, 0}}};
    for (const auto& [screen, owner, window, ownerAfter] : rows) {
        const QRect board = QRect(10, 40, 366, 366).translated(owner.topLeft());
        const WindowPlacement place = PlaceBeside(screen, owner, board, QSize(517, 456));
        EXPECT_EQ(place.window, window);
        EXPECT_EQ(place.owner, ownerAfter);
        EXPECT_FALSE(QRect(place.window, QSize(517, 456)).intersects(board.translated(place.owner - owner.topLeft())));
    }
}

TEST(SolveLogicDlgTest, NumbersEachSentenceUnderTheNote)
{
    CSolveLogicDlg dialog;
    dialog.SetSteps(QStringLiteral("A note."), {QStringLiteral("First."), QStringLiteral("Second, with 2,7.")});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QListWidget& lines = Lines(dialog);
    ASSERT_EQ(lines.count(), 3);
    EXPECT_EQ(lines.item(0)->text(), QStringLiteral("A note."));
    EXPECT_EQ(lines.item(1)->text(), QStringLiteral("1. First."));
    EXPECT_EQ(lines.item(2)->text(), QStringLiteral("2. Second, with 2,7."));
    EXPECT_FALSE(lines.item(0)->flags() & Qt::ItemIsSelectable);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Show Su Doku Solve Logic"));
    EXPECT_EQ(dialog.findChild<QLabel*>()->text(), QStringLiteral("Solve Logic"));
}

TEST(SolveLogicDlgTest, ChoosingASentenceReportsItsStepAndSelectingOneReportsNothing)
{
    CSolveLogicDlg dialog;
    dialog.SetSteps(QStringLiteral("A note."), Sentences(600));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QSignalSpy chosen(&dialog, &CSolveLogicDlg::StepChosen);
    QListWidget& lines = Lines(dialog);
    EXPECT_EQ(lines.verticalScrollBar()->value(), 0);

    dialog.SelectStep(500);
    EXPECT_EQ(lines.currentRow(), 500);
    EXPECT_GT(lines.verticalScrollBar()->value(), 0) << "scrolled to the step";
    EXPECT_EQ(chosen.count(), 0);

    QApplication::setActiveWindow(&dialog);
    lines.setFocus();
    QTest::keyClick(&lines, Qt::Key_Down);
    ASSERT_EQ(chosen.count(), 1);
    EXPECT_EQ(chosen[0][0].toInt(), 501);

    // Copy takes the selected sentences without their numbers.
    QTest::keyClick(&lines, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(&lines, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), Sentences(502).mid(500).join(u'\n'));

    dialog.SelectStep(0);
    EXPECT_TRUE(lines.selectedItems().isEmpty());
    QTest::keyClick(&lines, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(lines.verticalScrollBar()->value(), lines.verticalScrollBar()->maximum());
}

TEST(SolveLogicDlgTest, ALongSentenceWrapsInsteadOfScrollingSideways)
{
    CSolveLogicDlg dialog;
    dialog.SetSteps(QString(), {Sentences(12).join(u' '), QStringLiteral("Short.")});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QListWidget& lines = Lines(dialog);
    EXPECT_LE(lines.visualItemRect(lines.item(0)).right(), lines.viewport()->width());
    EXPECT_GT(lines.visualItemRect(lines.item(0)).height(), 2 * lines.visualItemRect(lines.item(1)).height());
    EXPECT_EQ(lines.horizontalScrollBar()->maximum(), 0);
}

TEST(SolveLogicDlgTest, ExitAndEscapeCloseTheWindow)
{
    for (const bool useEscape : {false, true}) {
        CSolveLogicDlg dialog;
        dialog.SetSteps(QString(), Sentences(3));
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        if (useEscape)
            QTest::keyClick(&Lines(dialog), Qt::Key_Escape);
        else
            QTest::mouseClick(dialog.findChild<QPushButton*>(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    }
}

}  // namespace
