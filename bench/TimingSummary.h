// What the benchmark reports about a series of per-puzzle solve times.
#pragma once

#include <cstddef>
#include <vector>

struct TimingSummary {
    size_t count = 0;
    double totalSeconds = 0;
    double medianSeconds = 0;
    double percentile99Seconds = 0;  // nearest rank: no more than 1 % of the puzzles took longer
    double worstSeconds = 0;
    size_t worstIndex = 0;  // position of the slowest puzzle in the series

    double PuzzlesPerSecond() const { return totalSeconds > 0 ? static_cast<double>(count) / totalSeconds : 0; }
    double MeanSeconds() const { return count > 0 ? totalSeconds / static_cast<double>(count) : 0; }
};

inline double Milliseconds(double seconds) { return seconds * 1000.0; }
// Processor time of this thread: unlike the wall clock it does not run on while other programs
// have the processor, which on a shared machine is most of the noise.
double ThreadSeconds();

// Of several rounds of the same series, the round with the median total (of an even number, the
// lower middle one): a round that other programs slowed down stands for none.
const std::vector<double>& MedianRound(const std::vector<std::vector<double>>& rounds);

// An empty series gives a summary of zeros.
TimingSummary Summarize(const std::vector<double>& seconds);
