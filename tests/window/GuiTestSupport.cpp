#include "GuiTestSupport.h"

#include "AppStartup.h"
#include "ModalWatcher.h"
#include "SolveLogicDlg.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>

CSpreadSheet& GridOf(CSuDokuDlg& dialog)
{
    return *dialog.findChild<CSpreadSheet*>();
}

QPushButton* ButtonOf(CSuDokuDlg& dialog, const QString& text)
{
    // The text as shown: a mnemonic's '&' is not.
    for (QPushButton* button : dialog.findChildren<QPushButton*>()) {
        if (QString(button->text()).remove(u'&') == text)
            return button;
    }
    return nullptr;
}

QString FieldOf(CSuDokuDlg& dialog, const QString& name)
{
    return dialog.findChild<QLineEdit*>(name)->text();
}

std::string GridText(CSpreadSheet& grid)
{
    std::string text;
    for (int row = 0; row < 9; ++row) {
        for (int column = 0; column < 9; ++column) {
            const QString cell = grid.item(row, column)->text();
            text += cell.isEmpty() ? '.' : (cell.size() == 1 ? cell.at(0).toLatin1() : '#');
        }
    }
    return text;
}

QString CellText(CSpreadSheet& grid, int column, int row)
{
    return grid.item(row - 1, column - 1)->text();
}

QColor CellColor(CSpreadSheet& grid, int column, int row)
{
    return grid.item(row - 1, column - 1)->foreground().color();
}

namespace {

QPoint CellCentre(CSpreadSheet& grid, int column, int row)
{
    return grid.visualRect(grid.model()->index(row - 1, column - 1)).center();
}

QPoint CellCentreInWindow(CSpreadSheet& grid, int column, int row)
{
    QWindow* window = grid.window()->windowHandle();
    return window->mapFromGlobal(grid.viewport()->mapToGlobal(CellCentre(grid, column, row)));
}

}  // namespace

void ClickCell(CSpreadSheet& grid, int column, int row)
{
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCentre(grid, column, row));
}

void RightClickCell(CSpreadSheet& grid, int column, int row)
{
    QTest::mouseClick(grid.window()->windowHandle(), Qt::RightButton, {}, CellCentreInWindow(grid, column, row));
}

void DoubleClickCell(CSpreadSheet& grid, int column, int row, Qt::MouseButton button)
{
    QTest::mouseDClick(grid.window()->windowHandle(), button, {}, CellCentreInWindow(grid, column, row));
}

void TypeInCell(CSpreadSheet& grid, int column, int row, int qtKey, Qt::KeyboardModifiers modifiers)
{
    grid.setCurrentCell(row - 1, column - 1);
    QTest::keyClick(&grid, static_cast<Qt::Key>(qtKey), modifiers);
}

void PressKeysInGrid(CSuDokuDlg& dialog, int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (QApplication::activeWindow() != &dialog)
        QApplication::setActiveWindow(&dialog);
    QTest::keyClick(&GridOf(dialog), static_cast<Qt::Key>(qtKey), modifiers);
}

void TypePuzzle(CSpreadSheet& grid, const std::string& puzzle81)
{
    for (int cell = 0; cell < 81 && static_cast<size_t>(cell) < puzzle81.size(); ++cell) {
        const char c = puzzle81[static_cast<size_t>(cell)];
        if (c >= '1' && c <= '9')
            TypeInCell(grid, cell % 9 + 1, cell / 9 + 1, Qt::Key_0 + (c - '0'));
    }
}

namespace {

QAction* FindCommand(QObject& parent, OptionsAction command)
{
    return parent.findChild<QAction*>(QLatin1String(ObjectName(command)));
}

QMenu& OptionsMenu(CSuDokuDlg& dialog)
{
    return *dialog.findChild<QMenu*>(QStringLiteral("Options"));
}

}  // namespace

