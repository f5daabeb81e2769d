#include "exchange/vcard_reader.h"

#include "exchange/capped_read.h"
#include "exchange/content_lines.h"

#include <QByteArrayList>
#include <QStringDecoder>

namespace orvane {

namespace {

// One content line: NAME;PARAM;PARAM:value, the group before a "." dropped.
struct Property {
    QByteArray name; // upper case
    QByteArrayList parameters;
    QByteArray value;

    bool Has(QByteArrayView parameter) const
    {
        for (const QByteArray &p : parameters)
            if (p.compare(parameter, Qt::CaseInsensitive) == 0)
                return true;
        return false;
    }
    QByteArray Parameter(QByteArrayView key) const
    {
        for (const QByteArray &p : parameters)
            if (p.size() > key.size() && p[key.size()] == '=' && p.first(key.size()).compare(key, Qt::CaseInsensitive) == 0)
                return p.sliced(key.size() + 1);
        return {};
    }
    bool QuotedPrintable() const
    {
        return Has("QUOTED-PRINTABLE") || Has("ENCODING=QUOTED-PRINTABLE");
    }
};

// Splits at `separator` outside double quotes.
QByteArrayList SplitOutsideQuotes(QByteArrayView text, char separator)
{
    QByteArrayList parts;
    bool quoted = false;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == separator && !quoted) {
            parts << text.sliced(start, i - start).toByteArray();
            start = i + 1;
        }
    }
    parts << text.sliced(start).toByteArray();
    return parts;
}

Property Parse(const QByteArray &line)
{
    Property property;
    bool quoted = false;
    qsizetype colon = 0;
    while (colon < line.size() && (quoted || line[colon] != ':'))
        quoted ^= line[colon++] == '"';
    property.parameters = SplitOutsideQuotes(QByteArrayView(line).first(colon), ';');
    property.name = property.parameters.takeFirst().trimmed().toUpper();
    property.name = property.name.sliced(property.name.lastIndexOf('.') + 1);
    property.value = line.mid(colon + 1);
    return property;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

QByteArray DecodeQuotedPrintable(QByteArrayView text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int high = text[i] == '=' && i + 2 < text.size() ? HexDigit(text[i + 1]) : -1;
        const int low = high >= 0 ? HexDigit(text[i + 2]) : -1;
        if (low >= 0) {
            bytes += static_cast<char>(high * 16 + low);
            i += 2;
        } else {
            bytes += text[i];
        }
    }
    return bytes;
}

// "\n", "\,", "\;" and "\\" as the characters they stand for.
QString Unescaped(const QString &text)
{
    QString plain;
    plain.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\' || i + 1 == text.size()) {
            plain += text[i];
            continue;
        }
        const QChar next = text[++i];
        plain += next == u'n' || next == u'N' ? QChar(u'\n') : next;
    }
    return plain;
}

QString Text(const Property &property, QByteArrayView value)
{
    const QByteArray bytes = property.QuotedPrintable() ? DecodeQuotedPrintable(value) : value.toByteArray();
    const QByteArray charset = property.Parameter("CHARSET");
    QStringDecoder decoder(charset.isEmpty() ? "UTF-8" : charset.constData());
    if (!decoder.isValid())
        decoder = QStringDecoder(QStringDecoder::Utf8);
    return decoder.decode(bytes);
}

// N is family;given;additional;prefixes;suffixes: the name is given, additional and family.
QString NameFromParts(const Property &property)
{
    QByteArrayList parts;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= property.value.size(); ++i) {
        if (i == property.value.size() || (property.value[i] == ';' && (i == 0 || property.value[i - 1] != '\\'))) {
            parts << property.value.mid(start, i - start);
            start = i + 1;
        }
    }
    QStringList words;
    for (const int index : {1, 2, 0})
        if (index < parts.size())
            words << Unescaped(Text(property, parts[index])).trimmed();
    words.removeAll(QString());
    return words.join(u' ');
}

