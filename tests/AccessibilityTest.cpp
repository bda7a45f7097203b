// What assistive technology reads of the main window, through Qt's accessibility interfaces.
#include "GuiTestSupport.h"
#include "ImageButton.h"
#include "SolveLogicDlg.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSet>

#include <algorithm>

namespace {

const std::string kPuzzle =
    "53..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5....8..79";

class AccessibilityTest : public MainWindowTest {};

QString AccessibleName(QObject* object)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    return accessible ? accessible->text(QAccessible::Name) : QStringLiteral("no interface");
}

TEST_F(AccessibilityTest, CellsSayWhereTheyAreAndWhatTheyHold)
{
    SetPuzzle(kPuzzle);
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(&Grid())->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->cellAt(2, 1)->text(QAccessible::Name), QStringLiteral("Row 3, column 2, 9, given"));
    EXPECT_EQ(table->cellAt(0, 2)->text(QAccessible::Name), QStringLiteral("Row 1, column 3, empty"));
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

TEST_F(AccessibilityTest, ACellShowingCandidatesReadsThem)
{
    TypePuzzle(Grid(), kPuzzle);
    PressKeysInGrid(*dialog, Qt::Key_K, Qt::ControlModifier);
    QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(&Grid())->tableInterface();
    EXPECT_EQ(table->cellAt(0, 2)->text(QAccessible::Name), QStringLiteral("Row 1, column 3, candidates 1 2 4"));
    PressKeysInGrid(*dialog, Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(table->cellAt(0, 2)->text(QAccessible::Name), QStringLiteral("Row 1, column 3, empty"));
}

TEST_F(AccessibilityTest, TheWindowTheGridAndTheSolveLogicAreNamedInTheirRoles)
{
    CSolveLogicDlg logic;
    const struct {
        const char* name;
        QObject* object;
        QAccessible::Role role;
        QString accessibleName;
    } rows[] = {
        {"main window", dialog.get(), QAccessible::Window, QStringLiteral("Vantrel Orvandel")},
        {"grid", &Grid(), QAccessible::Table, QStringLiteral("Su Doku board")},
        {"solve logic", logic.findChild<QListWidget*>(), QAccessible::List, QStringLiteral("Solve Logic")},
    };
    for (const auto& row : rows) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(row.object);
        ASSERT_NE(accessible, nullptr) << row.name;
        EXPECT_EQ(accessible->role(), row.role) << row.name;
        EXPECT_EQ(accessible->text(QAccessible::Name), row.accessibleName) << row.name;
    }
}

TEST_F(AccessibilityTest, FieldsAndTheStepAreReadOnlyTextThatReadsItsValue)
{
    SetPuzzle(kPuzzle);
    PressKeysInGrid(*dialog, Qt::Key_Right, Qt::ControlModifier);
    for (const char* name : {"Status", "Solved", "Unique", "Rating", "Step"}) {
        auto* field = dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(field);
        EXPECT_EQ(accessible->role(), QAccessible::StaticText) << name;
        EXPECT_TRUE(accessible->state().readOnly) << name;
        EXPECT_FALSE(accessible->state().editable) << name;
        EXPECT_FALSE(field->text().isEmpty()) << name;
        EXPECT_EQ(accessible->text(QAccessible::Value), field->text()) << name;
    }
}

TEST_F(AccessibilityTest, TabTakesTheFieldsInTheirOrderOnTheScreen)
{
    QList<QLineEdit*> fields;
    for (const char* name : {"Status", "Solved", "Unique", "Rating"})
        fields << dialog->findChild<QLineEdit*>(QString::fromLatin1(name));
    std::sort(fields.begin(), fields.end(), [this](QWidget* a, QWidget* b) {
        return a->mapTo(dialog.get(), QPoint()).y() < b->mapTo(dialog.get(), QPoint()).y();
    });
    for (qsizetype i = 0; i + 1 < fields.size(); ++i) {
        QWidget* next = fields[i]->nextInFocusChain();
        while ((next->focusPolicy() & Qt::TabFocus) == 0 || !next->isVisible())
            next = next->nextInFocusChain();
        EXPECT_EQ(next, fields[i + 1]) << fields[i]->objectName().toStdString();
    }
}

}  // namespace
