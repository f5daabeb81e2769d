// Memory kept by use: the resident size after the day editor is opened and closed 400 times on
// a full calendar, and after 2,000 hovers over its days, against the size after the first 10 of
// each. What a day's use leaves behind must not grow with it. Runs on the offscreen platform
// unless QT_QPA_PLATFORM says otherwise.
#include "app/app_context.h"
#include "full_calendar.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/data_file.h"
#include "ui/events/event_tree_dialog.h"
#include "ui/main/main_dlg.h"

#include <QApplication>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <cstdio>
#include <unistd.h>

namespace {

double ResidentMb()
{
    long pages = 0;
    long resident = 0;
    if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
            resident = 0;
        std::fclose(statm);
    }
    return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

// Runs `step` `times` times, processing the events it posts; the resident size after the first
// 10 and after all, printed under `name`.
template <typename Step>
void Measure(const char *name, int times, Step step)
{
    double afterTen = 0;
    for (int i = 0; i < times; ++i) {
        step(i);
        QCoreApplication::processEvents();
        if (i == 9)
            afterTen = ResidentMb();
    }
    const double after = ResidentMb();
    std::printf("%-24s after 10: %6.1f MB   after %d: %6.1f MB   growth %+5.2f MB\n", name, afterTen, times, after,
                after - afterTen);
}

} // namespace

int main(int argc, char **argv)
{
    using namespace orvane;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir home;
    qputenv("ORVANE_DATA_DIR", home.filePath(QStringLiteral("data")).toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(QStringLiteral("config")).toUtf8());
    CRegistryStore registry;
    COptionFlags flags(registry);
    CDataFile document(flags);
    FillFullCalendar(document.m_user, QDate::currentDate().year());
    AppContext context{document, registry, flags, false};

    Measure("day editor, open/close", 400, [&](int i) {
        document.m_user.m_selected = {static_cast<quint8>(1 + i % 12), static_cast<quint8>(1 + i % 28)};
        CEventTreeDialog dialog(document);
        dialog.show();
        QCoreApplication::processEvents();
        dialog.reject();
    });

    CMainDlg window(context, true);
    window.show();
    QCoreApplication::processEvents();
    Measure("hovers over the days", 2000, [&](int i) {
        const QRect cell = window.DayRect(window.MonthTable().FirstMonth(), 1 + i % 28);
        const QPoint at = cell.center() + QPoint(i % 3, 0);
        QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(window.mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
    });
    return 0;
}
