// The German translation: complete, true to its sources' placeholders and shortcut keys, and shown
// by the main window and the help window while its translator is installed.
#include "GuiTestSupport.h"
#include "HelpDlg.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
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

TEST(GermanTranslation, WindowAndHelpSpeakGermanWhileInstalledAndEnglishAfter)
{
    QTranslator german;
    ASSERT_TRUE(german.load(QLocale(QLocale::German), QStringLiteral("orvandel"), QStringLiteral("_"),
                            QStringLiteral(":/translations")));
    ASSERT_TRUE(QCoreApplication::installTranslator(&german));
    {
        CSuDokuDlg dialog;
        EXPECT_NE(ButtonOf(dialog, QStringLiteral("Su Doku festlegen")), nullptr);
        EXPECT_NE(ButtonOf(dialog, QStringLiteral("Zelle lösen")), nullptr);
        EXPECT_TRUE(OptionTexts(dialog).contains(QStringLiteral("Kandidaten anzeigen\tCtrl+K")));
        CHelpDlg help;
        EXPECT_TRUE(help.HelpControl()->toPlainText().contains(QStringLiteral("Su-Doku-Spielfeld leeren")));
    }
    QCoreApplication::removeTranslator(&german);
    CSuDokuDlg dialog;
    EXPECT_NE(ButtonOf(dialog, QStringLiteral("Set Su Doku")), nullptr);
    EXPECT_EQ(ButtonOf(dialog, QStringLiteral("Su Doku festlegen")), nullptr);
    EXPECT_TRUE(OptionTexts(dialog).contains(QStringLiteral("Show Candidates\tCtrl+K")));
    CHelpDlg help;
    EXPECT_TRUE(help.HelpControl()->toPlainText().contains(QStringLiteral("Clear Su Doku Board")));
}

}  // namespace
