// Solves the puzzles the reader finds, several at a time on as many threads as asked, and writes
// the results and the input's error messages in input order, exactly as one thread would.
#pragma once

#include "PuzzleInput.h"
#include "ResultOutput.h"
#include "SolveReport.h"

#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

enum class OutputFormat { Text, Json, Csv };

struct BatchOptions {
    OutputFormat format = OutputFormat::Text;
    bool steps = false;   // text only: the sentences after the verdicts
    bool trace = false;   // JSON only: the board after every step
    bool strict = false;  // a puzzle with several solutions counts as not solved
    bool techniques = false;  // the technique path as the explanation, with its difficulty
    unsigned jobs = 1;
};

class BatchSolver : public PuzzleReceiver {
public:
    BatchSolver(const BatchOptions& options, ResultOutput& output, std::ostream& errors);

    void OnPuzzle(const Puzzle& puzzle) override;
    void OnError(const std::string& message) override;
    void OnInputWait() override;
    // Solves and writes what is still pending, and flushes the output.
    void Finish();

    // 0 every puzzle solved, 1 some not (with strict: or not unique), 2 an input error.
    int ExitStatus() const;
    // One line: the puzzles per result and per rating, and the puzzles per second.
    std::string Summary(double seconds) const;

private:
    // One puzzle or one error message, in input order.
    struct Entry {
        bool isError = false;
        Puzzle puzzle;
        long number = 0;
        std::string text;  // the error message, or the puzzle's output once solved
        SolveResult result = SolveResult::Solved;
        bool unique = false;
        std::optional<Difficulty> rating;
    };

    Entry& NextEntry();
    void SolvePending();
    void SolveEntry(Entry& entry, SolveOutcome& outcome) const;
    void SolveEntryWithTechniques(Entry& entry, const SolveOutcome& outcome) const;
    void WritePending();

    BatchOptions m_options;
    ResultOutput& m_output;
    std::ostream& m_errors;
    // Entries are reused from one batch to the next, so their strings keep their capacity.
    std::vector<Entry> m_entries;
    size_t m_pending = 0;
    size_t m_batchSize = 0;  // puzzles solved together
    long m_puzzleCount = 0;
    bool m_inputError = false;
    bool m_someNotSolved = false;
    std::array<long, 3> m_results{};  // by SolveResult
    std::array<long, 4> m_ratings{};  // by Difficulty
    long m_unique = 0;
};
