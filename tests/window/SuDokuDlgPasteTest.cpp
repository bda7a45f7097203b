// Puzzles as text in the main window: Paste and Copy through the real clipboard, and Open of text
// files from a temporary application folder.
#include "AppStartup.h"
#include "GuiTestSupport.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kCaption = QStringLiteral("Vantrel Orvandel");
const std::string kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
// Digits typed before a paste, so that a paste has something to replace or to leave alone.
const std::string kTyped =
    "1.......2...........................3...........................................4";

// The grid drawn as many sites print it: "| 5 3 . | . 7 . | . . . |" between "+-------+" rules.
std::string DrawnGrid(const std::string& puzzle)
{
    const std::string rule = "+-------+-------+-------+\n";
    std::string text = rule;
    for (size_t row = 0; row < 9; ++row) {
        for (size_t column = 0; column < 9; ++column) {
            if (column % 3 == 0)
                text += "| ";
            text += puzzle[row * 9 + column];
            text += ' ';
        }
        text += "|\n";
        if (row % 3 == 2)
            text += rule;
    }
    return text;
}

// The same grid with box-drawing strokes, no-break spaces between cells, fullwidth digits in the
// first row and a caption in Cyrillic, as copied from a word processor.
QString BoxDrawnGrid(const std::string& puzzle)
{
    QString text = QStringLiteral("Судоку № 12\n┌───────┬───────┬───────┐\n");
    for (size_t row = 0; row < 9; ++row) {
        for (size_t column = 0; column < 9; ++column) {
            if (column % 3 == 0)
                text += QStringLiteral("│\u00A0");
            const char cell = puzzle[row * 9 + column];
            if (row == 0 && cell != '.')
                text += QChar(0xFF10 + (cell - '0'));  // fullwidth digit
            else
                text += QChar::fromLatin1(cell == '.' ? '.' : cell);
            text += QChar(0x00A0);
        }
        text += QStringLiteral("│\n");
        if (row % 3 == 2 && row < 8)
            text += QStringLiteral("├───────┼───────┼───────┤\n");
    }
    return text + QStringLiteral("└───────┴───────┴───────┘\n");
}

class PuzzleTextTest : public MainWindowTest {
protected:
    static void PutOnClipboard(const QString& text) { QGuiApplication::clipboard()->setText(text); }
    static QString Clipboard() { return QGuiApplication::clipboard()->text(); }
    void PressKeys(Qt::Key key) { PressKeysInGrid(*dialog, key, Qt::ControlModifier); }
    void Paste(const QString& text)
    {
        PutOnClipboard(text);
        PressKeys(Qt::Key_V);
    }
    void ExpectAllDigitsBlack()
    {
        for (int cell = 0; cell < 81; ++cell) {
            if (!CellText(Grid(), cell % 9 + 1, cell / 9 + 1).isEmpty()) {
                EXPECT_EQ(CellColor(Grid(), cell % 9 + 1, cell / 9 + 1), QColor(Qt::black)) << cell;
            }
        }
    }
};

// How text is read is tested on the reader; here, that the clipboard's text reaches it whole.
TEST_F(PuzzleTextTest, PasteTakesTheClipboardsTextWhole)
{
    TypePuzzle(Grid(), kTyped);
    Paste(BoxDrawnGrid(kPuzzle));
    EXPECT_EQ(GridText(Grid()), kPuzzle);
    ExpectAllDigitsBlack();
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_TRUE(InEditState());
}

struct Refusal {
    const char* name;
    QString text;
    QString message;
};

