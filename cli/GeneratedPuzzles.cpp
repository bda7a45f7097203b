#include "GeneratedPuzzles.h"

#include "Engine.h"
#include "ParallelTasks.h"
#include "SolveReport.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

// Puzzles generated together before they are written: enough to keep every thread busy while the
// slowest of them finishes, few enough that the lines come out steadily.
constexpr std::uint64_t kBatchSize = 64;

}  // namespace

std::optional<std::uint64_t> WriteGeneratedPuzzles(const GenerateRequest& request, ResultOutput& output)
{
    if (request.format == OutputFormat::Csv)
        output.Write(kCsvHeader);
    std::vector<std::string> lines;
    for (std::uint64_t first = 0; first < request.count; first += kBatchSize) {
        const auto count = static_cast<std::size_t>(std::min(kBatchSize, request.count - first));
        lines.assign(count, std::string());
        std::vector<char> found(count, 0);
        // Each puzzle depends on its seed alone, so the threads share nothing but the lines they
        // write one each.
        RunParallelTasks(count, request.jobs, [&](std::size_t i, SolveOutcome& outcome) {
            GeneratorOptions options = request.generator;
            options.seed += first + i;
            const std::optional<Puzzle> generated = GeneratePuzzle(options);
            if (!generated)
                return;
            found[i] = 1;
            const Puzzle& puzzle = *generated;
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
        for (std::size_t i = 0; i < count; ++i) {
            if (!found[i]) {
                output.Flush();
                return first + i;
            }
            output.Write(lines[i]);
        }
        output.Flush();
    }
    return std::nullopt;
}
