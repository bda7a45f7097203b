#include "ParallelTasks.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <memory>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

void RunParallelTasks(std::size_t count, unsigned jobs,
                      const std::function<void(std::size_t task, SolveOutcome& outcome)>& run)
{
    std::atomic<std::size_t> next{0};
    std::mutex failureMutex;
    std::exception_ptr failure;
    const auto work = [&] {
        try {
            const auto outcome = std::make_unique<SolveOutcome>();
            for (std::size_t task = next++; task < count; task = next++)
                run(task, *outcome);
        } catch (...) {
            const std::lock_guard<std::mutex> lock(failureMutex);
            if (!failure)
                failure = std::current_exception();
            next = count;
        }
    };
    const std::size_t threadCount = std::min<std::size_t>(std::max(jobs, 1u), count);
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
}
