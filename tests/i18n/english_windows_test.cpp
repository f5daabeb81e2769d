#include "app/app_context.h"
#include "app/translations.h"
#include "exchange/import_file.h"
#include "res/menus.h"
#include "res/string_table.h"
#include "settings/option_flags.h"
#include "settings/registry_store.h"
#include "store/clock.h"
#include "store/data_file.h"
#include "ui/events/event_tree_dialog.h"
#include "ui/events/merge_days_dialog.h"
#include "ui/exchange/exchange_wizards.h"
#include "ui/main/about_dlg.h"
#include "ui/main/go_to_day_dialog.h"
#include "ui/main/main_dlg.h"
#include "ui/reminders/monitor_dialog.h"
#include "ui/settings/settings_dialog.h"

#include "event_maker.h"
#include "test_env.h"
#include "translation_checks.h"

#include <QComboBox>
#include <QMenu>
#include <QTest>
#include <QWizard>

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

// The texts a window shows of its own: titles, captions, tool tips, status tips, combo items
// and actions. The rows of lists and trees show calendar data and are left out.
void CollectTexts(QWidget &root, QStringList &texts)
{
    QList<QWidget *> widgets = root.findChildren<QWidget *>();
    for (const QWidget *w : widgets << &root) {
        for (const char *property : {"windowTitle", "toolTip", "statusTip", "whatsThis", "text", "title", "placeholderText"})
            texts << w->property(property).toString();
        if (const auto *combo = qobject_cast<const QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        for (const QAction *action : w->actions())
            texts << action->text() << action->toolTip() << action->statusTip();
    }
}

class WindowTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::SetSource([] { return QDate(2024, 9, 12); });
        registry.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, static_cast<qint32>(COptionFlags::kDefaultOptions));
        for (const auto &[day, name] : {std::pair{12, u"Anna"_s}, {14, u"Boris"_s}})
            document.m_user.GetDayEvents(9, day).AddTail(test::MakeEvent(9, day, name));
        document.m_user.m_selected = {9, 12};
    }
    void TearDown() override
    {
        test::RemoveTranslators();
        QLocale::setDefault(QLocale::c());
        Clock::SetSource({});
    }
    // Shows the window, adds its texts and saves its picture when ORVANE_TEST_SHOTS names a folder.
    static void Visit(QWidget &window, QStringList &texts)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window)) << window.metaObject()->className();
        QCoreApplication::processEvents();
        if (const QString shots = qEnvironmentVariable("ORVANE_TEST_SHOTS"); !shots.isEmpty())
            window.grab().save(shots + u'/' + QLatin1StringView(window.metaObject()->className()) + window.windowTitle().left(8) + u".png"_s);
        CollectTexts(window, texts);
        window.hide();
    }
    template <typename Window, typename... Arguments>
    static void Visit(QStringList &texts, Arguments &&...arguments)
    {
        Window window(std::forward<Arguments>(arguments)...);
        Visit(window, texts);
    }
    // The texts of every window, menu and string-table entry of the program, in a fixed order.
    QStringList EveryText()
    {
        QStringList texts;
        AppContext context{document, registry, flags, false};
        Visit<CMainDlg>(texts, context, true);
        Visit<CMonitorDialog>(texts, context);
        Visit<CSettingsDialog>(texts, flags, registry);
        Visit<CAboutDlg>(texts);
        Visit<CGoToDayDlg>(texts, document.m_user, [](int, int) {});
        Visit<CMergeDaysDialog>(texts, document, 9, 12, 9, 14);
        CEventTreeDialog tree(document);
        Visit(tree, texts);
        CollectTexts(*tree.ContextMenuFor(nullptr), texts);
        CImportList imported;
        ImportRead read;
        for (const auto &wizard : {NewExportWizard(document.m_user, nullptr), NewImportWizard(imported, read, nullptr)}) {
            Visit(*wizard, texts);
            wizard->show();
            wizard->next();
            Visit(*wizard, texts);
        }
        for (const auto &[menu, popup] : {std::pair{res::MenuId::Main, 0}, {res::MenuId::Main, 1}, {res::MenuId::Main, 2}, {res::MenuId::Tray, 0}})
            for (const res::MenuEntry &entry : res::LoadMenuPopup(menu, popup))
                texts << entry.text;
        for (int id = 0; id <= 0xFFFF; ++id)
            texts << res::LoadString(id);
        texts.removeAll(QString());
        return texts;
    }

    test::SandboxDirs sandbox;
    CRegistryStore registry;
    COptionFlags flags{registry};
    CDataFile document{flags};
};

TEST_F(WindowTexts, RussianKeepsTheSourceTextsByteExactAndEnglishReachesEveryWindowMenuAndTip)
{
    const QStringList source = EveryText(); // no translation installed: the texts of the code
    ASSERT_TRUE(source.contains(u"Календарь - 2024"_s));
    ASSERT_TRUE(source.contains(u"Объединение дней 12 (Сентябрь) и 14 (Сентябрь)"_s));
    ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), UiLanguage::Russian));
    const QStringList russian = EveryText();
    // Only Qt's own English texts (the wizards' buttons) change, to their Russian.
    ASSERT_EQ(source.size(), russian.size());
    for (qsizetype i = 0; i < source.size(); ++i)
        EXPECT_TRUE(!test::HasCyrillic(source[i]) || russian[i] == source[i]) << russian[i].toStdString();
    EXPECT_TRUE(russian.contains(u"&Далее >"_s)) << russian.join(u'\n').toStdString();

    test::RemoveTranslators();
    ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), UiLanguage::English));
    const QStringList english = EveryText();
    for (const QString &text : english)
        EXPECT_FALSE(test::HasCyrillic(text)) << text.toStdString();
    for (const QString &expected : {u"Calendar - 2024"_s, u"Monitor"_s, u"Settings"_s, u"About"_s,
                                    u"View a day..."_s, u"September 12"_s, u"Merging September 12 and September 14"_s,
                                    u"Export events [Step 2 of 2]"_s, u"Import events [Step 1 of 2]"_s,
                                    u"&Next >"_s, u"Notify of events coming within"_s, u"Open the calendar"_s})
        EXPECT_TRUE(english.contains(expected)) << expected.toStdString();
}

} // namespace
} // namespace orvane
