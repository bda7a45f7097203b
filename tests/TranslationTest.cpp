// The German translation: complete, true to its sources' placeholders and shortcut keys, and shown
// by the main window and the help window while its translator is installed.
#include "GuiTestSupport.h"
#include "HelpDlg.h"
#include "HintText.h"
#include "SolveLogicDlg.h"
#include "StepHint.h"

#include <gtest/gtest.h>

#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

// The %n placeholders, sorted, and the "\t..." shortcut suffix: what a translation must keep.
QString Kept(const QString& text)
{
    QStringList kept;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(text))
        kept.append(match.captured());
    kept.sort();
    return kept.join(u' ') + (text.contains(u'\t') ? text.mid(text.indexOf(u'\t')) : QString());
}

TEST(GermanTranslation, EveryMessageIsFinishedAndKeepsPlaceholdersAndShortcuts)
{
    QFile file(QStringLiteral(ORVANDEL_GERMAN_TS));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    QString source;
    int messages = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("source"))
            source = xml.readElementText();
        if (xml.name() != QLatin1String("translation"))
            continue;
        ++messages;
        EXPECT_TRUE(xml.attributes().value(QLatin1String("type")).isEmpty()) << source.toStdString();
        const QString translation = xml.readElementText();
        EXPECT_FALSE(translation.isEmpty()) << source.toStdString();
        EXPECT_EQ(Kept(translation), Kept(source)) << source.toStdString();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(messages, 0);
}

// The program's German and Qt's own, installed as the application does while this lives.
struct GermanTranslators {
    QTranslator ours, qt;
    GermanTranslators()
    {
        EXPECT_TRUE(ours.load(QLocale::German, QStringLiteral("orvandel"), QStringLiteral("_"), QStringLiteral(":/translations")));
        EXPECT_TRUE(qt.load(QLocale::German, QStringLiteral("qtbase"), QStringLiteral("_"),
                            QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&qt);
        QCoreApplication::installTranslator(&ours);
    }
    ~GermanTranslators() { QCoreApplication::removeTranslator(&ours), QCoreApplication::removeTranslator(&qt); }
};

TEST(GermanTranslation, WindowAndHelpSpeakGermanWhileInstalledAndEnglishAfter)
{
    {
        GermanTranslators german;
        CSuDokuDlg dialog;
        EXPECT_NE(ButtonOf(dialog, QStringLiteral("Su Doku festlegen")), nullptr);
        EXPECT_NE(ButtonOf(dialog, QStringLiteral("Zelle lösen")), nullptr);
        for (const char* text : {"Kopieren\tStrg+C", "Kandidaten anzeigen\tStrg+K", "Vorheriger Schritt\tStrg+Links"})
            EXPECT_TRUE(OptionTexts(dialog).contains(QString::fromUtf8(text))) << text;
        EXPECT_EQ(dialog.findChild<QWidget*>(QStringLiteral("NextStep"))->toolTip(), QStringLiteral("Nächster Schritt (Strg+Rechts)"));
        CHelpDlg help;
        EXPECT_TRUE(help.HelpControl()->toPlainText().contains(QStringLiteral("Su-Doku-Spielfeld leeren")));
        // The help and solve-logic windows close; only the main window quits the program.
        EXPECT_EQ(help.findChild<QPushButton*>()->text(), QStringLiteral("&Schließen"));
        EXPECT_EQ(CSolveLogicDlg().findChild<QPushButton*>()->text(), QStringLiteral("&Schließen"));
        dialog.show();  // the hint under the board
        TypePuzzle(GridOf(dialog), "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
        ButtonOf(dialog, QStringLiteral("Su Doku festlegen"))->click();
        PressKeysInGrid(dialog, Qt::Key_H, {});
        EXPECT_TRUE(dialog.findChild<QLineEdit*>(QStringLiteral("Step"))->text().startsWith(QStringLiteral("Sieh dir ")));
    }
    CSuDokuDlg dialog;
    EXPECT_NE(ButtonOf(dialog, QStringLiteral("Set Su Doku")), nullptr);
    EXPECT_EQ(ButtonOf(dialog, QStringLiteral("Su Doku festlegen")), nullptr);
    EXPECT_TRUE(OptionTexts(dialog).contains(QStringLiteral("Show Candidates\tCtrl+K")));
    CHelpDlg help;
    EXPECT_TRUE(help.HelpControl()->toPlainText().contains(QStringLiteral("Clear Su Doku Board")));
}

TEST(GermanTranslation, TheHintSaysInEnglishWhatTheSolverSaysAndInGermanItsOwn)
{
    // Engine cells are x * 9 + y: cell 2 * 9 + 4 is column 3, row 5, in the middle left square.
    const std::pair<StepRecord, const char*> rows[] = {
        {{StepKind::Determined, 0, 2 * 9 + 4, 0, 7, 0}, "Sieh dir die Zelle (x=3, y=5) an: Für sie bleibt nur noch eine Ziffer."},
        {{StepKind::HiddenSingle, 1, 2 * 9 + 4, 0, 7, 0}, "Sieh dir Zeile y=5 an: Eine Ziffer hat nur noch einen Platz."},
        {{StepKind::DigitSet, 2, 2 * 9 + 4, 0b10101, 0, 0}, "Sieh dir das Quadrat links in der Mitte an: drei Ziffern haben nur noch dieselben drei Zellen."},
        {{StepKind::Guess, 0, 0, 0, 7, 1}, "Es bleibt kein logischer Schritt: Hier rät der Löser."}};
    for (const auto& [step, german] : rows)
        EXPECT_EQ(HintText(HintFactsOf(step)), QString::fromStdString(HintSentence(step)));
    const GermanTranslators german;
    for (const auto& [step, text] : rows)
        EXPECT_EQ(HintText(HintFactsOf(step)), QString::fromUtf8(text));
}

TEST(GermanTranslation, TheHelpNamesEveryCommandOfTheWindowInBothLanguages)
{
    for (const bool inGerman : {false, true}) {
        const std::unique_ptr<GermanTranslators> german(inGerman ? new GermanTranslators : nullptr);
        CSuDokuDlg dialog;
        QStringList texts;  // of the menus, their commands and the buttons
        for (const QMenu* menu : dialog.findChildren<QMenu*>()) {
            texts << menu->title();
            for (const QAction* command : menu->actions())
                texts << command->text();
        }
        for (const QPushButton* button : dialog.findChildren<QPushButton*>())
            texts << button->text();
        const QString help = CHelpDlg().HelpControl()->toPlainText();
        for (QString name : texts) {
            // As the help writes it: without its Alt key, its shortcut and its dots.
            name = name.remove(u'&').section(u'\t', 0, 0).remove(QLatin1String(" ..."));
            EXPECT_TRUE(name == QLatin1String("OPTIONS") || help.contains(name)) << inGerman << name.toStdString();
        }
        EXPECT_GT(texts.size(), 25);
    }
}

}  // namespace
