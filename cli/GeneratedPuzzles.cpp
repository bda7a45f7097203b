#include "GeneratedPuzzles.h"

#include "SolvePuzzle.h"
#include "SolveReport.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <mutex>
#include <string>
#include <system_error>
#include <thread>
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
        std::atomic<std::size_t> next{0};
        std::mutex failureMutex;
        std::exception_ptr failure;
        // Each puzzle depends on its seed alone, so the threads share nothing but the lines they
        // write one each.
        const auto work = [&] {
            try {
                const auto outcome = std::make_unique<SolveOutcome>();
                for (std::size_t i = next++; i < count; i = next++) {
                    GeneratorOptions options = request.generator;
                    options.seed += first + i;
                    const Puzzle puzzle = *GeneratePuzzle(options);
                    std::string& line = lines[i];
                    if (request.format == OutputFormat::Text) {
                        line = puzzle.ToLine('.') + '\n';
                        continue;
                    }
                    SolvePuzzle(puzzle, *outcome);
                    if (request.format == OutputFormat::Json)
                        AppendJson(line, *outcome, request.trace);
                    else
                        AppendCsv(line, static_cast<long>(first + i + 1), *outcome);
                }
            } catch (...) {
                const std::lock_guard<std::mutex> lock(failureMutex);
                if (!failure)
                    failure = std::current_exception();
                next = count;
            }
        };
        const std::size_t threadCount = std::min<std::size_t>(std::max(request.jobs, 1u), count);
        std::vector<std::thread> helpers;
        for (std::size_t t = 1; t < threadCount; ++t) {
            try {
                helpers.emplace_back(work);
            } catch (const std::system_error&) {
                break;  // no more threads to be had: the ones running do the work
            }
        }
        work();
        for (std::thread& helper : helpers)
            helper.join();
        if (failure)
            std::rethrow_exception(failure);
        for (const std::string& line : lines)
            output.Write(line);
        output.Flush();
    }
}
