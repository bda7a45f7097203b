// The explained search of either engine on one puzzle, and everything that came out of it: what the
// benchmark times and the equivalence tests compare between the two engines. (All that "Set Su
// Doku" does, with the count and the rating, is SolvePuzzle in model/.)
#pragma once

#include <string>
#include <vector>

struct SolveTranscript {
    enum class Result { Solved, Unsolvable, Inconsistent } result = Result::Inconsistent;
    int level = 0;
    std::string board;  // row by row: the digit, '.' for -1, '!' for -2
    std::vector<std::string> steps;

    bool operator==(const SolveTranscript&) const = default;
};

// Board is CSuDokuBoard or reference::CSuDokuBoard: both have the same operations and fields.
// A puzzle that repeats a digit is refused before any search, as the window refuses it.
template <class Board>
void Solve(const int values[81], Board& board, SolveTranscript& transcript)
{
    transcript.steps.clear();
    board.Load(values);
    if (!board.IsConsistent())
        transcript.result = SolveTranscript::Result::Inconsistent;
    else if (board.Search(transcript.steps))
        transcript.result = SolveTranscript::Result::Solved;
    else
        transcript.result = SolveTranscript::Result::Unsolvable;
}

// Fills in the level and board of a transcript from the board the search left.
template <class Board>
void RecordBoard(const Board& board, SolveTranscript& transcript)
{
    transcript.level = board.m_nGuessLevel;
    transcript.board.clear();
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const int value = board.GetValueRowCol(row, column);
            transcript.board += value == -2 ? '!' : (value >= 1 && value <= 9 ? static_cast<char>('0' + value) : '.');
        }
    }
}
