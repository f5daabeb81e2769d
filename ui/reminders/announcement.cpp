#include "ui/reminders/announcement.h"

#include "notify/answerable_notification.h"
#include "store/data_file.h"

#include <QCoreApplication>

namespace orvane {

namespace {

const QString kOpen = QStringLiteral("open");
const QString kSilence = QStringLiteral("silence");

} // namespace

CAnnouncement::CAnnouncement(CDataFile &document, QObject *parent)
    : QObject(parent), m_document(document), m_notification(new CAnswerableNotification(this))
{
    connect(m_notification, &CAnswerableNotification::actionInvoked, this, &CAnnouncement::OnAction);
}

void CAnnouncement::Send(const QString &title, const std::vector<UpcomingDay> &days, bool answerable)
{
    m_events = CAnnouncedEvents(days);
    QStringList actions;
    if (answerable)
        actions << kOpen << QCoreApplication::translate("Announcement", "Открыть календарь") << kSilence
                << QCoreApplication::translate("Announcement", "Не напоминать");
    m_notification->Send(title, UpcomingDaysText(days), actions);
}

void CAnnouncement::OnAction(const QString &key)
{
    if (key == kOpen)
        Q_EMIT openRequested();
    else if (key == kSilence && m_events.Silence(m_document.m_user) > 0)
        m_document.Save(); // a failure is shown by Save itself
}

} // namespace orvane
