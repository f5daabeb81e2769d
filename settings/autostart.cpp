#include "settings/autostart.h"

#include "settings/registry_store.h"
#include "store/atomic_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace orvane {

namespace {

const QString kRunSection = u"Microsoft\\Windows\\CurrentVersion\\Run"_s;
const QString kRunValue = u"orvane"_s;

// XDG autostart applies to the free desktops, not to Windows or macOS.
constexpr bool kXdgAutostart =
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    true;
#else
    false;
#endif

} // namespace

CAutostart::CAutostart(CRegistryStore &registry, QString programPath)
    : m_registry(registry), m_strProgram(std::move(programPath))
{
}

QString CAutostart::RunCommand() const
{
    return QDir::toNativeSeparators(m_strProgram) + u" /monitoring"_s;
}

void CAutostart::Enable()
{
    m_registry.WriteString(kRunSection, kRunValue, RunCommand());
    if (kXdgAutostart)
        WriteFileAtomically(DesktopEntryPath(), DesktopEntry().toUtf8());
}

void CAutostart::Disable()
{
    m_registry.DeleteValue(kRunSection, kRunValue);
    if (kXdgAutostart)
        QFile::remove(DesktopEntryPath());
}

bool CAutostart::IsEnabled() const
{
    if (kXdgAutostart)
        return QFileInfo::exists(DesktopEntryPath());
    QString command;
    return m_registry.ReadString(kRunSection, kRunValue, command) == 1;
}

QString CAutostart::DesktopEntryPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + u"/autostart/orvane.desktop"_s;
}

QString CAutostart::QuoteExecArgument(const QString &argument)
{
    // The Exec line's own quoting: ", `, $ and \ take a backslash inside the quotes, and % is
    // doubled so that it starts no field code.
    QString quoted = u"\""_s;
    for (const QChar ch : argument) {
        if (ch == u'"' || ch == u'`' || ch == u'$' || ch == u'\\')
            quoted += u'\\';
        else if (ch == u'%')
            quoted += u'%';
        quoted += ch;
    }
    quoted += u'"';
    // Then the escapes of every string value of a desktop entry, which are undone first.
    QString escaped;
    for (const QChar ch : quoted) {
        if (ch == u'\\')
            escaped += u"\\\\"_s;
        else if (ch == u'\n')
            escaped += u"\\n"_s;
        else if (ch == u'\t')
            escaped += u"\\t"_s;
        else if (ch == u'\r')
            escaped += u"\\r"_s;
        else
            escaped += ch;
    }
    return escaped;
}

QString CAutostart::DesktopEntry() const
{
    return u"[Desktop Entry]\n"
           u"Type=Application\n"
           u"Name=Orvane\n"
           u"Name[ru]=Календарь\n"
           u"Comment=The coming days' events at log-on\n"
           u"Comment[ru]=Предстоящие события при входе в систему\n"
           u"Exec="_s
           + QuoteExecArgument(m_strProgram) + u" /monitoring\n"_s
           + u"Terminal=false\n"_s;
}

} // namespace orvane
