#include "ui/controls/calendar_font.h"

#include <QFontDatabase>

namespace orvane {

QFont CalendarFont()
{
    // Resolved once: asking fontconfig for a substitute of a missing family is slow.
    static const QString family = [] {
        const QString wanted = QStringLiteral("MS Sans Serif");
        return QFontDatabase::hasFamily(wanted) ? wanted
                                                : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(14);
    font.setWeight(QFont::Normal);
    return font;
}

} // namespace orvane
