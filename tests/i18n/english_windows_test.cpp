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
#include "ts_catalogue.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTest>
#include <QTranslator>
#include <QWizard>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace orvane {
namespace {

using namespace Qt::StringLiterals;

// The texts a window shows of its own: titles, captions, tool tips, status tips, combo items
// and actions. The rows of lists and trees show calendar data and are left out.
void CollectTexts(const QWidget &root, QStringList &texts)
{
    QList<const QWidget *> widgets{&root};
    for (const QWidget *child : root.findChildren<QWidget *>())
        widgets << child;
    for (const QWidget *w : widgets) {
        texts << w->windowTitle() << w->toolTip() << w->statusTip() << w->whatsThis();
        if (const auto *label = qobject_cast<const QLabel *>(w))
            texts << label->text();
        if (const auto *button = qobject_cast<const QAbstractButton *>(w))
            texts << button->text();
        if (const auto *group = qobject_cast<const QGroupBox *>(w))
            texts << group->title();
        if (const auto *edit = qobject_cast<const QLineEdit *>(w))
            texts << edit->placeholderText();
        if (const auto *combo = qobject_cast<const QComboBox *>(w))
            for (int i = 0; i < combo->count(); ++i)
                texts << combo->itemText(i);
        for (const QAction *action : w->actions())
            texts << action->text() << action->toolTip() << action->statusTip();
    }
    texts.removeAll(QString());
}

// Saves what a window looks like when ORVANE_TEST_SHOTS names a folder.
void Shoot(QWidget &window, const QString &name)
{
    const QString folder = qEnvironmentVariable("ORVANE_TEST_SHOTS");
    if (!folder.isEmpty())
        window.grab().save(folder + u'/' + name + u".png"_s);
}

class WindowTexts : public ::testing::Test {
protected:
    void SetUp() override
    {
        Clock::SetSource([] { return QDate(2024, 9, 12); });
        registry.WriteInt(u"Orvane"_s, u"OptionsFlag"_s, static_cast<qint32>(COptionFlags::kDefaultOptions));
        AddEvent(9, 12, u"Anna"_s);
        AddEvent(9, 14, u"Boris"_s);
        document.m_user.m_selected = {9, 12};
    }
    void TearDown() override
    {
        test::RemoveTranslators();
        QLocale::setDefault(QLocale::c());
        Clock::SetSource({});
    }
    void AddEvent(int month, int day, const QString &name)
    {
        document.m_user.GetDayEvents(month, day).AddTail(test::MakeEvent(month, day, name));
    }
    // Shows `window`, adds its texts and lets it go.
    void Visit(QWidget &window, const QString &name, QStringList &texts)
    {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window)) << name.toStdString();
        QCoreApplication::processEvents();
        Shoot(window, name);
        CollectTexts(window, texts);
        window.hide();
    }
    // The texts of every window, menu and string-table entry of the program, by name.
    QStringList EveryText()
    {
        QStringList texts;
        AppContext context{document, registry, flags, false};
        CMainDlg main(context, true);
        Visit(main, u"main"_s, texts);
        CMonitorDialog monitor(context);
        Visit(monitor, u"monitor"_s, texts);
        CSettingsDialog settings(flags, registry);
        Visit(settings, u"settings"_s, texts);
        CAboutDlg about;
        Visit(about, u"about"_s, texts);
        CGoToDayDlg goToDay(document.m_user, [](int, int) {});
        Visit(goToDay, u"go_to_day"_s, texts);
        CEventTreeDialog tree(document);
        Visit(tree, u"event_tree"_s, texts);
        CollectTexts(*tree.ContextMenuFor(nullptr), texts);
        CMergeDaysDialog merge(document, 9, 12, 9, 14);
        Visit(merge, u"merge_days"_s, texts);
        CImportList imported;
        ImportRead read;
        for (const auto &wizard : {NewExportWizard(document.m_user, nullptr), NewImportWizard(imported, read, nullptr)}) {
            Visit(*wizard, wizard->windowTitle(), texts);
            wizard->show();
            wizard->next();
            Visit(*wizard, wizard->windowTitle(), texts);
        }
        for (int popup = 0; popup < 3; ++popup)
            for (const res::MenuEntry &entry : res::LoadMenuPopup(res::MenuId::Main, popup))
                texts << entry.text;
        for (const res::MenuEntry &entry : res::LoadMenuPopup(res::MenuId::Tray, 0))
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

TEST_F(WindowTexts, EnglishReachesEveryWindowMenuAndTip)
{
    ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), UiLanguage::English));
    const QStringList texts = EveryText();
    for (const QString &text : texts)
        EXPECT_FALSE(test::HasCyrillic(text)) << text.toStdString();
    for (const QString &expected : {u"Calendar - 2024"_s, u"Monitor"_s, u"Settings"_s, u"About"_s,
                                    u"View a day..."_s, u"September 12"_s, u"Merging September 12 and September 14"_s,
                                    u"Export events [Step 2 of 2]"_s, u"Import events [Step 1 of 2]"_s,
                                    u"&Next >"_s, u"Notify of events coming within"_s, u"Open the calendar"_s})
        EXPECT_TRUE(texts.contains(expected)) << expected.toStdString();
}

TEST_F(WindowTexts, RussianByChoiceOrBySystemLocaleKeepsTheSourceTextsByteExact)
{
    const QStringList source = EveryText(); // no translation installed: the texts of the code
    ASSERT_TRUE(source.contains(u"Календарь - 2024"_s));
    ASSERT_TRUE(source.contains(u"Объединение дней 12 (Сентябрь) и 14 (Сентябрь)"_s));

    ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), ChooseUiLanguage("ru", {u"en-US"_s})));
    QStringList forced = EveryText();
    TearDown();
    SetUp();
    ASSERT_TRUE(InstallTranslations(*QCoreApplication::instance(), ChooseUiLanguage({}, {u"ru-RU"_s})));
    EXPECT_EQ(EveryText(), forced);
    // Only Qt's own English texts (the wizards' buttons) change, to their Russian.
    ASSERT_EQ(source.size(), forced.size());
    for (qsizetype i = 0; i < source.size(); ++i) {
        if (test::HasCyrillic(source[i])) {
            EXPECT_EQ(forced[i], source[i]);
        }
    }
}

} // namespace
} // namespace orvane
