// The windows of making new puzzles: the Print Puzzles choice, remembered in the settings, and the
// progress window, wide enough for its title.
#include "GenerationProgress.h"
#include "PrintPuzzlesDlg.h"
#include "ProfileSettings.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QFontMetrics>
#include <QProgressDialog>
#include <QSpinBox>

namespace {

TEST(PrintPuzzlesChoice, StartsWithTheChoiceAcceptedLastTime)
{
    const struct {
        const char* name;
        bool accepted;   // else stored
        int count;
        int rating;      // the index in the list
        int shownCount;  // in the next dialog
        Difficulty shownRating;
    } rows[] = {
        {"accepted", true, 7, 2, 7, Difficulty::Hard},
        {"stored", false, 12, 3, 12, Difficulty::RiverAzevod},
        {"too many stored", false, 5000, 1, 100, Difficulty::Mild},
        {"unknown rating stored", false, 2, 42, 2, Difficulty::Easy},
    };
    for (const auto& row : rows) {
        if (row.accepted) {
            CPrintPuzzlesDlg choice;
            choice.findChild<QSpinBox*>(QStringLiteral("Count"))->setValue(row.count);
            choice.findChild<QComboBox*>(QStringLiteral("Rating"))->setCurrentIndex(row.rating);
            choice.accept();
        } else {
            ProfileSettings settings;
            settings.WriteProfileInt(QStringLiteral("PRINT PUZZLES"), QStringLiteral("COUNT"), row.count);
            settings.WriteProfileInt(QStringLiteral("PRINT PUZZLES"), QStringLiteral("RATING"), row.rating);
        }
        const CPrintPuzzlesDlg next;
        EXPECT_EQ(next.Count(), row.shownCount) << row.name;
        EXPECT_EQ(next.Rating(), row.shownRating) << row.name;
    }
}

TEST(GenerationProgress, IsWideEnoughForItsTitleAndTheTitleBarsButtons)
{
    const std::unique_ptr<QProgressDialog> progress = MakeGenerationProgress(nullptr, 100);
    progress->show();
    EXPECT_EQ(progress->windowTitle(), QStringLiteral("Vantrel Orvandel"));
    QFont bold = progress->font();
    bold.setBold(true);
    const QFontMetrics title(bold);
    // An icon and three buttons, each over a line wide, and the margins and gaps between them.
    EXPECT_GE(progress->width(), title.horizontalAdvance(progress->windowTitle()) + 7 * title.height());
}

}  // namespace
