// Open and Save As in the main window: the file dialogs, real saved-board files in a temporary
// application folder, and what the grid and the boards hold afterwards.
#include "AppStartup.h"
#include "GuiTestSupport.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

const QString kCaption = QStringLiteral("Vantrel Orvandel");
const std::string kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";
const std::string kEmptyGrid(81, '.');

// The puzzle as its file holds it: '?' for every empty cell.
std::string AsFileBytes(std::string puzzle)
{
    for (char& cell : puzzle) {
        if (cell == '.')
            cell = '?';
    }
    return puzzle;
}

class BoardFilesTest : public MainWindowTest {
protected:
    QString SavedGame(const QString& name) const { return appPath + QStringLiteral("Saved Games/") + name; }
    static QByteArray ReadFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    bool Open(const QString& path)
    {
        prompts.openFile = path;
        return ChooseOption(*dialog, OptionsAction::Open);
    }
    bool SaveAs(const QString& path)
    {
        prompts.saveFile = path;
        return ChooseOption(*dialog, OptionsAction::SaveAs);
    }
};

TEST_F(BoardFilesTest, SaveThenOpenGivesTheSameBoard)
{
    SetPuzzle(kPuzzle);
    Press(QStringLiteral("Solve"));  // the solution is on show, but the file keeps the puzzle
    const QString path = SavedGame(QStringLiteral("Easy/first.sdf"));
    ASSERT_TRUE(SaveAs(path));
    EXPECT_EQ(ReadFile(path).toStdString(), AsFileBytes(kPuzzle));
    EXPECT_TRUE(prompts.messages.isEmpty());

    prompts.answers = {QMessageBox::Yes};
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Clear));
    ASSERT_EQ(GridText(Grid()), kEmptyGrid);

    ASSERT_TRUE(Open(path));
    EXPECT_EQ(GridText(Grid()), kPuzzle);
    EXPECT_EQ(CellColor(Grid(), 1, 1), QColor(Qt::black));
    EXPECT_TRUE(InEditState());

    // The opened puzzle sets and saves again byte for byte.
    Press(QStringLiteral("Set Su Doku"));
    EXPECT_EQ(FieldOf(*dialog, QStringLiteral("Solved")), QStringLiteral("YES"));
    const QString again = SavedGame(QStringLiteral("Easy/again.sdf"));
    ASSERT_TRUE(SaveAs(again));
    EXPECT_EQ(ReadFile(again), ReadFile(path));
}

TEST_F(BoardFilesTest, TheDialogsStartInSavedGamesWithTheirTitlesAndFilter)
{
    Open(QString());
    SetPuzzle(kPuzzle);
    SaveAs(QString());
    ASSERT_EQ(prompts.fileDialogs.size(), 2);
    // Open also offers text puzzles; Save As starts in the folder of the puzzle's rating.
    const struct {
        bool save;
        QString title;
        QString filter;
        QString startPath;
    } expected[] = {{false, QStringLiteral("Vantrel Orvandel Open Saved Board"),
                     QStringLiteral("Su Doku Files (*.sdf);;Su Doku Games (*.sdg);;Text Puzzles (*.txt)"), SavedGame(QString())},
                    {true, QStringLiteral("Vantrel Orvandel Save Board"), QStringLiteral("Su Doku Files (*.sdf)"),
                     SavedGame(QStringLiteral("Easy/"))}};
    for (int i = 0; i < 2; ++i) {
        const RecordingPrompts::FileDialog& asked = prompts.fileDialogs[i];
        EXPECT_EQ(asked.save, expected[i].save);
        EXPECT_EQ(asked.settings.title, expected[i].title);
        EXPECT_EQ(asked.settings.filter, expected[i].filter);
        EXPECT_EQ(asked.settings.defaultSuffix, QStringLiteral("sdf"));
        EXPECT_EQ(asked.settings.startPath, expected[i].startPath);
        EXPECT_TRUE(QFileInfo(asked.settings.startPath).isDir());
    }
}

