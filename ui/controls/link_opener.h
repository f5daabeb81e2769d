#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

namespace orvane {

// Codes of opening a link: above 32 it was opened; otherwise the error codes of the platform's
// shell (2 file not found, 31 no program associated, ...).
namespace LinkResult {
constexpr int kFileNotFound = 2;
constexpr int kNoAssociation = 31;
constexpr int kOpened = 33;
} // namespace LinkResult

// Opens a URL with the desktop's handler; true when that worked.
using UrlOpener = std::function<bool(const QUrl &)>;

// The program and arguments that open `target` with the browser command `command`: the command
// is cut at its placeholder (a quoted "%s", else %s; everything from there on is dropped) and
// the target follows as one argument of its own, whatever blanks or quotes it holds.
QStringList BrowserArguments(const QString &command, const QString &target);

// Opens the target (a web or mail address, a file, ...) with the desktop's handler, else with
// the browser named by `browser` (the first of a colon-separated list, as $BROWSER holds them).
// The target is handed to the browser as one argument, never through a shell.
int OpenTarget(const QString &target, const UrlOpener &open, const QString &browser);
// The same with the desktop's own handler and $BROWSER.
int OpenTarget(const QString &target);

// Opens the target; when that fails, beeps and shows the reason. True when it was opened.
bool OpenTargetOrComplain(const QString &target);

// The message for a failed open: "Can't open link:\n\n" and the text of the code.
QString OpenErrorText(int code);

} // namespace orvane
