#include "SolveLogicWindow.h"

#include "PuzzleModel.h"
#include "SolveLogicDlg.h"
#include "SpreadSheet.h"
#include "TechniqueText.h"
#include "WindowPlacement.h"

#include <QScreen>

namespace {

// Translated where shown: the translator is installed only after these exist.
const char* const kSeveralSolutionsNote =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "This puzzle has more than one solution; the steps below lead to one of them.");
const char* const kNoTechniquePathNote =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "The techniques explain only a puzzle with exactly one solution.");
const char* const kTechniquesPendingNote =
    QT_TRANSLATE_NOOP("CSuDokuDlg", "Still working out the techniques.");

}  // namespace

SolveLogicWindow::SolveLogicWindow(QDialog& owner, const CSpreadSheet& board, PuzzleModel& model)
    : m_owner(owner), m_board(board), m_model(model)
{
}

void SolveLogicWindow::Show()
{
    if (!m_model.IsEnabled(PuzzleModel::Command::ShowSolveLogic))
        return;
    if (!m_window)
        Create();
    Fill();
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

void SolveLogicWindow::Update()
{
    if (m_window && m_window->isVisible())
        Fill();
}

void SolveLogicWindow::Follow()
{
    if (m_window)
        m_window->SelectStep(m_model.StepPosition());
}

void SolveLogicWindow::Hide()
{
    if (m_window)
        m_window->hide();
}

QString SolveLogicWindow::DifficultyOf(const PuzzleModel& model, QString (*words)(const PuzzleModel::TechniqueRating&))
{
    if (model.TechniquesPending())
        return tr(kTechniquesPendingNote);
    const std::optional<PuzzleModel::TechniqueRating>& rating = model.TechniqueDifficulty();
    return rating ? words(*rating) : QString();
}

void SolveLogicWindow::Create()
{
    m_window = new CSolveLogicDlg(&m_owner);
    QObject::connect(m_window, &CSolveLogicDlg::StepChosen, &m_owner, [this](int step) { m_model.GoToStep(step); });
    // The replay walks the path of the tab chosen.
    QObject::connect(m_window, &CSolveLogicDlg::TabChosen, &m_owner, [this](int tab) {
        m_model.ChooseReplay(tab == CSolveLogicDlg::kTechniquesTab ? PuzzleModel::ReplayPath::Techniques
                                                                    : PuzzleModel::ReplayPath::Solver);
    });
    // Beside the main window, never over the board: the steps are read against it. The new
    // window's frame is taken to be as thick as the main window's.
    if (m_owner.screen()) {
        const QSize frame = m_owner.frameGeometry().size() - m_owner.geometry().size();
        const QRect board(m_board.mapToGlobal(QPoint(0, 0)), m_board.size());
        const WindowPlacement place = PlaceBeside(m_owner.screen()->availableGeometry(), m_owner.frameGeometry(),
                                                  board, m_window->sizeHint() + frame);
        m_owner.move(place.owner);
        m_window->move(place.window);
    }
}

void SolveLogicWindow::Fill()
{
    QStringList sentences;
    for (const std::string& sentence : m_model.Steps())
        sentences << QString::fromStdString(sentence);
    m_window->SetSteps(m_model.HasSeveralSolutions() ? tr(kSeveralSolutionsNote) : QString(), sentences);
    QStringList lines;
    for (const PuzzleModel::TechniqueLine& line : m_model.TechniqueLines()) {
        const QString sentence = QString::fromStdString(line.sentence);
        lines << (line.difficulty ? QStringLiteral("(%1) %2").arg(*line.difficulty, 0, 'f', 1).arg(sentence) : sentence);
    }
    const QString techniquesNote = m_model.TechniquesPending()   ? tr(kTechniquesPendingNote)
                                   : m_model.SolutionCount() == 1 ? QString()
                                                                  : tr(kNoTechniquePathNote);
    m_window->SetTechniques(techniquesNote, lines);
    m_window->SetDifficulty(DifficultyOf(m_model, DifficultyTitle));
    m_window->SelectStep(m_model.StepPosition());
}
