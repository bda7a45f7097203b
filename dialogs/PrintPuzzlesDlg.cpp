#include "PrintPuzzlesDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

CPrintPuzzlesDlg::CPrintPuzzlesDlg(const PrintPuzzlesChoice& start, QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Print Puzzles"));
    m_spinCount = new QSpinBox(this);
    m_spinCount->setObjectName(QStringLiteral("Count"));
    m_spinCount->setRange(PrintPuzzlesChoice::kFewest, PrintPuzzlesChoice::kMost);
    m_spinCount->setValue(start.count);
    m_comboRating = new QComboBox(this);
    m_comboRating->setObjectName(QStringLiteral("Rating"));
    for (const Difficulty rating : kDifficulties)
        m_comboRating->addItem(QString::fromLatin1(DifficultyName(rating)), static_cast<int>(rating));
    m_comboRating->setCurrentIndex(std::max(m_comboRating->findData(static_cast<int>(start.rating)), 0));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("&Puzzles:"), m_spinCount);
    layout->addRow(tr("&Rating:"), m_comboRating);
    layout->addRow(buttons);
}

PrintPuzzlesChoice CPrintPuzzlesDlg::Choice() const
{
    return {m_spinCount->value(), static_cast<Difficulty>(m_comboRating->currentData().toInt())};
}
