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
    };
    return table.value(id);
}

} // namespace orvane::res
