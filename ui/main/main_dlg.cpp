#include "ui/main/main_dlg.h"

#include "app/app_context.h"
#include "res/menus.h"
#include "res/pictures.h"
#include "res/resource_ids.h"
#include "res/string_table.h"
#include "settings/announced_through.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/coming_days.h"
#include "store/data_file.h"
#include "store/upcoming_days.h"
#include "ui/controls/bitmap_button_ex.h"
#include "ui/controls/calendar_font.h"
#include "ui/controls/menu_button.h"
#include "ui/controls/menu_entries.h"
#include "ui/controls/owner_draw_state.h"
#include "ui/controls/platform_kind.h"
#include "ui/controls/stored_position.h"
#include "ui/controls/window_shape.h"
#include "ui/events/event_tree_dialog.h"
#include "ui/events/merge_days_dialog.h"
#include "ui/exchange/exchange_wizards.h"
#include "ui/main/about_dlg.h"
#include "ui/main/calendar_texts.h"
#include "ui/main/day_events_move.h"
#include "ui/main/frame_hit_test.h"
#include "ui/main/frame_region.h"
#include "ui/main/go_to_day_dialog.h"
#include "ui/main/help_page.h"
#include "ui/main/main_dlg_accessible.h"
#include "ui/main/window_snapping.h"
#include "ui/reminders/announcement.h"
#include "ui/reminders/day_popup.h"
#include "ui/reminders/monitor_dialog.h"
#include "ui/settings/settings_dialog.h"
#include "ui/sync/sync_dialog.h"
#include "ui/sync/sync_scheduler.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QScreen>
#include <QWindow>

#include <algorithm>

