// The application object: starts the program as a whole. It names the application (organisation
// "VantrelInc", application "Orvandel", which place its settings and its per-user folder), reads
// its settings, fixes the application path, makes sure the saved-board folders exist, shows the
// help window on the very first start and then runs the main dialog until the person closes it.
// Nothing is saved on exit.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>

class CSuDokuApp {
public:
    // Where start-up looks. The program uses its own; tests point them at temporary places.
    struct Places {
        QString applicationName;  // the settings group: the program file's base name
        QString programFilePath;  // the program's own file; its folder is the usual application path
        QString userDataFolder;   // stands in for that folder when it cannot be written
    };

    // Names the application on the running QApplication; the program's own places.
    CSuDokuApp();
    explicit CSuDokuApp(Places places);

    // Sets organisation "VantrelInc", application "Orvandel" and the version on the application.
    static void NameApplication();
    // The places of the running program; NameApplication first, since the per-user folder
    // follows the names.
    static Places ProgramPlaces();
    // Installs the program's translation for locale's languages, and Qt's own, on the running
    // application; a language without a translation keeps the English texts. Before any window.
    static void InstallTranslations(const QLocale& locale = QLocale());

    // What the command line asks for: an exit status when the program is done already, otherwise
    // the board to open (empty for none).
    struct CommandLine {
        std::optional<int> exitStatus;
        QString boardFile;
    };
    // Answers --help or --version, when the command line (program name first) holds one before
    // "--", on standard output: exit status 0, or 2 when the answer cannot be written. Needs no
    // QApplication, so it works without a display, before Qt has taken its own options.
    static std::optional<int> AnswerHelpOrVersion(const QStringList& arguments);
    // Reads the command line (program name first) once Qt has taken its own options (-style,
    // -platform, -reverse, ...): at most one argument, a saved board (.sdf) to open; "--" ends the
    // options; --help and --version answer as above. A command line it cannot use gives exit
    // status 2, the reason going to standard error.
    static CommandLine ReadCommandLine(const QStringList& arguments);

    // Start-up, then the main dialog, modally, until it closes. A boardFile that is not empty is
    // opened into the grid first, as Open does; one that cannot be read leaves the grid empty.
    void InitInstance(const QString& boardFile = QString());

    // The application path, fixed by InitInstance.
    const QString& AppPath() const { return m_strAppPath; }

private:
    Places m_places;
    QString m_strAppPath;
};
