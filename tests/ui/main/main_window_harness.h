#pragma once

#include "app/app_context.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "ui/main/main_dlg.h"

#include "test_env.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QScopeGuard>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace orvane::test {

// What a main window under test stands on: the clock at `today`, a private home, the registry
// and the calendar. The window goes before the clock is given back.
struct MainWindowHarness {
    MainWindowHarness() { Clock::SetSource([this] { return today; }); }
    ~MainWindowHarness()
    {
        window.reset();
        Clock::SetSource({});
    }
    MainWindowHarness(const MainWindowHarness &) = delete;
    MainWindowHarness &operator=(const MainWindowHarness &) = delete;

    // Runs `act` on the next modal dialog as soon as it is up (it must close it), and fails
    // the test, closing it, when it is not one of `Dialog`.
    template <typename Dialog>
    static void OnNextDialog(std::function<void(Dialog &)> act)
    {
        auto *poll = new QTimer;
        QObject::connect(poll, &QTimer::timeout, poll, [poll, act] {
            auto *modal = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!modal)
                return;
            poll->deleteLater();
            auto *dialog = qobject_cast<Dialog *>(modal);
            const auto guard = qScopeGuard([modal] { if (modal->isVisible()) modal->reject(); });
            ASSERT_NE(dialog, nullptr) << "another dialog came up: " << modal->metaObject()->className();
            act(*dialog);
        });
        poll->start(10);
    }

    // The colour of the window's picture at a point of the window (in its own pixels).
    QColor FramePixel(QPoint at) const
    {
        return window->FramePicture().toImage().pixelColor(at * window->devicePixelRatioF());
    }

    QDate today{2024, 9, 12}; // September 2024 starts on a Sunday, October on a Tuesday
    SandboxDirs sandbox;
    CRegistryStore registry;
    COptionFlags flags{registry};
    CDataFile document{flags};
    std::unique_ptr<AppContext> context;
    std::unique_ptr<CMainDlg> window;
};

} // namespace orvane::test
