// The German translation: complete, true to its sources' placeholders and shortcut keys, and shown
// by the main window and the help window while its translator is installed.
#include "GuiTestSupport.h"
#include "HelpDlg.h"
#include "PuzzleTransfer.h"
#include "SolveLogicDlg.h"
#include "TechniqueText.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
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
        WaitForBackgroundWork(dialog);
        EXPECT_TRUE(dialog.findChild<QLabel*>(QStringLiteral("Step"))->text().contains(QStringLiteral(": Sieh dir ")));
    }
    CSuDokuDlg dialog;
    EXPECT_NE(ButtonOf(dialog, QStringLiteral("Set Su Doku")), nullptr);
    EXPECT_EQ(ButtonOf(dialog, QStringLiteral("Su Doku festlegen")), nullptr);
    EXPECT_TRUE(OptionTexts(dialog).contains(QStringLiteral("Show Candidates\tCtrl+K")));
    CHelpDlg help;
    EXPECT_TRUE(help.HelpControl()->toPlainText().contains(QStringLiteral("Clear Su Doku Board")));
}

TEST(GermanTranslation, TheHintSaysWhereToLookInEitherLanguage)
{
    TechniqueLook xWing{"X-Wing", false, 1u << 6, {2, 8}, {}, {}, {}, 0};
    TechniqueLook single{"Naked Single", false, 0, {}, {}, {}, {4 * 9 + 2}, 0};
    TechniqueLook kite{"2-String Kite", false, 0b101, {3}, {5}, {0}, {}, 0};
    const std::tuple<TechniqueLook, const char*, const char*> rows[] = {
        {xWing, "X-Wing: look at digit 7 in rows y=2 and y=8.", "X-Wing: Sieh dir Ziffer 7 in Zeilen y=2 und y=8 an."},
        {single, "Naked Single: look at cell (x=3, y=5).", "Naked Single: Sieh dir Zelle (x=3, y=5) an."},
        {kite, "2-String Kite: look at digits 1 and 3 in row y=3, column x=5 and square x=1..3, y=1..3.",
         "2-String Kite: Sieh dir Ziffern 1 und 3 in Zeile y=3, Spalte x=5 und Quadrat x=1..3, y=1..3 an."}};
    for (const auto& [look, english, german] : rows)
        EXPECT_EQ(LookText(look), QString::fromUtf8(english));
    const GermanTranslators translators;
    for (const auto& [look, english, german] : rows)
        EXPECT_EQ(LookText(look), QString::fromUtf8(german));
}

TEST(GermanTranslation, ASaveFailureIsWordedInTheInterfacesLanguageOrTheSystems)
{
    const BoardSaveFailure readOnly{BoardSaveFailure::Reason::ReadOnly, 0};
    const BoardSaveFailure diskFull{BoardSaveFailure::Reason::NotWritten, ENOSPC};
    EXPECT_EQ(PuzzleTransfer::SaveFailureText(readOnly), QStringLiteral("the file is read-only"));
    const GermanTranslators translators;
    EXPECT_EQ(PuzzleTransfer::SaveFailureText(readOnly), QStringLiteral("die Datei ist schreibgeschützt"));
    EXPECT_EQ(PuzzleTransfer::SaveFailureText(diskFull), QString::fromLocal8Bit(std::strerror(ENOSPC)));
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
