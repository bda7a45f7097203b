// Every text the windows show reaches the readable WCAG contrast on its background, in a light and
// a dark palette, measured on the colours the help document, the grid's cells and the widgets use.
#include "AboutDlg.h"
#include "GuiTestSupport.h"
#include "HelpDlg.h"
#include "ReadableColours.h"
#include "SolveLogicDlg.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTextBlock>
#include <QTextEdit>

#include <cmath>
#include <utility>
#include <vector>

namespace {

class ContrastTest : public MainWindowTest {};

// The "redmean" distance of two colours, weighted as the eye sees them (0 to about 765): colours
// 100 apart are told apart at a glance; a shade pushed to near white is 30 to 50 from white.
double ColourDistance(const QColor& a, const QColor& b)
{
    const double red = (a.red() + b.red()) / 2.0, dr = a.red() - b.red(), dg = a.green() - b.green(), db = a.blue() - b.blue();
    return std::sqrt((2 + red / 256) * dr * dr + 4 * dg * dg + (2 + (255 - red) / 256) * db * db);
}

// Each kind of digit (given, the solver's, as Solve Cell's and a hint's are, own, own clashing) and the small
// digits on every tint a cell can have, a highlight's too: readable, and each kind 100 apart from the others.
void ExpectDistinctReadableDigits(const QColor& solver, bool dark, const char* palette)
{
    const QColor kinds[] = {Qt::black, solver, OwnDigitColour(), OwnDigitColour()};
    for (const QColor& background : {QColor(Qt::white), ShadedSquareColor()}) {
        for (const auto& [mark, highlighted] :
             {std::pair{CellMark::None, false}, std::pair{CellMark::None, true}, std::pair{CellMark::Unit, false},
              std::pair{CellMark::SetCell, false}, std::pair{CellMark::StepCell, false},
              std::pair{CellMark::GuessCell, false}}) {
            std::vector<CellInk> inks;
            for (const QColor& kind : kinds) {
                CellPicture picture{QStringLiteral("1"), kind, background, 0, mark};
                picture.digitHighlight = highlighted;
                picture.clashingDigit = inks.size() == 3;
                const CellInk& ink = inks.emplace_back(InkOf(dark ? ForDarkPalette(picture) : picture));
                for (const QColor& digit : {ink.text, ink.candidates, ink.ownMarks})
                    EXPECT_GE(ContrastRatio(digit, ink.background), kReadableContrast) << palette;
                EXPECT_GE(ColourDistance(ink.candidates, ink.ownMarks), 100) << palette;
            }
            for (std::size_t one = 0; one < inks.size(); ++one) {
                for (std::size_t other = one + 1; other < inks.size(); ++other)
                    EXPECT_GE(ColourDistance(inks[one].text, inks[other].text), 100) << palette << static_cast<int>(mark);
            }
        }
    }
}

void ExpectReadableText(const QTextEdit& text, const char* palette)
{
    for (QTextBlock block = text.document()->begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            const QColor colour = format.hasProperty(QTextFormat::ForegroundBrush) ? format.foreground().color()
                                                                                   : text.palette().color(QPalette::Text);
            ASSERT_GE(ContrastRatio(colour, text.palette().color(QPalette::Base)), kReadableContrast)
                << palette << ": " << fragment.fragment().text().toStdString();
        }
    }
}

TEST_F(ContrastTest, EveryTextOfTheHelpTheGridAndTheWindowsIsReadable)
{
    const QColor light(0xF0, 0xF0, 0xF0);  // a dark desktop theme's palette: text, window, bevels, text, base
    const QPalette dark(light, QColor(0x35, 0x35, 0x35), Qt::gray, Qt::black, Qt::darkGray, light, QColor(0x23, 0x23, 0x23));
    CHelpDlg help;  // made before the palette changes, so the help follows a change of theme too
    CAboutDlg about;
    CSolveLogicDlg logic;
    SetPuzzle("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    Grid().setCurrentCell(0, 2);
    Press(QStringLiteral("Solve Cell"));
    for (const auto& [name, palette] : {std::pair{"light", QApplication::palette()}, std::pair{"dark", dark}}) {
        // Given to each window: the application's palette reaches them only in the event loop.
        const std::initializer_list<QWidget*> windows = {dialog.get(), &help, &about, &logic};
        for (QWidget* window : windows)
            window->setPalette(palette);
        ExpectReadableText(*help.HelpControl(), name);
        EXPECT_EQ(IsDarkPalette(Grid().palette()), palette == dark);
        ExpectDistinctReadableDigits(CellColor(Grid(), 3, 1), palette == dark, name);
        for (QWidget* window : windows) {
            for (const QWidget* widget : window->findChildren<QWidget*>()) {
                const QPalette& colours = widget->palette();  // a disabled widget is greyed out on purpose
                EXPECT_TRUE(!widget->isEnabled() || ContrastRatio(colours.color(widget->foregroundRole()),
                                                                  colours.color(widget->backgroundRole())) >= 4.5)
                    << name << ' ' << widget->metaObject()->className();
            }
        }
    }
}

}  // namespace
