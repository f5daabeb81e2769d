#include "sync/password_store.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusReply>
#include <QEventLoop>

#include <qt6keychain/keychain.h>

using namespace Qt::Literals::StringLiterals;

namespace orvane::sync {

namespace {

const QString kService = u"orvane"_s;

// Whether a keyring service runs on the session bus or can be started by it.
bool KeyringReachable()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnectionInterface *daemon = bus.isConnected() ? bus.interface() : nullptr;
    if (!daemon)
        return false;
    const QDBusReply<QStringList> startable = daemon->activatableServiceNames();
    for (const QString &name : { u"org.freedesktop.secrets"_s, u"org.kde.kwalletd5"_s, u"org.kde.kwalletd6"_s }) {
        if (daemon->isServiceRegistered(name).value() || (startable.isValid() && startable.value().contains(name)))
            return true;
    }
    return false;
}

void Prepare(QKeychain::Job &job, const QString &server, const QString &user)
{
    job.setInsecureFallback(false);
    job.setKey(user + u'@' + server);
}

// What a finished job gives; `failure` is the message of an error of the service.
CPasswordStore::Result ResultOf(const QKeychain::Job &job, const QString &server, const QString &user,
                                const char *failure)
{
    CPasswordStore::Result result;
    const QKeychain::Error error = job.error();
    if (error == QKeychain::NoError) {
        result.status = CPasswordStore::Status::Done;
    } else if (error == QKeychain::EntryNotFound) {
        result.status = CPasswordStore::Status::NotFound;
        result.error
            = QCoreApplication::translate("PasswordStore", "Пароль для %1 на %2 не сохранён.").arg(user, server);
    } else if (error == QKeychain::NoBackendAvailable || error == QKeychain::NotImplemented || !KeyringReachable()) {
        result.status = CPasswordStore::Status::NoService;
        result.error = QCoreApplication::translate("PasswordStore", "Хранилище паролей рабочего стола недоступно.");
    } else {
        result.error = QCoreApplication::translate("PasswordStore", failure).arg(job.errorString());
    }
    return result;
}

// Runs `job` for the pair and waits for it.
CPasswordStore::Result Run(QKeychain::Job &job, const QString &server, const QString &user, const char *failure)
{
    job.setAutoDelete(false);
    Prepare(job, server, user);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    return ResultOf(job, server, user, failure);
}

const char *const kReadFailure = QT_TRANSLATE_NOOP("PasswordStore", "Не удалось прочитать пароль: %1.");

} // namespace

CPasswordStore::Result CPasswordStore::Read(const QString &server, const QString &user)
{
    QKeychain::ReadPasswordJob job(kService);
    Result result = Run(job, server, user, kReadFailure);
    result.password = job.textData();
    return result;
}

void CPasswordStore::Fetch(const QString &server, const QString &user, QObject *context,
                           std::function<void(const Result &)> done)
{
    auto *job = new QKeychain::ReadPasswordJob(kService); // deletes itself when finished
    Prepare(*job, server, user);
    QObject::connect(job, &QKeychain::Job::finished, context, [job, server, user, done = std::move(done)] {
        Result result = ResultOf(*job, server, user, kReadFailure);
        result.password = job->textData();
        done(result);
    });
    job->start();
}

CPasswordStore::Result CPasswordStore::Write(const QString &server, const QString &user, const QString &password)
{
    QKeychain::WritePasswordJob job(kService);
    job.setTextData(password);
    return Run(job, server, user, QT_TRANSLATE_NOOP("PasswordStore", "Не удалось сохранить пароль: %1."));
}

CPasswordStore::Result CPasswordStore::Remove(const QString &server, const QString &user)
{
    QKeychain::DeletePasswordJob job(kService);
    return Run(job, server, user, QT_TRANSLATE_NOOP("PasswordStore", "Не удалось удалить пароль: %1."));
}

} // namespace orvane::sync
