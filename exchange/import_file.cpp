#include "exchange/import_file.h"

#include "exchange/capped_read.h"
#include "exchange/content_lines.h"
#include "exchange/ical_reader.h"
#include "exchange/vcard_reader.h"

namespace orvane {

namespace {

bool EndsWith(const QString &fileName, const char *extension)
{
    return fileName.endsWith(QLatin1StringView(extension), Qt::CaseInsensitive);
}

} // namespace

ImportFormat ImportFormatOf(QByteArrayView bytes, const QString &fileName)
{
    if (StartsWithLine(bytes, "BEGIN:VCALENDAR"))
        return ImportFormat::ICalendar;
    if (StartsWithLine(bytes, "BEGIN:VCARD"))
        return ImportFormat::VCard;
    if (EndsWith(fileName, ".ics"))
        return ImportFormat::ICalendar;
    if (EndsWith(fileName, ".vcf") || EndsWith(fileName, ".vcard"))
        return ImportFormat::VCard;
    return ImportFormat::Exchange;
}

ExchangeReadResult ReadImportDocument(QByteArrayView bytes, const QString &fileName, CImportList &list, ImportRead &read)
{
    switch (ImportFormatOf(bytes, fileName)) {
    case ImportFormat::ICalendar:
        return ReadICalendar(bytes, list, read.unread);
    case ImportFormat::VCard:
        return ReadVCards(bytes, read.birthdayCategory, list, read.unread);
    case ImportFormat::Exchange:
        break;
    }
    return ReadExchangeDocument(bytes, list);
}

ExchangeReadResult ReadImportFile(const QString &path, CImportList &list, ImportRead &read)
{
    QByteArray bytes;
    const ExchangeReadResult result = ReadFileCapped(path, bytes);
    return result.ok() ? ReadImportDocument(bytes, path, list, read) : result;
}

ExchangeReadResult ReadImportDevice(QIODevice &device, CImportList &list, ImportRead &read)
{
    QByteArray bytes;
    const ExchangeReadResult result = ReadCapped(device, bytes);
    return result.ok() ? ReadImportDocument(bytes, QString(), list, read) : result;
}

} // namespace orvane
