#include "SolutionFinder.h"

#include "DigitMask.h"
#include "GridUnits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstring>
#include <limits>
#include <utility>

namespace solutions {
namespace {

// The finder works digit by digit: for each digit, the cells that may still hold it, as a bit set
// over the board. A board position is a cell, row * 9 + column; the rows come in three bands of three, and
// a band's 27 cells fit one 32-bit word (bit (row % 3) * 9 + column). One rule then looks at all
// cells of a band at once, with a few bit operations and table lookups.
//
// Within a band, a digit takes one cell in each row and one in each square, so its three rows and
// three squares pair up as a permutation. A segment is the three cells a row shares with a square;
// numbered row * 3 + square within the band, the band's segments form a 9-bit pattern.
constexpr int kPositions = 81;
constexpr std::uint32_t kBandCells = (1u << 27) - 1;
constexpr std::uint32_t kRowCells = 0x1FF;
constexpr std::uint32_t kColumnInBand = 1u | 1u << 9 | 1u << 18;  // times a 9-bit column mask

constexpr int BandOf(int position) { return position / 27; }
constexpr std::uint32_t BitOf(int position) { return 1u << (position % 27); }

// The segments (bit square) a row's 9 cells touch.
constexpr std::array<std::uint8_t, 512> MakeRowSegments()
{
    std::array<std::uint8_t, 512> table{};
    for (unsigned row = 0; row < 512; ++row) {
        for (int square = 0; square < 3; ++square)
            table[row] |= static_cast<std::uint8_t>((row >> (square * 3) & 7) != 0 ? 1u << square : 0);
    }
    return table;
}

// The segments of a band's pattern that belong to some pairing of its rows with its squares, one
// segment per row and per square: the only ones that can hold the digit. 0 when there is no such
// pairing, so the digit cannot be placed in the band.
constexpr std::array<std::uint16_t, 512> MakePairedSegments()
{
    constexpr int kPairings[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 0, 2}, {1, 2, 0}, {2, 0, 1}, {2, 1, 0}};
    std::array<std::uint16_t, 512> table{};
    for (unsigned pattern = 0; pattern < 512; ++pattern) {
        for (const auto& pairing : kPairings) {
            unsigned segments = 0;
            for (int row = 0; row < 3; ++row)
                segments |= 1u << (row * 3 + pairing[row]);
            if ((pattern & segments) == segments)
                table[pattern] = static_cast<std::uint16_t>(table[pattern] | segments);
        }
    }
    return table;
}

// The band's cells in the segments of a pattern.
constexpr std::array<std::uint32_t, 512> MakeSegmentCells()
{
    std::array<std::uint32_t, 512> table{};
    for (unsigned pattern = 0; pattern < 512; ++pattern) {
        for (int segment = 0; segment < 9; ++segment) {
            if (pattern >> segment & 1)
                table[pattern] |= 7u << (segment / 3 * 9 + segment % 3 * 3);
        }
    }
    return table;
}

// Every position's peers: the cells of its row, column and square but itself, per band.
constexpr std::array<std::array<std::uint32_t, 3>, kPositions> MakePeerCells()
{
    std::array<std::array<std::uint32_t, 3>, kPositions> table{};
    for (int position = 0; position < kPositions; ++position) {
        const int row = position / 9;
        const int column = position % 9;
        for (int other = 0; other < kPositions; ++other) {
            const int otherRow = other / 9;
            const int otherColumn = other % 9;
            const bool peer = otherRow == row || otherColumn == column ||
                              (otherRow / 3 == row / 3 && otherColumn / 3 == column / 3);
            if (peer && other != position)
                table[position][static_cast<size_t>(BandOf(other))] |= BitOf(other);
        }
    }
    return table;
}

inline constexpr std::array<std::uint8_t, 512> kRowSegments = MakeRowSegments();
inline constexpr std::array<std::uint16_t, 512> kPairedSegments = MakePairedSegments();
inline constexpr std::array<std::uint32_t, 512> kSegmentCells = MakeSegmentCells();
inline constexpr std::array<std::array<std::uint32_t, 3>, kPositions> kPeerCells = MakePeerCells();

// The columns of a band's cells, as a 9-bit mask.
constexpr std::uint32_t ColumnsOf(std::uint32_t band)
{
    return (band | band >> 9 | band >> 18) & kRowCells;
}

// The band's cells that are the only one of their row.
constexpr std::uint32_t RowSingles(std::uint32_t band)
{
    std::uint32_t singles = 0;
    for (int row = 0; row < 3; ++row) {
        const std::uint32_t cells = band & kRowCells << (row * 9);
        singles |= (cells & (cells - 1)) == 0 ? cells : 0;
    }
    return singles;
}

constexpr int kDigitLanes = 12;  // a band's nine digits and three lanes of padding, always empty

// A board in the finder's terms. Placed cells keep their digit and nothing else, and their digit
// has left their peers; every other cell keeps the digits not yet ruled out.
struct Board {
    // [band][digit - 1]: the cells that may hold the digit. A band's digits side by side let the
    // compiler treat them together.
    alignas(16) std::uint32_t places[3][kDigitLanes];
    std::uint32_t placed[3];
    std::uint32_t changed;         // bit digit * 3 + band: places changed since the band was looked at
    std::uint32_t columns[9];      // the digit's columns (see RestrictDigit) when its stacks were last paired
};

constexpr std::uint32_t kEveryBand = (1u << 27) - 1;  // every digit's every band, in Board::changed

// Without a branch: whether places change is as good as random to the processor.
void NoteChange(Board& board, int digit, int band, std::uint32_t kept)
{
    board.changed |= static_cast<std::uint32_t>(kept != board.places[band][digit]) << (digit * 3 + band);
    board.places[band][digit] = kept;
}

// Calls body(digit) for the digits 0..8, written out rather than looped, for the same reason.
template <class Body, int... Digits>
void ForEveryDigit(Body&& body, std::integer_sequence<int, Digits...>)
{
    (body(Digits), ...);
}

template <class Body>
void ForEveryDigit(Body&& body)
{
    ForEveryDigit(body, std::make_integer_sequence<int, 9>());
}

// A placed cell's digit leaves its peers; the other digits have already left the cell.
void Place(Board& board, int digit, int position)
{
    const auto& peers = kPeerCells[static_cast<size_t>(position)];
    for (int band = 0; band < 3; ++band)
        NoteChange(board, digit, band, board.places[band][digit] & ~peers[static_cast<size_t>(band)]);
    board.placed[BandOf(position)] |= BitOf(position);
}

// Four digits of a band side by side: a vector type of GCC and Clang, which the processor's
// vector instructions handle four lanes at a time.
using DigitLanes = std::uint32_t __attribute__((vector_size(16)));
constexpr int kVectorsPerBand = kDigitLanes / 4;
// Each lane's bit in Board::changed, for band 0.
constexpr DigitLanes kChangeBits[kVectorsPerBand] = {{1u << 0, 1u << 3, 1u << 6, 1u << 9},
                                                     {1u << 12, 1u << 15, 1u << 18, 1u << 21},
                                                     {1u << 24, 0, 0, 0}};

// Every digit but `digit` leaves the cells of the band, and is noted as changed where it held one:
// one vector operation for four digits, where the digits one by one took most of the time of a
// placement.
void LeaveCells(Board& board, int band, int digit, std::uint32_t cells)
{
    const std::uint32_t own = board.places[band][digit];
    DigitLanes before[kVectorsPerBand];
    std::memcpy(before, board.places[band], sizeof before);
    const DigitLanes kept[kVectorsPerBand] = {before[0] & ~cells, before[1] & ~cells, before[2] & ~cells};
    std::memcpy(board.places[band], kept, sizeof kept);
    board.places[band][digit] = own;
    const DigitLanes changes = (__builtin_convertvector(kept[0] != before[0], DigitLanes) & kChangeBits[0]) |
                               (__builtin_convertvector(kept[1] != before[1], DigitLanes) & kChangeBits[1]) |
                               (__builtin_convertvector(kept[2] != before[2], DigitLanes) & kChangeBits[2]);
    const DigitLanes halves = changes | __builtin_shufflevector(changes, changes, 2, 3, 0, 1);
    const DigitLanes all = halves | __builtin_shufflevector(halves, halves, 1, 0, 3, 2);
    const std::uint32_t noted = all[0] & ~(1u << (digit * 3));
    board.changed |= noted << band;
}

// The rules of one digit whose places changed in the given bands: in each of them its rows pair
// with the band's squares, and the cells left alone in their row hold it, so the other digits
// leave them. Then, when the digit's columns changed, the same pairing for each stack of three
// squares, between its bands and its columns. Each rule only clears places the pairing rules out,
// so the other rules' views of them stay sound. False when the digit has no place left in some
// row, column or square.
bool RestrictDigit(Board& board, int digit, unsigned bands)
{
    for (; bands != 0; bands &= bands - 1) {
        const int band = std::countr_zero(bands);
        const std::uint32_t cells = board.places[band][digit];
        const unsigned pattern = kRowSegments[cells & kRowCells] | kRowSegments[cells >> 9 & kRowCells] << 3 |
                                 kRowSegments[cells >> 18] << 6;
        const unsigned paired = kPairedSegments[pattern];
        if (paired == 0)
            return false;
        board.places[band][digit] = cells & kSegmentCells[paired];
        if (const std::uint32_t singles = RowSingles(board.places[band][digit]) & ~board.placed[band]; singles != 0) {
            board.placed[band] |= singles;
            LeaveCells(board, band, digit, singles);
        }
    }
    // The digit's columns band by band, bits band * 9 + column: the stacks are its squares.
    const std::uint32_t columns = ColumnsOf(board.places[0][digit]) | ColumnsOf(board.places[1][digit]) << 9 |
                                  ColumnsOf(board.places[2][digit]) << 18;
    if (columns == board.columns[digit])
        return true;
    std::uint32_t allowed = 0;
    for (int shift = 0; shift < 9; shift += 3) {
        const std::uint32_t stack = columns >> shift;
        const unsigned stackPaired = kPairedSegments[(stack & 7) | (stack >> 6 & 0x38) | (stack >> 12 & 0x1C0)];
        if (stackPaired == 0)
            return false;
        allowed |= ((stackPaired & 7) | (stackPaired & 0x38) << 6 | (stackPaired & 0x1C0) << 12) << shift;
    }
    for (int each = 0; each < 3; ++each)
        NoteChange(board, digit, each, board.places[each][digit] & (allowed >> (each * 9) & kRowCells) * kColumnInBand);
    board.columns[digit] = columns & allowed;
    return true;
}

// Every rule until none finds anything more: each changed digit's rules, then the cells left with
// one digit. A digit's only place in a column or square is, once its bands and stacks are paired,
// also the only one in its row, so the row singles find every hidden single. False on a
// contradiction.
bool Propagate(Board& board)
{
    for (;;) {
        while (board.changed != 0) {
            const int digit = std::countr_zero(board.changed) / 3;
            const unsigned bands = board.changed >> (digit * 3) & 7;
            board.changed &= ~(7u << (digit * 3));
            if (!RestrictDigit(board, digit, bands))
                return false;
        }
        for (int band = 0; band < 3; ++band) {
            std::uint32_t once = 0;
            std::uint32_t twice = 0;
            ForEveryDigit([&](int digit) {
                twice |= once & board.places[band][digit];
                once |= board.places[band][digit];
            });
            if (once != kBandCells)
                return false;
            for (std::uint32_t lone = once & ~twice & ~board.placed[band]; lone != 0; lone &= lone - 1) {
                const std::uint32_t bit = lone & (~lone + 1);
                // An earlier placement here may have taken the cell's last digit.
                int digit = 0;
                while (digit < 9 && (board.places[band][digit] & bit) == 0)
                    ++digit;
                if (digit == 9)
                    return false;
                Place(board, digit, band * 27 + std::countr_zero(bit));
            }
        }
        if (board.changed == 0)
            return true;
    }
}

// The bits set in three 27-bit words together, without a popcount instruction, which a portable
// build lacks.
constexpr int CountBits(std::uint32_t first, std::uint32_t second, std::uint32_t third)
{
    constexpr std::uint64_t kPairs = 0x5555555555555555;
    constexpr std::uint64_t kNibbles = 0x3333333333333333;
    constexpr std::uint64_t kBytes = 0x0F0F0F0F0F0F0F0F;
    const auto partial = [](std::uint64_t word) {
        word -= word >> 1 & kPairs;
        word = (word & kNibbles) + (word >> 2 & kNibbles);
        return (word + (word >> 4)) & kBytes;  // each byte at most 8
    };
    const std::uint64_t bytes = partial(first | std::uint64_t{second} << 32) + partial(third);
    return static_cast<int>((bytes * 0x0101010101010101) >> 56);
}

// The digits a position may hold, as a 9-bit mask.
unsigned DigitsAt(const Board& board, int position)
{
    const int band = BandOf(position);
    const std::uint32_t bit = BitOf(position);
    unsigned digits = 0;
    for (int digit = 0; digit < 9; ++digit)
        digits |= (board.places[band][digit] & bit) != 0 ? 1u << digit : 0;
    return digits;
}

// Where to branch: the ways a part of the board can be filled, each a digit in a position. Every
// solution takes exactly one of them, so the solutions below them add up to those of the board.
struct Branch {
    std::uint8_t positions[9];
    std::uint8_t digits[9];  // digit - 1
    int count = 0;           // 0 when every cell is placed, -1 when there is no way

