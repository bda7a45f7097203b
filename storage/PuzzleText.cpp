#include "PuzzleText.h"

#include <algorithm>
#include <array>
#include <istream>
#include <optional>
#include <vector>

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
    Nul,        // no text holds one
    Separator,  // anything else
};

struct CharClass {
    CharKind kind = CharKind::Separator;
    int digit = 0;  // 1..9 for CharKind::Digit
};

constexpr CharClass ClassifyAscii(char32_t c)
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
    case '\0':
        return {CharKind::Nul};
    default:
        return {CharKind::Separator};
    }
}

// Looked up for every byte of a collection, so worked out once.
constexpr std::array<CharClass, 0x80> kAsciiClasses = [] {
    std::array<CharClass, 0x80> classes{};
    for (char32_t c = 0; c < 0x80; ++c)
        classes[c] = ClassifyAscii(c);
    return classes;
}();

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
        return kAsciiClasses[c];
    if (c >= 0xFF11 && c <= 0xFF19)
        return {CharKind::Digit, static_cast<int>(c - 0xFF10)};  // fullwidth 1..9
    if (c == 0xFF10)
        return {CharKind::Empty};  // fullwidth 0
    if (c >= 0x2500 && c <= 0x257F)
        return {CharKind::Rule};  // box drawing
    if (c == 0x0085 || c == 0x2028 || c == 0x2029)
        return {CharKind::LineEnd};
    // A byte-order mark is blank wherever it stands: files joined with cat carry one per file.
    if (c == 0x00A0 || (c >= 0x2000 && c <= 0x200A) || c == 0x202F || c == 0x205F || c == 0x3000 || c == 0xFEFF)
        return {CharKind::Blank};
    if (IsLetterBlock(c))
        return {CharKind::Letter};
    return {CharKind::Separator};
}

// One line as the scanner read it.
struct ScannedLine {
    std::array<int, kBoardCells> values{};  // its first cells
    std::size_t cells = 0;
    std::size_t bytes = 0;
    bool invalid = false;  // not valid UTF-8
    bool hasText = false;  // letters or marks that are no cells
    bool nul = false;      // holds a NUL byte
    std::size_t wordCells = 0;  // cells that a word made part of a note
};

// Reads cells from text fed in pieces of any size, line by line, and hands each line to its sink
// (sink.EndLine(line), false to stop reading). Work is linear in the text: each byte is looked at
// once, and only the first 81 cells of a line are stored.
template <class Sink>
class CellScanner {
public:
    explicit CellScanner(Sink& sink) : m_sink(sink) {}

    bool Stopped() const { return m_stopped; }

    // Reads bytes until the text is used up or the sink stops the reading.
    void Feed(std::string_view bytes)
    {
        const char* next = bytes.data();
        const char* const end = next + bytes.size();
        while (next != end && !m_stopped) {
            if (m_sequenceLength == 0 && !m_inNote)
                next = TakeCellRun(next, end);
            if (next != end)
                Decode(static_cast<unsigned char>(*next++));
        }
    }

    void Finish()
    {
        if (m_stopped)
            return;
        if (m_sequenceLength > 0) {
            m_line.invalid = true;  // the text ended inside a UTF-8 sequence
            Character(CharClass{CharKind::Separator});
        }
        EndLine();
    }

private:
    // Most of a collection is runs of digits and dots between the line ends: such a run is taken
    // here in one loop, with the effect Decode would have byte by byte. Returns where it ended.
    const char* TakeCellRun(const char* next, const char* end)
    {
        const char* const start = next;
        bool digitSeen = false;
        CharKind last = m_previous;
        for (; next != end; ++next) {
            const auto byte = static_cast<unsigned char>(*next);
            const CharClass c = kAsciiClasses[byte & 0x7F];
            if (byte >= 0x80 || (c.kind != CharKind::Digit && c.kind != CharKind::Corner))
                break;
            AddCell(c.digit != 0 ? c.digit : Puzzle::kEmpty);
            digitSeen = digitSeen || c.digit != 0;
            last = c.kind;
        }
        if (next != start) {
            m_line.bytes += static_cast<std::size_t>(next - start);
            m_lineHasContent = m_lineHasContent || digitSeen;
            m_afterCr = false;
            m_previous = last;
        }
        return next;
    }