// The month and day of a birthday: YYYYMMDD, YYYY-MM-DD, --MMDD or --MM-DD, each optionally
// followed by a time part.
bool Birthday(QByteArrayView value, int &month, int &day)
{
    value = value.trimmed();
    if (const qsizetype time = value.indexOf('T'); time >= 0)
        value = value.first(time);
    QByteArrayView monthDay;
    int year = 0;
    if (value.startsWith("--"))
        monthDay = value.sliced(2);
    else if (value.size() == 8 && Digits(value.first(4), year))
        monthDay = value.sliced(4);
    else if (value.size() == 10 && value[4] == '-' && Digits(value.first(4), year))
        monthDay = value.sliced(5);
    if (monthDay.size() == 5 && monthDay[2] == '-')
        return Digits(monthDay.first(2), month) && Digits(monthDay.sliced(3), day) && month >= 1 && day >= 1;
    return monthDay.size() == 4 && Digits(monthDay.first(2), month) && Digits(monthDay.sliced(2), day)
           && month >= 1 && day >= 1;
}

struct Card {
    QString fullName;
    QString partsName;
    bool hasBirthday = false;
    int month = 0;
    int day = 0;
};

void Take(const Card &card, const QString &category, CImportList &records, std::vector<MergeNote> &skipped)
{
    const QString name = card.fullName.isEmpty() ? card.partsName : card.fullName;
    if (!card.hasBirthday) {
        skipped.push_back({name, 0, 0, {MergeReason::NoBirthday}});
    } else if (card.month == 0) {
        skipped.push_back({name, 0, 0, {MergeReason::NoSuchDate}});
    } else {
        CImportedEvent record;
        record.Name = name;
        record.Month = card.month;
        record.Day = card.day;
        record.CategoryName = category;
        records.AddTail(record);
    }
}

} // namespace

ExchangeReadResult ReadVCards(QByteArrayView bytes, const QString &category, CImportList &list,
                              std::vector<MergeNote> &skipped)
{
    if (bytes.size() > kMaxExchangeDocumentBytes)
        return TooLargeDocument();
    if (!StartsWithLine(bytes, "BEGIN:VCARD"))
        return {ExchangeReadFailure::NotWellFormed, QStringLiteral("not a vCard file: it does not begin with BEGIN:VCARD")};
    CImportList records;
    std::vector<MergeNote> notes;
    ContentLines lines(bytes);
    Card card;
    int depth = 0;
    int cardLine = 0;
    while (!lines.AtEnd()) {
        QByteArray line = lines.Next();
        Property property = Parse(line);
        // A quoted-printable value ending in "=" goes on in the next line (the parameters are
        // looked through once, not again for every line).
        const bool quotedPrintable = property.QuotedPrintable();
        while (quotedPrintable && property.value.endsWith('=') && !lines.AtEnd()) {
            property.value.chop(1);
            property.value += lines.Next();
        }
        const QByteArray value = property.value.trimmed().toUpper();
        if (property.name == "BEGIN" && value == "VCARD") {
            if (depth++ == 0) {
                card = Card();
                cardLine = lines.LineNumber();
            }
        } else if (property.name == "END" && value == "VCARD" && depth > 0) {
            if (--depth == 0)
                Take(card, category, records, notes);
        } else if (depth == 1 && property.name == "FN") {
            card.fullName = Unescaped(Text(property, property.value)).trimmed();
        } else if (depth == 1 && property.name == "N") {
            card.partsName = NameFromParts(property);
        } else if (depth == 1 && property.name == "BDAY") {
            card.hasBirthday = true;
            if (!Birthday(property.value, card.month, card.day))
                card.month = card.day = 0;
        }
    }
    if (depth > 0)
        return {ExchangeReadFailure::NotWellFormed,
                QStringLiteral("line %1: the vCard begun here has no END:VCARD").arg(cardLine)};
    list.AppendAll(std::move(records));
    skipped.insert(skipped.end(), notes.begin(), notes.end());
    return {};
}

} // namespace orvane
