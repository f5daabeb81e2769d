#pragma once

#include <QAccessibleWidget>

namespace orvane {

class CMenuButton;

// The menu button for screen readers: a button that opens a menu, named by its text.
class CMenuButtonAccessible : public QAccessibleWidget {
public:
    explicit CMenuButtonAccessible(CMenuButton *button);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
};

} // namespace orvane