    void Add(int position, int digit)
    {
        positions[count] = static_cast<std::uint8_t>(position);
        digits[count] = static_cast<std::uint8_t>(digit);
        ++count;
    }
};

// The cells with two digits, per band.
std::array<std::uint32_t, 3> TwoDigitCells(const Board& board)
{
    std::array<std::uint32_t, 3> pairs{};
    for (int band = 0; band < 3; ++band) {
        std::uint32_t once = 0;
        std::uint32_t twice = 0;
        std::uint32_t thrice = 0;
        ForEveryDigit([&](int digit) {
            thrice |= twice & board.places[band][digit];
            twice |= once & board.places[band][digit];
            once |= board.places[band][digit];
        });
        pairs[static_cast<size_t>(band)] = twice & ~thrice;
    }
    return pairs;
}

// Beyond this many cells with two digits, the board is nearly settled: scoring them would cost
// more than a better choice among them saves.
constexpr int kMostScoredPairs = 16;

// Of the open cells with two digits, the one whose digits most often stand among its peers, so
// that either choice clears most; a peer with two digits counts three times, as either choice
// then places a digit there at once, whose own peers go on the clearing. When there are many, the
// first of them. -1 when there is none.
int ChooseTwoDigitCell(const Board& board)
{
    const auto pairs = TwoDigitCells(board);
    if (CountBits(pairs[0], pairs[1], pairs[2]) > kMostScoredPairs) {
        const int band = pairs[0] != 0 ? 0 : pairs[1] != 0 ? 1 : 2;
        return band * 27 + std::countr_zero(pairs[band]);
    }
    int cleared[kPositions];
    for (int band = 0; band < 3; ++band) {
        for (std::uint32_t cells = pairs[band]; cells != 0; cells &= cells - 1)
            cleared[band * 27 + std::countr_zero(cells)] = 0;
    }
    for (int digit = 0; digit < 9; ++digit) {
        const std::uint32_t places[3] = {board.places[0][digit], board.places[1][digit], board.places[2][digit]};
        for (int band = 0; band < 3; ++band) {
            for (std::uint32_t cells = pairs[band] & places[band]; cells != 0; cells &= cells - 1) {
                const int position = band * 27 + std::countr_zero(cells);
                const auto& peers = kPeerCells[static_cast<size_t>(position)];
                const std::uint32_t near[3] = {places[0] & peers[0], places[1] & peers[1], places[2] & peers[2]};
                cleared[position] += CountBits(near[0], near[1], near[2]) +
                                     2 * CountBits(near[0] & pairs[0], near[1] & pairs[1], near[2] & pairs[2]);
            }
        }
    }
    int best = -1;
    int mostCleared = -1;
    for (int band = 0; band < 3; ++band) {
        for (std::uint32_t cells = pairs[band]; cells != 0; cells &= cells - 1) {
            const int position = band * 27 + std::countr_zero(cells);
            if (cleared[position] > mostCleared) {
                mostCleared = cleared[position];
                best = position;
            }
        }
    }
    return best;
}

// Every crowded group of sets has at most four members together, or leaves, in the same unit seen
// the other way round (cells for digits, digits for cells), a crowded one that has. Singles are
// placed already.
constexpr int kCrowdedMembers = 4;
// Tight groups cost more to look for the more members they have: the digit sets of two cells or
// digits are the ones worth it.
constexpr int kTightMembers = 2;

// Extends a group (of `size` sets with `together` members, bit i for sets[i] in `group`) by the
// sets from `next` on, depth first, as long as the members stay at most `most`.
template <class Tight>
bool ExtendGroup(const unsigned (&sets)[9], int most, int next, unsigned group, unsigned together, int size,
                 Tight& tight)
{
    for (int index = next; index < 9; ++index) {
        const unsigned joined = together | sets[index];
        const int members = kBitCounts[joined];
        if (members > most || kBitCounts[sets[index]] < 2)
            continue;
        if (members <= size)
            return false;
        const unsigned extended = group | 1u << index;
        if (members == size + 1)
            tight(extended, joined);
        if (!ExtendGroup(sets, most, index + 1, extended, joined, size + 1, tight))
            return false;
    }
    return true;
}

// Looks through the groups among nine sets (the digits of a unit's cells, or the places of its
// digits) with at most `most` members together. False when a group is crowded: its sets together
// have fewer members than it has sets. Otherwise calls tight(group, members) for every group whose
// sets together have exactly as many members as it has sets (group: bit i for sets[i]).
template <class Tight>
bool ForEachTightGroup(const unsigned (&sets)[9], int most, Tight&& tight)
{
    return ExtendGroup(sets, most, 0, 0, 0, 0, tight);
}

// For every column, row and square: the digits of its cells (in the unit's order) and the places
// of its digits.
struct UnitView {
    unsigned options[9];
    unsigned places[9];
};

UnitView ViewUnit(const unsigned (&digits)[kCellCount], const std::array<int, 9>& cells)
{
    UnitView view{};
    for (int place = 0; place < 9; ++place) {
        view.options[place] = digits[cells[static_cast<size_t>(place)]];
        for (unsigned left = view.options[place]; left != 0; left &= left - 1)
            view.places[std::countr_zero(left)] |= 1u << place;
    }
    return view;
}

void DigitsByCell(const Board& board, unsigned (&digits)[kCellCount])
{
    for (int cell = 0; cell < kCellCount; ++cell)
        digits[cell] = DigitsAt(board, cell);
}

// True when in every column, row and square no group of digits has fewer places than it has
// digits. The singles and the pairings miss, say, three digits of a square left with two cells
// between them; while the board is sparse, nothing near such a spot forces a choice, and a search
// that does not branch there would meet it again below every other choice. The places are read
// off the digits' bit sets directly: rows as they stand, squares and columns gathered.
bool EveryUnitCanBeFilled(const Board& board)
{
    unsigned places[kUnitCount][9] = {};  // rows, columns, squares; [unit][digit - 1]
    for (int digit = 0; digit < 9; ++digit) {
        for (int band = 0; band < 3; ++band) {
            const std::uint32_t cells = board.places[band][digit];
            for (int third = 0; third < 3; ++third) {
                places[band * 3 + third][digit] = cells >> (third * 9) & kRowCells;
                const std::uint32_t square = cells >> (third * 3);
                places[18 + band * 3 + third][digit] = (square & 7) | (square >> 6 & 0x38) | (square >> 12 & 0x1C0);
            }
            for (int column = 0; column < 9; ++column) {
                const std::uint32_t down = cells >> column;
                places[9 + column][digit] |= ((down & 1) | (down >> 8 & 2) | (down >> 16 & 4)) << (band * 3);
            }
        }
    }
    const auto ignore = [](unsigned, unsigned) {};
    for (const auto& unit : places) {
        if (!ForEachTightGroup(unit, kCrowdedMembers, ignore))
            return false;
    }
    return true;
}

// The positions of a unit's cells selected by `places` (bit i for its i-th cell), per band.
std::array<std::uint32_t, 3> PositionsOf(const std::array<int, 9>& cells, unsigned places)
{
    std::array<std::uint32_t, 3> positions{};
    for (; places != 0; places &= places - 1) {
        const int position = cells[static_cast<size_t>(std::countr_zero(places))];
        positions[static_cast<size_t>(BandOf(position))] |= BitOf(position);
    }
    return positions;
}

// Digit sets: n cells of a unit that hold n digits between them keep those digits from the unit's
// other cells, and n digits with n places between them keep the other digits from those places.
// The explained search reasons so before it guesses, so a count that does the same first needs
// no search on the puzzles it solves by reasoning. False on a crowded group.
bool ClearDigitSets(Board& board)
{
    unsigned digits[kCellCount];
    DigitsByCell(board, digits);
    for (const auto& cells : kUnitCells) {
        const UnitView view = ViewUnit(digits, cells);
        const auto clearOtherCells = [&](unsigned group, unsigned members) {
            unsigned elsewhere = 0;
            for (unsigned left = members; left != 0; left &= left - 1)
                elsewhere |= view.places[std::countr_zero(left)] & ~group;
            if (elsewhere == 0)
                return;
            const auto others = PositionsOf(cells, elsewhere);
            for (; members != 0; members &= members - 1) {
                for (int band = 0; band < 3; ++band) {
                    const int digit = std::countr_zero(members);
                    NoteChange(board, digit, band, board.places[band][digit] & ~others[static_cast<size_t>(band)]);
                }
            }
        };
        const auto clearOtherDigits = [&](unsigned group, unsigned members) {
            unsigned mixed = 0;
            for (unsigned left = members; left != 0; left &= left - 1)
                mixed |= (view.options[std::countr_zero(left)] & ~group) != 0 ? 1u << std::countr_zero(left) : 0;
            if (mixed == 0)
                return;
            const auto held = PositionsOf(cells, mixed);
            for (unsigned others = kAllDigits & ~group; others != 0; others &= others - 1) {
                for (int band = 0; band < 3; ++band) {
                    const int digit = std::countr_zero(others);
                    NoteChange(board, digit, band, board.places[band][digit] & ~held[static_cast<size_t>(band)]);
                }
            }
        };
        if (!ForEachTightGroup(view.options, kTightMembers, clearOtherCells) ||
            !ForEachTightGroup(view.places, kTightMembers, clearOtherDigits))
            return false;
    }
    return true;
}

// Boards with fewer placed cells than this are checked for units that cannot be filled: only
// there can the search wander long without meeting such a unit's contradiction.
constexpr int kSparse = 35;

// The open cells with the fewest digits, at least `fewest`, per band; none when every cell is
// placed.
std::array<std::uint32_t, 3> FewestDigitCells(const Board& board, unsigned fewest)
{
    // Every open cell's count of digits, as four bit sets per band (bit i of the count in count[i]).
    std::uint32_t count[3][4] = {};
    for (int band = 0; band < 3; ++band) {
        ForEveryDigit([&](int digit) {
            std::uint32_t carry = board.places[band][digit];
            for (std::uint32_t& bit : count[band]) {
                const std::uint32_t next = bit & carry;
                bit ^= carry;
                carry = next;
            }
        });
    }
    for (; fewest <= 9; ++fewest) {
        std::array<std::uint32_t, 3> cells{};
        for (int band = 0; band < 3; ++band) {
            cells[static_cast<size_t>(band)] = kBandCells & ~board.placed[band];
            for (unsigned bit = 0; bit < 4; ++bit)
                cells[static_cast<size_t>(band)] &= (fewest >> bit & 1) != 0 ? count[band][bit] : ~count[band][bit];
        }
        if ((cells[0] | cells[1] | cells[2]) != 0)
            return cells;
    }
    return {};
}

// The ways of one open cell: its digits from 1 up.
Branch BranchOn(const Board& board, int position)
{
    Branch branch;
    for (unsigned digits = DigitsAt(board, position); digits != 0; digits &= digits - 1)
        branch.Add(position, std::countr_zero(digits));
    return branch;
}

// A cell with two digits; else the first open cell with the fewest digits. No way at all when the
// board is full, or found to have no solution.
Branch ChooseBranch(const Board& board)
{
    if (const int position = ChooseTwoDigitCell(board); position >= 0)
        return BranchOn(board, position);
    if (CountBits(board.placed[0], board.placed[1], board.placed[2]) < kSparse && !EveryUnitCanBeFilled(board)) {
        Branch none;
        none.count = -1;
        return none;
    }
    const auto cells = FewestDigitCells(board, 3);
    for (int band = 0; band < 3; ++band) {
        if (cells[static_cast<size_t>(band)] != 0)
            return BranchOn(board, band * 27 + std::countr_zero(cells[static_cast<size_t>(band)]));
    }
    return Branch{};
}

// Of the open cells with the fewest digits, the first in the explained search's order (column by
// column): where it would guess, were its board this one. -1 when every cell is placed.
int FirstFewestInCellOrder(const Board& board)
{
    auto cells = TwoDigitCells(board);
    if ((cells[0] | cells[1] | cells[2]) == 0)
        cells = FewestDigitCells(board, 3);
    for (int column = 0; column < 9; ++column) {
        for (int band = 0; band < 3; ++band) {
            if (const std::uint32_t down = cells[static_cast<size_t>(band)] >> column & kColumnInBand; down != 0)
                return band * 27 + column + std::countr_zero(down);
        }
    }
    return -1;
}

// The first node limit of a search for one solution. Counts run without limit: they mostly
// settle a board with one solution or none, where every order must search the whole tree and a
// run cut short is only lost work.
constexpr long kFirstNodeLimit = 1000;

// How many nodes below a first cell branch where the explained search would. A board with
// several solutions mostly shows two within them, and the first then holds the digits of the
// explained search's next guesses more often, which spares it looks for smaller ones. A board
// with one solution has its whole tree searched, which the finder's own choices keep smaller.
constexpr long kNodesInCellOrder = 8;

struct Search {
    int limit;
    bool descending;  // try the digits from 9 down instead of from 1 up
    long nodesLeft;   // the search gives up when they run out
    std::uint8_t (&solution)[kPositions];
    int firstPosition = -1;  // branched on first, digits from 1 up, when open; -1 for none
    long nodesInCellOrder = firstPosition < 0 ? 0 : kNodesInCellOrder;
    int found = 0;
    bool gaveUp = false;

