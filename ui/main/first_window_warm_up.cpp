#include "ui/main/first_window_warm_up.h"

#include "res/pictures.h"
#include "res/resource_ids.h"
#include "ui/controls/calendar_font.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLocale>

namespace orvane {

void WarmUpFirstWindow(bool monitor)
{
    LoadIcon(res::IDI_MAINFRAME);
    // Day numbers and a month's name, in the language the window shows.
    const QString sample = QStringLiteral("0123456789 ") + QLocale().standaloneMonthName(1);
    const QList<QFont> fonts = monitor ? QList<QFont>{HeadingFont(), QApplication::font()} : QList<QFont>{CalendarFont()};
    for (const QFont &font : fonts)
        QFontMetrics(font).horizontalAdvance(sample);
}

} // namespace orvane
