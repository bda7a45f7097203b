// Fixed facts of the 9x9 grid as lookup tables for the solver's inner loops.
//
// A cell index is x * 9 + y, so ascending cell indices visit the cells in board order (x-major),
// the order in which the rules scan. Units are numbered 0..8 for columns x, 9..17 for rows y and
// 18..26 for squares; a unit lists its cells in scan order: a column by y, a row by x, a square
// x-major (x ascending, y ascending within each x).
#pragma once

#include "DigitMask.h"
#include "GridUnits.h"
#include "Puzzle.h"

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

namespace grid {

using ::kAllDigits;
using ::kBitCounts;
using ::kCellCount;
using ::kUnitCount;

constexpr int CellIndex(int x, int y) { return x * 9 + y; }
constexpr int CellX(int cell) { return cell / 9; }
constexpr int CellY(int cell) { return cell % 9; }
// 0 column, 1 row, 2 square: the unit kinds of the step sentences.
constexpr int UnitKindOf(int unit) { return unit / 9; }
using ::IsSingleBit;

// The three units of a cell and the cell's place (0..8) in the scan order of each, as a bit and as
// the mask of the other places (16 bits wide, to clear the place from a 16-bit mask in one AND).
// Sixteen bytes, so that an entry is found with a shift.
struct CellUnits {
    std::uint8_t unit[3];  // column, row, square
    std::uint16_t placeBit[3];
    std::uint16_t otherPlaces[3];
};
static_assert(sizeof(CellUnits) == 16);

// A digit's places, indexed by unit, with one slot of padding: seven 64-bit words, four units
// each, which LeavePeerPlaces clears at once.
constexpr int kPlaceSlots = 28;
constexpr int kPlaceWords = kPlaceSlots / 4;
using UnitPlaces = std::uint16_t[kPlaceSlots];

// Takes a cell out of a digit's places (indexed by unit) in its three units.
inline void LeavePlaces(std::uint16_t* places, const CellUnits& units)
{
    places[units.unit[0]] &= units.otherPlaces[0];
    places[units.unit[1]] &= units.otherPlaces[1];
    places[units.unit[2]] &= units.otherPlaces[2];
}

// Puts a cell into a mask of places (indexed by unit) in its three units.
inline void JoinPlaces(std::uint16_t* places, const CellUnits& units)
{
    places[units.unit[0]] |= units.placeBit[0];
    places[units.unit[1]] |= units.placeBit[1];
    places[units.unit[2]] |= units.placeBit[2];
}

constexpr std::array<CellUnits, kCellCount> MakeCellUnits()
{
    std::array<CellUnits, kCellCount> table{};
    for (int x = 0; x < 9; ++x) {
        for (int y = 0; y < 9; ++y) {
            CellUnits& units = table[CellIndex(x, y)];
            units.unit[0] = static_cast<std::uint8_t>(x);
            units.unit[1] = static_cast<std::uint8_t>(9 + y);
            units.unit[2] = static_cast<std::uint8_t>(18 + (y / 3) * 3 + x / 3);
            const int places[3] = {y, x, (x % 3) * 3 + y % 3};
            for (int kind = 0; kind < 3; ++kind) {
                units.placeBit[kind] = static_cast<std::uint16_t>(1u << places[kind]);
                units.otherPlaces[kind] = static_cast<std::uint16_t>(~units.placeBit[kind]);
            }
        }
    }
    return table;
}

constexpr std::array<std::array<std::uint8_t, 9>, kUnitCount> MakeUnitCells()
{
    std::array<std::array<std::uint8_t, 9>, kUnitCount> table{};
    const std::array<CellUnits, kCellCount> cellUnits = MakeCellUnits();
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (int kind = 0; kind < 3; ++kind) {
            const CellUnits& units = cellUnits[cell];
            table[units.unit[kind]][std::countr_zero(units.placeBit[kind])] = static_cast<std::uint8_t>(cell);
        }
    }
    return table;
}