    // The first branch on firstPosition, when it is still open; then for a few nodes where the
    // explained search would branch; the finder's own choice after.
    Branch BranchAt(const Board& board)
    {
        const int position = std::exchange(firstPosition, -1);
        if (position >= 0 && (board.placed[BandOf(position)] & BitOf(position)) == 0)
            return BranchOn(board, position);
        if (--nodesInCellOrder < 0)
            return ChooseBranch(board);
        const int next = FirstFewestInCellOrder(board);
        return next < 0 ? Branch{} : BranchOn(board, next);
    }

    bool Done() const { return found >= limit || gaveUp; }

    // Adds the solutions below this board to `found`, stopping at `limit`; the first one is written.
    void Solve(Board& board)
    {
        if (--nodesLeft < 0) {
            gaveUp = true;
            return;
        }
        if (!Propagate(board))
            return;
        const bool atFirstPosition = firstPosition >= 0;
        const Branch branch = BranchAt(board);
        if (branch.count < 0)
            return;
        if (branch.count == 0) {
            if (found++ == 0) {
                for (int digit = 0; digit < 9; ++digit) {
                    for (int band = 0; band < 3; ++band) {
                        for (std::uint32_t cells = board.places[band][digit]; cells != 0; cells &= cells - 1)
                            solution[band * 27 + std::countr_zero(cells)] = static_cast<std::uint8_t>(digit + 1);
                    }
                }
            }
            return;
        }
        const auto tryWay = [&](int way) {
            const int position = branch.positions[way];
            const int digit = branch.digits[way];
            Board trial = board;
            LeaveCells(trial, BandOf(position), digit, BitOf(position));
            Place(trial, digit, position);
            Solve(trial);
        };
        for (int step = 0; step < branch.count && !Done(); ++step)
            tryWay(descending && !atFirstPosition ? branch.count - 1 - step : step);
    }
};

// The board of the candidates, its rules applied. False when they already
// show it has no solution.
bool Prepare(const std::uint16_t (&candidates)[81], bool digitSetsFirst, Board& start)
{
    // Each digit's places, cell by cell: on a sparse board, as a puzzle is given, every digit
    // everywhere less the few a cell lacks; on one that reasoning has narrowed, none but the few
    // digits a cell has. The count that decides costs a fraction of either.
    int candidateCount = 0;
    for (const std::uint16_t digits : candidates) {
        if ((digits & kAllDigits) == 0)
            return false;
        candidateCount += kBitCounts[digits & kAllDigits];
    }
    const bool sparse = 2 * candidateCount > kCellCount * 9;
    start = Board{};
    if (sparse) {
        for (auto& places : start.places)
            std::fill(places, places + 9, kBandCells);
    }
    start.changed = kEveryBand;
    std::fill(std::begin(start.columns), std::end(start.columns), ~std::uint32_t{0});
    for (int cell = 0; cell < kCellCount; ++cell) {
        const unsigned digits = candidates[cell] & kAllDigits;
        auto& places = start.places[BandOf(cell)];
        if (sparse) {
            for (unsigned absent = kAllDigits & ~digits; absent != 0; absent &= absent - 1)
                places[std::countr_zero(absent)] &= ~BitOf(cell);
        } else {
            for (unsigned present = digits; present != 0; present &= present - 1)
                places[std::countr_zero(present)] |= BitOf(cell);
        }
    }
    // Cells given a single digit are placed before the rules run, which then start from a board
    // without their digits among their peers. The digit sets are looked for once, here, where they
    // cost little beside the search they can spare.
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (IsSingleBit(candidates[cell] & kAllDigits))
            Place(start, std::countr_zero(static_cast<unsigned>(candidates[cell])), cell);
    }
    if (!Propagate(start))
        return false;
    if (digitSetsFirst && (start.placed[0] & start.placed[1] & start.placed[2]) != kBandCells)
        return ClearDigitSets(start) && Propagate(start);
    return true;
}

