#pragma once

#include <QIcon>
#include <QObject>
#include <QString>
#include <QSystemTrayIcon>

#include <memory>

class QAction;
class QMenu;

namespace orvane {

// One icon in the desktop's notification area with a tooltip and a small menu (the menu table
// numbered by the icon id) whose commands, and a double click, go out as command(id) to the
// window that owns the icon. Every call does nothing while no icon has been added.
class CSystemTray : public QObject {
    Q_OBJECT
public:
    explicit CSystemTray(QObject *parent = nullptr);
    ~CSystemTray() override;

    // Puts the icon up with its tooltip and the menu `id`; false when there is no such menu.
    bool AddTrayIcon(const QString &tip, const QIcon &icon, int id);
    // Takes the icon away for good (until the next add).
    void RemoveTrayIcon();
    // Makes an entry of the menu its default (drawn bold, chosen by a double click): given by
    // position, or by its command id.
    bool SetDefaultMenuItem(int item, bool byPosition);

    bool IsEnabled() const { return m_bEnabled; }
    // An icon is up and a notification area shows it (with a StatusNotifier watcher: a host is
    // registered with it): a hidden window can be brought back.
    bool CanRestoreWindow() const;
    QMenu *Menu() const { return m_menu.get(); }
    QSystemTrayIcon *Icon() const { return m_icon.get(); }

Q_SIGNALS:
    void command(int id);
    // A StatusNotifier host's activation: the window is to be shown if hidden, else hidden.
    void toggleRequested();

private:
    void OnTrayMessage(QSystemTrayIcon::ActivationReason reason);
    QAction *DefaultAction() const;

    bool m_bEnabled = false;
    int m_nDefaultItem = 0;
    bool m_bDefaultByPosition = true;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace orvane
