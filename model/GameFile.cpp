#include "GameFile.h"

#include "FilePrefix.h"
#include "PuzzleText.h"

#include <cstdint>
#include <vector>

namespace {

constexpr std::string_view kHeading = "Vantrel Orvandel game";
constexpr std::string_view kVersion = "1";
constexpr std::string_view kEnd = "end";
// Starts every line after the puzzle: puzzle readers skip comments, so the game never looks like
// a second puzzle or a line of digits among words to them.
constexpr std::string_view kCommentMark = "# ";

constexpr std::string_view kState = "state";
constexpr std::string_view kMyDigits = "my digits";
constexpr std::string_view kOwnDigits = "own digits";
constexpr std::string_view kMarks = "marks";
constexpr std::string_view kRevealed = "revealed";
constexpr std::string_view kRemoved = "removed by hints";
constexpr std::string_view kCollection = "collection";
constexpr std::string_view kNumber = "number";

std::uint16_t Bit(int digit)
{
    return static_cast<std::uint16_t>(1u << (digit - 1));
}

std::string CellName(int cell)
{
    return "r" + std::to_string(cell / 9 + 1) + "c" + std::to_string(cell % 9 + 1);
}

std::string Digits(std::uint16_t mask)
{
    std::string digits;
    for (int digit = 1; digit <= 9; ++digit)
        if (mask & Bit(digit))
            digits += static_cast<char>('0' + digit);
    return digits;
}

// " r1c3=12 r2c2=47": every cell with a mask.
std::string CellMasks(const CandidateMasks& masks, const std::bitset<kCellCount>& skip = {})
{
    std::string text;
    for (int cell = 0; cell < kCellCount; ++cell) {
        const auto index = static_cast<std::size_t>(cell);
        if (!skip[index] && masks[index] != 0)
            text += " " + CellName(cell) + "=" + Digits(masks[index]);
    }
    return text;
}

void AddLine(std::string& text, std::string_view key, const std::string& value)
{
    text.append(kCommentMark).append(key).append(":").append(value).append("\n");
}

// --- Reading ----------------------------------------------------------------------------------

// "# marks: ..." is read as "marks: ...".
std::string_view WithoutCommentMark(std::string_view line)
{
    if (line.empty() || line.front() != '#')
        return line;
    const std::size_t start = line.find_first_not_of(' ', 1);
    return start == std::string_view::npos ? std::string_view() : line.substr(start);
}

std::vector<std::string_view> SplitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        lines.push_back(WithoutCommentMark(line));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string_view> Tokens(std::string_view text)
{
    std::vector<std::string_view> tokens;
    while (true) {
        const std::size_t start = text.find_first_not_of(' ');
        if (start == std::string_view::npos)
            return tokens;
        text.remove_prefix(start);
        const std::size_t end = text.find(' ');
        tokens.push_back(text.substr(0, end));
        if (end == std::string_view::npos)
            return tokens;
        text.remove_prefix(end);
    }
}

bool IsDigitChar(char c)
{
    return c >= '1' && c <= '9';
}

// "r1c3" as a cell; -1 when it names none.
int ParseCell(std::string_view name)
{
    if (name.size() != 4 || name[0] != 'r' || name[2] != 'c' || !IsDigitChar(name[1]) || !IsDigitChar(name[3]))
        return -1;
    return (name[1] - '1') * 9 + (name[3] - '1');
}

// "124" as a mask; 0 when it holds anything but the digits 1 to 9.
std::uint16_t ParseDigits(std::string_view digits)
{
    std::uint16_t mask = 0;
    for (const char c : digits) {
        if (!IsDigitChar(c))
            return 0;
        mask |= Bit(c - '0');
    }
    return mask;
}

bool SeeEachOther(int a, int b)
{
    return a / 9 == b / 9 || a % 9 == b % 9 || (a / 27 == b / 27 && a % 9 / 3 == b % 9 / 3);
}

// True when the digit in cell repeats a given of its row, column or square.
bool ClashesWithGiven(const Puzzle& givens, int cell, int digit)
{
    for (int other = 0; other < kCellCount; ++other)
        if (other != cell && givens[other] == digit && SeeEachOther(cell, other))
            return true;
    return false;
}

class GameReader {
public:
    explicit GameReader(GameFileReading& reading) : m_reading(reading), m_givens(reading.game.puzzle) {}

