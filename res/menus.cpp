#include "res/menus.h"

namespace orvane::res {

namespace {

QList<MenuEntry> MainMenuEntries(int popup)
{
    switch (popup) {
    case MainMenuPopup::Help:
        return {
            {CommandId::HelpContents, QStringLiteral("Содержание...")},
            {},
            {CommandId::AboutBox, QStringLiteral("О программе...")},
        };
    case MainMenuPopup::Events:
        return {
            {CommandId::NewEvent, QStringLiteral("Новое событие")},
            {CommandId::DeleteEvent, QStringLiteral("Удалить")},
            {},
            {CommandId::CutEvent, QStringLiteral("Вырезать"), false},
            {CommandId::CopyEvent, QStringLiteral("Копировать"), false},
            {CommandId::PasteEvent, QStringLiteral("Вставить"), false},
            {},
            {CommandId::Help, QStringLiteral("Помощь...")},
        };
    case MainMenuPopup::Calendar:
        return {
            {CommandId::GoToDay, QStringLiteral("&День...")},
            {CommandId::Properties, QStringLiteral("&Свойства...")},
            {},
            {CommandId::Import, QStringLiteral("Импорт...")},
            {CommandId::Export, QStringLiteral("Экспорт...")},
        };
    default:
        return {};
    }
}

QList<MenuEntry> TrayMenuEntries(int popup)
{
    if (popup != 0)
        return {};
    return {
        {CommandId::TrayShow, QStringLiteral("Показать")},
        {},
        {CommandId::TrayClose, QStringLiteral("Закрыть")},
    };
}

} // namespace

QList<MenuEntry> LoadMenuPopup(int menuId, int popup)
{
    switch (menuId) {
    case MenuId::Main:
        return MainMenuEntries(popup);
    case MenuId::Tray:
        return TrayMenuEntries(popup);
    default:
        return {};
    }
}

} // namespace orvane::res