TEST_F(PuzzleTextTest, PasteRefusesAnythingButOneBoardAndLeavesTheGrid)
{
    const QString puzzle = QString::fromStdString(kPuzzle);
    const Refusal refusals[] = {
        {"64 cells", puzzle.left(64), QStringLiteral("The clipboard holds 64 cells; a board needs 81.")},
        {"one cell", QStringLiteral("7"), QStringLiteral("The clipboard holds 1 cell; a board needs 81.")},
        {"two puzzles", puzzle + u'\n' + puzzle, QStringLiteral("The clipboard holds 162 cells; a board needs 81.")},
        {"empty clipboard", QString(), QStringLiteral("The clipboard holds no cells; a board needs 81.")},
    };
    TypePuzzle(Grid(), kTyped);
    const std::string before = Shown();
    for (const Refusal& refusal : refusals) {
        prompts.messages.clear();
        Paste(refusal.text);
        ASSERT_EQ(prompts.messages.size(), 1) << refusal.name;
        EXPECT_EQ(prompts.messages[0].text, refusal.message) << refusal.name;
        EXPECT_EQ(prompts.messages[0].caption, kCaption);
        EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Ok);
        EXPECT_EQ(prompts.messages[0].parent, dialog.get());
        EXPECT_EQ(Shown(), before) << refusal.name;
        EXPECT_TRUE(InEditState());
    }
}

TEST_F(PuzzleTextTest, PasteIsDisabledInTheSetState)
{
    SetPuzzle(kPuzzle);
    const std::string before = Shown();
    Paste(QStringLiteral("12"));
    EXPECT_FALSE(ChooseOption(*dialog, OptionsAction::Paste));
    EXPECT_EQ(Shown(), before);
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PuzzleTextTest, CopyPutsTheGridAsShownOnOneLine)
{
    TypePuzzle(Grid(), kTyped);
    PutOnClipboard(QStringLiteral("something else"));
    PressKeys(Qt::Key_C);
    EXPECT_EQ(Clipboard().toStdString(), kTyped);

    // In the set state too, and from the menu: the revealed solution is copied as shown.
    Paste(QString::fromStdString(kPuzzle));
    Press(QStringLiteral("Set Su Doku"));
    PressKeys(Qt::Key_C);
    EXPECT_EQ(Clipboard().toStdString(), kPuzzle);
    Press(QStringLiteral("Solve"));
    const std::string shown = GridText(Grid());
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Copy));
    EXPECT_EQ(Clipboard().toStdString(), shown);
    EXPECT_TRUE(IsValidSolution(shown, kPuzzle));
    EXPECT_EQ(GridText(Grid()), shown);  // copying changes nothing
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(PuzzleTextTest, OpenReadsTheFirstPuzzleOfATextFile)
{
    const struct {
        const char* name;
        QString file;
    } files[] = {
        {"drawn grid, capital suffix",
         WriteSavedGame(QStringLiteral("drawn.TXT"), QByteArray::fromStdString(DrawnGrid(kPuzzle)))},
    };
    for (const auto& file : files) {
        TypePuzzle(Grid(), kTyped);
        prompts.openFile = file.file;
        ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Open));
        EXPECT_EQ(GridText(Grid()), kPuzzle) << file.name;
        ExpectAllDigitsBlack();
        EXPECT_EQ(CellColor(Grid(), 3, 1), QColor(Qt::blue)) << "an empty cell, as after opening a saved board";
        EXPECT_TRUE(InEditState());
    }
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Solved")), QString());
}

TEST_F(PuzzleTextTest, OpenRefusesATextFileWithoutABoard)
{
    TypePuzzle(Grid(), kTyped);
    const std::string before = Shown();
    const QString shortFile = WriteSavedGame(QStringLiteral("short.txt"), QByteArray::fromStdString(kPuzzle.substr(0, 30)));
    prompts.openFile = shortFile;
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Open));
    ASSERT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("The file %1 holds 30 cells; a board needs 81.")
                                            .arg(QDir::toNativeSeparators(shortFile)));
    EXPECT_EQ(prompts.messages[0].caption, kCaption);
    EXPECT_EQ(prompts.messages[0].buttons, QMessageBox::Ok);
    EXPECT_EQ(Shown(), before);

    // A file that cannot be read stays silent, as a saved board does.
    prompts.messages.clear();
    EXPECT_FALSE(dialog->OpenBoardFile(appPath + QStringLiteral("Saved Games/missing.txt")));
    EXPECT_TRUE(prompts.messages.isEmpty());
    EXPECT_EQ(Shown(), before);
    EXPECT_TRUE(InEditState());
}

}  // namespace