namespace orvane {

namespace {

const char *const kCaption = QT_TRANSLATE_NOOP("orvane::CMainDlg", "Календарь");
const char *const kCloseName = QT_TRANSLATE_NOOP("orvane::CMainDlg", "Закрыть календарь.");
const QString kRegistrySection = QStringLiteral("Orvane");
const QString kPositionX = QStringLiteral("OrvanePositionX");
const QString kPositionY = QStringLiteral("OrvanePositionY");

} // namespace

CMainDlg::CMainDlg(AppContext &context, bool showOnStart, QWidget *parent)
    : QDialog(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowMinimizeButtonHint),
      m_context(context),
      m_bShowOnStart(showOnStart),
      m_clrBack(context.bPalette256 ? kBackColor256 : kBackColor),
      m_font(CalendarFont()),
      m_painter(m_table, m_metrics, m_font, m_clrBack)
{
    InstallMainDlgAccessibility();
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    MakeShapeable(*this);
    setMouseTracking(true);
    // The window itself holds the keyboard focus: the day keys reach it as soon as it is shown.
    setFocusPolicy(Qt::StrongFocus);
    setFocus(Qt::ActiveWindowFocusReason);
    setWindowTitle(tr(kCaption));
    setWindowIcon(LoadIcon(res::IDI_MAINFRAME));

    m_popup = new CDayPopup(this);
    m_table.SetToday(Clock::Today());
    // "Открыть календарь" in the notification answers as the monitor's own button does.
    m_announcement = new CAnnouncement(m_context.document, this);
    connect(m_announcement, &CAnnouncement::openRequested, this, [this] {
        if (m_monitor)
            m_monitor->accept();
        else
            ShowFromTray();
    });

    m_bWeekdayColumn = (m_context.options.GetOptions() & OptionBit::WeekdayNames) != 0;
    m_metrics = GridMetrics::FromTextHeight(QFontMetrics(m_font).height(), m_bWeekdayColumn);
    CDataFile &document = m_context.document;
    document.m_nScale = static_cast<quint16>(FitScale(document.m_nScale, document.m_bLarge));

    m_btnMenu = new CMenuButton(this);
    m_btnMenu->setObjectName(QString::number(res::CommandId::MainMenu));
    m_btnMenu->SetTextFont(m_font);
    m_btnMenu->SetBackColor(m_clrBack);
    m_btnMenu->setCursor(Qt::PointingHandCursor);
    m_btnMenu->installEventFilter(this);
    connect(m_btnMenu, &QAbstractButton::clicked, this,
            [this] { OnCommand(res::CommandId::MainMenu); });

    // Screen readers name the buttons by their status hints ("X" has none of its own).
    m_btnPrev = AddPictureButton(res::CommandId::PreviousMonth, res::IDB_PREV_MONTH, 20, 30,
                                 res::LoadString(res::StringId::PreviousMonth));
    m_btnNext = AddPictureButton(res::CommandId::NextMonth, res::IDB_NEXT_MONTH, 20, 30,
                                 res::LoadString(res::StringId::NextMonth));
    m_btnClose = AddPictureButton(res::CommandId::Close, res::IDB_CLOSE, 20, 20, tr(kCloseName));
    m_btnAbout = AddPictureButton(res::CommandId::About, res::IDB_ABOUT, 20, 20,
                                  res::LoadString(res::StringId::About));
    m_btnMinimize = AddPictureButton(res::CommandId::Minimize, res::IDB_MINIMIZE, 20, 20,
                                     res::LoadString(res::StringId::Minimize));
    // "?" is reached by Tab too (a click leaves the keyboard with the window); Enter and Space
    // open its menu.
    m_btnAbout->setFocusPolicy(Qt::TabFocus);

    // Window managers that honour size increments snap the same way the window does.
    setMinimumSize(m_metrics.MinimumWindowSize());
    setMaximumSize(m_metrics.MaximumWindowWidth(), m_metrics.WindowSize(12, true).height());
    setBaseSize(67, 140);
    setSizeIncrement(m_metrics.cxMonth, m_metrics.cyMonth);
    PlaceWindow();
    CreatePictures();
    UpdateTitle(tr(kCaption));

    connect(&m_dateWatch, &DateChangeWatch::dateMayHaveChanged, this, &CMainDlg::OnDateMayHaveChanged);
    m_hintTimer.setObjectName(QStringLiteral("TIMER_HINT"));
    m_hintTimer.setInterval(2500);
    connect(&m_hintTimer, &QTimer::timeout, this, &CMainDlg::OnHintTimer);

    connect(&m_tray, &CSystemTray::command, this, &CMainDlg::OnCommand);
    connect(&m_tray, &CSystemTray::toggleRequested, this, [this] {
        if (isVisible() && !isMinimized())
            OnMinimize();
        else
            ShowFromTray();
    });
    if (m_context.options.GetOptions() & OptionBit::TrayIcon)
        OnTrayIconToggle(true);

    m_sync = new CSyncScheduler(m_context.document, m_context.registry, this);
    connect(m_sync, &CSyncScheduler::started, this, [this] { ShowStatus(tr("Синхронизация...")); });
    connect(m_sync, &CSyncScheduler::finished, this,
            [this](bool, const QString &result) { ShowStatus(tr("Синхронизация: %1").arg(result)); });
    connect(m_sync, &CSyncScheduler::calendarReplaced, this, &CMainDlg::RefreshCalendar);
    // The start's sync, once the window is up.
    QTimer::singleShot(0, m_sync, &CSyncScheduler::Start);
}

CMainDlg::~CMainDlg()
{
    delete m_monitor; // a monitor of a new date, still open: it belongs to this run
}

int CMainDlg::Scale() const
{
    return m_context.document.m_nScale;
}

bool CMainDlg::Large() const
{
    return m_context.document.m_bLarge;
}

bool CMainDlg::HexDays() const
{
    return (m_context.options.GetOptions() & OptionBit::HexDays) != 0;
}

void CMainDlg::CreatePictures()
{
    // As large as the window, drawn at the screen's pixel density.
    const qreal ratio = devicePixelRatioF();
    m_bmpFrame = QPixmap(size() * ratio);
    m_bmpFrame.setDevicePixelRatio(ratio);
    m_bmpFrame.fill(Qt::transparent);
}

StoredPosition CMainDlg::Place() const
{
    return {m_context.registry, kRegistrySection, kPositionX, kPositionY};
}

void CMainDlg::PlaceWindow()
{
    const QSize size = m_metrics.WindowSize(Scale(), Large());
    ApplySize(size, Scale(), Large());
    if (m_context.options.GetOptions() & OptionBit::SaveCalendarPosition) {
        if (const std::optional<QPoint> place = Place().Read(size)) {
            move(*place);
            return;
        }
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    move(area.x() + (area.width() - size.width()) / 2,
         area.y() + (area.height() - size.height()) / 2);
}

CBitmapButtonEx *CMainDlg::AddPictureButton(int id, int strip, int width, int height, const QString &name)
{
    auto *button = new CBitmapButtonEx(this);
    button->setObjectName(QString::number(id));
    button->setAccessibleName(name);
    button->SetBackColor(m_clrBack);
    button->resize(width, height);
    button->LoadStrip(strip, 20);
    button->setFocusPolicy(Qt::NoFocus);
    button->installEventFilter(this);
    connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id); });
    return button;
}

