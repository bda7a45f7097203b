#include "AccessibleRoles.h"

#include <QAccessibleWidget>
#include <QLineEdit>

namespace {

// A read-only line edit: its label's name, and its text as the value.
class ReadOnlyFieldAccessible final : public QAccessibleWidget {
public:
    explicit ReadOnlyFieldAccessible(QLineEdit* field) : QAccessibleWidget(field, QAccessible::StaticText) {}

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Value)
            return static_cast<const QLineEdit*>(widget())->text();
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
