#pragma once

#include "store/upcoming_days.h"

#include <QDialog>
#include <QPixmap>

class QToolBar;

namespace orvane {

class StoredPosition;

struct AppContext;
class CMonitorListBox;
class CUser;

// The note-like window that warns of the coming days' events at start-up: caption-less, its
// top-right corner folded, a band with two buttons across the top ("Открыть календарь" ends it
// with OK, "Закрыть" with Cancel) and the list of the days below. It is moved by dragging it
// anywhere, snapping to the screen's edges, and keeps its position when the option asks for it.
// When nothing is due it ends with Cancel before it is shown.
class CMonitorDialog : public QDialog {
    Q_OBJECT
public:
    explicit CMonitorDialog(AppContext &context, QWidget *parent = nullptr);
    ~CMonitorDialog() override;

    // Fills the list with the days from today through today + the notice span that hold
    // flagged events, after the days missed since the last announced walk; true when a day was
    // listed.
    bool FillUpcomingDays(const CUser &user);
    bool HasUpcomingDays() const;
    const std::vector<UpcomingDay> &Days() const;

    // Ends at once with Cancel, never shown, when no day is listed.
    int exec() override;
    // Ends the run, keeping the window position when the option asks for it.
    void done(int result) override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateToolbar();
    void DrawBackground();
    void PlaceWindow();
    StoredPosition Place() const;
    void SavePosition();
    bool Drag(QEvent *event);

    AppContext &m_context;
    CMonitorListBox *m_list = nullptr;
    QToolBar *m_toolbar = nullptr;
    QPixmap m_bmpBack;
    QPoint m_ptGrab; // where the pointer holds the window while it is dragged
};

} // namespace orvane