// Frame --------------------------------------------------------------------------------------

int CMainDlg::BuildFrame()
{
    // Painting copies from the picture: it follows the size even while the window is minimised.
    if (m_bmpFrame.size() != size() * devicePixelRatioF()
        || !qFuzzyCompare(m_bmpFrame.devicePixelRatio(), devicePixelRatioF()))
        CreatePictures();
    if (isMinimized())
        return 0;

    const qreal ratio = m_bmpFrame.devicePixelRatio();
    const QPixmap earTopRight = LoadPicture(res::IDB_EAR_TOP_RIGHT, ratio);
    const QPixmap earBottomLeft = LoadPicture(res::IDB_EAR_BOTTOM_LEFT, ratio);
    const QPixmap grip = LoadPicture(res::IDB_SIZE_GRIP, ratio);

    const int w = width();
    const int h = height();
    QPainter p(&m_bmpFrame);
    FillShape(p, FrameRegion(size()), m_clrBack);
    p.setPen(Qt::black);
    p.setBrush(m_clrBack);
    p.drawRoundedRect(QRect(26, 0, w - 54, h - 2), 15, 15);
    p.drawLine(26, h - 36, w - 27, h - 36);
    if (earTopRight.isNull() || earBottomLeft.isNull() || grip.isNull())
        return 0;
    m_bmpStatusEar = earBottomLeft;
    p.drawPixmap(w - 39, 0, earTopRight);
    p.drawPixmap(0, h - 36, earBottomLeft);
    p.drawPixmap(w - 57, h - 41, grip);
    setMask(FrameRegion(size()));
    return 1;
}

int CMainDlg::LayoutControls()
{
    const int r = width();
    const int b = height();
    const bool paging = Scale() != 12;
    m_btnMenu->move(36, 10);
    m_btnNext->setGeometry(r - 54, b - 71, 20, 30);
    m_btnNext->setVisible(paging);
    m_btnPrev->setGeometry(31, b - 71, 20, 30);
    m_btnPrev->setVisible(paging);
    m_btnClose->setGeometry(r - 56, 7, 20, 20);
    m_btnAbout->setGeometry(r - 98, 7, 20, 20);
    m_btnMinimize->setGeometry(r - 77, 7, 20, 20);
    LayoutMonths(m_table, m_metrics, Scale(), Large());
    m_rcStatus = StatusLineRect(size(), QFontMetrics(m_font).height());
    if (CMainDlgAccessible *readers = CMainDlgAccessible::Of(*this))
        readers->SyncMonths();
    return 1;
}

int CMainDlg::ShowStatus(const QString &text)
{
    if (text.isNull())
        return 0;
    const bool changed = text != m_strStatus;
    m_strStatus = text;
    if (CMainDlgAccessible *readers = CMainDlgAccessible::Of(*this); readers && changed)
        readers->StatusChanged();
    QPainter p(&m_bmpFrame);
    p.setClipRect(m_rcStatus);
    p.fillRect(m_rcStatus, m_clrBack);
    p.drawPixmap(0, height() - 36, m_bmpStatusEar);
    p.setFont(m_font);
    p.setPen(Qt::black);
    const QString shown = QFontMetrics(m_font).elidedText(text, Qt::ElideRight, m_rcStatus.width());
    p.drawText(m_rcStatus, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, shown);
    update(m_rcStatus);
    return 1;
}

