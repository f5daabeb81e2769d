#include "ui/controls/calendar_font.h"

#include <QFontDatabase>

namespace orvane {

namespace {

QFont PixelFont(const QString &family, QFont::Weight weight)
{
    QFont font(family);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(14);
    font.setWeight(weight);
    return font;
}

} // namespace

QFont CalendarFont()
{
    // Resolved once: asking fontconfig for a substitute of a missing family is slow.
    static const QString family = [] {
        const QString wanted = QStringLiteral("MS Sans Serif");
        return QFontDatabase::hasFamily(wanted) ? wanted
                                                : QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return PixelFont(family, QFont::Normal);
}

QFont HeadingFont()
{
    static const QString family = [] {
        const QString wanted = QStringLiteral("Arial Cyr");
        return QFontDatabase::hasFamily(wanted) ? wanted : CalendarFont().family();
    }();
    return PixelFont(family, QFont::ExtraBold);
}

} // namespace orvane
