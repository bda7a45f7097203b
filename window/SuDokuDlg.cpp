// The main window's construction, wiring, set-up, system menu and start-up splash screen.
#include "SuDokuDlg.h"

#include "AboutDlg.h"
#include "AccessibleRoles.h"
#include "Artwork.h"
#include "AskPerson.h"
#include "HelpDlg.h"
#include "DigitHighlightCommands.h"
#include "OwnDigitsCommands.h"
#include "ProfileSettings.h"
#include "Settings.h"
#include "SplashDlg.h"
#include "UserPrompts.h"
#include "WebSiteLink.h"
#include "WindowSize.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QHideEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>

namespace {

// Translated where shown: the translator is installed only after these exist.
const char* const kAboutMenuText = QT_TRANSLATE_NOOP("CSuDokuDlg", "&About Vantrel Orvandel ...");
const char* const kWebSiteTooltip = QT_TRANSLATE_NOOP("CSuDokuDlg", "Visit Tessaly Web Site");
const char* const kCloseQuestion =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "Close Vantrel Orvandel? The puzzle on the board will be lost.");

}  // namespace

CSuDokuDlg::CSuDokuDlg(const QString& appPath, QWidget* parent)
    : QDialog(parent)
    , m_btnOptions(tr("&Options"))
    , m_menuSystem(this)
    , m_options(*this)
    , m_transfer(*this, m_model, appPath)
    , m_newPuzzles(*this, m_model)
    , m_solveLogic(*this, m_Grid, m_model)
    , m_collection(*this, m_model)
{
    InstallAccessibleRoles();
    m_hIcon = Artwork::Load(Artwork::kAppIcon);

    m_menuSystem.setObjectName(QStringLiteral("System"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    m_controls = BuildMainLayout(*this, m_Grid, m_btnOptions, m_btnWebSite);
    m_ownDigits = new COwnDigitsCommands(m_model, m_Grid, *this);
    m_digitHighlight = new CDigitHighlightCommands(m_model, m_Grid, *this);
    BuildOptionsMenu();

    // Buttons, in the order the window has always handled them.
    const MainControls& c = m_controls;
    connect(c.solve, &QPushButton::clicked, this, [this] { m_model.Solve(); });
    connect(c.solveCell, &QPushButton::clicked, this, &CSuDokuDlg::OnSolveCell);
    connect(c.help, &QPushButton::clicked, this, [] { RunHelpDialog(); });
    connect(c.setSuDoku, &QPushButton::clicked, this, &CSuDokuDlg::OnSetSuDoku);
    connect(&m_btnWebSite, &CImageButton::clicked, this,
            [this] { OpenWebSite(this, QString::fromLatin1(kTessalyWebSite)); });
    connect(c.exit, &QPushButton::clicked, this, &QDialog::accept);
    connect(c.previousStep, &QToolButton::clicked, this, [this] { m_model.PreviousStep(); });
    connect(c.nextStep, &QToolButton::clicked, this, [this] { m_model.NextStep(); });

    // Grid events.
    connect(&m_Grid, &CSpreadSheet::RightClick, this, &CSuDokuDlg::OnGridRightClick);
    connect(&m_Grid, &CSpreadSheet::Click, this, &CSuDokuDlg::OnGridClick);
    connect(&m_Grid, &CSpreadSheet::DblClick, this, &CSuDokuDlg::OnGridClick);
    connect(&m_Grid, &CSpreadSheet::DigitTyped, this, &CSuDokuDlg::OnGridDigit);

    // Keys of the undo history; the Options commands carry their own.
    auto* undo = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z), this);
    connect(undo, &QShortcut::activated, this, [this] { m_model.Undo(); });
    auto* redo = new QShortcut(this);
    redo->setKeys({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    connect(redo, &QShortcut::activated, this, [this] { m_model.Redo(); });

    m_model.AddListener([this] { Refresh(); });
    // The technique path and hints are worked out on the model's threads and brought in here,
    // between events, so that the window never waits for them.
    m_model.SetWorkFinishedNotice([this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                const bool pathPending = m_model.TechniquesPending();
                m_model.TakeFinishedWork();
                if (pathPending && !m_model.TechniquesPending())
                    m_solveLogic.Update();  // the Techniques tab fills in
            },
            Qt::QueuedConnection);
    });
    OnInitDialog();
    ProfileSettings store;
    RestoreWindowSize(*this, Settings(store));
}