    void Decode(unsigned char byte)
    {
        m_line.bytes += byte != '\n' && byte != '\r' ? 1 : 0;
        if (m_sequenceLength > 0) {
            if ((byte & 0xC0) == 0x80) {
                m_codePoint = (m_codePoint << 6) | (byte & 0x3F);
                if (++m_sequenceRead == m_sequenceLength) {
                    // An overlong form (a "1" in three bytes, say) or a surrogate is no character.
                    constexpr char32_t kShortestForm[] = {0, 0x80, 0x800, 0x10000};
                    const bool valid = m_codePoint >= kShortestForm[m_sequenceLength] && m_codePoint <= 0x10FFFF
                        && (m_codePoint < 0xD800 || m_codePoint > 0xDFFF);
                    m_sequenceLength = 0;
                    m_line.invalid = m_line.invalid || !valid;
                    Character(valid ? Classify(m_codePoint) : CharClass{CharKind::Separator});
                }
                return;
            }
            m_sequenceLength = 0;  // a cut-off sequence; the byte starts afresh
            m_line.invalid = true;
            Character(CharClass{CharKind::Separator});
        }
        if (byte < 0x80) {
            // The LF of a CRLF ends no second line.
            const bool afterCr = m_afterCr;
            m_afterCr = byte == '\r';
            if (byte == '\n' && afterCr)
                return;
            Character(kAsciiClasses[byte]);
        } else if (byte >= 0xC2 && byte <= 0xF4) {
            m_afterCr = false;
            m_sequenceLength = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : 1;
            m_sequenceRead = 0;
            m_codePoint = byte & (0x3F >> m_sequenceLength);
        } else {
            m_afterCr = false;
            m_line.invalid = true;
            Character(CharClass{CharKind::Separator});
        }
    }

    void Character(CharClass c)
    {
        if (c.kind == CharKind::LineEnd) {
            EndLine();
            return;
        }
        if (c.kind == CharKind::Nul) {
            // No text holds one, and /dev/zero holds nothing else: the line ends here.
            m_line.nul = true;
            EndLine();
            return;
        }
        if (m_inNote) {
            if (c.kind == CharKind::Comment)
                m_inComment = true;
            else if (!m_inComment && (c.kind == CharKind::Digit || c.kind == CharKind::Empty || c.kind == CharKind::Corner))
                ++m_line.wordCells;
            return;
        }
        const CharKind previous = m_previous;
        m_previous = c.kind;
        switch (c.kind) {
        case CharKind::Digit:
            AddCell(c.digit);
            m_lineHasContent = true;
            break;
        case CharKind::Empty:
            AddCell(Puzzle::kEmpty);
            m_lineHasContent = true;
            break;
        case CharKind::Corner:
            AddCell(Puzzle::kEmpty);
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
            m_inComment = true;
            break;
        case CharKind::Letter:
            m_lineHasContent = true;
            m_line.hasText = true;
            if (previous == CharKind::Letter) {
                if (m_line.cells < 9) {
                    m_line.wordCells += m_line.cells;
                    m_line.cells = 0;  // a caption's label, not cells
                }
                m_inNote = true;
            }
            break;
        case CharKind::Nul:  // ends its line before this
        case CharKind::Separator:
            m_lineHasContent = true;
            m_line.hasText = true;
            break;
        }
    }

    void AddCell(int value)
    {
        if (m_line.cells < kBoardCells)
            m_line.values[m_line.cells] = value;
        ++m_line.cells;
    }

    void EndLine()
    {
        if (m_lineHasRuleRun && !m_lineHasContent)
            m_line.cells = 0;  // a rule line's "*" and "." are its corners
        m_stopped = !m_sink.EndLine(m_line);
        m_line.cells = 0;
        m_line.bytes = 0;
        m_line.invalid = false;
        m_line.hasText = false;
        m_line.nul = false;
        m_line.wordCells = 0;
        m_lineHasRuleRun = false;
        m_lineHasContent = false;
        m_inNote = false;
        m_inComment = false;
        m_previous = CharKind::LineEnd;
    }

