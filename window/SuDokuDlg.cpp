// The main window's construction, layout, set-up, system menu and start-up timer.
#include "SuDokuDlg.h"

#include "AccessibleRoles.h"
#include "Artwork.h"
#include "CommandIds.h"
#include "OwnDigitsCommands.h"
#include "ProfileSettings.h"
#include "UserPrompts.h"

#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>
#include <optional>

namespace {

// Translated where shown: the translator is installed only after these exist.
const char* const kAboutMenuText = QT_TRANSLATE_NOOP("CSuDokuDlg", "&About Vantrel Orvandel ...");
const char* const kWebSiteTooltip = QT_TRANSLATE_NOOP("CSuDokuDlg", "Visit Tessaly Web Site");
const char* const kCloseQuestion =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "Close Vantrel Orvandel? The puzzle on the board will be lost.");

// The button column's proportions at the default font: 55 x 14 dialog units. A larger font widens
// and heightens the column so that no text is cut.
constexpr int kButtonWidth = 83;
constexpr int kButtonHeight = 23;
// What a line edit keeps between its frame and its text on either side.
constexpr int kLineEditTextMargin = 2;

QPushButton* MakeCommandButton(const QString& text, QWidget* parent)
{
    return new QPushButton(text, parent);
}

// An arrow button of the step bar, named by its command; the tooltip adds the command's key.
QToolButton* MakeStepButton(Qt::ArrowType arrow, const QString& name, const QString& command, const QKeySequence& key,
                            QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(command, key.toString(QKeySequence::NativeText)));
    button->setAccessibleName(command);
    return button;
}

QLineEdit* MakeResultField(const QString& name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

// The width a read-only field needs to show text whole.
int FieldWidthFor(const QLineEdit& field, const QString& text)
{
    const int frame = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field);
    const QMargins margins = field.textMargins();
    return field.fontMetrics().horizontalAdvance(text) + 2 * (frame + kLineEditTextMargin + 1) + margins.left() +
           margins.right();
}

}  // namespace

