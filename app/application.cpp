#include "app/application.h"

#include "app/app_context.h"
#include "app/calendar_loader.h"
#include "app/calendar_read_ahead.h"
#include "app/command_line.h"
#include "app/exit_codes.h"
#include "app/instance_channel.h"
#include "app/main_window_factory.h"
#include "app/message_box_presenter.h"
#include "app/orderly_end.h"
#include "app/platform_checks.h"
#include "app/single_instance.h"
#include "app/translations.h"
#include "settings/announced_through.h"
#include "settings/hive_registry_backend.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "store/message.h"
#include "store/save_leftovers.h"
#include "ui/main/first_window_warm_up.h"
#include "notify/desktop_notifier.h"
#include "ui/reminders/announcement.h"
#include "ui/reminders/monitor_dialog.h"

#include <QApplication>
#include <QEventLoop>

#include <cstdio>

namespace orvane {

namespace {

// The last save. A failure is shown as any other when the user ends the program; when it is
// ended from outside (SIGTERM, the end of the desktop session) nobody may be there to read a
// message: the reason goes to standard error and into a desktop notification.
int SaveAtTheEnd(CDataFile &document, const OrderlyEnd &orderlyEnd)
{
    const QString failure = document.SaveOrTellWhy();
    if (failure.isEmpty())
        return 0;
    if (orderlyEnd.Requested()) {
        std::fprintf(stderr, "%s\n", qUtf8Printable(failure));
        NotifyDesktop(QCoreApplication::translate("MessageBox", "Календарь"), failure, Delivery::WaitForReceipt);
    } else {
        ShowMessage(failure);
    }
    return ExitCode::CalendarNotSaved;
}

// The calendar's run. It is not modal: the program's other top-level windows, its tray icon
// among them, answer while it is shown; the run ends when the window is done.
void RunUntilDone(QDialog &window)
{
    QEventLoop loop;
    QObject::connect(&window, &QDialog::finished, &loop, &QEventLoop::quit);
    window.show();
    loop.exec(QEventLoop::DialogExec);
}

const char *const kSecondInstance = QT_TRANSLATE_NOOP("Application", "Календарь может существовать только\n"
                                               "в единственном экземпляре!\n\n"
                                               "Дальнейшая работа приложения невозможна.");

} // namespace

int RunApplication(int argc, char **argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("orvane"));
    QApplication::setApplicationVersion(QStringLiteral(ORVANE_VERSION_TEXT));
    InstallTranslations(application, SystemUiLanguage());
    InstallMessageBoxPresenter();
    // The program ends when its calendar is done, not when its last window closes: a message
    // closed while the calendar is hidden behind its icon must not end every run.
    QApplication::setQuitOnLastWindowClosed(false);

    CRegistryStore registry;
    COptionFlags options(registry);
    CDataFile document(options);
    // Reading only: a second instance reads the calendar too before it gives up, and changes
    // nothing.
    CalendarReadAhead readAhead(document);

    // Stop requests are caught from here on: one that comes while the start goes on waits for
    // the event loop, rather than killing the instance that holds the lock.
    OrderlyEnd orderlyEnd(application);
    SingleInstance instance;
    if (!instance.Acquire()) {
        // The running calendar shows itself; only one that does not answer is told of.
        if (!InstanceChannel::AskToShow())
            ShowMessage(QCoreApplication::translate("Application", kSecondInstance));
        return ExitCode::SecondInstance;
    }
    InstanceChannel channel;
    channel.Listen();
    // Nothing has changed yet, so nothing is saved when the platform is refused.
    const PlatformCheck platform = CheckPlatform();
    if (!platform.ok)
        return 0;
    const bool monitoring = HasMonitoringSwitch(QApplication::arguments().mid(1));

    // Only this instance saves them now: what a killed save left beside them goes first.
    RemoveSaveLeftovers(CDataFile::GetFilePath());
    RemoveSaveLeftovers(HiveRegistryBackend::HivePath());
    if (!CheckCyrillicFont())
        return ExitCode::FontMissing;
    WarmUpFirstWindow(monitoring);
    const LoadOutcome loaded = LoadOrCreateCalendar(document, readAhead.Wait());
    if (loaded == LoadOutcome::Refused)
        return ExitCode::RefusedNewCalendar;
    if (loaded == LoadOutcome::CannotOpen)
        return ExitCode::CalendarCannotBeOpened;

    AppContext context{document, registry, options, platform.bPalette256};
    bool showOnStart = true;
    // The start's notification; it can be answered only where the program runs on after the
    // monitor, whatever the user chooses there.
    CAnnouncement announcement(document);
    if (monitoring) {
        // The monitor comes first: OK opens the calendar; Cancel ends the program unless the
        // tray icon option keeps the calendar running hidden behind its icon.
        CMonitorDialog monitor(context);
        orderlyEnd.Watch(&monitor);
        QObject::connect(&channel, &InstanceChannel::showRequested, &monitor, [&monitor] {
            monitor.raise();
            monitor.activateWindow();
        });
        QObject::connect(&announcement, &CAnnouncement::openRequested, &monitor, &QDialog::accept);
        // The monitor shows the days at every log-on; the notification goes once per date,
        // unless orvanectl notify sent it already.
        CAnnouncedThrough(registry).AnnounceOnce(Clock::Today(), options.GetMonitorDays(), [&] {
            if (monitor.HasUpcomingDays())
                announcement.Send(monitor.windowTitle(), monitor.Days(),
                                  (options.GetOptions() & OptionBit::TrayIcon) != 0);
            return true;
        });
        const bool open = !orderlyEnd.Requested() && monitor.exec() == QDialog::Accepted;
        if (orderlyEnd.Requested() || (!open && !(options.GetOptions() & OptionBit::TrayIcon)))
            return SaveAtTheEnd(document, orderlyEnd);
        showOnStart = open;
    }

    std::unique_ptr<QDialog> window = CreateMainWindow(context, showOnStart);
    orderlyEnd.Watch(window.get());
    const auto show = [&window] { ShowMainWindow(*window); };
    QObject::connect(&channel, &InstanceChannel::showRequested, window.get(), show);
    QObject::connect(&announcement, &CAnnouncement::openRequested, window.get(), show);
    if (!orderlyEnd.Requested())
        RunUntilDone(*window);
    window.reset();
    return SaveAtTheEnd(document, orderlyEnd);
}

} // namespace orvane
