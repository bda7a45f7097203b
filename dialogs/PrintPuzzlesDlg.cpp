#include "PrintPuzzlesDlg.h"

#include "ProfileSettings.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

namespace {

constexpr int kMostPuzzles = 100;
constexpr int kPuzzlesPerPage = 4;
const QString kPrintSection = QStringLiteral("PRINT PUZZLES");
const QString kCountEntry = QStringLiteral("COUNT");
const QString kRatingEntry = QStringLiteral("RATING");

}  // namespace

CPrintPuzzlesDlg::CPrintPuzzlesDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Print Puzzles"));
    m_spinCount = new QSpinBox(this);
    m_spinCount->setObjectName(QStringLiteral("Count"));
    m_spinCount->setRange(1, kMostPuzzles);
    m_comboRating = new QComboBox(this);
    m_comboRating->setObjectName(QStringLiteral("Rating"));
    for (const Difficulty rating : {Difficulty::Easy, Difficulty::Mild, Difficulty::Hard, Difficulty::RiverAzevod})
        m_comboRating->addItem(QString::fromLatin1(DifficultyName(rating)), static_cast<int>(rating));
    // A stored count out of range is brought into it; an unknown rating leaves the first.
    const ProfileSettings settings;
    m_spinCount->setValue(settings.GetProfileInt(kPrintSection, kCountEntry, kPuzzlesPerPage));
    const int rating = m_comboRating->findData(settings.GetProfileInt(kPrintSection, kRatingEntry, 0));
    m_comboRating->setCurrentIndex(std::max(rating, 0));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QFormLayout(this);
    layout->addRow(tr("&Puzzles:"), m_spinCount);
    layout->addRow(tr("&Rating:"), m_comboRating);
    layout->addRow(buttons);
}

void CPrintPuzzlesDlg::accept()
{
    ProfileSettings settings;
    settings.WriteProfileInt(kPrintSection, kCountEntry, Count());
    settings.WriteProfileInt(kPrintSection, kRatingEntry, static_cast<int>(Rating()));
    QDialog::accept();
}

int CPrintPuzzlesDlg::Count() const
{
    return m_spinCount->value();
}

Difficulty CPrintPuzzlesDlg::Rating() const
{
    return static_cast<Difficulty>(m_comboRating->currentData().toInt());
}
