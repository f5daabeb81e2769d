#include "exchange/ical_event_writer.h"

#include "store/day_addressing.h"
#include "store/event_record.h"

#include <QCryptographicHash>

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

// Appends a text property folded by FoldAfter, with its CR LF end, which is folded with it;
// `line` is the buffer it is built in.
void AppendText(QByteArray &out, QByteArray &line, QByteArrayView name, QByteArrayView utf8)
{
    TextLine(line, name, utf8);
    line.append("\r\n");
    for (qsizetype start = 0; start < line.size();) {
        const qsizetype end = FoldAfter(line, start);
        if (start > 0)
            out.append("\r\n ");
        out.append(QByteArrayView(line).sliced(start, end - start));
        start = end;
    }
}

// A category's CATEGORIES line: its ',' and ';' escaped as in any text value (a reader takes a
// bare one for a separator between several categories), folded after 75 octets, then 74.
QByteArray CategoriesLine(QByteArrayView name)
{
    QByteArray unfolded;
    TextLine(unfolded, "CATEGORIES", name);
    QByteArray line;
    qsizetype start = 0;
    for (qsizetype limit = kLineOctets; unfolded.size() - start > limit; limit = kLineOctets - 1) {
        qsizetype end = start + limit;
        while ((unfolded[end] & 0xC0) == 0x80) // not inside a UTF-8 sequence
            --end;
        line += unfolded.sliced(start, end - start) + "\r\n ";
        start = end;
    }
    return line + unfolded.sliced(start) + "\r\n";
}

QByteArray DateText(int year, int month, int day)
{
    return QByteArray::number(year).rightJustified(4, '0') + QByteArray::number(month).rightJustified(2, '0')
           + QByteArray::number(day).rightJustified(2, '0');
}

} // namespace

CICalEventWriter::CICalEventWriter(QDate today)
    : m_today(today), m_stamp("DTSTAMP:" + DateText(today.year(), today.month(), today.day()) + "T000000Z\r\n")
{
}

QByteArray CICalEventWriter::Take(const CEventRecord &event, const QString &category)
{
    auto found = m_categories.constFind(category);
    if (found == m_categories.cend()) {
        CategoryLine added{category.toUtf8(), {}};
        if (!category.isEmpty())
            added.line = CategoriesLine(added.name);
        found = m_categories.insert(category, added);
    }
    m_event = &event;
    m_category = &found.value();
    m_name = event.Name.toUtf8();
    m_notes = event.Notes.toUtf8();
    m_content.truncate(0);
    m_content.append(QByteArray::number(event.Month)).append('/').append(QByteArray::number(event.Day));
    m_content.append('\n').append(m_category->name).append('\n').append(m_name).append('\n').append(m_notes);
    QByteArray digest = QCryptographicHash::hash(m_content, QCryptographicHash::Sha1);
    if (const int repeat = m_seen[digest]++; repeat > 0)
        digest = QCryptographicHash::hash(m_content + '\n' + QByteArray::number(repeat), QCryptographicHash::Sha1);
    return digest.toHex().left(32) + "@orvane";
}

void CICalEventWriter::Append(QByteArray &out, QByteArrayView uid)
{
    // 29 February repeats on the last day of February.
    const bool lastOfFebruary = m_event->Month == 2 && m_event->Day == 29;
    const int day = lastOfFebruary ? DaysInMonth(2, m_today.year()) : m_event->Day;
    out.append("BEGIN:VEVENT\r\nUID:");
    out.append(uid);
    out.append("\r\n");
    out.append(m_stamp);
    out.append("DTSTART;VALUE=DATE:" + DateText(m_today.year(), m_event->Month, day) + "\r\n");
    out.append(lastOfFebruary ? "RRULE:FREQ=YEARLY;BYMONTHDAY=-1;BYMONTH=2\r\n" : "RRULE:FREQ=YEARLY\r\n");
    AppendText(out, m_line, "SUMMARY", m_name);
    out.append("TRANSP:TRANSPARENT\r\n");
    if (!m_notes.isEmpty()) // an empty DESCRIPTION is an error to other readers
        AppendText(out, m_line, "DESCRIPTION", m_notes);
    out.append(m_category->line);
    out.append("END:VEVENT\r\n");
}

QByteArray CICalEventWriter::CalendarBegin()
{
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Orvane//Orvane//RU\r\nCALSCALE:GREGORIAN\r\n";
}

QByteArray CICalEventWriter::CalendarEnd()
{
    return "END:VCALENDAR\r\n";
}

} // namespace orvane
