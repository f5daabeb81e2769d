// Writes the first inputs of the fuzz targets, made with the program's own writers: calendars,
// registry hives and exchange documents, small and full, into FOLDER/calendar, FOLDER/hive and
// FOLDER/exchange.
//   orvane_fuzz_seeds FOLDER
#include "exchange/exchange_document.h"
#include "settings/hive_file.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include <QDir>
#include <QFile>

#include <cstdio>

using namespace orvane;

namespace {

bool Put(const QString &folder, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(folder);
    QFile file(folder + u'/' + name);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A calendar with `count` events spread over the year, every one selected for export.
void Fill(CUser &user, int count)
{
    for (int i = 0; i < count; ++i) {
        CEventRecord event;
        event.Name = QStringLiteral("Событие %1 <&\"'>").arg(i);
        event.Notes = i % 3 == 0 ? QString() : QStringLiteral("заметка\r\nстрока %1 €").arg(i);
        event.Month = 1 + i % 12;
        event.Day = 1 + (i * 7) % 28;
        event.Category = i % 4;
        event.Monitoring = i % 2;
        event.Selected = 1;
        user.Slot(CUser::SlotIndex(event.Month, event.Day, 2026)).AddTail(event);
    }
}

QByteArray Hive(int values)
{
    HiveFile hive;
    const QString key = QStringLiteral("HKEY_CURRENT_USER\\SOFTWARE\\Orvane");
    hive.Set(key, QStringLiteral("OptionsFlag"), RegistryValue::String(QStringLiteral("13335")));
    for (int i = 0; i < values; ++i) {
        hive.Set(key + QStringLiteral("\\Window%1").arg(i), QStringLiteral("Left"), RegistryValue::Dword(static_cast<quint32>(i * 37)));
        hive.Set(key, QStringLiteral("Text \"%1\"").arg(i), RegistryValue::String(QStringLiteral("a\\b \"ц\" %1").arg(i)));
        hive.Set(key, QString(), RegistryValue{RegistryType::kDword + 3, QByteArray(i + 1, char(0xA5))});
    }
    return hive.Serialize();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fputs("usage: orvane_fuzz_seeds FOLDER\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    CRegistryStore registry;
    COptionFlags options(registry);
    bool ok = true;
    for (const int count : {0, 3, 40}) {
        CDataFile document(options);
        Fill(document.m_user, count);
        ok &= Put(folder + QStringLiteral("/calendar"), QStringLiteral("events-%1.orvd").arg(count),
                  document.Serialize(COptionFlags::kDefaultOptions));
        const std::optional<CExchangeDocument> exchange = CExchangeDocument::Build(document.m_user);
        ok &= exchange && Put(folder + QStringLiteral("/exchange"), QStringLiteral("events-%1.xml").arg(count), exchange->FileForm())
              && Put(folder + QStringLiteral("/exchange"), QStringLiteral("clipboard-%1.xml").arg(count), exchange->ClipboardForm());
    }
    for (const int values : {0, 2, 10})
        ok &= Put(folder + QStringLiteral("/hive"), QStringLiteral("values-%1.reg").arg(values), Hive(values));
    return ok ? 0 : 1;
}
