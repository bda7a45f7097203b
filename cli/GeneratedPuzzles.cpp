#include "GeneratedPuzzles.h"

#include "Engine.h"
#include "ParallelTasks.h"
#include "SolveReport.h"

#include <algorithm>
#include <atomic>
#include <limits>
#include <string>
#include <thread>
#include <vector>

namespace {

// Puzzles generated together before they are written: enough to keep every thread busy while the
// slowest of them finishes, few enough that the lines come out steadily.
constexpr std::uint64_t kBatchSize = 64;

// Each attempt is work for a core: threads beyond the cores would only share them, and the first
// puzzle that is not found would take that much longer to be known.
unsigned GeneratingThreads(unsigned jobs)
{
    return std::min(jobs, std::max(std::thread::hardware_concurrency(), 1u));
}

void LowerTo(std::atomic<std::uint64_t>& value, std::uint64_t lower)
{
    std::uint64_t current = value.load();
    while (lower < current && !value.compare_exchange_weak(current, lower)) {
    }
}

}  // namespace

GenerateResult WriteGeneratedPuzzles(const GenerateRequest& request, ResultOutput& output)
{
    if (request.format == OutputFormat::Csv)
        output.Write(kCsvHeader);
    constexpr std::uint64_t kNoneMissing = std::numeric_limits<std::uint64_t>::max();
    // Only lowered: a puzzle before the first one missing is never cancelled, so which puzzle that
    // is does not depend on the threads.
    std::atomic<std::uint64_t> firstMissing{kNoneMissing};
    std::atomic<std::uint64_t> attempts{0};
    std::vector<std::string> lines;
    for (std::uint64_t first = 0; first < request.count && firstMissing == kNoneMissing; first += kBatchSize) {
        const auto count = static_cast<std::size_t>(std::min(kBatchSize, request.count - first));
        lines.assign(count, std::string());
        // Each puzzle depends on its seed alone, so the threads share nothing but the lines they
        // write one each.
        RunParallelTasks(count, GeneratingThreads(request.jobs), [&](std::size_t i, SolveOutcome& outcome) {
            const std::uint64_t number = first + i;
            const auto afterMissing = [&] { return number > firstMissing.load(); };
            if (afterMissing())
                return;
            GeneratorOptions options = request.generator;
            options.seed += number;
            const std::optional<Puzzle> generated = GeneratePuzzle(options, [&] {
                if (afterMissing())
                    return true;
                ++attempts;
                return false;
            });
            if (!generated) {
                if (!afterMissing())
                    LowerTo(firstMissing, number);
                return;
            }
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
                AppendCsv(line, static_cast<long>(number + 1), outcome);
        });
        const std::size_t written = static_cast<std::size_t>(std::min<std::uint64_t>(count, firstMissing - first));
        for (std::size_t i = 0; i < written; ++i)
            output.Write(lines[i]);
        output.Flush();
    }
    GenerateResult result;
    if (firstMissing != kNoneMissing)
        result.missing = firstMissing.load();
    result.attempts = attempts;
    return result;
}
