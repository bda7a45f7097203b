// Asks how many new puzzles to print, and of which rating. It starts with the choice accepted last
// time, kept in the settings (section "PRINT PUZZLES", entries "COUNT" and "RATING").
#pragma once

#include "Difficulty.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

class CPrintPuzzlesDlg : public QDialog {
    Q_OBJECT

public:
    explicit CPrintPuzzlesDlg(QWidget* parent = nullptr);

    int Count() const;  // 1..100, four at first: one page
    Difficulty Rating() const;

    // Remembers the choice, then closes.
    void accept() override;

private:
    QSpinBox* m_spinCount = nullptr;
    QComboBox* m_comboRating = nullptr;
};
