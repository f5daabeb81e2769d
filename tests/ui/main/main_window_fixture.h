#pragma once

#include "app/app_context.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "ui/main/main_dlg.h"
#include "ui/reminders/day_popup.h"

#include "event_maker.h"
#include "qt_print.h"
#include "test_env.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace orvane::test {

using namespace Qt::StringLiterals;

// A main window on the clock at `today`, a private home, the registry and the calendar. The
// window goes before the clock is given back.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() { Clock::SetSource([this] { return today; }); }
    ~MainWindowTest() override
    {
        window.reset();
        Clock::SetSource({});
    }

    CMainDlg &Open(quint32 options = COptionFlags::kDefaultOptions, bool showOnStart = true, bool palette256 = false)
    {
        window.reset();
        registry.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, static_cast<qint32>(options));
        context = std::make_unique<AppContext>(AppContext{document, registry, flags, palette256});
        window = std::make_unique<CMainDlg>(*context, showOnStart);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    // A key as the user types it: to whatever holds the focus. A window manager activates the
    // window again when a dialog over it closes; the offscreen platform has none to do it.
    void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }

    void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::NoButton, Qt::MouseButtons held = {})
    {
        QMouseEvent event(type, QPointF(at), QPointF(window->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(window.get(), &event);
    }
    void MoveTo(QPoint at, Qt::MouseButtons held = {}) { Mouse(QEvent::MouseMove, at, Qt::NoButton, held); }
    // Pointer onto `from`, left button down, on to `to`, and up again unless `release` is false.
    void Drag(QPoint from, QPoint to, bool release = true)
    {
        MoveTo(from);
        Mouse(QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        MoveTo(to, Qt::LeftButton);
        if (release)
            Mouse(QEvent::MouseButtonRelease, to, Qt::LeftButton);
    }
    QPoint Cell(int month, int day) const { return window->DayRect(month, day).center(); }

    // Runs a timer's work now, as its timeout would.
    static void Fire(const QTimer &timer)
    {
        ASSERT_TRUE(timer.isActive());
        QMetaObject::invokeMethod(const_cast<QTimer *>(&timer), "timeout");
    }
    // Runs `act` on the next modal dialog as soon as it is up (from within the event loop it runs),
    // then closes it; the test fails when it is not one of `Up`.
    template <typename Up>
    static void OnNextDialog(std::function<void(Up &)> act)
    {
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
            QWidget *up = QApplication::activeModalWidget();
            if (!up)
                return;
            poll->deleteLater();
            poll->stop();
            const auto close = qScopeGuard([up] { up->close(); });
            auto *typed = qobject_cast<Up *>(up);
            ASSERT_NE(typed, nullptr) << "another window came up: " << up->metaObject()->className();
            act(*typed);
        });
        poll->start(10);
    }

    void Add(int month, int day, const QStringList &names, const QString &notes = {}, int category = 0)
    {
        for (const QString &name : names)
            document.m_user.GetDayEvents(month, day).AddTail(MakeEvent(month, day, name, notes, category));
    }
    QStringList Names(int month, int day)
    {
        QStringList names;
        for (const CEventRecord &e : document.m_user.GetDayEvents(month, day))
            names << u"%1 %2/%3 %4"_s.arg(e.Name).arg(e.Month).arg(e.Day).arg(document.m_user.GetCategory(e.Category));
        return names;
    }
    // The calendar as saved equals the one in memory.
    void ExpectSaved()
    {
        CDataFile saved(flags);
        ASSERT_TRUE(saved.Read(CDataFile::GetFilePath(), {today, 7}).ok());
        EXPECT_EQ(saved.m_user, document.m_user);
    }

    // The colour of the window's picture at a point of the window (in its own pixels).
    QColor FramePixel(QPoint at) const { return window->FramePicture().toImage().pixelColor(at * window->devicePixelRatioF()); }
    // The colour of a day's cell at a point inside it: its events mark by default; the today
    // bar at (2, 14) and the hot frame at (0, 0).
    QColor Mark(int month, int day, QPoint inside = {4, 14}) const
    {
        return FramePixel(window->DayRect(month, day).topLeft() + inside);
    }
    bool Hot(int month, int day) const { return Mark(month, day, {}) == QColor(192, 192, 0); }
    CDayPopup &Popup() const { return *window->findChild<CDayPopup *>(); }
    QAbstractButton *Button(int id) const { return window->findChild<QAbstractButton *>(QString::number(id)); }
    QString Title() const { return Button(1037)->text(); }

    QDate today{2024, 9, 12}; // September 2024 starts on a Sunday, October on a Tuesday
    SandboxDirs sandbox;
    CRegistryStore registry;
    COptionFlags flags{registry};
    CDataFile document{flags};
    std::unique_ptr<AppContext> context;
    std::unique_ptr<CMainDlg> window;
};

} // namespace orvane::test
