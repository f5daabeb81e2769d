#pragma once

#include <QString>

namespace orvane {

class CRegistryStore;

// Starting the program with "/monitoring" at log-on: the Run value "orvane" in the registry
// (HKEY_CURRENT_USER\SOFTWARE\Microsoft\Windows\CurrentVersion\Run) and, on desktops that
// follow the XDG autostart rules, the entry $XDG_CONFIG_HOME/autostart/orvane.desktop.
// Failures are ignored: nothing is reported.
class CAutostart {
public:
    // `programPath` is the absolute path of the running program.
    CAutostart(CRegistryStore &registry, QString programPath);

    void Enable();
    void Disable();
    // Whether anything starts the program at log-on: the autostart entry where desktops follow
    // the XDG rules, else the Run value.
    bool IsEnabled() const;

    // The Run value's text: the program's path followed by " /monitoring".
    QString RunCommand() const;
    // The autostart entry's text.
    QString DesktopEntry() const;
    static QString DesktopEntryPath();
    // An argument of a desktop entry's Exec line, quoted and escaped so that any path comes
    // back as it was.
    static QString QuoteExecArgument(const QString &argument);

private:
    CRegistryStore &m_registry;
    QString m_strProgram;
};

} // namespace orvane
