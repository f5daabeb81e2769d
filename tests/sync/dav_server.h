#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <QUrl>

#include <memory>

namespace orvane::test {

// A DAV server on 127.0.0.1 at a free port, over a throwaway folder, for as long as the object
// lives: Radicale (Basic authentication, user "alice" with password "secret"), Xandikos (no
// authentication; its defaults make /user/calendars/calendar/ and /user/contacts/addressbook/),
// or odd_dav_server.py, which answers as the stock servers never do.
class CDavServer {
public:
    enum class Kind { Radicale, Xandikos, Odd };
    static inline const QString kUser = QStringLiteral("alice");
    static inline const QString kPassword = QStringLiteral("secret");

    CDavServer();
    ~CDavServer() { Stop(); }
    CDavServer(const CDavServer &) = delete;
    CDavServer &operator=(const CDavServer &) = delete;

    // Starts it at the port chosen at construction and waits until its port answers; false when it did not come up.
    bool Start(Kind kind);
    void Stop();
    QUrl Url() const;
    // The folder the server keeps its collections in.
    QString Folder() const { return m_dir->path(); }
    // Makes a calendar collection named `name` for the user; its path, empty on failure.
    QString MakeCalendar(const QString &name);

private:
    Kind m_kind = Kind::Radicale;
    quint16 m_nPort = 0;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_process;
};

} // namespace orvane::test
