#pragma once

#include <QtGlobal>

namespace orvane {

class CRegistryStore;

// Bits of the option flags.
namespace OptionBit {
constexpr quint32 SaveMonitorPosition = 0x0001;
constexpr quint32 SaveCalendarSize = 0x0002;
constexpr quint32 Reserved4 = 0x0004;
constexpr quint32 HexDays = 0x0008;
constexpr quint32 WeekdayNames = 0x0010;
constexpr quint32 TrayIcon = 0x0040;
constexpr quint32 Notice1Day = 0x0080;
constexpr quint32 Notice3Days = 0x0100;
constexpr quint32 Notice5Days = 0x0200;
constexpr quint32 Notice7Days = 0x0400;
constexpr quint32 Notice10Days = 0x0800;
constexpr quint32 SaveCalendarPosition = 0x1000;
constexpr quint32 Autostart = 0x2000;
} // namespace OptionBit

// The option flags, kept in the registry under "Orvane" / "OptionsFlag" and re-read on every call.
class COptionFlags {
public:
    static constexpr quint32 kDefaultOptions = 13335;

    explicit COptionFlags(CRegistryStore &registry) : m_registry(registry) {}

    // Reads the flags; when the value is missing or unreadable, writes the default back.
    quint32 GetOptions();
    // Writes the whole flags; 1 / 0.
    int WriteOptions(quint32 options);
    // The notice span in days (1, 3, 5, 7 or 10) by the first span bit that is set; 7 by default.
    int GetMonitorDays();
    // The span that a given set of flags selects.
    static int MonitorDaysOf(quint32 options);

    quint32 m_nOptions = 0; // as last filled by GetOptions()

private:
    CRegistryStore &m_registry;
};

} // namespace orvane
