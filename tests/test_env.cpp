#include "test_env.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace orvane::test {

ScopedEnv::~ScopedEnv()
{
    for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
        if (it->second)
            qputenv(it->first.constData(), *it->second);
        else
            qunsetenv(it->first.constData());
    }
}

void ScopedEnv::remember(const char *name)
{
    std::optional<QByteArray> old;
    if (qEnvironmentVariableIsSet(name))
        old = qgetenv(name);
    m_saved.emplace_back(QByteArray(name), old);
}

void ScopedEnv::set(const char *name, const QByteArray &value)
{
    remember(name);
    qputenv(name, value);
}

void ScopedEnv::unset(const char *name)
{
    remember(name);
    qunsetenv(name);
}

SandboxDirs::SandboxDirs()
{
    QDir().mkpath(dataDir());
    QDir().mkpath(configDir());
    m_env.set("ORVANE_DATA_DIR", QFile::encodeName(dataDir()));
    m_env.set("XDG_CONFIG_HOME", QFile::encodeName(configDir()));
}

MessageRecorder::MessageRecorder(MessageAnswer answer)
{
    m_env.unset("ORVANE_AUTO_ANSWER");
    SetMessagePresenter([this, answer](const QString &text, MessageButtons) {
        texts.append(text);
        return answer;
    });
}

MessageRecorder::~MessageRecorder()
{
    SetMessagePresenter({});
}

void IsolateFromTheHost()
{
    static QTemporaryDir home;
    for (const char *folder : {"config", "data", "runtime"})
        QDir().mkpath(home.filePath(QString::fromLatin1(folder)));
    QFile::setPermissions(home.filePath(QStringLiteral("runtime")), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(home.filePath(QStringLiteral("runtime"))));
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(home.filePath(QStringLiteral("no-bus"))));
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        f.write(bytes);
}

} // namespace orvane::test
