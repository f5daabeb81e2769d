#include "settings/option_settings.h"

#include "settings/autostart.h"
#include "settings/option_flags.h"
#include "settings/option_tree_model.h"

#include <algorithm>

namespace orvane {

const std::array<SettingsRow, 15> &COptionSettings::Rows()
{
    static const std::array<SettingsRow, 15> rows{{
        {kOptionGroup, 60006, 0, 0, 0},
        {kOptionCheck, 60004, 1, OptionBit::SaveCalendarSize, 0},
        {kOptionCheck, 60015, 1, OptionBit::SaveCalendarPosition, 0},
        {kOptionCheck, kTrayIconId, 1, OptionBit::TrayIcon, 0},
        {kOptionCheck, 60003, 1, OptionBit::WeekdayNames, 0},
        {kOptionCheck, 60001, 1, OptionBit::HexDays, 0},
        {kOptionGroup, 60009, 1, 0, 1},
        {kOptionRadio, 60010, 2, OptionBit::Notice1Day, 0},
        {kOptionRadio, 60011, 2, OptionBit::Notice3Days, 0},
        {kOptionRadio, 60012, 2, OptionBit::Notice5Days, 0},
        {kOptionRadio, 60013, 2, OptionBit::Notice7Days, 0},
        {kOptionRadio, 60014, 2, OptionBit::Notice10Days, 0},
        {kOptionGroup, 60007, 0, 0, 2},
        {kOptionCheck, kAutostartId, 1, OptionBit::Autostart, 0},
        {kOptionCheck, 60000, 1, OptionBit::SaveMonitorPosition, 0},
    }};
    return rows;
}

COptionSettings::COptionSettings(COptionFlags &flags, CAutostart &autostart)
    : m_flags(flags), m_autostart(autostart)
{
}

void COptionSettings::Load()
{
    m_nOptions = m_flags.GetOptions();
}

bool COptionSettings::IsOn(const SettingsRow &row) const
{
    if (row.nKind == kOptionCheck && row.nStringId == kAutostartId)
        return m_autostart.IsEnabled();
    return (m_nOptions & row.nBit) != 0;
}

std::optional<bool> COptionSettings::Apply(int id, int state)
{
    std::optional<bool> tray;
    const auto &rows = Rows();
    const auto row = std::find_if(rows.begin(), rows.end(), [id](const SettingsRow &r) {
        return r.nKind != kOptionGroup && r.nStringId == id;
    });
    if (row != rows.end()) {
        if (state)
            m_nOptions |= row->nBit;
        else
            m_nOptions &= ~row->nBit;
        if (id == kTrayIconId)
            tray = state != 0;
        if (id == kAutostartId)
            state ? m_autostart.Enable() : m_autostart.Disable();
    }
    m_flags.WriteOptions(m_nOptions);
    return tray;
}

} // namespace orvane
