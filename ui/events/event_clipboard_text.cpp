#include "ui/events/event_clipboard_text.h"

namespace orvane {

QString EventClipboardText(const QString &name, const QString &notes)
{
    return name + u'@' + notes;
}

ClipboardEvent ParseEventClipboardText(const QString &text)
{
    const qsizetype at = text.indexOf(u'@');
    if (at <= 0)
        return {text, {}};
    return {text.left(at), text.mid(at + 1)};
}

} // namespace orvane
