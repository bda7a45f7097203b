// orvandel-window-bench: how long the main window stops answering while a puzzle is set and its
// first hint is asked for. The real window, on Qt's offscreen platform unless another is chosen,
// is driven as a person drives it, one puzzle after another: the puzzle pasted, Set Su Doku
// clicked, H pressed at once, and the board cleared once the hint shows. The window is blocked for
// as long as one event takes to handle, so the longest event of each stage is what is measured.
#include "PuzzleCollection.h"
#include "SuDokuDlg.h"
#include "UserPrompts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <ctime>
#include <string>
#include <vector>

namespace {

const char kUsage[] =
    "Usage: orvandel-window-bench [--limit N] [--path] FILE\n"
    "Set each puzzle of FILE in the main window, ask for a hint at once, and clear the board once\n"
    "the hint shows; print, per stage, the longest time the window took to handle one event: its\n"
    "worst over the puzzles, the puzzle's line and the median of the puzzles' longest, and the most\n"
    "processor time the window's thread spent in one event.\n"
    "  --limit N  only the first N puzzles\n"
    "  --path     wait for the whole technique path too before clearing\n";

enum Stage { kSetSuDoku, kFirstHint, kPathArrives, kClear, kStageCount };
const char* const kStageNames[kStageCount] = {"Set Su Doku", "first hint", "technique path arrives",
                                              "Clear (stops the work under way)"};

double ThreadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) / 1e6;
}

// Measures how long each event takes to handle, outermost events only.
class TimedApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        if (m_depth > 0)
            return QApplication::notify(receiver, event);
        ++m_depth;
        const auto start = std::chrono::steady_clock::now();
        const double startWork = ThreadMilliseconds();
        const bool handled = QApplication::notify(receiver, event);
        const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
        --m_depth;
        if (stage != kStageCount) {
            longest[stage] = std::max(longest[stage], took.count());
            mostWork[stage] = std::max(mostWork[stage], ThreadMilliseconds() - startWork);
        }
        return handled;
    }

    Stage stage = kStageCount;  // none measured
    std::array<double, kStageCount> longest{};
    // The processor time of the window's thread in one event: without the time the machine gave
    // to others, and without waits.
    std::array<double, kStageCount> mostWork{};

private:
    int m_depth = 0;
};

// Every question is answered yes, and no file dialog is ever needed.
class YesPrompts : public UserPrompts {
public:
    QString GetOpenFileName(QWidget*, const FileDialogSettings&) override { return {}; }
    QString GetSaveFileName(QWidget*, const FileDialogSettings&) override { return {}; }
    bool ConfirmPrint(QWidget*, QPrinter&) override { return false; }
    bool OpenUrl(const QUrl&) override { return false; }
    std::optional<int> GetNumber(QWidget*, const NumberQuestion&) override { return std::nullopt; }

protected:
    QMessageBox::StandardButton RunMessageBox(QMessageBox&) override { return QMessageBox::Yes; }
};

// Runs the command as an event of the stage, and handles events until it has run and done() holds.
void RunStage(TimedApplication& application, Stage stage, const std::function<void()>& command,
              const std::function<bool()>& done)
{
    application.stage = stage;
    bool ran = false;
    QMetaObject::invokeMethod(
        &application,
        [&] {
            command();
            ran = true;
        },
        Qt::QueuedConnection);
    while (!ran || !done())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

QPushButton* ButtonOf(QWidget& window, const QString& text)
{
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text().remove(u'&') == text)
            return button;
    }
    return nullptr;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    size_t limit = 0;
    bool wholePath = false;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--limit" && i + 1 < argc)
            limit = std::strtoul(argv[++i], nullptr, 10);
        else if (argument == "--path")
            wholePath = true;
        else if (argument.starts_with("-") || !file.empty()) {
            std::fputs(kUsage, stderr);
            return 2;
        } else
            file = argument;
    }
    PuzzleCollection collection;
    std::string error;
    if (file.empty() || !ReadCollection(file, limit, collection, error)) {
        std::fprintf(stderr, "%s", file.empty() ? kUsage : (error + "\n").c_str());
        return 2;
    }

    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The settings the window remembers go to a folder of their own, never the person's.
    QTemporaryDir settingsFolder;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(settingsFolder.path()));
    TimedApplication application(argc, argv);
    YesPrompts prompts;
    UserPrompts::Install(&prompts);
    CSuDokuDlg window;
    window.show();
    // The start-up splash screen comes and goes, in an event loop of its own, before this runs.
    bool started = false;
    QTimer::singleShot(0, &window, [&started] { started = true; });
    while (!started)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);

    QPushButton* setSuDoku = ButtonOf(window, QStringLiteral("Set Su Doku"));
    auto* stepLine = window.findChild<QLabel*>(QStringLiteral("Step"));
    auto* rating = window.findChild<QLineEdit*>(QStringLiteral("Rating"));
    const auto action = [&window](const char* name) { return window.findChild<QAction*>(QString::fromLatin1(name)); };
    const QString hintPending = QCoreApplication::translate("CSuDokuDlg", "Still working out the hint.");
    const QString pathPending = QCoreApplication::translate("CSuDokuDlg", "Still working out the techniques.");

    std::array<std::vector<double>, kStageCount> longest;
    std::array<std::pair<double, int>, kStageCount> worst{};
    std::array<double, kStageCount> mostWork{};
    for (const CollectionPuzzle& puzzle : collection.puzzles) {
        application.longest = {};
        application.mostWork = {};
        QApplication::clipboard()->setText(QString::fromStdString(puzzle.text));
        action("Paste")->trigger();
        RunStage(application, kSetSuDoku, [setSuDoku] { setSuDoku->click(); }, [] { return true; });
        if (action("Hint")->isEnabled())
            RunStage(application, kFirstHint, [&] { action("Hint")->trigger(); },
                     [&] { return !stepLine->text().isEmpty() && stepLine->text() != hintPending; });
        if (wholePath)
            RunStage(application, kPathArrives, [] {}, [&] { return rating->toolTip() != pathPending; });
        RunStage(application, kClear, [&] { action("Clear")->trigger(); }, [&] { return setSuDoku->isEnabled(); });
        application.stage = kStageCount;
        for (int stage = 0; stage < kStageCount; ++stage) {
            if (stage == kPathArrives && !wholePath)
                continue;
            longest[stage].push_back(application.longest[stage]);
            mostWork[stage] = std::max(mostWork[stage], application.mostWork[stage]);
            if (application.longest[stage] > worst[stage].first)
                worst[stage] = {application.longest[stage], puzzle.line};
        }
    }
    std::printf("| Stage | Puzzles | Longest event, worst (ms) | Its line | Longest event, median (ms) | "
                "Most processor time in one event (ms) |\n");
    std::printf("|---|---:|---:|---:|---:|---:|\n");
    for (int stage = 0; stage < kStageCount; ++stage) {
        if (longest[stage].empty())
            continue;
        std::printf("| %s | %zu | %.1f | %d | %.1f | %.1f |\n", kStageNames[stage], longest[stage].size(),
                    worst[stage].first, worst[stage].second, Median(longest[stage]), mostWork[stage]);
    }
    return 0;
}
