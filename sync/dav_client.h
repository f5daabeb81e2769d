#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

class QNetworkAccessManager;

namespace orvane::sync {

// An HTTP answer: its status and, up to kMaxDavBodyBytes, its body.
struct DavReply {
    int status = 0;
    QByteArray body;
    QByteArray etag; // the ETag header, empty when none
};

using DavHeaders = QList<QPair<QByteArray, QByteArray>>;

// Bodies above this size are not read: the request fails.
constexpr qint64 kMaxDavBodyBytes = 64 * 1024 * 1024;

// HTTP(S) requests to one server, each blocking on a local event loop until the answer or a
// failure. Basic credentials go with every request (no 401 round trip). Plain HTTP is refused
// unless the server is this computer; redirects stay on the same origin. Used on the thread that
// made it, which must not be running an event loop of its own at the time of a call. When that
// thread is asked to end (QThread::requestInterruption), the request under way and every later
// one fail at once.
class CDavClient {
public:
    CDavClient(const QUrl &server, const QString &user, const QString &password);
    ~CDavClient();
    CDavClient(const CDavClient &) = delete;
    CDavClient &operator=(const CDavClient &) = delete;

    // The reason a server address is refused (not HTTP(S), or plain HTTP to another computer),
    // nothing when it is fine.
    static std::optional<QString> AddressProblem(const QUrl &server);

    // Sends `method` to the decoded path `path` of the server. Any HTTP answer is a reply, whatever
    // its status; nothing when no answer came (see Error()).
    std::optional<DavReply> Send(
        const QByteArray &method, const QString &path, const QByteArray &body = {}, const DavHeaders &headers = {});
    // PROPFIND and REPORT with an XML body and a Depth header.
    std::optional<DavReply> SendXml(
        const QByteArray &method, const QString &path, const QByteArray &depth, const QByteArray &xml);

    // Takes the failure of a reply of an unexpected status as the error (401, 403, 404, 5xx...).
    void FailStatus(int status, const QString &path);
    // Takes a reply that could not be read as the error.
    void FailMalformed();
    void Fail(const QString &message) { m_error = message; }
    QString Error() const { return m_error; }

    const QUrl &Server() const { return m_server; }
    int RequestCount() const { return m_nRequests; }

private:
    QUrl m_server;
    QByteArray m_authorization;
    std::unique_ptr<QNetworkAccessManager> m_network;
    QString m_error;
    int m_nRequests = 0;
};

} // namespace orvane::sync
