#pragma once

#include "sync/discovery.h"
#include "sync/password_store.h"
#include "sync/sync_settings.h"

#include <QDialog>
#include <QPointer>
#include <QThread>

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace orvane {

class CRegistryStore;
class CSyncScheduler;

// "Синхронизация": the server, the user and the password, the calendar and address book found
// on the server, the periodic sync, the last sync's time and result, and a sync now. OK stores
// the settings and the password (in the Secret Service; where none runs, for this run only).
class CSyncDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDC_OK = 1; // object names of the controls
    static constexpr int IDC_CANCEL = 2;
    static constexpr int IDC_SERVER = 1301;
    static constexpr int IDC_USER = 1302;
    static constexpr int IDC_PASSWORD = 1303;
    static constexpr int IDC_FIND = 1304;
    static constexpr int IDC_FIND_STATE = 1305;
    static constexpr int IDC_CALENDAR = 1306;
    static constexpr int IDC_ADDRESS_BOOK = 1307;
    static constexpr int IDC_PERIODIC = 1308;
    static constexpr int IDC_LAST_SYNC = 1309;
    static constexpr int IDC_SYNC_NOW = 1310;
    static constexpr int IDC_PASSWORD_NOTE = 1311;

    CSyncDialog(CRegistryStore &registry, CSyncScheduler &scheduler, QWidget *parent = nullptr);
    // Stops a search for the collections still under way, and waits for its thread.
    ~CSyncDialog() override;

    void accept() override;

private:
    struct Discovery {
        std::optional<QList<sync::FoundCollection>> found;
        QString error;
    };

    void OnFind();
    void OnFound(const Discovery &discovery);
    // The collections to choose from, those at these paths chosen when they are among them.
    void ShowCollections(const QList<sync::FoundCollection> &found, const QString &calendar,
                         const QString &addressBook);
    void OnPasswordRead(const sync::CPasswordStore::Result &stored);
    // Says why the password stays in memory for this run only.
    void ShowPasswordNote(const QString &reason);
    // The settings as the fields give them, with the last sync's time and result as stored.
    sync::SyncSettings Fields() const;
    // Stores the settings and hands the password to the scheduler; false the first time the
    // password could not go to the Secret Service (the reason is shown).
    bool Store();
    void ShowLastSync(bool running);

    CRegistryStore &m_registry;
    CSyncScheduler &m_scheduler;
    sync::CPasswordStore::Status m_storeStatus = sync::CPasswordStore::Status::Done;
    bool m_bToldAboutStore = false;
    QPointer<QThread> m_discovery; // the search for the collections, while it runs
    QLineEdit *m_editServer = nullptr;
    QLineEdit *m_editUser = nullptr;
    QLineEdit *m_editPassword = nullptr;
    QLabel *m_labelNote = nullptr;
    QPushButton *m_btnFind = nullptr;
    QLabel *m_labelFind = nullptr;
    QComboBox *m_comboCalendar = nullptr;
    QComboBox *m_comboAddressBook = nullptr;
    QCheckBox *m_checkPeriodic = nullptr;
    QLabel *m_labelLast = nullptr;
    QPushButton *m_btnSyncNow = nullptr;
};

} // namespace orvane