TEST_F(BoardFilesTest, WithoutSavedGamesTheDialogsStartHomeAndTheFirstSaveAsSaysWhy)
{
    // A file stands where the folders should be, so none of them can be made.
    ASSERT_TRUE(QDir(SavedGame(QString())).removeRecursively());
    ASSERT_TRUE(QFile(appPath + QStringLiteral("Saved Games")).open(QIODevice::WriteOnly));
    Open(QString());
    SetPuzzle(kPuzzle);
    SaveAs(QString());
    SaveAs(QString());
    ASSERT_EQ(prompts.fileDialogs.size(), 3);
    for (const RecordingPrompts::FileDialog& asked : prompts.fileDialogs)
        EXPECT_EQ(asked.settings.startPath, QDir::homePath());
    ASSERT_EQ(prompts.messages.size(), 1) << "once a run";
    EXPECT_EQ(prompts.messages[0].text,
              QStringLiteral("The folder for saved games %1 could not be made: a file of that name is in the way. "
                             "Save As starts in %2 instead.")
                  .arg(SavedGame(QString()), QDir::homePath()));
}

TEST_F(BoardFilesTest, EachCommandOnlyInItsState)
{
    EXPECT_FALSE(SaveAs(SavedGame(QStringLiteral("edit.sdf"))));
    SetPuzzle(kPuzzle);
    EXPECT_FALSE(Open(WriteSavedGame(QStringLiteral("other.sdf"), QByteArray(81, '1'))));
    EXPECT_TRUE(prompts.fileDialogs.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(SavedGame(QStringLiteral("edit.sdf"))));
    EXPECT_EQ(GridText(Grid()), kPuzzle);
}

TEST_F(BoardFilesTest, CancelChangesNothing)
{
    TypePuzzle(Grid(), kPuzzle);
    ASSERT_TRUE(Open(QString()));
    EXPECT_EQ(GridText(Grid()), kPuzzle);

    Press(QStringLiteral("Set Su Doku"));
    ASSERT_TRUE(SaveAs(QString()));
    EXPECT_EQ(prompts.fileDialogs.size(), 2);
    EXPECT_TRUE(QDir(SavedGame(QString())).entryList(QDir::Files).isEmpty());
    EXPECT_TRUE(prompts.messages.isEmpty());
}

TEST_F(BoardFilesTest, AFileThatCannotBeReadChangesNothing)
{
    TypePuzzle(Grid(), kPuzzle);
    ASSERT_EQ(::mkfifo(SavedGame(QStringLiteral("fifo.sdf")).toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), SavedGame(QStringLiteral("endless.txt"))));
    // A missing file is passed over silently; anything that is not a regular file is refused with
    // a message, at once, without waiting for a FIFO's writer or reading an endless device.
    const struct {
        QString name;
        bool message;
    } rows[] = {{QStringLiteral("missing.sdf"), false},
                {QStringLiteral("Hard"), true},
                {QStringLiteral("fifo.sdf"), true},
                {QStringLiteral("endless.txt"), true}};
    for (const auto& row : rows) {
        prompts.messages.clear();
        ASSERT_TRUE(Open(SavedGame(row.name)));
        EXPECT_EQ(GridText(Grid()), kPuzzle) << row.name.toStdString();
        EXPECT_TRUE(InEditState());
        ASSERT_EQ(prompts.messages.size(), row.message ? 1 : 0) << row.name.toStdString();
        if (row.message) {
            EXPECT_TRUE(prompts.messages.front().text.contains(QStringLiteral("is not a regular file")));
        }
    }
}