int CMainDlg::ShowStatusString(int id)
{
    const QString text = res::LoadString(id);
    ShowStatus(text.isNull() ? QStringLiteral(" ") : text);
    return 1;
}

int CMainDlg::UpdateTitle(const QString &caption)
{
    m_btnMenu->SetText(YearTitleText(m_table, Scale()));
    setWindowTitle(caption);
    return 1;
}

// Month grid ---------------------------------------------------------------------------------

int CMainDlg::DrawMonths()
{
    if (m_table.FirstMonth() == 0)
        return 0;
    QPainter p(&m_bmpFrame);
    m_painter.DrawMonths(p, Scale(), m_context.document.m_user, HexDays(), m_bWeekdayColumn);
    return 1;
}

int CMainDlg::DrawDay(int month, int day, int marks)
{
    // A month that has left the span keeps its old place, where another month now stands.
    if (!m_table.IsVisible(month, Scale()) || day > m_table.Info(month).nDays)
        return 0;
    QPainter p(&m_bmpFrame);
    update(m_painter.DrawDay(p, month, day, marks, HexDays()));
    return 1;
}

int CMainDlg::SetHotDay(int month, int day)
{
    SelectedDate &selected = m_context.document.m_user.m_selected;
    CUser &user = m_context.document.m_user;
    if (selected.IsSet())
        DrawDay(selected.month, selected.day,
                m_painter.MarksOf(user.GetSelectedDayEvents(), selected.month, selected.day));
    if (month != 0 && day != 0) {
        selected.month = static_cast<quint8>(month);
        selected.day = static_cast<quint8>(day);
        DrawDay(month, day,
                m_painter.MarksOf(user.GetDayEvents(month, day), month, day) | CellMark::Hot);
    }
    return 1;
}

QStringList CMainDlg::DayEventNames(int month, int day) const
{
    QStringList names;
    for (const CEventRecord &event : m_context.document.m_user.GetDayEvents(month, day))
        names << event.Name;
    return names;
}

DayHit CMainDlg::HitTestDay(QPoint point) const
{
    return orvane::HitTestDay(m_table, m_metrics, Scale(), point);
}

QRect CMainDlg::DayRect(int month, int day) const
{
    return orvane::DayRect(m_table, m_metrics, month, day);
}

void CMainDlg::ShowDayPopup(bool listMode, QPoint pointer)
{
    if (!listMode) {
        m_popup->FollowDrag(pointer);
        return;
    }
    const SelectedDate &selected = m_context.document.m_user.m_selected;
    if (!selected.IsSet()) {
        HideDayPopup();
        return;
    }
    const QRect cell = DayRect(selected.month, selected.day);
    m_popup->ShowDayEvents(m_context.document.m_user.GetSelectedDayEvents(),
                           QRect(mapToGlobal(cell.topLeft()), cell.size()));
}

void CMainDlg::HideDayPopup()
{
    m_popup->hide();
}

void CMainDlg::LeaveDays(int statusId)
{
    SetHotDay(0, 0);
    m_context.document.m_user.m_selected.Clear();
    HideDayPopup();
    if (m_strStatus != res::LoadString(statusId))
        ShowStatusString(statusId);
}

void CMainDlg::OnGridMouseMove(QPoint point, QPoint globalPoint)
{
    CUser &user = m_context.document.m_user;
    if (m_press.down && !m_press.dragging
        && !user.GetDayEvents(m_press.month, m_press.day).IsEmpty())
        m_press.dragging = true;

    const DayHit hit = HitTestDay(point);
    if (!hit.onDay) {
        LeaveDays(res::StringId::CalendarProperties);
        return;
    }
    const SelectedDate &selected = user.m_selected;
    const bool newDay = hit.month != selected.month || hit.day != selected.day;
    if (m_press.dragging) {
        if (newDay)
            SetHotDay(hit.month, hit.day);
        ShowDayPopup(false, globalPoint);
        if (m_strStatus != res::LoadString(res::StringId::MoveEvents))
            ShowStatusString(res::StringId::MoveEvents);
    } else if (newDay) {
        ShowHotDay(hit.month, hit.day);
    }
}