// The board prepared for the last look, kept for the next. The explained search looks again at
// each guess, on the board of the last look less some candidates; from the kept board such a
// board needs only the candidates it lost cleared, where preparing afresh would take every cell
// and every rule again. That is sound for any board whose candidates are among the kept board's:
// what preparing ruled out, no solution of the kept board holds, and so none of this one.
struct KeptBoard {
    std::uint16_t candidates[kCellCount];
    Board board;
    bool valid = false;
};

thread_local KeptBoard tKept;

// The board of the candidates as Prepare gives it, from the kept board when it can; keeps the
// result for the next look.
bool PrepareFromLastLook(const std::uint16_t (&candidates)[81], bool digitSetsFirst, Board& start)
{
    bool narrowed = tKept.valid && !digitSetsFirst;
    for (int cell = 0; cell < kCellCount && narrowed; ++cell)
        narrowed = (candidates[cell] & ~tKept.candidates[cell]) == 0;
    if (narrowed) {
        start = tKept.board;
        for (int cell = 0; cell < kCellCount; ++cell) {
            const unsigned lost = (tKept.candidates[cell] & ~candidates[cell]) & kAllDigits;
            if (lost == 0)
                continue;
            if ((candidates[cell] & kAllDigits) == 0)
                return false;
            const int band = BandOf(cell);
            for (unsigned digits = lost; digits != 0; digits &= digits - 1) {
                const int digit = std::countr_zero(digits);
                NoteChange(start, digit, band, start.places[band][digit] & ~BitOf(cell));
            }
        }
        if (!Propagate(start))
            return false;
    } else if (!Prepare(candidates, digitSetsFirst, start)) {
        return false;
    }
    std::copy(std::begin(candidates), std::end(candidates), tKept.candidates);
    tKept.board = start;
    tKept.valid = true;
    return true;
}

