#include "MainLayout.h"

#include "BoardArea.h"
#include "ImageButton.h"
#include "MenuButton.h"
#include "PuzzleModel.h"
#include "SpreadSheet.h"

#include <QCoreApplication>
#include <QDialog>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace {

// The button column's proportions at the default font: 55 x 14 dialog units. A larger font widens
// and heightens the column so that no text is cut.
constexpr int kButtonWidth = 83;
constexpr int kButtonHeight = 23;
// What a line edit keeps between its frame and its text on either side.
constexpr int kLineEditTextMargin = 2;

// An arrow button of the step bar, named by its command; the tooltip adds the command's key.
QToolButton* MakeStepButton(Qt::ArrowType arrow, const QString& name, const QString& command, const QKeySequence& key,
                            QWidget* parent)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setToolTip(QStringLiteral("%1 (%2)").arg(command, key.toString(QKeySequence::NativeText)));
    button->setAccessibleName(command);
    return button;
}

QLineEdit* MakeResultField(const QString& name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

// The width a read-only field needs to show text whole.
int FieldWidthFor(const QLineEdit& field, const QString& text)
{
    const int frame = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &field);
    const QMargins margins = field.textMargins();
    return field.fontMetrics().horizontalAdvance(text) + 2 * (frame + kLineEditTextMargin + 1) + margins.left() +
           margins.right();
}

void SetTabOrder(QDialog& window, std::initializer_list<QWidget*> widgets)
{
    QWidget* previous = nullptr;
    for (QWidget* widget : widgets) {
        if (previous)
            window.setTabOrder(previous, widget);
        previous = widget;
    }
}

}  // namespace

