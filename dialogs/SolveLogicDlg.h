// The solve-logic window: the step sentences of the last solve, one a line after its step number,
// below a note when there is one (a puzzle with several solutions). It stays open beside the main
// window and follows the replay of the solve: choosing a sentence (a click, the arrow keys) reports
// its step, and the main window selects the sentence of the step it shows. Ctrl+C copies the
// selected sentences without their numbers. "Exit" and Escape close it.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QListWidget;

class CSolveLogicDlg : public QDialog {
    Q_OBJECT

public:
    explicit CSolveLogicDlg(QWidget* parent = nullptr);

    // Shows the steps from the top, none selected.
    void SetSteps(const QString& note, const QStringList& sentences);
    // Selects the sentence of step `step` (from 1) and scrolls to it; 0 selects none. Reports nothing.
    void SelectStep(int step);
    // The selected sentences in step order, one a line.
    QString SelectedSentences() const;

signals:
    // The person chose the sentence of this step (from 1).
    void StepChosen(int step);

private:
    void OnCurrentRowChanged(int row);

    QListWidget* m_listLogic = nullptr;
    int m_firstStepRow = 0;  // 1 below a note
    bool m_selecting = false;  // SelectStep at work: no report
};
