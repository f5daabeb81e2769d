#include "exchange/ical_document.h"

#include "exchange/exchange_document.h"
#include "store/clock.h"
#include "store/day_addressing.h"
#include "store/user.h"

#include <QCryptographicHash>
#include <QHash>

#include <algorithm>

namespace orvane {

namespace {

// The longest physical line, the blank that starts a continued one included.
constexpr qsizetype kLineOctets = 75;

// The end of the physical line that starts at `start` of a content line of UTF-8 text, where
// libical 3 folds it (the documents have always been folded so): the rest when it is shorter
// than kLineOctets, else just after the last ';', ':' or ' ' among its first 74 octets (its
// first octet aside), else before the last character that starts among its first 75 octets.
qsizetype FoldAfter(QByteArrayView line, qsizetype start)
{
    if (line.size() - start < kLineOctets)
        return line.size();
    for (qsizetype pos = start + kLineOctets - 2; pos > start; --pos)
        if (line[pos] == ';' || line[pos] == ':' || line[pos] == ' ')
            return pos + 1;
    qsizetype end = start + kLineOctets - 1;
    while ((line[end] & 0xC0) == 0x80) // not inside a UTF-8 sequence
        --end;
    return end;
}

// Makes `line` the content line of a text property, its value escaped as in any text value:
// ';', ',' and '\' after a backslash, each line break (CR LF, CR or LF) as "\n". The other
// control characters but tab cannot be carried in a text value and become "?".
void TextLine(QByteArray &line, QByteArrayView name, QByteArrayView utf8)
{
    line.resize(name.size() + 1 + 2 * utf8.size());
    char *out = std::copy(name.begin(), name.end(), line.data());
    *out++ = ':';
    for (qsizetype i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        if (c == '\r' && i + 1 < utf8.size() && utf8[i + 1] == '\n')
            continue;
        if (c == '\r' || c == '\n') {
            *out++ = '\\';
            *out++ = 'n';
        } else if (c == ';' || c == ',' || c == '\\') {
            *out++ = '\\';
            *out++ = c;
        } else {
            *out++ = static_cast<unsigned char>(c) < 0x20 && c != '\t' ? '?' : c;
        }
    }
    line.truncate(out - line.constData());
}

// Writes the content lines of the events: a text property folded by FoldAfter, with its CR LF
// end, which is folded with it.
class EventText {
public:
    explicit EventText(QByteArray &out) : m_out(out) {}

    void Append(QByteArrayView text) { m_out.append(text); }

    void AppendText(QByteArrayView name, QByteArrayView utf8)
    {
        TextLine(m_line, name, utf8);
        m_line.append("\r\n");
        for (qsizetype start = 0; start < m_line.size();) {
            const qsizetype end = FoldAfter(m_line, start);
            if (start > 0)
                m_out.append("\r\n ");
            m_out.append(QByteArrayView(m_line).sliced(start, end - start));
            start = end;
        }
    }

private:
    QByteArray &m_out;
    QByteArray m_line; // the content line being folded, reused
};

// Gives each event a UID made of its date and content; equal events of one day are told apart
// by their order.
class UidMaker {
public:
    QByteArray Make(const CEventRecord &event, QByteArrayView category, QByteArrayView name, QByteArrayView notes)
    {
        m_content.truncate(0);
        m_content.append(QByteArray::number(event.Month)).append('/').append(QByteArray::number(event.Day));
        m_content.append('\n').append(category).append('\n').append(name).append('\n').append(notes);
        QByteArray digest = QCryptographicHash::hash(m_content, QCryptographicHash::Sha1);
        if (const int repeat = m_seen[digest]++; repeat > 0)
            digest = QCryptographicHash::hash(m_content + '\n' + QByteArray::number(repeat), QCryptographicHash::Sha1);
        return digest.toHex().left(32) + "@orvane";
    }

private:
    QByteArray m_content;
    QHash<QByteArray, int> m_seen; // by the digest of the content
};

// A category's name in UTF-8 and its CATEGORIES line: its ',' and ';' escaped as in any text
// value (a reader takes a bare one for a separator between several categories), folded after
// 75 octets, then 74. An unnamed category has no line.
struct CategoryText {
    QByteArray name;
    QByteArray line;

    explicit CategoryText(const QString &category) : name(category.toUtf8())
    {
        if (category.isEmpty())
            return;
        QByteArray unfolded;
        TextLine(unfolded, "CATEGORIES", name);
        qsizetype start = 0;
        for (qsizetype limit = kLineOctets; unfolded.size() - start > limit; limit = kLineOctets - 1) {
            qsizetype end = start + limit;
            while ((unfolded[end] & 0xC0) == 0x80) // not inside a UTF-8 sequence
                --end;
            line += unfolded.sliced(start, end - start) + "\r\n ";
            start = end;
        }
        line += unfolded.sliced(start) + "\r\n";
    }
};

QByteArray DateText(int year, int month, int day)
{
    return QByteArray::number(year).rightJustified(4, '0') + QByteArray::number(month).rightJustified(2, '0')
           + QByteArray::number(day).rightJustified(2, '0');
}

} // namespace

ICalendarExport BuildICalendar(const CUser &user)
{
    ICalendarExport result;
    const QDate today = Clock::Today();
    const QByteArray stamp = "DTSTAMP:" + DateText(today.year(), today.month(), today.day()) + "T000000Z\r\n";
    QByteArray &text = result.text;
    text = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Orvane//Orvane//RU\r\nCALSCALE:GREGORIAN\r\n";
    EventText writer(text);
    UidMaker uids;
    QHash<QString, CategoryText> categories;
    for (int index = 0; index < kDaySlots; ++index) {
        for (const CEventRecord &event : user.Slot(index)) {
            if (!event.Selected)
                continue;
            if (!QDate::isValid(2000, event.Month, event.Day)) {
                ++result.leftOut;
                continue;
            }
            const QString categoryName = ExchangeCategoryName(user, event);
            auto found = categories.constFind(categoryName);
            if (found == categories.cend())
                found = categories.insert(categoryName, CategoryText(categoryName));
            const CategoryText &category = found.value();
            const QByteArray name = event.Name.toUtf8();
            const QByteArray notes = event.Notes.toUtf8();
            // 29 February repeats on the last day of February.
            const bool lastOfFebruary = event.Month == 2 && event.Day == 29;
            const int day = lastOfFebruary ? DaysInMonth(2, today.year()) : event.Day;
            writer.Append("BEGIN:VEVENT\r\nUID:");
            writer.Append(uids.Make(event, category.name, name, notes));
            writer.Append("\r\n");
            writer.Append(stamp);
            writer.Append("DTSTART;VALUE=DATE:" + DateText(today.year(), event.Month, day) + "\r\n");
            writer.Append(lastOfFebruary ? "RRULE:FREQ=YEARLY;BYMONTHDAY=-1;BYMONTH=2\r\n" : "RRULE:FREQ=YEARLY\r\n");
            writer.AppendText("SUMMARY", name);
            writer.Append("TRANSP:TRANSPARENT\r\n");
            if (!notes.isEmpty()) // an empty DESCRIPTION is an error to other readers
                writer.AppendText("DESCRIPTION", notes);
            writer.Append(category.line);
            writer.Append("END:VEVENT\r\n");
        }
    }
    text += "END:VCALENDAR\r\n";
    return result;
}

} // namespace orvane
