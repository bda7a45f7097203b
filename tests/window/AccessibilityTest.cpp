// What assistive technology reads of the main window, through Qt's accessibility interfaces.
#include "GuiTestSupport.h"
#include "ImageButton.h"
#include "SolveLogicDlg.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>

#include <algorithm>

namespace {

class AccessibilityTest : public MainWindowTest {};

QString AccessibleName(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("no interface");
}

TEST_F(AccessibilityTest, CellsSayWhereTheyAreAndWhatTheyHold)
{
    SetPuzzle("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(&Grid())->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->cellAt(2, 1)->text(QAccessible::Name), QStringLiteral("Row 3, column 2, 9, given"));
    EXPECT_EQ(table->cellAt(0, 2)->text(QAccessible::Name), QStringLiteral("Row 1, column 3, empty"));
    PressKeysInGrid(*dialog, Qt::Key_K, Qt::ControlModifier);  // candidates shown, then hidden again
    EXPECT_EQ(table->cellAt(0, 2)->text(QAccessible::Name), QStringLiteral("Row 1, column 3, candidates 1 2 4"));
    PressKeysInGrid(*dialog, Qt::Key_K, Qt::ControlModifier);
    Press(QStringLiteral("Solve"));
    EXPECT_EQ(table->cellAt(0, 2)->text(QAccessible::Name), QStringLiteral("Row 1, column 3, 4, solved"));
}

TEST_F(AccessibilityTest, FieldsAreNamedByTheirLabelsAndButtonsHaveTheirOwnAltKeys)
{
    for (const char* name : {"Solved", "Unique", "Status", "Rating"}) {
        auto* field = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
        EXPECT_EQ(AccessibleName(field), QString::fromLatin1(name));
        bool labelled = false;
        for (const QLabel* label : dialog->findChildren<QLabel*>())
            labelled = labelled || (label->buddy() == field && label->text() == QString::fromLatin1(name));
        EXPECT_TRUE(labelled) << name;
    }
    QSet<QKeySequence> keys;
    for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
        const QKeySequence key = QKeySequence::mnemonic(button->text());
        EXPECT_FALSE(key.isEmpty()) << button->text().toStdString();
        keys.insert(key);
        EXPECT_FALSE(AccessibleName(button).contains(u'&'));
    }
    EXPECT_EQ(keys.size(), dialog->findChildren<QPushButton*>().size()) << "no two buttons share a key";
    EXPECT_EQ(AccessibleName(dialog->findChild<CImageButton*>()), QStringLiteral("Visit Tessaly Web Site"));
}

TEST_F(AccessibilityTest, EachPartSaysWhatItIsAndTheFieldsReadAsTextInTheirScreenOrder)
{
    SetPuzzle("53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79");
    PressKeysInGrid(*dialog, Qt::Key_Right, Qt::ControlModifier);
    CSolveLogicDlg logic;
    const std::tuple<QObject*, QAccessible::Role, const char*> rows[] = {
        {dialog.get(), QAccessible::Window, "Vantrel Orvandel"},
        {&Grid(), QAccessible::Table, "Su Doku board"},
        {logic.findChild<QWidget*>(QStringLiteral("Logic")), QAccessible::List, "Solve Logic"}};
    QList<QWidget*> fields = {dialog->findChild<QLabel*>(QStringLiteral("Step"))};
    for (const char* name : {"Status", "Solved", "Unique", "Rating"})
        fields << dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    for (const auto& [object, role, name] : rows)
        EXPECT_EQ(QAccessible::queryAccessibleInterface(object)->role(), role) << name;
    for (const auto& [object, role, name] : rows)
        EXPECT_EQ(AccessibleName(object), QString::fromLatin1(name));
    for (QWidget* field : fields) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
        EXPECT_EQ(accessible->role(), QAccessible::StaticText) << field->objectName().toStdString();
        EXPECT_TRUE(accessible->state().readOnly && !accessible->state().editable);
        EXPECT_EQ(accessible->text(QAccessible::Value), field->property("text").toString());
        EXPECT_FALSE(field->property("text").toString().isEmpty());
    }
    fields.removeFirst();  // Tab takes the four fields top to bottom
    std::sort(fields.begin(), fields.end(), [](QWidget* a, QWidget* b) { return a->y() < b->y(); });
    for (qsizetype i = 0; i + 1 < fields.size(); ++i) {
        QWidget* next = fields[i]->nextInFocusChain();
        while ((next->focusPolicy() & Qt::TabFocus) == 0)
            next = next->nextInFocusChain();
        EXPECT_EQ(next, fields[i + 1]) << fields[i]->objectName().toStdString();
    }
}

}  // namespace
