// The solve-logic window on its own: numbered sentences under the note, choosing a step, copying.
#include "SolveLogicDlg.h"

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
    return *dialog.findChild<QListWidget*>();
}

QStringList Sentences(int count)
{
    QStringList sentences;
    for (int sentence = 1; sentence <= count; ++sentence)
        sentences << QStringLiteral("In row y=%1, digit %2 must go in column x=3.").arg(sentence % 9 + 1).arg(sentence % 9 + 1);
    return sentences;
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
