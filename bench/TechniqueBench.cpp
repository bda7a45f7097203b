#include "TechniqueBench.h"

#include "Engine.h"
#include "TimingSummary.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

void PrintTechniqueHeader()
{
    std::printf("| Collection | Puzzles | Without guess | Path mean | Path median | Path worst | Worst line | "
                "Slowest hint | Hardest techniques (puzzles) |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---:|---|\n");
}

void BenchTechniques(const PuzzleCollection& collection)
{
    std::vector<double> pathSeconds;
    double slowestHint = 0;
    size_t withoutGuess = 0;
    std::map<std::string, size_t> hardest;
    for (const CollectionPuzzle& puzzle : collection.puzzles) {
        const Puzzle given = Puzzle::FromLine(puzzle.text);
        const double start = ThreadSeconds();
        const technique::Explanation explanation = technique::ExplainPuzzle(given);
        pathSeconds.push_back(ThreadSeconds() - start);
        if (!explanation.explained)
            continue;
        withoutGuess += explanation.hardest != Technique::Guess;
        if (explanation.hardest)
            ++hardest[TechniqueName(*explanation.hardest)];
        technique::TechniqueBoard board(given);
        board.SetKnownUnique(true);
        for (const TechniqueStep& step : explanation.steps) {
            TechniqueStep hint;
            const double hintStart = ThreadSeconds();
            technique::FindEasiestStep(board, hint);
            slowestHint = std::max(slowestHint, ThreadSeconds() - hintStart);
            board.Apply(step);
        }
    }
    std::vector<std::pair<std::string, size_t>> ranked(hardest.begin(), hardest.end());
    std::stable_sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) { return a.second > b.second; });
    std::string techniques;
    for (size_t i = 0; i < ranked.size() && i < 4; ++i)
        techniques += (i > 0 ? ", " : "") + ranked[i].first + ' ' + std::to_string(ranked[i].second);
    const TimingSummary path = Summarize(pathSeconds);
    std::printf("| %s | %zu | %zu | %.3f | %.3f | %.3f | %d | %.3f | %s |\n", collection.name.c_str(), path.count,
                withoutGuess, Milliseconds(path.MeanSeconds()), Milliseconds(path.medianSeconds),
                Milliseconds(path.worstSeconds), collection.puzzles[path.worstIndex].line, Milliseconds(slowestHint),
                techniques.c_str());
    std::fflush(stdout);
}
