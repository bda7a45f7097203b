#include "PuzzleText.h"

#include "FilePrefix.h"

#include <algorithm>
#include <array>
#include <istream>
#include <sstream>
#include <utility>

namespace {

// kCellCount as a size, for the counts of cells the scanner keeps.
constexpr std::size_t kBoardCells = kCellCount;

enum class CharKind {
    Digit,      // a given digit
    Empty,      // an empty cell
    Corner,     // an empty cell, or a corner when it stands on a rule line ("." and "*")
    Rule,       // the stroke of a rule line ("-", "=", box drawing)
    Drawing,    // part of a drawn grid, never a cell ("+", "|", ":", "'")
    Blank,      // whitespace within a line
    LineEnd,
    Comment,    // starts a comment that runs to the end of the line
    Letter,
    Separator,  // anything else
};

struct CharClass {
    CharKind kind = CharKind::Separator;
    int digit = 0;  // 1..9 for CharKind::Digit
};

CharClass ClassifyAscii(char32_t c)
{
    if (c >= '1' && c <= '9')
        return {CharKind::Digit, static_cast<int>(c - '0')};
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
        return {CharKind::Letter};
    switch (c) {
    case '0':
    case '_':
    case '?':
        return {CharKind::Empty};
    case '.':
    case '*':
        return {CharKind::Corner};
    case '-':
    case '=':
        return {CharKind::Rule};
    case '+':
    case '|':
    case ':':
    case '\'':
        return {CharKind::Drawing};
    case ' ':
    case '\t':
    case '\v':
    case '\f':
        return {CharKind::Blank};
    case '\n':
    case '\r':
        return {CharKind::LineEnd};
    case '#':
        return {CharKind::Comment};
    default:
        return {CharKind::Separator};
    }
}

// Letters are told apart from symbols by Unicode block, which is close enough to spot words in
// captions; the blocks of punctuation, symbols and emoji are separators.
bool IsLetterBlock(char32_t c)
{
    return (c >= 0x00C0 && c <= 0x02AF && c != 0x00D7 && c != 0x00F7)  // Latin
        || (c >= 0x0370 && c <= 0x1FFF)                                 // Greek to Greek Extended
        || (c >= 0x2C00 && c <= 0x2DFF)                                 // Glagolitic to Cyrillic Ext.
        || (c >= 0x2E80 && c <= 0x2FFF)                                 // CJK radicals
        || (c >= 0x3040 && c <= 0xD7FF)                                 // kana, CJK, Hangul
        || (c >= 0xF900 && c <= 0xFDFF)                                 // CJK and alphabetic forms
        || (c >= 0xFE70 && c <= 0xFEFE)                                 // Arabic forms
        || (c >= 0xFF21 && c <= 0xFF3A) || (c >= 0xFF41 && c <= 0xFF5A)  // fullwidth Latin
        || (c >= 0xFF66 && c <= 0xFFDC)                                 // halfwidth kana, Hangul
        || (c >= 0x10000 && c <= 0x1EFFF) || (c >= 0x20000 && c <= 0x10FFFF);
}

CharClass Classify(char32_t c)
{
    if (c < 0x80)
        return ClassifyAscii(c);
    if (c >= 0xFF11 && c <= 0xFF19)
        return {CharKind::Digit, static_cast<int>(c - 0xFF10)};  // fullwidth 1..9
    if (c == 0xFF10)
        return {CharKind::Empty};  // fullwidth 0
    if (c >= 0x2500 && c <= 0x257F)
        return {CharKind::Rule};  // box drawing
    if (c == 0x0085 || c == 0x2028 || c == 0x2029)
        return {CharKind::LineEnd};
    if (c == 0x00A0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000)
        return {CharKind::Blank};
    if (IsLetterBlock(c))
        return {CharKind::Letter};
    return {CharKind::Separator};
}

// Reads cells from text fed in pieces of any size. Work is linear in the text: each byte is looked
// at once, and only the first 81 cells are stored.
class CellScanner {
public:
    enum class Goal { AllCells, FirstPuzzle };

    explicit CellScanner(Goal goal) : m_goal(goal) {}

    // Reads bytes until the text is used up or, for the first puzzle, the answer is known.
    void Feed(std::string_view bytes)
    {
        for (const char byte : bytes) {
            if (m_done)
                return;
            Decode(static_cast<unsigned char>(byte));
        }
    }

    bool Done() const { return m_done; }

