// The main window's buttons, fields and step bar show their texts whole, at the default font and a larger one:
// measured against the room the style leaves for the text, since a clipped text still compares equal.
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTest>

namespace {

const QStringList kVerdicts = {"YES", "NO", "OK", "INCONSISTENT", "Easy", "Mild", "Hard", "RiverAzevod"};
const std::string kInconsistentPuzzle = "12345678.........9" + std::string(63, '.');

int ButtonTextRoom(const QPushButton& button)
{
    QStyleOptionButton option;
    option.initFrom(&button);
    option.text = button.text();
    return button.style()->subElementRect(QStyle::SE_PushButtonContents, &option, &button).width();
}

int FieldTextRoom(const QLineEdit& field)
{
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
    const QRect contents = field.style()->subElementRect(QStyle::SE_LineEditContents, &option, &field);
    const QMargins margins = field.textMargins();
    return contents.width() - margins.left() - margins.right() - 2 * 2;  // the line edit's own margin
}

class TextFitTest : public ::testing::TestWithParam<double> {
protected:
    void SetUp() override
    {
        QFont larger = savedFont;
        larger.setPointSizeF(savedFont.pointSizeF() * GetParam());
        QApplication::setFont(larger);
        dialog = ShowMainWindow();
        ASSERT_TRUE(dialog);
    }
    void TearDown() override { QApplication::setFont(savedFont); }

    const QFont savedFont = QApplication::font();
    RecordingPrompts prompts;
    std::unique_ptr<CSuDokuDlg> dialog;
};

TEST_P(TextFitTest, EveryButtonAndFieldShowsItsWholeText)
{
    const QList<QPushButton*> buttons = dialog->findChildren<QPushButton*>();
    ASSERT_EQ(buttons.size(), 6);
    for (const QPushButton* button : buttons) {
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), ButtonTextRoom(*button))
            << button->text().toStdString();
    }
    for (const char* name : {"Solved", "Unique", "Status", "Rating"}) {
        const auto* field = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
        ASSERT_NE(field, nullptr) << name;
        for (const QString& verdict : kVerdicts)
            EXPECT_LE(field->fontMetrics().horizontalAdvance(verdict), FieldTextRoom(*field))
                << field->objectName().toStdString() << ": " << verdict.toStdString();
    }
}

TEST_P(TextFitTest, AFieldShowsTheStartOfItsText)
{
    TypePuzzle(GridOf(*dialog), kInconsistentPuzzle);
    QTest::mouseClick(ButtonOf(*dialog, QStringLiteral("Set Su Doku")), Qt::LeftButton);
    auto* status = dialog->findChild<QLineEdit*>(QStringLiteral("Status"));
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), QStringLiteral("INCONSISTENT"));
    EXPECT_EQ(status->cursorPosition(), 0);
}

TEST_P(TextFitTest, TheStepBarWrapsALongSentenceAndGrowsToShowItWhole)
{
    TypePuzzle(GridOf(*dialog), "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    QTest::mouseClick(ButtonOf(*dialog, QStringLiteral("Set Su Doku")), Qt::LeftButton);
    PressKeysInGrid(*dialog, Qt::Key_H, {});
    WaitForBackgroundWork(*dialog);
    PressKeysInGrid(*dialog, Qt::Key_H, {});  // the hint's whole sentence
    const auto* bar = dialog->findChild<QLabel*>(QStringLiteral("Step"));
    EXPECT_GE(bar->heightForWidth(bar->width()), 2 * bar->fontMetrics().lineSpacing()) << bar->text().toStdString();
    // The window's layout takes the bar's new height once it runs; the board stays above it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->height() >= bar->heightForWidth(bar->width()); }));
    EXPECT_GE(bar->mapTo(dialog.get(), QPoint()).y(), GridOf(*dialog).height());
}

INSTANTIATE_TEST_SUITE_P(MainWindow, TextFitTest, ::testing::Values(1.0, 1.5),
                         [](const auto& info) { return info.param == 1.0 ? "DefaultFont" : "LargerFont"; });

}  // namespace
