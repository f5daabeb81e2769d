#pragma once

#include "store/announced_events.h"

#include <QObject>

#include <vector>

namespace orvane {

class CAnswerableNotification;
class CDataFile;

// The desktop notification of the coming days, and its answers: "Открыть календарь" asks for
// the calendar (openRequested), "Не напоминать" clears the notify flag of the events it listed
// and saves the calendar at once. The answers are offered only where the program is sure to run
// on after its monitor.
class CAnnouncement : public QObject {
    Q_OBJECT
public:
    explicit CAnnouncement(CDataFile &document, QObject *parent = nullptr);

    void Send(const QString &title, const std::vector<UpcomingDay> &days, bool answerable);

Q_SIGNALS:
    void openRequested();

private:
    void OnAction(const QString &key);

    CDataFile &m_document;
    CAnswerableNotification *m_notification;
    CAnnouncedEvents m_events;
};

} // namespace orvane