void CSuDokuDlg::BuildOptionsMenu()
{
    m_options.AddNewPuzzle([this](Difficulty rating) { OnNewPuzzle(rating); });
    using Action = OptionsAction;
    using Command = PuzzleModel::Command;
    m_options.Add({
        {},
        {QT_TR_NOOP("Open ..."), Action::Open, [this] { m_transfer.Open(); }, QKeySequence(Qt::CTRL | Qt::Key_O),
         Artwork::kMenuOpen, Command::Open},
        {QT_TR_NOOP("Save As ..."), Action::SaveAs, [this] { m_transfer.SaveAs(); }, QKeySequence(Qt::CTRL | Qt::Key_S),
         Artwork::kMenuSaveAs, Command::SaveAs},
        {QT_TR_NOOP("Save Game As ..."), Action::SaveGameAs, [this] { m_transfer.SaveGameAs(); },
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), {}, Command::SaveAs},
        {},
        {QT_TR_NOOP("Next Puzzle"), Action::NextPuzzle, [this] { MoveInCollection(&CollectionMoves::Next); },
         QKeySequence(Qt::CTRL | Qt::Key_PageDown), {}, Command::NextPuzzle},
        {QT_TR_NOOP("Previous Puzzle"), Action::PreviousPuzzle,
         [this] { MoveInCollection(&CollectionMoves::Previous); }, QKeySequence(Qt::CTRL | Qt::Key_PageUp), {},
         Command::PreviousPuzzle},
        {QT_TR_NOOP("Go To Puzzle ..."), Action::GoToPuzzle, [this] { MoveInCollection(&CollectionMoves::GoTo); },
         QKeySequence(Qt::CTRL | Qt::Key_G), {}, Command::GoToPuzzle},
        {},
        {QT_TR_NOOP("Copy"), Action::Copy, [this] { m_transfer.Copy(); }, QKeySequence(Qt::CTRL | Qt::Key_C)},
        {QT_TR_NOOP("Paste"), Action::Paste, [this] { m_transfer.Paste(); }, QKeySequence(Qt::CTRL | Qt::Key_V), {},
         Command::Paste},
        {},
        {QT_TR_NOOP("Reset Su Doku Board"), Action::Reset, [this] { OnReset(); }, {}, Artwork::kMenuReset,
         Command::Reset},
        {QT_TR_NOOP("Clear Su Doku Board"), Action::Clear, [this] { OnClear(); }, {}, Artwork::kMenuClear,
         Command::Clear},
        {},
        {QT_TR_NOOP("Print ..."), Action::Print, [this] { OnPrint(); }, QKeySequence(Qt::CTRL | Qt::Key_P),
         Artwork::kMenuPrint},
        {QT_TR_NOOP("Print Puzzles ..."), Action::PrintPuzzles, [this] { m_newPuzzles.Print(); }},
        {},
        {QT_TR_NOOP("Show Solve Logic ..."), Action::ShowSolveLogic, [this] { m_solveLogic.Show(); }, {},
         Artwork::kMenuLogic, Command::ShowSolveLogic},
        {},
        {QT_TR_NOOP("Show Candidates"), Action::ShowCandidates, [this] { OnShowCandidates(); },
         QKeySequence(Qt::CTRL | Qt::Key_K)},
        {QT_TR_NOOP("Previous Step"), Action::PreviousStep, [this] { m_model.PreviousStep(); },
         QKeySequence(Qt::CTRL | Qt::Key_Left), {}, Command::PreviousStep},
        {QT_TR_NOOP("Next Step"), Action::NextStep, [this] { m_model.NextStep(); },
         QKeySequence(Qt::CTRL | Qt::Key_Right), {}, Command::NextStep},
        {QT_TR_NOOP("Hint"), Action::Hint, [this] { m_model.Hint(); }, QKeySequence(Qt::Key_H), {}, Command::Hint},
        {},
        {QT_TR_NOOP("Enter My Digits"), Action::EnterMyDigits, [this] { m_ownDigits->ToggleMyDigits(); },
         QKeySequence(Qt::CTRL | Qt::Key_D)},
        {QT_TR_NOOP("Check My Digits"), Action::CheckMyDigits, [this] { m_model.Check(); },
         QKeySequence(Qt::CTRL | Qt::Key_E), {}, Command::CheckOwnDigits},
        {QT_TR_NOOP("Fill In Candidates"), Action::FillInCandidates, [this] { m_model.FillInCandidates(); }, {}, {},
         Command::FillInCandidates},
        {QT_TR_NOOP("Clean Up My Marks"), Action::CleanUpMarks, [this] { m_digitHighlight->ToggleCleanMarks(); }},
        {QT_TR_NOOP("Show Clashes"), Action::ShowClashes, [this] { m_digitHighlight->ToggleShowClashes(); }},
        {},
        {QT_TR_NOOP("About Vantrel Orvandel ..."), Action::About, [this] { OnAbout(); }, {}, Artwork::kMenuAbout},
    });

    for (const Action action : {Action::EnterMyDigits, Action::CleanUpMarks, Action::ShowClashes})
        m_options.Action(action).setCheckable(true);
    QAction& showCandidates = m_options.Action(OptionsAction::ShowCandidates);
    ProfileSettings store;
    m_bShowCandidates = Settings(store).ShowCandidates();
    showCandidates.setCheckable(true);
    showCandidates.setChecked(m_bShowCandidates);
}

