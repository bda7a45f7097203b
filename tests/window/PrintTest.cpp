// Printing the board from the Options menu: to a PDF file, read back with poppler's tools.
#include "GenerationProgress.h"
#include "GuiTestSupport.h"
#include "PrintPuzzlesDlg.h"
#include "TestPuzzles.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

namespace {

const std::string kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

// The digits of a PDF's text, in reading order.
std::string PrintedDigits(const QString& pdf)
{
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!pdftotext.waitForFinished() || pdftotext.exitCode() != 0)
        return "pdftotext failed";
    std::string digits;
    for (const char c : pdftotext.readAllStandardOutput().toStdString()) {
        if (c >= '0' && c <= '9')
            digits += c;
    }
    return digits;
}

// The first page as a picture.
QImage PrintedPage(const QString& pdf, const QString& folder)
{
    const QString stem = folder + QStringLiteral("/page");
    QProcess::execute(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-singlefile"),
                       pdf, stem});
    return QImage(stem + QStringLiteral(".png"));
}

struct PageColours {
    int blue = 0;
    int shaded = 0;
    QRect inked;  // the smallest rectangle holding every non-white pixel
};

PageColours CountColours(const QImage& page)
{
    PageColours colours;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QColor pixel = page.pixelColor(x, y);
            if (pixel.blue() > 180 && pixel.red() < 90 && pixel.green() < 90)
                ++colours.blue;
            if (qAbs(pixel.red() - 220) < 6 && qAbs(pixel.green() - 217) < 6 && qAbs(pixel.blue() - 253) < 6)
                ++colours.shaded;
            if (pixel != QColor(Qt::white))
                colours.inked |= QRect(x, y, 1, 1);
        }
    }
    return colours;
}

std::string Digits(const std::string& board)
{
    std::string digits;
    for (const char c : board) {
        if (c >= '1' && c <= '9')
            digits += c;
    }
    return digits;
}

class PrintTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        prompts.printFile = folder.filePath(QStringLiteral("board.pdf"));
    }

    QTemporaryDir& folder = appFolder;
};

TEST_F(PrintTest, PrintsTheGridAsTypedBeforeAnySetSuDoku)
{
    TypePuzzle(Grid(), kPuzzle);
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Print));
    EXPECT_EQ(prompts.printRequests, 1);
    EXPECT_EQ(PrintedDigits(prompts.printFile), Digits(kPuzzle));
    EXPECT_TRUE(prompts.messages.empty());
    EXPECT_EQ(GridText(Grid()), kPuzzle) << "printing changes nothing";
}

TEST_F(PrintTest, PrintsTheSolutionWithItsColoursShadingAndLinesCentred)
{
    TypePuzzle(Grid(), kPuzzle);
    QTest::mouseClick(ButtonOf(*dialog, QStringLiteral("Set Su Doku")), Qt::LeftButton);
    QTest::mouseClick(ButtonOf(*dialog, QStringLiteral("Solve")), Qt::LeftButton);
    const std::string shown = GridText(Grid());
    ASSERT_TRUE(IsValidSolution(shown, kPuzzle));

    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Print));
    EXPECT_EQ(PrintedDigits(prompts.printFile), shown);

    const QImage page = PrintedPage(prompts.printFile, folder.path());
    ASSERT_FALSE(page.isNull());
    const PageColours colours = CountColours(page);
    EXPECT_GT(colours.blue, 0) << "the solver's digits are blue";
    EXPECT_GT(colours.shaded, 0) << "the corner and centre squares are shaded";
    // Scaled to the page's width and centred on it.
    EXPECT_GT(colours.inked.width(), page.width() * 3 / 4);
    EXPECT_NEAR(colours.inked.center().x(), page.width() / 2, page.width() / 20);
    EXPECT_NEAR(colours.inked.center().y(), page.height() / 2, page.height() / 20);
}

TEST_F(PrintTest, PrintOptionsTurnedOffPrintPlainDigits)
{
    TypePuzzle(Grid(), kPuzzle);
    Grid().SetRow(1);
    Grid().SetCol(3);
    Grid().SetFoundBySolver(true);
    Grid().SetText(QStringLiteral("4"));
    Grid().SetPrintOptions(false, false, false);
    Grid().PrintCells();
    const PageColours colours = CountColours(PrintedPage(prompts.printFile, folder.path()));
    EXPECT_EQ(colours.blue, 0);
    EXPECT_EQ(colours.shaded, 0);
}

