#pragma once

#include <QString>

namespace orvane {

// One event on the clipboard: "name@notes".
struct ClipboardEvent {
    QString name;
    QString notes;
};

QString EventClipboardText(const QString &name, const QString &notes);
// Splits at the first "@"; without one, or with one in front, the whole text is the name.
ClipboardEvent ParseEventClipboardText(const QString &text);

} // namespace orvane