void CMainDlg::ShowHotDay(int month, int day)
{
    SetHotDay(month, day);
    const QString weekday = WeekdayName(m_table.Info(month).nYear, month, day);
    ShowStatus(res::LoadString(res::StringId::WeekdayFormat).replace(QStringLiteral("%s"), weekday));
    ShowDayPopup(true, {});
}

void CMainDlg::OnDayClick(int month, int day)
{
    HideDayPopup();
    if (OpenDayEditor(month, day, this))
        update();
}

bool CMainDlg::OpenDayEditor(int month, int day, QWidget *parent)
{
    m_context.document.m_user.m_selected = {static_cast<quint8>(month), static_cast<quint8>(day)};
    CEventTreeDialog dialog(m_context.document, parent);
    connect(&dialog, &CEventTreeDialog::helpRequested, this, [this] { OnCommand(res::CommandId::Help); });
    if (dialog.exec() != QDialog::Accepted)
        return false;
    SetHotDay(month, day);
    return true;
}

void CMainDlg::OnDrop(QPoint point)
{
    const auto backToList = qScopeGuard([this] { ShowDayPopup(true, {}); });
    const DayHit hit = HitTestDay(point);
    const int fromMonth = m_press.month;
    const int fromDay = m_press.day;
    if (!hit.onDay || (hit.month == fromMonth && hit.day == fromDay))
        return;
    CDataFile &document = m_context.document;
    CUser &user = document.m_user;
    const CEventList &target = user.GetDayEvents(hit.month, hit.day);
    if (&target == &user.GetDayEvents(fromMonth, fromDay))
        return; // two dates of one day slot (29 February and 1 March of a common year)
    if (!target.IsEmpty()) {
        HideDayPopup();
        CMergeDaysDialog dialog(document, fromMonth, fromDay, hit.month, hit.day, this);
        dialog.exec();
    } else if (MoveDayEvents(user, fromMonth, fromDay, hit.month, hit.day)) {
        document.Save();
    } else {
        return;
    }
    SetHotDay(fromMonth, fromDay);
    SetHotDay(hit.month, hit.day);
    update();
}

// Commands -----------------------------------------------------------------------------------

void CMainDlg::PageTo(bool forward)
{
    if (!(forward ? m_table.PageForward() : m_table.PageBackward()))
        return;
    LayoutControls();
    DrawMonths();
    update(0, 36, width(), height() - 71 - 36);
    UpdateTitle(tr(kCaption));
}

void CMainDlg::OnCommand(int id)
{
    switch (id) {
    case res::CommandId::MainMenu:
        PopupMenu(res::MainMenuPopup::Calendar, m_btnMenu);
        break;
    case res::CommandId::About:
        PopupMenu(res::MainMenuPopup::Help, m_btnAbout);
        break;
    case res::CommandId::NextMonth:
        PageTo(true);
        break;
    case res::CommandId::PreviousMonth:
        PageTo(false);
        break;
    case res::CommandId::Minimize:
        OnMinimize();
        break;
    case res::CommandId::Close:
    case res::CommandId::TrayClose:
        accept();
        break;
    case res::CommandId::TrayShow:
        ShowFromTray();
        break;
    case res::CommandId::GoToDay: {
        CGoToDayDlg dialog(m_context.document.m_user,
                           [this, &dialog](int month, int day) {
                               if (OpenDayEditor(month, day, &dialog))
                                   update();
                           },
                           this);
        dialog.exec();
        break;
    }
    case res::CommandId::Import:
        RunImportWizard(m_context.document, this, [this] { RefreshCalendar(); });
        break;
    case res::CommandId::Export:
        RunExportWizard(m_context.document.m_user, this);
        break;
    case res::CommandId::Properties:
        OnProperties();
        break;
    case res::CommandId::Sync:
        OnSync();
        break;
    case res::CommandId::AboutBox: {
        CAboutDlg dialog(this);
        dialog.exec();
        break;
    }
    case res::CommandId::HelpContents:
    case res::CommandId::Help:
        OpenHelpPage();
        break;
    default:
        break;
    }
}

