#include "wayland_session.h"

#include "calendar_process.h"
#include "test_env.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include <unistd.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane::test {

namespace {

// Debian's "nobody": sway runs as this user when the tests run as root.
constexpr uid_t kUnprivileged = 65534;

void CollectWindows(const QJsonObject &node, qint64 pid, bool floating, QList<WaylandSession::Window> &windows)
{
    if (node.value(u"pid"_s).toInteger() == pid) {
        const QJsonObject rect = node.value(u"rect"_s).toObject();
        windows.append({node.value(u"visible"_s).toBool(), node.value(u"focused"_s).toBool(), floating,
                        QRect(rect.value(u"x"_s).toInt(), rect.value(u"y"_s).toInt(), rect.value(u"width"_s).toInt(),
                              rect.value(u"height"_s).toInt())});
    }
    for (const QJsonValue child : node.value(u"nodes"_s).toArray())
        CollectWindows(child.toObject(), pid, floating, windows);
    for (const QJsonValue child : node.value(u"floating_nodes"_s).toArray())
        CollectWindows(child.toObject(), pid, true, windows);
}

} // namespace

WaylandSession::WaylandSession() : m_runtime(QDir::tempPath() + u"/orvane-wayland-XXXXXX"_s)
{
    if (!haveTools({u"sway"_s, u"swaymsg"_s, u"grim"_s, u"wtype"_s, u"waybar"_s, u"dbus-daemon"_s, u"dbus-send"_s,
                    u"convert"_s}))
        return;
    const QString runtime = m_runtime.path();
    const bool root = ::geteuid() == 0;
    if (root && ::chown(QFile::encodeName(runtime).constData(), kUnprivileged, kUnprivileged) != 0) {
        m_failure = u"the runtime folder cannot be given to an unprivileged user"_s;
        return;
    }
    writeFile(runtime + u"/sway.conf"_s, "output HEADLESS-1 resolution 1280x1024\n");
    const std::pair<QString, QString> variables[] = {
        {u"XDG_RUNTIME_DIR"_s, runtime}, {u"HOME"_s, runtime},
        {u"WLR_BACKENDS"_s, u"headless"_s}, {u"WLR_LIBINPUT_NO_DEVICES"_s, u"1"_s}, {u"WLR_RENDERER"_s, u"pixman"_s},
    };
    for (const auto &[name, value] : variables)
        m_toolEnvironment.insert(name, value);
    m_toolEnvironment.remove(u"WAYLAND_DISPLAY"_s);
    const QStringList sway{u"sway"_s, u"-c"_s, runtime + u"/sway.conf"_s};
    if (root)
        spawn(u"setpriv"_s, QStringList{u"--reuid=65534"_s, u"--regid=65534"_s, u"--clear-groups"_s, u"--"_s} + sway);
    else
        spawn(sway.first(), sway.mid(1));
    QString ipc;
    waitUntil([&] {
        const QDir folder(runtime);
        const QStringList sockets = folder.entryList({u"wayland-*"_s}, QDir::System);
        const QStringList ipcs = folder.entryList({u"sway-ipc.*.sock"_s}, QDir::System);
        for (const QString &name : sockets) {
            if (!name.endsWith(u".lock"_s))
                m_socket = name;
        }
        ipc = ipcs.isEmpty() ? QString() : folder.filePath(ipcs.first());
        return !m_socket.isEmpty() && !ipc.isEmpty();
    });
    if (!startSessionBus() || m_socket.isEmpty()) {
        m_failure = u"sway or dbus-daemon did not start"_s;
        return;
    }
    m_toolEnvironment.insert(u"WAYLAND_DISPLAY"_s, m_socket);
    m_toolEnvironment.insert(u"SWAYSOCK"_s, ipc);
    // The headless seat has no keyboard: one held for the whole session, so that the programs
    // have theirs when wtype types (a keyboard that comes with each key would be gone before the
    // program took it up).
    spawn(u"wtype"_s, {u"-s"_s, u"86400000"_s});
    writeFile(runtime + u"/waybar.json"_s, R"({"height": 24, "modules-right": ["tray"], "tray": {}})");
    spawn(u"waybar"_s, {u"-c"_s, runtime + u"/waybar.json"_s});
    if (!waitUntil([this] {
            return busCall({u"--dest=org.kde.StatusNotifierWatcher"_s, u"/StatusNotifierWatcher"_s,
                            u"org.freedesktop.DBus.Properties.Get"_s, u"string:org.kde.StatusNotifierWatcher"_s,
                            u"string:IsStatusNotifierHostRegistered"_s})
                .contains(u"boolean true"_s);
        }))
        m_failure = u"waybar's tray did not come up"_s;
}

QProcessEnvironment WaylandSession::environment() const
{
    QProcessEnvironment env;
    env.insert(u"WAYLAND_DISPLAY"_s, m_runtime.filePath(m_socket));
    env.insert(u"DBUS_SESSION_BUS_ADDRESS"_s, m_bus);
    env.insert(u"QT_QPA_PLATFORM"_s, u"wayland"_s);
    // Qt's Wayland plugin and Mesa have no frame pointers: under the sanitizers the stacks of
    // their allocations are unwound in full, so that tests/lsan.supp can name their libraries.
    for (const QString &name : {u"ASAN_OPTIONS"_s, u"LSAN_OPTIONS"_s}) {
        if (const QString options = qEnvironmentVariable(qPrintable(name)); !options.isEmpty())
            env.insert(name, options + u":fast_unwind_on_malloc=0"_s);
    }
    return env;
}

QList<WaylandSession::Window> WaylandSession::windowsOf(qint64 pid) const
{
    QList<Window> windows;
    const QJsonDocument tree = QJsonDocument::fromJson(run(u"swaymsg"_s, {u"-r"_s, u"-t"_s, u"get_tree"_s}).toUtf8());
    CollectWindows(tree.object(), pid, false, windows);
    return windows;
}

void WaylandSession::keys(const QStringList &keys) const
{
    QStringList arguments;
    for (const QString &key : keys)
        arguments << u"-k"_s << key;
    run(u"wtype"_s, arguments);
}

void WaylandSession::activateTrayItem() const
{
    // The watcher lists the items as "bus-name/object-path".
    static const QRegularExpression item(uR"re(string "([^"/]+)(/[^"]*)")re"_s);
    QRegularExpressionMatch found;
    waitUntil([&] {
        found = item.match(busCall({u"--dest=org.kde.StatusNotifierWatcher"_s, u"/StatusNotifierWatcher"_s,
                                    u"org.freedesktop.DBus.Properties.Get"_s, u"string:org.kde.StatusNotifierWatcher"_s,
                                    u"string:RegisteredStatusNotifierItems"_s}));
        return found.hasMatch();
    });
    busCall({u"--dest="_s + found.captured(1), found.captured(2), u"org.kde.StatusNotifierItem.Activate"_s,
             u"int32:0"_s, u"int32:0"_s});
}

QString WaylandSession::pixel(const QString &file, QPoint point) const
{
    return run(u"convert"_s, {file, u"-format"_s, u"%[pixel:p{%1,%2}]"_s.arg(point.x()).arg(point.y()), u"info:"_s});
}

} // namespace orvane::test
