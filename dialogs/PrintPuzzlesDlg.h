// Asks how many new puzzles to print, and of which rating, starting with the choice given.
#pragma once

#include "NewPuzzleChoice.h"

#include <QDialog>

class QComboBox;
class QSpinBox;

class CPrintPuzzlesDlg : public QDialog {
    Q_OBJECT

public:
    explicit CPrintPuzzlesDlg(const PrintPuzzlesChoice& start, QWidget* parent = nullptr);

    PrintPuzzlesChoice Choice() const;

private:
    QSpinBox* m_spinCount = nullptr;
    QComboBox* m_comboRating = nullptr;
};
