#include "SolveLogicDlg.h"

#include "DocumentKeys.h"

#include <QApplication>
#include <QClipboard>
#include <QGridLayout>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

namespace {

constexpr int kSentenceRole = Qt::UserRole;

}  // namespace

CSolveLogicDlg::CSolveLogicDlg(QWidget* parent)
    : QDialog(parent)
{
    setWindowTitle(tr("Show Su Doku Solve Logic"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);

    auto* exitButton = new QPushButton(tr("Exit"), this);
    exitButton->setDefault(true);
    connect(exitButton, &QPushButton::clicked, this, &QDialog::accept);

    m_listLogic = new QListWidget(this);
    m_listLogic->setObjectName(QStringLiteral("Logic"));
    m_listLogic->setAccessibleName(tr("Solve Logic"));
    m_listLogic->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_listLogic->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_listLogic->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_listLogic->setMinimumSize(495, 406);  // 330 x 254 dialog units
    // Long sentences wrap at the window's edge, at any font size, rather than scroll sideways.
    m_listLogic->setWordWrap(true);
    m_listLogic->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_listLogic->setResizeMode(QListView::Adjust);
    m_listLogic->setTextElideMode(Qt::ElideNone);
    connect(m_listLogic, &QListWidget::currentRowChanged, this, &CSolveLogicDlg::OnCurrentRowChanged);

    AddDocumentStartAndEndKeys(*this, *m_listLogic);
    auto* copy = new QShortcut(QKeySequence::Copy, m_listLogic);
    connect(copy, &QShortcut::activated, this, [this] { QApplication::clipboard()->setText(SelectedSentences()); });

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Solve Logic"), this), 0, 0, Qt::AlignLeft | Qt::AlignBottom);
    layout->addWidget(exitButton, 0, 1, Qt::AlignRight);
    layout->addWidget(m_listLogic, 1, 0, 1, 2);
}

void CSolveLogicDlg::SetSteps(const QString& note, const QStringList& sentences)
{
    m_selecting = true;
    m_listLogic->clear();
    m_firstStepRow = note.isEmpty() ? 0 : 1;
    if (!note.isEmpty()) {
        auto* noteItem = new QListWidgetItem(note, m_listLogic);
        noteItem->setFlags(Qt::ItemIsEnabled);  // read, never chosen
    }
    for (int step = 1; step <= sentences.size(); ++step) {
        const QString& sentence = sentences[step - 1];
        auto* item = new QListWidgetItem(QStringLiteral("%1. %2").arg(step).arg(sentence), m_listLogic);
        item->setData(kSentenceRole, sentence);
    }
    m_listLogic->scrollToTop();
    m_selecting = false;
}

void CSolveLogicDlg::SelectStep(int step)
{
    m_selecting = true;
    const int row = step > 0 ? m_firstStepRow + step - 1 : -1;
    m_listLogic->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    if (row < 0)
        m_listLogic->clearSelection();
    else if (QListWidgetItem* item = m_listLogic->item(row))
        m_listLogic->scrollToItem(item);
    m_selecting = false;
}

QString CSolveLogicDlg::SelectedSentences() const
{
    QList<QListWidgetItem*> items = m_listLogic->selectedItems();
    std::sort(items.begin(), items.end(),
              [this](QListWidgetItem* a, QListWidgetItem* b) { return m_listLogic->row(a) < m_listLogic->row(b); });
    QStringList sentences;
    for (const QListWidgetItem* item : items)
        sentences << item->data(kSentenceRole).toString();
    return sentences.join(u'\n');
}

void CSolveLogicDlg::OnCurrentRowChanged(int row)
{
    if (!m_selecting && row >= m_firstStepRow)
        emit StepChosen(row - m_firstStepRow + 1);
}
