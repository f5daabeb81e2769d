#include "app/app_context.h"
#include "app/translations.h"
#include "exchange/import_file.h"
#include "res/menus.h"
#include "res/string_table.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "store/date_names.h"
#include "store/upcoming_days.h"
#include "ui/events/event_tree_dialog.h"
#include "ui/events/merge_days_dialog.h"
#include "ui/exchange/exchange_wizards.h"
#include "ui/main/about_dlg.h"
#include "ui/main/day_accessible_text.h"
#include "ui/main/go_to_day_dialog.h"
#include "ui/main/main_dlg.h"
#include "ui/reminders/monitor_dialog.h"
#include "ui/settings/settings_dialog.h"

#include "event_maker.h"
#include "test_env.h"

#include <QComboBox>
#include <QMenu>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>
#include <QWizard>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

// Shows the window and adds the texts it shows of its own: titles, captions, tool tips, status
// tips, combo items and actions (the rows of lists and trees show calendar data and are left
// out).
void Visit(QWidget &window, QStringList &texts)
{
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window)) << window.metaObject()->className();
    QList<QWidget *> widgets = window.findChildren<QWidget *>();
    for (const QWidget *w : widgets << &window) {
        for (const char *property : {"windowTitle", "toolTip", "statusTip", "whatsThis", "text", "title", "placeholderText", "accessibleName"})
            texts << w->property(property).toString();
        if (const auto *combo = qobject_cast<const QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        for (const QAction *action : w->actions())
            texts << action->text() << action->toolTip() << action->statusTip();
    }
    window.hide();
}

// In English, the texts of every window, menu and string-table entry, and the headings of the
// coming days: no Russian is left, and the texts composed from data (plurals among them) show
// that the walk reached them.
TEST(WindowTexts, EnglishReachesEveryWindowMenuTipAndHeading)
{
    Clock::SetSource([] { return QDate(2024, 9, 12); });
    test::SandboxDirs sandbox;
    CRegistryStore registry;
    registry.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, static_cast<qint32>(COptionFlags::kDefaultOptions));
    COptionFlags flags{registry};
    CDataFile document{flags};
    for (const auto &[day, name] : {std::pair{12, u"Anna"_s}, {14, u"Boris"_s}})
        document.m_user.GetDayEvents(9, day).AddTail(test::MakeEvent(9, day, name));
    ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), UiLanguage::English));
    QStringList texts;
    AppContext context{document, registry, flags, false};
    Visit(*std::make_unique<CMainDlg>(context, true), texts);
    Visit(*std::make_unique<CMonitorDialog>(context), texts);
    Visit(*std::make_unique<CSettingsDialog>(flags, registry), texts);
    Visit(*std::make_unique<CAboutDlg>(), texts);
    Visit(*std::make_unique<CGoToDayDlg>(document.m_user, [](int, int) {}), texts);
    Visit(*std::make_unique<CMergeDaysDialog>(document, 9, 12, 9, 14), texts);
    CEventTreeDialog tree(document);
    Visit(tree, texts);
    Visit(*tree.ContextMenuFor(nullptr), texts);
    CImportList imported;
    ImportRead read;
    for (const auto &wizard : {NewExportWizard(document.m_user, nullptr), NewImportWizard(imported, read, nullptr)}) {
        Visit(*wizard, texts);
        wizard->next();
        Visit(*wizard, texts);
    }
    for (const auto &[menu, popup] : {std::pair{res::MenuId::Main, 0}, {res::MenuId::Main, 1}, {res::MenuId::Main, 2}, {res::MenuId::Tray, 0}})
        for (const res::MenuEntry &entry : res::LoadMenuPopup(menu, popup))
            texts << entry.text;
    for (int id = 0; id <= 0xFFFF; ++id)
        texts << res::LoadString(id);
    texts << UpcomingHeading(3) << UpcomingHeading(11) << UpcomingHeading(21) << MonthName(13)
          << UpcomingDateLine(test::MakeEvent(5, 11, {}), 2026, {2026, 5, 11})
          << DayAccessibleName({2026, 3, 12}, true, QLocale()) << DayEventsDescription({u"Anna"_s})
          << DayEventsDescription({u"Anna"_s, u"Boris"_s}) << MonthTableName(3, 2026);

    for (const QString &text : texts)
        EXPECT_FALSE(text.contains(QRegularExpression(u"[\\x{0400}-\\x{04FF}]"_s))) << text.toStdString();
    for (const QString &composed : {u"Calendar - 2024"_s, u"Merging September 12 and September 14"_s, u"&Next >"_s,
                                    u"In 3 days:"_s, u"In 11 days:"_s, u"In 21 days:"_s, u"May 11 (Monday)."_s,
                                    u"Thursday, 12 March 2026, today"_s, u"1 event: Anna"_s, u"2 events: Anna, Boris"_s,
                                    u"March 2026"_s, u"Close the calendar."_s})
        EXPECT_TRUE(texts.contains(composed)) << composed.toStdString();
    qDeleteAll(QCoreApplication::instance()->findChildren<QTranslator *>());
    QLocale::setDefault(QLocale::c());
    Clock::SetSource({});
}

} // namespace
} // namespace orvane
