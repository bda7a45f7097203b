#include "GenerationProgress.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <thread>

namespace {

constexpr int kShowAfterMilliseconds = 500;
constexpr int kPollMilliseconds = 20;

}  // namespace

std::vector<Puzzle> GeneratePuzzlesWithProgress(QWidget* parent, const GeneratorOptions& options, int count)
{
    std::atomic<bool> cancelled{false};
    std::atomic<int> made{0};
    std::atomic<bool> done{false};
    std::vector<Puzzle> puzzles;
    std::thread worker([&] {
        GeneratorOptions next = options;
        for (int i = 0; i < count && !cancelled; ++i, ++next.seed) {
            std::optional<Puzzle> puzzle = GeneratePuzzle(next, [&] { return cancelled.load(); });
            if (!puzzle)
                break;
            puzzles.push_back(*puzzle);
            ++made;
        }
        done = true;
    });

    QProgressDialog progress(count == 1 ? QCoreApplication::translate("GenerationProgress", "Making a new puzzle ...")
                                        : QCoreApplication::translate("GenerationProgress", "Making %1 new puzzles ...")
                                              .arg(count),
                             QCoreApplication::translate("GenerationProgress", "Cancel"), 0, count, parent);
    progress.setWindowTitle(QStringLiteral("Vantrel Orvandel"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(kShowAfterMilliseconds);
    progress.setValue(0);
    QObject::connect(&progress, &QProgressDialog::canceled, [&] { cancelled = true; });
    QEventLoop wait;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (done)
            wait.quit();
        else if (made > progress.value())
            progress.setValue(made);
    });
    poll.start(kPollMilliseconds);
    if (!done)
        wait.exec();
    worker.join();
    if (cancelled)
        puzzles.clear();
    return puzzles;
}
