#pragma once

#include <QString>

#include <optional>

namespace orvane::cli {

// The password of `user` on `server`: read without echo from the terminal, after a prompt on
// standard error, or the first line of standard input when that is not a terminal. Nothing, with
// the reason printed, when the input ended before a line.
std::optional<QString> ReadPassword(const QString &server, const QString &user);

} // namespace orvane::cli