// Counts the solutions below a prepared board as CountSolutions does. With a first cell, the search branches there first, its
// digits from 1 up, so the solution written holds the smallest digit it can, and then for a few
// nodes where the explained search would.
int CountFrom(const Board& start, int limit, std::uint8_t (&solution)[81], int firstCell = -1)
{
    // A depth-first search for one solution can spend long below one early choice that leads
    // nowhere, when a solution lies below another. So it runs with a node limit, from the same
    // start in the two digit orders by turns, the limit doubling each round: a search that
    // completes proves as much as one without limit, and the rounds before it cost at most about
    // as much again.
    std::uint8_t found[kPositions];  // written to the caller's only once a search completes
    constexpr long kNoLimit = std::numeric_limits<long>::max();
    for (long nodes = limit == 1 ? kFirstNodeLimit : kNoLimit;; nodes = std::min(nodes, kNoLimit / 2) * 2) {
        for (const bool descending : {false, true}) {
            Search search{limit, descending, nodes, found, firstCell};
            Board board = start;
            search.Solve(board);
            if (search.gaveUp)
                continue;
            if (search.found > 0)
                std::copy(std::begin(found), std::end(found), solution);
            return search.found;
        }
    }
}

}  // namespace

int CountSolutions(const std::uint16_t (&candidates)[81], int limit, std::uint8_t (&solution)[81],
                   bool digitSetsFirst)
{
    Board start;
    return PrepareFromLastLook(candidates, digitSetsFirst, start) ? CountFrom(start, limit, solution) : 0;
}

int CountSolutionsSmallestFirst(const std::uint16_t (&candidates)[81], int limit, int cell,
                                std::uint8_t (&solution)[81])
{
    Board start;
    return PrepareFromLastLook(candidates, false, start) ? CountFrom(start, limit, solution, cell) : 0;
}

int SmallestDigitWithSolution(const std::uint16_t (&candidates)[81], int cell, std::uint8_t (&solution)[81])
{
    // One search, which branches on the cell first, its digits below the one in hand from 1 up:
    // the first solution it finds has the smallest. Then it branches where the explained search
    // would for a while (see kNodesInCellOrder), digits from 1 up, not near the solution in hand.
    const unsigned below = (1u << (solution[cell] - 1)) - 1;
    Board trial;
    if ((candidates[cell] & below) == 0 || !PrepareFromLastLook(candidates, false, trial))
        return solution[cell];
    for (unsigned other = kAllDigits & ~below; other != 0; other &= other - 1)
        NoteChange(trial, std::countr_zero(other), BandOf(cell),
                   trial.places[BandOf(cell)][std::countr_zero(other)] & ~BitOf(cell));
    CountFrom(trial, 1, solution, cell);
    return solution[cell];
}

}  // namespace solutions
