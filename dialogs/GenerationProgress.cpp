#include "GenerationProgress.h"

#include "UserPrompts.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QFontMetrics>
#include <QProgressDialog>
#include <QTimer>

#include <atomic>
#include <thread>

namespace {

constexpr int kShowAfterMilliseconds = 500;
constexpr int kPollMilliseconds = 20;

// A title bar's icon, its three buttons and the margins and gaps between them, in lines of its font.
constexpr int kTitleBarLinesBesideTheTitle = 8;

}  // namespace

std::unique_ptr<QProgressDialog> MakeGenerationProgress(QWidget* parent, int count)
{
    auto progress = std::make_unique<QProgressDialog>(
        count == 1 ? QCoreApplication::translate("GenerationProgress", "Making a new puzzle ...")
                   : QCoreApplication::translate("GenerationProgress", "Making %1 new puzzles ...").arg(count),
        QCoreApplication::translate("GenerationProgress", "Cancel"), 0, count, parent);
    progress->setWindowTitle(QString::fromLatin1(kProgramTitle));
    progress->setWindowModality(Qt::WindowModal);
    progress->setMinimumDuration(kShowAfterMilliseconds);
    progress->setValue(0);  // the half second starts now
    // Title bars are mostly drawn in a bold face of about the window's own size.
    QFont titleFont = progress->font();
    titleFont.setBold(true);
    const QFontMetrics title(titleFont);
    progress->setMinimumWidth(title.horizontalAdvance(progress->windowTitle()) +
                              kTitleBarLinesBesideTheTitle * title.height());
    return progress;
}

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

    const std::unique_ptr<QProgressDialog> shown = MakeGenerationProgress(parent, count);
    QProgressDialog& progress = *shown;
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
