#include "AccessibleRoles.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

namespace {

// A read-only line edit, or a label whose text can be selected: its name, and its text as the value.
class ReadOnlyFieldAccessible final : public QAccessibleWidget {
public:
    explicit ReadOnlyFieldAccessible(QWidget* field) : QAccessibleWidget(field, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return widget()->property("text").toString();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        return state;
    }
};

QAccessibleInterface* MainWindowRoles(const QString& className, QObject* object)
{
    if (className == QLatin1String("CSuDokuDlg") && object->isWidgetType())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    if (className == QLatin1String("QLineEdit")) {
        auto* field = static_cast<QLineEdit*>(object);
        if (field->isReadOnly())
            return new ReadOnlyFieldAccessible(field);
    }
    if (className == QLatin1String("QLabel")) {
        auto* field = static_cast<QLabel*>(object);
        if (field->textInteractionFlags() & Qt::TextSelectableByKeyboard)
            return new ReadOnlyFieldAccessible(field);
    }
    return nullptr;
}

}  // namespace

void InstallAccessibleRoles()
{
    static const bool installed = [] {
        QAccessible::installFactory(MainWindowRoles);
        return true;
    }();
    (void)installed;
}
