#include "res/string_table.h"

#include <QCoreApplication>
#include <QHash>

namespace orvane::res {

QString LoadString(int id)
{
    static const QHash<int, const char *> table{
        {StringId::CloseButton, "."},
        {StringId::PreviousMonth, QT_TRANSLATE_NOOP("StringTable", "Просмотреть предыдущий месяц.")},
        {StringId::NextMonth, QT_TRANSLATE_NOOP("StringTable", "Просмотреть следующий месяц.")},
        {StringId::MainMenu, QT_TRANSLATE_NOOP("StringTable", "Главное меню.")},
        {StringId::HelpContents, QT_TRANSLATE_NOOP("StringTable", "Описание программы...")},
        {StringId::Properties, QT_TRANSLATE_NOOP("StringTable", "Изменить параметры работы программы...")},
        {StringId::GoToDay, QT_TRANSLATE_NOOP("StringTable", "Выбрать день для просмотра...")},
        {StringId::Import, QT_TRANSLATE_NOOP("StringTable", "Импортировать календарь из файла...")},
        {StringId::Export, QT_TRANSLATE_NOOP("StringTable", "Экспортировать календарь в текстовый файл.")},
        {StringId::Sync, QT_TRANSLATE_NOOP("StringTable", "Синхронизировать календарь с сервером CalDAV...")},
        {StringId::MonitorClose, QT_TRANSLATE_NOOP("StringTable", "Закрыть\nЗакрыть")},
        {StringId::MonitorOpenCalendar, QT_TRANSLATE_NOOP("StringTable", "Открыть календарь\nОткрыть календарь")},
        {StringId::About, QT_TRANSLATE_NOOP("StringTable", "О программе...")},
        {StringId::Minimize, QT_TRANSLATE_NOOP("StringTable", "Свернуть календарь.")},
        {StringId::NewCategory, QT_TRANSLATE_NOOP("StringTable", "Новая категория")},
        {StringId::MoveWindow, QT_TRANSLATE_NOOP("StringTable", "Переместить...")},
        {StringId::MoveEvents, QT_TRANSLATE_NOOP("StringTable", "Переместить событие.")},
        {StringId::CalendarProperties, QT_TRANSLATE_NOOP("StringTable", "Свойства календаря")},
        {StringId::WeekdayFormat, "%s  "},
        {StringId::AddEventHint,
         QT_TRANSLATE_NOOP("StringTable", "Для добавления нового события нажмите левую кнопку мыши.")},
        {StringId::PropertiesHint,
         QT_TRANSLATE_NOOP("StringTable", "Для настройки свойств календаря нажмите правую кнопку мыши.")},
        {StringId::OptionMonitorPosition, QT_TRANSLATE_NOOP("StringTable", "Сохранять расположение окна")},
        {StringId::OptionHexDays, QT_TRANSLATE_NOOP("StringTable", "Отображать дни в hex-представлении")},
        {StringId::OptionWeekdayNames,
         QT_TRANSLATE_NOOP("StringTable", "Отображать названия дней недели (перезапуск)")},
        {StringId::OptionCalendarSize, QT_TRANSLATE_NOOP("StringTable", "Сохранять размер календаря")},
        {StringId::OptionGroupCalendar, QT_TRANSLATE_NOOP("StringTable", "Календарь")},
        {StringId::OptionGroupMonitor, QT_TRANSLATE_NOOP("StringTable", "Монитор")},
        {StringId::OptionTrayIcon, QT_TRANSLATE_NOOP("StringTable", "Помещать в область значков панели задач")},
        {StringId::OptionGroupNotice, QT_TRANSLATE_NOOP("StringTable", "Оповещать о наступлении событий за")},
        {StringId::OptionNotice1Day, QT_TRANSLATE_NOOP("StringTable", "1 день")},
        {StringId::OptionNotice3Days, QT_TRANSLATE_NOOP("StringTable", "3 дня")},
        {StringId::OptionNotice5Days, QT_TRANSLATE_NOOP("StringTable", "5 дней")},
        {StringId::OptionNotice7Days, QT_TRANSLATE_NOOP("StringTable", "7 дней")},
        {StringId::OptionNotice10Days, QT_TRANSLATE_NOOP("StringTable", "10 дней")},
        {StringId::OptionCalendarPosition, QT_TRANSLATE_NOOP("StringTable", "Сохранять располжение календаря")},
        {StringId::OptionAutostart, QT_TRANSLATE_NOOP("StringTable", "Запускать при старте Windows")},
    };
    // Translated at lookup, so that the table follows the language installed for the run.
    const char *text = table.value(id);
    return text ? QCoreApplication::translate("StringTable", text) : QString();
}

} // namespace orvane::res
