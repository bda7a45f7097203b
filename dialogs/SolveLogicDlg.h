// The solve-logic window: two tabs of numbered lines, each below a note when there is one. "Solve
// Logic" lists the step sentences of the last solve (the note: a puzzle with several solutions);
// "Techniques" the technique path, each line with the step's difficulty. The title line begins with
// the puzzle's difficulty on the technique scale. The window stays open beside the main window and
// follows the replay of the solve on the tab chosen: choosing a line (a click, the arrow keys)
// reports its step, choosing a tab reports the tab, and the main window selects the line of the
// step it shows. Ctrl+C copies the selected lines without their numbers. "Exit" and Escape close it.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QListWidget;
class QTabWidget;

class CSolveLogicDlg : public QDialog {
    Q_OBJECT

public:
    enum Tab { kSolveLogicTab, kTechniquesTab };

    explicit CSolveLogicDlg(QWidget* parent = nullptr);

    // Shows the lines from the top, none selected.
    void SetSteps(const QString& note, const QStringList& sentences);
    void SetTechniques(const QString& note, const QStringList& lines);
    // The puzzle's difficulty before the window's title; empty for none.
    void SetDifficulty(const QString& difficulty);
    int CurrentTab() const;
    // Selects the line of step `step` (from 1) on the tab chosen and scrolls to it; 0 selects none.
    // Reports nothing.
    void SelectStep(int step);
    // The selected lines of the tab chosen in step order, one a line.
    QString SelectedSentences() const;

signals:
    // The person chose the line of this step (from 1) on the tab chosen.
    void StepChosen(int step);
    void TabChosen(int tab);

private:
    QListWidget* MakeList(const QString& name, const QString& accessibleName);
    QListWidget* CurrentList() const;
    void Fill(QListWidget& list, const QString& note, const QStringList& sentences);
    void OnCurrentRowChanged(const QListWidget& list, int row);

    QTabWidget* m_tabs = nullptr;
    QListWidget* m_listLogic = nullptr;
    QListWidget* m_listTechniques = nullptr;
    bool m_selecting = false;  // SelectStep at work: no report
    int m_reportedTab = kSolveLogicTab;  // the tab last reported as chosen
};
