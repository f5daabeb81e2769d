#pragma once

#include <QStringList>

namespace orvane {

// orvanectl upcoming [--days N] [--missed] [--json] [--file PATH]: the days of the coming span
// that hold events to be notified, as the monitor lists them, with --missed after the days
// missed since the last announcement. Exit status 0 when a day is listed, 1 when
// none is, 2 when the calendar cannot be read or an argument is wrong.
int RunUpcomingCommand(const QStringList &arguments);

} // namespace orvane
