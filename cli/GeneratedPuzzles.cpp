#include "GeneratedPuzzles.h"

#include "ParallelTasks.h"
#include "SolvePuzzle.h"
#include "SolveReport.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Puzzles generated together before they are written: enough to keep every thread busy while the
// slowest of them finishes, few enough that the lines come out steadily.
constexpr std::uint64_t kBatchSize = 64;

}  // namespace

void WriteGeneratedPuzzles(const GenerateRequest& request, ResultOutput& output)
{
    if (request.format == OutputFormat::Csv)
        output.Write(kCsvHeader);
    std::vector<std::string> lines;
    for (std::uint64_t first = 0; first < request.count; first += kBatchSize) {
        const auto count = static_cast<std::size_t>(std::min(kBatchSize, request.count - first));
        lines.assign(count, std::string());
        // Each puzzle depends on its seed alone, so the threads share nothing but the lines they
        // write one each.
        RunParallelTasks(count, request.jobs, [&](std::size_t i, SolveOutcome& outcome) {
            GeneratorOptions options = request.generator;
            options.seed += first + i;
            const Puzzle puzzle = *GeneratePuzzle(options);
            std::string& line = lines[i];
            if (request.format == OutputFormat::Text) {
                line = puzzle.ToLine('.') + '\n';
                return;
            }
            SolvePuzzle(puzzle, outcome);
            if (request.format == OutputFormat::Json)
                AppendJson(line, outcome, request.trace);
            else
                AppendCsv(line, static_cast<long>(first + i + 1), outcome);
        });
        for (const std::string& line : lines)
            output.Write(line);
        output.Flush();
    }
}
