// The RTF reader: what it shows for well-formed text, and that malformed input never breaks it.
#include "RtfReader.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QAbstractTextDocumentLayout>
#include <QRandomGenerator>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace {

QString Shown(const QByteArray& rtf)
{
    QTextDocument document;
    SetRichOrPlainText(rtf, document);
    // The raw text keeps line separators and no-break spaces as they are.
    return document.toRawText().replace(QChar::ParagraphSeparator, u'\n');
}

// The character format of the last character of the first occurrence of word.
QTextCharFormat FormatOf(const QTextDocument& document, const QString& word)
{
    const QTextCursor found = document.find(word);
    EXPECT_FALSE(found.isNull()) << "not shown: " << word.toStdString();
    return found.charFormat();
}

struct ShownCase {
    const char* name;
    QByteArray input;
    QString shown;
};

void PrintTo(const ShownCase& shownCase, std::ostream* out)
{
    *out << shownCase.name;
}

class RtfShownText : public ::testing::TestWithParam<ShownCase> {};

TEST_P(RtfShownText, ShowsTheTextOnly)
{
    EXPECT_EQ(Shown(GetParam().input), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    RtfReader, RtfShownText,
    ::testing::Values(
        ShownCase{"Paragraphs", "{\\rtf1 one\\par two\\par}", "one\ntwo"},
        ShownCase{"LineEndsInTheSourceAreNotText", "{\\rtf1 one\r\ntwo}", "onetwo"},
        ShownCase{"DelimiterSpaceIsEaten", "{\\rtf1\\b bold\\b0  plain}", "bold plain"},
        ShownCase{"TabAndLine", "{\\rtf1 a\\tab b\\line c}", u"a\tb\u2028c"_qs},
        ShownCase{"EscapedSymbols", "{\\rtf1 \\\\ \\{x\\} a\\~b}", u"\\ {x} a\u00A0b"_qs},
        ShownCase{"CodePage1252", "{\\rtf1 caf\\'e9 \\'93q\\'94 \\'85 \\'80}", u"caf\u00E9 \u201Cq\u201D \u2026 \u20AC"_qs},
        ShownCase{"UpperCaseHex", "{\\rtf1 \\'E9}", u"\u00E9"_qs},
        ShownCase{"NamedPunctuation", "{\\rtf1 \\lquote a\\rquote \\emdash \\bullet}", u"\u2018a\u2019\u2014\u2022"_qs},
        ShownCase{"FontTableIsNotText", "{\\rtf1{\\fonttbl{\\f0\\froman Times New Roman;}}x}", "x"},
        ShownCase{"ColourTableIsNotText", "{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;}x}", "x"},
        ShownCase{"SkippedDestinations",
                  "{\\rtf1{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}{\\*\\generator G;}"
                  "{\\*\\unknown{nested}text}{\\pict\\wmetafile8 0a0b}x}",
                  "x"},
        ShownCase{"UnknownWordsAreIgnored", "{\\rtf1\\frobnicate42\\zz x\\qq-7 y}", "xy"},
        ShownCase{"BinaryDataIsSkipped", "{\\rtf1 a\\bin4 {}\\}b}", "ab"},
        ShownCase{"TextAfterTheDocumentIsIgnored", "{\\rtf1 in}out", "in"},
        ShownCase{"PlainTextStaysPlain", "Just {text} with \\b marks", "Just {text} with \\b marks"},
        ShownCase{"PlainTextNeedsTheMarkAtTheStart", " {\\rtf1 x}", " {\\rtf1 x}"},
        ShownCase{"PlainUtf8", "caf\xC3\xA9", u"caf\u00E9"_qs},
        ShownCase{"PlainCodePage1252", "caf\xE9 \x93q\x94", u"caf\u00E9 \u201Cq\u201D"_qs},
        ShownCase{"Empty", "", ""}),
    [](const auto& info) { return info.param.name; });

TEST(RtfReader, CharacterFormattingFollowsGroups)
{
    QTextDocument document;
    ReadRtf("{\\rtf1 {\\b bold} {\\i italic} {\\ul under\\ulnone over} \\b on\\b0 off {\\fs40 big} small}", document);

    EXPECT_EQ(FormatOf(document, "bold").fontWeight(), QFont::Bold);
    EXPECT_TRUE(FormatOf(document, "italic").fontItalic());
    EXPECT_FALSE(FormatOf(document, "italic").fontWeight() == QFont::Bold);
    EXPECT_TRUE(FormatOf(document, "under").fontUnderline());
    EXPECT_FALSE(FormatOf(document, "over").fontUnderline());
    EXPECT_EQ(FormatOf(document, "on").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(document, "off").fontWeight(), QFont::Normal);
    EXPECT_DOUBLE_EQ(FormatOf(document, "big").fontPointSize(), 20.0);
    EXPECT_DOUBLE_EQ(FormatOf(document, "small").fontPointSize(), 12.0);
}

TEST(RtfReader, FontsAndColoursComeFromTheirTables)
{
    QTextDocument document;
    ReadRtf("{\\rtf1\\deff1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Tahoma;}}"
            "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}"
            "default {\\f0 serif} {\\cf2 blue} {\\cf1\\plain reset} {\\cf9 unknown}}",
            document);

    EXPECT_EQ(FormatOf(document, "default").fontFamilies().toStringList(), QStringList{"Tahoma"});
    EXPECT_EQ(FormatOf(document, "serif").fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(FormatOf(document, "blue").foreground().color(), QColor(0, 0, 255));
    EXPECT_FALSE(FormatOf(document, "reset").hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_FALSE(FormatOf(document, "unknown").hasProperty(QTextFormat::ForegroundBrush));
}

TEST(RtfReader, ParagraphFormattingAppliesToItsParagraph)
{
    QTextDocument document;
    ReadRtf("{\\rtf1\\pard\\li720\\fi-360\\sa120\\tx720 indented\\par\\pard flush\\par}", document);

    ASSERT_EQ(document.blockCount(), 2);
    const QTextBlockFormat indented = document.firstBlock().blockFormat();
    EXPECT_DOUBLE_EQ(indented.leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(indented.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(indented.bottomMargin(), 8.0);
    EXPECT_DOUBLE_EQ(document.lastBlock().blockFormat().leftMargin(), 0.0);
}

TEST(RtfReader, TabAtTheIndentLinesTheFirstLineUpWithTheRest)
{
    // A hanging indent, as for a bulleted paragraph long enough to wrap.
    QTextDocument document;
    document.setTextWidth(300);
    ReadRtf("{\\rtf1\\pard\\fi-240\\li720\\tx720 \\'95\\tab " + QByteArray("words that wrap ").repeated(12) + "}",
            document);
    document.documentLayout()->documentSize();  // lays the text out
    const QTextLayout* layout = document.firstBlock().layout();
    ASSERT_GT(layout->lineCount(), 1);
    const QTextLine first = layout->lineAt(0);
    const QTextLine second = layout->lineAt(1);
    EXPECT_NEAR(first.cursorToX(2), second.cursorToX(second.textStart()), 1.0);
}

// Malformed input: each must give a document without crashing; where the text is certain, it is checked.
struct MalformedCase {
    const char* name;
    QByteArray input;
    const char* mustShow;  // nullptr: anything will do
};

void PrintTo(const MalformedCase& malformedCase, std::ostream* out)
{
    *out << malformedCase.name;
}

class RtfMalformed : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(RtfMalformed, NeverFails)
{
    const QString shown = Shown(GetParam().input);
    if (GetParam().mustShow) {
        EXPECT_EQ(shown, QString::fromLatin1(GetParam().mustShow));
    }
}

INSTANTIATE_TEST_SUITE_P(
    RtfReader, RtfMalformed,
    ::testing::Values(
        MalformedCase{"MissingClosingBraces", "{\\rtf1 {\\b open {\\i deeper", "open deeper"},
        MalformedCase{"ExtraClosingBraces", "{\\rtf1 a}}}}b", "a"},
        MalformedCase{"ClosingBraceFirst", "{\\rtf}}", ""},
        MalformedCase{"HugeNumbers", "{\\rtf1\\fs99999999999999999999999 a\\li-99999999999999 b\\cf123456789012 c}", "abc"},
        MalformedCase{"HugeBinaryLength", "{\\rtf1 a\\bin99999999999999999 skipped}", "a"},
        MalformedCase{"NegativeBinaryLength", "{\\rtf1 a\\bin-5 b}", "ab"},
        MalformedCase{"ZeroAndNegativeSizes", "{\\rtf1\\fs0 a\\fs-40 b}", "ab"},
        MalformedCase{"EscapeCutShortAtTheEnd", "{\\rtf1 a\\'", "a"},
        MalformedCase{"EscapeWithOneDigitAtTheEnd", "{\\rtf1 a\\'4", "a4"},
        MalformedCase{"EscapeWithNonHexDigits", "{\\rtf1 a\\'zz}", "azz"},
        MalformedCase{"BackslashAtTheEnd", "{\\rtf1 a\\", "a"},
        MalformedCase{"MinusWithoutDigits", "{\\rtf1\\li- a}", "- a"},
        MalformedCase{"StarOutsideAGroup", "{\\rtf1 a\\*b}", "a"},
        MalformedCase{"ControlBytes", QByteArray("{\\rtf1 a\x00\x01\x1f\x7f b}", 15), "a\x7f b"},
        MalformedCase{"VeryLongControlWord", "{\\rtf1\\" + QByteArray(100000, 'x') + " a}", "a"},
        MalformedCase{"ManyTabStops", "{\\rtf1" + QByteArray("\\tx1").repeated(10000) + " a}", "a"},
        MalformedCase{"DeepNesting", "{\\rtf1" + QByteArray(200000, '{') + "a" + QByteArray(200000, '}') + "b}", "ab"},
        MalformedCase{"DeepNestingUnclosed", "{\\rtf1" + QByteArray(200000, '{') + "a", "a"},
        MalformedCase{"FontTableUnclosed", "{\\rtf1{\\fonttbl{\\f0 Name", ""},
        MalformedCase{"ColourTableWithoutSemicolon", "{\\rtf1{\\colortbl\\red1}{\\cf1 x}}", "x"}),
    [](const auto& info) { return info.param.name; });

// Random bytes, and random bytes drawn from RTF's own alphabet, which reach deeper into the reader.
TEST(RtfReader, RandomJunkNeverBreaksIt)
{
    QRandomGenerator random(20261207);
    const QByteArray alphabet = "{}\\\\\\'*;0123456789-abfilpstuxr \r\n\x80\xff";
    const QByteArray words[] = {"\\par", "\\b", "\\fs", "\\bin", "\\fonttbl", "\\colortbl", "\\*", "\\'", "{\\f1 "};
    for (int round = 0; round < 400; ++round) {
        QByteArray input = "{\\rtf1";
        const int length = random.bounded(1, 2000);
        for (int i = 0; i < length; ++i) {
            switch (random.bounded(3)) {
            case 0: input.append(static_cast<char>(random.bounded(256))); break;
            case 1: input.append(alphabet[random.bounded(alphabet.size())]); break;
            default: input.append(words[random.bounded(static_cast<int>(std::size(words)))]); break;
            }
        }
        QTextDocument document;
        ReadRtf(input, document);
        EXPECT_LE(document.characterCount(), input.size() + 1) << "round " << round;
    }
}

TEST(RtfReader, HelpTextReadsAsFormattedProse)
{
    QFile resource(QStringLiteral(":/res/help.rtf"));
    ASSERT_TRUE(resource.open(QIODevice::ReadOnly));
    const QByteArray rtf = resource.readAll();
    ASSERT_TRUE(IsRtf(rtf));

    QTextDocument document;
    ReadRtf(rtf, document);
    const QString text = document.toPlainText();

    for (const char* topic : {"Set Su Doku", "Solve Cell", "Right click", "arrow keys", "Save As", "Easy", "Mild",
                              "Hard", "RiverAzevod", "Print", "Reset Su Doku Board", "Clear Su Doku Board",
                              "Show Solve Logic", "About Vantrel Orvandel"})
        EXPECT_TRUE(text.contains(QLatin1String(topic))) << topic;
    // Nothing of the markup or the tables shows through.
    for (const char* markup : {"\\", "{", "}", "Tahoma", "Written by hand", "Vantrel Orvandel Help"})
        EXPECT_FALSE(text.contains(QLatin1String(markup))) << markup;
    EXPECT_GT(document.blockCount(), 20);
    EXPECT_EQ(FormatOf(document, "Entering a puzzle").fontWeight(), QFont::Bold);
    EXPECT_EQ(FormatOf(document, "Entering a puzzle").fontFamilies().toStringList(), QStringList{"Times New Roman"});
    EXPECT_EQ(FormatOf(document, "keeps you company").fontFamilies().toStringList(), QStringList{"Tahoma"});
}

}  // namespace