MainControls BuildMainLayout(QDialog& window, CSpreadSheet& grid, CMenuButton& options, CImageButton& webSite)
{
    MainControls c;
    // Each with an Alt key of its own, in every translation too.
    c.setSuDoku = new QPushButton(QCoreApplication::translate("CSuDokuDlg", "&Set Su Doku"), &window);
    c.solve = new QPushButton(QCoreApplication::translate("CSuDokuDlg", "Sol&ve"), &window);
    c.solveCell = new QPushButton(QCoreApplication::translate("CSuDokuDlg", "Solve &Cell"), &window);
    c.help = new QPushButton(QCoreApplication::translate("CSuDokuDlg", "&Help"), &window);
    c.exit = new QPushButton(QCoreApplication::translate("CSuDokuDlg", "E&xit"), &window);
    c.exit->setDefault(true);
    webSite.setFixedSize(63, 56);
    c.status = MakeResultField(QString::fromLatin1(QT_TRANSLATE_NOOP("CSuDokuDlg", "Status")), &window);
    c.solved = MakeResultField(QString::fromLatin1(QT_TRANSLATE_NOOP("CSuDokuDlg", "Solved")), &window);
    c.unique = MakeResultField(QString::fromLatin1(QT_TRANSLATE_NOOP("CSuDokuDlg", "Unique")), &window);
    c.rating = MakeResultField(QString::fromLatin1(QT_TRANSLATE_NOOP("CSuDokuDlg", "Rating")), &window);
    c.previousStep = MakeStepButton(Qt::LeftArrow, QStringLiteral("PreviousStep"),
                                    QCoreApplication::translate("CSuDokuDlg", "Previous Step"),
                                    QKeySequence(Qt::CTRL | Qt::Key_Left), &window);
    c.nextStep = MakeStepButton(Qt::RightArrow, QStringLiteral("NextStep"),
                                QCoreApplication::translate("CSuDokuDlg", "Next Step"),
                                QKeySequence(Qt::CTRL | Qt::Key_Right), &window);
    // A sentence longer than the bar wraps onto more lines, and the bar grows; its width comes from
    // the board, never from the sentence.
    c.step = new QLabel(&window);
    c.step->setObjectName(QStringLiteral("Step"));
    c.step->setTextFormat(Qt::PlainText);
    c.step->setWordWrap(true);
    c.step->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    c.step->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    c.step->setBackgroundRole(QPalette::Base);
    c.step->setAutoFillBackground(true);
    c.step->setMargin(2);
    QSizePolicy stepPolicy = c.step->sizePolicy();  // keeps the height for the width that wrapping sets
    stepPolicy.setHorizontalPolicy(QSizePolicy::Ignored);
    c.step->setSizePolicy(stepPolicy);
    // One line at least, so that the bar keeps its height between sentences.
    c.step->setMinimumHeight(c.step->fontMetrics().lineSpacing() + 2 * (c.step->margin() + c.step->frameWidth()));
    c.step->setAccessibleName(QCoreApplication::translate("CSuDokuDlg", "Step"));
    const std::initializer_list<QPushButton*> buttons = {&options, c.setSuDoku, c.solve, c.solveCell, c.help, c.exit};
    const std::initializer_list<QLineEdit*> fields = {c.solved, c.unique, c.status, c.rating};

    // One width for the whole column, from the widest text it may have to show in the font in use.
    int columnWidth = kButtonWidth;
    int buttonHeight = kButtonHeight;
    for (QPushButton* button : buttons) {
        columnWidth = std::max(columnWidth, button->sizeHint().width());
        buttonHeight = std::max(buttonHeight, button->sizeHint().height());
    }
    for (const std::string& verdict : PuzzleModel::VerdictTexts())
        columnWidth = std::max(columnWidth, FieldWidthFor(*c.status, QString::fromStdString(verdict)));
    for (QPushButton* button : buttons)
        button->setFixedSize(columnWidth, buttonHeight);
    for (QLineEdit* field : fields)
        field->setFixedWidth(columnWidth);

    auto* commands = new QVBoxLayout;
    commands->setSpacing(5);
    for (QPushButton* button : buttons)
        commands->addWidget(button);
    commands->addSpacing(8);
    commands->addWidget(&webSite, 0, Qt::AlignHCenter);
    commands->addStretch();
    // Each field close under its label, which reads as the field's name; four of them fit beside
    // the grid only when packed this tightly.
    auto* results = new QVBoxLayout;
    results->setSpacing(1);
    for (QLineEdit* field : fields) {
        if (field != c.solved)
            results->addSpacing(5);
        // The label names its field for assistive technology too.
        const QString name = QCoreApplication::translate("CSuDokuDlg", field->objectName().toLatin1().constData());
        auto* label = new QLabel(name, &window);
        label->setBuddy(field);
        field->setAccessibleName(name);
        results->addWidget(label);
        results->addWidget(field);
    }
    commands->addLayout(results);

    auto* layout = new QHBoxLayout(&window);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(10);
    // The window starts at the size its contents ask for and may be made larger, never smaller.
    layout->setSizeConstraint(QLayout::SetMinimumSize);
    // Under the grid, the replay of the solve: one step back, the step's sentence, one step on.
    auto* stepBarPanel = new QWidget(&window);
    auto* stepBar = new QHBoxLayout(stepBarPanel);
    stepBar->setContentsMargins(0, 0, 0, 0);
    stepBar->setSpacing(4);
    stepBar->addWidget(c.previousStep);
    stepBar->addWidget(c.step, 1);
    stepBar->addWidget(c.nextStep);
    layout->addWidget(new CBoardArea(grid, *stepBarPanel, 6, &window), 1);
    layout->addLayout(commands);

    // Tab order as the window's controls are listed: grid, then the buttons top to bottom, then
    // the fields below them, top to bottom, and the step bar left to right.
    SetTabOrder(window, {&grid, &options, c.setSuDoku, c.solve, c.solveCell, c.help, c.exit, &webSite, c.solved,
                         c.unique, c.status, c.rating, c.previousStep, c.step, c.nextStep});
    return c;
}
