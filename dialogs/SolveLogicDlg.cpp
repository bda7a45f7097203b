#include "SolveLogicDlg.h"

#include "DocumentKeys.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

CSolveLogicDlg::CSolveLogicDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Show Su Doku Solve Logic"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    auto* exitButton = new QPushButton(QStringLiteral("Exit"), this);
    exitButton->setDefault(true);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);

    m_editLogic = new QPlainTextEdit(this);
    m_editLogic->setObjectName(QStringLiteral("Logic"));
    m_editLogic->setReadOnly(true);
    m_editLogic->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_editLogic->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_editLogic->setMinimumSize(495, 406);  // 330 x 254 dialog units

    AddDocumentStartAndEndKeys(*this, *m_editLogic);

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("Solve Logic"), this), 0, 0, Qt::AlignLeft | Qt::AlignBottom);
    layout->addWidget(exitButton, 0, 1, Qt::AlignRight);
    layout->addWidget(m_editLogic, 1, 0, 1, 2);
}

void CSolveLogicDlg::showEvent(QShowEvent* event)
{
    UpdateDataToWindow();
    QDialog::showEvent(event);
}

void CSolveLogicDlg::UpdateDataToWindow()
{
    m_editLogic->setPlainText(m_strLogic);
    m_editLogic->moveCursor(QTextCursor::Start);
    m_editLogic->verticalScrollBar()->setValue(0);
}