void CMainDlg::OnProperties()
{
    CSettingsDialog dialog(m_context.options, m_context.registry, this);
    connect(&dialog, &CSettingsDialog::trayIconToggled, this, &CMainDlg::OnTrayIconToggle);
    // Day numbers follow the hexadecimal option at once.
    connect(&dialog, &CSettingsDialog::optionsChanged, this, [this] {
        DrawMonths();
        update();
    });
    if (dialog.exec() == QDialog::Accepted) {
        BuildFrame();
        LayoutControls();
    }
    DrawMonths();
    update();
}

void CMainDlg::OnSync()
{
    CSyncDialog dialog(m_context.registry, *m_sync, this);
    dialog.exec();
}

void CMainDlg::RefreshCalendar()
{
    HideDayPopup();
    BuildFrame();
    DrawMonths();
    update();
}

void CMainDlg::OnMinimize()
{
    // Hidden only while the tray icon can bring the window back; without a notification area to
    // show the icon the window is minimised, so that it stays within reach.
    if (m_tray.CanRestoreWindow())
        HideBehindTray();
    else
        showMinimized();
}

void CMainDlg::PopupMenu(int popup, QWidget *button)
{
    QMenu menu(this);
    AddMenuEntries(menu, res::LoadMenuPopup(res::MenuId::Main, popup));
    connect(&menu, &QMenu::hovered, this,
            [this](QAction *action) { ShowStatusString(action->data().toInt()); });
    connect(&menu, &QMenu::aboutToHide, this, [this] { ShowStatus(QStringLiteral(" ")); });
    if (const QAction *chosen = menu.exec(button->mapToGlobal(QPoint(0, button->height()))))
        OnCommand(chosen->data().toInt());
}

void CMainDlg::reject()
{
    OnMinimize();
}

void CMainDlg::done(int result)
{
    SavePosition();
    QDialog::done(result);
}

void CMainDlg::SavePosition()
{
    if (!(m_context.options.GetOptions() & OptionBit::SaveCalendarPosition))
        return;
    if (!isMinimized())
        Place().Write(frameGeometry());
}

// Timers -------------------------------------------------------------------------------------

void CMainDlg::OnDateMayHaveChanged()
{
    const QDate today = Clock::Today();
    if (today == m_table.Today())
        return;
    // A dialog over the window may hold the events of a day: the change waits until it closes
    // (and unblocks the window).
    if (QApplication::activeModalWidget() && QApplication::activeModalWidget() != this)
        return;
    // The days after 28 February are numbered differently in a leap year.
    if (today.year() != m_table.Today().year())
        m_context.document.m_user.PlaceForYear(today.year());
    m_table.SetToday(today);
    LayoutControls();
    DrawMonths();
    update();
    UpdateTitle(tr(kCaption));
    AnnounceDay(today);
}

void CMainDlg::AnnounceDay(QDate today)
{
    // Once per date, shared with orvanectl notify: a clock set back and forth, or a date it
    // announced first, announces nothing.
    const int span = m_context.options.GetMonitorDays();
    m_context.document.m_user.Rearm(CComingDays(today, span));
    CAnnouncedThrough(m_context.registry).AnnounceOnce(today, span, [this] {
        // The monitor over the desktop, as at log-on, but beside the calendar: its close button
        // closes it alone, its open button brings the calendar.
        auto monitor = std::make_unique<CMonitorDialog>(m_context);
        if (!monitor->HasUpcomingDays())
            return true;
        delete m_monitor; // the previous date's, still open
        m_monitor = monitor.release();
        m_monitor->setAttribute(Qt::WA_DeleteOnClose);
        connect(m_monitor, &QDialog::accepted, this, &CMainDlg::ShowFromTray);
        m_announcement->Send(m_monitor->windowTitle(), m_monitor->Days(), true);
        m_monitor->show();
        return true;
    });
}

