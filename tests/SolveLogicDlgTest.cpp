// The solve-logic window on its own: one sentence a line, read-only, from the top.
#include "SolveLogicDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

namespace {

QPlainTextEdit& LogicText(CSolveLogicDlg& dialog)
{
    return *dialog.findChild<QPlainTextEdit*>();
}

QString Sentences(int count)
{
    QString text;
    for (int sentence = 1; sentence <= count; ++sentence)
        text += QStringLiteral("In row y=%1, digit %2 must go in column x=3.\r\n").arg(sentence % 9 + 1).arg(sentence);
    return text;
}

TEST(SolveLogicDlgTest, ShowsEachSentenceOnItsOwnLineWithAnEmptyLastLine)
{
    CSolveLogicDlg dialog;
    dialog.m_strLogic = QStringLiteral("First.\r\nSecond, with 2,7.\r\nThird.\r\n");
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QPlainTextEdit& text = LogicText(dialog);
    EXPECT_EQ(text.toPlainText(), QStringLiteral("First.\nSecond, with 2,7.\nThird.\n"));
    EXPECT_EQ(text.blockCount(), 4);
    EXPECT_TRUE(text.isReadOnly());
    EXPECT_EQ(text.lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Show Su Doku Solve Logic"));
    ASSERT_NE(dialog.findChild<QLabel*>(), nullptr);
    EXPECT_EQ(dialog.findChild<QLabel*>()->text(), QStringLiteral("Solve Logic"));
}

TEST(SolveLogicDlgTest, AnEmptyListGivesAnEmptyWindow)
{
    CSolveLogicDlg dialog;
    dialog.show();
    EXPECT_EQ(LogicText(dialog).toPlainText(), QString());
}

TEST(SolveLogicDlgTest, HundredsOfSentencesAreAllThereAndShownFromTheTop)
{
    CSolveLogicDlg dialog;
    dialog.m_strLogic = Sentences(600);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QPlainTextEdit& text = LogicText(dialog);
    EXPECT_EQ(text.blockCount(), 601);
    EXPECT_EQ(text.verticalScrollBar()->value(), 0);
    EXPECT_GT(text.verticalScrollBar()->maximum(), 0) << "the text scrolls";
    EXPECT_EQ(text.textCursor().position(), 0);

    // Typing changes nothing.
    text.setFocus();
    QTest::keyClicks(&text, QStringLiteral("xyz"));
    QTest::keyClick(&text, Qt::Key_Delete);
    EXPECT_EQ(text.toPlainText(), QString(Sentences(600)).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

TEST(SolveLogicDlgTest, CtrlEndAndCtrlHomeGoToTheEndAndTheStart)
{
    CSolveLogicDlg dialog;
    dialog.m_strLogic = Sentences(600);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QApplication::setActiveWindow(&dialog);
    QPlainTextEdit& text = LogicText(dialog);
    text.setFocus();
    QTest::keyClick(&text, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(text.verticalScrollBar()->value(), text.verticalScrollBar()->maximum());
    QTest::keyClick(&text, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(text.verticalScrollBar()->value(), 0);
}

TEST(SolveLogicDlgTest, ExitAndEscapeCloseTheWindow)
{
    for (const bool useEscape : {false, true}) {
        CSolveLogicDlg dialog;
        dialog.m_strLogic = Sentences(3);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        if (useEscape)
            QTest::keyClick(&LogicText(dialog), Qt::Key_Escape);
        else
            QTest::mouseClick(dialog.findChild<QPushButton*>(), Qt::LeftButton);
        EXPECT_FALSE(dialog.isVisible());
    }
}

}  // namespace
