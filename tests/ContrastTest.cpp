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

namespace {

class ContrastTest : public MainWindowTest {};

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
    Press(QStringLiteral("Solve Cell"));
    for (const auto& [name, palette] : {std::pair{"light", QApplication::palette()}, std::pair{"dark", dark}}) {
        // Given to each window: the application's palette reaches them only in the event loop.
        const std::initializer_list<QWidget*> windows = {dialog.get(), &help, &about, &logic};
        for (QWidget* window : windows)
            window->setPalette(palette);
        ExpectReadableText(*help.HelpControl(), name);
        EXPECT_EQ(IsDarkPalette(Grid().palette()), palette == dark);
        for (CellPicture picture : Grid().Picture()) {
            for (const CellMark mark :
                 {CellMark::None, CellMark::Unit, CellMark::SetCell, CellMark::StepCell, CellMark::GuessCell}) {
                picture.mark = mark;
                const CellInk ink = InkOf(palette == dark ? ForDarkPalette(picture) : picture);
                ASSERT_GE(ContrastRatio(ink.text, ink.background), kReadableContrast) << name;
                ASSERT_GE(ContrastRatio(ink.candidates, ink.background), kReadableContrast) << name;
            }
        }
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
