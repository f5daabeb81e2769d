#include "res/string_table.h"

#include <QHash>

namespace orvane::res {

QString LoadString(int id)
{
    static const QHash<int, QString> table{
        {StringId::CloseButton, QStringLiteral(".")},
        {StringId::PreviousMonth, QStringLiteral("Просмотреть предыдущий месяц.")},
        {StringId::NextMonth, QStringLiteral("Просмотреть следующий месяц.")},
        {StringId::MainMenu, QStringLiteral("Главное меню.")},
        {StringId::HelpContents, QStringLiteral("Описание программы...")},
        {StringId::Properties, QStringLiteral("Изменить параметры работы программы...")},
        {StringId::GoToDay, QStringLiteral("Выбрать день для просмотра...")},
        {StringId::Import, QStringLiteral("Импортировать календарь из файла...")},
        {StringId::Export, QStringLiteral("Экспортировать календарь в текстовый файл.")},
        {StringId::MonitorClose, QStringLiteral("Закрыть\nЗакрыть")},
        {StringId::MonitorOpenCalendar, QStringLiteral("Открыть календарь\nОткрыть календарь")},
        {StringId::About, QStringLiteral("О программе...")},
        {StringId::Minimize, QStringLiteral("Свернуть календарь.")},
        {StringId::NewCategory, QStringLiteral("Новая категория")},
        {StringId::MoveWindow, QStringLiteral("Переместить...")},
        {StringId::MoveEvents, QStringLiteral("Переместить событие.")},
        {StringId::CalendarProperties, QStringLiteral("Свойства календаря")},
        {StringId::WeekdayFormat, QStringLiteral("%s  ")},
        {StringId::AddEventHint,
         QStringLiteral("Для добавления нового события нажмите левую кнопку мыши.")},
        {StringId::PropertiesHint,
         QStringLiteral("Для настройки свойств календаря нажмите правую кнопку мыши.")},
        {StringId::OptionMonitorPosition, QStringLiteral("Сохранять расположение окна")},
        {StringId::OptionHexDays, QStringLiteral("Отображать дни в hex-представлении")},
        {StringId::OptionWeekdayNames,
         QStringLiteral("Отображать названия дней недели (перезапуск)")},
        {StringId::OptionCalendarSize, QStringLiteral("Сохранять размер календаря")},
        {StringId::OptionGroupCalendar, QStringLiteral("Календарь")},
        {StringId::OptionGroupMonitor, QStringLiteral("Монитор")},
        {StringId::OptionTrayIcon, QStringLiteral("Помещать в область значков панели задач")},
        {StringId::OptionGroupNotice, QStringLiteral("Оповещать о наступлении событий за")},
        {StringId::OptionNotice1Day, QStringLiteral("1 день")},
        {StringId::OptionNotice3Days, QStringLiteral("3 дня")},
        {StringId::OptionNotice5Days, QStringLiteral("5 дней")},
        {StringId::OptionNotice7Days, QStringLiteral("7 дней")},
        {StringId::OptionNotice10Days, QStringLiteral("10 дней")},
        {StringId::OptionCalendarPosition, QStringLiteral("Сохранять располжение календаря")},
        {StringId::OptionAutostart, QStringLiteral("Запускать при старте Windows")},
    };
    return table.value(id);
}

} // namespace orvane::res
