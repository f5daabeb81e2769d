#include "settings/option_flags.h"

#include "settings/registry_store.h"

#include <array>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace orvane {

quint32 COptionFlags::GetOptions()
{
    qint32 stored = 0;
    m_registry.ReadIntOrWrite(u"Orvane"_s, u"OptionsFlag"_s, static_cast<qint32>(kDefaultOptions), stored);
    m_nOptions = static_cast<quint32>(stored);
    return m_nOptions;
}

int COptionFlags::WriteOptions(quint32 options)
{
    return m_registry.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, static_cast<qint32>(options));
}

int COptionFlags::GetMonitorDays()
{
    return MonitorDaysOf(GetOptions());
}

int COptionFlags::MonitorDaysOf(quint32 options)
{
    constexpr std::array<std::pair<quint32, int>, 5> kSpans{{
        {OptionBit::Notice1Day, 1},
        {OptionBit::Notice3Days, 3},
        {OptionBit::Notice5Days, 5},
        {OptionBit::Notice7Days, 7},
        {OptionBit::Notice10Days, 10},
    }};
    for (const auto &[bit, days] : kSpans) {
        if (options & bit)
            return days;
    }
    return 7;
}

} // namespace orvane
