#include "ui/controls/menu_button_accessible.h"

#include "ui/controls/menu_button.h"

namespace orvane {

CMenuButtonAccessible::CMenuButtonAccessible(CMenuButton *button)
    : QAccessibleWidget(button, QAccessible::ButtonMenu)
{
}

QString CMenuButtonAccessible::text(QAccessible::Text t) const
{
    const QString text = QAccessibleWidget::text(t);
    if (t == QAccessible::Name && text.isEmpty())
        return static_cast<const CMenuButton *>(widget())->text();
    return text;
}

QAccessible::State CMenuButtonAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.hasPopup = true;
    return state;
}

QStringList CMenuButtonAccessible::actionNames() const
{
    return QStringList{showMenuAction(), pressAction()} + QAccessibleWidget::actionNames();
}

void CMenuButtonAccessible::doAction(const QString &actionName)
{
    // The menu runs a loop of its own: it opens once the reader's request has returned.
    if (actionName == showMenuAction() || actionName == pressAction())
        QMetaObject::invokeMethod(static_cast<CMenuButton *>(widget()), &CMenuButton::click, Qt::QueuedConnection);
    else
        QAccessibleWidget::doAction(actionName);
}

} // namespace orvane
