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
#include <QTabWidget>

#include <algorithm>

namespace {

constexpr int kSentenceRole = Qt::UserRole;

// 1 below a note, which is read, never chosen.
int FirstStepRow(const QListWidget& list)
{
    return list.property("firstStepRow").toInt();
}

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

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("Paths"));
    m_listLogic = MakeList(QStringLiteral("Logic"), tr("Solve Logic"));
    m_listTechniques = MakeList(QStringLiteral("Techniques"), tr("Techniques"));
    m_tabs->addTab(m_listLogic, tr("Solve Logic"));
    m_tabs->addTab(m_listTechniques, tr("Techniques"));
    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) {
        m_reportedTab = tab;
        emit TabChosen(tab);
    });

    auto* layout = new QGridLayout(this);
    layout->addWidget(new QLabel(tr("Solve Logic"), this), 0, 0, Qt::AlignLeft | Qt::AlignBottom);
    layout->addWidget(exitButton, 0, 1, Qt::AlignRight);
    layout->addWidget(m_tabs, 1, 0, 1, 2);
}

QListWidget* CSolveLogicDlg::MakeList(const QString& name, const QString& accessibleName)
{
    auto* list = new QListWidget(this);
    list->setObjectName(name);
    list->setAccessibleName(accessibleName);
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list->setMinimumSize(495, 406);  // 330 x 254 dialog units
    // Long sentences wrap at the window's edge, at any font size, rather than scroll sideways.
    list->setWordWrap(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setResizeMode(QListView::Adjust);
    list->setTextElideMode(Qt::ElideNone);
    connect(list, &QListWidget::currentRowChanged, this, [this, list](int row) { OnCurrentRowChanged(*list, row); });
    // The keys of the list on show: a hidden tab's shortcuts do not fire.
    AddDocumentStartAndEndKeys(*list, *list);
    auto* copy = new QShortcut(QKeySequence::Copy, list);
    connect(copy, &QShortcut::activated, this, [this] { QApplication::clipboard()->setText(SelectedSentences()); });
    return list;
}

QListWidget* CSolveLogicDlg::CurrentList() const
{
    return m_tabs->currentIndex() == kTechniquesTab ? m_listTechniques : m_listLogic;
}

int CSolveLogicDlg::CurrentTab() const
{
    return m_tabs->currentIndex();
}

void CSolveLogicDlg::Fill(QListWidget& list, const QString& note, const QStringList& sentences)
{
    m_selecting = true;
    list.clear();
    list.setProperty("firstStepRow", note.isEmpty() ? 0 : 1);
    if (!note.isEmpty()) {
        auto* noteItem = new QListWidgetItem(note, &list);
        noteItem->setFlags(Qt::ItemIsEnabled);  // read, never chosen
    }
    for (int step = 1; step <= sentences.size(); ++step) {
        const QString& sentence = sentences[step - 1];
        auto* item = new QListWidgetItem(QStringLiteral("%1. %2").arg(step).arg(sentence), &list);
        item->setData(kSentenceRole, sentence);
    }
    list.scrollToTop();
    m_selecting = false;
}

void CSolveLogicDlg::SetSteps(const QString& note, const QStringList& sentences)
{
    Fill(*m_listLogic, note, sentences);
}

void CSolveLogicDlg::SetTechniques(const QString& note, const QStringList& lines)
{
    Fill(*m_listTechniques, note, lines);
}

void CSolveLogicDlg::SetDifficulty(const QString& difficulty)
{
    const QString title = tr("Show Su Doku Solve Logic");
    // The difficulty first: a window manager short of room cuts the title's end or middle.
    setWindowTitle(difficulty.isEmpty() ? title : QStringLiteral("%1 \u2014 %2").arg(difficulty, title));
}

void CSolveLogicDlg::SelectStep(int step)
{
    m_selecting = true;
    QListWidget* list = CurrentList();
    const int row = step > 0 ? FirstStepRow(*list) + step - 1 : -1;
    list->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    if (row < 0)
        list->clearSelection();
    else if (QListWidgetItem* item = list->item(row))
        list->scrollToItem(item);
    m_selecting = false;
}

QString CSolveLogicDlg::SelectedSentences() const
{
    const QListWidget* list = CurrentList();
    QList<QListWidgetItem*> items = list->selectedItems();
    std::sort(items.begin(), items.end(),
              [list](QListWidgetItem* a, QListWidgetItem* b) { return list->row(a) < list->row(b); });
    QStringList sentences;
    for (const QListWidgetItem* item : items)
        sentences << item->data(kSentenceRole).toString();
    return sentences.join(u'\n');
}

void CSolveLogicDlg::OnCurrentRowChanged(const QListWidget& list, int row)
{
    // A list that takes the focus as its tab comes up makes its first line current before the tab
    // is reported: that line was never chosen, and the replay still walks the other tab's path.
    const QListWidget* reported = m_reportedTab == kTechniquesTab ? m_listTechniques : m_listLogic;
    if (!m_selecting && &list == reported && row >= FirstStepRow(list))
        emit StepChosen(row - FirstStepRow(list) + 1);
}
