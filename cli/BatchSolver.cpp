#include "BatchSolver.h"

#include "ParallelTasks.h"
#include "TechniqueReport.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

namespace {

// Puzzles solved together before their results are written: per thread, enough to keep it busy
// between two waits, and few enough that their results are still in the processor's cache when
// they are written (a puzzle's JSON runs to a few kilobytes); in all, few enough that a
// million-line input never sits in memory.
constexpr size_t kPuzzlesPerJob = 128;
constexpr size_t kMostPuzzlesTogether = 1024;

}  // namespace

BatchSolver::BatchSolver(const BatchOptions& options, ResultOutput& output, std::ostream& errors)
    : m_options(options), m_output(output), m_errors(errors)
{
    m_options.jobs = std::max(m_options.jobs, 1u);
    m_batchSize = std::min(kPuzzlesPerJob * m_options.jobs, kMostPuzzlesTogether);
    if (m_options.format == OutputFormat::Csv && m_options.techniques) {
        std::string header = kCsvHeader;
        header.insert(header.size() - 1, kTechniqueCsvColumns);
        m_output.Write(header);
    } else if (m_options.format == OutputFormat::Csv) {
        m_output.Write(kCsvHeader);
    }
}

BatchSolver::Entry& BatchSolver::NextEntry()
{
    if (m_pending == m_entries.size())
        m_entries.emplace_back();
    return m_entries[m_pending++];
}

void BatchSolver::OnPuzzle(const Puzzle& puzzle)
{
    Entry& entry = NextEntry();
    entry.isError = false;
    entry.puzzle = puzzle;
    entry.number = ++m_puzzleCount;
    if (m_pending == m_batchSize)
        SolvePending();
}

void BatchSolver::OnError(const std::string& message)
{
    Entry& entry = NextEntry();
    entry.isError = true;
    entry.text = message;
    if (m_pending == m_batchSize)
        SolvePending();
}

void BatchSolver::OnInputWait()
{
    SolvePending();
    m_output.Flush();
}

void BatchSolver::Finish()
{
    SolvePending();
    m_output.Flush();
}

void BatchSolver::SolveEntry(Entry& entry, SolveOutcome& outcome) const
{
    SolvePuzzle(entry.puzzle, outcome);
    entry.result = outcome.result;
    entry.unique = outcome.solutionCount == 1;
    entry.rating = outcome.rating;
    entry.text.clear();
    if (m_options.techniques) {
        SolveEntryWithTechniques(entry, outcome);
        return;
    }
    switch (m_options.format) {
    case OutputFormat::Text:
        if (entry.number > 1)
            entry.text += '\n';
        AppendText(entry.text, outcome, m_options.steps);
        break;
    case OutputFormat::Json:
        AppendJson(entry.text, outcome, m_options.trace);
        break;
    case OutputFormat::Csv:
        AppendCsv(entry.text, entry.number, outcome);
        break;
    }
}

void BatchSolver::SolveEntryWithTechniques(Entry& entry, const SolveOutcome& outcome) const
{
    const technique::Explanation explanation = technique::ExplainPuzzle(entry.puzzle);
    switch (m_options.format) {
    case OutputFormat::Text:
        if (entry.number > 1)
            entry.text += '\n';
        AppendText(entry.text, outcome, false);
        AppendTechniqueDifficulty(entry.text, explanation);
        if (m_options.steps)
            AppendTechniqueSentences(entry.text, explanation);
        break;
    case OutputFormat::Json:
        AppendJson(entry.text, outcome, m_options.trace);
        // The object's closing brace and line break come after the technique fields.
        entry.text.resize(entry.text.size() - 2);
        AppendTechniqueJson(entry.text, explanation);
        entry.text += "}\n";
        break;
    case OutputFormat::Csv:
        AppendCsv(entry.text, entry.number, outcome);
        entry.text.pop_back();
        AppendTechniqueCsv(entry.text, explanation);
        entry.text += '\n';
        break;
    }
}

void BatchSolver::SolvePending()
{
    // The engine keeps no state between solves, so the threads share nothing but the entries
    // they write one each.
    RunParallelTasks(m_pending, m_options.jobs, [this](std::size_t i, SolveOutcome& outcome) {
        if (!m_entries[i].isError)
            SolveEntry(m_entries[i], outcome);
    });
    WritePending();
}

void BatchSolver::WritePending()
{
    for (size_t i = 0; i < m_pending; ++i) {
        const Entry& entry = m_entries[i];
        if (entry.isError) {
            // Everything before the message is out first, so that the two read in order.
            m_output.Flush();
            m_errors << "orvandel-solve: " << entry.text << '\n';
            m_inputError = true;
            continue;
        }
        m_output.Write(entry.text);
        ++m_results[static_cast<size_t>(entry.result)];
        if (entry.rating)
            ++m_ratings[static_cast<size_t>(*entry.rating)];
        m_unique += entry.unique ? 1 : 0;
        if (entry.result != SolveResult::Solved || (m_options.strict && !entry.unique))
            m_someNotSolved = true;
    }
    m_pending = 0;
}

int BatchSolver::ExitStatus() const
{
    if (m_inputError)
        return 2;
    return m_someNotSolved ? 1 : 0;
}

std::string BatchSolver::Summary(double seconds) const
{
    const long puzzles = m_results[0] + m_results[1] + m_results[2];
    char line[320];
    std::snprintf(line, sizeof line,
                  "%ld puzzles: %ld solved, %ld unsolvable, %ld inconsistent; %ld unique; "
                  "%ld Easy, %ld Mild, %ld Hard, %ld RiverAzevod; %.0f puzzles/s",
                  puzzles, m_results[0], m_results[1], m_results[2], m_unique, m_ratings[0], m_ratings[1],
                  m_ratings[2], m_ratings[3], seconds > 0 ? static_cast<double>(puzzles) / seconds : 0.0);
    return line;
}
