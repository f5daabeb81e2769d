#pragma once

#include "store/user.h"
#include "sync/sync_run.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QThread>
#include <QTimer>

#include <memory>
#include <optional>

namespace orvane {

class CDataFile;
class CRegistryStore;

// The calendar's syncs while its window runs: at start, every 15 minutes while the settings ask
// for it, after every save of the calendar and on request; never two at once (a request while
// one runs gives one more after it). Each runs on a thread of its own over a copy of the user;
// its result is taken back only when the calendar was not changed meanwhile (else it is dropped
// and the sync runs again) and no dialog that may hold parts of the calendar is open.
class CSyncScheduler : public QObject {
    Q_OBJECT
public:
    static constexpr int kPeriodMs = 15 * 60 * 1000;

    // Hooks the document's saves; `parent` is also the parent of the password prompt.
    CSyncScheduler(CDataFile &document, CRegistryStore &registry, QWidget *parent = nullptr);
    // Stops a sync still running and waits for it; its result is dropped.
    ~CSyncScheduler() override;

    // The settings read again (the periodic sync follows them) and a sync, when set up.
    void Start();
    // A sync now, or once after the one running.
    void Request();
    // The password of this run, used before the Secret Service is asked.
    void SetPassword(const QString &password) { m_password = password; }
    const std::optional<QString> &Password() const { return m_password; }
    bool IsRunning() const { return m_bRunning; }

Q_SIGNALS:
    void started();
    // The settings hold the last sync's time and result text already.
    void finished(bool ok, const QString &result);
    // The calendar was replaced by the synced one: the window draws it again.
    void calendarReplaced();

private:
    struct Job {
        CUser before; // the calendar as the sync found it
        CUser user; // the copy the sync works on
        QString calendarPath;
        sync::SyncSettings settings;
        std::optional<sync::CSyncState> last; // the state saved by the last sync of this run
        QString password;
        sync::SyncRun run;
    };

    // Starts the sync's thread, the password known.
    void Launch(const sync::SyncSettings &settings);
    void OnDone(const std::shared_ptr<Job> &job);
    // Takes a successful sync's result when nothing stands in the way; false to wait.
    bool TryAdopt();
    // Asks the user once per run; false when no password was given.
    bool AskPassword();
    void Finish(bool ok, const QString &result);

    CDataFile &m_document;
    CRegistryStore &m_registry;
    QWidget *m_pParent;
    std::optional<QString> m_password;
    bool m_bAsked = false;
    bool m_bRunning = false;
    bool m_bAgain = false;
    bool m_bOwnSave = false;
    QPointer<QThread> m_thread;
    std::shared_ptr<Job> m_pending; // a result waiting for the dialogs to close
    // What the state file holds, kept so that it is not read again for every sync.
    std::optional<sync::CSyncState> m_state;
    QTimer m_periodic;
    QTimer m_dialogWait;
};

} // namespace orvane
