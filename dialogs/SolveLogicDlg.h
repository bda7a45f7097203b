// The solve-logic window: the step sentences of the last solve as one read-only, scrollable text,
// one sentence a line, shown from the top. Closed with "Exit" or Escape; it changes nothing.
#pragma once

#include <QDialog>
#include <QString>

class QPlainTextEdit;

class CSolveLogicDlg : public QDialog {
    Q_OBJECT

public:
    explicit CSolveLogicDlg(QWidget* parent = nullptr);

    // The whole text shown; the caller fills it before exec(). Lines end in "\r\n".
    QString m_strLogic;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void UpdateDataToWindow();

    QPlainTextEdit* m_editLogic = nullptr;
};