    Sink& m_sink;
    bool m_stopped = false;

    // The line being read.
    ScannedLine m_line;
    CharKind m_previous = CharKind::LineEnd;
    bool m_lineHasRuleRun = false;
    bool m_lineHasContent = false;  // anything a rule line cannot hold
    bool m_inNote = false;          // after a word or "#": the rest of the line is skipped
    bool m_inComment = false;
    bool m_afterCr = false;

    // The UTF-8 sequence being decoded.
    int m_sequenceLength = 0;  // continuation bytes expected; 0 between characters
    int m_sequenceRead = 0;
    char32_t m_codePoint = 0;
};

// Every cell of a text, whatever its lines.
class AllCells {
public:
    bool EndLine(const ScannedLine& line)
    {
        if (m_text.cellCount < kBoardCells) {
            const std::size_t taken = std::min(line.cells, kBoardCells - m_text.cellCount);
            std::copy_n(line.values.begin(), taken, m_text.puzzle.cells.begin() + static_cast<std::ptrdiff_t>(m_text.cellCount));
        }
        m_text.cellCount += line.cells;
        return true;
    }

    PuzzleText Text() const
    {
        PuzzleText text = m_text;
        text.isBoard = text.cellCount == kBoardCells;
        return text;
    }

private:
    PuzzleText m_text;
};

}  // namespace

// Gathers the lines' cells into puzzles: a window over the latest lines that is emptied from the
// front whenever it holds more than one board's cells.
class PuzzleLineReader::Scanner {
public:
    explicit Scanner(PuzzleTextReceiver& receiver) : m_receiver(receiver), m_cells(*this) {}

    bool Feed(std::string_view bytes)
    {
        m_cells.Feed(bytes);
        return !m_cells.Stopped();
    }

    void Finish()
    {
        m_cells.Finish();
        if (!m_cells.Stopped())
            GiveUpGathered();
    }

    std::size_t CellCount() const { return m_cellCount; }
    long NoteLines() const { return m_noteLines; }
    bool Gathering() const { return !m_lines.empty(); }

    bool EndLine(const ScannedLine& line)
    {
        ++m_lineNumber;
        if (line.nul || line.invalid || line.bytes > kMaxLineBytes) {
            GiveUpGathered();
            using Kind = PuzzleTextProblem::Kind;
            const Kind kind = line.nul ? Kind::NotText : line.invalid ? Kind::NotUtf8 : Kind::TooLong;
            m_receiver.OnProblem({kind, m_lineNumber, m_lineNumber, 0});
            return kind != Kind::NotText;
        }
        m_cellCount += line.cells;
        if (line.cells == 0) {
            if (line.hasText) {
                ++m_noteLines;
                GiveUpGathered();  // a caption between two grids
                // A caption holds a few digits; a row's worth among words is a puzzle gone wrong.
                if (line.wordCells >= 9)
                    m_receiver.OnProblem({PuzzleTextProblem::Kind::AmongWords, m_lineNumber, m_lineNumber, line.wordCells});
            }
            return true;
        }
        if (line.cells >= kBoardCells) {
            GiveUpGathered();
            return Deliver(line.values.data());
        }
        m_lines.push_back({m_lineNumber, line.cells});
        std::copy_n(line.values.begin(), line.cells, m_gathered.begin() + static_cast<std::ptrdiff_t>(m_gatheredCells));
        m_gatheredCells += line.cells;
        while (m_gatheredCells > kBoardCells) {
            // The lines before this one failed together, and are reported together.
            if (m_failedUpTo == 0)
                m_failedUpTo = m_lines[m_lines.size() - 2].number;
            DropFirstLine();
        }
        if (m_gatheredCells < kBoardCells)
            return true;
        m_lines.clear();
        m_gatheredCells = 0;
        return Deliver(m_gathered.data());
    }

private:
    struct GatheredLine {
        long number;
        std::size_t cells;
    };

