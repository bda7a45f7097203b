#include "Settings.h"

namespace {

const std::string kViewSection = "VIEW";
const std::string kShowCandidatesEntry = "SHOW CANDIDATES";
const std::string kMyDigitsEntry = "MY DIGITS";
const std::string kCleanMarksEntry = "CLEAN MARKS";
const std::string kShowClashesEntry = "SHOW CLASHES";
const std::string kWindowWidthEntry = "WINDOW WIDTH";
const std::string kWindowHeightEntry = "WINDOW HEIGHT";
const std::string kWindowMaximisedEntry = "WINDOW MAXIMISED";
const std::string kFrameWidthEntry = "FRAME WIDTH";
const std::string kFrameHeightEntry = "FRAME HEIGHT";
const std::string kHelpSection = "HELP";
const std::string kFirstTimeEntry = "FIRST TIME";
const std::string kPrintSection = "PRINT PUZZLES";
const std::string kCountEntry = "COUNT";
const std::string kRatingEntry = "RATING";

}  // namespace

bool Settings::ViewSwitch(const std::string& entry, bool byDefault) const
{
    return m_store.ReadNumber(kViewSection, entry).value_or(byDefault ? 1 : 0) != 0;
}

void Settings::SetViewSwitch(const std::string& entry, bool on)
{
    m_store.WriteNumber(kViewSection, entry, on ? 1 : 0);
}

bool Settings::ShowCandidates() const
{
    return ViewSwitch(kShowCandidatesEntry, false);
}

void Settings::SetShowCandidates(bool show)
{
    SetViewSwitch(kShowCandidatesEntry, show);
}

bool Settings::MyDigits() const
{
    return ViewSwitch(kMyDigitsEntry, false);
}

void Settings::SetMyDigits(bool on)
{
    SetViewSwitch(kMyDigitsEntry, on);
}

bool Settings::CleanMarks() const
{
    return ViewSwitch(kCleanMarksEntry, true);
}

void Settings::SetCleanMarks(bool on)
{
    SetViewSwitch(kCleanMarksEntry, on);
}

bool Settings::ShowClashes() const
{
    return ViewSwitch(kShowClashesEntry, true);
}

void Settings::SetShowClashes(bool on)
{
    SetViewSwitch(kShowClashesEntry, on);
}

bool Settings::FirstStart() const
{
    return m_store.ReadNumber(kHelpSection, kFirstTimeEntry).value_or(1) != 0;
}

void Settings::NoteStarted()
{
    m_store.WriteNumber(kHelpSection, kFirstTimeEntry, 0);
}

PrintPuzzlesChoice Settings::PrintPuzzles() const
{
    return PrintPuzzlesChoice::FromStored(m_store.ReadNumber(kPrintSection, kCountEntry),
                                          m_store.ReadNumber(kPrintSection, kRatingEntry));
}

void Settings::SetPrintPuzzles(const PrintPuzzlesChoice& choice)
{
    m_store.WriteNumber(kPrintSection, kCountEntry, choice.count);
    m_store.WriteNumber(kPrintSection, kRatingEntry, static_cast<int>(choice.rating));
}

Settings::KeptWindow Settings::MainWindow() const
{
    const auto read = [this](const std::string& entry) { return m_store.ReadNumber(kViewSection, entry).value_or(0); };
    return {{read(kWindowWidthEntry), read(kWindowHeightEntry)},
            read(kWindowMaximisedEntry) != 0,
            {read(kFrameWidthEntry), read(kFrameHeightEntry)}};
}

void Settings::SetMainWindow(const KeptWindow& window)
{
    m_store.WriteNumber(kViewSection, kWindowWidthEntry, window.normal.width);
    m_store.WriteNumber(kViewSection, kWindowHeightEntry, window.normal.height);
    m_store.WriteNumber(kViewSection, kWindowMaximisedEntry, window.maximised ? 1 : 0);
    m_store.WriteNumber(kViewSection, kFrameWidthEntry, window.frame.width);
    m_store.WriteNumber(kViewSection, kFrameHeightEntry, window.frame.height);
}
