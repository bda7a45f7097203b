#include "PrintPuzzlesDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

namespace {

constexpr int kMostPuzzles = 100;
constexpr int kPuzzlesPerPage = 4;

}  // namespace

CPrintPuzzlesDlg::CPrintPuzzlesDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Print Puzzles"));
    m_spinCount = new QSpinBox(this);
    m_spinCount->setObjectName(QStringLiteral("Count"));
    m_spinCount->setRange(1, kMostPuzzles);
    m_spinCount->setValue(kPuzzlesPerPage);
    m_comboRating = new QComboBox(this);
    m_comboRating->setObjectName(QStringLiteral("Rating"));
    for (const Difficulty rating : {Difficulty::Easy, Difficulty::Mild, Difficulty::Hard, Difficulty::RiverAzevod})
        m_comboRating->addItem(QString::fromLatin1(DifficultyName(rating)), static_cast<int>(rating));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("&Puzzles:"), m_spinCount);
    layout->addRow(tr("&Rating:"), m_comboRating);
    layout->addRow(buttons);
}

int CPrintPuzzlesDlg::Count() const
{
    return m_spinCount->value();
}

Difficulty CPrintPuzzlesDlg::Rating() const
{
    return static_cast<Difficulty>(m_comboRating->currentData().toInt());
}