    bool Deliver(const int* values)
    {
        ReportDropped();
        m_failedUpTo = 0;
        Puzzle puzzle;
        std::copy_n(values, kBoardCells, puzzle.cells.begin());
        return m_receiver.OnPuzzle(puzzle);
    }

    // The first gathered line can end no puzzle: it joins the lines to report.
    void DropFirstLine()
    {
        const GatheredLine first = m_lines.front();
        if (m_dropped.firstLine == 0)
            m_dropped.firstLine = first.number;
        m_dropped.lastLine = first.number;
        m_dropped.cellCount += first.cells;
        m_lines.erase(m_lines.begin());
        std::copy(m_gathered.begin() + static_cast<std::ptrdiff_t>(first.cells),
                  m_gathered.begin() + static_cast<std::ptrdiff_t>(m_gatheredCells), m_gathered.begin());
        m_gatheredCells -= first.cells;
        if (first.number == m_failedUpTo) {
            ReportDropped();
            m_failedUpTo = 0;
        }
    }

    void GiveUpGathered()
    {
        while (!m_lines.empty())
            DropFirstLine();
        ReportDropped();
        m_failedUpTo = 0;
    }

    void ReportDropped()
    {
        if (m_dropped.firstLine == 0)
            return;
        m_receiver.OnProblem(m_dropped);
        m_dropped = PuzzleTextProblem{};
    }

    PuzzleTextReceiver& m_receiver;
    CellScanner<Scanner> m_cells;
    long m_lineNumber = 0;
    std::size_t m_cellCount = 0;
    long m_noteLines = 0;
    // The lines gathered towards the next puzzle, and their cells: fewer than 81 between lines,
    // so a line of up to 80 more fits.
    std::vector<GatheredLine> m_lines;
    std::array<int, 2 * kBoardCells> m_gathered{};
    std::size_t m_gatheredCells = 0;
    PuzzleTextProblem m_dropped;  // lines given up on, not yet reported
    long m_failedUpTo = 0;        // the last line that failed with them, 0 when none has
};

PuzzleLineReader::PuzzleLineReader(PuzzleTextReceiver& receiver) : m_scanner(std::make_unique<Scanner>(receiver))
{
}

PuzzleLineReader::~PuzzleLineReader() = default;

bool PuzzleLineReader::Feed(std::string_view bytes)
{
    return m_scanner->Feed(bytes);
}

void PuzzleLineReader::Finish()
{
    m_scanner->Finish();
}

std::size_t PuzzleLineReader::CellCount() const
{
    return m_scanner->CellCount();
}

long PuzzleLineReader::NoteLines() const
{
    return m_scanner->NoteLines();
}

bool PuzzleLineReader::Gathering() const
{
    return m_scanner->Gathering();
}

PuzzleText ReadPuzzleText(std::string_view text)
{
    AllCells cells;
    CellScanner<AllCells> scanner(cells);
    scanner.Feed(text);
    scanner.Finish();
    return cells.Text();
}

namespace {

class FirstPuzzle : public PuzzleTextReceiver {
public:
    bool OnPuzzle(const Puzzle& puzzle) override
    {
        found = puzzle;
        return false;
    }
    void OnProblem(const PuzzleTextProblem&) override {}

    std::optional<Puzzle> found;
};

}  // namespace

PuzzleText ReadFirstPuzzle(std::istream& in)
{
    FirstPuzzle first;
    PuzzleLineReader reader(first);
    std::array<char, 64 * 1024> buffer;
    bool reading = true;
    while (reading && in) {
        in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
        reading = reader.Feed(std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount())));
    }
    if (reading)
        reader.Finish();
    PuzzleText text;
    if (first.found) {
        text.cellCount = kBoardCells;
        text.puzzle = *first.found;
        text.isBoard = true;
    } else {
        text.cellCount = reader.CellCount();
    }
    return text;
}
