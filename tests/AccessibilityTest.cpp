// What assistive technology reads of the main window, through Qt's accessibility interfaces.
#include "GuiTestSupport.h"
#include "ImageButton.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSet>

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

}  // namespace
