#include "ui/controls/menu_entries.h"

#include <QMenu>

namespace orvane {

void AddMenuEntries(QMenu &menu, const QList<res::MenuEntry> &entries)
{
    for (const res::MenuEntry &entry : entries) {
        if (entry.IsSeparator()) {
            menu.addSeparator();
            continue;
        }
        QAction *action = menu.addAction(entry.text);
        action->setData(entry.id);
        action->setEnabled(entry.enabled);
    }
}

} // namespace orvane
