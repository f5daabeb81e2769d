#pragma once

#include "store/message.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <optional>
#include <ostream>
#include <vector>
#include <utility>

// GoogleTest prints a QString's characters one by one in hex; this prints its text.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace orvane::test {

// Sets environment variables for the lifetime of the object and restores them afterwards.
class ScopedEnv {
public:
    ScopedEnv() = default;
    ScopedEnv(const char *name, const QByteArray &value) { set(name, value); }
    ScopedEnv(const ScopedEnv &) = delete;
    ScopedEnv &operator=(const ScopedEnv &) = delete;
    ~ScopedEnv();

    void set(const char *name, const QByteArray &value);
    void unset(const char *name);

private:
    void remember(const char *name);
    std::vector<std::pair<QByteArray, std::optional<QByteArray>>> m_saved;
};

// A private temporary home: ORVANE_DATA_DIR and XDG_CONFIG_HOME point inside it.
class SandboxDirs {
public:
    SandboxDirs();
    QString dataDir() const { return m_dir.path() + QStringLiteral("/data"); }
    QString configDir() const { return m_dir.path() + QStringLiteral("/config"); }
    QString calendarPath() const { return dataDir() + QStringLiteral("/orvane.orvd"); }
    QString hivePath() const { return configDir() + QStringLiteral("/orvane/registry.reg"); }
    QString path() const { return m_dir.path(); }

private:
    QTemporaryDir m_dir;
    ScopedEnv m_env;
};

// Takes the texts ShowMessage would show while it lives, answering each with `answer`.
class MessageRecorder {
public:
    explicit MessageRecorder(MessageAnswer answer = MessageAnswer::Ok);
    MessageRecorder(const MessageRecorder &) = delete;
    MessageRecorder &operator=(const MessageRecorder &) = delete;
    ~MessageRecorder();

    QStringList texts;

private:
    ScopedEnv m_env;
};

// Keeps the test process away from the user's own files and session: a private home for the
// calendar, settings and runtime folder, and a session bus nobody listens on. Called by the
// test mains before anything else; the folder lives until the process ends.
void IsolateFromTheHost();

QByteArray readFile(const QString &path);
void writeFile(const QString &path, const QByteArray &bytes);

} // namespace orvane::test
