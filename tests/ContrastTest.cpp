// Every text the windows show stands out from its background by at least the readable contrast
// ratio, in a light and in a dark palette: the WCAG ratio of the colours the help document, the
// grid's cells and the widgets actually use.
#include "AboutDlg.h"
#include "GuiTestSupport.h"
#include "HelpDlg.h"
#include "ReadableColours.h"
#include "SolveLogicDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBlock>
#include <QTextEdit>

#include <algorithm>
#include <initializer_list>

namespace {

// A dark desktop theme's palette, as Qt's Fusion style shows it.
QPalette DarkPalette()
{
    QPalette dark;
    for (const auto& [role, colour] : std::initializer_list<std::pair<QPalette::ColorRole, QColor>>{
             {QPalette::Window, QColor(0x35, 0x35, 0x35)}, {QPalette::WindowText, QColor(0xF0, 0xF0, 0xF0)},
             {QPalette::Base, QColor(0x23, 0x23, 0x23)},   {QPalette::AlternateBase, QColor(0x35, 0x35, 0x35)},
             {QPalette::Text, QColor(0xF0, 0xF0, 0xF0)},   {QPalette::Button, QColor(0x35, 0x35, 0x35)},
             {QPalette::ButtonText, QColor(0xF0, 0xF0, 0xF0)}, {QPalette::Highlight, QColor(0x2A, 0x82, 0xDA)},
             {QPalette::HighlightedText, QColor(Qt::white)}})
        dark.setColor(role, colour);
    return dark;
}

class ContrastTest : public MainWindowTest {};

void ExpectReadableDocument(const QTextEdit& text, const std::string& where)
{
    const QColor background = text.palette().color(QPalette::Base);
    for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            const QColor colour = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                                   : text.palette().color(QPalette::Text);
            EXPECT_GE(ContrastRatio(colour, background), kReadableContrast)
                << where << ": " << fragment.fragment().text().left(40).toStdString();
        }
    }
}

TEST_F(ContrastTest, EveryTextOfTheHelpTheGridAndTheWindowsIsReadable)
{
    // Made before the palette changes, so the help also follows a change of theme.
    CHelpDlg english;
    CHelpDlg german(nullptr, QStringLiteral(":/res/help_de.rtf"));
    CAboutDlg about;
    CSolveLogicDlg logic;
    const std::initializer_list<QWidget*> windows = {dialog.get(), &english, &german, &about, &logic};
    SetPuzzle("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    Press(QStringLiteral("Solve Cell"));
    const struct {
        const char* name;
        QPalette palette;
    } rows[] = {{"light", QApplication::palette()}, {"dark", DarkPalette()}};
    for (const auto& row : rows) {
        // Given to each window, as a change of the application's palette reaches them only while
        // the event loop runs.
        for (QWidget* window : windows)
            window->setPalette(row.palette);
        ExpectReadableDocument(*english.HelpControl(), std::string(row.name) + " help");
        ExpectReadableDocument(*german.HelpControl(), std::string(row.name) + " German help");

        // The person's and the solver's digits and the candidates, on plain and shaded squares
        // under every mark a step can give a cell.
        const bool dark = IsDarkPalette(Grid().palette());
        EXPECT_EQ(dark, row.name == std::string("dark"));
        double leastDigit = 21;
        double leastCandidate = 21;
        for (CellPicture picture : Grid().Picture()) {
            for (const CellMark mark :
                 {CellMark::None, CellMark::Unit, CellMark::SetCell, CellMark::StepCell, CellMark::GuessCell}) {
                picture.mark = mark;
                const CellInk ink = InkOf(dark ? ForDarkPalette(picture) : picture);
                leastDigit = std::min(leastDigit, ContrastRatio(ink.text, ink.background));
                leastCandidate = std::min(leastCandidate, ContrastRatio(ink.candidates, ink.background));
            }
        }
        EXPECT_GE(leastDigit, kReadableContrast) << row.name;
        EXPECT_GE(leastCandidate, kReadableContrast) << row.name;

        for (QWidget* window : windows) {
            for (QWidget* widget : window->findChildren<QWidget*>()) {
                if (!widget->isEnabled())
                    continue;  // greyed out on purpose
                const QPalette& palette = widget->palette();
                EXPECT_GE(ContrastRatio(palette.color(widget->foregroundRole()), palette.color(widget->backgroundRole())),
                          kReadableContrast)
                    << row.name << ' ' << widget->metaObject()->className() << ' '
                    << widget->objectName().toStdString();
            }
        }
    }
}

}  // namespace
