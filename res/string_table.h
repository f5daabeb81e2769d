#pragma once

#include <QString>

namespace orvane::res {

// Ids of the string table. Many share their number with the control or menu entry they describe.
namespace StringId {
constexpr int CloseButton = 1;
constexpr int PreviousMonth = 1028;
constexpr int NextMonth = 1029;
constexpr int MainMenu = 1037;
constexpr int HelpContents = 32771;
constexpr int Properties = 32779;
constexpr int GoToDay = 32780;
constexpr int Import = 32781;
constexpr int Export = 32782;
constexpr int MonitorClose = 32788;         // "<status hint>\n<tooltip>"
constexpr int MonitorOpenCalendar = 32789;  // the same
constexpr int Sync = 32792;
constexpr int About = 57664;
constexpr int Minimize = 57665;
constexpr int NewCategory = 57666;
constexpr int MoveWindow = 57668;
constexpr int MoveEvents = 57669;
constexpr int CalendarProperties = 57670;
constexpr int WeekdayFormat = 57672;
constexpr int AddEventHint = 57673;
constexpr int PropertiesHint = 57674;
constexpr int OptionMonitorPosition = 60000;
constexpr int OptionHexDays = 60001;
constexpr int OptionWeekdayNames = 60003;
constexpr int OptionCalendarSize = 60004;
constexpr int OptionGroupCalendar = 60006;
constexpr int OptionGroupMonitor = 60007;
constexpr int OptionTrayIcon = 60008;
constexpr int OptionGroupNotice = 60009;
constexpr int OptionNotice1Day = 60010;
constexpr int OptionNotice3Days = 60011;
constexpr int OptionNotice5Days = 60012;
constexpr int OptionNotice7Days = 60013;
constexpr int OptionNotice10Days = 60014;
constexpr int OptionCalendarPosition = 60015;
constexpr int OptionAutostart = 60016;
} // namespace StringId

// The text of string-table entry `id`; a null string when the table has none.
QString LoadString(int id);

} // namespace orvane::res
