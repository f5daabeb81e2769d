#include "cli/cli_calendar.h"

#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"

#include <cstdio>

namespace orvane::cli {

void PrintError(const QString &text)
{
    std::fprintf(stderr, "orvanectl: %s\n", text.toUtf8().constData());
}

quint32 StoredOptions(CRegistryStore &registry)
{
    qint32 options = COptionFlags::kDefaultOptions;
    registry.ReadInt(QStringLiteral("Orvane"), QStringLiteral("OptionsFlag"), options);
    return static_cast<quint32>(options);
}

bool LoadCalendar(const QString &path, quint32 options, CDataFile &document)
{
    const LoadResult result = document.Read(path, {Clock::Today(), COptionFlags::MonitorDaysOf(options)});
    if (!result.ok())
        PrintError(QStringLiteral("cannot read calendar: %1").arg(result.reason));
    return result.ok();
}

} // namespace orvane::cli
