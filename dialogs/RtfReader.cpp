#include "RtfReader.h"

#include <QColor>
#include <QHash>
#include <QList>
#include <QStringDecoder>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextOption>

#include <algorithm>
#include <vector>

namespace {

// Code page 1252 differs from Latin-1 only in 0x80..0x9F.
constexpr char16_t kCodePage1252High[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178,
};

// Keeps a pathological file from growing the state stack without bound; deeper groups still
// balance their braces but share the state of the deepest one kept.
constexpr int kMaxGroupDepth = 256;
constexpr qint64 kMaxParameter = 1'000'000'000;
constexpr int kMaxTabStops = 64;
constexpr int kDefaultHalfPoints = 24;  // RTF's default size, 12 pt

// RTF measures in twips (1/20 pt); the document lays out in pixels at 96 dpi.
qreal TwipsToPixels(int twips)
{
    return twips / 15.0;
}

enum class Destination { Text, FontTable, ColourTable, Skipped };

struct CharState {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int halfPoints = kDefaultHalfPoints;
    int font = -1;  // -1: the document's default font
    int colour = 0;  // 0: the automatic colour
    bool operator==(const CharState&) const = default;
};

struct ParagraphState {
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    QList<int> tabs;
};

struct State {
    CharState chars;
    ParagraphState paragraph;
    Destination destination = Destination::Text;
};

bool IsSkippedDestination(const QByteArray& word)
{
    static const QByteArray kSkipped[] = {
        "stylesheet", "info",    "pict",    "object",  "header",   "headerl", "headerr", "headerf",
        "footer",     "footerl", "footerr", "footerf", "footnote", "xe",      "tc",      "txe",
    };
    return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

bool IsAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

class RtfParser {
public:
    RtfParser(const QByteArray& rtf, QTextDocument& document) : m_in(rtf), m_cursor(&document) {}

    void Run()
    {
        while (m_pos < m_in.size() && !m_done) {
            const char c = m_in[m_pos++];
            switch (c) {
            case '{': OpenGroup(); break;
            case '}': CloseGroup(); break;
            case '\\': ReadControl(); break;
            case '\t': Text(u'\t'); break;
            default:
                // Line ends and other control bytes carry no text in RTF.
                if (static_cast<unsigned char>(c) >= 0x20)
                    Text(FromCodePage1252(static_cast<unsigned char>(c)));
                break;
            }
        }
        Finish();
    }

private:
    void OpenGroup()
    {
        if (m_stack.size() >= kMaxGroupDepth) {
            ++m_unkeptDepth;
            return;
        }
        m_stack.push_back(m_state);
    }

    void CloseGroup()
    {
        if (m_unkeptDepth > 0) {
            --m_unkeptDepth;
            return;
        }
        if (m_state.destination == Destination::FontTable)
            StoreFontName();
        // The outermost group is the document; whatever follows it is not part of the text. Its
        // state stays, as it formats the last paragraph.
        if (m_stack.size() <= 1) {
            m_done = true;
            return;
        }
        m_state = m_stack.back();
        m_stack.pop_back();
    }

    void ReadControl()
    {
        if (m_pos >= m_in.size())
            return;
        const char first = m_in[m_pos];
        if (!IsAsciiLetter(first)) {
            ++m_pos;
            ControlSymbol(first);
            return;
        }
        const qsizetype wordStart = m_pos;
        while (m_pos < m_in.size() && IsAsciiLetter(m_in[m_pos]))
            ++m_pos;
        const QByteArray word = m_in.mid(wordStart, m_pos - wordStart);

        bool negative = false;
        if (m_pos + 1 < m_in.size() && m_in[m_pos] == '-' && IsAsciiDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        bool hasParameter = false;
        qint64 value = 0;
        while (m_pos < m_in.size() && IsAsciiDigit(m_in[m_pos])) {
            hasParameter = true;
            value = std::min(kMaxParameter, value * 10 + (m_in[m_pos] - '0'));
            ++m_pos;
        }
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos;  // the delimiter belongs to the control word
        const int parameter = static_cast<int>(negative ? -value : value);
        ControlWord(word, hasParameter, parameter);
    }

    void ControlSymbol(char symbol)
    {
        switch (symbol) {
        case '\\':
        case '{':
        case '}': Text(QChar(symbol)); break;
        case '~': Text(u'\u00A0'); break;
        case '_': Text(u'\u2011'); break;
        case '*': m_state.destination = Destination::Skipped; break;
        case '\r':
        case '\n': Paragraph(); break;
        case '\'': HexCharacter(); break;
        default: break;  // \- (optional hyphen), \| and \: show nothing
        }
    }

    void HexCharacter()
    {
        if (m_pos + 1 >= m_in.size())
            return;  // cut short: nothing to show
        const int high = HexValue(m_in[m_pos]);
        const int low = HexValue(m_in[m_pos + 1]);
        if (high < 0 || low < 0)
            return;  // not an escape after all; the bytes are read as text
        m_pos += 2;
        Text(FromCodePage1252(static_cast<unsigned char>(high * 16 + low)));
    }

    void ControlWord(const QByteArray& word, bool hasParameter, int parameter)
    {
        if (word == "bin") {
            // Binary data is skipped in every destination, or its bytes would be read as RTF.
            if (hasParameter && parameter > 0)
                m_pos += std::min<qsizetype>(parameter, m_in.size() - m_pos);
            return;
        }
        if (word == "fonttbl") {
            m_state.destination = Destination::FontTable;
            return;
        }
        if (word == "colortbl") {
            m_state.destination = Destination::ColourTable;
            return;
        }
        if (IsSkippedDestination(word)) {
            m_state.destination = Destination::Skipped;
            return;
        }
        switch (m_state.destination) {
        case Destination::FontTable: FontTableWord(word, parameter); return;
        case Destination::ColourTable: ColourTableWord(word, parameter); return;
        case Destination::Skipped: return;
        case Destination::Text: break;
        }
        if (!TextWord(word, hasParameter, parameter))
            ParagraphWord(word, parameter);
    }

    // Character formatting and special characters; false when the word is none of them.
    bool TextWord(const QByteArray& word, bool hasParameter, int parameter)
    {
        CharState& chars = m_state.chars;
        const bool on = !hasParameter || parameter != 0;
        if (word == "par")
            Paragraph();
        else if (word == "line")
            Text(QChar::LineSeparator);
        else if (word == "tab")
            Text(u'\t');
        else if (word == "b")
            chars.bold = on;
        else if (word == "i")
            chars.italic = on;
        else if (word == "ul")
            chars.underline = on;
        else if (word == "ulnone")
            chars.underline = false;
        else if (word == "fs")
            chars.halfPoints = hasParameter ? std::clamp(parameter, 8, 288) : kDefaultHalfPoints;
        else if (word == "f")
            chars.font = parameter;
        else if (word == "cf")
            chars.colour = parameter;
        else if (word == "plain")
            chars = CharState{};
        else if (word == "deff")
            m_defaultFont = parameter;
        else if (word == "emdash")
            Text(u'\u2014');
        else if (word == "endash")
            Text(u'\u2013');
        else if (word == "bullet")
            Text(u'\u2022');
        else if (word == "lquote")
            Text(u'\u2018');
        else if (word == "rquote")
            Text(u'\u2019');
        else if (word == "ldblquote")
            Text(u'\u201C');
        else if (word == "rdblquote")
            Text(u'\u201D');
        else
            return false;
        return true;
    }

    void ParagraphWord(const QByteArray& word, int parameter)
    {
        ParagraphState& paragraph = m_state.paragraph;
        if (word == "pard")
            paragraph = ParagraphState{};
        else if (word == "li")
            paragraph.leftIndent = std::clamp(parameter, 0, 14400);
        else if (word == "ri")
            paragraph.rightIndent = std::clamp(parameter, 0, 14400);
        else if (word == "fi")
            paragraph.firstIndent = std::clamp(parameter, -14400, 14400);
        else if (word == "sb")
            paragraph.spaceBefore = std::clamp(parameter, 0, 14400);
        else if (word == "sa")
            paragraph.spaceAfter = std::clamp(parameter, 0, 14400);
        else if (word == "tx" && paragraph.tabs.size() < kMaxTabStops)
            paragraph.tabs.append(std::clamp(parameter, 0, 31680));
        // Any other control word is one this reader does not need.
    }

    void FontTableWord(const QByteArray& word, int parameter)
    {
        if (word == "f") {
            StoreFontName();
            m_fontIndex = parameter;
        }
    }

    void ColourTableWord(const QByteArray& word, int parameter)
    {
        const int component = std::clamp(parameter, 0, 255);
        if (word == "red")
            m_red = component;
        else if (word == "green")
            m_green = component;
        else if (word == "blue")
            m_blue = component;
        else
            return;
        m_colourGiven = true;
    }

    void Text(QChar c)
    {
        switch (m_state.destination) {
        case Destination::Skipped: return;
        case Destination::FontTable:
            if (c == u';')
                StoreFontName();
            else
                m_fontName.append(c);
            return;
        case Destination::ColourTable:
            if (c == u';')
                StoreColour();
            return;
        case Destination::Text: break;
        }
        if (!m_pending.isEmpty() && !(m_pendingChars == m_state.chars))
            FlushText();
        m_pendingChars = m_state.chars;
        m_pending.append(c);
    }

    void StoreFontName()
    {
        const QString name = m_fontName.trimmed();
        if (!name.isEmpty())
            m_fontNames.insert(m_fontIndex, name);
        m_fontName.clear();
    }

    void StoreColour()
    {
        // An entry without components is the automatic colour.
        m_colours.append(m_colourGiven ? QColor(m_red, m_green, m_blue) : QColor());
        m_red = m_green = m_blue = 0;
        m_colourGiven = false;
    }

    void Paragraph()
    {
        if (m_state.destination != Destination::Text)
            return;
        FlushText();
        m_cursor.setBlockFormat(BlockFormat(m_state.paragraph));
        m_cursor.insertBlock();
    }

    void FlushText()
    {
        if (m_pending.isEmpty())
            return;
        m_cursor.insertText(m_pending, CharFormat(m_pendingChars));
        m_pending.clear();
    }

    void Finish()
    {
        FlushText();
        m_cursor.setBlockFormat(BlockFormat(m_state.paragraph));
        // A document that ends with \par would otherwise show an empty last line.
        if (m_cursor.block().length() == 1 && m_cursor.blockNumber() > 0)
            m_cursor.deletePreviousChar();
    }

    QTextCharFormat CharFormat(const CharState& chars) const
    {
        QTextCharFormat format;
        format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
        format.setFontItalic(chars.italic);
        format.setFontUnderline(chars.underline);
        format.setFontPointSize(chars.halfPoints / 2.0);
        const auto font = m_fontNames.constFind(chars.font < 0 ? m_defaultFont : chars.font);
        if (font != m_fontNames.constEnd())
            format.setFontFamilies({*font});
        if (chars.colour > 0 && chars.colour < m_colours.size() && m_colours[chars.colour].isValid())
            format.setForeground(m_colours[chars.colour]);
        return format;
    }

    static QTextBlockFormat BlockFormat(const ParagraphState& paragraph)
    {
        QTextBlockFormat format;
        format.setLeftMargin(TwipsToPixels(paragraph.leftIndent));
        format.setRightMargin(TwipsToPixels(paragraph.rightIndent));
        format.setTextIndent(TwipsToPixels(paragraph.firstIndent));
        format.setTopMargin(TwipsToPixels(paragraph.spaceBefore));
        format.setBottomMargin(TwipsToPixels(paragraph.spaceAfter));
        // RTF measures tab stops from the page's margin, Qt from where the first line starts.
        const int firstLineStart = paragraph.leftIndent + paragraph.firstIndent;
        QList<QTextOption::Tab> tabs;
        for (int position : paragraph.tabs)
            if (position > firstLineStart)
                tabs.append(QTextOption::Tab(TwipsToPixels(position - firstLineStart), QTextOption::LeftTab));
        format.setTabPositions(tabs);
        return format;
    }

    const QByteArray& m_in;
    qsizetype m_pos = 0;
    bool m_done = false;
    QTextCursor m_cursor;

    State m_state;
    std::vector<State> m_stack;
    int m_unkeptDepth = 0;

    QString m_pending;  // text not yet inserted, all in m_pendingChars
    CharState m_pendingChars;

    int m_defaultFont = 0;
    QHash<int, QString> m_fontNames;
    int m_fontIndex = 0;
    QString m_fontName;

    QList<QColor> m_colours;
    int m_red = 0;
    int m_green = 0;
    int m_blue = 0;
    bool m_colourGiven = false;
};

}  // namespace

QChar FromCodePage1252(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0)
        return QChar(kCodePage1252High[byte - 0x80]);
    return QChar(byte);
}

bool IsRtf(const QByteArray& text)
{
    return text.startsWith("{\\rtf");
}

void ReadRtf(const QByteArray& rtf, QTextDocument& document)
{
    document.clear();
    RtfParser(rtf, document).Run();
}

void SetRichOrPlainText(const QByteArray& text, QTextDocument& document)
{
    if (IsRtf(text)) {
        ReadRtf(text, document);
        return;
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString plain = utf8(text);
    if (utf8.hasError()) {
        plain.clear();
        plain.reserve(text.size());
        for (char byte : text)
            plain.append(FromCodePage1252(static_cast<unsigned char>(byte)));
    }
    document.setPlainText(plain);
}
