// The German translation: complete, true to its sources' placeholders and shortcut keys, and shown
// by the main window and the help window while its translator is installed. The help text in
// either language names every command a person can reach.
#include "GuiTestSupport.h"
#include "HelpDlg.h"
#include "HintText.h"
#include "SolveLogicDlg.h"
#include "StepHint.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>

#include <QCoreApplication>
#include <QFile>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextEdit>
#include <QToolButton>
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

// The program's German and Qt's own, as the application installs them.
class GermanTranslators {
public:
    GermanTranslators()
    {
        EXPECT_TRUE(m_ours.load(QLocale(QLocale::German), QStringLiteral("orvandel"), QStringLiteral("_"),
                                QStringLiteral(":/translations")));
        EXPECT_TRUE(m_qt.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
        QCoreApplication::installTranslator(&m_qt);
        QCoreApplication::installTranslator(&m_ours);
    }
    ~GermanTranslators()
    {
        QCoreApplication::removeTranslator(&m_ours);
        QCoreApplication::removeTranslator(&m_qt);
    }

private:
    QTranslator m_ours;
    QTranslator m_qt;
};

TEST(GermanTranslation, WindowAndHelpSpeakGermanWhileInstalledAndEnglishAfter)
{
    {
        GermanTranslators german;
        CSuDokuDlg dialog;
        EXPECT_NE(ButtonOf(dialog, QStringLiteral("Su Doku festlegen")), nullptr);
        EXPECT_NE(ButtonOf(dialog, QStringLiteral("Zelle lösen")), nullptr);
        // Shortcut keys in Qt's German words.
        for (const char* text : {"Kopieren\tStrg+C", "Kandidaten anzeigen\tStrg+K", "Vorheriger Schritt\tStrg+Links"})
            EXPECT_TRUE(OptionTexts(dialog).contains(QString::fromUtf8(text))) << text;
        EXPECT_EQ(dialog.findChild<QToolButton*>(QStringLiteral("NextStep"))->toolTip(),
                  QStringLiteral("Nächster Schritt (Strg+Rechts)"));
        CHelpDlg help;
        EXPECT_TRUE(help.HelpControl()->toPlainText().contains(QStringLiteral("Su-Doku-Spielfeld leeren")));
        // The help and solve-logic windows close; only the main window quits the program.
        CSolveLogicDlg logic;
        for (QDialog* window : std::initializer_list<QDialog*>{&help, &logic})
            EXPECT_EQ(window->findChild<QPushButton*>()->text(), QStringLiteral("&Schließen"));

        dialog.show();
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
    const struct {
        const char* name;
        StepRecord step;
        const char* german;
    } rows[] = {
        {"one digit left", {StepKind::Determined, 0, 2 * 9 + 4, 0}, "Sieh dir die Zelle (x=3, y=5) an: Für sie bleibt nur noch eine Ziffer."},
        {"column", {StepKind::HiddenSingle, 0, 2 * 9 + 4, 0}, "Sieh dir Spalte x=3 an: Eine Ziffer hat nur noch einen Platz."},
        {"row", {StepKind::HiddenSingle, 1, 2 * 9 + 4, 0}, "Sieh dir Zeile y=5 an: Eine Ziffer hat nur noch einen Platz."},
        {"digit set", {StepKind::DigitSet, 2, 2 * 9 + 4, 0b10101}, "Sieh dir das Quadrat links in der Mitte an: drei Ziffern haben nur noch dieselben drei Zellen."},
        {"guess", {StepKind::Guess, 0, 0, 0}, "Es bleibt kein logischer Schritt: Hier rät der Löser."},
    };
    for (const auto& row : rows)
        EXPECT_EQ(HintText(HintFactsOf(row.step)), QString::fromStdString(HintSentence(row.step))) << row.name;
    GermanTranslators german;
    for (const auto& row : rows)
        EXPECT_EQ(HintText(HintFactsOf(row.step)), QString::fromUtf8(row.german)) << row.name;
}

// A command's name as the help writes it: without its Alt key, its shortcut and its dots.
QString CommandName(QString text)
{
    text.remove(u'&');
    text = text.section(u'\t', 0, 0);
    if (text.endsWith(QLatin1String(" ...")))
        text.chop(4);
    return text;
}

TEST(GermanTranslation, TheHelpNamesEveryCommandOfTheWindowInBothLanguages)
{
    for (const bool inGerman : {false, true}) {
        std::unique_ptr<GermanTranslators> german(inGerman ? new GermanTranslators : nullptr);
        CSuDokuDlg dialog;
        QStringList names;
        for (const QMenu* menu : dialog.findChildren<QMenu*>()) {
            names << CommandName(menu->title());
            for (const QAction* command : menu->actions())
                names << CommandName(command->text());
        }
        for (const QPushButton* button : dialog.findChildren<QPushButton*>())
            names << CommandName(button->text());
        names.removeAll(QString());
        names.removeAll(QStringLiteral("OPTIONS"));  // the menu's own title, never shown
        EXPECT_GT(names.size(), 25);
        const QString help = CHelpDlg().HelpControl()->toPlainText();
        for (const QString& name : names)
            EXPECT_TRUE(help.contains(name)) << (inGerman ? "German: " : "English: ") << name.toStdString();
    }
}

}  // namespace