TEST_F(BoardFilesTest, AFileNameInAMessageIsPlainTextThatLoadsNothing)
{
    const QString fifo = appFolder.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    for (QString name : {QStringLiteral("<img src=/dev/zero>"), "<img src=" + fifo + '>', QStringLiteral("<h1>Big")}) {
        QFile file(appFolder.filePath(name.replace(u'/', QStringLiteral("&#47;")) + QStringLiteral(".txt")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("1 2 3\n") == 6 && file.flush());
        EXPECT_FALSE(dialog->OpenBoardFile(file.fileName()));
        EXPECT_TRUE(prompts.messages.last().text.contains(QDir::toNativeSeparators(file.fileName())));
        EXPECT_EQ(prompts.messages.last().format, Qt::PlainText);
    }
}

TEST_F(BoardFilesTest, OpenedBytesOtherThanDigitsComeBackAsQuestionMarks)
{
    QByteArray bytes = QByteArray::fromStdString(kPuzzle);
    bytes.replace('.', '0');
    ASSERT_TRUE(Open(WriteSavedGame(QStringLiteral("zeros.sdf"), bytes)));
    Press(QStringLiteral("Set Su Doku"));
    const QString path = SavedGame(QStringLiteral("questions.sdf"));
    ASSERT_TRUE(SaveAs(path));
    EXPECT_EQ(ReadFile(path).toStdString(), AsFileBytes(kPuzzle));
}

struct SaveFailure {
    const char* name;
    // Prepares the target below the Saved Games folder and returns its path.
    std::function<QString(const QString& savedGames)> target;
    QString reason;
};

void PrintTo(const SaveFailure& failure, std::ostream* out)
{
    *out << failure.name;
}

class FailedSave : public BoardFilesTest, public ::testing::WithParamInterface<SaveFailure> {};

TEST_P(FailedSave, TellsThePersonAndKeepsWhatWasThere)
{
    const QString path = GetParam().target(SavedGame(QString()));
    const QByteArray before = ReadFile(path);
    const QStringList filesBefore = QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    SetPuzzle(kPuzzle);
    ASSERT_TRUE(SaveAs(path));

    ASSERT_EQ(prompts.messages.size(), 1);
    const RecordingPrompts::Message& message = prompts.messages[0];
    EXPECT_EQ(message.caption, kCaption);
    EXPECT_EQ(message.text, QStringLiteral("The board could not be saved to %1: %2.").arg(path, GetParam().reason));
    EXPECT_EQ(message.buttons, QMessageBox::Ok);
    EXPECT_EQ(message.parent, dialog.get());
    // What was there stays whole, and no half-written file is left beside it.
    EXPECT_EQ(ReadFile(path), before);
    EXPECT_EQ(QDir(QFileInfo(path).path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), filesBefore);
    EXPECT_TRUE(ButtonOf(*dialog, QStringLiteral("Solve"))->isEnabled());
}

QString WriteOldBoard(const QString& path)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write("5" + QByteArray(79, '?') + "3");
    return path;
}

INSTANTIATE_TEST_SUITE_P(
    BoardFiles, FailedSave,
    ::testing::Values(
        SaveFailure{"FolderDoesNotExist",
                    [](const QString& savedGames) { return savedGames + QStringLiteral("Gone/board.sdf"); },
                    QStringLiteral("No such file or directory")},
        SaveFailure{"TargetIsAFolder",
                    [](const QString& savedGames) {
                        QDir(savedGames).mkpath(QStringLiteral("Folder.sdf/inside"));
                        return savedGames + QStringLiteral("Folder.sdf");
                    },
                    QStringLiteral("it is not a regular file")},
        SaveFailure{"ReadOnlyFile",
                    [](const QString& savedGames) {
                        const QString path = WriteOldBoard(savedGames + QStringLiteral("kept.sdf"));
                        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup);
                        return path;
                    },
                    QStringLiteral("the file is read-only")}),
    [](const auto& info) { return info.param.name; });

}  // namespace

TEST_F(BoardFilesTest, SavedGameOpensWithTheOwnDigits)
{
    SetPuzzle(kPuzzle);
    PressKeysInGrid(*dialog, Qt::Key_D, Qt::ControlModifier);
    TypeInCell(Grid(), 3, 1, Qt::Key_4);
    const std::string worked = GridText(Grid());
    ASSERT_EQ(worked.substr(0, 4), "534.");
    const QString path = SavedGame(QStringLiteral("worked.sdg"));
    prompts.saveFile = path;
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::SaveGameAs));
    EXPECT_TRUE(ReadFile(path).startsWith(QByteArray::fromStdString(kPuzzle + "\n")));

    prompts.answers = {QMessageBox::Yes};
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Clear));
    ASSERT_FALSE(OptionAction(*dialog, OptionsAction::SaveGameAs)->isEnabled());
    prompts.messages.clear();
    ASSERT_TRUE(Open(path));
    EXPECT_EQ(GridText(Grid()), worked);
    EXPECT_FALSE(InEditState());
    EXPECT_TRUE(prompts.messages.isEmpty());

    // A damaged copy opens what is sound, after one message.
    QFile damaged(SavedGame(QStringLiteral("damaged")));
    ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
    damaged.write(ReadFile(path).replace("own digits: ..4", "own digits: ..5").replace("end\n", ""));
    damaged.close();
    prompts.answers = {QMessageBox::Yes};
    ASSERT_TRUE(ChooseOption(*dialog, OptionsAction::Clear));
    prompts.messages.clear();
    ASSERT_TRUE(Open(damaged.fileName()));
    EXPECT_EQ(GridText(Grid()).substr(0, 4), "53..");
    EXPECT_EQ(prompts.messages.size(), 1);
}
