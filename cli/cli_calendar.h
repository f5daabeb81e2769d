#pragma once

#include "app/single_instance.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace orvane::cli {

constexpr int kFailed = 2; // a wrong command, an unreadable calendar or document, a failed write

// "orvanectl: <text>" on standard error.
void PrintError(const QString &text);

// The calendar path of a command whose only option is [--file PATH]: the program's own calendar
// without it; nothing, with the reason printed, for any other argument.
std::optional<QString> OnlyFileArgument(const QString &command, const QStringList &arguments);

// Whether the calendar program runs on the calendar at `path`, so that it would write its own
// events over a change made now when it ends. When it does not, `instance` holds the program's
// lock from then on, so that it cannot start on the old file meanwhile; a lock that a running
// calendar holds is never taken over.
bool ProgramRunsOn(const QString &path, SingleInstance &instance);

// A calendar file with the options it is read and written with, as stored in the registry
// (the defaults when none are; nothing is written back).
class CliCalendar {
public:
    CliCalendar();

    // Reads the calendar at `path` as the calendar program loads it; on failure prints
    // "cannot read calendar: <reason>" and gives false.
    bool Load(const QString &path);
    SaveResult Save(const QString &path) const { return m_document.Write(path, m_nOptions); }
    CUser &User() { return m_document.m_user; }
    const CDataFile &Document() const { return m_document; }
    CRegistryStore &Registry() { return m_registry; }
    // The notice span of the stored options.
    int MonitorDays() const { return COptionFlags::MonitorDaysOf(m_nOptions); }

private:
    CRegistryStore m_registry;
    COptionFlags m_flags{m_registry};
    CDataFile m_document{m_flags};
    quint32 m_nOptions = COptionFlags::kDefaultOptions;
};

} // namespace orvane::cli