void CSuDokuDlg::OnInitDialog()
{
    connect(m_menuSystem.addAction(tr("Close")), &QAction::triggered, this, &QDialog::reject);
    m_menuSystem.addSeparator();
    connect(m_menuSystem.addAction(tr(kAboutMenuText)), &QAction::triggered, this, &CSuDokuDlg::OnAbout);
    auto* systemMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(systemMenuKey, &QShortcut::activated, this, [this] { ShowSystemMenu(mapToGlobal(QPoint(0, 0))); });

    setWindowIcon(m_hIcon);

    m_btnOptions.SetMenu(&m_options.Menu());
    // After a command from the menu the person goes on typing on the board, not on the button.
    connect(&m_options.Menu(), &QMenu::triggered, this, [this] { m_Grid.setFocus(); });

    m_btnWebSite.SetTooltip(tr(kWebSiteTooltip));
    m_btnWebSite.setAccessibleName(tr(kWebSiteTooltip));
    m_btnWebSite.SetImage(Artwork::kWebButton);
    m_btnWebSite.SetMouseCursorHand();

    Refresh();

    // The splash screen comes up over the window once it runs.
    QTimer::singleShot(0, this, [] {
        CSplashDlg splash;
        splash.exec();
    });
    m_Grid.setFocus();
}

void CSuDokuDlg::MoveInCollection(void (CollectionMoves::*move)())
{
    (m_collection.*move)();
    m_Grid.setFocus();
}

void CSuDokuDlg::hideEvent(QHideEvent* event)
{
    QDialog::hideEvent(event);
    ProfileSettings store;
    Settings settings(store);
    RememberWindowSize(*this, settings);
}

QMessageBox::StandardButton CSuDokuDlg::Ask(const QString& text, QMessageBox::StandardButtons buttons)
{
    return AskPerson(this, text, buttons);
}

void CSuDokuDlg::OnAbout()
{
    RunAboutDialog();
}

void CSuDokuDlg::ShowSystemMenu(const QPoint& globalPosition)
{
    m_menuSystem.exec(globalPosition);
}

void CSuDokuDlg::contextMenuEvent(QContextMenuEvent* event)
{
    ShowSystemMenu(event->globalPos());
}

void CSuDokuDlg::keyPressEvent(QKeyEvent* event)
{
    // The keys the dialog itself turns into closing: those that no control took.
    const bool plain = event->modifiers() == Qt::NoModifier ||
                       (event->modifiers() == Qt::KeypadModifier && event->key() == Qt::Key_Enter);
    const bool closes = plain && (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return ||
                                  event->key() == Qt::Key_Enter);
    if (closes && m_model.HasUnsavedPuzzle() &&
        Ask(tr(kCloseQuestion), QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