    void Read(std::string_view key, std::string_view value)
    {
        if (key == kState)
            ReadState(value);
        else if (key == kMyDigits)
            ReadMyDigits(value);
        else if (key == kOwnDigits)
            ReadOwnDigits(value);
        else if (key == kMarks)
            ReadMasks(value, m_reading.game.ownMarks, GameFilePart::Marks);
        else if (key == kRevealed)
            ReadRevealed(value);
        else if (key == kRemoved)
            ReadMasks(value, m_reading.game.struck, GameFilePart::Removed);
        else if (key == kCollection)
            m_reading.game.collection = std::filesystem::path(std::string(value));
        else if (key == kNumber)
            ReadNumber(value);
        else
            Drop(GameFilePart::UnknownLines);
    }

    // A collection needs its number, and a number its collection.
    void Finish()
    {
        Game& game = m_reading.game;
        if (game.collection.empty() != (game.number == 0)) {
            if (!game.collection.empty() || m_numberRead)
                Drop(GameFilePart::Collection);
            game.collection.clear();
            game.number = 0;
        }
    }

private:
    void Drop(GameFilePart part) { m_reading.dropped.set(static_cast<std::size_t>(part)); }

    // A digit the person may have in cell: an empty cell's, repeating no given.
    bool Sound(int cell, int digit) const { return m_givens.IsEmpty(cell) && !ClashesWithGiven(m_givens, cell, digit); }

    void ReadState(std::string_view value)
    {
        if (value == "set" || value == "entering")
            m_reading.game.set = value == "set";
        else
            Drop(GameFilePart::State);
    }

    void ReadMyDigits(std::string_view value)
    {
        if (value == "on" || value == "off")
            m_reading.game.ownDigitsOn = value == "on";
        else
            Drop(GameFilePart::MyDigits);
    }

    void ReadOwnDigits(std::string_view value)
    {
        if (value.size() != kCellCount) {
            Drop(GameFilePart::OwnDigits);
            return;
        }
        for (int cell = 0; cell < kCellCount; ++cell) {
            const char c = value[static_cast<std::size_t>(cell)];
            if (c == '.')
                continue;
            if (IsDigitChar(c) && Sound(cell, c - '0'))
                m_reading.game.ownDigits[cell] = c - '0';
            else
                Drop(GameFilePart::OwnDigits);
        }
    }

    // "r1c3=12 r2c2=47" into masks; marks in a given's cell, or a digit that is given in the
    // cell's row, column or square, are dropped.
    void ReadMasks(std::string_view value, CandidateMasks& masks, GameFilePart part)
    {
        for (const std::string_view token : Tokens(value)) {
            const std::size_t equals = token.find('=');
            const int cell = ParseCell(token.substr(0, equals));
            const std::uint16_t mask = equals == std::string_view::npos ? 0 : ParseDigits(token.substr(equals + 1));
            if (cell < 0 || mask == 0 || !m_givens.IsEmpty(cell)) {
                Drop(part);
                continue;
            }
            for (int digit = 1; digit <= 9; ++digit) {
                if (!(mask & Bit(digit)))
                    continue;
                if (Sound(cell, digit))
                    masks[static_cast<std::size_t>(cell)] |= Bit(digit);
                else
                    Drop(part);
            }
        }
    }

    // "r1c3=4 r5c5": revealed cells, with the digit a hint placed there.
    void ReadRevealed(std::string_view value)
    {
        for (const std::string_view token : Tokens(value)) {
            const std::size_t equals = token.find('=');
            const int cell = ParseCell(token.substr(0, equals));
            if (cell < 0 || !m_givens.IsEmpty(cell)) {
                Drop(GameFilePart::Revealed);
                continue;
            }
            m_reading.game.revealed.set(static_cast<std::size_t>(cell));
            if (equals == std::string_view::npos)
                continue;
            const std::string_view digit = token.substr(equals + 1);
            if (digit.size() == 1 && IsDigitChar(digit[0]) && Sound(cell, digit[0] - '0'))
                m_reading.game.hintPlaced[cell] = digit[0] - '0';
            else
                Drop(GameFilePart::Revealed);
        }
    }