void CMainDlg::OnHintTimer()
{
    if (!isVisible() || isMinimized())
        return;
    const QPoint point = mapFromGlobal(QCursor::pos());
    const DayHit hit = HitTestDay(point);
    const bool onPanel = rect().contains(point) && !childAt(point)
                         && FrameHitTest(rect(), point) == FrameArea::Client;
    if (const int hint = m_hints.Tick(hit.month, hit.day, onPanel))
        ShowStatusString(hint);
}

// Events -------------------------------------------------------------------------------------

void CMainDlg::paintEvent(QPaintEvent *event)
{
    if (isMinimized())
        return;
    QPainter p(this);
    const qreal ratio = m_bmpFrame.devicePixelRatio();
    for (const QRect &r : event->region())
        p.drawPixmap(r, m_bmpFrame, QRect(r.topLeft() * ratio, r.size() * ratio));
}

void CMainDlg::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    // A size the window manager chose is snapped like one proposed by dragging an edge. A
    // Wayland compositor does not resize for the user: the size it imposes changes no months.
    const QSize expected = m_metrics.WindowSize(Scale(), Large());
    if (size() != expected && !OnWayland()) {
        SnappedSize snapped{geometry(), Scale(), Large()};
        if (width() != expected.width())
            snapped = SnapSizing(snapped.rect, SizingEdge::Right, m_metrics, snapped.scale,
                                 snapped.large);
        if (height() != expected.height())
            snapped = SnapSizing(snapped.rect, SizingEdge::Bottom, m_metrics, snapped.scale,
                                 snapped.large);
        ApplySize(snapped.rect.size(), snapped.scale, snapped.large);
        if (size() != snapped.rect.size())
            return;
    }
    LayoutControls();
    BuildFrame();
    DrawMonths();
    ShowStatus(m_strStatus.isNull() ? QStringLiteral(" ") : m_strStatus);
    UpdateTitle(tr(kCaption)); // the span may now reach into another year
    update();
}

void CMainDlg::ApplySize(QSize size, int scale, bool large)
{
    m_context.document.m_nScale = static_cast<quint16>(scale);
    m_context.document.m_bLarge = large;
    // A Wayland compositor sizes the windows itself: a fixed size keeps it from imposing another
    // (tiling ones float such a window), and the ear and the grip change it by hand.
    if (OnWayland())
        setFixedSize(size);
    else if (size != this->size())
        resize(size);
}

bool CMainDlg::event(QEvent *event)
{
    // A day's pop-up lives only over a calendar in view and in reach: it goes when a window of
    // the program opens over the calendar, and when the calendar is hidden or minimised.
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowBlocked || type == QEvent::Hide
        || (type == QEvent::WindowStateChange && isMinimized())) {
        HideDayPopup();
        m_hintTimer.stop();
    }
    if (type == QEvent::WindowUnblocked)
        QTimer::singleShot(0, this, &CMainDlg::OnDateMayHaveChanged);
    return QDialog::event(event);
}

void CMainDlg::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_bShownOnce && !m_bShowOnStart)
        setWindowState(windowState() | Qt::WindowMinimized);
    m_bShownOnce = true;
}

bool CMainDlg::StartFrameDrag(FrameDrag kind, QPoint globalPoint)
{
    QWindow *window = windowHandle();
    bool started = false;
    if (window && kind == FrameDrag::Move)
        started = window->startSystemMove();
    else if (window && !OnWayland())
        started = window->startSystemResize(kind == FrameDrag::Width ? Qt::RightEdge
                                                                     : Qt::BottomEdge);
    if (!started) {
        m_frameDrag = kind;
        m_ptDragStart = globalPoint;
        m_rcDragStart = geometry();
    }
    return started;
}

void CMainDlg::ContinueFrameDrag(QPoint globalPoint)
{
    const QPoint delta = globalPoint - m_ptDragStart;
    if (m_frameDrag == FrameDrag::Move) {
        move(m_rcDragStart.topLeft() + delta);
        return;
    }
    if (m_frameDrag == FrameDrag::Width)
        SizeFrom(m_rcDragStart, SizingEdge::Right, delta.x());
    else
        SizeFrom(m_rcDragStart, SizingEdge::Bottom, delta.y());
}

