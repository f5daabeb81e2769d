#include "cli/cli_calendar.h"

#include "store/clock.h"

#include <QFileInfo>

#include <cstdio>

namespace orvane::cli {

void PrintError(const QString &text)
{
    std::fprintf(stderr, "orvanectl: %s\n", text.toUtf8().constData());
}

std::optional<QString> OnlyFileArgument(const QString &command, const QStringList &arguments)
{
    QString path = CDataFile::GetFilePath();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        if (arguments[i] == u"--file" && i + 1 < arguments.size()) {
            path = arguments[++i];
        } else {
            PrintError(QStringLiteral("%1: unexpected argument '%2' (see orvanectl --help)").arg(command, arguments[i]));
            return std::nullopt;
        }
    }
    return path;
}

namespace {

bool SameFile(const QString &a, const QString &b)
{
    const QFileInfo first(a);
    const QFileInfo second(b);
    if (first.exists() && second.exists())
        return first.canonicalFilePath() == second.canonicalFilePath();
    return first.absoluteFilePath() == second.absoluteFilePath();
}

} // namespace

bool ProgramRunsOn(const QString &path, SingleInstance &instance)
{
    return SameFile(path, CDataFile::GetFilePath()) && !instance.Acquire();
}

CliCalendar::CliCalendar()
{
    qint32 options = COptionFlags::kDefaultOptions;
    m_registry.ReadInt(QStringLiteral("Orvane"), QStringLiteral("OptionsFlag"), options);
    m_nOptions = static_cast<quint32>(options);
}

bool CliCalendar::Load(const QString &path)
{
    const LoadResult result = m_document.Read(path, {Clock::Today(), MonitorDays()});
    if (!result.ok())
        PrintError(QStringLiteral("cannot read calendar: %1").arg(result.reason));
    return result.ok();
}

} // namespace orvane::cli