// Every cell's peers as a set of cells (CellSet.h): bit cell & 63 of word cell >> 6.
constexpr std::array<std::array<std::uint64_t, 2>, kCellCount> MakePeerSets()
{
    std::array<std::array<std::uint64_t, 2>, kCellCount> table{};
    const std::array<CellUnits, kCellCount> cellUnits = MakeCellUnits();
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (int other = 0; other < kCellCount; ++other) {
            const bool sharesUnit = cellUnits[cell].unit[0] == cellUnits[other].unit[0] ||
                                    cellUnits[cell].unit[1] == cellUnits[other].unit[1] ||
                                    cellUnits[cell].unit[2] == cellUnits[other].unit[2];
            if (other != cell && sharesUnit)
                table[cell][other >> 6] |= std::uint64_t{1} << (other & 63);
        }
    }
    return table;
}

// For every cell, the places in every unit that are not one of its peers (padding kept).
constexpr std::array<std::array<std::uint16_t, kPlaceSlots>, kCellCount> MakeNonPeerPlaces()
{
    std::array<std::array<std::uint16_t, kPlaceSlots>, kCellCount> table{};
    const std::array<CellUnits, kCellCount> cellUnits = MakeCellUnits();
    const std::array<std::array<std::uint64_t, 2>, kCellCount> peerSets = MakePeerSets();
    for (int cell = 0; cell < kCellCount; ++cell) {
        table[cell].fill(0xFFFF);
        for (int peer = 0; peer < kCellCount; ++peer) {
            if ((peerSets[cell][peer >> 6] >> (peer & 63) & 1) == 0)
                continue;
            for (int kind = 0; kind < 3; ++kind)
                table[cell][cellUnits[peer].unit[kind]] &= cellUnits[peer].otherPlaces[kind];
        }
    }
    return table;
}

constexpr std::array<std::uint32_t, kCellCount> MakeCellUnitMasks()
{
    std::array<std::uint32_t, kCellCount> table{};
    const std::array<CellUnits, kCellCount> cellUnits = MakeCellUnits();
    for (int cell = 0; cell < kCellCount; ++cell) {
        for (const std::uint8_t unit : cellUnits[cell].unit)
            table[cell] |= std::uint32_t{1} << unit;
    }
    return table;
}

inline constexpr std::array<CellUnits, kCellCount> kCellUnits = MakeCellUnits();
// The three units of each cell as a 27-bit mask, bit u for unit u.
inline constexpr std::array<std::uint32_t, kCellCount> kCellUnitMasks = MakeCellUnitMasks();
inline constexpr std::array<std::array<std::uint8_t, 9>, kUnitCount> kUnitCells = MakeUnitCells();
// Every cell's 20 peers.
inline constexpr std::array<std::array<std::uint64_t, 2>, kCellCount> kPeerSets = MakePeerSets();
inline constexpr std::array<std::array<std::uint16_t, kPlaceSlots>, kCellCount> kNonPeerPlaces =
    MakeNonPeerPlaces();

// Takes every peer of a cell out of a digit's places; those of peers without the digit are clear
// already. Seven word-wide ANDs over every unit cost less than three updates for each peer.
inline void LeavePeerPlaces(UnitPlaces& places, int cell)
{
    std::uint64_t words[kPlaceWords];
    std::uint64_t keptWords[kPlaceWords];
    std::memcpy(words, places, sizeof words);
    std::memcpy(keptWords, kNonPeerPlaces[static_cast<size_t>(cell)].data(), sizeof keptWords);
    words[0] &= keptWords[0];
    words[1] &= keptWords[1];
    words[2] &= keptWords[2];
    words[3] &= keptWords[3];
    words[4] &= keptWords[4];
    words[5] &= keptWords[5];
    words[6] &= keptWords[6];
    std::memcpy(places, words, sizeof words);
}

}  // namespace grid
