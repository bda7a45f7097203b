#include "CollectionOpening.h"

#include "PuzzleModel.h"
#include "TimingSummary.h"

#include <cstdio>
#include <filesystem>

void BenchCollectionOpening(const std::vector<std::string>& files)
{
    std::printf("\nOpening as a collection (processor time, ms):\n");
    for (const std::string& path : files) {
        // Open reads a collection only from a text file; a copy under another name is not needed.
        if (std::filesystem::path(path).extension() != ".txt")
            continue;
        PuzzleModel model;
        const double start = ThreadSeconds();
        const bool opened = model.OpenFile(path).result == PuzzleModel::OpenOutcome::Result::Opened;
        const double counted = ThreadSeconds();
        if (!opened || !model.Collection()) {
            std::printf("- %s: not opened as a collection\n", path.c_str());
            continue;
        }
        const std::size_t count = model.Collection()->count;
        model.GoToPuzzle(count / 2);
        const double middle = ThreadSeconds();
        model.GoToPuzzle(count);
        const double last = ThreadSeconds();
        std::printf("- %s: %zu puzzles; open %.2f, to the middle %.2f, to the last %.2f\n", path.c_str(), count,
                    Milliseconds(counted - start), Milliseconds(middle - counted), Milliseconds(last - middle));
    }
}
