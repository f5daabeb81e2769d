#include "cli/cli_calendar.h"

#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"

#include <cstdio>

namespace orvane {

void PrintCliError(const QString &text)
{
    std::fprintf(stderr, "orvanectl: %s\n", text.toUtf8().constData());
}

int StoredMonitorDays(CRegistryStore &registry)
{
    qint32 options = COptionFlags::kDefaultOptions;
    registry.ReadInt(QStringLiteral("Orvane"), QStringLiteral("OptionsFlag"), options);
    return COptionFlags::MonitorDaysOf(static_cast<quint32>(options));
}

bool ReadCalendarForCli(const QString &path, CDataFile &document, CRegistryStore &registry)
{
    const LoadResult result = document.Read(path, {Clock::Today(), StoredMonitorDays(registry)});
    if (!result.ok())
        PrintCliError(QStringLiteral("cannot read calendar: %1").arg(result.reason));
    return result.ok();
}

} // namespace orvane
