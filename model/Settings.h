// What the program remembers between runs, read from and written to a settings store.
//
// The store is the seam to where the settings are kept: one number per section and entry. The
// program keeps them in its per-user settings file; a store that cannot be read answers nothing,
// and each setting then has its default.
#pragma once

#include "NewPuzzleChoice.h"
#include "WindowFit.h"

#include <optional>
#include <string>

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    // The stored number, or none when the entry is absent or not a number.
    virtual std::optional<int> ReadNumber(const std::string& section, const std::string& entry) const = 0;
    // Stores the number; a failure to write goes unreported.
    virtual void WriteNumber(const std::string& section, const std::string& entry, int value) = 0;
};

class Settings {
public:
    explicit Settings(SettingsStore& store) : m_store(store) {}

    // Whether the grid shows every empty cell's candidates ("VIEW", "SHOW CANDIDATES"); off at first.
    bool ShowCandidates() const;
    void SetShowCandidates(bool show);
    // Whether the person types their own digits into a set puzzle ("VIEW", "MY DIGITS"); off at first.
    bool MyDigits() const;
    void SetMyDigits(bool on);
    // Whether placing an own digit takes it out of the marks of the cells that see it ("VIEW",
    // "CLEAN MARKS"), and whether own digits that repeat a digit they see are shown as clashes
    // ("VIEW", "SHOW CLASHES"); both on at first.
    bool CleanMarks() const;
    void SetCleanMarks(bool on);
    bool ShowClashes() const;
    void SetShowClashes(bool on);
    // Whether this is the first start, when the help is shown ("HELP", "FIRST TIME"); once noted,
    // no later start is.
    bool FirstStart() const;
    void NoteStarted();
    // The Print Puzzles choice accepted last ("PRINT PUZZLES", "COUNT" and "RATING").
    PrintPuzzlesChoice PrintPuzzles() const;
    void SetPrintPuzzles(const PrintPuzzlesChoice& choice);

    // The main window as it was left: its size in pixels when the person made it larger ("VIEW",
    // "WINDOW WIDTH" and "WINDOW HEIGHT"; 0 by 0 for its natural size), for a maximised window the
    // size it goes back to; whether it was maximised ("WINDOW MAXIMISED"); and how much the
    // window manager's frame added to its width and height ("FRAME WIDTH", "FRAME HEIGHT").
    struct KeptWindow {
        PixelSize normal;
        bool maximised = false;
        PixelSize frame;
    };
    KeptWindow MainWindow() const;
    void SetMainWindow(const KeptWindow& window);

private:
    // A switch of the "VIEW" section, on or off.
    bool ViewSwitch(const std::string& entry, bool byDefault) const;
    void SetViewSwitch(const std::string& entry, bool on);

    SettingsStore& m_store;
};