void CMainDlg::SizeFrom(QRect from, SizingEdge edge, int delta)
{
    if (edge == SizingEdge::Right)
        from.setWidth(from.width() + delta);
    else
        from.setHeight(from.height() + delta);
    const SnappedSize snapped = SnapSizing(from, edge, m_metrics, Scale(), Large());
    ApplySize(snapped.rect.size(), snapped.scale, snapped.large);
}

void CMainDlg::mousePressEvent(QMouseEvent *event)
{
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        if (m_press.down && m_press.dragging) {
            m_press = {};
            HideDayPopup();
        }
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    switch (FrameHitTest(rect(), point)) {
    case FrameArea::MoveStrip:
        StartFrameDrag(FrameDrag::Move, event->globalPosition().toPoint());
        return;
    case FrameArea::RightEar:
        StartFrameDrag(FrameDrag::Width, event->globalPosition().toPoint());
        return;
    case FrameArea::BottomGrip:
        StartFrameDrag(FrameDrag::Height, event->globalPosition().toPoint());
        return;
    case FrameArea::Client:
        break;
    }
    const DayHit hit = HitTestDay(point);
    m_press = hit.onDay ? PressRecord{hit.day, hit.month, true, false} : PressRecord{};
}

void CMainDlg::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint global = event->globalPosition().toPoint();
    if (m_frameDrag != FrameDrag::None) {
        ContinueFrameDrag(global);
        return;
    }
    m_bKeySelection = false;
    const QPoint point = event->position().toPoint();
    switch (FrameHitTest(rect(), point)) {
    case FrameArea::MoveStrip:
        setCursor(Qt::ArrowCursor);
        m_press = {};
        LeaveDays(res::StringId::MoveWindow);
        return;
    case FrameArea::RightEar:
        setCursor(Qt::SizeHorCursor);
        return;
    case FrameArea::BottomGrip:
        setCursor(Qt::SizeVerCursor);
        return;
    case FrameArea::Client:
        setCursor(Qt::ArrowCursor);
        OnGridMouseMove(point, global);
        return;
    }
}

void CMainDlg::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (m_frameDrag != FrameDrag::None) {
        m_frameDrag = FrameDrag::None;
        return;
    }
    if (m_press.down && m_press.dragging)
        OnDrop(event->position().toPoint());
    else if (m_press.down)
        OnDayClick(m_press.month, m_press.day);
    m_press = {};
}

void CMainDlg::contextMenuEvent(QContextMenuEvent *event)
{
    // A right click on a day does nothing, nor one on a button (it comes here when the button
    // leaves it); anywhere else on the panel opens the properties.
    if (!childAt(event->pos()) && !HitTestDay(event->pos()).onDay)
        OnCommand(res::CommandId::Properties);
}

void CMainDlg::enterEvent(QEnterEvent *event)
{
    QDialog::enterEvent(event);
    // Hints rotate only while they can be read.
    m_hintTimer.start();
}

void CMainDlg::leaveEvent(QEvent *event)
{
    QDialog::leaveEvent(event);
    m_hintTimer.stop();
    // The display also reports leaving when other windows come and go: a day the keys chose
    // stays until the pointer itself moves.
    if (!m_bKeySelection)
        LeaveDays(res::StringId::CalendarProperties);
}

bool CMainDlg::eventFilter(QObject *watched, QEvent *event)
{
    // The menu button and "?" keep the day keys working when a click or Tab gave them the
    // focus; Enter opens the menu of "?".
    if (event->type() == QEvent::KeyPress && (watched == m_btnMenu || watched == m_btnAbout)) {
        const auto &key = *static_cast<QKeyEvent *>(event);
        if (watched == m_btnAbout && (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter)) {
            m_btnAbout->click();
            return true;
        }
        // Arrows the window leaves would move the focus between the buttons.
        const bool arrow = key.key() >= Qt::Key_Left && key.key() <= Qt::Key_Down;
        if (OnKey(key) || arrow)
            return true;
    }
    if (event->type() == QEvent::Enter) {
        // The hint of a control is the string with the control's id.
        m_press = {};
        LeaveDays(watched->objectName().toInt());
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace orvane
