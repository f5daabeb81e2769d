#include "ui/sync/sync_dialog.h"

#include "sync/dav_client.h"
#include "ui/sync/off_thread.h"
#include "ui/sync/sync_scheduler.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace orvane {

using namespace sync;

namespace {

// The combo box's entries of one kind of collection, the one at `href` chosen.
void FillCombo(QComboBox &combo, const QList<FoundCollection> &found, CollectionKind kind, const QString &href)
{
    for (const FoundCollection &collection : found) {
        if (collection.kind != kind || !collection.takesEvents)
            continue;
        combo.addItem(collection.displayName.isEmpty() ? collection.href : collection.displayName, collection.href);
        combo.setItemData(combo.count() - 1, collection.href, Qt::ToolTipRole);
    }
    combo.setCurrentIndex(std::max(combo.findData(href), 0));
}

QString ChosenHref(const QComboBox &combo)
{
    return combo.currentData().toString();
}

} // namespace

CSyncDialog::CSyncDialog(CRegistryStore &registry, CSyncScheduler &scheduler, QWidget *parent)
    : QDialog(parent), m_registry(registry), m_scheduler(scheduler)
{
    setWindowTitle(tr("Синхронизация"));
    const SyncSettings settings = CSyncSettings(m_registry).Read();

    auto *server = new QGroupBox(tr("Сервер CalDAV/CardDAV"), this);
    auto *serverGrid = new QGridLayout(server);
    m_editServer = new QLineEdit(settings.server, server);
    m_editServer->setPlaceholderText(QStringLiteral("https://"));
    m_editServer->setMinimumWidth(fontMetrics().averageCharWidth() * 45);
    m_editUser = new QLineEdit(settings.user, server);
    m_editPassword = new QLineEdit(scheduler.Password().value_or(QString()), server);
    m_editPassword->setEchoMode(QLineEdit::Password);
    const struct {
        QString text;
        QLineEdit *edit;
        int id;
    } fields[]{{tr("&Адрес:"), m_editServer, IDC_SERVER},
               {tr("&Пользователь:"), m_editUser, IDC_USER},
               {tr("Па&роль:"), m_editPassword, IDC_PASSWORD}};
    for (const auto &[text, edit, id] : fields) {
        edit->setObjectName(QString::number(id));
        auto *label = new QLabel(text, server);
        label->setBuddy(edit);
        serverGrid->addWidget(label, serverGrid->rowCount(), 0);
        serverGrid->addWidget(edit, serverGrid->rowCount() - 1, 1, 1, 2);
    }
    m_labelNote = new QLabel(server);
    m_labelNote->setObjectName(QString::number(IDC_PASSWORD_NOTE));
    m_labelNote->setWordWrap(true);
    m_labelNote->hide();
    serverGrid->addWidget(m_labelNote, serverGrid->rowCount(), 0, 1, 3);
    m_btnFind = new QPushButton(tr("&Найти"), server);
    m_btnFind->setObjectName(QString::number(IDC_FIND));
    m_labelFind = new QLabel(server);
    m_labelFind->setObjectName(QString::number(IDC_FIND_STATE));
    m_labelFind->setWordWrap(true);
    serverGrid->addWidget(m_btnFind, serverGrid->rowCount(), 1);
    serverGrid->addWidget(m_labelFind, serverGrid->rowCount() - 1, 2);
    serverGrid->setColumnStretch(2, 1);

    auto *collections = new QGroupBox(tr("Коллекции"), this);
    auto *collectionGrid = new QGridLayout(collections);
    m_comboCalendar = new QComboBox(collections);
    m_comboCalendar->setObjectName(QString::number(IDC_CALENDAR));
    m_comboAddressBook = new QComboBox(collections);
    m_comboAddressBook->setObjectName(QString::number(IDC_ADDRESS_BOOK));
    const QList<QPair<QString, QComboBox *>> combos{
        {tr("&Календарь:"), m_comboCalendar}, {tr("Адресная кни&га:"), m_comboAddressBook}};
    for (const auto &[text, combo] : combos) {
        auto *label = new QLabel(text, collections);
        label->setBuddy(combo);
        collectionGrid->addWidget(label, collectionGrid->rowCount(), 0);
        collectionGrid->addWidget(combo, collectionGrid->rowCount() - 1, 1);
    }
    collectionGrid->setColumnStretch(1, 1);
    QList<FoundCollection> stored;
    if (!settings.calendarHref.isEmpty())
        stored.append({settings.calendarHref, {}, CollectionKind::Calendar, true});
    if (!settings.addressBookHref.isEmpty())
        stored.append({settings.addressBookHref, {}, CollectionKind::AddressBook, true});
    ShowCollections(stored, settings.calendarHref, settings.addressBookHref);
    m_checkPeriodic = new QCheckBox(tr("Син&хронизировать каждые 15 минут"), collections);
    m_checkPeriodic->setObjectName(QString::number(IDC_PERIODIC));
    m_checkPeriodic->setChecked(settings.periodic);
    collectionGrid->addWidget(m_checkPeriodic, collectionGrid->rowCount(), 0, 1, 2);

    auto *last = new QGroupBox(tr("Последняя синхронизация"), this);
    auto *lastLayout = new QVBoxLayout(last);
    m_labelLast = new QLabel(last);
    m_labelLast->setObjectName(QString::number(IDC_LAST_SYNC));
    m_labelLast->setWordWrap(true);
    m_labelLast->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_btnSyncNow = new QPushButton(tr("&Синхронизировать сейчас"), last);
    m_btnSyncNow->setObjectName(QString::number(IDC_SYNC_NOW));
    lastLayout->addWidget(m_labelLast);
    lastLayout->addWidget(m_btnSyncNow, 0, Qt::AlignLeft);
    ShowLastSync(scheduler.IsRunning());

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDC_OK));
    ok->setDefault(true);
    auto *cancel = new QPushButton(tr("Отмена"), this);
    cancel->setObjectName(QString::number(IDC_CANCEL));
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();

    auto *pages = new QVBoxLayout;
    pages->addWidget(server);
    pages->addWidget(collections);
    pages->addWidget(last);
    auto *layout = new QHBoxLayout(this);
    layout->addLayout(pages, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_btnFind, &QPushButton::clicked, this, &CSyncDialog::OnFind);
    connect(m_btnSyncNow, &QPushButton::clicked, this, [this] {
        Store();
        m_scheduler.Start();
    });
    connect(&scheduler, &CSyncScheduler::started, this, [this] { ShowLastSync(true); });
    connect(&scheduler, &CSyncScheduler::finished, this, [this] { ShowLastSync(false); });

    // Whether the Secret Service runs, and the password it keeps, without holding up the window.
    CPasswordStore::Fetch(settings.server, settings.user, this,
                          [this](const CPasswordStore::Result &read) { OnPasswordRead(read); });
}

