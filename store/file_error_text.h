#pragma once

#include <QFileDevice>
#include <QString>

namespace orvane {

// Russian reasons for failed file operations, for the messages the user reads.

// The reason the system gives (errno); 0 or an unknown code falls back on the kind of failure
// Qt reports.
QString FileErrorText(int systemError, QFileDevice::FileError kind = QFileDevice::UnspecifiedError);

// Why an existing path cannot be opened for reading (`systemError` being the errno of the
// attempt): a folder or a device in its place, no permission to read it, or the reason the
// system gives (EFBIG: larger than it may be).
QString OpenFailureText(const QString &path, int systemError);

} // namespace orvane