CSuDokuDlg::CSuDokuDlg(const QString& appPath, QWidget* parent)
    : QDialog(parent)
    , m_btnOptions(tr("&Options"))
    , m_menuOptions(QStringLiteral("OPTIONS"), this)
    , m_strAppPath(appPath)
    , m_menuSystem(this)
{
    InstallAccessibleRoles();
    m_hIcon = Artwork::Load(Artwork::kAppIcon);

    m_menuOptions.setObjectName(QStringLiteral("Options"));
    m_menuSystem.setObjectName(QStringLiteral("System"));
    setWindowTitle(QString::fromLatin1(kProgramTitle));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    BuildLayout();
    BuildOptionsMenu();
    (new COwnDigitsCommands(m_model, m_Grid, *this))
        ->AddTo(m_menuOptions, m_menuOptions.findChild<QAction*>(QStringLiteral("About")));

    // Buttons, in the order the window has always handled them.
    connect(m_btnSolve, &QPushButton::clicked, this, &CSuDokuDlg::OnSolve);
    connect(m_btnSolveCell, &QPushButton::clicked, this, &CSuDokuDlg::OnSolveCell);
    connect(m_btnHelp, &QPushButton::clicked, this, &CSuDokuDlg::OnHelp);
    connect(m_btnSetSuDoku, &QPushButton::clicked, this, &CSuDokuDlg::OnSetSuDoku);
    connect(&m_btnWebSite, &CImageButton::clicked, this, &CSuDokuDlg::OnVisitWebSite);
    connect(m_btnExit, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_btnPreviousStep, &QToolButton::clicked, this, &CSuDokuDlg::OnPreviousStep);
    connect(m_btnNextStep, &QToolButton::clicked, this, &CSuDokuDlg::OnNextStep);

    // Grid events.
    connect(&m_Grid, &CSpreadSheet::RightClick, this, &CSuDokuDlg::OnGridRightClick);
    connect(&m_Grid, &CSpreadSheet::Click, this, &CSuDokuDlg::OnGridClick);
    connect(&m_Grid, &CSpreadSheet::DblClick, this, &CSuDokuDlg::OnGridDblClick);
    connect(&m_Grid, &CSpreadSheet::DigitTyped, this, &CSuDokuDlg::OnGridDigit);

    // Keys of the undo history; the Options commands carry their own.
    const auto addShortcut = [this](const QList<QKeySequence>& keys, void (CSuDokuDlg::*command)()) {
        auto* shortcut = new QShortcut(this);
        shortcut->setKeys(keys);
        connect(shortcut, &QShortcut::activated, this, command);
    };
    addShortcut({QKeySequence(Qt::CTRL | Qt::Key_Z)}, &CSuDokuDlg::OnUndo);
    addShortcut({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
                &CSuDokuDlg::OnRedo);

    m_model.AddListener([this] { Refresh(); });
    OnInitDialog();
}

void CSuDokuDlg::BuildLayout()
{
    // Each with an Alt key of its own, in every translation too.
    m_btnSetSuDoku = MakeCommandButton(tr("&Set Su Doku"), this);
    m_btnSolve = MakeCommandButton(tr("Sol&ve"), this);
    m_btnSolveCell = MakeCommandButton(tr("Solve &Cell"), this);
    m_btnHelp = MakeCommandButton(tr("&Help"), this);
    m_btnExit = MakeCommandButton(tr("E&xit"), this);
    m_btnExit->setDefault(true);
    m_btnWebSite.setFixedSize(63, 56);
    m_editStatus = MakeResultField(QString::fromLatin1(QT_TR_NOOP("Status")), this);
    m_editSolved = MakeResultField(QString::fromLatin1(QT_TR_NOOP("Solved")), this);
    m_editUnique = MakeResultField(QString::fromLatin1(QT_TR_NOOP("Unique")), this);
    m_editRating = MakeResultField(QString::fromLatin1(QT_TR_NOOP("Rating")), this);
    m_btnPreviousStep = MakeStepButton(Qt::LeftArrow, QStringLiteral("PreviousStep"), tr("Previous Step"),
                                       QKeySequence(Qt::CTRL | Qt::Key_Left), this);
    m_btnNextStep = MakeStepButton(Qt::RightArrow, QStringLiteral("NextStep"), tr("Next Step"),
                                   QKeySequence(Qt::CTRL | Qt::Key_Right), this);
    m_editStep = new QLineEdit(this);
    m_editStep->setObjectName(QStringLiteral("Step"));
    m_editStep->setReadOnly(true);
    m_editStep->setAccessibleName(tr("Step"));
    const std::initializer_list<QPushButton*> buttons = {&m_btnOptions, m_btnSetSuDoku, m_btnSolve,
                                                         m_btnSolveCell, m_btnHelp,     m_btnExit};
    const std::initializer_list<QLineEdit*> fields = {m_editSolved, m_editUnique, m_editStatus, m_editRating};

    // One width for the whole column, from the widest text it may have to show in the font in use.
    int columnWidth = kButtonWidth;
    int buttonHeight = kButtonHeight;
    for (QPushButton* button : buttons) {
        columnWidth = std::max(columnWidth, button->sizeHint().width());
        buttonHeight = std::max(buttonHeight, button->sizeHint().height());
    }
    for (const std::string& verdict : PuzzleModel::VerdictTexts())
        columnWidth = std::max(columnWidth, FieldWidthFor(*m_editStatus, QString::fromStdString(verdict)));
    for (QPushButton* button : buttons)
        button->setFixedSize(columnWidth, buttonHeight);
    for (QLineEdit* field : fields)
        field->setFixedWidth(columnWidth);

    auto* commands = new QVBoxLayout;
    commands->setSpacing(5);
    for (QPushButton* button : buttons)
        commands->addWidget(button);
    commands->addSpacing(8);
    commands->addWidget(&m_btnWebSite, 0, Qt::AlignHCenter);
    commands->addStretch();
    // Each field close under its label, which reads as the field's name; four of them fit beside
    // the grid only when packed this tightly.
    auto* results = new QVBoxLayout;
    results->setSpacing(1);
    for (QLineEdit* field : fields) {
        if (field != m_editSolved)
            results->addSpacing(5);
        // The label names its field for assistive technology too.
        const QString name = tr(field->objectName().toLatin1().constData());
        auto* label = new QLabel(name, this);
        label->setBuddy(field);
        field->setAccessibleName(name);
        results->addWidget(label);
        results->addWidget(field);
    }
    commands->addLayout(results);

    auto* window = new QHBoxLayout(this);
    window->setContentsMargins(10, 10, 10, 10);
    window->setSpacing(10);
    window->setSizeConstraint(QLayout::SetFixedSize);
    // Under the grid, the replay of the solve: one step back, the step's sentence, one step on.
    auto* stepBar = new QHBoxLayout;
    stepBar->setSpacing(4);
    stepBar->addWidget(m_btnPreviousStep);
    stepBar->addWidget(m_editStep, 1);
    stepBar->addWidget(m_btnNextStep);
    auto* board = new QVBoxLayout;
    board->setSpacing(6);
    board->addWidget(&m_Grid);
    board->addLayout(stepBar);
    board->addStretch();
    window->addLayout(board);
    window->addLayout(commands);

    // Tab order as the window's controls are listed: grid, then the buttons top to bottom.
    setTabOrder(&m_Grid, &m_btnOptions);
    setTabOrder(&m_btnOptions, m_btnSetSuDoku);
    setTabOrder(m_btnSetSuDoku, m_btnSolve);
    setTabOrder(m_btnSolve, m_btnSolveCell);
    setTabOrder(m_btnSolveCell, m_btnHelp);
    setTabOrder(m_btnHelp, m_btnExit);
    setTabOrder(m_btnExit, &m_btnWebSite);
    // Then the fields below them, top to bottom, and the step bar left to right.
    QWidget* previous = &m_btnWebSite;
    for (QLineEdit* field : fields) {
        setTabOrder(previous, field);
        previous = field;
    }
    setTabOrder(previous, m_btnPreviousStep);
    setTabOrder(m_btnPreviousStep, m_editStep);
    setTabOrder(m_editStep, m_btnNextStep);
}

void CSuDokuDlg::BuildOptionsMenu()
{
    m_menuNewPuzzle = m_menuOptions.addMenu(tr("New Puzzle"));
    m_menuNewPuzzle->setObjectName(QStringLiteral("NewPuzzle"));
    for (const Difficulty rating : kDifficulties) {
        const QString name = QString::fromLatin1(DifficultyName(rating));
        QAction* action = m_menuNewPuzzle->addAction(name);
        action->setObjectName(QStringLiteral("NewPuzzle") + name);
        connect(action, &QAction::triggered, this, [this, rating] { OnNewPuzzle(rating); });
    }

    using Command = PuzzleModel::Command;
    const struct {
        const char* text;  // null for a separator
        const char* name;  // the action's object name
        void (CSuDokuDlg::*handler)();
        QKeySequence key;
        QString picture;
        std::optional<Command> enabledBy;  // none: always enabled
    } commands[] = {
        {},
        {QT_TR_NOOP("Open ..."), "Open", &CSuDokuDlg::OnOpenBoard, {}, Artwork::kMenuOpen, Command::Open},
        {QT_TR_NOOP("Save As ..."), "SaveAs", &CSuDokuDlg::OnSaveBoardAs, {}, Artwork::kMenuSaveAs, Command::SaveAs},
        {},
        {QT_TR_NOOP("Copy"), "Copy", &CSuDokuDlg::OnCopy, QKeySequence(Qt::CTRL | Qt::Key_C), {}, {}},
        {QT_TR_NOOP("Paste"), "Paste", &CSuDokuDlg::OnPaste, QKeySequence(Qt::CTRL | Qt::Key_V), {}, Command::Paste},
        {},
        {QT_TR_NOOP("Reset Su Doku Board"), "Reset", &CSuDokuDlg::OnReset, {}, Artwork::kMenuReset, Command::Reset},
        {QT_TR_NOOP("Clear Su Doku Board"), "Clear", &CSuDokuDlg::OnClear, {}, Artwork::kMenuClear, Command::Clear},
        {},
        {QT_TR_NOOP("Print ..."), "Print", &CSuDokuDlg::OnPrint, {}, Artwork::kMenuPrint, {}},
        {QT_TR_NOOP("Print Puzzles ..."), "PrintPuzzles", &CSuDokuDlg::OnPrintPuzzles, {}, {}, {}},
        {},
        {QT_TR_NOOP("Show Solve Logic ..."), "ShowSolveLogic", &CSuDokuDlg::OnShowSolveLogic, {}, Artwork::kMenuLogic,
         Command::ShowSolveLogic},
        {},
        {QT_TR_NOOP("Show Candidates"), "ShowCandidates", &CSuDokuDlg::OnShowCandidates,
         QKeySequence(Qt::CTRL | Qt::Key_K), {}, {}},
        {QT_TR_NOOP("Previous Step"), "PreviousStep", &CSuDokuDlg::OnPreviousStep,
         QKeySequence(Qt::CTRL | Qt::Key_Left), {}, Command::PreviousStep},
        {QT_TR_NOOP("Next Step"), "NextStep", &CSuDokuDlg::OnNextStep, QKeySequence(Qt::CTRL | Qt::Key_Right), {},
         Command::NextStep},
        {QT_TR_NOOP("Hint"), "Hint", &CSuDokuDlg::OnHint, QKeySequence(Qt::Key_H), {}, Command::Hint},
        {},
        {QT_TR_NOOP("About Vantrel Orvandel ..."), "About", &CSuDokuDlg::OnAbout, {}, Artwork::kMenuAbout, {}},
    };
    for (const auto& command : commands) {
        if (!command.text) {
            m_menuOptions.addSeparator();
            continue;
        }
        // The shortcut after a tab, in the words of the language in use ("Strg+C" in German); it
        // acts wherever the window is active.
        const QString text = tr(command.text);
        QAction* action = m_menuOptions.addAction(
            command.key.isEmpty() ? text : text + u'\t' + command.key.toString(QKeySequence::NativeText));
        action->setObjectName(QString::fromLatin1(command.name));
        action->setShortcut(command.key);
        if (!command.picture.isEmpty())
            action->setIcon(Artwork::Load(command.picture));
        if (command.enabledBy)
            m_modelCommands.emplace_back(action, *command.enabledBy);
        addAction(action);
        connect(action, &QAction::triggered, this, command.handler);
    }

    m_actionShowCandidates = m_menuOptions.findChild<QAction*>(QStringLiteral("ShowCandidates"));
    m_bShowCandidates = ProfileSettings().GetProfileInt(kViewSection, kShowCandidatesEntry, 0) != 0;
    m_actionShowCandidates->setCheckable(true);
    m_actionShowCandidates->setChecked(m_bShowCandidates);
}

void CSuDokuDlg::OnInitDialog()
{
    m_menuSystem.addAction(tr("Close"))->setData(kScClose);
    m_menuSystem.addSeparator();
    m_menuSystem.addAction(tr(kAboutMenuText))->setData(kIdmAboutBox);
    auto* systemMenuKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(systemMenuKey, &QShortcut::activated, this, [this] { ShowSystemMenu(mapToGlobal(QPoint(0, 0))); });

    setWindowIcon(m_hIcon);

    m_btnOptions.SetMenu(&m_menuOptions);

    m_btnWebSite.SetTooltip(tr(kWebSiteTooltip));
    m_btnWebSite.setAccessibleName(tr(kWebSiteTooltip));
    m_btnWebSite.SetImage(Artwork::kWebButton);
    m_btnWebSite.SetMouseCursorHand();

    Refresh();

    // The splash screen comes up over the window once it runs.
    QTimer::singleShot(0, this, &CSuDokuDlg::ShowSplash);
    m_Grid.setFocus();
}

void CSuDokuDlg::UpdateDataToWindow()
{
    const std::pair<QLineEdit*, const std::string&> fields[] = {{m_editStatus, m_model.Status()},
                                                                {m_editSolved, m_model.Solved()},
                                                                {m_editUnique, m_model.Unique()},
                                                                {m_editRating, m_model.Rating()}};
    for (const auto& [field, text] : fields) {
        field->setText(QString::fromStdString(text));
        // A line edit scrolls to its cursor, which setText puts at the end; a verdict reads from its start.
        field->setCursorPosition(0);
    }
    m_editRating->setToolTip(TechniqueDifficultyText());
}

void CSuDokuDlg::ShowSystemMenu(const QPoint& globalPosition)
{
    if (const QAction* chosen = m_menuSystem.exec(globalPosition))
        OnSysCommand(chosen->data().toInt());
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

void CSuDokuDlg::OnSysCommand(int commandId)
{
    const int command = commandId & kSystemCommandMask;
    if (command == kIdmAboutBox)
        OnAbout();
    else if (command == kScClose)
        reject();
}

