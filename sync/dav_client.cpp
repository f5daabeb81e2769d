#include "sync/dav_client.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QEventLoop>
#include <QHostAddress>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <QThread>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace orvane::sync {

namespace {

constexpr int kTransferTimeoutMs = 30000;
constexpr int kInterruptionCheckMs = 100;

bool IsLoopback(const QString &host)
{
    if (host.compare(u"localhost"_s, Qt::CaseInsensitive) == 0)
        return true;
    const QHostAddress address(host);
    return !address.isNull() && address.isLoopback();
}

// What went wrong with a request that got no usable answer.
QString TransportError(const QNetworkReply &reply, const QStringList &tlsErrors, const QString &host)
{
    switch (reply.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QCoreApplication::translate("DavClient", "Сервер %1 не принимает соединения.").arg(host);
    case QNetworkReply::HostNotFoundError:
        return QCoreApplication::translate("DavClient", "Сервер %1 не найден.").arg(host);
    case QNetworkReply::TimeoutError:
    case QNetworkReply::OperationCanceledError: // the transfer timeout
        return QCoreApplication::translate("DavClient", "Сервер %1 не ответил вовремя.").arg(host);
    case QNetworkReply::SslHandshakeFailedError:
        return QCoreApplication::translate(
            "DavClient", "Не удалось установить защищённое соединение с сервером %1: %2.")
            .arg(host, tlsErrors.isEmpty() ? reply.errorString() : tlsErrors.join(u"; "_s));
    case QNetworkReply::InsecureRedirectError:
    case QNetworkReply::TooManyRedirectsError:
        return QCoreApplication::translate("DavClient", "Сервер %1 перенаправил запрос на другой адрес: %2.")
            .arg(host, reply.header(QNetworkRequest::LocationHeader).toUrl().toString());
    default:
        return QCoreApplication::translate("DavClient", "Нет связи с сервером %1: %2.").arg(host, reply.errorString());
    }
}

} // namespace

CDavClient::CDavClient(const QUrl &server, const QString &user, const QString &password)
    : m_server(server)
    , m_authorization("Basic " + (user + u':' + password).toUtf8().toBase64())
    , m_network(std::make_unique<QNetworkAccessManager>())
{
    m_network->setRedirectPolicy(QNetworkRequest::SameOriginRedirectPolicy);
}

CDavClient::~CDavClient() = default;

std::optional<QString> CDavClient::AddressProblem(const QUrl &server)
{
    const QString scheme = server.scheme().toLower();
    if (!server.isValid() || server.host().isEmpty() || (scheme != u"https"_s && scheme != u"http"_s))
        return QCoreApplication::translate("DavClient", "Неверный адрес сервера: %1.").arg(server.toString());
    if (scheme == u"http"_s && !IsLoopback(server.host()))
        return QCoreApplication::translate("DavClient",
            "Адрес %1 не защищён: без HTTPS можно обращаться только к этому компьютеру "
            "(127.0.0.1, ::1, localhost).")
            .arg(server.toString());
    return std::nullopt;
}

std::optional<DavReply> CDavClient::Send(
    const QByteArray &method, const QString &path, const QByteArray &body, const DavHeaders &headers)
{
    if (const auto problem = AddressProblem(m_server)) {
        m_error = *problem;
        return std::nullopt;
    }
    const auto stopped = [this] {
        m_error = QCoreApplication::translate("DavClient", "Синхронизация прервана.");
        return std::nullopt;
    };
    if (QThread::currentThread()->isInterruptionRequested())
        return stopped();
    QUrl url = m_server;
    url.setPath(path, QUrl::DecodedMode);
    url.setQuery(QString());
    url.setFragment(QString());
    QNetworkRequest request(url);
    request.setTransferTimeout(kTransferTimeoutMs);
    request.setRawHeader("Authorization", m_authorization);
    for (const auto &[name, value] : headers)
        request.setRawHeader(name, value);

    QBuffer outgoing;
    outgoing.setData(body);
    outgoing.open(QIODevice::ReadOnly);
    ++m_nRequests;
    std::unique_ptr<QNetworkReply> reply(m_network->sendCustomRequest(request, method, &outgoing));

    DavReply answer;
    bool tooLarge = false;
    QStringList tlsErrors;
    QEventLoop loop;
    const auto readSome = [&] {
        answer.body += reply->readAll();
        if (answer.body.size() > kMaxDavBodyBytes && !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    };
    QObject::connect(reply.get(), &QNetworkReply::metaDataChanged, &loop, [&] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kMaxDavBodyBytes && !tooLarge) {
            tooLarge = true;
            reply->abort();
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, readSome);
    QObject::connect(reply.get(), &QNetworkReply::sslErrors, &loop, [&](const QList<QSslError> &errors) {
        for (const QSslError &error : errors)
            tlsErrors << error.errorString();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    // A thread asked to end (the program closing) does not wait for a slow server.
    bool interrupted = false;
    QTimer interruption;
    interruption.setInterval(kInterruptionCheckMs);
    QObject::connect(&interruption, &QTimer::timeout, &loop, [&] {
        if (QThread::currentThread()->isInterruptionRequested() && !interrupted) {
            interrupted = true;
            reply->abort();
        }
    });
    interruption.start();
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (interrupted)
        return stopped();
    if (!tooLarge && reply->isOpen()) // an aborted or timed-out reply is closed
        readSome();

    if (tooLarge) {
        m_error = QCoreApplication::translate("DavClient", "Ответ сервера %1 больше %2 МиБ.")
                      .arg(m_server.host())
                      .arg(kMaxDavBodyBytes >> 20);
        return std::nullopt;
    }
    answer.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const QNetworkReply::NetworkError error = reply->error();
    if (answer.status == 0 || error == QNetworkReply::OperationCanceledError
        || error == QNetworkReply::InsecureRedirectError || error == QNetworkReply::TooManyRedirectsError) {
        m_error = TransportError(*reply, tlsErrors, m_server.host());
        return std::nullopt;
    }
    answer.etag = reply->rawHeader("ETag");
    return answer;
}

std::optional<DavReply> CDavClient::SendXml(
    const QByteArray &method, const QString &path, const QByteArray &depth, const QByteArray &xml)
{
    return Send(method, path, xml, { { "Depth", depth }, { "Content-Type", "application/xml; charset=utf-8" } });
}

void CDavClient::FailStatus(int status, const QString &path)
{
    if (status == 401)
        m_error = QCoreApplication::translate("DavClient", "Сервер %1 не принял имя пользователя или пароль.")
                      .arg(m_server.host());
    else if (status == 403)
        m_error
            = QCoreApplication::translate("DavClient", "Сервер %1 отказал в доступе к %2.").arg(m_server.host(), path);
    else if (status == 404)
        m_error = QCoreApplication::translate("DavClient", "На сервере %1 нет %2.").arg(m_server.host(), path);
    else if (status >= 500)
        m_error = QCoreApplication::translate("DavClient", "Ошибка на сервере %1 (код %2).")
                      .arg(m_server.host())
                      .arg(status);
    else
        m_error = QCoreApplication::translate("DavClient", "Сервер %1 ответил неожиданным кодом %2 на запрос к %3.")
                      .arg(m_server.host())
                      .arg(status)
                      .arg(path);
}

void CDavClient::FailMalformed()
{
    m_error = QCoreApplication::translate("DavClient", "Ответ сервера %1 не удалось разобрать.").arg(m_server.host());
}

} // namespace orvane::sync
