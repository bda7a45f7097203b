#include "HelpDlg.h"

#include "DocumentKeys.h"
#include "ReadableColours.h"
#include "RtfReader.h"

#include <QEvent>
#include <QFile>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

CHelpDlg::CHelpDlg(QWidget* parent, const QString& helpTextPath) : QDialog(parent), m_helpTextPath(helpTextPath)
{
    setWindowTitle(tr("Vantrel Orvandel Help"));

    auto* exitButton = new QPushButton(tr("Exit"));
    exitButton->setDefault(true);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);

    m_ctrlHelp = new QTextEdit;
    m_ctrlHelp->setReadOnly(true);
    m_ctrlHelp->setLineWrapMode(QTextEdit::WidgetWidth);
    m_ctrlHelp->setMinimumSize(490, 450);

    AddDocumentStartAndEndKeys(*this, *m_ctrlHelp);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(exitButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttonRow);
    layout->addWidget(m_ctrlHelp, 1);

    OnInitDialog();
}

QString CHelpDlg::HelpTextResource()
{
    //: The resource that holds the help text in this language, an RTF file beside help.rtf.
    return tr(":/res/help.rtf");
}

void CHelpDlg::OnInitDialog()
{
    // Looked up anew for every showing; a missing text simply leaves the control empty.
    QFile helpText(m_helpTextPath);
    if (helpText.open(QIODevice::ReadOnly))
        m_strHelpText = helpText.readAll();
    UpdateData();
}

void CHelpDlg::UpdateData()
{
    SetRichOrPlainText(m_strHelpText, *m_ctrlHelp->document());
    // The dialog's own palette: a new one reaches it before its children.
    MakeTextReadable(*m_ctrlHelp->document(), palette().color(QPalette::Base));
    m_ctrlHelp->moveCursor(QTextCursor::Start);
}

void CHelpDlg::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_ctrlHelp)
        UpdateData();
}

void RunHelpDialog()
{
    CHelpDlg help;
    help.exec();
}