    PuzzleText Finish()
    {
        if (!m_done) {
            if (m_sequenceLength > 0)
                Character(CharClass{CharKind::Separator});  // the text ended inside a UTF-8 sequence
            EndLine();
        }
        PuzzleText text;
        text.cellCount = m_cellCount;
        std::copy_n(m_values.begin(), std::min(m_cellCount, kBoardCells), text.puzzle.cells.begin());
        return text;
    }

private:
    void Decode(unsigned char byte)
    {
        if (m_sequenceLength > 0) {
            if ((byte & 0xC0) == 0x80) {
                m_codePoint = (m_codePoint << 6) | (byte & 0x3F);
                if (++m_sequenceRead == m_sequenceLength) {
                    // An overlong form (a "1" in three bytes, say) or a surrogate is no character.
                    constexpr char32_t kShortestForm[] = {0, 0x80, 0x800, 0x10000};
                    const bool valid = m_codePoint >= kShortestForm[m_sequenceLength] && m_codePoint <= 0x10FFFF
                        && (m_codePoint < 0xD800 || m_codePoint > 0xDFFF);
                    m_sequenceLength = 0;
                    Character(valid ? Classify(m_codePoint) : CharClass{CharKind::Separator});
                }
                return;
            }
            m_sequenceLength = 0;  // a cut-off sequence; the byte starts afresh
            Character(CharClass{CharKind::Separator});
        }
        if (byte < 0x80) {
            Character(ClassifyAscii(byte));
        } else if (byte >= 0xC2 && byte <= 0xF4) {
            m_sequenceLength = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : 1;
            m_sequenceRead = 0;
            m_codePoint = byte & (0x3F >> m_sequenceLength);
        } else {
            Character(CharClass{CharKind::Separator});
        }
    }

    void Character(CharClass c)
    {
        if (c.kind == CharKind::LineEnd) {
            EndLine();
            return;
        }
        if (m_inNote)
            return;
        const CharKind previous = m_previous;
        m_previous = c.kind;
        switch (c.kind) {
        case CharKind::Digit:
            AddCell(c.digit);
            m_lineHasContent = true;
            break;
        case CharKind::Empty:
            AddCell(-1);
            m_lineHasContent = true;
            break;
        case CharKind::Corner:
            AddCell(-1);
            break;
        case CharKind::Rule:
            m_lineHasRuleRun = m_lineHasRuleRun || previous == CharKind::Rule;
            break;
        case CharKind::Drawing:
        case CharKind::Blank:
        case CharKind::LineEnd:
            break;
        case CharKind::Comment:
            m_inNote = true;
            break;
        case CharKind::Letter:
            m_lineHasContent = true;
            if (previous == CharKind::Letter) {
                if (LineCells() < 9)
                    m_cellCount = m_lineStart;  // a caption's label, not cells
                m_inNote = true;
            }
            break;
        case CharKind::Separator:
            m_lineHasContent = true;
            break;
        }
    }

    void AddCell(int value)
    {
        if (m_cellCount < kBoardCells)
            m_values[m_cellCount] = value;
        ++m_cellCount;
    }

    std::size_t LineCells() const { return m_cellCount - m_lineStart; }

    void EndLine()
    {
        if (m_lineHasRuleRun && !m_lineHasContent)
            m_cellCount = m_lineStart;  // a rule line's "*" and "." are its corners
        if (m_goal == Goal::FirstPuzzle && m_cellCount >= kBoardCells) {
            if (m_lineStart == 0)
                m_cellCount = kBoardCells;  // a puzzle on one line; the rest is a note
            m_done = true;
        }
        m_lineStart = m_cellCount;
        m_lineHasRuleRun = false;
        m_lineHasContent = false;
        m_inNote = false;
        m_previous = CharKind::LineEnd;
    }

    Goal m_goal;
    std::array<int, kBoardCells> m_values{};  // the first cells found
    std::size_t m_cellCount = 0;
    bool m_done = false;

    // The line being read.
    std::size_t m_lineStart = 0;  // cells before this line
    CharKind m_previous = CharKind::LineEnd;
    bool m_lineHasRuleRun = false;
    bool m_lineHasContent = false;  // anything a rule line cannot hold
    bool m_inNote = false;          // after a word or "#": the rest of the line is skipped

    // The UTF-8 sequence being decoded.
    int m_sequenceLength = 0;  // continuation bytes expected; 0 between characters
    int m_sequenceRead = 0;
    char32_t m_codePoint = 0;
};

}  // namespace

PuzzleText ReadPuzzleText(std::string_view text)
{
    CellScanner scanner(CellScanner::Goal::AllCells);
    scanner.Feed(text);
    return scanner.Finish();
}

PuzzleText ReadFirstPuzzle(std::istream& in)
{
    CellScanner scanner(CellScanner::Goal::FirstPuzzle);
    std::array<char, 64 * 1024> buffer;
    while (!scanner.Done() && in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        scanner.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount())));
    }
    return scanner.Finish();
}

bool ReadFirstPuzzleFile(const std::filesystem::path& path, PuzzleText& result)
{
    std::string text;
    if (!ReadFilePrefix(path, kMaxPuzzleFileBytes, text))
        return false;
    std::istringstream stream(std::move(text));
    result = ReadFirstPuzzle(stream);
    return true;
}
