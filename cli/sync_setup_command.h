#pragma once

#include <QStringList>

namespace orvane::cli {

// orvanectl sync setup URL --user NAME [--calendar HREF] [--addressbook HREF]: checks the
// password with the server, finds the first calendar that takes events when none is named, keeps
// the password in the Secret Service where one runs and writes the sync settings. Gives the exit
// status: 2 when the server refuses or nothing fits.
int RunSyncSetup(const QStringList &arguments);

} // namespace orvane::cli
