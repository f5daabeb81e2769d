#pragma once

#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

namespace orvane::test {

// A private X server (Xvfb, 1280 x 1024) for the lifetime of the object, driven by xdotool as a
// user would drive it: pointer, buttons and keys.
class XDisplay {
public:
    XDisplay();
    ~XDisplay();
    XDisplay(const XDisplay &) = delete;
    XDisplay &operator=(const XDisplay &) = delete;

    bool IsUp() const { return !m_strName.isEmpty(); }
    QString Name() const { return m_strName; }

    // Runs xdotool with the arguments (one command chain) and returns what it printed.
    QString Xdo(const QStringList &arguments) const;
    // The visible window of process `pid` whose title starts with `title`; empty when none
    // shows within the time.
    QString WaitForWindow(qint64 pid, const QString &title, int timeoutMs = 15000) const;
    QRect Geometry(const QString &window) const;
    // A click of `button` at a point of the window.
    void Click(const QString &window, QPoint point, int button = 1) const;
    // Gives a window the keyboard, unless `window` is empty (an open menu has it), and types
    // the keys (xdotool key names).
    void Keys(const QString &window, const QStringList &keys) const;

private:
    QProcess m_server;
    QString m_strName;
};

} // namespace orvane::test
