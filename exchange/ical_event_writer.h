#pragma once

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>

namespace orvane {

struct CEventRecord;

// Writes events as iCalendar (RFC 5545) VEVENTs in UTF-8 with CR LF line ends: all day, starting
// on the event's date in the year of `today` and repeating every year (29 February on the last
// day of February, which is 28 February in a common year), with its name, its notes (a line only
// when there are some) and its category (none when unnamed), stamped with `today`.
class CICalEventWriter {
public:
    explicit CICalEventWriter(QDate today);

    // Takes `event` under the category named `category` as the one the next Append writes, and
    // gives a UID made of its date and content: each further call with equal content (an equal
    // event of the same day) gives another.
    QByteArray Take(const CEventRecord &event, const QString &category);
    // Appends the VEVENT of the event last taken, with that UID.
    void Append(QByteArray &out, QByteArrayView uid);

    // The lines that open and close a calendar.
    static QByteArray CalendarBegin();
    static QByteArray CalendarEnd();

private:
    struct CategoryLine {
        QByteArray name; // UTF-8
        QByteArray line; // the folded CATEGORIES line, empty for an unnamed category
    };

    QDate m_today;
    QByteArray m_stamp;
    QHash<QString, CategoryLine> m_categories; // by name
    QHash<QByteArray, int> m_seen;             // equal contents taken so far, by their digest
    QByteArray m_content;                      // the taken event's date and content
    QByteArray m_line;                         // the content line being folded, reused
    const CEventRecord *m_event = nullptr;
    const CategoryLine *m_category = nullptr;
    QByteArray m_name;
    QByteArray m_notes;
};

} // namespace orvane
