#pragma once

#include "store/date_change_watch.h"
#include "ui/main/grid_geometry.h"
#include "ui/main/month_grid_painter.h"
#include "ui/main/month_table.h"
#include "ui/main/status_hint_tracker.h"
#include "ui/main/window_snapping.h"
#include "ui/reminders/system_tray.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QPixmap>
#include <QPointer>
#include <QTimer>

namespace orvane {

class StoredPosition;

struct AppContext;
class CAnnouncement;
class CBitmapButtonEx;
class CDayPopup;
class CMenuButton;
class CMonitorDialog;
class CSyncScheduler;

// The calendar's one top-level window: a borderless, shaped panel with the month grid, a row
// of picture buttons and the menu button along the top, paging buttons and a status line along
// the bottom. It is moved by its top and bottom strips and resized by its top-right ear (months
// per row) and its bottom-right grip (one or two rows). Everything is drawn into the frame
// picture; painting copies the dirty area of it.
class CMainDlg : public QDialog {
    Q_OBJECT
public:
    // Runs hidden (minimised while no tray icon can bring it back) when showOnStart is false.
    CMainDlg(AppContext &context, bool showOnStart, QWidget *parent = nullptr);
    ~CMainDlg() override;

    // Shape and decorations for the current size; 0 when minimised or a decoration is missing
    // (the window keeps its previous shape).
    int BuildFrame();
    // Places the buttons, the visible months and the status line.
    int LayoutControls();
    // Draws the calendar again after it was replaced as a whole (an import, a sync).
    void RefreshCalendar();
    // Draws `text` into the status line.
    int ShowStatus(const QString &text);
    // The same with string-table entry `id`; " " when it has none.
    int ShowStatusString(int id);
    // Sets the menu button's year text and the window caption.
    int UpdateTitle(const QString &caption);

    // The month grid.
    int DrawMonths();
    int DrawDay(int month, int day, int marks);
    int SetHotDay(int month, int day);
    DayHit HitTestDay(QPoint point) const;
    QRect DayRect(int month, int day) const;

    // Runs the command of a control or menu entry (ids of res/menus.h).
    void OnCommand(int id);
    // Adds (true) or removes the tray icon; the settings send it when the tray option changes.
    void OnTrayIconToggle(bool add);
    const CSystemTray &Tray() const { return m_tray; }

    const CMonthTable &MonthTable() const { return m_table; }
    // The months shown.
    int Scale() const;
    // The selected day when it is shown, else an invalid date.
    QDate ShownSelectedDay() const;
    // The names of a day's events, in their order.
    QStringList DayEventNames(int month, int day) const;
    // A click on a day: its editor.
    void OnDayClick(int month, int day);
    QRect StatusRect() const { return m_rcStatus; }
    const GridMetrics &Metrics() const { return m_metrics; }
    const QPixmap &FramePicture() const { return m_bmpFrame; }
    QString StatusText() const { return m_strStatus; }
    DateChangeWatch &DateWatch() { return m_dateWatch; }
    const QTimer &HintTimer() const { return m_hintTimer; }

    // Esc and the close request minimise the window; only the close button and done() end it.
    void reject() override;
    // Ends the run, keeping the window position when the option asks for it.
    void done(int result) override;
    // A hidden start does not show the window while the tray icon can bring it back.
    void setVisible(bool visible) override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The left-button press on a day: from the press to the release or a right-button press.
    struct PressRecord {
        int day = 0;
        int month = 0;
        bool down = false;
        bool dragging = false;
    };
    // A move or resize done by hand where the platform cannot do it.
    enum class FrameDrag { None, Move, Width, Height };

    bool Large() const;
    bool HexDays() const;
    // The frame picture, made again when the window's size or pixel density changes.
    void CreatePictures();
    void PlaceWindow();
    StoredPosition Place() const;
    CBitmapButtonEx *AddPictureButton(int id, int strip, int width, int height, const QString &name);
    void PageTo(bool forward);
    void OnMinimize();
    // The settings dialog; the frame and layout follow its OK, the months are redrawn always.
    void OnProperties();
    void OnSync();
    void PopupMenu(int popup, QWidget *button);
    void ShowDayPopup(bool listMode, QPoint pointer);
    void HideDayPopup();
    void LeaveDays(int statusId);
    void OnGridMouseMove(QPoint point, QPoint globalPoint);
    // The editor of a day; true when it closed with OK.
    bool OpenDayEditor(int month, int day, QWidget *parent);
    void OnDrop(QPoint point);
    bool StartFrameDrag(FrameDrag kind, QPoint globalPoint);
    void ContinueFrameDrag(QPoint globalPoint);
    // The size of `from` with one edge moved by `delta` pixels, snapped as dragging it snaps.
    void SizeFrom(QRect from, SizingEdge edge, int delta);
    void ApplySize(QSize size, int scale, bool large);
    void OnDateMayHaveChanged();
    // A new date: the notify flags set again by the rule of loading; then, when the date was
    // not announced yet, the monitor and a desktop notification when a day (a missed one
    // included) is listed.
    void AnnounceDay(QDate today);
    void ShowFromTray();
    void HideBehindTray();
    void OnHintTimer();
    void SavePosition();
    // The keyboard: the keys of the selected day, paging, today, go-to-day, copy and paste;
    // false for a key it leaves to the dialog.
    bool OnKey(const QKeyEvent &event);
    // The keys with Ctrl: go-to-day, the end, months per row and rows.
    bool OnControlKey(int key);
    // Marks a day hot with its weekday in the status line and its pop-up, as the pointer does.
    void ShowHotDay(int month, int day);
    // ShowHotDay for a day the keys chose.
    void SelectDayByKey(QDate day);
    void MoveSelectedDay(int days);
    void PageKeepingSelection(bool forward);
    void GoToToday();
    void EditSelectedDay();
    void CopySelectedDay();
    void PasteIntoSelectedDay();

    AppContext &m_context;
    bool m_bShowOnStart;
    bool m_bShownOnce = false;
    bool m_bWeekdayColumn = false;
    QColor m_clrBack;
    QFont m_font;
    GridMetrics m_metrics;
    CMonthTable m_table;
    QPixmap m_bmpFrame;
    QPixmap m_bmpStatusEar; // the bottom-left ear, under the start of the status line
    CMonthGridPainter m_painter;
    QRect m_rcStatus;
    QString m_strStatus;
    PressRecord m_press;
    bool m_bKeySelection = false; // the selected day was chosen by the keys, not the pointer
    FrameDrag m_frameDrag = FrameDrag::None;
    QPoint m_ptDragStart;
    QRect m_rcDragStart;

    CMenuButton *m_btnMenu = nullptr;
    CBitmapButtonEx *m_btnMinimize = nullptr;
    CBitmapButtonEx *m_btnClose = nullptr;
    CBitmapButtonEx *m_btnAbout = nullptr;
    CBitmapButtonEx *m_btnNext = nullptr;
    CBitmapButtonEx *m_btnPrev = nullptr;
    CDayPopup *m_popup = nullptr;

    DateChangeWatch m_dateWatch; // the change of the date
    QPointer<CMonitorDialog> m_monitor; // the monitor of the last new date, while open
    CAnnouncement *m_announcement = nullptr; // its desktop notification and the answers to it
    QTimer m_hintTimer; // window timer 257, every 2.5 seconds while the pointer is over the window
    CSystemTray m_tray;
    CStatusHintTracker m_hints;
    CSyncScheduler *m_sync = nullptr; // the syncs with the server while the window runs
};

} // namespace orvane