bool ChooseOption(CSuDokuDlg& dialog, OptionsAction command)
{
    bool enabled = false;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction* action = FindCommand(*menu, command);
        enabled = action && action->isEnabled();
        if (enabled)
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        else
            menu->close();
    });
    PressKeysInGrid(dialog, Qt::Key_O, Qt::AltModifier);  // the button's mnemonic
    return enabled;
}

void WaitForBackgroundWork(CSuDokuDlg& dialog)
{
    const QString hint = QCoreApplication::translate("CSuDokuDlg", "Still working out the hint.");
    const QString techniques = QCoreApplication::translate("CSuDokuDlg", "Still working out the techniques.");
    const auto* step = dialog.findChild<QLabel*>(QStringLiteral("Step"));
    const auto* rating = dialog.findChild<QLineEdit*>(QStringLiteral("Rating"));
    while (step->text() == hint || rating->toolTip() == techniques)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

QString SolveLogicLines(CSuDokuDlg& dialog)
{
    const auto* logic = ChooseOption(dialog, OptionsAction::ShowSolveLogic) ? dialog.findChild<CSolveLogicDlg*>() : nullptr;
    if (!logic || !logic->isVisible())
        return QStringLiteral("not shown");
    QString lines;
    const auto* list = logic->findChild<QListWidget*>(QStringLiteral("Logic"));
    for (int row = 0; row < list->count(); ++row)
        lines += list->item(row)->text() + u'\n';
    return lines;
}

QStringList OptionTexts(CSuDokuDlg& dialog)
{
    QStringList texts;
    for (const QAction* action : OptionsMenu(dialog).actions())
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

bool OptionEnabled(CSuDokuDlg& dialog, OptionsAction command)
{
    const QAction* action = FindCommand(OptionsMenu(dialog), command);
    return action && action->isEnabled();
}

QAction* OptionAction(CSuDokuDlg& dialog, OptionsAction command)
{
    return FindCommand(dialog, command);
}

void WithModalWindow(const std::function<void()>& open, const std::function<void(QWidget*)>& inspect)
{
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible()) {
            poll.stop();
            inspect(modal);
            modal->close();
        }
    });
    poll.start();
    open();
}

std::unique_ptr<CSuDokuDlg> ShowMainWindow(const QString& appPath)
{
    auto dialog = std::make_unique<CSuDokuDlg>(appPath);
    // The splash screen comes up over the window once it runs; close it as a person would.
    ModalWatcher splashCloser;
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog.get()))
        return nullptr;
    if (!QTest::qWaitFor([&] { return !splashCloser.seen.isEmpty(); }))
        return nullptr;
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog.get()))
        return nullptr;
    return dialog;
}

void MainWindowTest::SetUp()
{
    ASSERT_TRUE(appFolder.isValid());
    appPath = appFolder.path() + u'/';
    CreateSavedGameFolders(appPath);
    dialog = ShowMainWindow(appPath);
    ASSERT_TRUE(dialog);
}

void MainWindowTest::Press(const QString& button)
{
    QTest::mouseClick(ButtonOf(*dialog, button), Qt::LeftButton);
}

bool MainWindowTest::InEditState()
{
    return ButtonOf(*dialog, QStringLiteral("Set Su Doku"))->isEnabled();
}

void MainWindowTest::SetPuzzle(const std::string& puzzle81)
{
    TypePuzzle(Grid(), puzzle81);
    Press(QStringLiteral("Set Su Doku"));
    WaitForBackgroundWork(*dialog);
}

std::string MainWindowTest::Shown()
{
    QString cells;
    for (int row = 1; row <= 9; ++row) {
        for (int column = 1; column <= 9; ++column)
            cells += CellText(Grid(), column, row) + u'/' + CellColor(Grid(), column, row).name() + u' ';
    }
    return cells.toStdString();
}

QString MainWindowTest::WriteSavedGame(const QString& name, const QByteArray& bytes) const
{
    QFile file(appPath + QStringLiteral("Saved Games/") + name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return file.fileName();
}
