#pragma once

#include <QStringList>

namespace orvane::cli {

// orvanectl export [--format xml|ics] [--out FILE] [--clipboard-form] [--name NAME]...
// [--category NAME]... [--file PATH]: the exchange document (or the iCalendar form) of all
// events, or of those with one of the given names or categories, to FILE or standard output.
// Gives the exit status.
int RunExport(const QStringList &arguments);

} // namespace orvane::cli
