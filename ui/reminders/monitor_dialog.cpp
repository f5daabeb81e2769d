#include "ui/reminders/monitor_dialog.h"

#include "app/app_context.h"
#include "res/menus.h"
#include "res/pictures.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "settings/announced_through.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "ui/controls/platform_kind.h"
#include "ui/controls/stored_position.h"
#include "ui/controls/window_shape.h"
#include "ui/reminders/monitor_geometry.h"
#include "ui/reminders/monitor_list_box.h"

#include <QAbstractButton>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScreen>
#include <QToolBar>
#include <QWindow>

namespace orvane {

namespace {

const QColor kBackColor(255, 255, 204);
const QString kRegistrySection = QStringLiteral("Orvane");
const QString kPositionX = QStringLiteral("PositionX");
const QString kPositionY = QStringLiteral("PositionY");

// The tooltip part of a toolbar string: "<status hint>\n<tooltip>".
QString ToolTipOf(int stringId)
{
    return res::LoadString(stringId).section(u'\n', 1);
}

} // namespace

CMonitorDialog::CMonitorDialog(AppContext &context, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_context(context)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    MakeShapeable(*this);
    setObjectName(QStringLiteral("138"));
    setWindowTitle(MonitorTitle());
    setWindowIcon(LoadIcon(res::IDI_MAINFRAME));
    setFixedSize(MonitorWindowSize());

    m_list = new CMonitorListBox(this);
    m_list->setObjectName(QStringLiteral("1056"));
    m_list->setGeometry(MonitorListRect(size()));
    m_list->viewport()->installEventFilter(this);
    FillUpcomingDays(context.document.m_user);

    CreateToolbar();
    DrawBackground();
    PlaceWindow();
    setMask(QRegion(MonitorShape(size())));
}

CMonitorDialog::~CMonitorDialog() = default;

bool CMonitorDialog::FillUpcomingDays(const CUser &user)
{
    m_list->SetDays(FindUpcomingDays(user, Clock::Today(), m_context.options.GetMonitorDays(),
                                     CAnnouncedThrough(m_context.registry).Read()));
    return HasUpcomingDays();
}

bool CMonitorDialog::HasUpcomingDays() const
{
    return !m_list->Days().empty();
}

const std::vector<UpcomingDay> &CMonitorDialog::Days() const
{
    return m_list->Days();
}

void CMonitorDialog::CreateToolbar()
{
    m_toolbar = new QToolBar(this);
    m_toolbar->setIconSize(QSize(res::kMonitorToolbarImageWidth, 15));
    m_toolbar->setMovable(false);
    m_toolbar->setFloatable(false);
    m_toolbar->setGeometry(MonitorToolbarRect(size()));
    const struct {
        int id;
        int image;
        void (CMonitorDialog::*slot)();
    } buttons[] = {{res::CommandId::MonitorOpenCalendar, 0, &QDialog::accept},
                   {res::CommandId::MonitorClose, 1, &QDialog::reject}};
    for (const auto &button : buttons) {
        QAction *action = m_toolbar->addAction(
            LoadStripIcon(res::IDR_MONITOR_TOOLBAR, button.image, res::kMonitorToolbarImageWidth, Qt::black),
            res::LoadString(button.id).section(u'\n', 0, 0));
        action->setToolTip(ToolTipOf(button.id));
        action->setObjectName(QString::number(button.id));
        connect(action, &QAction::triggered, this, button.slot);
        // Tab reaches the buttons, Space and Enter press them.
        m_toolbar->widgetForAction(action)->setFocusPolicy(Qt::TabFocus);
    }
}

void CMonitorDialog::DrawBackground()
{
    const qreal ratio = devicePixelRatioF();
    m_bmpBack = QPixmap(size() * ratio);
    m_bmpBack.setDevicePixelRatio(ratio);
    m_bmpBack.fill(Qt::transparent);
    QPainter p(&m_bmpBack);
    FillShape(p, QRegion(MonitorShape(size())), kBackColor);
    p.fillRect(MonitorBandRect(size()), palette().color(QPalette::Button));
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawPixmap(width() - 31, 0, LoadPicture(res::IDB_FOLDED_CORNER, ratio));
}

StoredPosition CMonitorDialog::Place() const
{
    return {m_context.registry, kRegistrySection, kPositionX, kPositionY};
}

void CMonitorDialog::PlaceWindow()
{
    if (m_context.options.GetOptions() & OptionBit::SaveMonitorPosition) {
        if (const std::optional<QPoint> place = Place().Read(size())) {
            move(*place);
            return;
        }
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    move(DefaultMonitorPosition(area, size()));
    setWindowFlag(Qt::WindowStaysOnTopHint);
}

int CMonitorDialog::exec()
{
    if (!HasUpcomingDays()) {
        setResult(Rejected);
        return Rejected;
    }
    return QDialog::exec();
}

void CMonitorDialog::done(int result)
{
    SavePosition();
    QDialog::done(result);
}

void CMonitorDialog::SavePosition()
{
    if (!(m_context.options.GetOptions() & OptionBit::SaveMonitorPosition))
        return;
    Place().Write(frameGeometry());
}

void CMonitorDialog::paintEvent(QPaintEvent *event)
{
    QPainter p(this);
    const qreal ratio = m_bmpBack.devicePixelRatio();
    for (const QRect &r : event->region())
        p.drawPixmap(r, m_bmpBack, QRect(r.topLeft() * ratio, r.size() * ratio));
}

bool CMonitorDialog::Drag(QEvent *event)
{
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint global = mouse->globalPosition().toPoint();
    if (event->type() == QEvent::MouseButtonPress && mouse->button() == Qt::LeftButton) {
        // A Wayland compositor places the windows itself: it moves the note, without the snap.
        if (OnWayland() && windowHandle() && windowHandle()->startSystemMove())
            return true;
        m_ptGrab = global - pos();
        return true;
    }
    if (event->type() == QEvent::MouseMove && (mouse->buttons() & Qt::LeftButton)) {
        const QScreen *at = QGuiApplication::screenAt(global);
        const QRect screen = (at ? at : this->screen())->geometry();
        move(SnapMonitorPosition(QRect(global - m_ptGrab, size()), screen));
        return true;
    }
    return false;
}

void CMonitorDialog::mousePressEvent(QMouseEvent *event)
{
    if (!Drag(event))
        QDialog::mousePressEvent(event);
}

void CMonitorDialog::mouseMoveEvent(QMouseEvent *event)
{
    if (!Drag(event))
        QDialog::mouseMoveEvent(event);
}

void CMonitorDialog::keyPressEvent(QKeyEvent *event)
{
    // The band's tool buttons take Space themselves; Enter presses the focused one, as it
    // would a push button.
    auto *button = qobject_cast<QAbstractButton *>(focusWidget());
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && button && button->parentWidget() == m_toolbar)
        button->click();
    else
        QDialog::keyPressEvent(event);
}

bool CMonitorDialog::eventFilter(QObject *watched, QEvent *event)
{
    // The list is part of the note: dragging it moves the window too.
    if (watched == m_list->viewport()
        && (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseMove))
        return Drag(event);
    return QDialog::eventFilter(watched, event);
}

} // namespace orvane