TEST_F(PrintTest, ACancelledPrintDialogPrintsNothing)
{
    prompts.acceptPrint = false;
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Print));
    EXPECT_EQ(prompts.printRequests, 1);
    EXPECT_FALSE(QFile::exists(prompts.printFile));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PrintTest, APrinterThatCannotBeOpenedIsReported)
{
    prompts.printFile = folder.filePath(QStringLiteral("no such folder/board.pdf"));
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Print));
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0].caption, QStringLiteral("Vantrel Orvandel"));
    EXPECT_EQ(prompts.messages[0].text, QStringLiteral("The board could not be printed."));
}

TEST_F(PrintTest, APrintThatCannotBeWrittenToTheEndIsReportedAndKeepsTheOldFile)
{
    TypePuzzle(Grid(), kPuzzle);
    prompts.printFile = QStringLiteral("/dev/full");
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Print));
    // A file size limit stops the document part-way, as a full disk does.
    QFile old(folder.filePath(QStringLiteral("old.pdf")));
    ASSERT_TRUE(old.open(QIODevice::ReadWrite) && old.write("old") == 3 && old.flush());
    prompts.printFile = old.fileName();
    struct rlimit saved {};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const struct rlimit limited = {2000, saved.rlim_max};
    const auto handler = std::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limited);
    ChooseOption(*dialog, OptionsAction::Print);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, handler);
    const QString text = QStringLiteral("The board could not be printed to %1: %2.");
    ASSERT_EQ(prompts.messages.size(), 2);
    EXPECT_EQ(prompts.messages[0].text, text.arg("/dev/full", "No space left on device"));
    EXPECT_EQ(prompts.messages[1].text, text.arg(old.fileName(), "the document could not be completed"));
    EXPECT_TRUE(old.seek(0));
    EXPECT_EQ(old.readAll(), QByteArray("old"));
}

TEST_F(PrintTest, PrintPuzzlesToAFullDiskIsReported)
{
    prompts.printFile = QStringLiteral("/dev/full");
    WithModalWindow([&] { ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::PrintPuzzles)); },
                    [](QWidget* window) {
                        window->findChild<QSpinBox*>(QStringLiteral("Count"))->setValue(1);
                        window->findChild<QComboBox*>(QStringLiteral("Rating"))->setCurrentIndex(0);
                        qobject_cast<QDialog*>(window)->accept();
                    });
    EXPECT_EQ(prompts.messages.size(), 1);
    EXPECT_EQ(prompts.messages.value(0).text,
              QStringLiteral("The puzzles could not be printed to /dev/full: No space left on device."));
}

TEST_F(PrintTest, PrintsTheCandidatesWhenTheyAreShown)
{
    TypePuzzle(Grid(), kPuzzle);
    PressKeysInGrid(*dialog, Qt::Key_K, Qt::ControlModifier);
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Print));
    PressKeysInGrid(*dialog, Qt::Key_K, Qt::ControlModifier);  // as the other tests expect it
    const std::string printed = PrintedDigits(prompts.printFile);
    EXPECT_GT(printed.size(), Digits(kPuzzle).size() + 100) << "the empty cells' candidates are printed";
}

TEST(PrintPuzzlesChoice, StartsWithTheChoiceGivenAndItsProgressShowsItsTitle)
{
    const PrintPuzzlesChoice given{7, Difficulty::Hard};
    EXPECT_EQ(CPrintPuzzlesDlg(given).Choice(), given);
    CPrintPuzzlesDlg choice(given);
    choice.findChild<QComboBox*>(QStringLiteral("Rating"))->setCurrentIndex(1);
    EXPECT_EQ(choice.Choice(), (PrintPuzzlesChoice{7, Difficulty::Mild}));
    const std::unique_ptr<QProgressDialog> progress = MakeGenerationProgress(nullptr, 7);
    const QFontMetrics title(QFont(progress->font().family(), progress->font().pointSize(), QFont::Bold));
    progress->show();  // beside the title, a title bar's icon, three buttons and gaps, each over a line wide
    EXPECT_GE(progress->width(), title.horizontalAdvance(progress->windowTitle()) + 7 * title.height());
}

TEST_F(PrintTest, PrintPuzzlesPutsFourToAPageAndTheSolutionsLast)
{
    WithModalWindow([&] { ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::PrintPuzzles)); },
                    [](QWidget* window) {
                        window->findChild<QSpinBox*>(QStringLiteral("Count"))->setValue(5);
                        window->findChild<QComboBox*>(QStringLiteral("Rating"))->setCurrentIndex(0);
                        qobject_cast<QDialog*>(window)->accept();
                    });
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"), {prompts.printFile, QStringLiteral("-")});
    ASSERT_TRUE(pdftotext.waitForFinished());
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    EXPECT_TRUE(text.contains(QStringLiteral("Puzzle 5 (Easy)"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("Solution 5")));
    EXPECT_EQ(text.count(QChar(u'\f')), 3) << "two pages of puzzles, one of solutions";
}

}  // namespace