CSyncDialog::~CSyncDialog()
{
    if (m_discovery) {
        m_discovery->requestInterruption(); // its requests end at once rather than at their timeout
        m_discovery->wait();
    }
}

void CSyncDialog::OnPasswordRead(const CPasswordStore::Result &stored)
{
    m_storeStatus = stored.status;
    if (stored.status == CPasswordStore::Status::Done && m_editPassword->text().isEmpty())
        m_editPassword->setText(stored.password);
    if (stored.status == CPasswordStore::Status::NoService)
        ShowPasswordNote(stored.error);
}

void CSyncDialog::ShowPasswordNote(const QString &reason)
{
    m_labelNote->setText(tr("%1 Пароль будет храниться в памяти до выхода из программы.").arg(reason));
    m_labelNote->show();
}

void CSyncDialog::OnFind()
{
    const QUrl server(m_editServer->text().trimmed());
    if (const std::optional<QString> problem = CDavClient::AddressProblem(server)) {
        m_labelFind->setText(*problem);
        return;
    }
    m_btnFind->setEnabled(false);
    m_labelFind->setText(tr("Поиск..."));
    const QString user = m_editUser->text();
    const QString password = m_editPassword->text();
    m_discovery = RunOffThread<Discovery>(
        this,
        [server, user, password] {
            CDavClient client(server, user, password);
            Discovery discovery{DiscoverCollections(client), {}};
            discovery.error = client.Error();
            return discovery;
        },
        [this](Discovery &discovery) {
            m_btnFind->setEnabled(true);
            OnFound(discovery);
        });
}

void CSyncDialog::OnFound(const Discovery &discovery)
{
    if (!discovery.found) {
        m_labelFind->setText(discovery.error);
        return;
    }
    ShowCollections(*discovery.found, ChosenHref(*m_comboCalendar), ChosenHref(*m_comboAddressBook));
    m_labelFind->setText(tr("Календарей: %1, адресных книг: %2.")
                             .arg(m_comboCalendar->count())
                             .arg(m_comboAddressBook->count() - 1));
}

void CSyncDialog::ShowCollections(const QList<FoundCollection> &found, const QString &calendar,
                                  const QString &addressBook)
{
    m_comboCalendar->clear();
    m_comboAddressBook->clear();
    m_comboAddressBook->addItem(tr("(нет)"), QString());
    FillCombo(*m_comboCalendar, found, CollectionKind::Calendar, calendar);
    FillCombo(*m_comboAddressBook, found, CollectionKind::AddressBook, addressBook);
}

SyncSettings CSyncDialog::Fields() const
{
    SyncSettings settings = CSyncSettings(m_registry).Read();
    settings.server = m_editServer->text().trimmed();
    settings.user = m_editUser->text();
    settings.calendarHref = ChosenHref(*m_comboCalendar);
    settings.addressBookHref = ChosenHref(*m_comboAddressBook);
    settings.periodic = m_checkPeriodic->isChecked();
    return settings;
}

bool CSyncDialog::Store()
{
    const SyncSettings settings = Fields();
    CSyncSettings(m_registry).Write(settings);
    const QString password = m_editPassword->text();
    m_scheduler.SetPassword(password);
    if (m_storeStatus == CPasswordStore::Status::NoService || password.isEmpty())
        return true;
    const CPasswordStore::Result written = CPasswordStore::Write(settings.server, settings.user, password);
    m_storeStatus = written.status;
    if (written.status == CPasswordStore::Status::Done)
        return true;
    ShowPasswordNote(written.error);
    const bool told = m_bToldAboutStore;
    m_bToldAboutStore = true;
    return told;
}

void CSyncDialog::accept()
{
    if (!Store())
        return;
    m_scheduler.Start();
    QDialog::accept();
}

void CSyncDialog::ShowLastSync(bool running)
{
    const SyncSettings settings = CSyncSettings(m_registry).Read();
    QString text = tr("Не выполнялась.");
    if (running)
        text = tr("Синхронизация...");
    else if (settings.lastSync.isValid())
        text = QStringLiteral("%1\n%2").arg(QLocale().toString(settings.lastSync, QLocale::ShortFormat),
                                            settings.lastResult);
    m_labelLast->setText(text);
    m_btnSyncNow->setEnabled(!running);
}

} // namespace orvane
