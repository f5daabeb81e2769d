#include "dav_server.h"

#include "sync/dav_client.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>

using namespace Qt::Literals::StringLiterals;

namespace orvane::test {

namespace {

// Generous: a loaded machine starts Python slowly.
constexpr int kStartLimitMs = 60000;

quint16 FreePort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

bool WriteText(const QString &path, const QByteArray &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

} // namespace

CDavServer::CDavServer()
    : m_nPort(FreePort())
{
}

bool CDavServer::Start(Kind kind)
{
    Stop();
    m_kind = kind;
    m_dir = std::make_unique<QTemporaryDir>();
    const QString root = m_dir->path();
    const QString port = QString::number(m_nPort);
    m_process = std::make_unique<QProcess>();
    m_process->setStandardOutputFile(QProcess::nullDevice());
    m_process->setStandardErrorFile(QProcess::nullDevice());
    if (kind == Kind::Radicale) {
        const QByteArray config = "[server]\nhosts = 127.0.0.1:" + port.toUtf8()
            + "\n[auth]\ntype = htpasswd\nhtpasswd_filename = " + root.toUtf8()
            + "/users\nhtpasswd_encryption = plain\n[rights]\ntype = authenticated\n[storage]\nfilesystem_folder = "
            + root.toUtf8() + "/collections\n[web]\ntype = none\n[logging]\nlevel = error\n";
        if (!WriteText(root + u"/config"_s, config)
            || !WriteText(root + u"/users"_s, (kUser + u':' + kPassword).toUtf8()))
            return false;
        m_process->start(u"/usr/bin/python3"_s, { u"-m"_s, u"radicale"_s, u"--config"_s, root + u"/config"_s });
    } else if (kind == Kind::Xandikos) {
        m_process->start(u"/usr/bin/python3"_s,
            { u"-m"_s, u"xandikos.web"_s, u"--defaults"_s, u"-d"_s, root, u"-p"_s, port, u"-l"_s, u"127.0.0.1"_s });
    } else {
        m_process->start(
            u"/usr/bin/python3"_s, { QStringLiteral(ORVANE_SOURCE_DIR "/tests/sync/odd_dav_server.py"), port });
    }
    const QDeadlineTimer limit(kStartLimitMs);
    while (!limit.hasExpired() && m_process->state() != QProcess::NotRunning) {
        QTcpSocket socket;
        socket.connectToHost(QHostAddress::LocalHost, m_nPort);
        if (socket.waitForConnected(1000))
            return true;
        m_process->waitForFinished(100); // the poll's pause, ended early should the server die
    }
    return false;
}

void CDavServer::Stop()
{
    if (!m_process)
        return;
    m_process->terminate(); // SIGTERM to its process id
    if (!m_process->waitForFinished(kStartLimitMs))
        m_process->kill();
    m_process->waitForFinished();
    m_process.reset();
}

QUrl CDavServer::Url() const
{
    return QUrl(u"http://127.0.0.1:%1/"_s.arg(m_nPort));
}

QString CDavServer::MakeCalendar(const QString &name)
{
    const QString path = (m_kind == Kind::Xandikos ? u"/user/calendars/"_s : u"/alice/"_s) + name + u'/';
    sync::CDavClient client(Url(), kUser, kPassword);
    const QByteArray body = R"(<?xml version="1.0" encoding="utf-8"?><C:mkcalendar xmlns:D="DAV:" )"
                            R"(xmlns:C="urn:ietf:params:xml:ns:caldav"><D:set><D:prop><D:displayname>)"
        + name.toUtf8() + "</D:displayname></D:prop></D:set></C:mkcalendar>";
    const auto reply = client.Send("MKCALENDAR", path, body, { { "Content-Type", "application/xml" } });
    return reply && reply->status == 201 ? path : QString();
}

} // namespace orvane::test
