#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

namespace orvane {

// A desktop notification that can be answered from the server's bubble. Its actions (pairs of
// key and label) are offered only when the server has the "actions" capability; otherwise, or
// when none are given, it is a plain notification. Nothing is waited for: the capabilities and
// the notification's id come back while the event loop runs.
class CAnswerableNotification : public QObject {
    Q_OBJECT
public:
    explicit CAnswerableNotification(QObject *parent = nullptr);

    // Sends it, replacing nothing: an earlier notification's actions are no longer followed.
    void Send(const QString &title, const QString &text, const QStringList &actions);

Q_SIGNALS:
    // The user chose the action `key` of the notification last sent.
    void actionInvoked(const QString &key);

private Q_SLOTS:
    void OnActionInvoked(uint id, const QString &key);

private:
    uint m_id = 0;
    int m_sent = 0; // which Send the id answers
};

} // namespace orvane
