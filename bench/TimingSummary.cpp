#include "TimingSummary.h"

#include <algorithm>
#include <cmath>
#include <ctime>
#include <utility>

double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

const std::vector<double>& MedianRound(const std::vector<std::vector<double>>& rounds)
{
    std::vector<std::pair<double, size_t>> totals;
    for (size_t round = 0; round < rounds.size(); ++round) {
        double total = 0;
        for (const double seconds : rounds[round])
            total += seconds;
        totals.emplace_back(total, round);
    }
    std::sort(totals.begin(), totals.end());
    return rounds[totals[(totals.size() - 1) / 2].second];
}

TimingSummary Summarize(const std::vector<double>& seconds)
{
    TimingSummary summary;
    summary.count = seconds.size();
    if (seconds.empty())
        return summary;
    for (size_t i = 0; i < seconds.size(); ++i) {
        summary.totalSeconds += seconds[i];
        if (seconds[i] > summary.worstSeconds) {
            summary.worstSeconds = seconds[i];
            summary.worstIndex = i;
        }
    }
    std::vector<double> sorted = seconds;
    std::sort(sorted.begin(), sorted.end());
    const size_t n = sorted.size();
    summary.medianSeconds = n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    const auto rank = static_cast<size_t>(std::ceil(0.99 * static_cast<double>(n)));
    summary.percentile99Seconds = sorted[std::max<size_t>(rank, 1) - 1];
    return summary;
}
