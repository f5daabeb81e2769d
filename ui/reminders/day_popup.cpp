#include "ui/reminders/day_popup.h"

#include "ui/controls/calendar_font.h"
#include "ui/reminders/day_popup_layout.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace orvane {

namespace {

const QColor kFillColor(180, 255, 100);

// Assistive technology reads the pop-up as a tooltip whose name is its text.
QAccessibleInterface *DayPopupFactory(const QString &className, QObject *object)
{
    auto *popup = qobject_cast<CDayPopup *>(object);
    if (!popup || className != QLatin1StringView(CDayPopup::staticMetaObject.className()))
        return nullptr;
    return new QAccessibleWidget(popup, QAccessible::ToolTip);
}

} // namespace

CDayPopup::CDayPopup(QWidget *owner)
    : QWidget(owner, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
{
    [[maybe_unused]] static const bool accessible = [] {
        QAccessible::installFactory(&DayPopupFactory);
        return true;
    }();
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    setFont(PopupFont());
    resize(0, 0);
}

QFont CDayPopup::PopupFont()
{
    return CalendarFont();
}

void CDayPopup::ShowDayEvents(const CEventList &events, const QRect &cell)
{
    const QStringList lines = DayPopupLines(events);
    if (lines.isEmpty()) {
        hide();
        return;
    }
    SetText(DayPopupText(lines));
    const QSize size = DayPopupSize(lines, QFontMetrics(font()));
    const QScreen *screen = QGuiApplication::screenAt(cell.center());
    if (!screen)
        screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    setGeometry(QRect(DayPopupPosition(cell, size, screen->availableGeometry()), size));
    show();
}

void CDayPopup::FollowDrag(const QPoint &pointer)
{
    move(DragPopupPosition(pointer));
    show();
}

void CDayPopup::SetText(const QString &text)
{
    m_lines = text.split(u'\n');
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
    setAccessibleName(m_lines.join(QStringLiteral(", ")));
    update();
}

QString CDayPopup::Text() const
{
    return DayPopupText(m_lines);
}

void CDayPopup::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.setBrush(kFillColor);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));

    // Lines from 2 pixels in and 1 down, one line height apart, not clipped to the window.
    const QFontMetrics metrics(font());
    painter.setFont(font());
    for (int i = 0; i < m_lines.size(); ++i)
        painter.drawText(QPoint(2, 1 + i * metrics.height() + metrics.ascent()), m_lines[i]);
}

void CDayPopup::enterEvent(QEnterEvent *)
{
    hide();
}

void CDayPopup::mouseMoveEvent(QMouseEvent *)
{
    hide();
}

} // namespace orvane
