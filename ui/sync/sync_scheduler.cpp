#include "ui/sync/sync_scheduler.h"

#include "settings/registry_store.h"
#include "store/data_file.h"
#include "sync/password_store.h"
#include "ui/sync/off_thread.h"
#include "ui/sync/sync_dialog.h"

#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>

namespace orvane {

using namespace sync;

CSyncScheduler::CSyncScheduler(CDataFile &document, CRegistryStore &registry, QWidget *parent)
    : QObject(parent), m_document(document), m_registry(registry), m_pParent(parent)
{
    m_periodic.setInterval(kPeriodMs);
    connect(&m_periodic, &QTimer::timeout, this, &CSyncScheduler::Request);
    // Only while a finished sync waits for a dialog to close.
    m_dialogWait.setInterval(1000);
    connect(&m_dialogWait, &QTimer::timeout, this, [this] {
        if (TryAdopt())
            m_dialogWait.stop();
    });
    m_document.SetAfterSave([this] {
        if (!m_bOwnSave)
            Request();
    });
}

CSyncScheduler::~CSyncScheduler()
{
    m_document.SetAfterSave({});
    if (m_thread) {
        m_thread->requestInterruption(); // its requests end at once rather than at their timeout
        m_thread->wait();
        delete m_thread;
    }
}

void CSyncScheduler::Start()
{
    const SyncSettings settings = CSyncSettings(m_registry).Read();
    if (settings.periodic)
        m_periodic.start();
    else
        m_periodic.stop();
    Request();
}

void CSyncScheduler::Request()
{
    if (m_bRunning) {
        m_bAgain = true;
        return;
    }
    const SyncSettings settings = CSyncSettings(m_registry).Read();
    if (settings.server.isEmpty() || settings.calendarHref.isEmpty())
        return;
    m_bRunning = true;
    Q_EMIT started();
    if (m_password) {
        Launch(settings);
        return;
    }
    // Read here, not on the sync's thread: the Secret Service's jobs must keep to one thread.
    CPasswordStore::Fetch(settings.server, settings.user, this, [this, settings](const CPasswordStore::Result &stored) {
        if (stored.status == CPasswordStore::Status::Done) {
            m_password = stored.password;
            Launch(settings);
            return;
        }
        m_bRunning = false;
        if (AskPassword())
            Request();
        else
            Finish(false, stored.error);
    });
}

void CSyncScheduler::Launch(const SyncSettings &settings)
{
    auto job = std::make_shared<Job>();
    job->settings = settings;
    job->before = m_document.m_user;
    job->user = job->before;
    job->calendarPath = CDataFile::GetFilePath();
    job->last = m_state; // RunSync reads the file instead when it no longer holds this state
    job->password = *m_password;
    m_thread = RunOffThread<std::shared_ptr<Job>>(
        this,
        [job] {
            job->run = RunSync(job->user, job->calendarPath, job->settings, job->password, false,
                               job->last ? &*job->last : nullptr);
            return job;
        },
        [this](std::shared_ptr<Job> &done) { OnDone(done); });
}

void CSyncScheduler::OnDone(const std::shared_ptr<Job> &job)
{
    if (!job->run.outcome.ok()) {
        Finish(false, SyncReportText(job->run.outcome));
        return;
    }
    m_pending = job;
    if (!TryAdopt())
        m_dialogWait.start();
}

bool CSyncScheduler::TryAdopt()
{
    // A dialog open over the calendar may hold parts of it (the day editor, the merge of days).
    if (QWidget *modal = QApplication::activeModalWidget(); modal && !qobject_cast<CSyncDialog *>(modal))
        return false;
    const std::shared_ptr<Job> job = std::move(m_pending);
    m_pending.reset();
    if (!(m_document.m_user == job->before)) {
        // Changed meanwhile: the next sync compares the server with the edited calendar.
        m_bRunning = false;
        m_bAgain = false;
        Request();
        return true;
    }
    QString result = SyncReportText(job->run.outcome);
    bool ok = true;
    if (job->run.outcome.calendarChanged) {
        const SelectedDate selected = m_document.m_user.m_selected;
        m_document.m_user = std::move(job->user);
        m_document.m_user.m_selected = selected;
        Q_EMIT calendarReplaced();
        m_bOwnSave = true;
        const QString failure = m_document.SaveOrTellWhy();
        m_bOwnSave = false;
        if (!failure.isEmpty()) {
            result = failure;
            ok = false;
        }
    }
    if (ok) {
        const SaveResult saved = job->run.state.Save(CSyncState::PathFor(job->calendarPath));
        if (saved.ok) {
            m_state = std::move(job->run.state);
        } else {
            m_state.reset();
            result = saved.reason;
            ok = false;
        }
    }
    Finish(ok, result);
    return true;
}

bool CSyncScheduler::AskPassword()
{
    if (m_bAsked)
        return false;
    m_bAsked = true;
    const SyncSettings settings = CSyncSettings(m_registry).Read();
    bool given = false;
    const QString password = QInputDialog::getText(
        m_pParent, tr("Синхронизация"), tr("Пароль пользователя %1 на %2:").arg(settings.user, settings.server),
        QLineEdit::Password, {}, &given);
    if (!given)
        return false;
    m_password = password;
    return true;
}

void CSyncScheduler::Finish(bool ok, const QString &result)
{
    m_bRunning = false;
    CSyncSettings store(m_registry);
    SyncSettings settings = store.Read();
    settings.lastSync = QDateTime::currentDateTime();
    settings.lastResult = result;
    store.Write(settings);
    Q_EMIT finished(ok, result);
    if (m_bAgain) {
        m_bAgain = false;
        Request();
    }
}

} // namespace orvane
