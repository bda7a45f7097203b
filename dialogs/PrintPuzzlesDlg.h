// Asks how many new puzzles to print, and of which rating.
#pragma once

#include "Difficulty.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

class CPrintPuzzlesDlg : public QDialog {
    Q_OBJECT

public:
    explicit CPrintPuzzlesDlg(QWidget* parent = nullptr);

    int Count() const;  // 1..100, four by default: one page
    Difficulty Rating() const;

private:
    QSpinBox* m_spinCount = nullptr;
    QComboBox* m_comboRating = nullptr;
};