    void ReadNumber(std::string_view value)
    {
        m_numberRead = true;
        constexpr std::size_t kMaxDigits = 9;  // far beyond any collection, and no overflow
        std::size_t number = 0;
        const bool sound = !value.empty() && value.size() <= kMaxDigits &&
                           value.find_first_not_of("0123456789") == std::string_view::npos;
        for (const char c : value)
            number = sound ? number * 10 + static_cast<std::size_t>(c - '0') : 0;
        m_reading.game.number = number;
    }

    GameFileReading& m_reading;
    const Puzzle& m_givens;
    bool m_numberRead = false;
};

}  // namespace

std::string GameFileText(const Game& game)
{
    std::string text = game.puzzle.ToLine('.') + "\n";
    text.append(kCommentMark).append(kHeading).append(" ").append(kVersion).append("\n");
    AddLine(text, kState, game.set ? " set" : " entering");
    AddLine(text, kMyDigits, game.ownDigitsOn ? " on" : " off");
    if (game.set) {
        AddLine(text, kOwnDigits, " " + game.ownDigits.ToLine('.'));
        AddLine(text, kMarks, CellMasks(game.ownMarks, game.revealed));
        std::string revealed;
        for (int cell = 0; cell < kCellCount; ++cell) {
            if (!game.revealed[static_cast<std::size_t>(cell)])
                continue;
            revealed += " " + CellName(cell);
            if (!game.hintPlaced.IsEmpty(cell))
                revealed += "=" + std::to_string(game.hintPlaced[cell]);
        }
        AddLine(text, kRevealed, revealed);
        AddLine(text, kRemoved, CellMasks(game.struck));
    }
    // A name that breaks the line cannot be written; the game opens without its collection then.
    const std::string collection = game.collection.string();
    if (game.number != 0 && !collection.empty() && collection.find_first_of("\r\n") == std::string::npos) {
        AddLine(text, kCollection, " " + collection);
        AddLine(text, kNumber, " " + std::to_string(game.number));
    }
    text.append(kCommentMark).append(kEnd).append("\n");
    return text;
}

std::optional<GameFileReading> ReadGameFileText(std::string_view text, bool cutAtBound)
{
    std::vector<std::string_view> lines = SplitLines(text);
    // The last line of a cut text may stop anywhere, so none of it is trusted.
    if (cutAtBound && !lines.empty())
        lines.pop_back();
    if (lines.size() < 2 || lines[1].substr(0, kHeading.size()) != kHeading)
        return std::nullopt;
    const PuzzleText first = ReadPuzzleText(lines[0]);
    if (!first.IsBoard())
        return std::nullopt;

    GameFileReading reading;
    reading.game.puzzle = first.puzzle;
    reading.game.set = true;
    if (cutAtBound)
        reading.dropped.set(static_cast<std::size_t>(GameFilePart::TooLong));
    std::string_view version = lines[1].substr(kHeading.size());
    while (!version.empty() && version.front() == ' ')
        version.remove_prefix(1);
    if (version != kVersion) {
        reading.dropped.set(static_cast<std::size_t>(GameFilePart::LaterVersion));
        return reading;
    }

    GameReader reader(reading);
    bool ended = false;
    for (std::size_t index = 2; index < lines.size() && !ended; ++index) {
        const std::string_view line = lines[index];
        ended = line == kEnd;
        if (ended || line.empty())
            continue;
        const std::size_t colon = line.find(':');
        std::string_view value = colon == std::string_view::npos ? std::string_view() : line.substr(colon + 1);
        if (!value.empty() && value.front() == ' ')
            value.remove_prefix(1);
        reader.Read(line.substr(0, colon), value);
    }
    reader.Finish();
    if (!ended && !cutAtBound)
        reading.dropped.set(static_cast<std::size_t>(GameFilePart::CutShort));
    return reading;
}

std::optional<GameFileReading> ReadGameFile(const std::filesystem::path& path)
{
    std::string bytes;
    if (!ReadFilePrefix(path, kMaxGameFileBytes + 1, bytes))
        return std::nullopt;
    const bool cut = bytes.size() > kMaxGameFileBytes;
    if (cut)
        bytes.resize(kMaxGameFileBytes);
    return ReadGameFileText(bytes, cut);
}

bool WriteGameFile(const std::filesystem::path& path, const Game& game, BoardSaveFailure* failure)
{
    return ReplaceFileContent(path, GameFileText(game), failure);
}
